// The catalogue views sysobjects, syscolumns and systypes of the embedded
// store, read with the system's own statements.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/StoreCatalogue.h"

using namespace kelvo::db;

namespace {

struct CatalogueViews : ::testing::Test, kelvo::test::StoreCatalogue {
    void SetUp() override
    {
        c.execute("CREATE TABLE tblKelvoReport (ID INTEGER PRIMARY KEY AUTOINCREMENT, Title nvarchar(100) COLLATE "
                  "NOCASE, GridRowHeight int, Price money, IsMerged bit, CreateDate datetime, Amount decimal(18,2), "
                  "Notes ntext, Code char(4), Memo varchar(max), Big bigint)");
        c.execute("CREATE TABLE tblKelvoSystem (ID int, Name nvarchar(50))");
        c.execute("CREATE VIEW vwKelvoSystem AS SELECT ID, Name FROM tblKelvoSystem");
    }
    int rows(const QString& sql)
    {
        return c.openRecordset(sql).recordCount();
    }
};

TEST_F(CatalogueViews, OptionalColumnTestFindsTheColumnOfThatTableOnly)
{
    const QString test = "Select * from syscolumns where name like 'GridRowHeight' and id=Object_id('tblKelvoReport')";
    Recordset rs = c.openRecordset(test);
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("name"), "GridRowHeight");
    EXPECT_EQ(rs.value("xtype").toInt(), 56);
    EXPECT_EQ(rs.value("colid").toInt(), 3);
    EXPECT_EQ(rows("Select * from syscolumns where name like 'GridRowHeight' and id=Object_id('tblKelvoSystem')"), 0);
    EXPECT_EQ(rows("Select * from syscolumns where name like 'GridRowHeight' and id=Object_id('tblMissing')"), 0);

    // The views show the catalogue as it is now, on the same connection.
    c.execute("ALTER TABLE tblKelvoSystem ADD COLUMN GridRowHeight int");
    EXPECT_EQ(rows("Select * from syscolumns where name like 'GridRowHeight' and id=Object_id('tblKelvoSystem')"), 1);
}

TEST_F(CatalogueViews, ObjectIdFindsTablesViewsAndProceduresWithoutRegardToCase)
{
    Recordset rs = c.openRecordset("Select ID, xtype from sysobjects where name like 'TBLKELVOREPORT'");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("xtype"), "U");
    const QVariant id = rs.value("ID");
    EXPECT_EQ(c.openRecordset("SELECT Object_id('tblkelvoreport')").value(0), id);
    EXPECT_EQ(c.openRecordset("SELECT Object_id('dbo.tblKelvoReport')").value(0), id);
    EXPECT_TRUE(c.openRecordset("SELECT Object_id('tblMissing')").value(0).isNull());
    EXPECT_EQ(c.openRecordset("Select xtype from sysobjects where name = 'vwkelvosystem'").text("xtype"), "V");

    c.execute("CREATE PROCEDURE spNothing AS SELECT 1");
    EXPECT_EQ(c.openRecordset("Select xtype from sysobjects where name like 'spNothing'").text("xtype"), "P");
    EXPECT_FALSE(c.openRecordset("SELECT Object_id('spNothing')").value(0).isNull());
    // The store's own tables and the catalogue views are not user objects.
    EXPECT_EQ(rows("Select * from sysobjects where name like 'kvstore%' or name like 'sys%'"), 0);
}

TEST_F(CatalogueViews, SyscolumnsGivesSqlServerTypesAndLengths)
{
    struct Expected {
        const char* column;
        int xtype;
        const char* type;
        int length;
    };
    const Expected expected[] = {
        {"ID", 56, "int", 4},         {"Title", 231, "nvarchar", 200}, {"GridRowHeight", 56, "int", 4},
        {"Price", 60, "money", 8},    {"IsMerged", 104, "bit", 1},     {"CreateDate", 61, "datetime", 8},
        {"Amount", 106, "decimal", 9}, {"Notes", 99, "ntext", 16},     {"Code", 175, "char", 4},
        {"Memo", 167, "varchar", -1}, {"Big", 127, "bigint", 8},
    };
    Recordset rs = c.openRecordset(
        "Select syscolumns.name, systypes.name as type, syscolumns.xtype, syscolumns.length, syscolumns.colid "
        "from syscolumns inner join systypes on syscolumns.xtype = systypes.xtype "
        "where syscolumns.id = Object_id('tblKelvoReport') Order by ColOrder");
    ASSERT_EQ(rs.recordCount(), int(std::size(expected)));
    int colid = 1;
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.column);
        EXPECT_EQ(rs.text("name"), e.column);
        EXPECT_EQ(rs.text("type"), e.type);
        EXPECT_EQ(rs.value("xtype").toInt(), e.xtype);
        EXPECT_EQ(rs.value("length").toInt(), e.length);
        EXPECT_EQ(rs.value("colid").toInt(), colid++);
        rs.moveNext();
    }
}

