// The embedded store's SQL Server dialect: statement rewriting and the
// functions and comparisons the system's statements rely on.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/EmbeddedDialect.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/StoreCatalogue.h"

using namespace kelvo::db;

namespace {

struct RewriteCase {
    const char* input;
    const char* expected;
};

void PrintTo(const RewriteCase& c, std::ostream* os)
{
    *os << c.input;
}

class RewriteForSqliteTest : public ::testing::TestWithParam<RewriteCase> {};

const RewriteCase kRewriteCases[] = {
    // Functions whose names are keywords of SQLite's parser.
    {"SELECT ID,isnull(Name,'') as Description, isnull(Name,'') as Name FROM tblKelvoSystem",
     "SELECT ID,ifnull(Name,'') COLLATE NOCASE as Description, ifnull(Name,'') COLLATE NOCASE as Name FROM "
     "tblKelvoSystem"},
    {"Select Isnull((Select Max(ParameterID) From tblKelvoReportParameter Where ReportID = 5),0)+1 as newParameterID",
     "Select ifnull((Select Max(ParameterID) From tblKelvoReportParameter Where ReportID = 5),0) COLLATE NOCASE+1 as "
     "newParameterID"},
    {"SELECT * FROM t WHERE a is null or b ISNULL", "SELECT * FROM t WHERE a is null or b ISNULL"},
    {" left(name,6)<>'sp_cft' ", " kv_left(name,6) COLLATE NOCASE<>'sp_cft' "},
    {"SELECT NVL(Alias,'') as Alias From tblUser", "SELECT NVL(Alias,'') COLLATE NOCASE as Alias From tblUser"},
    {"SELECT RIGHT (Code, 2) FROM t LEFT OUTER JOIN u ON t.a = u.a RIGHT JOIN v ON 1=1",
     "SELECT kv_right (Code, 2) COLLATE NOCASE FROM t LEFT OUTER JOIN u ON t.a = u.a RIGHT JOIN v ON 1=1"},
    {"Select * from syscolumns where name like 'GridRowHeight' and id=Object_id('tblKelvoReport')",
     "Select * from syscolumns where name like 'GridRowHeight' and id=(SELECT id FROM sysobjects WHERE name = "
     "kv_object_name('tblKelvoReport'))"},
    // Literals, quoted and bracketed names pass through untouched.
    {"SELECT 'isnull(x) left( top 5 Delete t insert u (Select', [isnull], \"left\", [left](1) FROM t",
     "SELECT 'isnull(x) left( top 5 Delete t insert u (Select', \"isnull\", \"left\", \"left\"(1) FROM t"},
    {"SELECT * FROM tblKelvoTable WHERE Description = N'گزارش left(isnull '' top 1'",
     "SELECT * FROM tblKelvoTable WHERE Description = 'گزارش left(isnull '' top 1'"},
    {"select 'it''s' -- isnull(\n, x /* left( */ from t", "select 'it''s' -- isnull(\n, x /* left( */ from t"},
    // Delete without FROM, insert without INTO, parenthesised insert source.
    {"Delete tblKelvoReportLayout  Where ReportID = 5", "Delete FROM tblKelvoReportLayout  Where ReportID = 5"},
    {"delete from tblKelvoReportButtons where ID=3", "delete from tblKelvoReportButtons where ID=3"},
    {"Delete [tbl x] Where a=1; insert t (a) values (2)", "Delete FROM \"tbl x\" Where a=1; insert INTO t (a) values (2)"},
    {"insert tblKelvoReportExpression (ReportID, Name) (Select 7, Name From tblKelvoReportExpression Where ReportID = 3)",
     "insert INTO tblKelvoReportExpression (ReportID, Name) Select 7, Name From tblKelvoReportExpression Where "
     "ReportID = 3"},
    {"Insert Into tblKelvoReportAliases(ReportID,ColFormula,ColAlias) (Select 9,ColFormula,ColAlias From "
     "tblKelvoReportAliases Where ReportID=4)",
     "Insert Into tblKelvoReportAliases(ReportID,ColFormula,ColAlias) Select 9,ColFormula,ColAlias From "
     "tblKelvoReportAliases Where ReportID=4"},
    {"insert into t (Select a from u)", "insert into t Select a from u"},
    {"INSERT INTO t (a, b) VALUES ((select 1), 'insert x (select')",
     "INSERT INTO t (a, b) VALUES ((select 1), 'insert x (select')"},
    // TOP becomes LIMIT at the end of its own select.
    {"Select Distinct top 32000 Name as ColVal From tblX Where Name Is Not NULL Order By Name desc",
     "Select Distinct Name as ColVal From tblX Where Name Is Not NULL Order By Name desc LIMIT 32000"},
    {"SELECT * FROM (SELECT TOP 5 a FROM t ORDER BY a) x WHERE a IN (SELECT TOP (1) b FROM u)",
     "SELECT * FROM (SELECT a FROM t ORDER BY a LIMIT 5) x WHERE a IN (SELECT b FROM u LIMIT 1)"},
    {"SELECT TOP 3 a FROM t -- the first three", "SELECT a FROM t LIMIT 3 -- the first three"},
    {"SELECT TOP 10 PERCENT a FROM t", "SELECT TOP 10 PERCENT a FROM t"},
    // "+" next to a text literal joins texts.
    {"SELECT FirstName + '  ' + SureName AS N FROM tblEmployee",
     "SELECT FirstName || '  ' || SureName AS N FROM tblEmployee"},
    {"SELECT a + b, (a + 1) + 'x', c + 2 FROM t", "SELECT a + b, (a + 1) || 'x', c + 2 FROM t"},
    {"SELECT * FROM t WHERE Name LIKE '%' + ? + '%' AND n + 1 > 2",
     "SELECT * FROM t WHERE Name LIKE '%' || ?1 || '%' AND n + 1 > 2"},
    {"SELECT isnull(a,'') + N'،' + cast(b as nvarchar(10)) FROM t",
     "SELECT ifnull(a,'') COLLATE NOCASE || '،' || cast(b as nvarchar(10)) FROM t"},
    // One schema: "dbo." goes; SQL Server's identity variables.
    {"SELECT * FROM dbo.tblX JOIN [dbo].[tblY] ON 1=1", "SELECT * FROM tblX JOIN \"tblY\" ON 1=1"},
    {"SELECT @@IDENTITY, @@rowcount", "SELECT last_insert_rowid(), changes()"},
    {"SELECT CAST(Notes AS nvarchar(max)), max(ID) FROM t", "SELECT CAST(Notes AS nvarchar(-1)), max(ID) FROM t"},
};

INSTANTIATE_TEST_SUITE_P(Statements, RewriteForSqliteTest, ::testing::ValuesIn(kRewriteCases));

TEST_P(RewriteForSqliteTest, RewritesTokensOnly)
{
    EXPECT_EQ(RewriteForSqlite(QString::fromUtf8(GetParam().input)).toStdString(), GetParam().expected);
}

TEST(RewriteForSqlite, RefusesToDropAConstraintWithAClearMessage)
{
    try {
        RewriteForSqlite("Alter table tblKelvoReportDiagram drop constraint FK_tblKelvoReportDiagram_tblKelvoChartTypeL");
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains("FK_tblKelvoReportDiagram_tblKelvoChartTypeL"));
        EXPECT_TRUE(e.description().contains("tblKelvoReportDiagram"));
        EXPECT_EQ(e.nativeCode(), 3727);
    }
}

