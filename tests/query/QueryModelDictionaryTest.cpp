// The query model and the select-item parser against the demo catalogue's
// dictionary.
#include "support/QStringPrinter.h"
#include "QueryMutations.h"
#include "query/ColumnRefTranslator.h"
#include "query/DictionaryStatements.h"
#include "query/QueryModel.h"
#include "query/StoreFullError.h"
#include "repository/Captions.h"
#include "sql/SqlDialect.h"
#include "support/TempCatalogue.h"

#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::query;

namespace {

// The demo dictionary writes Persian with the Arabic Yeh and Kaf.
QString Ar(const char* utf8)
{
    QString s = QString::fromUtf8(utf8);
    s.replace(QChar(0x06CC), QChar(0x064A));
    s.replace(QChar(0x06A9), QChar(0x0643));
    return s;
}

struct DemoDictionary : ::testing::Test {
    test::TempCatalogue catalogue = test::TempCatalogue::demo();
    db::Connection& db = catalogue.connection();

    const QueryColumn& column(const QueryStores& s, const char* table, const char* name)
    {
        for (const QueryTable& t : s.tables.tables) {
            if (t.Name.compare(QString(table), Qt::CaseInsensitive) != 0)
                continue;
            for (const QueryColumn& c : t.Columns) {
                if (c.Name == QString(name))
                    return c;
            }
        }
        ADD_FAILURE() << "no column " << table << "." << name;
        static QueryColumn none;
        return none;
    }
};

} // namespace

TEST_F(DemoDictionary, TranslateColumnRef)
{
    const QString amount = Ar("فاکتورهای فروش_مبلغ کل");
    const std::pair<const char*, QString> cases[] = {
        {"tblInvoice.TotalAmount", amount},
        {"TBLINVOICE.totalamount", amount},          // like ignores case
        {" tblInvoice . TotalAmount ", amount},      // both names trimmed
        {"tblInvoice.TotalAmoun_", "tblInvoice.TotalAmoun_"}, // "_" is no wildcard in a name
        {"tblInvoice.Total%", "tblInvoice.Total%"},
        {"tblCustomer.Name", Ar("مشتریان_نام مشتری")},
        {"SUM(tblInvoice.TotalAmount)", "SUM(tblInvoice.TotalAmount)"},
        {"tblInvoice.TotalAmount + 1", "tblInvoice.TotalAmount + 1"},
        {"tblInvoice.NoSuchColumn", "tblInvoice.NoSuchColumn"},
        {"O'Brien.x'y", "O'Brien.x'y"}, // quotes cannot break the statement
        {"مبلغ", "مبلغ"},
        {"", ""},
    };
    for (const auto& [english, farsi] : cases)
        EXPECT_EQ(TranslateColumnRef(db, english), farsi) << english;

    // The batch translator reads them all at once and answers the same.
    ColumnRefTranslator batch(db);
    QStringList all;
    for (const auto& c : cases)
        all << QString::fromUtf8(c.first);
    batch.prefetch(all);
    for (const auto& [english, farsi] : cases)
        EXPECT_EQ(batch.translate(english), farsi) << english;
}

