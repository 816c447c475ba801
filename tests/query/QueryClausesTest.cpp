#include "query/QueryClauses.h"
#include "query/SelectItems.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kelvo::query;

namespace {

struct EnglishSplitCase {
    const char* name;
    const char* query;
    bool missing;
    const char *select, *from, *where, *groupBy, *orderBy;
};

} // namespace

TEST(SplitEnglishQuery, TableOfCases)
{
    const EnglishSplitCase cases[] = {
        {"outer FROM is found after the last caption, not inside the sub-select",
         "Select a.x as 'A', (Select b.y FROM b WHERE b.k = a.k) as 'B' From  a", false,
         "a.x as 'A', (Select b.y FROM b WHERE b.k = a.k) as 'B'", "a", "", "", ""},
        {"keywords in any case; GROUP BY and ORDER BY keep their leading blanks",
         "select ت.نام as 'نام', ت.کد as 'کد' from ت where ت.کد > 3 group by ت.نام order by ت.کد", false,
         "ت.نام as 'نام', ت.کد as 'کد'", "ت", "ت.کد > 3", " ت.نام", " ت.کد"},
        {"mixed-case keywords", "SeLeCt ج.مبلغ as 'مبلغ' fRoM ج WhErE ج.مبلغ > 0 oRdEr By ج.مبلغ", false,
         "ج.مبلغ as 'مبلغ'", "ج", "ج.مبلغ > 0", "", " ج.مبلغ"},
        {"numeric alias ends the list", "Select ت.نام as 'نام کامل', ت.کد as ~12 From  ت, س Where ت.کد = س.کد",
         false, "ت.نام as 'نام کامل', ت.کد as ~12", "ت, س", "ت.کد = س.کد", "", ""},
        {"a WHERE that contains GROUP is cut there",
         "Select t.x as 'شرح' From t Where t.s = 'GROUP A' and t.n > 1", false, "t.x as 'شرح'", "t",
         "t.s = '", "", ""},
        {"a WHERE that contains order in lower case is cut there too",
         "Select t.x as 'شرح' From t Where t.s like 'border %'", false, "t.x as 'شرح'", "t", "t.s like 'b", "",
         ""},
        {"GROUP BY and ORDER BY clauses are cut from WHERE",
         "Select t.x as 'شرح' From t Where t.n > 1 Group by  t.x order by  t.x", false, "t.x as 'شرح'", "t",
         "t.n > 1", "  t.x", "  t.x"},
        {"WHERE sub-select with FROM", "Select t.x as 'شرح' From  t where  t.k in (select u.k from u)", false,
         "t.x as 'شرح'", "t", "t.k in (select u.k from u)", "", ""},
        {"no FROM: the rest is the select list", "Select a.x as 'نام'", true, "a.x as 'نام'", "", "", "", ""},
        {"no SELECT", "Update t set x=1 From t", true, "t set x=1 From t", "", "", "", ""},
        {"select list without recognised aliases keeps the first pass",
         "Select a.x, a.y From a Where a.x > 0", false, "a.x, a.y", " a", " a.x > 0", "", ""},
        {"an item without alias after the last caption stays in the list",
         "Select a.x as 'الف', a.y From a", false, "a.x as 'الف', a.y", " a", "", "", ""},
        {"duplicate captions do not cut the list at the first one",
         "Select a.x as 'A', a.y as 'A' From a", false, "a.x as 'A', a.y as 'A'", "a", "", "", ""},
        {"a caption quoted earlier in a sub-select does not cut the list",
         "Select (select b.n from b where b.s = 'B' ) as 'C', a.y as 'B' From  a", false,
         "(select b.n from b where b.s = 'B' ) as 'C', a.y as 'B'", "a", "", "", ""},
        {"a FROM list of several tables and a quoted value in WHERE",
         "Select (select max(b.n) from b) as 'بيشترين' From  a, b where  a.k = b.k and b.s = 'ب'", false,
         "(select max(b.n) from b) as 'بيشترين'", "a, b", "a.k = b.k and b.s = 'ب'", "", ""},
        {"DISTINCT stays in the select list", "Select DISTINCT a.x as 'الف' From  a", false,
         "DISTINCT a.x as 'الف'", "a", "", "", ""},
        {"empty select list", "Select  From  a", false, "", "  a", "", "", ""},
        {"empty text", "", true, "", "", "", "", ""},
    };
    for (const EnglishSplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        QueryClauses clauses;
        clauses.EQuery = c.query;
        clauses.EWhere = "stale";
        EXPECT_EQ(SplitEnglishQuery(clauses), c.missing);
        EXPECT_EQ(clauses.ESelect, QString(c.select));
        EXPECT_EQ(clauses.EFrom, QString(c.from));
        EXPECT_EQ(clauses.EWhere, QString(c.where));
        EXPECT_EQ(clauses.EGroupBy, QString(c.groupBy));
        EXPECT_EQ(clauses.EOrderBy, QString(c.orderBy));
        EXPECT_EQ(clauses.EQuery, QString(c.query));
    }
}

