#include "platform/db/DbError.h"
#include "platform/db/odbc/OdbcBackend.h"

#include <gtest/gtest.h>

using namespace kelvo::db;

namespace {

// Sets (or, for an empty value, clears) the driver variables for one test
// and restores them afterwards.
class DriverEnvironment {
public:
    DriverEnvironment(const QByteArray& sqlServerDriver, const QByteArray& tdsVersion, const QByteArray& oracleDriver)
    {
        set("KELVO_SQLSERVER_ODBC_DRIVER", sqlServerDriver);
        set("KELVO_TDS_VERSION", tdsVersion);
        set("KELVO_ORACLE_ODBC_DRIVER", oracleDriver);
    }
    ~DriverEnvironment()
    {
        for (const auto& [name, value] : m_saved) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

private:
    void set(const char* name, const QByteArray& value)
    {
        m_saved.push_back({name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray()});
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

struct Translation {
    const char* what;
    OdbcServerKind kind;
    QByteArray sqlServerDriver;
    QByteArray tdsVersion;
    QByteArray oracleDriver;
    QString oleDb;
    QString odbc;
};

} // namespace

TEST(OdbcConnectionString, TranslatesOleDbKeys)
{
    const auto sql = OdbcServerKind::SqlServer;
    const auto ora = OdbcServerKind::Oracle;
    const auto gen = OdbcServerKind::Generic;
    const QString tail = ";ClientCharset=UTF-8";
    const Translation cases[] = {
        {"host's usual SQL Server string", sql, "", "", "",
         "Provider=SQLOLEDB.1;Password=secret;Persist Security Info=True;User ID=sa;Initial Catalog=Acc;"
         "Data Source=srv01",
         "DRIVER={FreeTDS};SERVER=srv01;DATABASE=Acc;UID=sa;PWD=secret" + tail},
        {"ODBC-style key names", sql, "", "", "", "Provider=SQLNCLI11;Server=srv;Database=Acc;UID=u;PWD=p",
         "DRIVER={FreeTDS};SERVER=srv;DATABASE=Acc;UID=u;PWD=p" + tail},
        {"host,port becomes PORT", sql, "", "", "", "Provider=SQLOLEDB;Data Source=10.0.0.5,1533;Initial Catalog=Acc",
         "DRIVER={FreeTDS};SERVER=10.0.0.5;PORT=1533;DATABASE=Acc" + tail},
        {"tcp: prefix and blanks", sql, "", "", "", "Provider=SQLOLEDB;Data Source=tcp:srv , 1600",
         "DRIVER={FreeTDS};SERVER=srv;PORT=1600" + tail},
        {"named instance kept for the driver's look-up", sql, "", "", "",
         "Provider=MSOLEDBSQL;Data Source=srv\\SQLEXPRESS;Initial Catalog=Acc",
         "DRIVER={FreeTDS};SERVER=srv\\SQLEXPRESS;DATABASE=Acc" + tail},
        {"a port wins over an instance", sql, "", "", "", "Provider=SQLOLEDB;Data Source=srv\\SQLEXPRESS,1500",
         "DRIVER={FreeTDS};SERVER=srv;PORT=1500" + tail},
        {"this machine", sql, "", "", "", "Provider=SQLOLEDB;Data Source=(local);Initial Catalog=Acc",
         "DRIVER={FreeTDS};SERVER=localhost;DATABASE=Acc" + tail},
        {"this machine's instance", sql, "", "", "", "Provider=SQLOLEDB;Data Source=.\\SQLEXPRESS",
         "DRIVER={FreeTDS};SERVER=localhost\\SQLEXPRESS" + tail},
        {"integrated security", sql, "", "", "",
         "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial Catalog=Acc;Data Source=srv",
         "DRIVER={FreeTDS};SERVER=srv;DATABASE=Acc;Trusted_Connection=Yes" + tail},
        {"trusted connection", sql, "", "", "", "Provider=SQLNCLI;Trusted_Connection=yes;Data Source=srv",
         "DRIVER={FreeTDS};SERVER=srv;Trusted_Connection=Yes" + tail},
        {"TDS version from the environment", sql, "", "7.4", "", "Provider=SQLOLEDB;Data Source=srv;User ID=sa",
         "DRIVER={FreeTDS};SERVER=srv;UID=sa;TDS_Version=7.4" + tail},
        {"another SQL Server driver keeps host,port", sql, "ODBC Driver 18 for SQL Server", "7.4", "",
         "Provider=SQLOLEDB;Data Source=srv,1533;Initial Catalog=Acc;User ID=sa;Password=p",
         "DRIVER={ODBC Driver 18 for SQL Server};SERVER=srv,1533;DATABASE=Acc;UID=sa;PWD=p"},
        {"password with ; and }", sql, "", "", "", "Provider=SQLOLEDB;Data Source=srv;User ID=sa;Password=\"a;b}c\"",
         "DRIVER={FreeTDS};SERVER=srv;UID=sa;PWD={a;b}}c}" + tail},
        {"password starting with {", sql, "", "", "", "Provider=SQLOLEDB;Data Source=srv;Password={x",
         "DRIVER={FreeTDS};SERVER=srv;PWD={{x}" + tail},
        {"Persian catalogue name", sql, "", "", "", QString::fromUtf8("Provider=SQLOLEDB;Data Source=srv;Initial Catalog=حسابداری"),
         QString::fromUtf8("DRIVER={FreeTDS};SERVER=srv;DATABASE=حسابداری") + tail},
        {"Oracle", ora, "", "", "Oracle 21 ODBC driver", "Provider=MSDAORA.1;Password=p;User ID=scott;Data Source=orcl",
         "DRIVER={Oracle 21 ODBC driver};DBQ=orcl;UID=scott;PWD=p"},
        {"Oracle password with ;", ora, "", "", "OracleODBC", "Provider=MSDAORA.1;User ID=u;Password='p;q';Data Source=//h:1521/x",
         "DRIVER={OracleODBC};DBQ=//h:1521/x;UID=u;PWD={p;q}"},
        {"generic pairs pass through", gen, "", "", "", "Provider=MSDASQL;Driver=SQLite3;Database=/tmp/a b.db;Timeout=5",
         "Driver={SQLite3};Database=/tmp/a b.db;Timeout=5"},
        {"generic data source is the DSN", gen, "", "", "", "Provider=MSDASQL.1;Data Source=Accounts;UID=u;PWD=\"x;y\"",
         "DSN=Accounts;UID=u;PWD={x;y}"},
        {"generic extended properties are ODBC text", gen, "", "", "",
         "Provider=MSDASQL.1;Extended Properties=\"DSN=Accounts;UID=u;\"", "DSN=Accounts;UID=u"},
    };
    for (const Translation& c : cases) {
        DriverEnvironment env(c.sqlServerDriver, c.tdsVersion, c.oracleDriver);
        EXPECT_EQ(OdbcConnectionString(c.kind, ConnectionString(c.oleDb)), c.odbc) << c.what;
    }
}

TEST(OdbcConnectionString, OracleWithoutConfiguredDriverNamesTheVariable)
{
    DriverEnvironment env("", "", "");
    const ConnectionString cs("Provider=MSDAORA.1;Password=p;User ID=u;Data Source=orcl");
    try {
        OdbcConnectionString(OdbcServerKind::Oracle, cs);
        FAIL() << "an Oracle string without a configured driver must not translate";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains("KELVO_ORACLE_ODBC_DRIVER")) << e.description().toStdString();
    }
    // Opening fails the same way, before any driver is tried.
    try {
        OpenOdbcBackend(OdbcServerKind::Oracle, cs);
        FAIL() << "opening Oracle without a configured driver must fail";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains("KELVO_ORACLE_ODBC_DRIVER"));
    }
}
