#include "platform/db/sqlite/SqliteBackend.h"

#include "platform/VariantKinds.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/EmbeddedCatalogue.h"
#include "platform/db/sqlite/EmbeddedDialect.h"
#include "platform/db/sqlite/EmbeddedProcedures.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cctype>
#include <cstdlib>

#include <sqlite3.h>

namespace kelvo::db {

namespace {

constexpr int kBusyTimeoutMs = 10000;
constexpr qsizetype kCacheLimit = 512;

QString masterName() { return QStringLiteral("Master"); }

// The statement (as prepared, after rewriting) starts with INSERT or REPLACE.
bool isInsert(sqlite3_stmt* stmt)
{
    const char* sql = sqlite3_sql(stmt);
    while (*sql == ' ' || *sql == '\t' || *sql == '\n' || *sql == '\r')
        ++sql;
    return sqlite3_strnicmp(sql, "insert", 6) == 0 || sqlite3_strnicmp(sql, "replace", 7) == 0;
}

// A forward cursor over one prepared statement; gives the statement back to
// the backend's cache when done. It keeps its backend alive (when a
// connection owns the backend), so closing the connection first leaves it
// valid.
class SqliteCursor final : public Cursor {
public:
    SqliteCursor(SqliteBackend& backend, PreparedStatement* statement)
        : m_keep(backend.weak_from_this().lock()), m_backend(backend), m_statement(statement),
          m_stmt(statement->stmt), m_columns(statement->columns)
    {
    }
    ~SqliteCursor() override { finish(); }

    const QStringList& columns() const override { return m_columns; }

    QList<ColumnType> columnTypes() const override
    {
        QList<ColumnType> types;
        for (int i = 0; i < m_columns.size(); ++i)
            types << ColumnTypeOfDeclared(QString::fromUtf8(sqlite3_column_decltype(m_stmt, i)));
        return types;
    }

    bool fetch(QVariantList& row) override
    {
        if (!step())
            return false;
        const int n = int(m_columns.size());
        row.resize(n);
        for (int i = 0; i < n; ++i)
            row[i] = ColumnValue(m_stmt, i);
        return true;
    }

    // Cells go from SQLite straight into the batch, texts as the UTF-8 it holds.
    bool fetchBatch(RowBatch& batch, qsizetype maxRows) override
    {
        const int n = int(m_columns.size());
        qsizetype fetched = 0;
        while (fetched < maxRows && step()) {
            for (int i = 0; i < n; ++i) {
                switch (sqlite3_column_type(m_stmt, i)) {
                case SQLITE_INTEGER:
                    batch.appendInteger(sqlite3_column_int64(m_stmt, i));
                    break;
                case SQLITE_FLOAT:
                    batch.appendReal(sqlite3_column_double(m_stmt, i));
                    break;
                case SQLITE_TEXT:
                    batch.appendText(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i)),
                                     sqlite3_column_bytes(m_stmt, i));
                    break;
                case SQLITE_BLOB:
                    batch.appendBlob(static_cast<const char*>(sqlite3_column_blob(m_stmt, i)),
                                     sqlite3_column_bytes(m_stmt, i));
                    break;
                default:
                    batch.appendNull();
                }
            }
            ++fetched;
        }
        return fetched > 0;
    }

private:
    // Moves to the next row; false after the last one.
    bool step()
    {
        if (!m_statement)
            return false;
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_DONE) {
            finish();
            return false;
        }
        if (rc != SQLITE_ROW) {
            PreparedStatement* statement = m_statement;
            m_statement = nullptr;
            m_backend.failAndRelease(statement);
        }
        return true;
    }

    void finish()
    {
        if (m_statement) {
            m_backend.release(m_statement);
            m_statement = nullptr;
        }
    }

    std::shared_ptr<Backend> m_keep; // declared first: outlives the statement
    SqliteBackend& m_backend;
    PreparedStatement* m_statement;
    sqlite3_stmt* m_stmt;
    QStringList m_columns; // copied, so it outlives a one-use statement
};

