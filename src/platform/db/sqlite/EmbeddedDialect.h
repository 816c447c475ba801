#pragma once

#include <QString>

namespace kelvo::db {

class SqliteBackend;

// Rewrites one of the system's SQL Server statements into SQLite's dialect.
// Works on tokens: string literals, quoted and bracketed names pass through
// untouched.
QString RewriteForSqlite(const QString& sql);

// Registers the SQL Server functions the system's statements use.
void InstallDialectFunctions(SqliteBackend& backend);

} // namespace kelvo::db
