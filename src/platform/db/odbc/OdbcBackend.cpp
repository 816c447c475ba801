#include "platform/db/odbc/OdbcBackend.h"

#include "platform/db/DbError.h"
#include "platform/db/odbc/OdbcConnectionText.h"
#include "platform/db/odbc/OdbcDiagnostics.h"
#include "platform/db/odbc/OdbcStatement.h"

#include <QMutex>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlField>
#include <QSqlRecord>
#include <QSqlResult>

#include <sql.h>
#include <sqlext.h>

#include <atomic>

namespace kelvo::db {

namespace {

const QString kDriverName = QStringLiteral("QODBC");

// The ODBC handle (SQLHSTMT or SQLHDBC) that Qt's driver hands out as a variant.
void* handleOf(const QVariant& v)
{
    if (!v.isValid() || v.metaType().sizeOf() != int(sizeof(void*)))
        return nullptr;
    return *static_cast<void* const*>(v.constData());
}

void* statementHandle(const QSqlQuery& q)
{
    return q.result() ? handleOf(q.result()->handle()) : nullptr;
}

ProviderError fromSqlError(const QSqlError& e)
{
    ProviderError error;
    error.description = e.databaseText().isEmpty() ? e.driverText() : e.databaseText();
    error.nativeCode = e.nativeErrorCode().section(u';', 0, 0).toInt();
    error.source = QStringLiteral("ODBC");
    return error;
}

// The records of a failed connection. Qt frees the connection handle when
// the login fails and keeps the records only as one text, in which each
// record starts with its "[vendor][component]" tags; the text is cut there,
// and a record repeated at once is listed once.
QList<ProviderError> connectionErrors(const QSqlError& e)
{
    static const QRegularExpression recordStart(QStringLiteral("\\s+(?=(\\[[^\\]\\[]+\\]){2})"));
    const ProviderError whole = fromSqlError(e);
    const QStringList texts = whole.description.split(recordStart, Qt::SkipEmptyParts);
    const QStringList codes = e.nativeErrorCode().split(u';');
    QList<ProviderError> errors;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (!errors.isEmpty() && errors.last().description == texts[i])
            continue;
        ProviderError error = whole;
        error.description = texts[i];
        error.nativeCode = codes.size() == texts.size() ? codes[i].toInt() : (errors.isEmpty() ? whole.nativeCode : 0);
        errors.append(error);
    }
    if (errors.isEmpty())
        errors.append(whole);
    return errors;
}

// True when the statement's first word is INSERT (blanks, comments and
// opening parentheses before it are skipped).
bool isInsert(const QString& sql)
{
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        if (sql[i].isSpace() || sql[i] == u'(') {
            ++i;
        } else if (sql.mid(i, 2) == QLatin1String("--")) {
            const qsizetype end = sql.indexOf(u'\n', i);
            i = end < 0 ? n : end + 1;
        } else if (sql.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 2;
        } else {
            break;
        }
    }
    if (sql.mid(i, 6).compare(QLatin1String("insert"), Qt::CaseInsensitive) != 0)
        return false;
    return i + 6 >= n || !(sql[i + 6].isLetterOrNumber() || sql[i + 6] == u'_');
}

// A value Qt's driver can bind: a NULL without a type binds as a text NULL,
// which every server converts to the column's type.
QVariant bindable(const QVariant& v)
{
    if (!v.isValid())
        return QVariant(QMetaType::fromType<QString>());
    return v;
}

// The Qt connection and what runs on it, shared by the backend and the
// cursors it hands out, so a cursor that outlives its backend stays valid.
class OdbcSession {
public:
    OdbcSession(OdbcServerKind kind, QString name)
        : kind(kind), name(std::move(name))
    {
    }
    ~OdbcSession()
    {
        if (db.isValid())
            db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }

    void* connectionHandle() const { return db.driver() ? handleOf(db.driver()->handle()) : nullptr; }

    // SQL Server reports the identity of an inserted row through
    // SCOPE_IDENTITY() in the inserting batch.
    bool isSqlServer() const
    {
        return kind == OdbcServerKind::SqlServer || (db.driver() && db.driver()->dbmsType() == QSqlDriver::MSSqlServer);
    }