// The master catalogue of a folder: an in-memory database whose SysDatabases
// lists the folder's catalogues.
std::unique_ptr<Backend> openMaster(const QString& folder)
{
    auto backend = std::make_unique<SqliteBackend>(QStringLiteral(":memory:"));
    backend->executeScript(QStringLiteral(
        "CREATE TABLE SysDatabases (name TEXT COLLATE NOCASE, dbid INTEGER, filename TEXT)"));
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files, QDir::Name);
    int id = 1;
    backend->execute(QStringLiteral("INSERT INTO SysDatabases VALUES (?, ?, ?)"),
                     {masterName(), id++, QString()});
    for (const QFileInfo& f : files)
        backend->execute(QStringLiteral("INSERT INTO SysDatabases VALUES (?, ?, ?)"),
                         {f.completeBaseName(), id++, f.absoluteFilePath()});
    return backend;
}

} // namespace

QString CataloguePath(const QString& folder, const QString& catalogue)
{
    const QDir dir(folder);
    const QString wanted = catalogue + QStringLiteral(".sqlite");
    for (const QString& name : dir.entryList(QDir::Files))
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.absoluteFilePath(name);
    return dir.absoluteFilePath(wanted);
}

std::unique_ptr<Backend> OpenSqliteBackend(const ConnectionString& cs)
{
    const QString folder = cs.value(QStringLiteral("Data Source"));
    const QString catalogue = cs.value(QStringLiteral("Initial Catalog"));
    if (folder.isEmpty())
        throw DbError(QStringLiteral("[DBNETLIB][ConnectionOpen] The connection string names no Data Source."));
    if (!QFileInfo(folder).isDir())
        throw DbError(QStringLiteral("[DBNETLIB][ConnectionOpen] Server does not exist or access denied: "
                                     "the folder \"%1\" does not exist.").arg(folder), 17);
    if (catalogue.isEmpty() || catalogue.compare(masterName(), Qt::CaseInsensitive) == 0)
        return openMaster(folder);
    const QString path = CataloguePath(folder, catalogue);
    if (!QFileInfo::exists(path))
        throw DbError(QStringLiteral("Cannot open database \"%1\" requested by the login. The login failed.")
                          .arg(catalogue), 4060);
    return std::make_unique<SqliteBackend>(path);
}

void CreateCatalogue(const QString& folder, const QString& catalogue)
{
    if (!QDir().mkpath(folder))
        throw DbError(QStringLiteral("Cannot create the folder \"%1\".").arg(folder));
    const QString path = CataloguePath(folder, catalogue);
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("Database '%1' already exists. Choose a different database name.")
                          .arg(catalogue), 1801);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw DbError(QStringLiteral("Cannot create database \"%1\" at %2.").arg(catalogue, path));
    SqliteBackend backend(path);
    CreateStoreTables(backend);
}

SqliteBackend::SqliteBackend(const QString& path)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw DbError(QStringLiteral("Cannot open database file %1: %2").arg(path, message));
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    // A double-quoted name is a name: an unknown one is an error, never the
    // text literal SQLite would otherwise make of it.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    if (path != QLatin1String(":memory:"))
        executeScript(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL"));
    InstallDialectFunctions(*this);
    CreateStoreTables(*this);
    InstallCatalogueViews(*this);
}

SqliteBackend::~SqliteBackend()
{
    for (const auto& entry : m_cache)
        sqlite3_finalize(entry.second->stmt);
    sqlite3_close_v2(m_db);
}

namespace {

// The error of a failed SQLite call; a constraint failure carries SQLSTATE
// 23000, as a server's driver reports it.
[[noreturn]] void throwSqliteError(int code, const QString& message, const QString& statement)
{
    if ((code & 0xff) == SQLITE_INTERRUPT)
        throw CancelledError(statement);
    const QString state = (code & 0xff) == SQLITE_CONSTRAINT ? QStringLiteral("23000") : QString();
    throw DbError(QList<ProviderError>{ProviderError{message, code, state, QStringLiteral("SQLite")}}, statement);
}

} // namespace

void SqliteBackend::fail(const QString& statement) const
{
    throwSqliteError(sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)), statement);
}

void SqliteBackend::failAndRelease(PreparedStatement* statement)
{
    const int code = sqlite3_extended_errcode(m_db);
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
    const QString sql = statement->sql;
    release(statement);
    throwSqliteError(code, message, sql);
}