// A catalogue with one small table of texts and numbers.
struct DialectCatalogue : ::testing::Test, kelvo::test::StoreCatalogue {
    void SetUp() override
    {
        c.execute("CREATE TABLE tblWord (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name nvarchar(50) COLLATE NOCASE, "
                  "Value nvarchar(10) COLLATE NOCASE, Qty int)");
        c.execute("INSERT INTO tblWord (Name, Value, Qty) VALUES ('GridRowHeight', '1', 3)");
        c.execute("INSERT INTO tblWord (Name, Value, Qty) VALUES (?, '2', 4)", {QString::fromUtf8("گزارش ماهانه")});
        c.execute("INSERT INTO tblWord (Name, Value, Qty) VALUES ('Grid_Row', NULL, NULL)");
    }
    QVariant scalar(const QString& sql, const QVariantList& params = {})
    {
        Recordset rs = c.openRecordset(sql, params);
        return rs.eof() ? QVariant() : rs.value(0);
    }
    QStringList names(const QString& where)
    {
        QStringList out;
        Recordset rs = c.openRecordset("SELECT Name FROM tblWord WHERE " + where + " ORDER BY ID");
        for (; !rs.eof(); rs.moveNext())
            out << rs.text("Name");
        return out;
    }
};

TEST_F(DialectCatalogue, SqlServerFunctionsGiveSqlServerResults)
{
    EXPECT_EQ(scalar("SELECT len('ab  ')").toInt(), 2);
    EXPECT_EQ(scalar("SELECT len('  ab')").toInt(), 4);
    EXPECT_TRUE(scalar("SELECT len(NULL)").isNull());
    EXPECT_EQ(scalar("SELECT len(N'گزارش')").toInt(), 5);
    EXPECT_EQ(scalar("SELECT left('abcdef', 3)").toString(), "abc");
    EXPECT_EQ(scalar("SELECT right('abcdef', 2)").toString(), "ef");
    EXPECT_EQ(scalar("SELECT left(N'گزارش', 2)").toString(), QString::fromUtf8("گز"));
    EXPECT_EQ(scalar("SELECT left('ab', 9)").toString(), "ab");
    EXPECT_TRUE(scalar("SELECT right(NULL, 2)").isNull());
    EXPECT_THROW(scalar("SELECT left('ab', -1)"), DbError);
    EXPECT_EQ(scalar("SELECT NVL(NULL, 'x')").toString(), "x");
    EXPECT_EQ(scalar("SELECT NVL('a', 'x')").toString(), "a");
    EXPECT_EQ(scalar("SELECT isnull(NULL, 5)").toInt(), 5);
    EXPECT_EQ(scalar("SELECT 'a' + N'ب' + 'c'").toString(), QString::fromUtf8("aبc"));

    const QString now = scalar("SELECT getdate()").toString();
    ASSERT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$").match(now).hasMatch()) << now.toStdString();
    const QDateTime parsed = QDateTime::fromString(now, "yyyy-MM-dd HH:mm:ss");
    EXPECT_LT(qAbs(parsed.secsTo(QDateTime::currentDateTime())), 300); // local time, not UTC
}

