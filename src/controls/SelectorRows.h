#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace kelvo::db {
class Connection;
}

namespace kelvo::controls {

// One row of a selector's view. Views that feed selectors have the columns
// ID (int), Code (text), Name (text) and Value (numeric).
struct SelectorRow {
    int id = 0;
    QString code;
    QString name;
    QVariant value; // null when the view has no Value or the row holds NULL
};

// The statement that lists a view, with an optional extra where-condition.
// The view name and the filter are system texts (from the windows and the
// dictionary), never user input, and are placed as they are.
QString SelectorStatement(const QString& view, const QString& filter);

// Reads the rows of a view (forward only). Every selector loads its list
// here, so the load can move to a background query in one place. An empty
// view name gives no rows. Throws db::DbError when the statement fails.
QList<SelectorRow> LoadSelectorRows(db::Connection& connection, const QString& view,
                                    const QString& filter);

// Searches of the selector, as the user types (without regard to case):
// the row whose code is text, and the rows whose code starts with / name
// contains text. Positions in rows; -1 or empty when none.
int FindRowByCode(const QList<SelectorRow>& rows, const QString& code);
int FindRowById(const QList<SelectorRow>& rows, int id);
QList<int> RowsWithCodePrefix(const QList<SelectorRow>& rows, const QString& prefix);
QList<int> RowsWithNameContaining(const QList<SelectorRow>& rows, const QString& part);

} // namespace kelvo::controls