    void cancel()
    {
        QMutexLocker lock(&mutex);
        if (running) {
            cancelRequested = true;
            SQLCancel(running);
        }
    }

    const OdbcServerKind kind;
    const QString name;
    QSqlDatabase db;

    QMutex mutex;              // guards running and cancelRequested
    void* running = nullptr;   // SQLHSTMT of the statement being executed or fetched
    bool cancelRequested = false;
};

// Marks a statement handle as running for the time of one ODBC call, so
// that cancel() from another thread reaches it. The handle is unregistered
// (under the session's mutex) before it can be freed.
class RunningStatement {
public:
    RunningStatement(OdbcSession& session, void* statement)
        : m_session(session)
    {
        QMutexLocker lock(&m_session.mutex);
        m_session.running = statement;
        m_session.cancelRequested = false;
    }
    ~RunningStatement()
    {
        QMutexLocker lock(&m_session.mutex);
        m_session.running = nullptr;
    }
    bool cancelled() const
    {
        QMutexLocker lock(&m_session.mutex);
        return m_session.cancelRequested;
    }

private:
    OdbcSession& m_session;
};

// The error of a statement run through Qt's driver: the driver's records
// read from the statement handle (every record, in order), else Qt's text.
[[noreturn]] void failStatement(const QSqlQuery& q, const QString& statement, bool cancelRequested)
{
    QList<ProviderError> errors = OdbcDiagnostics(SQL_HANDLE_STMT, statementHandle(q));
    if (cancelRequested || HasCancelState(errors))
        throw CancelledError(statement);
    if (errors.isEmpty())
        errors.append(fromSqlError(q.lastError()));
    throw DbError(errors, statement);
}

class OdbcCursor final : public Cursor {
public:
    OdbcCursor(std::shared_ptr<OdbcSession> session, std::unique_ptr<QSqlQuery> query, QString statement)
        : m_session(std::move(session)), m_query(std::move(query)), m_statement(std::move(statement))
    {
        if (m_query->isSelect())
            readColumns();
        else
            m_query.reset();
    }

    const QStringList& columns() const override { return m_columns; }

    QList<ColumnType> columnTypes() const override { return m_types; }

    bool fetch(QVariantList& row) override
    {
        if (!m_query || m_nextSetWaiting)
            return false;
        bool cancelled = false;
        {
            RunningStatement running(*m_session, statementHandle(*m_query));
            if (m_query->next()) {
                row.clear();
                for (int i = 0; i < m_columns.size(); ++i)
                    row.append(m_query->isNull(i) ? QVariant() : m_query->value(i));
                return true;
            }
            cancelled = running.cancelled();
        }
        if (m_query->lastError().type() != QSqlError::NoError)
            failStatement(*m_query, m_statement, cancelled);
        // A procedure's further result set waits for nextResultSet();
        // otherwise the statement is freed so the connection takes the next.
        while (m_query->nextResult()) {
            if (m_query->isSelect()) {
                m_nextSetWaiting = true;
                return false;
            }
        }
        m_query.reset();
        return false;
    }

    bool nextResultSet() override
    {
        if (!m_query || !m_nextSetWaiting)
            return false;
        m_nextSetWaiting = false;
        readColumns();
        return true;
    }

private:
    void readColumns()
    {
        const QSqlRecord record = m_query->record();
        m_columns.clear();
        m_types.clear();
        for (int i = 0; i < record.count(); ++i) {
            m_columns << record.fieldName(i);
            m_types << TypeOf(record.field(i).metaType());
        }
    }

    static ColumnType TypeOf(QMetaType type)
    {
        switch (type.id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Bool:
            return ColumnType::Integer;
        case QMetaType::Double:
        case QMetaType::Float:
            return ColumnType::Real;
        case QMetaType::QString:
            return ColumnType::Text;
        case QMetaType::QDate:
        case QMetaType::QDateTime:
        case QMetaType::QTime:
            return ColumnType::Date;
        case QMetaType::QByteArray:
            return ColumnType::Blob;
        default:
            return ColumnType::Unknown;
        }
    }

    std::shared_ptr<OdbcSession> m_session; // declared first: outlives the query
    std::unique_ptr<QSqlQuery> m_query;
    QStringList m_columns;
    QList<ColumnType> m_types;
    QString m_statement;
    bool m_nextSetWaiting = false;
};

