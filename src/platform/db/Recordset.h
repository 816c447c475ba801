#pragma once

#include "platform/db/Backend.h"

namespace kelvo::db {

enum class CursorType {
    ForwardOnly, // rows are read from the server as the caller moves on
    Static,      // every row is read at open; any move is allowed
};

// The rows of one statement with a current position, as callers walk them:
// while (!rs.eof()) { rs.value("Name"); rs.moveNext(); }.
// Fields are found by name without regard to case, or by index.
class Recordset {
public:
    Recordset() = default;
    Recordset(std::unique_ptr<Cursor> cursor, CursorType type, QString statement = {});
    Recordset(Recordset&&) noexcept = default;
    Recordset& operator=(Recordset&&) noexcept = default;

    bool isOpen() const { return m_open; }
    void close();

    bool eof() const;
    bool bof() const;
    bool isEmpty() const { return bof() && eof(); }
    void moveNext();
    void movePrevious();
    void moveFirst();
    void moveLast();
    // Number of rows; -1 for a forward-only recordset.
    int recordCount() const;

    int fieldCount() const { return int(m_columns.size()); }
    QString fieldName(int index) const { return m_columns.value(index); }
    bool hasField(const QString& name) const;
    // Value of the current row. Throws DbError for an unknown field or when
    // there is no current row.
    QVariant value(int index) const;
    QVariant value(const QString& name) const;
    bool isNull(const QString& name) const { return value(name).isNull(); }
    // Text of a field, a NULL giving an empty text.
    QString text(const QString& name) const { return value(name).toString(); }
    // A bit field: set when it is neither NULL nor 0.
    bool isSet(const QString& name) const
    {
        const QVariant v = value(name);
        return !v.isNull() && v.toInt() != 0;
    }

    const QStringList& columns() const { return m_columns; }

private:
    int indexOf(const QString& name) const;
    void requireRow() const;
    void requireScrollable(const char* move) const;
    void fetchForward();

    std::unique_ptr<Cursor> m_cursor;
    CursorType m_type = CursorType::Static;
    QString m_statement;
    QStringList m_columns;
    std::vector<QVariantList> m_rows; // every row (static) or the current one (forward)
    qsizetype m_pos = 0;
    bool m_atEnd = true;
    bool m_open = false;
};

} // namespace kelvo::db