TEST_F(CatalogueViews, SystypesListsEachSqlServerTypeNameOnce)
{
    Recordset rs = c.openRecordset("Select distinct name from systypes");
    QSet<QString> names;
    int count = 0;
    for (; !rs.eof(); rs.moveNext(), ++count)
        names.insert(rs.text("name"));
    EXPECT_EQ(names.size(), count);
    for (const char* type : {"int", "smallint", "bigint", "tinyint", "bit", "money", "decimal", "numeric", "float",
                             "real", "datetime", "smalldatetime", "date", "char", "varchar", "nchar", "nvarchar",
                             "text", "ntext"})
        EXPECT_TRUE(names.contains(type)) << type;
    // One row per xtype, so joining on xtype never doubles a column.
    EXPECT_EQ(rows("SELECT xtype FROM systypes GROUP BY xtype HAVING count(*) > 1"), 0);
}

TEST_F(CatalogueViews, ProcedureParametersReadAsOnSqlServer)
{
    c.execute("CREATE PROCEDURE spKelvoGetMajorMinorViews @ReferenceTable nvarchar(128), "
              "@MajorView nvarchar(128) OUTPUT, @Count int = 0, @Total money OUT AS SELECT 1");
    Recordset rs = c.openRecordset(
        "Select syscolumns.name, systypes.name as type, syscolumns.length, syscolumns.isOutParam from sysobjects "
        "inner join syscolumns on syscolumns.id = sysobjects.id inner join systypes on syscolumns.xtype = "
        "systypes.xtype where sysobjects.name like 'spKelvoGetMajorMinorViews' Order by ColOrder");
    struct Expected {
        const char* name;
        const char* type;
        int length;
        int isOut;
    };
    const Expected expected[] = {{"@ReferenceTable", "nvarchar", 256, 0},
                                 {"@MajorView", "nvarchar", 256, 1},
                                 {"@Count", "int", 4, 0},
                                 {"@Total", "money", 8, 1}};
    ASSERT_EQ(rs.recordCount(), 4);
    for (const Expected& e : expected) {
        EXPECT_EQ(rs.text("name"), e.name);
        EXPECT_EQ(rs.text("type"), e.type);
        EXPECT_EQ(rs.value("length").toInt(), e.length);
        EXPECT_EQ(rs.value("isOutParam").toInt(), e.isOut);
        rs.moveNext();
    }
}

TEST_F(CatalogueViews, CatalogueViewsServeTheCataloguesOwnViewsAndOtherConnections)
{
    // A view kept in the catalogue may read the catalogue views, as the
    // list of stored procedures does.
    c.execute("CREATE VIEW vwStoredProcedures AS SELECT o.id AS ID, o.name AS name FROM sysobjects o WHERE o.xtype = 'P'");
    c.execute("CREATE PROCEDURE spOne @A int AS SELECT @A");
    c.close();
    Connection other(connectionString);
    Recordset rs = other.openRecordset("select * from vwStoredProcedures where name='SPONE'");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("name"), "spOne");
}

TEST(MasterCatalogue, ListsTheCataloguesOfTheFolder)
{
    QTemporaryDir dir;
    CreateCatalogue(dir.path(), "G0");
    Connection master("Provider=SQLite;Data Source=" + dir.path() + ";Initial Catalog=Master");
    EXPECT_EQ(master.openRecordset("Select * from SysDatabases Where Name='G0'").recordCount(), 1);
    EXPECT_EQ(master.openRecordset("Select * from SysDatabases Where Name='g0'").recordCount(), 1);
    EXPECT_EQ(master.openRecordset("Select * from SysDatabases Where Name='G1'").recordCount(), 0);
}

} // namespace
