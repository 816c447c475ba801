#include "platform/db/odbc/OdbcBackend.h"
#include "platform/db/odbc/OdbcConnectionText.h"

#include "platform/db/DbError.h"

namespace kelvo::db {

namespace {

bool isKey(const QString& key, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool isTrue(const QString& value)
{
    const QString v = value.trimmed();
    return v.compare(QLatin1String("SSPI"), Qt::CaseInsensitive) == 0
        || v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
        || v.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
}

QString environment(const char* name)
{
    return qEnvironmentVariable(name).trimmed();
}

// SQL Server's "Data Source": "host", "host,port", "host\instance",
// optionally behind "tcp:"; "." and "(local)" name this machine.
struct ServerAddress {
    QString host;
    QString port;
};

ServerAddress parseServer(const QString& dataSource)
{
    QString s = dataSource.trimmed();
    if (s.startsWith(QLatin1String("tcp:"), Qt::CaseInsensitive))
        s = s.mid(4).trimmed();
    ServerAddress address;
    const qsizetype comma = s.indexOf(u',');
    if (comma >= 0) {
        address.port = s.mid(comma + 1).trimmed();
        s = s.left(comma).trimmed();
    }
    // A port given with an instance name wins over the instance look-up.
    if (!address.port.isEmpty()) {
        const qsizetype slash = s.indexOf(u'\\');
        if (slash >= 0)
            s = s.left(slash);
    }
    const qsizetype slash = s.indexOf(u'\\');
    const QString host = slash >= 0 ? s.left(slash) : s;
    if (host == QLatin1String(".") || host.compare(QLatin1String("(local)"), Qt::CaseInsensitive) == 0)
        s = QStringLiteral("localhost") + s.mid(host.size());
    address.host = s;
    return address;
}

QString sqlServerString(const ConnectionString& cs)
{
    const QString driver = SqlServerOdbcDriver();
    const bool freeTds = driver.contains(QLatin1String("FreeTDS"), Qt::CaseInsensitive);
    OdbcConnectionText odbc;
    odbc.add(QStringLiteral("DRIVER"), driver);

    QString server, database, uid, pwd, app, wsid;
    bool trusted = false;
    for (const auto& [key, value] : cs.pairs()) {
        if (isKey(key, {"Data Source", "Server", "Address", "Addr", "Network Address"}))
            server = value;
        else if (isKey(key, {"Initial Catalog", "Database"}))
            database = value;
        else if (isKey(key, {"User ID", "UID", "User"}))
            uid = value;
        else if (isKey(key, {"Password", "PWD"}))
            pwd = value;
        else if (isKey(key, {"Integrated Security", "Trusted_Connection"}))
            trusted = isTrue(value);
        else if (isKey(key, {"Application Name", "APP"}))
            app = value;
        else if (isKey(key, {"Workstation ID", "WSID"}))
            wsid = value;
    }

    if (!server.isEmpty()) {
        if (freeTds) {
            const ServerAddress address = parseServer(server);
            odbc.add(QStringLiteral("SERVER"), address.host);
            if (!address.port.isEmpty())
                odbc.add(QStringLiteral("PORT"), address.port);
        } else {
            odbc.add(QStringLiteral("SERVER"), server.trimmed());
        }
    }
    if (!database.isEmpty())
        odbc.add(QStringLiteral("DATABASE"), database);
    if (trusted) {
        odbc.add(QStringLiteral("Trusted_Connection"), QStringLiteral("Yes"));
    } else {
        if (!uid.isEmpty())
            odbc.add(QStringLiteral("UID"), uid);
        if (!pwd.isEmpty())
            odbc.add(QStringLiteral("PWD"), pwd);
    }
    if (!app.isEmpty())
        odbc.add(QStringLiteral("APP"), app);
    if (!wsid.isEmpty())
        odbc.add(QStringLiteral("WSID"), wsid);
    if (freeTds) {
        const QString tds = environment("KELVO_TDS_VERSION");
        if (!tds.isEmpty())
            odbc.add(QStringLiteral("TDS_Version"), tds);
        // Text passed through the narrow ODBC calls is UTF-8, so Persian
        // text in varchar columns survives.
        odbc.add(QStringLiteral("ClientCharset"), QStringLiteral("UTF-8"));
    }
    return odbc.text();
}

QString oracleString(const ConnectionString& cs)
{
    const QString driver = environment("KELVO_ORACLE_ODBC_DRIVER");
    if (driver.isEmpty())
        throw DbError(QStringLiteral(
            "No Oracle ODBC driver is configured: set the environment variable KELVO_ORACLE_ODBC_DRIVER "
            "to the name of the Oracle driver as odbcinst lists it (for example \"Oracle 21 ODBC driver\")."));
    OdbcConnectionText odbc;
    odbc.add(QStringLiteral("DRIVER"), driver);
    QString dbq, uid, pwd;
    for (const auto& [key, value] : cs.pairs()) {
        if (isKey(key, {"Data Source", "DBQ", "Server"}))
            dbq = value;
        else if (isKey(key, {"User ID", "UID", "User"}))
            uid = value;
        else if (isKey(key, {"Password", "PWD"}))
            pwd = value;
    }
    if (!dbq.isEmpty())
        odbc.add(QStringLiteral("DBQ"), dbq);
    if (!uid.isEmpty())
        odbc.add(QStringLiteral("UID"), uid);
    if (!pwd.isEmpty())
        odbc.add(QStringLiteral("PWD"), pwd);
    return odbc.text();
}

QString genericString(const ConnectionString& cs)
{
    OdbcConnectionText odbc;
    for (const auto& [key, value] : cs.pairs()) {
        if (isKey(key, {"Provider"}))
            continue;
        if (isKey(key, {"Extended Properties"}))
            odbc.addRaw(value); // already an ODBC connection string
        else if (isKey(key, {"Data Source"}))
            odbc.add(QStringLiteral("DSN"), value); // the OLE DB name of the data source
        else
            odbc.add(key, value);
    }
    return odbc.text();
}

} // namespace

QString OdbcValue(const QString& value)
{
    const bool needsBraces = value.contains(u';') || value.contains(u'}') || value.startsWith(u'{')
        || (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace()));
    if (!needsBraces)
        return value;
    QString escaped = value;
    escaped.replace(QLatin1String("}"), QLatin1String("}}"));
    return u'{' + escaped + u'}';
}

void OdbcConnectionText::add(const QString& key, const QString& value)
{
    if (!m_text.isEmpty())
        m_text += u';';
    // The driver name is braced always, as ODBC's own examples write it.
    if (key.compare(QLatin1String("DRIVER"), Qt::CaseInsensitive) == 0 && !value.startsWith(u'{')) {
        QString escaped = value;
        escaped.replace(QLatin1String("}"), QLatin1String("}}"));
        m_text += key + QStringLiteral("={") + escaped + u'}';
    } else {
        m_text += key + u'=' + OdbcValue(value);
    }
}

void OdbcConnectionText::addRaw(const QString& pairs)
{
    QString text = pairs.trimmed();
    while (text.endsWith(u';'))
        text.chop(1);
    if (text.isEmpty())
        return;
    if (!m_text.isEmpty())
        m_text += u';';
    m_text += text;
}

QString SqlServerOdbcDriver()
{
    const QString driver = environment("KELVO_SQLSERVER_ODBC_DRIVER");
    return driver.isEmpty() ? QStringLiteral("FreeTDS") : driver;
}

bool WantsIntegratedLogin(const ConnectionString& cs)
{
    for (const auto& [key, value] : cs.pairs())
        if (isKey(key, {"Integrated Security", "Trusted_Connection"}) && isTrue(value))
            return true;
    return false;
}

QString OdbcConnectionString(OdbcServerKind kind, const ConnectionString& cs)
{
    switch (kind) {
    case OdbcServerKind::SqlServer:
        return sqlServerString(cs);
    case OdbcServerKind::Oracle:
        return oracleString(cs);
    case OdbcServerKind::Generic:
        break;
    }
    return genericString(cs);
}

} // namespace kelvo::db
