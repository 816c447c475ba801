#pragma once

#include "platform/db/Backend.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/Recordset.h"

#include "platform/db/DbError.h"

#include <QMutex>

#include <functional>
#include <optional>

namespace kelvo::db {

// A database connection in the manner of an ADO connection: a provider and a
// connection string, opened on first use. Statements are the system's SQL
// text; run-time values are bound to "?" parameters.
//
// Providers: "SQLite" (the embedded store), "SQLOLEDB*", "SQLNCLI*" and
// "MSOLEDBSQL*" (SQL Server through ODBC), "MSDAORA.1" (Oracle through ODBC)
// and "MSDASQL" (any ODBC data source; the rest of the string is given to
// ODBC as it stands).
class Connection {
public:
    Connection() = default;
    explicit Connection(const QString& connectionString);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The provider set explicitly, else the "Provider" key of the string.
    QString provider() const;
    void setProvider(const QString& provider);
    const QString& connectionString() const { return m_connectionString; }
    void setConnectionString(const QString& connectionString);
    // Oracle exactly when the provider is "MSDAORA.1" (case-sensitive).
    bool isOracle() const { return provider() == QLatin1String("MSDAORA.1"); }

    bool isOpen() const;
    void open();
    void close();

    Recordset openRecordset(const QString& sql, const QVariantList& params = {},
                            CursorType type = CursorType::Static);
    ExecResult execute(const QString& sql, const QVariantList& params = {});
    // The rows of a statement as the backend streams them (see RowReader).
    std::unique_ptr<Cursor> openCursor(const QString& sql, const QVariantList& params = {});
    ProcedureResult callProcedure(const QString& name, std::vector<ProcedureParameter> params = {});

    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return m_transactionDepth > 0; }

    // Runs step under a savepoint of the open transaction. When step fails
    // with a DbError, only what it did is undone, the transaction stays open
    // and the error is returned. Throws TransactionLostError when the failure
    // ended the transaction itself (a server may doom or roll back a whole
    // transaction on some errors).
    std::optional<DbError> runUnderSavepoint(const std::function<void()>& step);

    // Stops the statement running on this connection; callable from any
    // thread. The statement fails with CancelledError.
    void cancel();

private:
    Backend& backend();

    QString m_provider;
    QString m_connectionString;
    std::shared_ptr<Backend> m_backend; // shared with the cursors it hands out
    mutable QMutex m_backendMutex; // guards m_backend against cancel() from other threads
    int m_transactionDepth = 0;
    int m_savepointCount = 0;
};

// Begins a transaction and rolls it back on scope exit unless commit() ran.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& m_connection;
    bool m_done = false;
};

// Opens the backend of a provider; throws DbError for an unknown provider.
std::unique_ptr<Backend> OpenBackend(const QString& provider, const ConnectionString& connectionString);

} // namespace kelvo::db
