// The ODBC backend for real: unixODBC with the SQLite ODBC driver
// ("SQLite3" in odbcinst), reached through the generic provider.
#include "platform/db/Connection.h"
#include "platform/db/RowStream.h"
#include "platform/db/DbError.h"
#include "platform/db/odbc/OdbcBackend.h"
#include "platform/db/odbc/OdbcStatement.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace kelvo::db;

namespace {

const QString kPersian = QString::fromUtf8("گزارش «فروش» ماهانهٔ مشتریان");

struct SqliteOdbc : ::testing::Test {
    QTemporaryDir dir;
    QString connectionString;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        connectionString = "Provider=MSDASQL;Driver=SQLite3;Database=" + dir.filePath("odbc.db");
    }

    // A table of four names: one text, one empty text, one NULL, one Persian.
    void fillNames(Connection& c)
    {
        c.execute("CREATE TABLE Names (ID INTEGER PRIMARY KEY, Name VARCHAR(200))");
        c.execute("INSERT INTO Names (ID, Name) VALUES (?, ?)", {1, QString("Ali")});
        c.execute("INSERT INTO Names (ID, Name) VALUES (?, ?)", {2, QString("")});
        c.execute("INSERT INTO Names (ID, Name) VALUES (?, ?)", {3, QVariant()});
        c.execute("INSERT INTO Names (ID, Name) VALUES (?, ?)", {4, kPersian});
    }

    int count(Connection& c, const QString& table)
    {
        Recordset rs = c.openRecordset("SELECT COUNT(*) AS n FROM " + table);
        return rs.value("n").toInt();
    }
};

} // namespace

TEST_F(SqliteOdbc, RecordsetKeepsNullApartFromEmptyTextAndPersianIntact)
{
    Connection c(connectionString);
    fillNames(c);

    Recordset rs = c.openRecordset("SELECT ID, Name FROM Names ORDER BY ID");
    ASSERT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(rs.columns(), QStringList({"ID", "Name"}));
    EXPECT_EQ(rs.value("id").toInt(), 1);
    EXPECT_EQ(rs.text("NAME"), "Ali");
    rs.moveNext();
    EXPECT_FALSE(rs.isNull("Name")) << "an empty text must not read back as NULL";
    EXPECT_EQ(rs.text("Name"), "");
    rs.moveNext();
    EXPECT_TRUE(rs.isNull("Name"));
    EXPECT_FALSE(rs.value("Name").isValid()) << "a NULL is a null QVariant without a type";
    rs.moveNext();
    EXPECT_EQ(rs.text("Name"), kPersian);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());

    // The Persian text also matches as a bound value and as a literal.
    Recordset bound = c.openRecordset("SELECT ID FROM Names WHERE Name = ?", {kPersian});
    ASSERT_FALSE(bound.eof());
    EXPECT_EQ(bound.value(0).toInt(), 4);
    Recordset literal = c.openRecordset("SELECT ID FROM Names WHERE Name = '" + kPersian + "'");
    ASSERT_FALSE(literal.eof());
    EXPECT_EQ(literal.value(0).toInt(), 4);
}

TEST_F(SqliteOdbc, ForwardCursorStreamsRowsAndOutlivesItsConnection)
{
    Connection c(connectionString);
    c.execute("CREATE TABLE n (v INTEGER)");
    {
        Transaction t(c);
        for (int i = 1; i <= 50; ++i)
            c.execute("INSERT INTO n (v) VALUES (?)", {i});
        t.commit();
    }
    const ExecResult changed = c.execute("UPDATE n SET v = v + 1000 WHERE v > ?", {40});
    EXPECT_EQ(changed.rowsAffected, 10);

    Recordset rs = c.openRecordset("SELECT v FROM n ORDER BY v", {}, CursorType::ForwardOnly);
    EXPECT_EQ(rs.recordCount(), -1);
    EXPECT_EQ(rs.value(0).toInt(), 1);
    rs.moveNext();
    // Closing the connection while the recordset is open must not break it.
    c.close();
    qlonglong sum = 0;
    int rows = 1;
    while (!rs.eof()) {
        sum += rs.value("v").toLongLong();
        ++rows;
        rs.moveNext();
    }
    EXPECT_EQ(rows, 50);
    EXPECT_EQ(sum, (50 * 51 / 2 - 1) + 10 * 1000);
}

