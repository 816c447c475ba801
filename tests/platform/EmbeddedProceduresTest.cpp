// Stored procedures of the embedded store: definitions kept in the
// catalogue, SQL bodies, procedures bound to native code, EXEC statements.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/NativeProcedures.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/StoreCatalogue.h"

using namespace kelvo::db;

namespace {

// Native procedure for the tests: @Result = 2 × @Value, a result set of
// the table's rows, return value @Value + 1. Writes a row first, then fails
// when @Value is negative, so that atomicity shows.
void testDouble(NativeCall& call)
{
    const int value = call.input("value").toInt();
    call.db.execute("INSERT INTO tblItem (Name, Qty) VALUES (?, ?)", {QStringLiteral("native"), value});
    if (value < 0)
        throw DbError(QStringLiteral("negative value"), 50000);
    call.setOutput("@Result", value * 2);
    call.returnValue = value + 1;
    call.rows = call.db.query("SELECT Name, Qty FROM tblItem ORDER BY ID", {});
}

struct Procedures : ::testing::Test, kelvo::test::StoreCatalogue {

    static void SetUpTestSuite() { RegisterNativeProcedure("TestDouble", testDouble); }

    void SetUp() override
    {
        c.execute("CREATE TABLE tblItem (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name nvarchar(50) COLLATE NOCASE "
                  "NOT NULL, Qty int)");
        c.execute("CREATE PROCEDURE spAddItem @Name nvarchar(50), @Qty int = 1, @NewID int OUTPUT AS "
                  "INSERT INTO tblItem (Name, Qty) VALUES (@Name, @Qty); "
                  "SELECT @NewID = max(ID) FROM tblItem; "
                  "DECLARE @total int, @label nvarchar(20) = N'جمع'; "
                  "SET @total = (SELECT sum(Qty) FROM tblItem); "
                  "SELECT ID, Name, Qty, @label AS Label FROM tblItem WHERE ID = @NewID; "
                  "RETURN @total");
    }

    int count(const QString& where = "1=1")
    {
        return c.openRecordset("SELECT count(*) FROM tblItem WHERE " + where).value(0).toInt();
    }
};

TEST_F(Procedures, SqlBodyFillsOutputsReturnValueAndResultSet)
{
    const QString name = QString::fromUtf8("O'Brien's قلم; DROP TABLE tblItem --");
    ProcedureResult r = c.callProcedure("spAddItem", {{"@name", name}, {"NewID", {}, ParameterDirection::Output}});
    EXPECT_EQ(r.returnValue.toInt(), 1);
    EXPECT_EQ(r.parameter("NewID").toInt(), 1);
    ASSERT_TRUE(r.rows);
    Recordset rs(std::move(r.rows), CursorType::Static);
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("Name"), name);
    EXPECT_EQ(rs.value("Qty").toInt(), 1);
    EXPECT_EQ(rs.text("Label"), QString::fromUtf8("جمع"));

    // Parameter names match without regard to case; outputs not passed are added.
    r = c.callProcedure("SPADDITEM", {{"@QTY", 4}, {"@NAME", "Cup"}});
    EXPECT_EQ(r.returnValue.toInt(), 5);
    EXPECT_EQ(r.parameter("@NewID").toInt(), 2);
}

TEST_F(Procedures, CallErrorsAreSqlServers)
{
    try {
        c.callProcedure("spNope");
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.description(), "Could not find stored procedure 'spNope'.");
        EXPECT_EQ(e.nativeCode(), 2812);
    }
    try {
        c.callProcedure("spAddItem", {{"@Qty", 2}});
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.nativeCode(), 201);
        EXPECT_TRUE(e.description().contains("@Name"));
    }
    try {
        c.callProcedure("spAddItem", {{"@Name", "x"}, {"@Colour", 2}});
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.nativeCode(), 8145);
    }
    EXPECT_THROW(c.execute("EXEC spAddItem 'a', 1, NULL, 7"), DbError);
    EXPECT_EQ(count(), 0);
}

TEST_F(Procedures, FailingBodyLeavesNothingHalfWritten)
{
    c.execute("CREATE PROCEDURE spTwoRows @First nvarchar(50), @Second nvarchar(50) AS "
              "INSERT INTO tblItem (Name) VALUES (@First); INSERT INTO tblItem (Name) VALUES (@Second)");
    EXPECT_THROW(c.callProcedure("spTwoRows", {{"@First", "kept?"}, {"@Second", QVariant()}}), DbError);
    EXPECT_EQ(count(), 0);

    // Inside the caller's transaction only the procedure's part is undone.
    {
        Transaction tx(c);
        c.execute("INSERT INTO tblItem (Name) VALUES ('outer')");
        EXPECT_THROW(c.execute("EXEC spTwoRows 'inner', NULL"), DbError);
        tx.commit();
    }
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(count("Name = 'OUTER'"), 1);

    // A native body that fails after writing is undone as well.
    c.execute("CREATE PROCEDURE spDouble @Value int, @Result int OUTPUT AS EXTERNAL NAME TestHost.TestDouble");
    EXPECT_THROW(c.callProcedure("spDouble", {{"@Value", -1}}), DbError);
    EXPECT_EQ(count("Name = 'native'"), 0);
    c.execute("INSERT INTO tblItem (Name) VALUES ('after')");
    EXPECT_EQ(count(), 2);
}

