#include "platform/db/Recordset.h"

#include "platform/db/DbError.h"

namespace kelvo::db {

bool Cursor::fetchBatch(RowBatch& batch, qsizetype maxRows)
{
    QVariantList row;
    qsizetype fetched = 0;
    while (fetched < maxRows && fetch(row)) {
        for (const QVariant& v : row)
            batch.appendValue(v);
        ++fetched;
    }
    return fetched > 0;
}

ColumnType ColumnTypeOfDeclared(const QString& declaredType)
{
    const QString t = declaredType.trimmed().toLower();
    if (t.isEmpty())
        return ColumnType::Unknown;
    if (t.contains(QLatin1String("date")) || t.contains(QLatin1String("time")))
        return ColumnType::Date;
    if (t.contains(QLatin1String("char")) || t.contains(QLatin1String("text")) || t.contains(QLatin1String("clob")))
        return ColumnType::Text;
    if (t.contains(QLatin1String("int")) || t == QLatin1String("bit"))
        return ColumnType::Integer;
    if (t.contains(QLatin1String("real")) || t.contains(QLatin1String("float")) || t.contains(QLatin1String("doub")) ||
        t.contains(QLatin1String("money")) || t.contains(QLatin1String("dec")) || t.contains(QLatin1String("num")))
        return ColumnType::Real;
    if (t.contains(QLatin1String("blob")) || t.contains(QLatin1String("binary")) || t.contains(QLatin1String("image")))
        return ColumnType::Blob;
    return ColumnType::Unknown;
}

QVariant ProcedureResult::parameter(const QString& name) const
{
    for (const auto& p : parameters)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return p.value;
    return {};
}

Recordset::Recordset(std::unique_ptr<Cursor> cursor, CursorType type, QString statement)
    : m_cursor(std::move(cursor)), m_type(type), m_statement(std::move(statement)), m_open(true)
{
    m_columns = m_cursor->columns();
    if (m_type == CursorType::Static) {
        QVariantList row;
        while (m_cursor->fetch(row))
            m_rows.push_back(std::move(row));
        m_cursor.reset();
        m_pos = 0;
        m_atEnd = m_rows.empty();
    } else {
        m_rows.resize(1);
        fetchForward();
    }
}

void Recordset::fetchForward()
{
    m_atEnd = !m_cursor || !m_cursor->fetch(m_rows[0]);
    if (m_atEnd)
        m_cursor.reset();
}

void Recordset::close()
{
    m_cursor.reset();
    m_rows.clear();
    m_columns.clear();
    m_open = false;
    m_atEnd = true;
}

bool Recordset::eof() const
{
    if (m_type == CursorType::ForwardOnly)
        return m_atEnd;
    return m_pos >= qsizetype(m_rows.size());
}

bool Recordset::bof() const
{
    if (m_type == CursorType::ForwardOnly)
        return m_atEnd && m_pos == 0;
    return m_pos < 0 || m_rows.empty();
}

void Recordset::moveNext()
{
    if (eof())
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."), 0,
                      m_statement);
    ++m_pos;
    if (m_type == CursorType::ForwardOnly)
        fetchForward();
}

void Recordset::requireScrollable(const char* move) const
{
    if (m_type == CursorType::ForwardOnly)
        throw DbError(QStringLiteral("Rowset does not support fetching backward (%1).").arg(QLatin1String(move)), 0,
                      m_statement);
}

void Recordset::movePrevious()
{
    requireScrollable("MovePrevious");
    if (m_pos >= 0)
        --m_pos;
}

void Recordset::moveFirst()
{
    if (m_type == CursorType::ForwardOnly && m_pos == 0)
        return; // still on the first row
    requireScrollable("MoveFirst");
    m_pos = 0;
}

void Recordset::moveLast()
{
    requireScrollable("MoveLast");
    m_pos = qsizetype(m_rows.size()) - 1;
    if (m_pos < 0)
        m_pos = 0;
}

int Recordset::recordCount() const
{
    return m_type == CursorType::ForwardOnly ? -1 : int(m_rows.size());
}

int Recordset::indexOf(const QString& name) const
{
    // Results have few columns: a scan beats building an index per recordset.
    // The first of equal names wins.
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool Recordset::hasField(const QString& name) const
{
    return indexOf(name) >= 0;
}

void Recordset::requireRow() const
{
    if (eof() || bof())
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."), 0,
                      m_statement);
}

QVariant Recordset::value(int index) const
{
    requireRow();
    if (index < 0 || index >= fieldCount())
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name "
                                     "or ordinal (%1).").arg(index), 0, m_statement);
    const auto& row = m_type == CursorType::ForwardOnly ? m_rows[0] : m_rows[size_t(m_pos)];
    return row.value(index);
}

QVariant Recordset::value(const QString& name) const
{
    const int index = indexOf(name);
    if (index < 0)
        throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name "
                                     "or ordinal (%1).").arg(name), 0, m_statement);
    return value(index);
}

} // namespace kelvo::db
