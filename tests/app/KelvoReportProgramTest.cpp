// The kelvo-report program, run as a separate process as a person would.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/ProgramRun.h"
#include "support/TempCatalogue.h"

using namespace kelvo;

namespace {

using Outcome = test::ProgramOutcome;
using test::ProgramPath;
using test::RunProgram;

struct ProgramTest : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QFileInfo(ProgramPath()).isExecutable()) << "build kelvo-report first: "
                                                              << ProgramPath().toStdString();
    }
    QString embedded(const QString& catalogue) const
    {
        return QStringLiteral("Provider=SQLite;Data Source=") + dir.path() + QStringLiteral(";Initial Catalog=")
               + catalogue;
    }
};

} // namespace

TEST_F(ProgramTest, HelpListsTheSubcommandsAndEachHasItsOwn)
{
    const Outcome top = RunProgram({"--help"});
    EXPECT_EQ(top.exitCode, 0);
    for (const char* command : {"demo", "init-db", "sql"}) {
        EXPECT_TRUE(top.out.contains(QStringLiteral("  ") + command)) << command;
        const Outcome own = RunProgram({command, "--help"});
        EXPECT_EQ(own.exitCode, 0) << command;
        EXPECT_TRUE(own.out.startsWith(QStringLiteral("Usage: kelvo-report ") + command)) << own.out.toStdString();
    }
    EXPECT_NE(RunProgram({"frobnicate"}).exitCode, 0);
    EXPECT_NE(RunProgram({}).exitCode, 0);
}

TEST_F(ProgramTest, SqlPrintsAlignedRowsAndAffectedCounts)
{
    db::CreateCatalogue(dir.path(), "Acc");
    const QString cs = embedded("Acc");
    Outcome o = RunProgram({"sql", "--connection", cs,
                     "CREATE TABLE tblPosition (ID INTEGER PRIMARY KEY, Name NVARCHAR(100), Amount REAL)"});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    o = RunProgram({"sql", "--connection", cs,
             QString::fromUtf8("insert tblPosition (ID, Name, Amount) values (1, N'کارشناس مالی', 12.5)")});
    EXPECT_EQ(o.out, "(1 row affected)\n");
    RunProgram({"sql", "--connection", cs,
         QString::fromUtf8("insert tblPosition (ID, Name, Amount) values (22, N'مدیر''ارشد', NULL)")});
    o = RunProgram({"sql", "--connection", cs, "Update tblPosition Set Amount = Amount * 2"});
    EXPECT_EQ(o.out, "(2 rows affected)\n");

    o = RunProgram({"sql", "--connection", cs, "Select * from tblPosition order by ID"});
    EXPECT_EQ(o.exitCode, 0);
    // Persian letters take one column each; numbers are right-aligned.
    EXPECT_EQ(o.out, QString::fromUtf8("ID | Name         | Amount\n"
                                       "---+--------------+-------\n"
                                       " 1 | کارشناس مالی |     25\n"
                                       "22 | مدیر'ارشد    |   NULL\n"
                                       "(2 rows)\n"));
    o = RunProgram({"sql", "--connection", cs, "Select Name from tblPosition Where ID = 5"});
    EXPECT_EQ(o.out, "Name\n----\n(0 rows)\n");
}

TEST_F(ProgramTest, SqlFailureGivesTheDatabaseMessageAndNonZeroExit)
{
    db::CreateCatalogue(dir.path(), "Acc");
    Outcome o = RunProgram({"sql", "--connection", embedded("Acc"), "Select * from tblMissing"});
    EXPECT_NE(o.exitCode, 0);
    EXPECT_TRUE(o.out.isEmpty());
    EXPECT_TRUE(o.err.contains("tblMissing")) << o.err.toStdString();

    o = RunProgram({"sql", "--connection", embedded("Nowhere"), "Select 1"});
    EXPECT_NE(o.exitCode, 0);
    EXPECT_TRUE(o.err.contains("Nowhere")) << o.err.toStdString();

    EXPECT_EQ(RunProgram({"sql", "Select 1"}).exitCode, 2); // no connection given
}

// Every statement of a text runs, or none does; an unknown double-quoted
// name is an error, not a text; a password never shows in a message.
TEST_F(ProgramTest, SqlRunsEveryStatementOrNone)
{
    db::CreateCatalogue(dir.path(), "Acc");
    const QString cs = embedded("Acc");
    RunProgram({"sql", "--connection", cs, "create table t1 (x int); create table t2 (x int); "
                                           "insert into t1 values (1); insert into t2 values (2)"});
    Outcome o = RunProgram({"sql", "--connection", cs, "Delete from t1; Delete from t2"});
    EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();
    EXPECT_EQ(o.out, "(2 rows affected)\n");
    o = RunProgram({"sql", "--connection", cs, "insert into t1 values (5); Delete from tblMissing"});
    EXPECT_NE(o.exitCode, 0);
    EXPECT_TRUE(o.err.contains("tblMissing")) << o.err.toStdString();
    EXPECT_EQ(RunProgram({"sql", "--connection", cs, "select count(*) as n from t1"}).out, "n\n-\n0\n(1 row)\n");

    o = RunProgram({"sql", "--connection", cs, "Select \"NoSuchColumn\" from t1"});
    EXPECT_NE(o.exitCode, 0);
    EXPECT_TRUE(o.err.contains("NoSuchColumn")) << o.err.toStdString();

    o = RunProgram({"sql", "--connection", cs + ";Password=\"se\"cret", "Select 1"});
    EXPECT_NE(o.exitCode, 0);
    EXPECT_TRUE(o.err.contains("Password")) << o.err.toStdString();
    EXPECT_FALSE(o.err.contains("cret")) << o.err.toStdString();
}