TEST_F(Procedures, ExternalNameBindsANativeProcedureWithDeclaredParameters)
{
    c.execute("CREATE PROC dbo.spDouble (@Value int, @Result int OUTPUT) AS EXTERNAL NAME TestHost.TestDouble");
    ProcedureResult r = c.callProcedure("spDouble", {{"value", 21}, {"@Result", {}, ParameterDirection::Output}});
    EXPECT_EQ(r.returnValue.toInt(), 22);
    EXPECT_EQ(r.parameter("@Result").toInt(), 42);
    ASSERT_TRUE(r.rows);
    Recordset rows(std::move(r.rows), CursorType::Static);
    EXPECT_EQ(rows.recordCount(), 1);
    EXPECT_EQ(rows.text("Name"), "native");

    // Listed with its declared parameters like any procedure.
    Recordset params = c.openRecordset(
        "Select syscolumns.name, systypes.name as type, syscolumns.length, syscolumns.isOutParam from sysobjects "
        "inner join syscolumns on syscolumns.id = sysobjects.id inner join systypes on syscolumns.xtype = "
        "systypes.xtype where sysobjects.name like 'spDouble' Order by ColOrder");
    ASSERT_EQ(params.recordCount(), 2);
    params.moveLast();
    EXPECT_EQ(params.text("name"), "@Result");
    EXPECT_EQ(params.value("isOutParam").toInt(), 1);

    // Positional EXEC arguments take the declared names.
    Recordset viaExec = c.openRecordset("EXEC spDouble 5");
    EXPECT_EQ(viaExec.recordCount(), 2);

    c.execute("CREATE PROCEDURE spMissing @A int AS EXTERNAL NAME TestHost.NoSuchThing");
    EXPECT_THROW(c.callProcedure("spMissing", {{"@A", 1}}), DbError);
}

TEST_F(Procedures, ExecStatementsTakePositionalNamedAndBoundArguments)
{
    c.execute("EXEC spAddItem 'Cup', 3");
    c.execute("EXECUTE spAddItem @Qty = -2, @Name = N'کتاب'");
    c.execute("exec spAddItem ?, ?", {QString::fromUtf8("Lamp's"), 7});
    Recordset rs = c.openRecordset("EXEC dbo.spAddItem @Name = ?", {"Pen"});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("Name"), "Pen");
    EXPECT_EQ(rs.value("ID").toInt(), 4);
    EXPECT_EQ(count("Name = 'Cup' AND Qty = 3"), 1);
    EXPECT_EQ(count(QString::fromUtf8("Name = 'کتاب' AND Qty = -2")), 1);
    EXPECT_EQ(count("Name = 'LAMP''S' AND Qty = 7"), 1);
    EXPECT_EQ(count("Name = 'Pen' AND Qty = 1"), 1);
    EXPECT_THROW(c.execute("EXEC spAddItem ?, ?", {"too few"}), DbError);
    EXPECT_EQ(count(), 4);
}

TEST_F(Procedures, BodiesCallOtherProceduresAndReadTheirOutputs)
{
    c.execute("CREATE PROCEDURE spAddTwice(@Name nvarchar(50), @LastID int OUT) AS BEGIN "
              "DECLARE @r int; "
              "EXEC spAddItem @Name, 2, @LastID OUTPUT; "
              "EXEC @r = spAddItem @Name = @Name, @NewID = @LastID OUTPUT; "
              "SELECT @LastID AS LastID, @r AS Total; "
              "RETURN @r * 10 END");
    ProcedureResult r = c.callProcedure("spAddTwice", {{"@Name", "Box"}, {"@LastID", {}, ParameterDirection::Output}});
    EXPECT_EQ(r.parameter("@LastID").toInt(), 2);
    EXPECT_EQ(r.returnValue.toInt(), 30);
    ASSERT_TRUE(r.rows);
    Recordset rs(std::move(r.rows), CursorType::Static);
    // The first result set is the nested call's, as ADO's recordset would be.
    EXPECT_EQ(rs.text("Name"), "Box");
    EXPECT_EQ(count("Name = 'box'"), 2);
}

TEST_F(Procedures, DefinitionsAreKeptReplacedAndDropped)
{
    try {
        c.execute("CREATE PROCEDURE spAddItem AS SELECT 1");
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.nativeCode(), 2714);
    }
    c.execute("ALTER PROCEDURE spAddItem @Name nvarchar(50) AS SELECT @Name + '!' AS Shout");
    c.close();
    Connection other(connectionString);
    Recordset rs = other.openRecordset("EXEC spAddItem 'hi'");
    EXPECT_EQ(rs.text("Shout"), "hi!");
    other.execute("DROP PROCEDURE spAddItem");
    EXPECT_EQ(other.openRecordset("Select * from sysobjects where name like 'spAddItem'").recordCount(), 0);
    EXPECT_EQ(other.openRecordset("Select * from syscolumns where name like '@Name'").recordCount(), 0);
    EXPECT_THROW(other.execute("EXEC spAddItem 'hi'"), DbError);
    EXPECT_THROW(other.execute("DROP PROCEDURE spAddItem"), DbError);
    other.execute("DROP PROCEDURE IF EXISTS spAddItem");
}

TEST_F(Procedures, UnknownVariablesAndAssignmentMixesAreErrors)
{
    c.execute("CREATE PROCEDURE spBadVar AS SELECT @Nowhere");
    try {
        c.callProcedure("spBadVar");
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.nativeCode(), 137);
    }
    c.execute("CREATE PROCEDURE spMixed @A int AS SELECT @A = 1, Name FROM tblItem");
    EXPECT_THROW(c.callProcedure("spMixed", {{"@A", 0}}), DbError);
}

} // namespace
