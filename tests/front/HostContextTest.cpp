#include "HostTables.h"

#include "front/HostContext.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DbError.h"

#include <functional>
#include "platform/os/OsVersion.h"

using namespace kelvo;
using front::ContextStart;
using front::HostProperties;
using front::Session;

namespace {

struct ContextStartTest : HostTables {
    void SetUp() override
    {
        HostTables::SetUp();
        run("INSERT INTO tblUser (ID, FullName) VALUES (7, ?)", {QString::fromUtf8("مریم احمدی")});
        run("INSERT INTO tblUser (ID, FullName) VALUES (8, NULL)");
        run("INSERT INTO tblEmployee (ID, FirstName, SureName) VALUES (21, ?, ?)",
            {QString::fromUtf8("مریم"), QString::fromUtf8("احمدی")});
        run("INSERT INTO tblPosition (ID, Name) VALUES (3, ?)", {QString::fromUtf8("کارشناس مالی")});
    }

    HostProperties properties(qint16 user = 7) const
    {
        HostProperties p;
        p.UserID = user;
        p.EmployeeID = 21;
        p.PositionID = 3;
        p.systemID = 12;
        p.ReportID = 345;
        p.OleConnectionString = connectionString;
        return p;
    }
};

} // namespace

TEST_F(ContextStartTest, FullStartFillsIdentityNamesAndConnections)
{
    os::ScopedOsMajorVersion version(6);
    Session session;
    HostProperties p = properties();
    p.FormLightColor = 0x010203;
    p.FormMidColor = 0x040506;
    p.FormDorkColor = 0x070809;
    front::StartContext(session, p, ContextStart::Full);

    const front::HostContext& c = session.context;
    EXPECT_EQ(c.CurrentConnectionString, connectionString);
    EXPECT_EQ(c.CurrentUserID, 7);
    EXPECT_EQ(c.CurrentEmployeeID, 21);
    EXPECT_EQ(c.CurrentPositionID, 3);
    EXPECT_EQ(c.CurrentSystemID, 12);
    EXPECT_EQ(c.CurrentReportID, "345");
    EXPECT_EQ(c.CurrentUserName, QString::fromUtf8("مریم احمدی"));
    EXPECT_EQ(c.CurrentEmployeeName, QString::fromUtf8("مریم  احمدی")); // two spaces
    EXPECT_EQ(c.CurrentPositionName, QString::fromUtf8("کارشناس مالی"));
    EXPECT_EQ(c.FarsiKeyboardLayout, "00000429");
    EXPECT_EQ(c.FormLightColorValue, 0x010203u);
    EXPECT_EQ(c.FormMidColorValue, 0x040506u);
    EXPECT_EQ(c.FormDorkColorValue, 0x070809u);
    EXPECT_TRUE(c.QueryBuilderFlag);
    EXPECT_FALSE(c.ModalWindows);

    EXPECT_EQ(session.DtEn.provider(), "SQLite");
    EXPECT_EQ(session.DtEnSec.connectionString(), connectionString);
    // The master connection reaches the server's Master catalogue, which
    // lists the catalogue in use.
    EXPECT_TRUE(session.DtEnMajor.connectionString().endsWith(";Initial Catalog=Master"));
    db::Recordset rs = session.DtEnMajor.openRecordset("Select Name from SysDatabases Where Name='Acc'");
    EXPECT_FALSE(rs.eof());
    EXPECT_FALSE(session.DtEn.isOracle());
}

TEST_F(ContextStartTest, ViewStartProbesTheMasterCatalogue)
{
    Session session;
    EXPECT_NO_THROW(front::StartContext(session, properties(), ContextStart::FullWithMasterProbe));
    EXPECT_TRUE(session.DtEnMajor.isOpen());
    EXPECT_EQ(session.context.CurrentUserID, 7);
}

TEST_F(ContextStartTest, FarsiLayoutFollowsTheOsMajorVersionAndOtherVersionsKeepThePreviousValue)
{
    struct Case {
        int major;
        const char* expected;
    };
    // A new context has no layout; 10 keeps whatever the previous start set.
    const Case fresh[] = {{6, "00000429"}, {5, "00000429"}, {4, "00000401"}, {10, ""}, {0, ""}};
    for (const Case& k : fresh) {
        os::ScopedOsMajorVersion version(k.major);
        Session session;
        front::StartContext(session, properties(), ContextStart::Full);
        EXPECT_EQ(session.context.FarsiKeyboardLayout, k.expected) << "major " << k.major;
    }
    Session session;
    const Case sequence[] = {{4, "00000401"}, {10, "00000401"}, {6, "00000429"}, {10, "00000429"}};
    for (const Case& k : sequence) {
        os::ScopedOsMajorVersion version(k.major);
        front::StartContext(session, properties(), ContextStart::Full);
        EXPECT_EQ(session.context.FarsiKeyboardLayout, k.expected) << "major " << k.major;
    }
}

