#include "query/Vocabulary.h"

#include "platform/VariantKinds.h"
#include "text/TextPrimitives.h"

#include <limits>

namespace kelvo::query {

namespace {

bool InList(const QString& name, std::initializer_list<const char16_t*> list)
{
    for (const char16_t* item : list) {
        if (name == QStringView(item))
            return true;
    }
    return false;
}

} // namespace

bool IsCharType(const QString& typeName)
{
    return InList(typeName.toUpper(), {u"CHAR", u"VARCHAR", u"TEXT", u"NCHAR", u"NVARCHAR", u"NTEXT"});
}

bool IsDateType(const QString& typeName)
{
    return InList(typeName.toUpper(), {u"DATETIME", u"SMALLDATETIME"});
}

bool IsQuotedType(const QString& typeName)
{
    return IsDateType(typeName) || IsCharType(typeName);
}

bool IsNumericType(const QString& typeName)
{
    return InList(typeName.toLower(), {u"int", u"bigint", u"decimal", u"bit", u"tinyint", u"money",
                                       u"float", u"numeric", u"smallint", u""});
}

const std::array<AggregateWord, 7>& Aggregates()
{
    static const std::array<AggregateWord, 7> words = {{
        {u"COUNT", u"تعداد", u"UNT"},
        {u"SUM", u"مجموع", u"SUM"},
        {u"MAX", u"بيشترين", u"MAX"},
        {u"MIN", u"كمترين", u"MIN"},
        {u"AVG", u"ميانگين", u"AVG"},
        {u"STDEV", u"انحراف معيار استاندارد", u"DEV"},
        {u"VAR", u"واريانس", u"VAR"},
    }};
    return words;
}

const std::array<OperatorWord, 10>& Operators()
{
    static const std::array<OperatorWord, 10> words = {{
        {u"مساوي", u" = "},
        {u"نامساوي", u" <> "},
        {u"بزرگتر از", u" > "},
        {u"كوچكتر از", u" < "},
        {u"بزرگتر يا مساوي", u" >= "},
        {u"كوچكتر يا مساوي", u" <= "},
        {u"از ميان مقادير", u" IN "},
        {u"مشابه", u" Like "},
        {u"مقداردار", u" IS NOT NULL "},
        {u"بيمقدار", u" IS NULL "},
    }};
    return words;
}

QString AggregateToSql(const QString& farsiWord)
{
    for (const auto& word : Aggregates()) {
        if (farsiWord == QStringView(word.farsi))
            return QString::fromUtf16(word.sql);
    }
    return {};
}

QString AggregateToFarsi(const QString& sqlName)
{
    for (const auto& word : Aggregates()) {
        if (sqlName == QStringView(word.sql))
            return QString::fromUtf16(word.farsi);
    }
    return {};
}

QString OperatorToSql(const QString& farsiWord)
{
    for (const auto& word : Operators()) {
        if (farsiWord == QStringView(word.farsi))
            return QString::fromUtf16(word.sql);
    }
    return {};
}

int ValOrMinusOne(const QString& text)
{
    if (text::TrimBlanksView(text).isEmpty())
        return -1;
    const double value = text::LeadingNumber(text);
    int result = 0;
    if (text::ToInt32(value, result))
        return result;
    return value < 0 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
}

namespace {

double NumericValue(const QVariant& v)
{
    if (IsIntegerValue(v) || IsRealValue(v) || v.typeId() == QMetaType::Bool)
        return v.toDouble();
    return text::LeadingNumber(v.toString());
}

} // namespace

QVariant LargerOf(const QVariant& first, const QVariant& second)
{
    return NumericValue(second) >= NumericValue(first) ? second : first;
}

bool IsAlphaNumChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

} // namespace kelvo::query
