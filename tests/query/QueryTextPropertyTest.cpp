// Seeded random tests of the text rules: mutated queries never crash, hang
// or invent text, and clause sets written by RegenerateClauses survive
// assembly and splitting unchanged.
#include "query/QueryModel.h"
#include "query/StoreFullError.h"
#include "text/TextPrimitives.h"
#include "QueryMutations.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <random>

using namespace kelvo::query;

namespace {

const char* const kSeedQueries[] = {
    "Select a.x as 'A', (Select b.y FROM b WHERE b.k = a.k) as 'B' From  a",
    "Select a.x as 'X', SUM(a.y) as 'Y' From  a Group by  a.x",
    "Select COUNT(a.y) as 'N', count(a.y) as 'M', ISNULL(a.y) as 'I' From  a",
    "Select a.x + a.y as 'S', a.x+a.y as 'T' From  a where  a.x > 0 order by  a.x",
    "SELECT tblSale.Amount as 'مبلغ', tblCustomer.Name as 'نام مشتري' FROM tblSale, tblCustomer "
    "WHERE tblSale.CustomerID = tblCustomer.ID ORDER BY tblSale.Amount ",
    "Select DISTINCT ت.نام as ~12, isnull(ت.کد, 0) as ~7 From  ت where  ت.شرح like N'%گروه%'",
    "select t.x as 'شرح' from t where t.s = 'GROUP A' group by t.x order by t.x desc",
    "Select (select max(u.k) from u where u.k = t.c) as 'بيشترين', t.c as 'کد' From  t, u",
    "Select STDEV(a.v) as 'انحراف', VAR(a.v) as 'واريانس', AVG(a.v) as 'ميانگين' From  a Group by  a.g",
    "Select a.x as 'it''s', a.y as ~3 From  a where  a.n = 'O''Brien'",
};

const char* const kSeedFarsi[] = {
    "انتخاب ج_مبلغ، ج_شرح از جداول ج به شرطيكه ج_مبلغ > 0 مرتبسازي با ج_مبلغ ",
    "انتخاب متمايز ت_نام از جداول ت، س به تفكيك ت_نام ",
    "انتخاب مجموع(الف_ایکس * الف_ایگرگ)، تعداد(الف_زد) از جداول الف ",
};

bool IsPartOf(const QString& part, const QString& whole)
{
    return part.isEmpty() || whole.contains(part);
}

} // namespace

TEST(QueryTextProperty, MutatedQueriesNeitherCrashNorInventText)
{
    std::mt19937 rng(20261210);
    SelectItemList captions;
    for (const auto& [number, caption] : std::initializer_list<std::pair<int, const char*>>{
             {12, "نام"}, {7, "~12 "}, {3, "~7, ~3"}, {0, ""}}) {
        SelectItem item;
        item.CaptionNumber = number;
        item.Caption = QString::fromUtf8(caption);
        captions.items.append(item);
    }
    for (int n = 0; n < 3000; ++n) {
        const bool farsiSeed = n % 4 == 3;
        const QString seed = QString::fromUtf8(farsiSeed ? kSeedFarsi[rng() % std::size(kSeedFarsi)]
                                                         : kSeedQueries[rng() % std::size(kSeedQueries)]);
        const QString q = kelvo::test::Mutate(seed, rng);
        SCOPED_TRACE(q.toStdString());

        QueryStores stores;
        stores.clauses.EQuery = q;
        stores.clauses.FQuery = q;
        SplitEnglishQuery(stores.clauses);
        SplitFarsiQuery(stores.clauses);
        const QueryClauses& c = stores.clauses;
        for (const QString* clause : {&c.ESelect, &c.EFrom, &c.EWhere, &c.EGroupBy, &c.EOrderBy, &c.FSelect,
                                      &c.FFrom, &c.FWhere, &c.FGroupBy, &c.FOrderBy})
            ASSERT_TRUE(IsPartOf(*clause, q)) << clause->toStdString();

        for (const ScannedSelectItem& item : ScanSelectList(q)) {
            ASSERT_TRUE(IsPartOf(item.expression, q));
            ASSERT_GE(item.aliasEnd, 1);
            ASSERT_LE(item.aliasEnd, q.size());
        }
        MakeSelectDisplayText(captions, q);
        MakeSelectDisplayText(captions, c.ESelect);
        try {
            CollectExpressions(stores);
        } catch (const StoreFullError&) {
        }
        QueryClauses toggled = c;
        ToggleDistinct(toggled);
        ToggleDistinct(toggled);
        QueryClauses again;
        again.EQuery = AssembleEditorQuery({c.ESelect, c.EFrom, c.EWhere, c.EGroupBy, c.EOrderBy});
        SplitEnglishQuery(again);
    }
}