TEST_F(ContextStartTest, LimitedStartSkipsKeyboardAndMasterAndSetsTheSecondaryProvider)
{
    os::ScopedOsMajorVersion version(6);
    // "Source=" names the provider by the first-segment rule only; the
    // string has no "Provider" key of its own.
    HostProperties p = properties();
    p.OleConnectionString = "Source=SQLite;Data Source=" + folder + ";Initial Catalog=Acc";

    Session limited;
    front::StartContext(limited, p, ContextStart::Limited);
    EXPECT_EQ(limited.context.FarsiKeyboardLayout, "");
    EXPECT_EQ(limited.DtEnMajor.connectionString(), "");
    EXPECT_EQ(limited.DtEnSec.provider(), "SQLite");
    EXPECT_EQ(limited.context.CurrentUserName, QString::fromUtf8("مریم احمدی"));
    db::Recordset rs = limited.DtEnSec.openRecordset("Select Name from tblPosition Where ID = 3");
    EXPECT_EQ(rs.text("Name"), QString::fromUtf8("کارشناس مالی"));

    // The full start sets only the secondary's string.
    Session full;
    front::StartContext(full, p, ContextStart::Full);
    EXPECT_EQ(full.DtEnSec.provider(), "");
    EXPECT_EQ(full.context.FarsiKeyboardLayout, "00000429");
}

TEST_F(ContextStartTest, FullStartNeedsAnInitialCatalog)
{
    // Such a string (an Oracle one, say) serves only the limited start.
    HostProperties p = properties();
    p.OleConnectionString = "Provider=SQLite;Data Source=" + folder;
    Session full;
    try {
        front::StartContext(full, p, ContextStart::Full);
        FAIL() << "a full start needs the catalogue";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.description().contains("Initial Catalog")) << e.description().toStdString();
    }
    EXPECT_EQ(full.context.CurrentUserID, 0); // stopped before the identity was copied
}

TEST_F(ContextStartTest, ConnectionStringWithoutSemicolonFailsClearly)
{
    for (ContextStart kind : {ContextStart::Full, ContextStart::Limited}) {
        Session session;
        HostProperties p = properties();
        p.OleConnectionString = "Provider=SQLite";
        try {
            front::StartContext(session, p, kind);
            FAIL() << "expected a DbError";
        } catch (const db::DbError& e) {
            EXPECT_TRUE(e.description().contains("connection string", Qt::CaseInsensitive))
                << e.description().toStdString();
        }
        EXPECT_EQ(session.context.CurrentConnectionString, "Provider=SQLite");
        EXPECT_FALSE(session.context.QueryBuilderFlag);
    }
}

TEST_F(ContextStartTest, NamesOfMissingOrNullRowsAreEmptyOrUnchanged)
{
    Session session;
    front::StartContext(session, properties(7), ContextStart::Limited);
    // User 8 has a null FullName; employee and position 99 do not exist.
    session.context.CurrentUserID = 8;
    session.context.CurrentEmployeeID = 99;
    session.context.CurrentPositionID = 99;
    session.context.QueryBuilderFlag = false;
    front::LoadContextNames(session.context, session.DtEn);
    EXPECT_EQ(session.context.CurrentUserName, "");
    EXPECT_EQ(session.context.CurrentEmployeeName, QString::fromUtf8("مریم  احمدی"));
    EXPECT_EQ(session.context.CurrentPositionName, QString::fromUtf8("کارشناس مالی"));
    EXPECT_TRUE(session.context.QueryBuilderFlag);

    // A user without a row keeps the previous name.
    session.context.CurrentUserID = 7;
    front::LoadContextNames(session.context, session.DtEn);
    session.context.CurrentUserID = 500;
    front::LoadContextNames(session.context, session.DtEn);
    EXPECT_EQ(session.context.CurrentUserName, QString::fromUtf8("مریم احمدی"));
}

TEST_F(ContextStartTest, SystemParameter123WithValue1MakesWindowsModal)
{
    struct Case {
        const char* rows;
        bool modal;
    };
    const Case cases[] = {
        {"", false},
        {"(123, 1)", true},
        {"(123, 0)", false},
        {"(123, 2)", false},
        {"(124, 1)", false},
    };
    for (const Case& k : cases) {
        run("DELETE FROM tblKelvoSystemParameters");
        if (*k.rows)
            run(QStringLiteral("INSERT INTO tblKelvoSystemParameters (ID, Value) VALUES ") + k.rows);
        Session session;
        session.context.ModalWindows = !k.modal;
        front::StartContext(session, properties(), ContextStart::Full);
        EXPECT_EQ(session.context.ModalWindows, k.modal) << k.rows;
    }
}

