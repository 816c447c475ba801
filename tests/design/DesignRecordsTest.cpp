// What the query designer reads and writes in the repository.
#include "support/DesignFixture.h"

#include "design/DesignStatements.h"
#include "design/QueryDesign.h"
#include "sql/SqlDialect.h"

using namespace kelvo;
using namespace kelvo::design;

namespace {
using Records = test::DesignFixture;
}

TEST_F(Records, ALongQueryIsStoredInTwoPartsAndLoadsBackWhole)
{
    const qint32 report = addReport("طولاني");
    // An apostrophe on both sides of the cut: values are bound, never doubled or split.
    QString query = "Select tblCity.Name as 'x' From  tblCity where tblCity.Name <> '";
    query += QString(kQueryPartLength - query.size() - 1, u'a') + "''" + QString(8500 - kQueryPartLength - 1, u'b') + "'";
    ASSERT_EQ(query.size(), 8500 + 1);
    SaveStoredQuery(db(), report, {query, QStringLiteral("انتخاب 'x'"), {}, {}});
    EXPECT_EQ(db().openRecordset("select length(SQLQuery) from tblKelvoReport where ID=?", {report}).value(0).toInt(), 8000);
    EXPECT_EQ(db().openRecordset("select length(Reserved) from tblKelvoReport where ID=?", {report}).value(0).toInt(), 501);
    EXPECT_EQ(db().openRecordset("select IsStoredProcedure from tblKelvoReport where ID=?", {report}).value(0).toInt(), 0);
    const StoredQuery loaded = LoadStoredQuery(db(), report);
    EXPECT_EQ(loaded.english, query);
    EXPECT_EQ(loaded.farsi, QStringLiteral("انتخاب 'x'"));

    // A short one leaves Reserved NULL; a null SQLQuery loads empty and keeps the Farsi text.
    SaveStoredQuery(db(), report, {{}, QStringLiteral("فقط فارسي"), QStringLiteral("spX (@1)"), QStringLiteral("spX @a")});
    EXPECT_TRUE(db().openRecordset("select Reserved from tblKelvoReport where ID=?", {report}).isNull("Reserved"));
    const StoredQuery empty = LoadStoredQuery(db(), report);
    EXPECT_TRUE(empty.english.isEmpty());
    EXPECT_EQ(empty.farsi, QStringLiteral("فقط فارسي"));
    EXPECT_EQ(empty.sqlsp, QStringLiteral("spX (@1)"));
    EXPECT_EQ(db().openRecordset("select IsStoredProcedure from tblKelvoReport where ID=?", {report}).value(0).toInt(), 1);
}

TEST_F(Records, TheRootListsSystemsByTheSubsystemRule)
{
    const auto keys = [this](int system) {
        QStringList k;
        for (const DictionaryNode& n : DictionaryChildren(db(), kRootKey, system))
            k << n.key;
        return k;
    };
    // Hidden and unnamed (31) systems are not listed.
    QStringList visible;
    for (db::Recordset rs = db().openRecordset("select ID from tblKelvoSystem where length(Name)>0 and "
                                               "(NotVisible=0 or NotVisible is null) order by ID");
         !rs.eof(); rs.moveNext())
        visible << "S" + rs.text("ID");
    EXPECT_EQ(keys(-1), visible);
    EXPECT_FALSE(visible.contains("S31"));
    // The subsystem's statement lists ID itself among its systems, so every named system is listed.
    EXPECT_EQ(keys(2), QStringList(visible) << "S30");
    EXPECT_TRUE(statements::RootSystems(sql::Dialect::Oracle(), 16).contains("ID in (20,25,24,6,4,16 )"));
    EXPECT_TRUE(statements::RootSystems(sql::Dialect::Oracle(), 3).contains("ID in (20,25,24,3 )"));
    EXPECT_TRUE(statements::RootSystems(sql::Dialect::Oracle(), 7).contains("ID in (20,25,24,6,7 )"));
    EXPECT_TRUE(statements::RootSystems(sql::Dialect::Oracle(), -1).contains("NVL(Name"));

    // A table without a description is not listed; a table with columns has children.
    const QList<DictionaryNode> tables = DictionaryChildren(db(), "S1", -1);
    EXPECT_FALSE(std::any_of(tables.begin(), tables.end(), [](const auto& n) { return n.key == "TtblAuditLog"; }));
    EXPECT_TRUE(std::all_of(tables.begin(), tables.end(), [](const auto& n) { return n.hasChildren; }));
    const QList<DictionaryNode> columns = DictionaryChildren(db(), "TtblCustomer", -1);
    ASSERT_FALSE(columns.isEmpty());
    EXPECT_EQ(columns.first().key, "TtblCustomer#ID");
    // LegacyCode has no description.
    EXPECT_FALSE(std::any_of(columns.begin(), columns.end(), [](const auto& n) { return n.name == "LegacyCode"; }));
    EXPECT_EQ(ColumnKeyReference("TtblCustomer#Name"), "tblCustomer.Name");
    EXPECT_EQ(SystemOfTable(db(), "tblInvoice"), 2);
    EXPECT_EQ(SystemOfTable(db(), "tblNoSuch"), std::nullopt);
}