TEST_F(DialectCatalogue, TextComparesWithoutRegardToCase)
{
    EXPECT_EQ(names("Name = 'gridrowheight'"), QStringList{"GridRowHeight"});
    EXPECT_EQ(names("'GRIDROWHEIGHT' = Name"), QStringList{"GridRowHeight"});
    EXPECT_EQ(names("Name like 'GRIDROWHEIGHT'"), QStringList{"GridRowHeight"});
    EXPECT_EQ(names("Name like 'grid%'"), (QStringList{"GridRowHeight", "Grid_Row"}));
    EXPECT_EQ(names("Name like 'grid_row'"), QStringList{"Grid_Row"});
    EXPECT_EQ(names("Name like 'Grid_owHeight'"), QStringList{"GridRowHeight"});
    EXPECT_EQ(names(QString::fromUtf8("Name like N'%ماهانه'")), QStringList{QString::fromUtf8("گزارش ماهانه")});
    EXPECT_EQ(names(QString::fromUtf8("Name = N'گزارش ماهانه'")), QStringList{QString::fromUtf8("گزارش ماهانه")});
    // A text column against a number, as "Where ID=123 and Value=1" reads it.
    EXPECT_EQ(names("Value=1"), QStringList{"GridRowHeight"});
    EXPECT_EQ(names("ID='2'"), QStringList{QString::fromUtf8("گزارش ماهانه")});
    // Text computed by the SQL Server functions compares the same way.
    EXPECT_EQ(names("left(Name,4) <> 'GRID'"), QStringList{QString::fromUtf8("گزارش ماهانه")});
    EXPECT_EQ(names("isnull(Value,'none') = 'NONE'"), QStringList{"Grid_Row"});
    EXPECT_EQ(names("right(Name, 3) = 'ROW'"), QStringList{"Grid_Row"});
}

TEST_F(DialectCatalogue, SqlServerStatementShapesRun)
{
    c.execute("CREATE TABLE tblCopy (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name nvarchar(50) COLLATE NOCASE, Qty int)");
    c.execute("insert tblCopy (Name, Qty) (Select Name, Qty From tblWord Where Qty Is Not NULL)");
    EXPECT_EQ(scalar("SELECT count(*) FROM tblCopy").toInt(), 2);
    c.execute("Insert Into tblCopy(Name,Qty) (Select Distinct top 1 Name, Qty From tblWord Order By Qty desc)");
    EXPECT_EQ(scalar("Select Name from tblCopy Where ID = 3").toString(), QString::fromUtf8("گزارش ماهانه"));
    const ExecResult deleted = c.execute("Delete tblCopy Where Name like 'grid%'");
    EXPECT_EQ(deleted.rowsAffected, 1);
    EXPECT_TRUE(deleted.lastInsertId.isNull());
    EXPECT_EQ(scalar("Select Distinct top 32000 Qty as ColVal From tblWord Where Qty Is Not NULL Order By Qty desc")
                  .toInt(),
              4);
    EXPECT_EQ(scalar("SELECT isnull(Value,'') + '-' + Name FROM tblWord WHERE ID = 1").toString(), "1-GridRowHeight");
    EXPECT_EQ(scalar("SELECT count(*) FROM tblWord WHERE len(Name)>0 and (Qty=3 or Qty is null)").toInt(), 2);
    // A quote inside a bound value never reaches the statement text.
    c.execute("insert tblCopy (Name) values (?)", {QString::fromUtf8("O'Brien's گزارش")});
    EXPECT_EQ(scalar("SELECT count(*) FROM tblCopy WHERE Name = ?", {QString::fromUtf8("o'brien's گزارش")}).toInt(), 1);
}

