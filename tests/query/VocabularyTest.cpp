#include "query/Vocabulary.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kelvo::query;

TEST(Vocabulary, TypeClasses)
{
    struct Case {
        const char* type;
        bool character, date, quoted, numeric;
    };
    const Case cases[] = {
        {"nvarchar", true, false, true, false},
        {"NVarChar", true, false, true, false},
        {"varchar(50)", false, false, false, false},
        {"ntext", true, false, true, false},
        {"Char", true, false, true, false},
        {"datetime", false, true, true, false},
        {"SmallDateTime", false, true, true, false},
        {"date", false, false, false, false},
        {"string", false, false, false, false},
        {"", false, false, false, true},
        {"Int", false, false, false, true},
        {"BIGINT", false, false, false, true},
        {"money", false, false, false, true},
        {"bit", false, false, false, true},
        {"real", false, false, false, false},
        {" int", false, false, false, false},
        {"متن", false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(IsCharType(c.type), c.character);
        EXPECT_EQ(IsDateType(c.type), c.date);
        EXPECT_EQ(IsQuotedType(c.type), c.quoted);
        EXPECT_EQ(IsNumericType(c.type), c.numeric);
    }
}

TEST(Vocabulary, AggregateWordsMapBothWaysExactly)
{
    const std::pair<const char*, const char*> pairs[] = {
        {"COUNT", "تعداد"},   {"SUM", "مجموع"},   {"MAX", "بيشترين"},
        {"MIN", "كمترين"},    {"AVG", "ميانگين"}, {"STDEV", "انحراف معيار استاندارد"},
        {"VAR", "واريانس"},
    };
    for (const auto& [sql, farsi] : pairs) {
        EXPECT_EQ(AggregateToFarsi(sql), QString(farsi));
        EXPECT_EQ(AggregateToSql(farsi), QString(sql));
    }
    // Case, other aggregates and other Persian letters are not recognised:
    // "كمترين" with the Persian Kaf (U+06A9) and "بيشترين" with the Persian Yeh (U+06CC).
    for (const char* other : {"sum", "Sum", "STDEVP", "", "کمترين", "بیشترين", "مجموع "}) {
        SCOPED_TRACE(other);
        EXPECT_EQ(AggregateToFarsi(other), QString());
        EXPECT_EQ(AggregateToSql(other), QString());
    }
}

TEST(Vocabulary, OperatorWords)
{
    const std::pair<const char*, const char*> pairs[] = {
        {"مساوي", " = "},
        {"نامساوي", " <> "},
        {"بزرگتر از", " > "},
        {"كوچكتر از", " < "},
        {"بزرگتر يا مساوي", " >= "},
        {"كوچكتر يا مساوي", " <= "},
        {"از ميان مقادير", " IN "},
        {"مشابه", " Like "},
        {"مقداردار", " IS NOT NULL "},
        {"بيمقدار", " IS NULL "},
    };
    for (const auto& [farsi, sql] : pairs)
        EXPECT_EQ(OperatorToSql(farsi), QString(sql)) << farsi;
    EXPECT_EQ(OperatorToSql("مساوی"), QString()); // Persian Yeh
    EXPECT_EQ(OperatorToSql("="), QString());
    EXPECT_EQ(OperatorToSql("بزرگتر  از"), QString());
}

TEST(Vocabulary, SmallTextFunctions)
{
    EXPECT_EQ(QuoteEscape("it's 'x'"), "it''s ''x''");
    EXPECT_EQ(QuoteEscape("گزارش 'ماهانه'"), "گزارش ''ماهانه''");
    EXPECT_EQ(QuoteEscape("''"), "''''");
    EXPECT_EQ(QuoteEscape(""), "");

    const std::pair<const char*, int> values[] = {
        {"  ", -1}, {"", -1},      {"12abc", 12}, {"abc", 0},    {"  42", 42}, {"-7", -7},
        {"2.5", 2}, {"3.5", 4},    {"-2.5", -2},  {"1e3", 1000}, {"1 2", 1},   {"۱۲", 0},
        {".5", 0},  {"1.5x", 2},   {"+3", 3},     {"99999999999", 2147483647},
    };
    for (const auto& [text, expected] : values)
        EXPECT_EQ(ValOrMinusOne(text), expected) << text;

    EXPECT_EQ(LargerOf(3, 5), QVariant(5));
    EXPECT_EQ(LargerOf(5, 3), QVariant(5));
    EXPECT_EQ(LargerOf(QString("10"), QString("9")), QVariant(QString("10"))); // numeric, not text order
    EXPECT_EQ(LargerOf(QString("7"), 7), QVariant(7));                         // equal: the second
    EXPECT_EQ(LargerOf(QString("متن"), QString("-1")), QVariant(QString("متن")));

    for (QChar c : QString("09azAZ"))
        EXPECT_TRUE(IsAlphaNumChar(c)) << int(c.unicode());
    for (QChar c : QString(" _.()-é۱ب"))
        EXPECT_FALSE(IsAlphaNumChar(c)) << int(c.unicode());
}
