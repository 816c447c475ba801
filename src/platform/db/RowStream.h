#pragma once

#include "platform/db/Backend.h"
#include "platform/db/DbError.h"
#include "platform/db/RowBatch.h"

#include <QMutex>
#include <QObject>
#include <QVariantList>

#include <atomic>
#include <memory>
#include <thread>

namespace kelvo::db {

class Connection;

// Rows a statement delivers, read batch by batch on the calling thread. A
// cancel (from any thread) is checked before every batch as well as sent to
// the running statement, so one that arrives between two fetches is not
// lost: the next call then throws CancelledError. A procedure's result sets
// are read in turn.
class RowReader {
public:
    static constexpr qsizetype kBatchRows = 4096;

    // Runs the statement on the connection; throws DbError when it fails.
    RowReader(Connection& connection, const QString& sql, const QVariantList& params = {});
    ~RowReader();
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    const QStringList& columns() const;
    QList<ColumnType> columnTypes() const;
    // Fills batch (emptied first) with up to maxRows rows of the current
    // result set; false when none was left.
    bool next(RowBatch& batch, qsizetype maxRows = kBatchRows);
    // Moves to the procedure's next result set; false when there is none.
    bool nextResultSet();
    qint64 rowsRead() const { return m_rows; }

    void cancel();
    bool isCancelled() const { return m_cancelled.load(); }

private:
    void throwIfCancelled();

    Connection& m_connection;
    QString m_sql;
    std::unique_ptr<Cursor> m_cursor;
    std::atomic<bool> m_cancelled{false};
    qint64 m_rows = 0;
};

// A statement run on a worker thread over a connection of its own (the
// provider and connection string of the one given), its rows delivered to
// the owner's thread batch by batch by queued signals, so that a window
// stays responsive and shows the first rows while the rest arrive.
// Destroying the stream cancels the statement and waits for the worker: no
// thread or connection is left behind.
class RowStream final : public QObject {
    Q_OBJECT
public:
    RowStream(const Connection& like, QString sql, QVariantList params = {}, QObject* parent = nullptr);
    ~RowStream() override;

    // Starts the worker; the signals follow.
    void start();
    // Stops the statement; cancelled() follows. Callable from any thread.
    void cancel();
    bool isRunning() const { return m_running; }

Q_SIGNALS:
    // A result set begins (the first is number 0).
    void resultSetStarted(int resultSet, const QStringList& columns, const QList<kelvo::db::ColumnType>& types);
    // Rows of the current result set; rowsSoFar counts every set's rows.
    void batchReady(std::shared_ptr<const kelvo::db::RowBatch> batch, qint64 rowsSoFar);
    void finished(qint64 rows);
    void failed(const kelvo::db::DbError& error);
    void cancelled(qint64 rowsSoFar);

private:
    void work(QString provider, QString connectionString, QString sql, QVariantList params);

    // What the worker and a cancel from any thread share: the worker's
    // connection while it runs the statement, then its reader.
    struct Shared {
        QMutex mutex;
        bool cancelRequested = false;
        Connection* connection = nullptr;
        RowReader* reader = nullptr;
    };
    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
    QString m_provider, m_connectionString, m_sql;
    QVariantList m_params;
    std::thread m_worker;
    bool m_running = false;
};

} // namespace kelvo::db

Q_DECLARE_METATYPE(std::shared_ptr<const kelvo::db::RowBatch>)
Q_DECLARE_METATYPE(kelvo::db::DbError)
