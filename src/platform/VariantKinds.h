#pragma once

#include <QVariant>

namespace kelvo {

// Whether a value holds a whole number of one of Qt's integer types (a bool
// is not one). Everything that converts values by kind asks here.
inline bool IsIntegerValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

// Whether a value holds a floating-point number.
inline bool IsRealValue(const QVariant& value)
{
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

} // namespace kelvo
