#pragma once

#include "platform/automation/AutomationError.h"

#include <QString>

#include <functional>

namespace kelvo::test {

// The number of the AutomationError the call raises (its description into
// description when given); 0 when it raises none.
inline qint32 ErrorNumber(const std::function<void()>& call, QString* description = nullptr)
{
    try {
        call();
    } catch (const automation::AutomationError& e) {
        if (description)
            *description = e.description();
        return e.number();
    }
    return 0;
}

} // namespace kelvo::test