PreparedStatement* SqliteBackend::acquire(const QString& sql)
{
    QMutexLocker lock(&m_cacheMutex);
    const auto found = m_cache.find(sql);
    if (found != m_cache.end() && !found->second->inUse) {
        found->second->inUse = true;
        return found->second.get();
    }
    const bool cache = found == m_cache.end() && qsizetype(m_cache.size()) < kCacheLimit;
    lock.unlock();

    auto statement = std::make_unique<PreparedStatement>();
    statement->sql = sql;
    const QByteArray text = RewriteForSqlite(sql).toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v3(m_db, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &statement->stmt,
                           &tail)
        != SQLITE_OK)
        fail(sql);
    if (!statement->stmt) // only blanks or comments
        throw DbError(QStringLiteral("The statement is empty."), 0, sql);
    while (tail && *tail && isspace(static_cast<unsigned char>(*tail)))
        ++tail;
    statement->batch = tail && *tail;
    const int n = sqlite3_column_count(statement->stmt);
    statement->columns.reserve(n);
    for (int i = 0; i < n; ++i)
        statement->columns << QString::fromUtf8(sqlite3_column_name(statement->stmt, i));
    statement->inUse = true;
    if (!cache)
        return statement.release(); // given back to release(), which finalizes it
    lock.relock();
    statement->cached = true;
    PreparedStatement* lent = statement.get();
    // try_emplace leaves statement alone when another thread cached the same
    // text meanwhile: this one is then for one use.
    if (!m_cache.try_emplace(sql, std::move(statement)).second) {
        lent->cached = false;
        return statement.release();
    }
    return lent;
}

void SqliteBackend::release(PreparedStatement* statement)
{
    sqlite3_reset(statement->stmt);
    sqlite3_clear_bindings(statement->stmt);
    if (!statement->cached) {
        sqlite3_finalize(statement->stmt);
        delete statement;
        return;
    }
    QMutexLocker lock(&m_cacheMutex);
    statement->inUse = false;
}

std::unique_ptr<Cursor> SqliteBackend::query(const QString& sql, const QVariantList& params)
{
    if (auto rows = RunProcedureStatement(*this, sql, params))
        return rows;
    PreparedStatement* statement = acquire(sql);
    if (statement->batch) {
        release(statement);
        return runBatch(sql, params, true).rows;
    }
    try {
        BindParameters(statement->stmt, params);
    } catch (...) {
        release(statement);
        throw;
    }
    return std::make_unique<SqliteCursor>(*this, statement);
}

ExecResult SqliteBackend::execute(const QString& sql, const QVariantList& params)
{
    if (HandleProcedureDefinition(*this, sql))
        return {};
    if (auto rows = RunProcedureStatement(*this, sql, params)) {
        QVariantList row;
        while (rows->fetch(row)) {
        }
        return {};
    }
    PreparedStatement* statement = acquire(sql);
    if (statement->batch) {
        release(statement);
        return runBatch(sql, params, false).exec;
    }
    sqlite3_stmt* stmt = statement->stmt;
    int rc = SQLITE_OK;
    try {
        BindParameters(stmt, params);
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
    } catch (...) {
        release(statement);
        throw;
    }
    if (rc != SQLITE_DONE)
        failAndRelease(statement);
    ExecResult result;
    result.rowsAffected = sqlite3_changes64(m_db);
    // Only an insert has a new row; an update or delete leaves the last
    // insert's identifier in SQLite, which is not this statement's.
    if (result.rowsAffected > 0 && isInsert(stmt))
        result.lastInsertId = qlonglong(sqlite3_last_insert_rowid(m_db));
    release(statement);
    return result;
}