TEST(MasterConnectionString, TheCatalogueKeysBecomeMaster)
{
    struct Case {
        const char* given;
        const char* expected;
    };
    const Case cases[] = {
        // Only the catalogue keys change, whatever else holds the same name.
        {"Provider=SQLOLEDB.1;Initial Catalog=Acc;Data Source=srv;X=acc;Y=ACC;User ID=sa",
         "Provider=SQLOLEDB.1;Initial Catalog=Master;Data Source=srv;X=acc;Y=ACC;User ID=sa"},
        {"Provider=SQLOLEDB.1;Initial Catalog=Kelvo;Data Source=srv;User ID=kelvo;Password=pw",
         "Provider=SQLOLEDB.1;Initial Catalog=Master;Data Source=srv;User ID=kelvo;Password=pw"},
        {"Provider=SQLOLEDB.1;Initial Catalog=Acc;Database=ACC;Data Source=srv",
         "Provider=SQLOLEDB.1;Initial Catalog=Master;Database=Master;Data Source=srv"},
        {"Provider=SQLOLEDB.1;Initial Catalog=\"Acc\";Data Source=srv",
         "Provider=SQLOLEDB.1;Initial Catalog=Master;Data Source=srv"},
        {"Provider=SQLOLEDB.1;initial catalog=Acc;Data Source=srv",
         "Provider=SQLOLEDB.1;initial catalog=Master;Data Source=srv"},
        // The catalogue may end the string.
        {"Provider=SQLite;Data Source=/data;Initial Catalog=Acc",
         "Provider=SQLite;Data Source=/data;Initial Catalog=Master"},
        // Other values that merely begin with the catalogue name stay.
        {"Provider=SQLOLEDB.1;Initial Catalog=Acc;Password=Acc1;Data Source=AccSrv",
         "Provider=SQLOLEDB.1;Initial Catalog=Master;Password=Acc1;Data Source=AccSrv"},
    };
    for (const Case& k : cases)
        EXPECT_EQ(front::MasterConnectionString(k.given), k.expected) << k.given;
}

// A value with text after its closing quote, or a quote never closed, is
// refused with the key named; no message shows a password.
TEST(ConnectionStrings, UnsoundQuotingIsRefusedAndPasswordsAreNeverShown)
{
    struct Case {
        const char* given;
        const char* key;
    };
    const Case cases[] = {
        {"Provider=SQLOLEDB.1;Password=\"ab\"c;Initial Catalog=Acc;Data Source=s", "Password"},
        {"Provider=SQLOLEDB.1;Initial Catalog=Acc;User ID='x;Password=secret;Data Source=s", "User ID"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        for (const auto& call : std::initializer_list<std::function<void()>>{
                 [&] { front::MasterConnectionString(c.given); },
                 [&] { db::ProviderOfConnectionString(c.given); },
                 [&] { db::Connection(c.given).open(); }}) {
            try {
                call();
                ADD_FAILURE() << "accepted";
            } catch (const db::DbError& e) {
                EXPECT_TRUE(e.description().contains(c.key)) << e.description().toStdString();
                EXPECT_FALSE(e.fullText().contains("secret"));
                EXPECT_FALSE(e.fullText().contains("ab\""));
            }
        }
    }

    EXPECT_EQ(db::MaskPasswords("Provider=SQLOLEDB.1;User ID=sa;Password=s3cret;PWD=\"a;b\";pwd = {x}"),
              "Provider=SQLOLEDB.1;User ID=sa;Password=****;PWD=****;pwd = ****");
    try {
        front::MasterConnectionString("Provider=MSDAORA.1;Data Source=orcl;User ID=x;Password=tiger");
        ADD_FAILURE() << "accepted";
    } catch (const db::DbError& e) {
        EXPECT_FALSE(e.fullText().contains("tiger"));
        EXPECT_TRUE(e.fullText().contains("Password=****"));
    }
    // A driver's own message that quotes the string is masked as well.
    const db::DbError quoted(QStringLiteral("login failed for DRIVER=x;UID=sa;PWD=tiger;"), 18456,
                             QStringLiteral("connect PWD=tiger"));
    EXPECT_FALSE(quoted.fullText().contains("tiger"));
    EXPECT_FALSE(quoted.statement().contains("tiger"));
    EXPECT_FALSE(QString::fromStdString(quoted.what()).contains("tiger"));
}

TEST(MasterConnectionString, StringWithoutInitialCatalogFails)
{
    EXPECT_THROW(front::MasterConnectionString("Provider=MSDAORA.1;Data Source=orcl;User ID=x"), db::DbError);
    EXPECT_THROW(front::MasterConnectionString("Provider=SQLOLEDB.1;Initial Catalog=;Data Source=s"), db::DbError);
}

TEST(DatabaseKind, OracleExactlyForMsdaora1)
{
    struct Case {
        const char* provider;
        bool oracle;
    };
    const Case cases[] = {{"MSDAORA.1", true}, {"msdaora.1", false}, {"MSDAORA", false}, {"SQLOLEDB.1", false}};
    for (const Case& k : cases) {
        db::Connection c;
        c.setProvider(k.provider);
        EXPECT_EQ(c.isOracle(), k.oracle) << k.provider;
    }
}
