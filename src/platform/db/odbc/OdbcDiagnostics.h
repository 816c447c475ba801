#pragma once

#include "platform/db/DbError.h"

namespace kelvo::db {

// The diagnostic records ODBC holds for a handle (SQL_HANDLE_ENV, _DBC or
// _STMT), in order: message, native error code and SQLSTATE of each.
QList<ProviderError> OdbcDiagnostics(short handleType, void* handle);

// True when a record reports a cancelled operation (SQLSTATE HY008).
bool HasCancelState(const QList<ProviderError>& errors);

} // namespace kelvo::db
