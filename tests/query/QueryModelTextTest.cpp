// The parts of the query model that work on text alone: expressions,
// regeneration, the WHERE test and the column accessors.
#include "query/QueryModel.h"
#include "query/StoreFullError.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kelvo::query;

namespace {

QueryColumn Column(const char* name, const char* description, bool grouped = false, const char* type = "")
{
    QueryColumn c;
    c.Name = name;
    c.Description = description;
    c.Grouped = grouped;
    c.Type = type;
    return c;
}

QueryTable Table(const char* name, const char* description, QList<QueryColumn> columns)
{
    QueryTable t;
    t.Name = name;
    t.Description = description;
    t.Columns = std::move(columns);
    return t;
}

SelectItem Item(const char* english, const char* farsi, const char* caption)
{
    SelectItem item;
    item.EnglishText = english;
    item.FarsiText = farsi;
    item.Caption = caption;
    return item;
}

} // namespace

TEST(CollectExpressions, TableOfCases)
{
    struct Expected {
        const char* english;
        const char* farsi;
        const char* farsiOriginal;
        std::vector<const char*> aggregates;
    };
    struct Case {
        const char* select;
        const char* farsiSelect;
        std::vector<Expected> entries;
    };
    const Case cases[] = {
        {"a.x + a.y as 'S'", "الف_ایکس + الف_ایگرگ", {{"a.x + a.y", "الف_ایکس + الف_ایگرگ", "الف_ایکس + الف_ایگرگ", {}}}},
        {"a.x+a.y as 'S'", "الف_ایکس+الف_ایگرگ", {}},
        {"b.k as 'K', SUM(a.x * a.y) as 'T'",
         "ب_کد، مجموع(الف_ایکس * الف_ایگرگ)",
         {{"a.x * a.y", "الف_ایکس * الف_ایگرگ", " مجموع(الف_ایکس * الف_ایگرگ)", {"SUM"}}}},
        // Two operators in one item give one entry.
        {"a.x + a.y - a.z AS 'Q'", "الف_ایکس + الف_ایگرگ - الف_زد", {{"a.x + a.y - a.z", "الف_ایکس + الف_ایگرگ - الف_زد", "الف_ایکس + الف_ایگرگ - الف_زد", {}}}},
        // The same expression under two aggregates: one entry, both aggregates.
        {"sum(a.x / a.y) as 'A', AVG(a.x / a.y) as 'B', SUM(a.x / a.y) as 'C'",
         "مجموع(الف_ایکس / الف_ایگرگ)، ميانگين(الف_ایکس / الف_ایگرگ)، مجموع(الف_ایکس / الف_ایگرگ)",
         {{"a.x / a.y", "الف_ایکس / الف_ایگرگ", "مجموع(الف_ایکس / الف_ایگرگ)", {"SUM", "AVG"}}}},
        // "_)" is dropped from the Farsi text.
        {"c.n % 2 as 'R'", "ج_شماره_) % 2", {{"c.n % 2", "ج_شماره % 2", "ج_شماره_) % 2", {}}}},
        // The Farsi item is taken by position even when it is missing.
        {"a.k as 'K', a.x - 1 as 'D'", "الف_کد", {{"a.x - 1", "", "", {}}}},
        {"a.x * -1 as 'N'", "", {}},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.select);
        QueryStores stores;
        stores.clauses.ESelect = c.select;
        stores.clauses.FSelect = c.farsiSelect;
        stores.expressions.items.resize(3); // replaced, not appended to
        CollectExpressions(stores);
        ASSERT_EQ(stores.expressions.count(), int(c.entries.size()));
        for (size_t i = 0; i < c.entries.size(); ++i) {
            const ExpressionItem& e = stores.expressions.items[qsizetype(i)];
            EXPECT_EQ(e.EnglishText, QString(c.entries[i].english));
            EXPECT_EQ(e.FarsiText, QString(c.entries[i].farsi));
            EXPECT_EQ(e.FarsiOriginal, QString(c.entries[i].farsiOriginal));
            EXPECT_EQ(e.Flag, 0);
            ASSERT_EQ(e.AggregateCount, int(c.entries[i].aggregates.size()));
            for (size_t k = 0; k < c.entries[i].aggregates.size(); ++k)
                EXPECT_EQ(e.Aggregates[k], QString(c.entries[i].aggregates[k]));
        }
    }
}

TEST(CollectExpressions, The101stExpressionIsRefused)
{
    QStringList items;
    for (int i = 1; i <= 101; ++i)
        items << QString("a.c%1 + 1 as 'ستون %1'").arg(i);
    QueryStores stores;
    stores.clauses.ESelect = items.mid(0, 100).join(", ");
    CollectExpressions(stores);
    EXPECT_EQ(stores.expressions.count(), 100);

    stores.clauses.ESelect = items.join(", ");
    EXPECT_THROW(CollectExpressions(stores), StoreFullError);
    EXPECT_EQ(stores.expressions.count(), 100); // the list is left as it was
}