TEST_F(SqliteOdbc, TransactionRollsBackAndCommits)
{
    Connection c(connectionString);
    fillNames(c);
    {
        Transaction t(c);
        c.execute("DELETE FROM Names WHERE ID > ?", {1});
        c.execute("INSERT INTO Names (ID, Name) VALUES (?, ?)", {9, QString("x")});
        EXPECT_EQ(count(c, "Names"), 2);
        // no commit: the guard rolls back
    }
    EXPECT_EQ(count(c, "Names"), 4);
    EXPECT_FALSE(c.inTransaction());

    {
        Transaction t(c);
        c.execute("DELETE FROM Names WHERE ID = ?", {2});
        t.commit();
    }
    EXPECT_EQ(count(c, "Names"), 3);

    // A second connection sees only committed rows.
    Connection other(connectionString);
    EXPECT_EQ(count(other, "Names"), 3);

    // No nesting: an inner commit would end the outer transaction early.
    Transaction outer(c);
    EXPECT_THROW(c.beginTransaction(), DbError);
    c.execute("DELETE FROM Names", {});
    outer.commit();
    EXPECT_EQ(count(other, "Names"), 0);
    EXPECT_THROW(c.commit(), DbError);
}

TEST_F(SqliteOdbc, FailedStatementCarriesDriverMessageAndStatement)
{
    Connection c(connectionString);
    fillNames(c);
    const QString sql = "SELECT Nope FROM Missing WHERE ID = ?";
    try {
        c.openRecordset(sql, {1});
        FAIL() << "a query on a missing table must fail";
    } catch (const DbError& e) {
        EXPECT_EQ(e.statement(), sql);
        ASSERT_FALSE(e.errors().isEmpty());
        EXPECT_TRUE(e.description().contains("no such table", Qt::CaseInsensitive)) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains("Missing")) << e.description().toStdString();
        EXPECT_NE(e.nativeCode(), 0);
        EXPECT_FALSE(e.errors().first().sqlState.isEmpty());
    }

    // A constraint failure while executing, and the connection still works after it.
    const QString insert = "INSERT INTO Names (ID, Name) VALUES (?, ?)";
    try {
        c.execute(insert, {1, QString("again")});
        FAIL() << "a duplicate key must fail";
    } catch (const DbError& e) {
        EXPECT_EQ(e.statement(), insert);
        EXPECT_TRUE(e.fullText().contains("UNIQUE", Qt::CaseInsensitive)) << e.fullText().toStdString();
    }
    EXPECT_EQ(count(c, "Names"), 4);
}

TEST_F(SqliteOdbc, UnknownDriverFailsWithClearMessage)
{
    Connection c("Provider=MSDASQL;Driver=NoSuchOdbcDriver;Database=" + dir.filePath("x.db"));
    try {
        c.open();
        FAIL() << "an unknown ODBC driver must not open";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains("\"NoSuchOdbcDriver\"")) << e.description().toStdString();
        // The driver manager's own explanation follows.
        EXPECT_TRUE(e.description().contains("unixODBC")) << e.description().toStdString();
    }
    EXPECT_FALSE(c.isOpen());
}

TEST_F(SqliteOdbc, IntegratedLoginFailureExplainsItself)
{
    // No SQL Server listens on this port: the login fails, and the message
    // explains that integrated security is not available here.
    Connection c("Provider=SQLOLEDB.1;Integrated Security=SSPI;Initial Catalog=Acc;Data Source=127.0.0.1,9;"
                 "Connect Timeout=2");
    try {
        c.open();
        FAIL() << "no server answers here";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().startsWith("Cannot connect through the ODBC driver \"FreeTDS\"")) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains("Integrated Security")) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains("User ID and Password")) << e.description().toStdString();
        // The driver's records are listed one by one, each with its own tags.
        ASSERT_GE(e.errors().size(), 2) << e.fullText().toStdString();
        for (qsizetype i = 1; i < e.errors().size(); ++i) {
            EXPECT_TRUE(e.errors()[i].description.startsWith("[FreeTDS]")) << e.fullText().toStdString();
            EXPECT_NE(e.errors()[i].description, e.errors()[i - 1].description);
        }
    }
}

