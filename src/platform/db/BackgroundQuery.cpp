#include "platform/db/BackgroundQuery.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

#include <QMutex>
#include <thread>

namespace kelvo::db {

// State the worker and the owner share: the worker's connection, so that
// cancel() can reach it, and a flag for a cancel that comes before it opened.
struct BackgroundQuery::Shared {
    QMutex mutex;
    Connection* running = nullptr;
    bool cancelled = false;
};

BackgroundQuery::BackgroundQuery(const Connection& like, QString sql, QVariantList params)
    : m_shared(std::make_shared<Shared>())
{
    std::packaged_task<Recordset()> task(
        [shared = m_shared, provider = like.provider(), connectionString = like.connectionString(),
         sql = std::move(sql), params = std::move(params)]() {
            Connection connection;
            connection.setProvider(provider);
            connection.setConnectionString(connectionString);
            {
                QMutexLocker lock(&shared->mutex);
                if (shared->cancelled)
                    throw CancelledError(sql);
                shared->running = &connection;
            }
            struct Detach {
                Shared& s;
                ~Detach()
                {
                    QMutexLocker lock(&s.mutex);
                    s.running = nullptr;
                }
            } detach{*shared};
            connection.open();
            {
                // A cancel that arrived while the connection was opening.
                QMutexLocker lock(&shared->mutex);
                if (shared->cancelled)
                    throw CancelledError(sql);
            }
            return connection.openRecordset(sql, params, CursorType::Static);
        });
    m_future = task.get_future();
    std::thread(std::move(task)).detach();
}

BackgroundQuery::~BackgroundQuery()
{
    if (m_future.valid()) {
        cancel();
        m_future.wait();
    }
}

void BackgroundQuery::cancel()
{
    QMutexLocker lock(&m_shared->mutex);
    m_shared->cancelled = true;
    if (m_shared->running)
        m_shared->running->cancel();
}

bool BackgroundQuery::isFinished() const
{
    return !m_future.valid() || m_future.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

Recordset BackgroundQuery::result()
{
    return m_future.get();
}

} // namespace kelvo::db