// A database reached through Qt's ODBC driver. Qt binds a connection to the
// thread that opened it: the backend is used from its opening thread only;
// cancel() alone may come from any thread.
class OdbcBackend final : public Backend {
public:
    explicit OdbcBackend(std::shared_ptr<OdbcSession> session)
        : m_session(std::move(session))
    {
    }

    std::unique_ptr<Cursor> query(const QString& sql, const QVariantList& params) override
    {
        auto q = std::make_unique<QSqlQuery>(m_session->db);
        run(*q, sql, sql, params);
        // Counts of rows changed before the first rows (a procedure's inner
        // statements) are skipped over to the rows themselves.
        while (!q->isSelect()) {
            RunningStatement running(*m_session, statementHandle(*q));
            if (!q->nextResult()) {
                if (q->lastError().type() != QSqlError::NoError)
                    failStatement(*q, sql, running.cancelled());
                break;
            }
        }
        return std::make_unique<OdbcCursor>(m_session, std::move(q), sql);
    }

    ExecResult execute(const QString& sql, const QVariantList& params) override
    {
        const bool readIdentity = m_session->isSqlServer() && isInsert(sql);
        // SCOPE_IDENTITY() sees only its own batch, so it runs in the inserting one.
        const QString text = readIdentity ? sql + QStringLiteral("\nSELECT CAST(SCOPE_IDENTITY() AS bigint)") : sql;
        QSqlQuery q(m_session->db);
        run(q, text, sql, params);
        ExecResult result;
        result.rowsAffected = q.isSelect() ? -1 : q.numRowsAffected();
        if (readIdentity) {
            while (!q.isSelect() && q.nextResult()) {
            }
            if (q.isSelect() && q.next() && !q.isNull(0))
                result.lastInsertId = q.value(0).toLongLong();
        } else if (m_session->db.driver()->hasFeature(QSqlDriver::LastInsertId) && result.rowsAffected > 0) {
            const QVariant id = q.lastInsertId();
            if (id.isValid() && !id.isNull())
                result.lastInsertId = id;
        }
        return result;
    }

    ProcedureResult callProcedure(const QString& name, std::vector<ProcedureParameter> params) override
    {
        const QString text = OdbcProcedureCallText(name, int(params.size()));
        // Position 1 takes the return value; the named parameters follow in the order given.
        std::vector<OdbcStatement::Parameter> bound;
        bound.push_back({QVariant(0), ParameterDirection::Output});
        for (const auto& p : params)
            bound.push_back({bindable(p.value), p.direction});

        OdbcStatement statement(m_session->connectionHandle());
        RunningStatement running(*m_session, statement.handle());
        try {
            statement.execute(text, bound);
            ProcedureResult result;
            if (statement.nextRowSet()) {
                std::vector<QVariantList> rows;
                QVariantList row;
                while (statement.fetch(row))
                    rows.push_back(row);
                result.rows = std::make_unique<MemoryCursor>(statement.columns(), std::move(rows));
            }
            statement.finish(); // output values arrive after the last result
            result.returnValue = statement.output(0);
            for (size_t i = 0; i < params.size(); ++i)
                if (params[i].direction != ParameterDirection::Input)
                    params[i].value = statement.output(int(i) + 1);
            result.parameters = std::move(params);
            return result;
        } catch (const DbError& e) {
            if (running.cancelled() || HasCancelState(e.errors()))
                throw CancelledError(text);
            throw;
        }
    }

    // One transaction at a time: ODBC has no nesting, and a nested commit
    // would commit the outer transaction's work early.
    void beginTransaction() override
    {
        if (m_inTransaction)
            throw DbError(QStringLiteral("A transaction is already open on this connection."), 0,
                          QStringLiteral("BEGIN TRANSACTION"));
        if (!m_session->db.transaction())
            throw DbError({fromSqlError(m_session->db.lastError())}, QStringLiteral("BEGIN TRANSACTION"));
        m_inTransaction = true;
    }

    void commit() override { endTransaction(true); }
    void rollback() override { endTransaction(false); }

