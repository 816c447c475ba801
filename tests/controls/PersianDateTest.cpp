// Persian (Jalali) date text, read and written.
#include "text/PersianDate.h"

#include <gtest/gtest.h>

using namespace kelvo::text;

struct KnownDay {
    QDate gregorian;
    const char* persian;
};

class PersianDateKnownDays : public ::testing::TestWithParam<KnownDay> {};

TEST_P(PersianDateKnownDays, TextRoundTrip)
{
    const KnownDay& day = GetParam();
    EXPECT_EQ(JalaliText(day.gregorian), QString::fromLatin1(day.persian));
    EXPECT_EQ(ParseJalaliText(QString::fromLatin1(day.persian)), day.gregorian);
}

INSTANTIATE_TEST_SUITE_P(
    Days, PersianDateKnownDays,
    ::testing::Values(KnownDay{QDate(2021, 3, 21), "1400/01/01"}, // new year 1400
                      KnownDay{QDate(2021, 3, 20), "1399/12/30"}, // last day of the leap year 1399
                      KnownDay{QDate(2020, 3, 20), "1399/01/01"},
                      KnownDay{QDate(2024, 3, 20), "1403/01/01"},
                      KnownDay{QDate(1979, 2, 11), "1357/11/22"},
                      KnownDay{QDate(2023, 9, 23), "1402/07/01"}));

TEST(PersianDate, ReadsShortFieldsAndPersianDigits)
{
    EXPECT_EQ(ParseJalaliText("1400/1/1"), QDate(2021, 3, 21));
    EXPECT_EQ(ParseJalaliText(QStringLiteral("۱۴۰۰/۰۱/۰۱")), QDate(2021, 3, 21));
    EXPECT_EQ(ParseJalaliText(QStringLiteral("١٤٠٠/٠١/٠٢")), QDate(2021, 3, 22)); // Arabic-Indic
    EXPECT_EQ(ParseJalaliText(" 1400/01/01 "), QDate(2021, 3, 21));
}

TEST(PersianDate, RefusesWhatIsNotADate)
{
    for (const char* text : {"", "abc", "1400/13/01", "1400/00/10", "1400/12/30" /* 1400 is not leap */,
                             "1400/07/31" /* the second half has 30 days */, "1400-01-01", "14000/01/01",
                             "00/01/01", "1400/01/01/01"})
        EXPECT_FALSE(ParseJalaliText(QString::fromLatin1(text)).isValid()) << text;
    EXPECT_TRUE(JalaliText(QDate()).isEmpty());
}