TEST_F(SqliteOdbc, CancelStopsRunningStatement)
{
    // The connection is opened and used on one thread (as Qt requires); the
    // cancel comes from another. Cancelling before the statement runs does
    // nothing, so it is repeated until the statement has ended.
    std::atomic<Connection*> running{nullptr};
    std::atomic<bool> finished{false};
    std::atomic<bool> released{false};
    QString outcome;
    std::thread worker([&] {
        Connection c(connectionString);
        c.open();
        running = &c;
        try {
            c.openRecordset("WITH RECURSIVE k(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM k WHERE x < 5000000000) "
                            "SELECT COUNT(*) FROM k");
            outcome = "completed";
        } catch (const CancelledError& e) {
            outcome = "cancelled: " + e.statement();
        } catch (const DbError& e) {
            outcome = "failed: " + e.description();
        }
        finished = true;
        while (!released)
            std::this_thread::yield();
    });
    while (!finished) {
        if (Connection* c = running.load())
            c->cancel();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    released = true;
    worker.join();
    EXPECT_TRUE(outcome.startsWith("cancelled: WITH RECURSIVE")) << outcome.toStdString();

    // The next statement on a new connection runs normally.
    Connection c(connectionString);
    Recordset rs = c.openRecordset("SELECT 1 + 1 AS two");
    EXPECT_EQ(rs.value("two").toInt(), 2);
}

TEST_F(SqliteOdbc, ProcedureCallIsSentAsOdbcCallWithEveryParameterInOrder)
{
    // The SQLite driver has no stored procedures: the call fails, and the
    // failure shows the call as it went to the driver.
    Connection c(connectionString);
    std::vector<ProcedureParameter> params{{"@PVCaption", kPersian, ParameterDirection::Input},
                                           {"@EngCaption", QString("Sales"), ParameterDirection::Input},
                                           {"@ID", QVariant(0), ParameterDirection::Output}};
    try {
        c.callProcedure("spKelvoAddCaption", params);
        FAIL() << "the SQLite driver runs no procedure";
    } catch (const DbError& e) {
        EXPECT_EQ(e.statement(), "{? = call spKelvoAddCaption(?, ?, ?)}");
        EXPECT_FALSE(e.description().isEmpty());
    }
}

// OdbcStatement binds the procedure call's parameters in buffers of its own;
// its binding and reading are checked here on a plain statement.
TEST_F(SqliteOdbc, DirectStatementBindsAndReadsValues)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QODBC", "direct-statement");
    {
        db.setDatabaseName("Driver=SQLite3;Database=" + dir.filePath("direct.db"));
        ASSERT_TRUE(db.open());
        void* dbc = *static_cast<void* const*>(db.driver()->handle().constData());

        OdbcStatement setup(dbc);
        setup.execute("CREATE TABLE t (ID INTEGER, Name VARCHAR(100), Amount DOUBLE)", {});
        for (int i = 1; i <= 3; ++i) {
            OdbcStatement insert(dbc);
            insert.execute("INSERT INTO t VALUES (?, ?, ?)",
                           {{i, ParameterDirection::Input},
                            {i == 2 ? QVariant() : QVariant(kPersian + QString::number(i)), ParameterDirection::Input},
                            {i * 1.5, ParameterDirection::Input}});
        }

        OdbcStatement select(dbc);
        select.execute("SELECT ID, Name, Amount, '' AS Blank FROM t WHERE ID >= ? ORDER BY ID",
                       {{qlonglong(2), ParameterDirection::Input}});
        ASSERT_TRUE(select.nextRowSet());
        EXPECT_EQ(select.columns(), QStringList({"ID", "Name", "Amount", "Blank"}));
        QVariantList row;
        ASSERT_TRUE(select.fetch(row));
        EXPECT_EQ(row[0].toInt(), 2);
        EXPECT_TRUE(row[1].isNull());
        EXPECT_DOUBLE_EQ(row[2].toDouble(), 3.0);
        EXPECT_FALSE(row[3].isNull());
        EXPECT_EQ(row[3].toString(), "");
        ASSERT_TRUE(select.fetch(row));
        EXPECT_EQ(row[1].toString(), kPersian + "3");
        EXPECT_FALSE(select.fetch(row));
        EXPECT_FALSE(select.nextRowSet());

        OdbcStatement bad(dbc);
        try {
            bad.execute("SELECT * FROM Missing", {});
            FAIL() << "a missing table must fail";
        } catch (const DbError& e) {
            EXPECT_EQ(e.statement(), "SELECT * FROM Missing");
            EXPECT_TRUE(e.description().contains("no such table")) << e.description().toStdString();
        }
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("direct-statement");
}

// The row stream reaches a server through ODBC as well: a cancel stops a
// long statement while the driver is still executing it (this driver reads
// the whole result before the first row comes).
TEST_F(SqliteOdbc, RowStreamCancelStopsAStatementThroughOdbc)
{
    Connection like(connectionString);
    like.execute("CREATE TABLE t (x INTEGER)"); // makes the file
    RowStream stream(like, "WITH RECURSIVE k(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM k WHERE x < 5000000000) "
                           "SELECT x FROM k");
    bool cancelled = false;
    QString other;
    QEventLoop loop;
    QObject::connect(&stream, &RowStream::cancelled, [&](qint64) {
        cancelled = true;
        loop.quit();
    });
    QObject::connect(&stream, &RowStream::failed, [&](const DbError& e) {
        other = e.fullText();
        loop.quit();
    });
    QObject::connect(&stream, &RowStream::finished, [&](qint64 n) {
        other = QString("finished after %1 rows").arg(n);
        loop.quit();
    });
    QTimer::singleShot(300, &stream, &RowStream::cancel);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    stream.start();
    loop.exec();
    EXPECT_TRUE(cancelled) << other.toStdString();
    EXPECT_LT(clock.elapsed(), 10000);
}