namespace {

struct Pools {
    std::vector<std::pair<QString, QString>> tables = {
        {"tblSale", "فروش"}, {"tblCustomer", "مشتري"}, {"tblItem", "کالا"}, {"tblStore", "انبار"}, {"u", "واحد"}};
    std::vector<std::pair<QString, QString>> columns = {
        {"ID", "شناسه"}, {"Name", "نام"}, {"Amount", "مبلغ"}, {"Date", "تاريخ"}, {"Code", "کد"}, {"k", "کليد"}};
    QStringList captions = {"نام", "مبلغ کل", "گزارش 'ماه'", "", " شرح ", "تعداد فروش", "it's", "کد:"};
    QStringList wheres = {"", "t.Code = 1", "tblSale.Name like N'%علی%'", "t.k in (select u.k from u where u.n = 'الف')",
                          "tblSale.Amount between 1 and 2 and tblSale.ID = tblCustomer.ID"};
    QStringList orders = {"", "tblSale.Amount", "tblSale.Amount desc, tblSale.Name"};
    QStringList farsiWheres = {"", "فروش_مبلغ > 0", "فروش_نام مشابه 'علی'"};
};

QString Pick(const QStringList& list, std::mt19937& rng)
{
    return list[qsizetype(rng() % list.size())];
}

} // namespace

TEST(QueryTextProperty, RegeneratedClausesSurviveAssemblyAndSplit)
{
    std::mt19937 rng(1402);
    const Pools pools;
    for (int n = 0; n < 2000; ++n) {
        QueryStores stores;
        const int tableCount = int(rng() % 4);
        for (int t = 0; t < tableCount; ++t) {
            const auto& [name, description] = pools.tables[rng() % pools.tables.size()];
            QueryTable table;
            table.Name = name;
            table.Description = description;
            const int columnCount = int(rng() % 4);
            for (int k = 0; k < columnCount; ++k) {
                const auto& [columnName, columnDescription] = pools.columns[rng() % pools.columns.size()];
                QueryColumn column;
                column.Name = columnName;
                column.Description = columnDescription;
                column.Grouped = rng() % 3 == 0;
                table.Columns.append(column);
            }
            stores.tables.tables.append(table);
        }
        const int itemCount = int(rng() % 6);
        for (int i = 0; i < itemCount; ++i) {
            const auto& [name, description] = pools.tables[rng() % pools.tables.size()];
            const auto& [columnName, columnDescription] = pools.columns[rng() % pools.columns.size()];
            const QString ref = name + "." + columnName;
            const QString expressions[] = {ref, "SUM(" + ref + ")", ref + " + " + ref, "isnull(" + ref + ", 0)",
                                           "(select max(u.k) from u where u.k = " + ref + ")"};
            SelectItem item;
            item.EnglishText = expressions[rng() % std::size(expressions)];
            item.FarsiText = description + "_" + columnDescription;
            item.Caption = Pick(pools.captions, rng);
            stores.selectItems.items.append(item);
        }
        stores.clauses.EWhere = Pick(pools.wheres, rng);
        stores.clauses.FWhere = Pick(pools.farsiWheres, rng);
        RegenerateClauses(stores);
        const QueryClauses regenerated = stores.clauses;
        const QString orderBy = Pick(pools.orders, rng);
        SCOPED_TRACE(AssembleEditorQuery({regenerated.ESelect, regenerated.EFrom, regenerated.EWhere,
                                          regenerated.EGroupBy, orderBy})
                         .toStdString());

        QueryClauses english;
        english.EQuery = AssembleEditorQuery(
            {regenerated.ESelect, regenerated.EFrom, regenerated.EWhere, regenerated.EGroupBy, orderBy});
        ASSERT_FALSE(SplitEnglishQuery(english));
        using kelvo::text::TrimBlanks;
        EXPECT_EQ(TrimBlanks(english.ESelect), regenerated.ESelect);
        EXPECT_EQ(TrimBlanks(english.EFrom), regenerated.EFrom);
        EXPECT_EQ(TrimBlanks(english.EWhere), regenerated.EWhere);
        EXPECT_EQ(TrimBlanks(english.EGroupBy), regenerated.EGroupBy);
        EXPECT_EQ(TrimBlanks(english.EOrderBy), orderBy);

        QueryClauses farsi;
        farsi.FQuery = StoredFarsiQuery(
            {regenerated.FSelect, regenerated.FFrom, regenerated.FWhere, regenerated.FGroupBy, QString()});
        if (regenerated.FSelect.isEmpty() || regenerated.FFrom.isEmpty())
            continue; // a stored text without its SELECT or FROM clause has no keyword to split at
        ASSERT_FALSE(SplitFarsiQuery(farsi));
        EXPECT_EQ(TrimBlanks(farsi.FSelect), regenerated.FSelect);
        EXPECT_EQ(TrimBlanks(farsi.FFrom), regenerated.FFrom);
        EXPECT_EQ(TrimBlanks(farsi.FWhere), regenerated.FWhere);
        EXPECT_EQ(TrimBlanks(farsi.FGroupBy), regenerated.FGroupBy);
    }
}
