#pragma once

#include "platform/db/Recordset.h"

#include <atomic>
#include <future>
#include <memory>

namespace kelvo::db {

class Connection;

// Runs one statement on a worker thread over a connection of its own (same
// provider and connection string as the given one), so that a window stays
// responsive while a long report runs. cancel() stops the statement from any
// thread; result() then throws CancelledError.
class BackgroundQuery {
public:
    BackgroundQuery(const Connection& like, QString sql, QVariantList params = {});
    ~BackgroundQuery(); // cancels a running statement and waits for the worker
    BackgroundQuery(const BackgroundQuery&) = delete;
    BackgroundQuery& operator=(const BackgroundQuery&) = delete;

    void cancel();
    bool isFinished() const;
    // Waits for the statement and hands over its rows (a static recordset),
    // or rethrows the DbError it failed with. Callable once.
    Recordset result();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    std::future<Recordset> m_future;
};

} // namespace kelvo::db
