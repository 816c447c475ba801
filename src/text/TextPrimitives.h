#pragma once

#include <QString>
#include <QStringView>

// The text primitives the query rules are written in. Positions here count
// from 1 as the rules do (0 means "not found"), and slicing never fails: a
// start past the end or a negative length yields an empty text.
namespace kelvo::text {

// 1-based position of the first needle at or after start, 0 when absent.
qsizetype Find(QStringView hay, QStringView needle, Qt::CaseSensitivity cs = Qt::CaseSensitive,
               qsizetype start = 1);
inline qsizetype FindNoCase(QStringView hay, QStringView needle, qsizetype start = 1)
{
    return Find(hay, needle, Qt::CaseInsensitive, start);
}
inline bool ContainsNoCase(QStringView hay, QStringView needle)
{
    return hay.contains(needle, Qt::CaseInsensitive);
}

// Characters from the 1-based start on; length < 0 takes the rest.
QString Mid(QStringView s, qsizetype start, qsizetype length = -1);
// The characters from 1-based first up to, not including, 1-based end.
QString Span(QStringView s, qsizetype first, qsizetype end);
QString Left(QStringView s, qsizetype count);
QString Right(QStringView s, qsizetype count);

// Removes blanks (U+0020) at both ends; other white space stays.
QString TrimBlanks(QStringView s);
QStringView TrimBlanksView(QStringView s);

// Every occurrence replaced, left to right.
QString ReplaceAll(QString s, QStringView what, QStringView with, Qt::CaseSensitivity cs);

// The numeric value of the text's leading number: leading blanks skipped,
// an optional sign, digits with an optional decimal point, an optional
// exponent; reading stops at the first character that cannot continue the
// number. 0 when there is none.
double LeadingNumber(QStringView s);
// True when the blank-trimmed text is one number and nothing else.
bool IsNumber(QStringView s);
// Rounds half to even; false when the value does not fit 32 bits.
bool ToInt32(double value, int& out);

} // namespace kelvo::text
