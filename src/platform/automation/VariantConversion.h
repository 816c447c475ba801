#pragma once

#include <QString>
#include <QVariant>

namespace kelvo::automation {

// Conversions of an automation argument to the type of a property or a
// parameter, as a late-bound call converts them: an empty variant is 0 (or
// ""), true is -1, fractions round half to even, text must hold a number.
// Out of range fails with AutomationError 6 (Overflow); anything that is
// not a number fails with 13 (Type mismatch).
qint16 ToInt16(const QVariant& value);
qint32 ToInt32(const QVariant& value);
// A colour 0x00BBGGRR; negative 32-bit values keep their bit pattern.
quint32 ToOleColor(const QVariant& value);
QString ToText(const QVariant& value);

} // namespace kelvo::automation