TEST_F(ProgramTest, InitDbCreatesTheRepositoryOnlyOnTheEmbeddedStore)
{
    Outcome o = RunProgram({"init-db", "--connection", embedded("Repo")});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    db::Connection repo(embedded("Repo"));
    EXPECT_NO_THROW(repo.openRecordset("Select * from tblKelvoReport"));
    EXPECT_NO_THROW(repo.openRecordset("Select * from tblKelvoSystemParameters"));

    o = RunProgram({"init-db", "--connection", embedded("Repo")});
    EXPECT_NE(o.exitCode, 0); // exists already
    EXPECT_FALSE(o.err.isEmpty());

    o = RunProgram({"init-db", "--connection", "Provider=SQLOLEDB.1;Data Source=srv;Initial Catalog=Acc;User ID=sa"});
    EXPECT_NE(o.exitCode, 0);
    EXPECT_TRUE(o.err.contains("schema/sqlserver/repository.sql")) << o.err.toStdString();
    EXPECT_NE(RunProgram({"init-db", "--connection", "Provider=MSDAORA.1;Data Source=orcl"}).exitCode, 0);
}

TEST_F(ProgramTest, DemoPrintsAConnectionStringThatOpensTheCatalogue)
{
    const QString folder = dir.filePath("demo");
    for (int round = 0; round < 2; ++round) { // the second run refreshes it
        const Outcome o = RunProgram({"demo", folder});
        ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
        const QString connectionString = o.out.section(u'\n', 0, 0);
        EXPECT_TRUE(connectionString.contains(folder)) << connectionString.toStdString();
        EXPECT_FALSE(o.out.section(u'\n', 1).trimmed().isEmpty()); // the summary
        db::Connection demo(connectionString);
        db::Recordset rs = demo.openRecordset("Select count(*) from tblKelvoReport");
        EXPECT_GT(rs.value(0).toInt(), 0);
    }
}

TEST_F(ProgramTest, DemoDefaultsToAFolderUnderTheHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", dir.path());
    environment.remove("XDG_DATA_HOME");
    const Outcome o = RunProgram({"demo"}, environment);
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    const QString folder = dir.filePath(".local/share/kelvo-report/demo");
    EXPECT_TRUE(o.out.section(u'\n', 0, 0).contains(folder)) << o.out.toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(ProgramTest, RunWritesAReportsRowsAndRefusesWhatItCannotRun)
{
    test::TempCatalogue demo = test::TempCatalogue::demo();
    const QString cs = demo.connectionString();
    const QString csv = dir.filePath("employees.csv");
    Outcome o = RunProgram({"run", "--connection", cs, "--report", "4", "--param", "DepartmentID=2", "--format",
                            "csv", "--output", csv});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    const int employees = test::Scalar(demo.connection(), "select count(*) from tblEmployee where DepartmentID = 2").toInt();
    EXPECT_EQ(lines.size() - 2, employees);
    EXPECT_TRUE(lines.first().startsWith("\xEF\xBB\xBF"));

    const QString workbook = dir.filePath("invoices.xlsx");
    o = RunProgram({"run", "--connection", cs, "--report", "2", "--format", "xlsx", "--output", workbook});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    QFile xlsx(workbook);
    ASSERT_TRUE(xlsx.open(QIODevice::ReadOnly));
    EXPECT_TRUE(xlsx.read(2) == "PK"); // a zip, as every workbook is

    const QString pdf = dir.filePath("invoices.pdf");
    o = RunProgram({"run", "--connection", cs, "--report", "2", "--format", "pdf", "--output", pdf});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    QFile document(pdf);
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    EXPECT_TRUE(document.read(4) == "%PDF");

    struct Refusal {
        QStringList arguments;
        int exitCode;
        const char* says;
    };
    const Refusal refusals[] = {
        {{"--report", "4"}, 2, "واحد سازماني"},                               // a shown parameter without a value
        {{"--report", "4", "--param", "DepartmentID=two"}, 2, "عدد"},         // not a number
        {{"--report", "4", "--param", "Nope=1"}, 2, "Nope"},                  // no such parameter
        {{"--report", "4", "--param", "DepartmentID"}, 2, "NAME=VALUE"},      // malformed
        {{"--report", "999"}, 1, "999"},                                      // no such report
        {{"--report", "1", "--format", "odt"}, 2, "odt"},                     // unknown format
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.arguments.join(' ').toStdString());
        o = RunProgram(QStringList{"run", "--connection", cs, "--output", dir.filePath("x.csv")} + r.arguments);
        EXPECT_EQ(o.exitCode, r.exitCode) << o.err.toStdString();
        EXPECT_TRUE(o.err.contains(QString::fromUtf8(r.says))) << o.err.toStdString();
    }
    EXPECT_TRUE(RunProgram({"run", "--help"}).out.contains("--param"));
}