SqliteBackend::BatchResult SqliteBackend::runBatch(const QString& sql, const QVariantList& params, bool wantRows)
{
    // Placeholders are numbered through the whole text, so each statement
    // binds the values of its own by their numbers.
    const QByteArray text = RewriteForSqlite(sql).toUtf8();
    BatchResult result;
    executeScript(QStringLiteral("SAVEPOINT kv_batch"));
    sqlite3_stmt* stmt = nullptr;
    try {
        const char* rest = text.constData();
        while (rest && *rest) {
            const char* tail = nullptr;
            if (sqlite3_prepare_v2(m_db, rest, -1, &stmt, &tail) != SQLITE_OK)
                fail(sql);
            rest = tail;
            if (!stmt)
                continue;
            for (int i = 1; i <= sqlite3_bind_parameter_count(stmt); ++i) {
                const char* name = sqlite3_bind_parameter_name(stmt, i);
                if (!name)
                    continue; // a number used only by another statement
                const int number = atoi(name + 1);
                if (number < 1 || number > params.size())
                    throw DbError(QStringLiteral("The statements expect more parameter values than the %1 given.")
                                      .arg(params.size()), 0, sql);
                BindValue(stmt, i, params[number - 1]);
            }
            // The rows asked for are those of the last statement that gives rows.
            const bool keepRows = wantRows && sqlite3_column_count(stmt) > 0;
            std::vector<QVariantList> rows;
            int rc;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
                if (keepRows) {
                    QVariantList row;
                    for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                        row << ColumnValue(stmt, c);
                    rows.push_back(std::move(row));
                }
            }
            if (rc != SQLITE_DONE)
                fail(sql);
            const qint64 changes = sqlite3_stmt_readonly(stmt) ? 0 : sqlite3_changes64(m_db);
            result.exec.rowsAffected += changes;
            if (changes > 0 && isInsert(stmt))
                result.exec.lastInsertId = qlonglong(sqlite3_last_insert_rowid(m_db));
            if (keepRows) {
                QStringList columns;
                for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                    columns << QString::fromUtf8(sqlite3_column_name(stmt, c));
                result.rows = std::make_unique<MemoryCursor>(std::move(columns), std::move(rows));
            }
            sqlite3_finalize(stmt);
            stmt = nullptr;
        }
        executeScript(QStringLiteral("RELEASE kv_batch"));
    } catch (...) {
        sqlite3_finalize(stmt);
        try {
            executeScript(QStringLiteral("ROLLBACK TO kv_batch; RELEASE kv_batch"));
        } catch (const DbError&) {
            // The failure ended the transaction already: nothing is kept.
        }
        throw;
    }
    if (wantRows && !result.rows)
        result.rows = std::make_unique<MemoryCursor>(QStringList(), std::vector<QVariantList>());
    return result;
}

void SqliteBackend::executeScript(const QString& script)
{
    const QByteArray text = script.toUtf8();
    const char* sql = text.constData();
    while (sql && *sql) {
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, &tail) != SQLITE_OK)
            fail(QString::fromUtf8(sql));
        if (stmt) {
            int rc;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            }
            sqlite3_finalize(stmt);
            if (rc != SQLITE_DONE)
                fail(QString::fromUtf8(sql, tail ? int(tail - sql) : -1));
        }
        sql = tail;
    }
}

ProcedureResult SqliteBackend::callProcedure(const QString& name, std::vector<ProcedureParameter> params)
{
    return CallEmbeddedProcedure(*this, name, std::move(params));
}

void SqliteBackend::beginTransaction()
{
    executeScript(QStringLiteral("BEGIN IMMEDIATE"));
}

void SqliteBackend::commit()
{
    executeScript(QStringLiteral("COMMIT"));
}

void SqliteBackend::rollback()
{
    executeScript(QStringLiteral("ROLLBACK"));
}

void SqliteBackend::cancel()
{
    sqlite3_interrupt(m_db);
}

void BindParameters(sqlite3_stmt* stmt, const QVariantList& params)
{
    const int expected = sqlite3_bind_parameter_count(stmt);
    if (params.size() != expected)
        throw DbError(QStringLiteral("The statement expects %1 parameter value(s) but %2 were given.")
                          .arg(expected).arg(params.size()), 0, QString::fromUtf8(sqlite3_sql(stmt)));
    for (int i = 0; i < expected; ++i)
        BindValue(stmt, i + 1, params[i]);
}

void BindValue(sqlite3_stmt* stmt, int index, const QVariant& v)
{
    if (v.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    if (IsIntegerValue(v) || v.typeId() == QMetaType::Bool) {
        sqlite3_bind_int64(stmt, index, v.toLongLong());
        return;
    }
    if (IsRealValue(v)) {
        sqlite3_bind_double(stmt, index, v.toDouble());
        return;
    }
    switch (v.typeId()) {
    case QMetaType::QByteArray: {
        const QByteArray bytes = v.toByteArray();
        sqlite3_bind_blob(stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    }
    case QMetaType::QDate:
        sqlite3_bind_text(stmt, index, v.toDate().toString(Qt::ISODate).toUtf8().constData(), -1, SQLITE_TRANSIENT);
        break;
    case QMetaType::QDateTime:
        sqlite3_bind_text(stmt, index,
                          v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8().constData(), -1,
                          SQLITE_TRANSIENT);
        break;
    default: {
        const QByteArray text = v.toString().toUtf8();
        sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}

QVariant ColumnValue(sqlite3_stmt* stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(stmt, i));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, i);
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                 sqlite3_column_bytes(stmt, i));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, i)), sqlite3_column_bytes(stmt, i));
    default:
        return QVariant();
    }
}

} // namespace kelvo::db
