#pragma once

#include "management/ReportDefinitions.h"

#include <QStringList>

namespace kelvo::sql {
class Dialect;
}

// The statements that save, copy and delete report definitions. Every text
// value is written by the dialect (escaped, N'…' on SQL Server).
namespace kelvo::management::statements {

// Another report with this title (the title as saved).
QString SameTitle(const sql::Dialect& dialect, const QString& title, qint32 reportID);
// The new report's row: title, creator and both creation dates.
QString InsertReport(const sql::Dialect& dialect, const QString& title, const ReportHeader& header);
// The identifier of the report with this title, for a server whose insert
// does not return it (titles are unique by the save's own check).
QString ReportIdOfTitle(const sql::Dialect& dialect, const QString& title);
// The header columns the manager edits.
QString UpdateHeader(const sql::Dialect& dialect, const QString& title, const ReportHeader& header, qint32 reportID);
// The query texts of the source definition, always copied with a copy.
QStringList CopyQuery(qint32 sourceID, qint32 newID);
// The presentation of the source definition, copied when the user asks for it.
QStringList CopyLayout(qint32 sourceID, qint32 newID);
// The reports that call this one.
QString CallersOf(qint32 reportID);
// The report's rows in every table that hangs off it, then the report itself.
QStringList DeleteReport(qint32 reportID);

// The report manager's reads.
QString ReportRow(qint32 reportID);
// A creator's name, in the field kCreatorNameField.
QString CreatorName(const sql::Dialect& dialect, qint32 userID);
inline const QString kCreatorNameField = QStringLiteral("Alias");
// The current user's full name, in the field FullName.
QString UserFullName(const sql::Dialect& dialect, qint32 userID);
QString BasePathView();
QString HelpBasePath(const sql::Dialect& dialect);
// The form generator's form type that edits tblKelvoReport.
QString ReportFormType();
// The maintenance tables: SQL Server's procedure, Oracle's empty-and-refill pairs.
QString MaintenanceProcedure();
QStringList RefillMaintenanceTables();

} // namespace kelvo::management::statements
