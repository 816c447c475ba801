#pragma once

#include "sql/SqlDialect.h"

#include <QString>
#include <QVariant>

#include <array>

// Column type classes, the Persian words of the aggregate functions and the
// comparison operators, and the small text functions the dialogs share.
// Everything here is pure.
namespace kelvo::query {

bool IsCharType(const QString& typeName);
bool IsDateType(const QString& typeName);
bool IsQuotedType(const QString& typeName);
bool IsNumericType(const QString& typeName);

struct AggregateWord {
    const char16_t* sql;     // "SUM"
    const char16_t* farsi;   // "مجموع"
    const char16_t* marker;  // the three letters before "(" that identify it in English text
};
// The seven aggregates in their fixed order: COUNT, SUM, MAX, MIN, AVG, STDEV, VAR.
const std::array<AggregateWord, 7>& Aggregates();

struct OperatorWord {
    const char16_t* farsi;
    const char16_t* sql; // with its surrounding blanks
};
// The ten comparison operators in the order they are listed to the user.
const std::array<OperatorWord, 10>& Operators();

// Exact (case- and letter-sensitive) word mappings; empty for any other text.
QString AggregateToSql(const QString& farsiWord);
QString AggregateToFarsi(const QString& sqlName);
QString OperatorToSql(const QString& farsiWord);

using sql::QuoteEscape;
// -1 for a blank text, else the text's leading number rounded half to even
// (0 when it has none; clamped to the 32-bit range).
int ValOrMinusOne(const QString& text);
// The second value when its numeric value is at least the first's, else the first.
QVariant LargerOf(const QVariant& first, const QVariant& second);
bool IsAlphaNumChar(QChar c);

} // namespace kelvo::query