TEST_F(Records, JoinConditionsComeFromTheRelationsInBothLanguages)
{
    query::QueryStores stores;
    stores.clauses.EFrom = "tblCustomer, tblInvoice";
    query::RebuildQueryModel(stores, db());
    AppendJoinConditions(stores.clauses, stores.tables, RelationsBetween(db(), "tblCustomer", "tblInvoice"));
    EXPECT_EQ(stores.clauses.EWhere, "tblCustomer.ID = tblInvoice.CustomerID ");
    EXPECT_EQ(stores.clauses.FWhere, fa("مشتریان_شناسه = فاکتورهای فروش_مشتری "));
    AppendJoinConditions(stores.clauses, stores.tables, RelationsBetween(db(), "tblInvoice", "tblCustomer"));
    EXPECT_TRUE(stores.clauses.EWhere.contains(" and tblCustomer.ID"));
    EXPECT_TRUE(stores.clauses.FWhere.contains(QStringLiteral(" و ")));
}

TEST_F(Records, ColumnValuesCarryTheNamesTheyReferTo)
{
    // A foreign key to a table with a display column lists each value with its name.
    const ColumnValueSource customers = LoadColumnValues(db(), "tblInvoice", "CustomerID");
    ASSERT_FALSE(customers.values.isEmpty());
    EXPECT_TRUE(customers.values.first().shown.startsWith(customers.values.first().raw + QChar(0x200C) + " -- "));
    EXPECT_GE(customers.values.first().raw.toInt(), customers.values.last().raw.toInt());
    // A plain column: its distinct values; a name that is not an identifier is refused.
    EXPECT_EQ(LoadColumnValues(db(), "tblCity", "Province").values.size(),
              db().openRecordset("select count(distinct Province) from tblCity").value(0).toInt());
    EXPECT_THROW(LoadColumnValues(db(), "tblCity", "Name; drop table tblCity"), db::DbError);
    EXPECT_TRUE(LoadColumnValues(db(), "", "Name").values.isEmpty());
}

TEST_F(Records, ProcedureCallHelpListsTheParameters)
{
    ASSERT_TRUE(repository::ProcedureExists(db(), "spKelvoGetMajorMinorViews"));
    const QList<repository::ProcedureParameterInfo> parameters =
        repository::ProcedureParameters(db(), "spKelvoGetMajorMinorViews");
    ASSERT_EQ(parameters.size(), 3);
    EXPECT_EQ(ProcedureCallHelp("spKelvoGetMajorMinorViews", parameters),
              QStringLiteral("نحوه فراخواني: spKelvoGetMajorMinorViews @ReferenceTable nvarchar, @MajorView nvarchar "
                             "OUTPUT, @MinorView nvarchar OUTPUT"));
    EXPECT_FALSE(repository::ProcedureExists(db(), "spNoSuch"));
}