TEST(SplitEnglishQuery, QueriesLongerThan32767Characters)
{
    // Positions are not limited to 16 bits: a select list of 40,000
    // characters with Persian captions splits like a short one.
    QStringList items;
    for (int i = 0; items.join(", ").size() < 40000; ++i)
        items << QString("ت.ستون%1 as 'عنوان %1'").arg(i);
    const QString select = items.join(", ");
    QueryClauses clauses;
    clauses.EQuery = "Select " + select + " From  ت where  ت.کد = 'گروه' order by  ت.کد";
    EXPECT_FALSE(SplitEnglishQuery(clauses));
    EXPECT_EQ(clauses.ESelect, select);
    EXPECT_EQ(clauses.EFrom, "ت");
    EXPECT_EQ(clauses.EWhere, "ت.کد = 'گروه'");
    EXPECT_EQ(clauses.EOrderBy, "  ت.کد");
}

TEST(SplitFarsiQuery, TableOfCases)
{
    struct Case {
        const char* query;
        bool missing;
        const char *select, *from, *where, *groupBy, *orderBy;
    };
    const Case cases[] = {
        {"انتخاب ج_مبلغ، ج_شرح از جداول ج به شرطيكه ج_مبلغ > 0 مرتبسازي با ج_مبلغ ", false,
         "ج_مبلغ، ج_شرح ", "ج ", "ج_مبلغ > 0 ", "", "ج_مبلغ "},
        {"انتخاب متمايز ت_نام از جداول ت، س به تفكيك ت_نام ", false, "متمايز ت_نام ", "ت، س ", "", "ت_نام ", ""},
        {"انتخاب ج_مبلغ از جداول ج به شرطيكه ج_مبلغ > 0 به تفكيك ج_مبلغ مرتبسازي با ج_مبلغ", false, "ج_مبلغ ",
         "ج ", "ج_مبلغ > 0 ", "ج_مبلغ ", "ج_مبلغ"},
        {"انتخاب ج_مبلغ", true, "ج_مبلغ", "", "", "", ""},
        {"انتخاب ج_مبلغ از جداولج", true, "ج_مبلغ از جداولج", "", "", "", ""},
        {"", true, "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        QueryClauses clauses;
        clauses.FQuery = c.query;
        clauses.FWhere = "کهنه";
        EXPECT_EQ(SplitFarsiQuery(clauses), c.missing);
        EXPECT_EQ(clauses.FSelect, QString(c.select));
        EXPECT_EQ(clauses.FFrom, QString(c.from));
        EXPECT_EQ(clauses.FWhere, QString(c.where));
        EXPECT_EQ(clauses.FGroupBy, QString(c.groupBy));
        EXPECT_EQ(clauses.FOrderBy, QString(c.orderBy));
    }
}

TEST(AssembleEditorQuery, BoxesAreTrimmedAndEmptyOnesLeftOut)
{
    struct Case {
        ClauseBoxes boxes;
        const char* query;
    };
    const Case cases[] = {
        {{" a.x as 'الف' ", " a ", "", "", ""}, "Select a.x as 'الف' From  a"},
        {{"a.x as 'الف'", "a", "a.x > 1", "a.x", "a.x desc"},
         "Select a.x as 'الف' From  a where  a.x > 1 Group by  a.x order by  a.x desc"},
        {{"a.x as 'الف'", "a", "   ", "", " a.x"}, "Select a.x as 'الف' From  a order by  a.x"},
        {{"", "", "", "", ""}, "Select  From  "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AssembleEditorQuery(c.boxes), QString(c.query));
}

TEST(StoredQueryText, EachNonEmptyBoxWithItsCaption)
{
    const ClauseBoxes english = {" a.x as 'الف' ", "a", "", " ", "a.x"};
    EXPECT_EQ(StoredEnglishQuery(english), "SELECT a.x as 'الف' FROM a ORDER BY a.x ");
    const ClauseBoxes farsi = {"الف_ایکس", "الف", "الف_ایکس > 2", "الف_ایکس", "الف_ایکس"};
    const QString stored = StoredFarsiQuery(farsi);
    EXPECT_EQ(stored,
              "انتخاب الف_ایکس از جداول الف به شرطيكه الف_ایکس > 2 به تفكيك الف_ایکس مرتبسازي با الف_ایکس ");

    // The stored Farsi text is exactly what the Farsi split reads back.
    QueryClauses clauses;
    clauses.FQuery = stored;
    EXPECT_FALSE(SplitFarsiQuery(clauses));
    EXPECT_EQ(clauses.FSelect, "الف_ایکس ");
    EXPECT_EQ(clauses.FFrom, "الف ");
    EXPECT_EQ(clauses.FWhere, "الف_ایکس > 2 ");
    EXPECT_EQ(clauses.FGroupBy, "الف_ایکس ");
    EXPECT_EQ(clauses.FOrderBy, "الف_ایکس ");
}

TEST(Distinct, ToggledTwiceReturnsBothTexts)
{
    QueryClauses c;
    c.ESelect = "a.x as 'الف', a.y as 'ب'";
    c.FSelect = "الف_ایکس، الف_ایگرگ";
    EXPECT_FALSE(IsDistinctSelect(c.ESelect));
    EXPECT_EQ(DistinctCaptions(false).english, "DISTINCT");
    EXPECT_EQ(DistinctCaptions(false).farsi, "متمايز");

    ToggleDistinct(c);
    EXPECT_EQ(c.ESelect, "DISTINCT a.x as 'الف', a.y as 'ب'");
    EXPECT_EQ(c.FSelect, "متمايز الف_ایکس، الف_ایگرگ");
    EXPECT_TRUE(IsDistinctSelect(c.ESelect));
    EXPECT_EQ(DistinctCaptions(true).english, "NONDISTINCT");
    EXPECT_EQ(DistinctCaptions(true).farsi, "غير متمايز");

    ToggleDistinct(c);
    EXPECT_EQ(c.ESelect, "a.x as 'الف', a.y as 'ب'");
    EXPECT_EQ(c.FSelect, "الف_ایکس، الف_ایگرگ");
}

TEST(Distinct, EdgeCases)
{
    QueryClauses empty;
    empty.ESelect = "  ";
    empty.FSelect = "";
    MakeDistinct(empty);
    EXPECT_EQ(empty.ESelect, "  ");
    EXPECT_EQ(empty.FSelect, "");

    QueryClauses lower;
    lower.ESelect = " distinct a.x as 'الف'";
    lower.FSelect = "متمايز الف_ایکس ";
    MakeDistinct(lower); // already distinct: unchanged
    EXPECT_EQ(lower.ESelect, " distinct a.x as 'الف'");
    MakeNonDistinct(lower);
    EXPECT_EQ(lower.ESelect, "a.x as 'الف'");
    EXPECT_EQ(lower.FSelect, "الف_ایکس");

    // A Farsi text without the prefix keeps all its words.
    QueryClauses outOfStep;
    outOfStep.ESelect = "DISTINCT a.x as 'الف'";
    outOfStep.FSelect = "الف_ایکس";
    MakeNonDistinct(outOfStep);
    EXPECT_EQ(outOfStep.ESelect, "a.x as 'الف'");
    EXPECT_EQ(outOfStep.FSelect, "الف_ایکس");

    // Regeneration drops the prefix; the editor gives it back.
    QueryClauses regenerated;
    regenerated.ESelect = "a.x as 'الف'";
    regenerated.FSelect = "الف_ایکس";
    RestoreDistinct(regenerated, false);
    EXPECT_EQ(regenerated.ESelect, "a.x as 'الف'");
    RestoreDistinct(regenerated, true);
    EXPECT_EQ(regenerated.ESelect, "DISTINCT a.x as 'الف'");
    EXPECT_EQ(regenerated.FSelect, "متمايز الف_ایکس");
    RestoreDistinct(regenerated, true);
    EXPECT_EQ(regenerated.ESelect, "DISTINCT a.x as 'الف'");
}
