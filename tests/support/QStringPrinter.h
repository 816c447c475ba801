#pragma once

#include <QString>
#include <ostream>

// GoogleTest shows QString values as text.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
