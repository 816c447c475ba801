#pragma once

#include "platform/db/Backend.h"
#include "platform/db/ConnectionString.h"

namespace kelvo::db {

enum class OdbcServerKind { SqlServer, Oracle, Generic };

// Opens a server database through ODBC (Qt SQL's ODBC driver). The OLE DB
// keys of the connection string are translated to an ODBC connection string;
// driver names come from KELVO_SQLSERVER_ODBC_DRIVER (default "FreeTDS") and
// KELVO_ORACLE_ODBC_DRIVER. Throws DbError when the connection fails.
//
// Qt ties a database connection to the thread that opened it: the backend
// is used from its opening thread only; cancel() may come from any thread.
// On SQL Server a forward-only cursor keeps the connection busy until its
// last row is read (no second statement runs on it meanwhile).
std::unique_ptr<Backend> OpenOdbcBackend(OdbcServerKind kind, const ConnectionString& connectionString);

// The ODBC connection string for an OLE DB one (exposed for tests). Throws
// DbError for Oracle when KELVO_ORACLE_ODBC_DRIVER is not set.
QString OdbcConnectionString(OdbcServerKind kind, const ConnectionString& connectionString);

} // namespace kelvo::db
