#include "platform/db/odbc/OdbcBackend.h"

#include "platform/db/DbError.h"

namespace kelvo::db {

QString OdbcConnectionString(OdbcServerKind, const ConnectionString& cs)
{
    return cs.text();
}

std::unique_ptr<Backend> OpenOdbcBackend(OdbcServerKind kind, const ConnectionString& cs)
{
    throw DbError(QStringLiteral("ODBC is not available."));
}

} // namespace kelvo::db
