#pragma once

#include "platform/db/ConnectionString.h"

#include <QString>

namespace kelvo::db {

// An ODBC value as it may stand in a connection string: braced, with "}"
// doubled, when it holds ";" or "}", starts with "{" or has outer blanks.
QString OdbcValue(const QString& value);

// Builds "KEY=value;KEY=value" with values escaped by OdbcValue; the DRIVER
// name is always braced.
class OdbcConnectionText {
public:
    void add(const QString& key, const QString& value);
    // Appends pairs that are ODBC connection text already.
    void addRaw(const QString& pairs);
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The SQL Server ODBC driver: KELVO_SQLSERVER_ODBC_DRIVER, else "FreeTDS".
QString SqlServerOdbcDriver();

// True when the string asks for the Windows account's login
// ("Integrated Security=SSPI", "Trusted_Connection=yes").
bool WantsIntegratedLogin(const ConnectionString& connectionString);

} // namespace kelvo::db