    // SQL Server names savepoints with SAVE/ROLLBACK TRANSACTION; neither it
    // nor Oracle releases one (it ends with the transaction).
    void savepoint(const QString& name) override
    {
        execute((m_session->isSqlServer() ? QStringLiteral("SAVE TRANSACTION ")
                                                               : QStringLiteral("SAVEPOINT ")) + name, {});
    }
    void rollbackToSavepoint(const QString& name) override
    {
        execute((m_session->isSqlServer() ? QStringLiteral("ROLLBACK TRANSACTION ")
                                                               : QStringLiteral("ROLLBACK TO SAVEPOINT ")) + name, {});
    }
    void releaseSavepoint(const QString& name) override
    {
        if (m_session->kind == OdbcServerKind::Generic && !m_session->isSqlServer())
            Backend::releaseSavepoint(name);
    }

    void cancel() override { m_session->cancel(); }

private:
    // Prepares text, binds params by position and executes it; errors name
    // statement (the caller's text).
    void run(QSqlQuery& q, const QString& text, const QString& statement, const QVariantList& params)
    {
        q.setForwardOnly(true);
        if (!q.prepare(text))
            failStatement(q, statement, false);
        for (const QVariant& p : params)
            q.addBindValue(bindable(p));
        RunningStatement running(*m_session, statementHandle(q));
        if (!q.exec())
            failStatement(q, statement, running.cancelled());
    }

    void endTransaction(bool commit)
    {
        const QString statement = commit ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK");
        if (!m_inTransaction)
            throw DbError(QStringLiteral("No transaction is open on this connection."), 0, statement);
        if (!(commit ? m_session->db.commit() : m_session->db.rollback()))
            throw DbError({fromSqlError(m_session->db.lastError())}, statement);
        m_inTransaction = false;
    }

    std::shared_ptr<OdbcSession> m_session;
    bool m_inTransaction = false;
};

QString uniqueConnectionName()
{
    static std::atomic<quint64> counter{0};
    return QStringLiteral("kelvo-odbc-%1").arg(++counter);
}

// What a connection failure names: the driver, else the data source.
QString targetOf(const QString& odbcText)
{
    const ConnectionString pairs(odbcText);
    QString driver = pairs.value(QStringLiteral("DRIVER"));
    if (driver.startsWith(u'{') && driver.endsWith(u'}'))
        driver = driver.mid(1, driver.size() - 2).replace(QLatin1String("}}"), QLatin1String("}"));
    if (!driver.isEmpty())
        return QStringLiteral("the ODBC driver \"%1\"").arg(driver);
    const QString dsn = pairs.value(QStringLiteral("DSN"));
    if (!dsn.isEmpty())
        return QStringLiteral("the ODBC data source \"%1\"").arg(dsn);
    return QStringLiteral("ODBC");
}

} // namespace

std::unique_ptr<Backend> OpenOdbcBackend(OdbcServerKind kind, const ConnectionString& cs)
{
    if (!QSqlDatabase::isDriverAvailable(kDriverName))
        throw DbError(QStringLiteral("Qt's ODBC driver (QODBC) is not installed; install the package libqt6sql6-odbc."));
    const QString odbcText = OdbcConnectionString(kind, cs);

    auto session = std::make_shared<OdbcSession>(kind, uniqueConnectionName());
    session->db = QSqlDatabase::addDatabase(kDriverName, session->name);
    // Qt hands a text holding "DRIVER=" or "DSN=" to SQLDriverConnect as it stands.
    session->db.setDatabaseName(odbcText);
    bool seconds = false;
    const int timeout = cs.value(QStringLiteral("Connect Timeout")).toInt(&seconds);
    if (seconds && timeout > 0)
        session->db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(timeout));

    if (!session->db.open()) {
        QList<ProviderError> errors = connectionErrors(session->db.lastError());
        QString& first = errors.first().description;
        first = QStringLiteral("Cannot connect through %1: %2").arg(targetOf(odbcText), first);
        if (kind == OdbcServerKind::SqlServer && WantsIntegratedLogin(cs))
            first += QStringLiteral(
                " (Integrated Security asks for the Windows account's login, which the SQL Server ODBC driver "
                "cannot offer on this system; put User ID and Password in the connection string instead.)");
        throw DbError(errors);
    }
    return std::make_unique<OdbcBackend>(std::move(session));
}

} // namespace kelvo::db
