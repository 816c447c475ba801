#include "platform/db/BackgroundQuery.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace kelvo::db;

namespace {

// Counts far enough to run for many seconds unless it is stopped.
const char* kEndless = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000000000) "
                       "SELECT count(*) FROM n";

struct BackgroundQueryTest : ::testing::Test {
    QTemporaryDir dir;
    Connection connection;
    void SetUp() override
    {
        CreateCatalogue(dir.path(), "Acc");
        connection.setConnectionString("Provider=SQLite;Data Source=" + dir.path() + ";Initial Catalog=Acc");
        connection.execute("CREATE TABLE t (n INTEGER)");
        connection.execute("INSERT INTO t VALUES (7)");
    }
};

} // namespace

TEST_F(BackgroundQueryTest, DeliversRowsFromItsOwnConnection)
{
    BackgroundQuery query(connection, "SELECT n FROM t WHERE n = ?", {7});
    Recordset rs = query.result();
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value("n").toInt(), 7);
}

TEST_F(BackgroundQueryTest, CancelStopsARunningStatementAndLeavesTheCallerFree)
{
    BackgroundQuery query(connection, kEndless);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_FALSE(query.isFinished());
    const auto start = std::chrono::steady_clock::now();
    query.cancel();
    EXPECT_THROW(query.result(), CancelledError);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    // The caller's own connection is untouched and still works.
    EXPECT_EQ(connection.openRecordset("SELECT n FROM t").recordCount(), 1);
}

TEST_F(BackgroundQueryTest, ErrorsReachTheCaller)
{
    BackgroundQuery query(connection, "SELECT * FROM tblMissing");
    EXPECT_THROW(query.result(), DbError);
}
