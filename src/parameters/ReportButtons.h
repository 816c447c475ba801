#pragma once

#include "repository/Procedures.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace kelvo::db {
class Connection;
}

// A report's action buttons as the button dialogs read and write them: each
// calls a stored procedure with one value per parameter, a result column's
// heading or a constant.
namespace kelvo::parameters {

struct ButtonEntry {
    qint32 id = 0;
    QString caption, procedure;
};
// The report's buttons in the order the database returns them.
QList<ButtonEntry> ReportButtons(db::Connection& db, qint32 reportID);

struct ButtonDefinition {
    qint32 id = 0; // 0 for a new button
    QString caption, procedure;
    QStringList values; // in call order: headings or constants
};
std::optional<ButtonDefinition> LoadButton(db::Connection& db, qint32 buttonID);
// The procedure's identifier in the catalogue's procedure view; none when
// there is no such procedure.
std::optional<int> StoredProcedureID(db::Connection& db, const QString& name);

// Writes the button of the report and its values, each typed by the
// procedure's parameter at its position, in one transaction; returns the
// button's identifier (read back from the insert of a new one).
qint32 SaveButton(db::Connection& db, qint32 reportID, const ButtonDefinition& button,
                  const QList<repository::ProcedureParameterInfo>& parameters);
// Deletes the button, its values first, in one transaction.
void DeleteButton(db::Connection& db, qint32 buttonID);

} // namespace kelvo::parameters
