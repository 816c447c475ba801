#pragma once

#include <QString>
#include <QStringList>

namespace kelvo::db {
class SqliteBackend;
}

namespace kelvo::schema {

// The text of a schema script shipped in the library's resources, by its
// path under schema/ ("sqlite/repository.sql"). Throws db::DbError when
// there is no such script.
QString SchemaScript(const QString& relativePath);

// Splits a script into statements at ";" outside string literals, quoted
// names and comments; comments are dropped, blank statements skipped.
QStringList SplitSqlScript(const QString& script);

// Runs every statement of a script through the store, in order, so that
// procedure declarations and the dialect's rewriting apply as to any
// statement of the system.
void RunSqlScript(db::SqliteBackend& backend, const QString& script);

} // namespace kelvo::schema