TEST_F(DemoDictionary, SelectedPositionGroupedAndAggregates)
{
    struct Expect {
        const char* column;
        bool selected;
        int position;
        bool grouped;
        std::vector<const char*> aggregates;
    };
    struct Case {
        const char* select;
        const char* groupBy;
        std::vector<Expect> columns;
    };
    const Case cases[] = {
        {"tblInvoice.InvoiceNo as 'شماره', SUM(tblInvoice.TotalAmount) as 'جمع'", "",
         {{"InvoiceNo", true, 1, false, {}}, {"TotalAmount", true, 2, false, {"SUM"}}, {"ID", false, 0, false, {}}}},
        {"COUNT(tblInvoice.TotalAmount) as 'N', count(tblInvoice.TotalAmount) as 'M'", "",
         {{"TotalAmount", true, 1, false, {"COUNT"}}}},
        {"ISNULL(tblInvoice.TotalAmount) as 'N'", "", {{"TotalAmount", true, 1, false, {""}}}},
        {"DISTINCT tblInvoice.InvoiceNo as 'شماره',tblInvoice.IsSettled as 'تسويه'", "",
         {{"InvoiceNo", true, 1, false, {}}, {"IsSettled", true, 2, false, {}}}},
        {"tblinvoice.invoiceno AS 'ش', isnull(tblInvoice.CustomerID, 0) as 'م', tblInvoice.ID as 'شناسه'",
         " tblInvoice.InvoiceNo, TBLINVOICE.ID",
         // " as " is compared without case here; a function call without parentheses around the
         // bare reference does not select the column.
         {{"InvoiceNo", true, 1, true, {}}, {"ID", true, 4, true, {}} /* the comma inside isnull counts */, {"CustomerID", false, 0, false, {}}}},
        // Letters that only look like an aggregate's ending still end the scan.
        {"XUNT(tblInvoice.TotalAmount) as 'x', MAX(tblInvoice.TotalAmount) as 'y', "
         "MIN(tblInvoice.TotalAmount) as 'z', STDEV(tblInvoice.TotalAmount) as 'w', VAR(tblInvoice.TotalAmount) "
         "as 'v', AVG(tblInvoice.TotalAmount) as 'u', SUM(tblInvoice.TotalAmount) as 't', "
         "sum(tblInvoice.TotalAmount) as 's'",
         "", {{"TotalAmount", true, 1, false, {"COUNT", "MAX", "MIN", "STDEV", "VAR", "AVG", "SUM"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.select);
        QueryStores stores;
        stores.clauses.ESelect = c.select;
        stores.clauses.EFrom = "tblInvoice";
        stores.clauses.EGroupBy = c.groupBy;
        RebuildQueryModel(stores, db);
        ASSERT_EQ(stores.tables.count(), 1);
        for (const Expect& e : c.columns) {
            SCOPED_TRACE(e.column);
            const QueryColumn& col = column(stores, "tblInvoice", e.column);
            EXPECT_EQ(col.Selected, e.selected);
            EXPECT_EQ(col.Position, e.position);
            EXPECT_EQ(col.Grouped, e.grouped);
            ASSERT_EQ(col.AggregateCount, int(e.aggregates.size()));
            for (size_t i = 0; i < e.aggregates.size(); ++i)
                EXPECT_EQ(col.Aggregates[i], QString(e.aggregates[i]));
        }
    }
}

TEST_F(DemoDictionary, RebuildReadsTablesAndColumnsInOrder)
{
    QueryStores stores;
    stores.clauses.EFrom = " tblInvoice ,tblNoSuchTable, tblCustomer AS c, tblCustomer";
    stores.clauses.ESelect = "tblInvoice.TotalAmount + tblInvoice.TotalAmount as 'دو برابر'";
    stores.clauses.FSelect = Ar("فاکتورهای فروش_مبلغ کل + فاکتورهای فروش_مبلغ کل");
    RebuildQueryModel(stores, db);

    ASSERT_EQ(stores.tables.count(), 2);
    const QueryTable& invoice = stores.tables.tables[0];
    EXPECT_EQ(invoice.Name, "tblInvoice");
    EXPECT_EQ(invoice.Description, Ar("فاکتورهای فروش"));
    ASSERT_EQ(invoice.ColumnCount(), 9);
    EXPECT_EQ(stores.tables.tables[1].Name, "tblCustomer");
    db::Recordset described = db.openRecordset("select count(*) as n from tblKelvoTable where length(Description)>0");
    EXPECT_EQ(stores.tables.capacity, described.value("n").toInt() + 2);

    // Accessors by ColumnId over the rebuilt model.
    int total = 0;
    for (int i = 1; i <= invoice.ColumnCount(); ++i) {
        if (ColumnName(stores.tables, MakeColumnId(1, i)) == "TotalAmount")
            total = i;
    }
    ASSERT_GT(total, 0);
    EXPECT_EQ(ColumnType(stores.tables, MakeColumnId(1, total)), "money");
    EXPECT_EQ(ColumnReference(stores.tables, MakeColumnId(1, total)), "tblInvoice.TotalAmount");
    EXPECT_EQ(ColumnTableName(stores.tables, MakeColumnId(2, 1)), "tblCustomer");
    EXPECT_EQ(ColumnName(stores.tables, MakeColumnId(3, 1)), "");
    int customer = 0;
    for (int i = 1; i <= invoice.ColumnCount(); ++i) {
        if (ColumnName(stores.tables, MakeColumnId(1, i)) == "CustomerID")
            customer = i;
    }
    EXPECT_FALSE(ColumnMajorView(stores.tables, MakeColumnId(1, customer)).isEmpty()); // refers to tblCustomer

    // The expression was collected with its Farsi wording.
    ASSERT_EQ(stores.expressions.count(), 1);
    EXPECT_EQ(stores.expressions.items[0].EnglishText, "tblInvoice.TotalAmount + tblInvoice.TotalAmount");
    EXPECT_EQ(stores.expressions.items[0].FarsiText, stores.clauses.FSelect);

    // Tables the dictionary lacks disappear from the regenerated FROM clause.
    RegenerateClauses(stores);
    EXPECT_EQ(stores.clauses.EFrom, "tblInvoice, tblCustomer");
    EXPECT_EQ(stores.clauses.FFrom, Ar("فاکتورهای فروش، مشتریان"));

    EXPECT_FALSE(AllTablesConstrained(stores.tables, "tblInvoice.TotalAmount > 0"));
    EXPECT_TRUE(AllTablesConstrained(stores.tables, "TBLINVOICE.CustomerID = tblCustomer.ID"));
}

TEST_F(DemoDictionary, GroupingRegeneratesBothLanguages)
{
    QueryStores stores;
    stores.clauses.EQuery = "Select tblInvoice.InvoiceNo as 'شماره', SUM(tblInvoice.TotalAmount) as 'جمع' "
                            "From  tblInvoice";
    ASSERT_FALSE(SplitEnglishQuery(stores, db));
    RebuildQueryModel(stores, db);
    for (QueryColumn& c : stores.tables.tables[0].Columns)
        c.Grouped = c.Name == "InvoiceNo" || c.Name == "CustomerID";
    RegenerateClauses(stores);
    // Grouped columns follow the model's column order (the order the dictionary returned them).
    QStringList english, farsi;
    for (const QueryColumn& c : stores.tables.tables[0].Columns) {
        if (c.Name == "InvoiceNo") {
            english << "tblInvoice.InvoiceNo";
            farsi << Ar("فاکتورهای فروش_شماره فاکتور");
        } else if (c.Name == "CustomerID") {
            english << "tblInvoice.CustomerID";
            farsi << Ar("فاکتورهای فروش_مشتری");
        }
    }
    EXPECT_EQ(stores.clauses.EGroupBy, english.join(", "));
    EXPECT_EQ(stores.clauses.FGroupBy, farsi.join("، "));
    // Items parsed from text: a bare reference is translated, an aggregate stays in English.
    EXPECT_EQ(stores.clauses.ESelect, "tblInvoice.InvoiceNo as 'شماره', SUM(tblInvoice.TotalAmount) as 'جمع'");
    EXPECT_EQ(stores.clauses.FSelect, Ar("فاکتورهای فروش_شماره فاکتور، SUM(tblInvoice.TotalAmount)"));
}

TEST_F(DemoDictionary, SplitFillsSelectItemsFromTheQuery)
{
    QueryStores stores;
    stores.clauses.EQuery = "Select tblCustomer.Name as 'نام', (Select max(tblInvoice.TotalAmount) FROM tblInvoice "
                            "WHERE tblInvoice.CustomerID = tblCustomer.ID) as 'بيشترين' From  tblCustomer";
    stores.selectItems.items.resize(5);
    EXPECT_FALSE(SplitEnglishQuery(stores, db));
    EXPECT_EQ(stores.clauses.EFrom, "tblCustomer");
    ASSERT_EQ(stores.selectItems.count(), 2);
    EXPECT_EQ(stores.selectItems.items[0].EnglishText, "tblCustomer.Name");
    EXPECT_EQ(stores.selectItems.items[0].FarsiText, Ar("مشتریان_نام مشتری"));
    EXPECT_EQ(stores.selectItems.items[0].Caption, "نام");
    EXPECT_EQ(stores.selectItems.items[0].CaptionNumber, -1);
    EXPECT_EQ(stores.selectItems.items[0].Width, 1000);
    EXPECT_EQ(stores.selectItems.items[0].Alignment, 4);
    EXPECT_EQ(stores.selectItems.items[1].FarsiText, stores.selectItems.items[1].EnglishText);

    // A query without FROM leaves the items alone.
    stores.clauses.EQuery = "Select tblCustomer.Name as 'نام'";
    EXPECT_TRUE(SplitEnglishQuery(stores, db));
    EXPECT_EQ(stores.selectItems.count(), 2);
}

TEST_F(DemoDictionary, ParseSelectItemsFromTextOrStoredReport)
{
    QString persian = "مبلغ فاکتور";
    QString english = "Invoice amount";
    const int number = repository::GetCaptionId(db, persian, english);
    ASSERT_GT(number, 0);

    SelectItemList list;
    ParseSelectItems(list, db, "-1",
                     QString(" select tblInvoice.TotalAmount as ~%1, tblInvoice.InvoiceNo as 'شماره' from tblInvoice")
                         .arg(number));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.items[0].Caption, "مبلغ فاکتور"); // the caption's Persian text
    EXPECT_EQ(list.items[0].CaptionNumber, -1);
    EXPECT_EQ(list.items[0].FarsiText, Ar("فاکتورهای فروش_مبلغ کل"));
    EXPECT_EQ(MakeSelectDisplayText(list, "a as ~3"), "a as ''");

    // A stored report's query is read by its identifier.
    db::Recordset report = db.openRecordset("select ID, SQLQuery from tblKelvoReport where SQLQuery like '% as %' "
                                            "order by ID");
    ASSERT_FALSE(report.eof());
    ParseSelectItems(list, db, report.text("ID"), "ignored");
    EXPECT_EQ(list.count(), ScanSelectList(report.text("SQLQuery").trimmed()).size());
    EXPECT_GT(list.count(), 0);
    ParseSelectItems(list, db, "999999", "Select a.x as 'x'");
    EXPECT_EQ(list.count(), 1); // no such report: the given text
}

TEST_F(DemoDictionary, The1001stSelectItemIsRefused)
{
    QStringList items;
    for (int i = 1; i <= 1001; ++i)
        items << QString("c%1 as 'ستون %1'").arg(i);
    SelectItemList list;
    ParseSelectItems(list, db, "-1", "Select " + items.mid(0, 1000).join(", "));
    EXPECT_EQ(list.count(), 1000);
    EXPECT_THROW(AddSelectItem(list, db, "c", -1, "x"), StoreFullError);
    EXPECT_EQ(list.count(), 1000);
    EXPECT_THROW(ParseSelectItems(list, db, "-1", "Select " + items.join(", ")), StoreFullError);
    EXPECT_EQ(list.count(), 1000); // left as it was
    EXPECT_EQ(list.items.last().Caption, "ستون 1000");
}

TEST_F(DemoDictionary, SqlServerAndOracleStatementsReadTheSameColumns)
{
    db::Recordset sqlServer = db.openRecordset(DictionaryColumnsStatement(false), {"tblInvoice"});
    db::Recordset oracle = db.openRecordset(DictionaryColumnsStatement(true), {"tblInvoice"});
    ASSERT_EQ(sqlServer.recordCount(), 9);
    ASSERT_EQ(oracle.recordCount(), sqlServer.recordCount());
    EXPECT_TRUE(oracle.hasField("component"));
    while (!sqlServer.eof()) {
        for (const char* field : {"TableName", "TableDesc", "ColumnName", "ColumnDesc", "ColumnType", "MajorView"})
            EXPECT_EQ(oracle.text(field), sqlServer.text(field)) << field;
        sqlServer.moveNext();
        oracle.moveNext();
    }
    // The model's size counts the same described tables in both forms; Oracle
    // has no len().
    for (bool atInit : {true, false}) {
        const QString forOracle = DescribedTablesStatement(sql::Dialect::Oracle(), atInit);
        EXPECT_TRUE(forOracle.contains("length(Description)>0")) << forOracle.toStdString();
        EXPECT_FALSE(forOracle.contains("len(", Qt::CaseInsensitive));
        EXPECT_EQ(db.openRecordset(forOracle).recordCount(),
                  db.openRecordset(DescribedTablesStatement(sql::Dialect::SqlServer(), atInit)).recordCount());
    }
}

TEST_F(DemoDictionary, InitQueryModelSizesTheList)
{
    QueryTableList model;
    InitQueryModel(model, db);
    db::Recordset described = db.openRecordset("select count(*) as n from tblKelvoTable where length(Description)>0");
    EXPECT_EQ(model.capacity, described.value("n").toInt() + 2);
    EXPECT_GT(model.capacity, 10);
}

TEST_F(DemoDictionary, MutatedDemoReportsThroughTheModel)
{
    // The demo reports' queries, edited at random, go through the whole
    // sequence of a clause button: no step crashes or hangs, and what the
    // model regenerates splits back into the same clauses.
    QStringList seeds;
    for (db::Recordset rs = db.openRecordset("select SQLQuery from tblKelvoReport where SQLQuery is not null");
         !rs.eof(); rs.moveNext())
        seeds << rs.text("SQLQuery");
    ASSERT_FALSE(seeds.isEmpty());
    std::mt19937 rng(7);
    int compared = 0;
    for (int n = 0; n < 400; ++n) {
        const QString seed = seeds[qsizetype(rng() % seeds.size())];
        const QString q = n % 5 == 0 ? seed : test::Mutate(seed, rng);
        SCOPED_TRACE(q.toStdString());
        QueryStores stores;
        stores.clauses.EQuery = q;
        try {
            SplitEnglishQuery(stores, db);
            RebuildQueryModel(stores, db);
        } catch (const StoreFullError&) {
            continue;
        }
        RegenerateClauses(stores);
        QueryClauses again;
        again.EQuery = AssembleEditorQuery({stores.clauses.ESelect, stores.clauses.EFrom, QString(),
                                            stores.clauses.EGroupBy, QString()});
        // Items read from broken text may hold clause keywords, which no
        // select list may contain.
        const QString select = stores.clauses.ESelect;
        if (select.contains("from", Qt::CaseInsensitive) || select.contains(" where ", Qt::CaseInsensitive) ||
            select.contains(" group by ", Qt::CaseInsensitive) || select.contains(" order by ", Qt::CaseInsensitive))
            continue;
        SplitEnglishQuery(again);
        ++compared;
        EXPECT_EQ(again.ESelect.trimmed(), stores.clauses.ESelect);
        EXPECT_EQ(again.EFrom.trimmed(), stores.clauses.EFrom);
        EXPECT_EQ(again.EGroupBy.trimmed(), stores.clauses.EGroupBy);
    }
    EXPECT_GT(compared, 200);
}
