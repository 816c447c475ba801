#pragma once

#include "platform/db/RowBatch.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <vector>

namespace kelvo::db {

// What a result column holds, as far as the database says.
enum class ColumnType { Unknown, Integer, Real, Text, Date, Blob };

// The column type of a declared SQL type name ("int", "nvarchar(50)",
// "money", "datetime"); Unknown for none.
ColumnType ColumnTypeOfDeclared(const QString& declaredType);

// A stream of result rows. fetch() fills row with the next row's values
// (a NULL is a null QVariant, distinct from an empty text) and answers false
// after the last row.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual const QStringList& columns() const = 0;
    virtual bool fetch(QVariantList& row) = 0;
    // The columns' types; Unknown where the database does not say.
    virtual QList<ColumnType> columnTypes() const { return QList<ColumnType>(columns().size(), ColumnType::Unknown); }
    // Appends up to maxRows rows to batch; false when no row was left.
    virtual bool fetchBatch(RowBatch& batch, qsizetype maxRows);
    // Moves on to the next result set of a procedure (columns() then names
    // its columns); false when there is none.
    virtual bool nextResultSet() { return false; }
};

// Rows already held in memory (built-in catalogues, procedure results).
class MemoryCursor final : public Cursor {
public:
    MemoryCursor(QStringList columns, std::vector<QVariantList> rows)
        : m_columns(std::move(columns)), m_rows(std::move(rows)) {}
    const QStringList& columns() const override { return m_columns; }
    bool fetch(QVariantList& row) override
    {
        if (m_next >= m_rows.size())
            return false;
        row = m_rows[m_next++];
        return true;
    }

private:
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
    size_t m_next = 0;
};

enum class ParameterDirection { Input, Output, InputOutput };

// One named parameter of a stored-procedure call ("@Name"); output
// parameters receive their value when the call returns.
struct ProcedureParameter {
    QString name;
    QVariant value;
    ParameterDirection direction = ParameterDirection::Input;
};

struct ExecResult {
    qint64 rowsAffected = 0;
    // Identifier of the row the statement inserted (identity column), if any.
    QVariant lastInsertId;
};

struct ProcedureResult {
    QVariant returnValue;
    std::vector<ProcedureParameter> parameters; // with output values filled in
    std::unique_ptr<Cursor> rows;               // the procedure's result set, when it has one

    QVariant parameter(const QString& name) const;
};

// What one provider offers. Statements carry positional "?" parameters bound
// from params. cancel() may be called from any thread; the running statement
// then fails with CancelledError. A connection owns its backend by a shared
// pointer; the backend's cursors share it, so they outlive a close.
class Backend : public std::enable_shared_from_this<Backend> {
public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<Cursor> query(const QString& sql, const QVariantList& params) = 0;
    virtual ExecResult execute(const QString& sql, const QVariantList& params) = 0;
    virtual ProcedureResult callProcedure(const QString& name, std::vector<ProcedureParameter> params) = 0;

    virtual void beginTransaction() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;

    // A savepoint inside the open transaction, in the standard form; a
    // server with another form overrides these.
    virtual void savepoint(const QString& name) { execute(QStringLiteral("SAVEPOINT ") + name, {}); }
    virtual void rollbackToSavepoint(const QString& name)
    {
        execute(QStringLiteral("ROLLBACK TO SAVEPOINT ") + name, {});
    }
    virtual void releaseSavepoint(const QString& name) { execute(QStringLiteral("RELEASE SAVEPOINT ") + name, {}); }

    virtual void cancel() = 0;
};

} // namespace kelvo::db
