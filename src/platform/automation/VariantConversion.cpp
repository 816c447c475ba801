#include "platform/automation/VariantConversion.h"

#include "platform/VariantKinds.h"
#include "platform/automation/AutomationError.h"

#include <cmath>
#include <limits>

namespace kelvo::automation {

namespace {

AutomationError overflow() { return AutomationError(ErrOverflow, QStringLiteral("Overflow")); }
AutomationError typeMismatch() { return AutomationError(ErrTypeMismatch, QStringLiteral("Type mismatch")); }

// The value as a whole number (rounded half to even), range not checked
// beyond what a double holds exactly.
double wholeNumber(const QVariant& value)
{
    if (!value.isValid())
        return 0;
    if (IsIntegerValue(value))
        return double(value.toLongLong());
    if (IsRealValue(value))
        return std::nearbyint(value.toDouble()); // default rounding: half to even
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::QString: {
        bool ok = false;
        const double d = value.toString().trimmed().toDouble(&ok);
        if (!ok)
            throw typeMismatch();
        return std::nearbyint(d);
    }
    default:
        throw typeMismatch();
    }
}

template <typename T>
T inRange(double d, double low = double(std::numeric_limits<T>::min()),
          double high = double(std::numeric_limits<T>::max()))
{
    if (!std::isfinite(d) || d < low || d > high)
        throw overflow();
    return T(d);
}

} // namespace

qint16 ToInt16(const QVariant& value) { return inRange<qint16>(wholeNumber(value)); }

qint32 ToInt32(const QVariant& value) { return inRange<qint32>(wholeNumber(value)); }

quint32 ToOleColor(const QVariant& value)
{
    const double d = wholeNumber(value);
    if (d < 0)
        return quint32(inRange<qint32>(d));
    return inRange<quint32>(d);
}

QString ToText(const QVariant& value)
{
    if (!value.isValid())
        return QString();
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (!value.canConvert<QString>())
        throw typeMismatch();
    return value.toString();
}

} // namespace kelvo::automation
