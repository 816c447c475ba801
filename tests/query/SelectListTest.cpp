#include "query/SelectItems.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kelvo::query;

namespace {

struct Item {
    const char* expression;
    int number;
    const char* caption;
};

} // namespace

TEST(ScanSelectList, TableOfCases)
{
    struct Case {
        const char* text;
        std::vector<Item> items;
    };
    const Case cases[] = {
        {"Select a.x as 'نام', SUM(a.y) as 'جمع'", {{"a.x", -1, "نام"}, {"SUM(a.y)", -1, "جمع"}}},
        {"select isnull(a.x, 0) as ~12, a.y as ~ 7 From a", {{"isnull(a.x, 0)", 12, ""}, {"a.y", 7, ""}}},
        // " as " must be lower case; the text after the word is read anyway.
        {"Select t.x AS 'A'", {{"", -1, "x AS A"}}},
        // Items whose alias is neither quoted nor a number are left out.
        {"Select a.x as نام, a.y as 'ب', a.z", {{"a.y", -1, "ب"}}},
        // The word "select" is the first six characters, whatever they are.
        {"SELECT DISTINCT a.x as 'الف' FROM a", {{"DISTINCT a.x", -1, "الف"}}},
        {"  عبارت a.x as 'الف'", {{"a.x", -1, "الف"}}},
        // The alias is cut before "from" in any case.
        {"Select a.x as 'الف' FrOm a, b", {{"a.x", -1, "الف"}}},
        // Quotes doubled inside a caption read back as one.
        {"Select a.x as 'it''s', a.y as ' دو '", {{"a.x", -1, "it's"}, {"a.y", -1, "دو"}}},
        {"Select a.x as ''", {{"a.x", -1, ""}}},
        // A quoted alias is one token: a comma or "from" inside it is caption.
        {"Select a.x as 'Total, net', a.y as 'ب'", {{"a.x", -1, "Total, net"}, {"a.y", -1, "ب"}}},
        {"Select a.x as 'Sales from Tehran' From a", {{"a.x", -1, "Sales from Tehran"}}},
        {"Select a.x as 'it''s, ok',a.y as ~3", {{"a.x", -1, "it's, ok"}, {"a.y", 3, ""}}},
        {"Select a.x as ~abc", {}},
        {"Select", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QList<ScannedSelectItem> items = ScanSelectList(c.text);
        ASSERT_EQ(items.size(), qsizetype(c.items.size()));
        for (size_t i = 0; i < c.items.size(); ++i) {
            EXPECT_EQ(items[i].expression, QString(c.items[i].expression));
            EXPECT_EQ(items[i].captionNumber, c.items[i].number);
            EXPECT_EQ(items[i].caption, QString(c.items[i].caption));
        }
    }
}

TEST(ScanSelectList, AliasEndIsACharacterPosition)
{
    const QString text = "Select ت.نام as 'نام کامل', ت.کد as ~12 From  ت";
    const QList<ScannedSelectItem> items = ScanSelectList(text);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(text.left(items[0].aliasEnd), "Select ت.نام as 'نام کامل'");
    EXPECT_EQ(text.left(items[1].aliasEnd), "Select ت.نام as 'نام کامل', ت.کد as ~12");
}

TEST(MakeSelectDisplayText, NumberedAliasesShowTheirCaptions)
{
    SelectItemList list;
    SelectItem first;
    first.CaptionNumber = 12;
    first.Caption = "نام";
    SelectItem second;
    second.CaptionNumber = 7;
    second.Caption = "کد";
    SelectItem quoted; // a caption given as text is never matched
    quoted.Caption = "متن";
    SelectItem apostrophe;
    apostrophe.CaptionNumber = 5;
    apostrophe.Caption = "Employee's name";
    list.items = {quoted, first, second, apostrophe};

    const std::pair<const char*, const char*> cases[] = {
        {"a.x as ~12, a.y as ~7", "a.x as 'نام', a.y as 'کد'"},
        {"a.x as ~7 , a.y as ~12", "a.x as 'کد' , a.y as 'نام'"},
        {"a.x as ~ 12, a.y as 'ب'", "a.x as 'نام', a.y as 'ب'"},
        {"a.x as ~99, a.y as ~12", "a.x as '', a.y as 'نام'"},
        {"a.x as ~-1", "a.x as 'متن'"}, // -1 is the number of every caption given as text
        {"a.x as 'بدون شماره'", "a.x as 'بدون شماره'"},
        {"a.x as ~12, a.z as ~12 ", "a.x as 'نام', a.z as 'نام' "},
        {"~", "''"},
        {"a.x as ~5", "a.x as 'Employee''s name'"}, // a caption's apostrophes are doubled
        {"", ""},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(MakeSelectDisplayText(list, text), QString(shown)) << text;
}

// What the display text writes reads back as the captions it showed.
TEST(MakeSelectDisplayText, ShownCaptionsReadBack)
{
    SelectItemList list;
    SelectItem item;
    item.CaptionNumber = 4;
    item.Caption = "Employee's, name";
    list.items = {item};
    const QList<ScannedSelectItem> read = ScanSelectList(MakeSelectDisplayText(list, "Select a.x as ~4, a.y as ~4"));
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0].caption, "Employee's, name");
    EXPECT_EQ(read[1].caption, "Employee's, name");
}
