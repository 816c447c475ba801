#pragma once

#include "platform/db/Backend.h"
#include "platform/db/ConnectionString.h"

namespace kelvo::db {

enum class OdbcServerKind { SqlServer, Oracle, Generic };

// Opens a server database through ODBC (Qt SQL's ODBC driver). The OLE DB
// keys of the connection string are translated to an ODBC connection string;
// driver names come from KELVO_SQLSERVER_ODBC_DRIVER (default "FreeTDS") and
// KELVO_ORACLE_ODBC_DRIVER.
std::unique_ptr<Backend> OpenOdbcBackend(OdbcServerKind kind, const ConnectionString& connectionString);

// The ODBC connection string for an OLE DB one (exposed for tests).
QString OdbcConnectionString(OdbcServerKind kind, const ConnectionString& connectionString);

} // namespace kelvo::db
