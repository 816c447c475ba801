#pragma once

#include "platform/db/Backend.h"
#include "platform/db/ConnectionString.h"

#include <QHash>
#include <QMutex>

#include <memory>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace kelvo::db {

// The embedded store. "Data Source" names a folder that plays the server;
// "Initial Catalog" names a catalogue, a file "<name>.sqlite" in that folder
// (matched without regard to case). The catalogue "Master" is built in and
// lists the folder's catalogues in SysDatabases.
std::unique_ptr<Backend> OpenSqliteBackend(const ConnectionString& connectionString);

// The file of a catalogue: the existing file whose name matches without
// regard to case, else "<folder>/<catalogue>.sqlite".
QString CataloguePath(const QString& folder, const QString& catalogue);

// Creates an empty catalogue (the store's own tables only). Throws DbError
// when it exists already.
void CreateCatalogue(const QString& folder, const QString& catalogue);

// A prepared statement lent by the backend: the cached one for its text, or
// one made for a single use while the cached one is busy or the cache is full.
struct PreparedStatement {
    QString sql;          // the system's text, as given
    sqlite3_stmt* stmt = nullptr;
    QStringList columns;  // result column names
    bool cached = false;
    bool inUse = false;
    bool batch = false;   // the text holds further statements after the prepared one
};

class SqliteBackend final : public Backend {
public:
    // Opens an existing database file, or an in-memory one for ":memory:".
    explicit SqliteBackend(const QString& path);
    ~SqliteBackend() override;

    std::unique_ptr<Cursor> query(const QString& sql, const QVariantList& params) override;
    ExecResult execute(const QString& sql, const QVariantList& params) override;
    ProcedureResult callProcedure(const QString& name, std::vector<ProcedureParameter> params) override;

    void beginTransaction() override;
    void commit() override;
    void rollback() override;
    void cancel() override;

    sqlite3* handle() const { return m_db; }

    // A prepared statement for the system's statement text, rewritten for
    // SQLite and cached per text. The caller holds it until release().
    PreparedStatement* acquire(const QString& sql);
    void release(PreparedStatement* statement);
    // Runs text that may hold several statements separated by ";", without
    // caching (scripts, procedure bodies).
    void executeScript(const QString& script);

    [[noreturn]] void fail(const QString& statement) const;

    struct BatchResult {
        ExecResult exec;
        std::unique_ptr<Cursor> rows; // the last statement's rows, when asked for
    };
    // Runs a text of several statements, each with the values of its own
    // placeholders, in one savepoint: all of them or none.
    BatchResult runBatch(const QString& sql, const QVariantList& params, bool wantRows);
    // Throws the error the last step of stmt reported, after giving stmt back.
    [[noreturn]] void failAndRelease(PreparedStatement* statement);

private:
    sqlite3* m_db = nullptr;
    QMutex m_cacheMutex;
    struct TextHash {
        size_t operator()(const QString& text) const noexcept { return qHash(text); }
    };
    std::unordered_map<QString, std::unique_ptr<PreparedStatement>, TextHash> m_cache;
};

// Binds params to the "?" placeholders of stmt, in order.
void BindParameters(sqlite3_stmt* stmt, const QVariantList& params);
// Binds one value to parameter index (1-based); a null QVariant as NULL.
void BindValue(sqlite3_stmt* stmt, int index, const QVariant& value);
// The value of column i of the current row; NULL as a null QVariant.
QVariant ColumnValue(sqlite3_stmt* stmt, int i);

} // namespace kelvo::db