TEST_F(DialectCatalogue, DroppingAConstraintFailsAsADatabaseErrorAndLeavesTheConnectionUsable)
{
    c.execute("CREATE TABLE tblKelvoReportDiagram (ReportID int, DiagramTypeID int)");
    Transaction tx(c);
    c.execute("INSERT INTO tblKelvoReportDiagram VALUES (1, 14)");
    EXPECT_THROW(c.execute("Alter table tblKelvoReportDiagram drop constraint FK_tblKelvoReportDiagram_tblKelvoChartTypeL"),
                 DbError);
    c.execute("INSERT INTO tblKelvoReportDiagram VALUES (2, 14)");
    tx.commit();
    EXPECT_EQ(scalar("SELECT count(*) FROM tblKelvoReportDiagram").toInt(), 2);
}

// Bound values keep their meaning whatever the rewrite moves: TOP ? becomes
// a LIMIT at the end of the statement.
TEST_F(DialectCatalogue, TopPlaceholderKeepsItsValue)
{
    Recordset rs = c.openRecordset("Select top ? Name from tblWord where ID > ? order by ID", {1, 1});
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.text("Name"), QString::fromUtf8("گزارش ماهانه"));
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(scalar("Select count(*) from (Select top ? ID from tblWord where Qty is not null and ID >= ?) x", {5, 2})
                  .toInt(),
              1);
}

// A text of several statements runs whole, in one savepoint: all or none.
TEST_F(DialectCatalogue, SeveralStatementsRunAllOrNone)
{
    c.execute("CREATE TABLE t1 (x int); CREATE TABLE t2 (x int)");
    c.execute("insert into t1 values (1); insert into t2 values (2)");
    const ExecResult both = c.execute("Delete from t1; Delete from t2");
    EXPECT_EQ(both.rowsAffected, 2);
    EXPECT_EQ(scalar("select count(*) from t1").toInt() + scalar("select count(*) from t2").toInt(), 0);

    // Each statement binds the values of its own placeholders.
    c.execute("insert into t1 values (?); insert into t2 values (?)", {7, 8});
    EXPECT_EQ(scalar("select x from t1").toInt(), 7);
    EXPECT_EQ(scalar("select x from t2").toInt(), 8);

    EXPECT_THROW(c.execute("delete from t1; insert into nosuch values (1)"), DbError);
    EXPECT_EQ(scalar("select count(*) from t1").toInt(), 1); // the delete was undone

    // Inside an open transaction the batch is undone alone.
    Transaction tx(c);
    c.execute("insert into t2 values (9)");
    EXPECT_THROW(c.execute("delete from t2; select * from nosuch"), DbError);
    tx.commit();
    EXPECT_EQ(scalar("select count(*) from t2").toInt(), 2);

    // A query's rows are those of its last statement that gives rows.
    Recordset rs = c.openRecordset("update t1 set x = 70; select x from t1");
    EXPECT_EQ(rs.value(0).toInt(), 70);
}

TEST_F(DialectCatalogue, DoubleQuotedNamesAreNamesAndBracketsMayHoldClosingBrackets)
{
    EXPECT_THROW(scalar("Select \"NoSuchColumn\" from tblWord"), DbError);
    EXPECT_EQ(scalar("Select \"Name\" from tblWord where ID = 1").toString(), "GridRowHeight");
    c.execute("CREATE TABLE [odd]]name] ([a]]b] int, [say \"hi\"] int)");
    c.execute("insert into [odd]]name] ([a]]b], [say \"hi\"]) values (4, 5)");
    EXPECT_EQ(scalar("select [a]]b] + [say \"hi\"] from [odd]]name]").toInt(), 9);
}

} // namespace
