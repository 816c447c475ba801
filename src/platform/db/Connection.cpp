#include "platform/db/Connection.h"

#include "platform/db/DbError.h"
#include "platform/db/odbc/OdbcBackend.h"
#include "platform/db/sqlite/SqliteBackend.h"

namespace kelvo::db {

namespace {

bool startsWith(const QString& provider, const char* prefix)
{
    return provider.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

} // namespace

std::unique_ptr<Backend> OpenBackend(const QString& provider, const ConnectionString& cs)
{
    cs.checkSound();
    const QString p = provider.trimmed();
    if (p.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0)
        return OpenSqliteBackend(cs);
    if (startsWith(p, "SQLOLEDB") || startsWith(p, "SQLNCLI") || startsWith(p, "MSOLEDBSQL"))
        return OpenOdbcBackend(OdbcServerKind::SqlServer, cs);
    if (p == QLatin1String("MSDAORA.1"))
        return OpenOdbcBackend(OdbcServerKind::Oracle, cs);
    if (startsWith(p, "MSDASQL"))
        return OpenOdbcBackend(OdbcServerKind::Generic, cs);
    if (p.isEmpty())
        throw DbError(QStringLiteral("Provider cannot be found: the connection string names no provider."));
    throw DbError(QStringLiteral("Provider cannot be found. It may not be properly installed. (Provider=%1)").arg(p));
}

Connection::Connection(const QString& connectionString)
    : m_connectionString(connectionString)
{
}

Connection::~Connection() = default;

QString Connection::provider() const
{
    if (!m_provider.isEmpty())
        return m_provider;
    return ConnectionString(m_connectionString).value(QStringLiteral("Provider"));
}

void Connection::setProvider(const QString& provider)
{
    close();
    m_provider = provider;
}

void Connection::setConnectionString(const QString& connectionString)
{
    close();
    m_connectionString = connectionString;
}

bool Connection::isOpen() const
{
    QMutexLocker lock(&m_backendMutex);
    return m_backend != nullptr;
}

void Connection::open()
{
    if (isOpen())
        return;
    auto backend = OpenBackend(provider(), ConnectionString(m_connectionString));
    QMutexLocker lock(&m_backendMutex);
    m_backend = std::move(backend);
}

void Connection::close()
{
    QMutexLocker lock(&m_backendMutex);
    m_backend.reset();
    m_transactionDepth = 0;
}

Backend& Connection::backend()
{
    // Only the owning thread replaces m_backend, so it may read it unlocked.
    if (!m_backend)
        open();
    return *m_backend;
}

Recordset Connection::openRecordset(const QString& sql, const QVariantList& params, CursorType type)
{
    return Recordset(backend().query(sql, params), type, sql);
}

std::unique_ptr<Cursor> Connection::openCursor(const QString& sql, const QVariantList& params)
{
    return backend().query(sql, params);
}

ExecResult Connection::execute(const QString& sql, const QVariantList& params)
{
    return backend().execute(sql, params);
}

ProcedureResult Connection::callProcedure(const QString& name, std::vector<ProcedureParameter> params)
{
    return backend().callProcedure(name, std::move(params));
}

void Connection::beginTransaction()
{
    backend().beginTransaction();
    ++m_transactionDepth;
}

void Connection::commit()
{
    backend().commit();
    --m_transactionDepth;
}

void Connection::rollback()
{
    // The transaction is over even when the server had ended it already (a
    // failed statement that rolled it back) and the rollback fails.
    --m_transactionDepth;
    backend().rollback();
}

std::optional<DbError> Connection::runUnderSavepoint(const std::function<void()>& step)
{
    if (!inTransaction())
        throw DbError(QStringLiteral("A savepoint needs an open transaction."));
    const QString name = QStringLiteral("kv_step%1").arg(++m_savepointCount);
    backend().savepoint(name);
    try {
        step();
    } catch (const CancelledError&) {
        throw;
    } catch (const DbError& failure) {
        try {
            backend().rollbackToSavepoint(name);
            backend().releaseSavepoint(name);
        } catch (const DbError&) {
            throw TransactionLostError(failure);
        }
        return failure;
    }
    backend().releaseSavepoint(name);
    return std::nullopt;
}

void Connection::cancel()
{
    QMutexLocker lock(&m_backendMutex);
    if (m_backend)
        m_backend->cancel();
}

Transaction::Transaction(Connection& connection)
    : m_connection(connection)
{
    m_connection.beginTransaction();
}

Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_connection.rollback();
        } catch (...) {
            // The connection is gone or the server already ended the
            // transaction; nothing was committed either way.
        }
    }
}

void Transaction::commit()
{
    m_connection.commit();
    m_done = true;
}

} // namespace kelvo::db
