#include "controls/SelectorRows.h"

#include "platform/db/Connection.h"

namespace kelvo::controls {

QString SelectorStatement(const QString& view, const QString& filter)
{
    QString sql = QStringLiteral("Select * From ") + view;
    if (!filter.trimmed().isEmpty())
        sql += QStringLiteral(" Where ") + filter;
    return sql + QStringLiteral(" Order By Name");
}

QList<SelectorRow> LoadSelectorRows(db::Connection& connection, const QString& view,
                                    const QString& filter)
{
    QList<SelectorRow> rows;
    if (view.trimmed().isEmpty())
        return rows;
    db::Recordset rs =
        connection.openRecordset(SelectorStatement(view, filter), {}, db::CursorType::ForwardOnly);
    const bool hasValue = rs.hasField(QStringLiteral("Value"));
    while (!rs.eof()) {
        SelectorRow row;
        row.id = rs.value(QStringLiteral("ID")).toInt();
        row.code = rs.text(QStringLiteral("Code"));
        row.name = rs.text(QStringLiteral("Name"));
        if (hasValue)
            row.value = rs.value(QStringLiteral("Value"));
        rows.append(row);
        rs.moveNext();
    }
    return rows;
}

int FindRowByCode(const QList<SelectorRow>& rows, const QString& code)
{
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].code.compare(code, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int FindRowById(const QList<SelectorRow>& rows, int id)
{
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].id == id)
            return i;
    return -1;
}

QList<int> RowsWithCodePrefix(const QList<SelectorRow>& rows, const QString& prefix)
{
    QList<int> found;
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].code.startsWith(prefix, Qt::CaseInsensitive))
            found.append(i);
    return found;
}

QList<int> RowsWithNameContaining(const QList<SelectorRow>& rows, const QString& part)
{
    QList<int> found;
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].name.contains(part, Qt::CaseInsensitive))
            found.append(i);
    return found;
}

} // namespace kelvo::controls
