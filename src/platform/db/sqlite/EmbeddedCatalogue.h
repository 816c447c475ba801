#pragma once

#include <QString>

namespace kelvo::db {

class SqliteBackend;

// The SQL Server type a declared column or parameter type stands for:
// "nvarchar(100)" is xtype 231 of length 200 (bytes, as syscolumns gives it).
struct SqlServerType {
    QString name;   // lower case, without size ("nvarchar")
    int xtype = 0;  // systypes.xtype
    int length = 0; // syscolumns.length; -1 for (max)
};
SqlServerType MapDeclaredType(const QString& declared);

// Installs the catalogue views sysobjects, syscolumns and systypes (views of
// the catalogue over its own schema, so they always show it as it is; made
// when missing or outdated). Tables and views are listed with xtype 'U' and
// 'V', stored procedures with 'P'; syscolumns lists the columns of tables
// and the parameters ("@name") of procedures.
void InstallCatalogueViews(SqliteBackend& backend);

// Object id of a stored procedure in sysobjects.
qint64 ProcedureObjectId(qint64 procedureId);

} // namespace kelvo::db
