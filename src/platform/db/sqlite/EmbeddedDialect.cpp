#include "platform/db/sqlite/EmbeddedDialect.h"

#include "platform/db/sqlite/SqliteBackend.h"

namespace kelvo::db {

QString RewriteForSqlite(const QString& sql)
{
    return sql;
}

void InstallDialectFunctions(SqliteBackend&)
{
}

} // namespace kelvo::db
