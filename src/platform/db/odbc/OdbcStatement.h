#pragma once

#include "platform/db/Backend.h"

#include <QByteArray>

#include <vector>

namespace kelvo::db {

// "{? = call name(?, ?, …)}": the ODBC call of a stored procedure with its
// return value and parameterCount parameters, bound by position.
QString OdbcProcedureCallText(const QString& name, int parameterCount);

// One statement run through the ODBC API itself on a connection handle that
// Qt's driver opened (so it shares that connection's transaction).
// Parameters are bound in buffers that live as long as this object: SQL
// Server sends output values and the return value after the last result
// row, and they must land in memory that still exists then.
class OdbcStatement {
public:
    struct Parameter {
        QVariant value; // its type chooses the ODBC type; a null of a given type keeps that type
        ParameterDirection direction = ParameterDirection::Input;
    };

    // Allocates a statement on connectionHandle (an SQLHDBC). Throws DbError.
    explicit OdbcStatement(void* connectionHandle);
    ~OdbcStatement();
    OdbcStatement(const OdbcStatement&) = delete;
    OdbcStatement& operator=(const OdbcStatement&) = delete;

    // The SQLHSTMT, for SQLCancel from another thread.
    void* handle() const { return m_statement; }

    // Binds parameters by position and runs text. Throws DbError with the
    // driver's records and the text.
    void execute(const QString& text, const std::vector<Parameter>& parameters);
    // Moves to the next result that has columns (the first call looks at the
    // statement's own first result); false when none is left.
    bool nextRowSet();
    const QStringList& columns() const { return m_columns; }
    // The next row of the current result; false after its last row.
    bool fetch(QVariantList& row);
    // Reads through the remaining results; output values are final after it.
    void finish();
    // The value of parameter index (0-based, as given to execute()) once
    // finish() has run; a NULL is a null QVariant.
    QVariant output(int index) const;

private:
    struct Bound {
        QByteArray buffer;
        qint64 indicator = 0;
        short cType = 0;
    };
    struct Column {
        QString name;
        short sqlType = 0;
    };

    [[noreturn]] void fail() const;
    void bind(int index, const Parameter& parameter, Bound& bound);
    QVariant columnValue(int index, short sqlType);
    QByteArray readLong(int index, short cType, int terminatorSize);

    void* m_statement = nullptr;
    QString m_text;
    std::vector<Bound> m_bound;
    std::vector<Column> m_columnInfo;
    QStringList m_columns;
    bool m_started = false;
    bool m_done = false;
};

} // namespace kelvo::db
