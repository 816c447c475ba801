// Sharing an embedded catalogue: two processes writing at once, and a long
// statement cancelled from another thread.
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace kelvo::db;

namespace {

constexpr int kRowsPerWriter = 300;
const char* kFolderVariable = "KELVO_EMBEDDED_WRITER_FOLDER";
const char* kTagVariable = "KELVO_EMBEDDED_WRITER_TAG";

QString connectionStringFor(const QString& folder)
{
    return "Provider=SQLite;Data Source=" + folder + ";Initial Catalog=Shared";
}

} // namespace

// The writer half of the two-process test: runs only when the test program
// is started again by EmbeddedSharing.TwoProcessesWriteOneCatalogue.
TEST(EmbeddedSharingWriter, InsertsRowsInShortTransactions)
{
    const QString folder = qEnvironmentVariable(kFolderVariable);
    const QString tag = qEnvironmentVariable(kTagVariable);
    if (folder.isEmpty())
        GTEST_SKIP() << "started by EmbeddedSharing.TwoProcessesWriteOneCatalogue";
    Connection c(connectionStringFor(folder));
    for (int i = 0; i < kRowsPerWriter; ++i) {
        Transaction tx(c);
        c.execute("insert tblLog (Writer, N) values (?, ?)", {tag, i});
        c.openRecordset("SELECT count(*) FROM tblLog WHERE Writer = ?", {tag});
        tx.commit();
    }
}

TEST(EmbeddedSharing, TwoProcessesWriteOneCatalogue)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CreateCatalogue(dir.path(), "Shared");
    {
        Connection c(connectionStringFor(dir.path()));
        c.execute("CREATE TABLE tblLog (ID INTEGER PRIMARY KEY AUTOINCREMENT, Writer nvarchar(10), N int)");
    }
    QProcess writers[2];
    const char* tags[2] = {"A", "B"};
    for (int w = 0; w < 2; ++w) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kFolderVariable, dir.path());
        env.insert(kTagVariable, tags[w]);
        writers[w].setProcessEnvironment(env);
        writers[w].setProcessChannelMode(QProcess::MergedChannels);
        writers[w].start(QCoreApplication::applicationFilePath(),
                         {"--gtest_filter=EmbeddedSharingWriter.InsertsRowsInShortTransactions"});
    }
    for (QProcess& p : writers) {
        ASSERT_TRUE(p.waitForFinished(120000)) << p.readAll().toStdString();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0) << p.readAll().toStdString();
    }
    Connection c(connectionStringFor(dir.path()));
    Recordset rs = c.openRecordset("SELECT Writer, count(*) AS Rows, count(DISTINCT N) AS Distinct_N FROM tblLog "
                                   "GROUP BY Writer ORDER BY Writer");
    ASSERT_EQ(rs.recordCount(), 2);
    for (const char* tag : tags) {
        EXPECT_EQ(rs.text("Writer"), tag);
        EXPECT_EQ(rs.value("Rows").toInt(), kRowsPerWriter);
        EXPECT_EQ(rs.value("Distinct_N").toInt(), kRowsPerWriter);
        rs.moveNext();
    }
}

TEST(EmbeddedCancel, CancelStopsALongStatementAndTheConnectionGoesOn)
{
    QTemporaryDir dir;
    CreateCatalogue(dir.path(), "Acc");
    Connection c("Provider=SQLite;Data Source=" + dir.path() + ";Initial Catalog=Acc");
    c.execute("CREATE TABLE t (n int)");
    c.execute("INSERT INTO t VALUES (1)");

    std::atomic<bool> started = false;
    std::atomic<bool> finished = false;
    bool cancelled = false;
    std::thread worker([&] {
        started = true;
        try {
            c.openRecordset("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000000000) "
                            "SELECT count(*) FROM n");
        } catch (const CancelledError&) {
            cancelled = true;
        } catch (...) {
        }
        finished = true;
    });
    while (!started)
        std::this_thread::yield();
    // A cancel that arrives before the statement runs has no effect, so keep
    // asking until the worker has stopped.
    while (!finished) {
        c.cancel();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    worker.join();
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(c.openRecordset("SELECT count(*) FROM t").value(0).toInt(), 1);
    c.execute("INSERT INTO t VALUES (2)");
    EXPECT_EQ(c.openRecordset("SELECT sum(n) FROM t").value(0).toInt(), 3);
}
