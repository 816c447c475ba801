#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/StoreCatalogue.h"

using namespace kelvo::db;

namespace {

struct EmptyCatalogue : ::testing::Test, kelvo::test::StoreCatalogue {};

} // namespace

TEST_F(EmptyCatalogue, RecordsetKeepsNullApartFromEmptyText)
{
    Connection c(connectionString);
    c.execute("CREATE TABLE t (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT)");
    const auto first = c.execute("INSERT INTO t (Name) VALUES (?)", {QString("")});
    c.execute("INSERT INTO t (Name) VALUES (?)", {QVariant()});
    c.execute("INSERT INTO t (Name) VALUES (?)", {QString::fromUtf8("گزارش 'ماهانه'")});
    EXPECT_EQ(first.lastInsertId.toLongLong(), 1);

    Recordset rs = c.openRecordset("select id, NAME from t order by ID");
    ASSERT_EQ(rs.recordCount(), 3);
    EXPECT_FALSE(rs.isNull("name"));
    EXPECT_EQ(rs.text("Name"), "");
    rs.moveNext();
    EXPECT_TRUE(rs.isNull("Name"));
    rs.moveNext();
    EXPECT_EQ(rs.value(1).toString(), QString::fromUtf8("گزارش 'ماهانه'"));
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.value("Name"), DbError);
    rs.moveFirst();
    EXPECT_EQ(rs.value("ID").toInt(), 1);
    EXPECT_THROW(rs.value("Missing"), DbError);
}

TEST_F(EmptyCatalogue, ForwardOnlyRecordsetStreamsAndRefusesToScrollBack)
{
    Connection c(connectionString);
    c.execute("CREATE TABLE t (n INTEGER)");
    for (int i = 0; i < 5; ++i)
        c.execute("INSERT INTO t VALUES (?)", {i});
    Recordset rs = c.openRecordset("SELECT n FROM t ORDER BY n", {}, CursorType::ForwardOnly);
    int sum = 0;
    while (!rs.eof()) {
        sum += rs.value(0).toInt();
        rs.moveNext();
    }
    EXPECT_EQ(sum, 10);
    EXPECT_EQ(rs.recordCount(), -1);
    EXPECT_THROW(rs.movePrevious(), DbError);
}

TEST_F(EmptyCatalogue, TransactionRollsBackUnlessCommitted)
{
    Connection c(connectionString);
    c.execute("CREATE TABLE t (n INTEGER)");
    {
        Transaction tx(c);
        c.execute("INSERT INTO t VALUES (1)");
    }
    {
        Transaction tx(c);
        c.execute("INSERT INTO t VALUES (2)");
        tx.commit();
    }
    Recordset rs = c.openRecordset("SELECT n FROM t");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(0).toInt(), 2);
}

TEST_F(EmptyCatalogue, ErrorsCarryDescriptionAndStatement)
{
    Connection c(connectionString);
    try {
        c.openRecordset("SELECT * FROM tblMissing");
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains("tblMissing"));
        EXPECT_EQ(e.statement(), "SELECT * FROM tblMissing");
    }
}

TEST(SqliteOpen, MissingCatalogueOrFolderIsAnErrorAndCreatesNothing)
{
    QTemporaryDir dir;
    Connection c("Provider=SQLite;Data Source=" + dir.path() + ";Initial Catalog=Nope");
    EXPECT_THROW(c.open(), DbError);
    EXPECT_FALSE(QFileInfo::exists(CataloguePath(dir.path(), "Nope")));
    Connection missingFolder("Provider=SQLite;Data Source=" + dir.path() + "/no/such;Initial Catalog=Acc");
    EXPECT_THROW(missingFolder.open(), DbError);
    Connection unknown("Provider=Jet.4;Data Source=x");
    try {
        unknown.open();
        FAIL();
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains("Jet.4"));
    }
}

TEST(SqliteOpen, MasterListsTheCataloguesOfTheFolder)
{
    QTemporaryDir dir;
    CreateCatalogue(dir.path(), "G0");
    CreateCatalogue(dir.path(), "Acc");
    Connection master("Provider=SQLite;Data Source=" + dir.path() + ";Initial Catalog=Master");
    EXPECT_EQ(master.openRecordset("Select * from SysDatabases Where Name='g0'").recordCount(), 1);
    EXPECT_EQ(master.openRecordset("Select * from SysDatabases").recordCount(), 3);
}

TEST_F(EmptyCatalogue, TwoOpenCursorsOverOneStatementTextReadIndependently)
{
    Connection c(connectionString);
    c.execute("CREATE TABLE t (n INTEGER)");
    for (int i = 1; i <= 3; ++i)
        c.execute("INSERT INTO t VALUES (?)", {i});
    const QString sql = "SELECT n FROM t WHERE n >= ? ORDER BY n";
    // The second recordset cannot share the cached statement the first one
    // is still reading.
    Recordset first = c.openRecordset(sql, {1}, CursorType::ForwardOnly);
    Recordset second = c.openRecordset(sql, {2}, CursorType::ForwardOnly);
    EXPECT_EQ(first.value(0).toInt(), 1);
    EXPECT_EQ(second.value(0).toInt(), 2);
    first.moveNext();
    second.moveNext();
    EXPECT_EQ(first.value(0).toInt(), 2);
    EXPECT_EQ(second.value(0).toInt(), 3);
    second.close();
    first.close();
    for (int round = 0; round < 2; ++round)
        EXPECT_EQ(c.openRecordset(sql, {3}).recordCount(), 1);
}
