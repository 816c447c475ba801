#pragma once

#include "platform/db/Backend.h"

namespace kelvo::db {

class SqliteBackend;

// Creates the store's own tables in a new catalogue (procedure definitions).
void CreateStoreTables(SqliteBackend& backend);

// Runs "CREATE PROCEDURE …" and "DROP PROCEDURE …"; false for any other statement.
bool HandleProcedureDefinition(SqliteBackend& backend, const QString& sql);

// Runs "EXEC name args" (also "EXECUTE"); null for any other statement.
std::unique_ptr<Cursor> RunProcedureStatement(SqliteBackend& backend, const QString& sql, const QVariantList& params);

// Calls a stored procedure of the catalogue with named parameters.
ProcedureResult CallEmbeddedProcedure(SqliteBackend& backend, const QString& name,
                                      std::vector<ProcedureParameter> params);

} // namespace kelvo::db
