#include "platform/db/sqlite/EmbeddedProcedures.h"

#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"

namespace kelvo::db {

void CreateStoreTables(SqliteBackend&)
{
}

bool HandleProcedureDefinition(SqliteBackend&, const QString&)
{
    return false;
}

std::unique_ptr<Cursor> RunProcedureStatement(SqliteBackend&, const QString&, const QVariantList&)
{
    return nullptr;
}

ProcedureResult CallEmbeddedProcedure(SqliteBackend&, const QString& name, std::vector<ProcedureParameter>)
{
    throw DbError(QStringLiteral("Could not find stored procedure '%1'.").arg(name), 2812);
}

} // namespace kelvo::db
