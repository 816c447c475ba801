#pragma once

#include "management/ReportDefinitions.h"

#include <QString>
#include <optional>

namespace kelvo::db {
class Connection;
}

// What the report manager reads and runs besides saving and deleting: the
// shown definition, the user's name, the host's base path, the dictionary
// refresh, the form generator's form type and the maintenance tables.
namespace kelvo::management {

// The definition with this identifier, with its creator's name; none when
// there is no such row.
std::optional<ReportHeader> LoadReportHeader(db::Connection& db, qint32 reportID);

// The full name of a user as the creator box shows it; empty without a row.
QString UserFullName(db::Connection& db, qint32 userID);

// The host's installation folder from vwKelvoBasePath; none without a row.
std::optional<QString> ReadBasePath(db::Connection& db);
// The base path the help file is found under (tblKelvoBasePath); none
// without a row.
std::optional<QString> ReadHelpBasePath(db::Connection& db);

// Refreshes the dictionary from the server's tables (spKelvoUpdateTables).
void UpdateDictionaryTables(db::Connection& db);

// The form type of the host's form generator that edits reports; none when
// the host has none.
std::optional<qint32> ReportFormType(db::Connection& db);

// Refills the maintenance module's four snapshot tables from their views:
// on SQL Server through its procedure, on Oracle table by table in one
// transaction.
void RefillMaintenanceTables(db::Connection& db);

} // namespace kelvo::management
