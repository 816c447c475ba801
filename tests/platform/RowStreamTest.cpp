// Rows read batch by batch, on the calling thread and on a worker thread,
// from a real catalogue of the embedded store.
#include "platform/db/Connection.h"
#include "platform/db/RowStream.h"
#include "support/QStringPrinter.h"
#include "support/StoreCatalogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kelvo::db;

namespace {

// Counts far enough to run for many seconds unless it is stopped.
const char* kEndless = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000000000) "
                       "SELECT i FROM n";

struct RowStreamTest : ::testing::Test, kelvo::test::StoreCatalogue {
    void SetUp() override
    {
        c.execute("CREATE TABLE t (ID INTEGER PRIMARY KEY, Name nvarchar(20), Amount money, Made datetime)");
        c.execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
                  "INSERT INTO t SELECT i, 'نام ' || i, i * 1.5, '2024-01-01' FROM n");
        c.execute("INSERT INTO t VALUES (10001, NULL, NULL, NULL)");
        c.execute("INSERT INTO t VALUES (10002, '', 0, NULL)");
    }

    // Runs the event loop until the stream has ended (at most ten seconds).
    static void waitFor(RowStream& stream)
    {
        QEventLoop loop;
        QObject::connect(&stream, &RowStream::finished, &loop, &QEventLoop::quit);
        QObject::connect(&stream, &RowStream::failed, &loop, &QEventLoop::quit);
        QObject::connect(&stream, &RowStream::cancelled, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

} // namespace

TEST_F(RowStreamTest, BatchesHoldTypedCellsAndTheirColumns)
{
    RowReader reader(c, "Select ID, Name, Amount, Made from t where ID > ? order by ID", {9990});
    EXPECT_EQ(reader.columns(), (QStringList{"ID", "Name", "Amount", "Made"}));
    EXPECT_EQ(reader.columnTypes(),
              (QList<ColumnType>{ColumnType::Integer, ColumnType::Text, ColumnType::Real, ColumnType::Date}));
    RowBatch batch;
    ASSERT_TRUE(reader.next(batch, 5));
    EXPECT_EQ(batch.rowCount(), 5);
    EXPECT_EQ(batch.kind(0, 0), CellKind::Integer);
    EXPECT_EQ(batch.integer(0, 0), 9991);
    EXPECT_EQ(batch.text(0, 1), "نام 9991");
    EXPECT_EQ(batch.real(0, 2), 9991 * 1.5);
    EXPECT_EQ(batch.text(0, 3), "2024-01-01");
    ASSERT_TRUE(reader.next(batch));
    ASSERT_EQ(batch.rowCount(), 7);
    // NULL stays apart from an empty text.
    EXPECT_EQ(batch.kind(5, 1), CellKind::Null);
    EXPECT_TRUE(batch.value(5, 1).isNull());
    EXPECT_EQ(batch.kind(6, 1), CellKind::Text);
    EXPECT_FALSE(batch.value(6, 1).isNull());
    EXPECT_EQ(batch.text(6, 2), "0");
    EXPECT_FALSE(reader.next(batch));
    EXPECT_EQ(reader.rowsRead(), 12);
}

TEST_F(RowStreamTest, ACancelBetweenTwoBatchesIsNotLost)
{
    RowReader reader(c, "Select * from t");
    RowBatch batch;
    ASSERT_TRUE(reader.next(batch, 10));
    reader.cancel(); // nothing is running at this moment
    EXPECT_THROW(reader.next(batch), CancelledError);
    // The connection goes on.
    EXPECT_EQ(c.openRecordset("select count(*) from t").value(0).toInt(), 10002);
}

TEST_F(RowStreamTest, ACursorKeepsItsBackendAliveAfterTheConnectionCloses)
{
    std::unique_ptr<Cursor> cursor = c.openCursor("Select ID from t order by ID");
    c.close();
    RowBatch batch(1);
    ASSERT_TRUE(cursor->fetchBatch(batch, 3));
    EXPECT_EQ(batch.integer(2, 0), 3);
}

TEST_F(RowStreamTest, AWorkerDeliversEveryRowInBatchesToTheOwnersThread)
{
    RowStream stream(c, "Select ID, Name from t order by ID");
    QStringList columns;
    qint64 rows = 0, finishedWith = -1, firstID = 0;
    int batches = 0;
    bool onOwnerThread = true;
    QObject::connect(&stream, &RowStream::resultSetStarted,
                     [&](int, const QStringList& names, const QList<ColumnType>&) { columns = names; });
    QObject::connect(&stream, &RowStream::batchReady, [&](std::shared_ptr<const RowBatch> batch, qint64 soFar) {
        onOwnerThread = onOwnerThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        if (batches++ == 0)
            firstID = batch->integer(0, 0);
        rows += batch->rowCount();
        EXPECT_EQ(soFar, rows);
    });
    QObject::connect(&stream, &RowStream::finished, [&](qint64 n) { finishedWith = n; });
    stream.start();
    waitFor(stream);
    EXPECT_EQ(columns, (QStringList{"ID", "Name"}));
    EXPECT_EQ(rows, 10002);
    EXPECT_EQ(finishedWith, 10002);
    EXPECT_EQ(firstID, 1);
    EXPECT_GE(batches, 3);
    EXPECT_TRUE(onOwnerThread);
    EXPECT_FALSE(stream.isRunning());
}

TEST_F(RowStreamTest, CancelStopsALongStatementAndAFailureIsReported)
{
    {
        RowStream stream(c, kEndless);
        qint64 cancelledAt = -1;
        QObject::connect(&stream, &RowStream::batchReady, [&](std::shared_ptr<const RowBatch>, qint64 soFar) {
            if (soFar >= 3 * RowReader::kBatchRows)
                stream.cancel();
        });
        QObject::connect(&stream, &RowStream::cancelled, [&](qint64 n) { cancelledAt = n; });
        QElapsedTimer timer;
        timer.start();
        stream.start();
        waitFor(stream);
        EXPECT_GE(cancelledAt, 3 * RowReader::kBatchRows);
        EXPECT_LT(timer.elapsed(), 5000);
    }
    {
        RowStream stream(c, "Select * from tblMissing");
        QString message;
        QObject::connect(&stream, &RowStream::failed, [&](const DbError& e) { message = e.description(); });
        stream.start();
        waitFor(stream);
        EXPECT_TRUE(message.contains("tblMissing")) << message.toStdString();
    }
}

TEST_F(RowStreamTest, DestroyingARunningStreamStopsItsWorker)
{
    QElapsedTimer timer;
    timer.start();
    {
        RowStream stream(c, kEndless);
        stream.start();
        QThread::msleep(50);
    } // cancels and joins
    EXPECT_LT(timer.elapsed(), 5000);
}
