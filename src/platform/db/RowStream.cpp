#include "platform/db/RowStream.h"

#include "platform/db/Connection.h"

#include <QMetaObject>
#include <QPointer>

namespace kelvo::db {

RowReader::RowReader(Connection& connection, const QString& sql, const QVariantList& params)
    : m_connection(connection), m_sql(sql), m_cursor(connection.openCursor(sql, params))
{
}

RowReader::~RowReader() = default;

const QStringList& RowReader::columns() const
{
    static const QStringList none;
    return m_cursor ? m_cursor->columns() : none;
}

QList<ColumnType> RowReader::columnTypes() const
{
    return m_cursor ? m_cursor->columnTypes() : QList<ColumnType>();
}

void RowReader::throwIfCancelled()
{
    if (!m_cancelled.load())
        return;
    // The statement ends here, so that the connection takes the next one.
    m_cursor.reset();
    throw CancelledError(m_sql);
}

bool RowReader::next(RowBatch& batch, qsizetype maxRows)
{
    throwIfCancelled();
    batch.reset(int(columns().size()));
    if (batch.columnCount() == 0)
        return false;
    batch.reserve(maxRows);
    const bool any = m_cursor->fetchBatch(batch, maxRows);
    batch.shrink();
    m_rows += batch.rowCount();
    return any;
}

bool RowReader::nextResultSet()
{
    throwIfCancelled();
    return m_cursor->nextResultSet();
}

void RowReader::cancel()
{
    m_cancelled.store(true);
    m_connection.cancel();
}

RowStream::RowStream(const Connection& like, QString sql, QVariantList params, QObject* parent)
    : QObject(parent), m_provider(like.provider()), m_connectionString(like.connectionString()),
      m_sql(std::move(sql)), m_params(std::move(params))
{
    static const bool registered = [] {
        qRegisterMetaType<std::shared_ptr<const RowBatch>>();
        qRegisterMetaType<DbError>();
        qRegisterMetaType<QList<ColumnType>>();
        return true;
    }();
    Q_UNUSED(registered);
}

RowStream::~RowStream()
{
    cancel();
    if (m_worker.joinable())
        m_worker.join();
}

void RowStream::start()
{
    if (m_running || m_worker.joinable())
        return;
    m_running = true;
    m_worker = std::thread(&RowStream::work, this, m_provider, m_connectionString, m_sql, m_params);
}

void RowStream::cancel()
{
    QMutexLocker lock(&m_shared->mutex);
    m_shared->cancelRequested = true;
    if (m_shared->reader)
        m_shared->reader->cancel();
    else if (m_shared->connection)
        m_shared->connection->cancel(); // the statement is starting
}

void RowStream::work(QString provider, QString connectionString, QString sql, QVariantList params)
{
    // Signals are queued to the owner's thread; the owner waits for this
    // thread before it goes, so `this` stays valid here.
    const auto post = [this](auto&& emitter) {
        QMetaObject::invokeMethod(this, std::forward<decltype(emitter)>(emitter), Qt::QueuedConnection);
    };
    const std::shared_ptr<Shared> shared = m_shared;
    qint64 rows = 0;
    try {
        Connection connection;
        connection.setProvider(provider);
        connection.setConnectionString(connectionString);
        connection.open();
        struct Detach {
            Shared& s;
            ~Detach()
            {
                QMutexLocker lock(&s.mutex);
                s.reader = nullptr;
                s.connection = nullptr;
            }
        } detach{*shared};
        {
            QMutexLocker lock(&shared->mutex);
            if (shared->cancelRequested)
                throw CancelledError(sql);
            shared->connection = &connection;
        }
        RowReader reader(connection, sql, params);
        {
            // A cancel that came while the statement was starting.
            QMutexLocker lock(&shared->mutex);
            shared->reader = &reader;
            if (shared->cancelRequested)
                reader.cancel();
        }
        int resultSet = 0;
        do {
            const QStringList columns = reader.columns();
            const QList<ColumnType> types = reader.columnTypes();
            post([this, resultSet, columns, types] { Q_EMIT resultSetStarted(resultSet, columns, types); });
            for (;;) {
                auto batch = std::make_shared<RowBatch>();
                if (!reader.next(*batch))
                    break;
                rows = reader.rowsRead();
                std::shared_ptr<const RowBatch> ready = std::move(batch);
                post([this, ready, rows] { Q_EMIT batchReady(ready, rows); });
            }
            ++resultSet;
        } while (reader.nextResultSet());
        post([this, rows] {
            m_running = false;
            Q_EMIT finished(rows);
        });
    } catch (const CancelledError&) {
        post([this, rows] {
            m_running = false;
            Q_EMIT cancelled(rows);
        });
    } catch (const DbError& e) {
        post([this, e] {
            m_running = false;
            Q_EMIT failed(e);
        });
    }
}

} // namespace kelvo::db