TEST(RegenerateClauses, FromModelAndSelectItems)
{
    QueryStores stores;
    stores.tables.tables = {
        Table("a", "الف", {Column("x", "ایکس", true), Column("z", "زد"), Column("y", "ایگرگ", true)}),
        Table("b", "ب", {}), // no columns: left out of FROM
        Table("c", "ج", {Column("k", "کد")}),
    };
    SelectItem numbered = Item("a.z", "الف_زد", "");
    numbered.CaptionNumber = 5;
    stores.selectItems.items = {Item("a.x", "الف_ایکس", " نام "), Item("SUM(a.y)", "SUM(a.y)", "it's"), numbered};
    stores.clauses.EWhere = "a.x = c.k";
    stores.clauses.FWhere = "الف_ایکس = ج_کد";
    stores.clauses.ESelect = "DISTINCT old";
    stores.clauses.EOrderBy = " a.x";

    RegenerateClauses(stores);
    const QueryClauses& c = stores.clauses;
    EXPECT_EQ(c.ESelect, "a.x as 'نام', SUM(a.y) as 'it''s', a.z as ''");
    EXPECT_EQ(c.FSelect, "الف_ایکس، SUM(a.y)، الف_زد");
    EXPECT_EQ(c.EFrom, "a, c");
    EXPECT_EQ(c.FFrom, "الف، ج");
    EXPECT_EQ(c.EGroupBy, "a.x, a.y");
    EXPECT_EQ(c.FGroupBy, "الف_ایکس، الف_ایگرگ");
    EXPECT_EQ(c.EWhere, "a.x = c.k");
    EXPECT_EQ(c.FWhere, "الف_ایکس = ج_کد");
    EXPECT_EQ(c.EOrderBy, " a.x");
    EXPECT_EQ(stores.selectItems.items[0].CaptionNumber, 0);
    EXPECT_EQ(stores.selectItems.items[2].CaptionNumber, 5);

    // The regenerated select list reads back with its captions intact.
    const QList<ScannedSelectItem> items = ScanSelectList("Select " + c.ESelect + " From  " + c.EFrom);
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0].caption, "نام");
    EXPECT_EQ(items[1].caption, "it's");
    EXPECT_EQ(items[1].expression, "SUM(a.y)");
}

TEST(RegenerateClauses, EmptyModel)
{
    QueryStores stores;
    stores.clauses.ESelect = "a.x as 'x'";
    stores.clauses.EFrom = "a";
    stores.clauses.EGroupBy = "a.x";
    RegenerateClauses(stores);
    EXPECT_EQ(stores.clauses.ESelect, "");
    EXPECT_EQ(stores.clauses.EFrom, "");
    EXPECT_EQ(stores.clauses.EGroupBy, "");
}

TEST(AllTablesConstrained, EveryTableNamedInWhere)
{
    QueryTableList two;
    two.tables = {Table("a", "الف", {Column("x", "ایکس"), Column("y", "ایگرگ")}), Table("b", "ب", {Column("k", "کد")})};
    QueryTableList one;
    one.tables = {two.tables[0]};
    struct Case {
        const QueryTableList* model;
        const char* where;
        bool constrained;
    };
    const Case cases[] = {
        {&two, "A.Y = b.K", true},       {&two, "a.y = 1", false}, {&two, "", false},
        {&two, "a.x = 'ب.k' and b.k > 0", true},
        {&one, "", true},                {&one, "b.k = 1", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AllTablesConstrained(*c.model, c.where), c.constrained) << c.where;
    EXPECT_TRUE(AllTablesConstrained(QueryTableList(), ""));
}

TEST(ColumnId, AccessorsAndInvalidIds)
{
    QueryTableList model;
    model.tables = {Table("a", "الف", {Column("x", "ایکس", false, "int")}),
                    Table("b", "ب", {Column("k", "کد"), Column("نام", "نام", false, "nvarchar")})};
    model.tables[1].Columns[1].MajorView = "vwMajor";
    model.tables[1].Columns[1].MinorView = "vwMinor";

    EXPECT_EQ(MakeColumnId(2, 2), 1002);
    EXPECT_EQ(ColumnIdTable(1002), 2);
    EXPECT_EQ(ColumnIdColumn(1002), 2);
    EXPECT_EQ(ColumnIdTable(999), 1);
    EXPECT_EQ(ColumnName(model, 1002), "نام");
    EXPECT_EQ(ColumnType(model, 1002), "nvarchar");
    EXPECT_EQ(ColumnMajorView(model, 1002), "vwMajor");
    EXPECT_EQ(ColumnMinorView(model, 1002), "vwMinor");
    EXPECT_EQ(ColumnTableName(model, 1002), "b");
    EXPECT_EQ(ColumnReference(model, 1002), "b.نام");
    EXPECT_EQ(ColumnReference(model, 1), "a.x");
    EXPECT_EQ(ColumnType(model, 1), "int");

    for (ColumnId invalid : {0, -1, -1000, 2, 1000, 1003, 2001, 5000}) {
        SCOPED_TRACE(invalid);
        EXPECT_EQ(ColumnName(model, invalid), "");
        EXPECT_EQ(ColumnType(model, invalid), "");
        EXPECT_EQ(ColumnMajorView(model, invalid), "");
        EXPECT_EQ(ColumnMinorView(model, invalid), "");
        EXPECT_EQ(ColumnTableName(model, invalid), "");
        EXPECT_EQ(ColumnReference(model, invalid), "");
    }
}
