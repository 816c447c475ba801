#pragma once

#include <QGuiApplication>

namespace kelvo::front {

// The hourglass pointer for the life of the object, restored however the
// scope is left.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace kelvo::front
