#include "HostTables.h"

#include "front/KelvoReportGenCls.h"
#include "platform/automation/AutomationError.h"
#include "platform/db/DbError.h"
#include "platform/os/OsVersion.h"
#include "support/AutomationErrors.h"

#include <QFile>

using namespace kelvo;
using automation::AutomationError;
using automation::MemberKind;
using front::KelvoReportGenCls;
using front::Session;

namespace {

// The report manager window as the class opens it: records what it was
// asked to show and what the host context held at that moment.
struct RecordingManager final : front::ReportManagerHost {
    struct Shown {
        qint32 id; // -1: empty
        bool modal;
        qint16 userID;
        qint16 systemID;
        QString userName;
    };
    QList<Shown> shown;

    void ShowEmpty(Session& s) override { record(s, -1); }
    void ShowReport(Session& s, qint32 id) override { record(s, id); }
    void record(Session& s, qint32 id)
    {
        shown.append({id, s.context.ModalWindows, s.context.CurrentUserID, s.context.CurrentSystemID,
                      s.context.CurrentUserName});
    }
};

struct RecordingViewer final : front::ParameterlessViewerHost {
    QList<front::ParameterlessReportRun> runs;
    void ShowReport(const front::ParameterlessReportRun& run) override { runs.append(run); }
};

using kelvo::test::ErrorNumber;

// An object on its own session over the host tables of a fresh catalogue.
struct GenClsTest : HostTables {
    Session session;
    RecordingManager manager;
    KelvoReportGenCls gen{session};

    void SetUp() override
    {
        HostTables::SetUp();
        run("INSERT INTO tblUser (ID, FullName) VALUES (7, ?)", {QString::fromUtf8("مریم احمدی")});
        run("INSERT INTO tblUser (ID, FullName) VALUES (8, ?)", {QString::fromUtf8("علی رضایی")});
        gen.setReportManagerHost(&manager);
    }

    void assignIdentity(KelvoReportGenCls& g)
    {
        g.setOleConnectionString(connectionString);
        g.setUserID(7);
        g.setPositionID(3);
        g.setEmployeeID(21);
        g.setsystemID(12);
    }
};

} // namespace

TEST_F(GenClsTest, ANewObjectHasTheDefaultsAndBackColorAlwaysReadsZero)
{
    const struct {
        const char* name;
        qint64 value;
    } defaults[] = {
        {"UserID", 0}, {"PositionID", 0}, {"EmployeeID", 0}, {"systemID", -1}, {"ReportID", 0},
        {"BackColor", 0}, {"CellEvenBackColor", 0xFFFFFF}, {"CellOddBackColor", 0xEBF7FE},
        {"ForeColor", 0xFFFFFF}, {"BackColorFixed", 0x616150}, {"ForeColorFixed", 0x6161},
        {"BackColorSel", 0xC0FFFF}, {"ForeColorSel", 0}, {"BackColorBkg", 0xEBF7FE},
        {"FormLightColor", 0xDBDBE1}, {"FormDorkColor", 0x63597D}, {"FormMidColor", 0xC4BED8},
    };
    for (const auto& d : defaults)
        EXPECT_EQ(gen.getProperty(QLatin1String(d.name)).toLongLong(), d.value) << d.name;
    EXPECT_EQ(gen.getProperty("OleConnectionString").toString(), "");

    gen.putProperty("BackColor", 0x123456);
    gen.setBackColor(0xFF);
    EXPECT_EQ(gen.getProperty("BackColor").toLongLong(), 0);
    EXPECT_EQ(gen.BackColor(), 0u);
    gen.putProperty("BackColorSel", 0x123456);
    EXPECT_EQ(gen.BackColorSel(), 0x123456u);
}

TEST_F(GenClsTest, ViewReportsDoesNothingAndReturnsAnEmptyVariant)
{
    assignIdentity(gen);
    const front::HostContext before = session.context;
    EXPECT_FALSE(gen.callWith("ViewReports").isValid());
    EXPECT_FALSE(gen.ViewReports().isValid());
    EXPECT_TRUE(manager.shown.isEmpty());
    EXPECT_EQ(session.context.CurrentSystemID, before.CurrentSystemID);
    EXPECT_EQ(session.context.CurrentUserName, before.CurrentUserName);
    EXPECT_FALSE(session.DtEn.isOpen());
}

TEST_F(GenClsTest, IdentifiersReachTheContextAtOnceButTheSubsystemOnlyAtTheNextStart)
{
    assignIdentity(gen);
    EXPECT_EQ(session.context.CurrentUserID, 7);
    EXPECT_EQ(session.context.CurrentPositionID, 3);
    EXPECT_EQ(session.context.CurrentEmployeeID, 21);
    EXPECT_EQ(session.context.CurrentConnectionString, connectionString);
    EXPECT_EQ(session.context.CurrentSystemID, -1);

    EXPECT_FALSE(gen.ClearShow().isValid());
    EXPECT_EQ(session.context.CurrentSystemID, 12);

    gen.setsystemID(20);
    gen.putProperty("UserID", 8);
    EXPECT_EQ(session.context.CurrentSystemID, 12);
    EXPECT_EQ(session.context.CurrentUserID, 8);
    // The name follows only with the next start.
    EXPECT_EQ(session.context.CurrentUserName, QString::fromUtf8("مریم احمدی"));

    qint32 id = 5;
    gen.LimitedView(id);
    EXPECT_EQ(session.context.CurrentSystemID, 20);
    ASSERT_EQ(manager.shown.size(), 2);
    EXPECT_EQ(manager.shown[1].userName, QString::fromUtf8("علی رضایی"));
}

TEST_F(GenClsTest, APropertyBagRestoresEveryPropertyButReportId)
{
    assignIdentity(gen);
    gen.setReportID(4711);
    quint32 colour = 0x010101;
    for (const char* name : {"CellEvenBackColor", "CellOddBackColor", "ForeColor", "BackColorFixed", "ForeColorFixed",
                             "BackColorSel", "ForeColorSel", "BackColorBkg", "FormLightColor", "FormDorkColor",
                             "FormMidColor"})
        gen.putProperty(QLatin1String(name), colour++);

    automation::PropertyBag bag;
    gen.WriteProperties(bag);
    EXPECT_EQ(bag.keys(), QStringList({"UserID", "PositionID", "EmployeeID", "SystemID", "OleConnectionString",
                                       "CellEvenBackColor", "CellOddBackColor", "ForeColor", "BackColorFixed",
                                       "ForeColorFixed", "BackColorSel", "ForeColorSel", "BackColorBkg",
                                       "FormLightColor", "FormDorkColor", "FormMidColor", "ReportID"}));
    EXPECT_EQ(bag.read("ReportID").toInt(), 4711);
    const QString path = dir.filePath("gen.bag");
    bag.save(path);

    Session other;
    KelvoReportGenCls restored(other);
    restored.setReportID(99);
    restored.ReadProperties(automation::PropertyBag::load(path));
    for (const automation::MemberInfo& m : gen.members()) {
        if (m.kind == MemberKind::PropertyGet && m.name != "ReportID") {
            EXPECT_EQ(restored.getProperty(m.name), gen.getProperty(m.name)) << m.name.toStdString();
        }
    }
    EXPECT_EQ(restored.ReportID().toInt(), 99) << "ReadProperties leaves ReportID alone";
    // Reading fills the properties only.
    EXPECT_EQ(other.context.CurrentUserID, 0);
    EXPECT_EQ(other.context.CurrentConnectionString, "");

    // A new object is initialised before it reads: ReportID starts at 0.
    KelvoReportGenCls fresh(other);
    fresh.InitProperties();
    fresh.ReadProperties(automation::PropertyBag::load(path));
    EXPECT_EQ(fresh.ReportID().toInt(), 0);
    EXPECT_EQ(fresh.UserID(), 7);

    // Missing keys give the defaults.
    restored.ReadProperties(automation::PropertyBag());
    EXPECT_EQ(restored.systemID(), -1);
    EXPECT_EQ(restored.FormMidColor(), 0xC4BED8u);
    EXPECT_EQ(restored.OleConnectionString(), "");
}

TEST_F(GenClsTest, ReportIdTakesAnyVariantThatConvertsTo32Bits)
{
    gen.putProperty("ReportID", QStringLiteral("12"));
    EXPECT_EQ(gen.getProperty("ReportID"), QVariant(qint32(12)));
    gen.setReportID(2.5);
    EXPECT_EQ(gen.ReportID().toInt(), 2);
    EXPECT_EQ(ErrorNumber([&] { gen.setReportID(QStringLiteral("twelve")); }), automation::ErrTypeMismatch);
    EXPECT_EQ(ErrorNumber([&] { gen.setReportID(qint64(1) << 40); }), automation::ErrOverflow);
    EXPECT_EQ(gen.ReportID().toInt(), 2) << "a failed assignment keeps the value";
    EXPECT_EQ(ErrorNumber([&] { gen.putProperty("UserID", 40000); }), automation::ErrOverflow);
}

TEST_F(GenClsTest, TheMethodsStartTheContextThenOpenTheManagerByTheModalRule)
{
    os::ScopedOsMajorVersion version(6);
    assignIdentity(gen);
    gen.setReportID(345);
    gen.ClearShow();
    EXPECT_EQ(session.context.FarsiKeyboardLayout, "00000429");
    EXPECT_EQ(session.context.CurrentReportID, "345");

    run("INSERT INTO tblKelvoSystemParameters (ID, Value) VALUES (123, 1)");
    qint32 id = 42;
    gen.View(id);
    QVariantList args{QStringLiteral("43")};
    gen.call("LimitedView", args);
    EXPECT_EQ(args[0], QVariant(qint32(43))) << "the by-reference argument comes back as a 32-bit integer";

    ASSERT_EQ(manager.shown.size(), 3);
    EXPECT_EQ(manager.shown[0].id, -1);
    EXPECT_FALSE(manager.shown[0].modal);
    EXPECT_EQ(manager.shown[0].userName, QString::fromUtf8("مریم احمدی"));
    EXPECT_EQ(manager.shown[1].id, 42);
    EXPECT_TRUE(manager.shown[1].modal);
    EXPECT_EQ(manager.shown[2].id, 43);
    EXPECT_TRUE(manager.shown[2].modal);
    EXPECT_TRUE(session.DtEnMajor.isOpen()) << "View probes the master catalogue";
}

TEST_F(GenClsTest, WithoutTheManagerWindowTheMethodsFailClearlyAfterTheContextStart)
{
    KelvoReportGenCls bare(session);
    assignIdentity(bare);
    QString description;
    EXPECT_EQ(ErrorNumber([&] { bare.ClearShow(); }, &description), automation::ErrNotSupportedAction);
    EXPECT_TRUE(description.contains("FormReportMan")) << description.toStdString();
    EXPECT_EQ(session.context.CurrentSystemID, 12);

    // The windows given at construction serve the object.
    KelvoReportGenCls served(session, {&manager, nullptr});
    assignIdentity(served);
    EXPECT_NO_THROW(served.ClearShow());
    EXPECT_EQ(manager.shown.size(), 1);
}

TEST_F(GenClsTest, AFailingContextStartOpensNoWindowAndReachesTheCaller)
{
    gen.setOleConnectionString("no segments at all");
    EXPECT_THROW(gen.ClearShow(), db::DbError);
    gen.setOleConnectionString("Provider=SQLite;Data Source=" + dir.filePath("missing") + ";Initial Catalog=Acc");
    qint32 id = 1;
    EXPECT_THROW(gen.LimitedView(id), db::DbError);
    EXPECT_TRUE(manager.shown.isEmpty());
}

// A server whose master catalogue has no SysDatabases: a SQLite database
// reached through ODBC, where the master connection string (its
// ";Initial Catalog" value replaced by "Master") opens the same database.
TEST(GenClsServerTest, ViewFailsBeforeAnyWindowOnAServerWithoutTheCatalogueViewWhileLimitedViewWorks)
{
    QTemporaryDir dir;
    const QString cs = "Provider=MSDASQL;Driver=SQLite3;Database=" + dir.filePath("host.db") + ";Initial Catalog=Acc";
    {
        db::Connection c(cs);
        c.execute("CREATE TABLE tblUser (ID INTEGER PRIMARY KEY, FullName VARCHAR(100))");
        c.execute("CREATE TABLE tblEmployee (ID INTEGER PRIMARY KEY, FirstName VARCHAR(50), SureName VARCHAR(50))");
        c.execute("CREATE TABLE tblPosition (ID INTEGER PRIMARY KEY, Name VARCHAR(100))");
        c.execute("CREATE TABLE tblKelvoSystemParameters (ID INTEGER, Value INTEGER)");
        c.execute("INSERT INTO tblUser (ID, FullName) VALUES (7, 'Maryam')");
    }
    Session session;
    RecordingManager manager;
    KelvoReportGenCls gen(session);
    gen.setReportManagerHost(&manager);
    gen.setOleConnectionString(cs);
    gen.setUserID(7);

    qint32 id = 9;
    try {
        gen.View(id);
        FAIL() << "the probe must fail";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.fullText().contains("SysDatabases", Qt::CaseInsensitive)) << e.fullText().toStdString();
    }
    EXPECT_TRUE(manager.shown.isEmpty());
    EXPECT_TRUE(session.DtEnMajor.connectionString().endsWith(";Initial Catalog=Master"));

    gen.LimitedView(id);
    ASSERT_EQ(manager.shown.size(), 1);
    EXPECT_EQ(manager.shown[0].id, 9);
    EXPECT_EQ(manager.shown[0].userName, "Maryam");
}

TEST_F(GenClsTest, TheDispatchInterfaceListsTheMembersInSlotOrder)
{
    using K = MemberKind;
    const QList<QPair<QString, K>> expected{
        {"UserID", K::PropertyGet}, {"UserID", K::PropertyPut},
        {"PositionID", K::PropertyGet}, {"PositionID", K::PropertyPut},
        {"EmployeeID", K::PropertyGet}, {"EmployeeID", K::PropertyPut},
        {"ClearShow", K::Method}, {"ViewReports", K::Method}, {"View", K::Method}, {"LimitedView", K::Method},
        {"systemID", K::PropertyGet}, {"systemID", K::PropertyPut},
        {"OleConnectionString", K::PropertyGet}, {"OleConnectionString", K::PropertyPut},
        {"BackColor", K::PropertyGet}, {"BackColor", K::PropertyPut},
        {"CellEvenBackColor", K::PropertyGet}, {"CellEvenBackColor", K::PropertyPut},
        {"CellOddBackColor", K::PropertyGet}, {"CellOddBackColor", K::PropertyPut},
        {"ForeColor", K::PropertyGet}, {"ForeColor", K::PropertyPut},
        {"BackColorFixed", K::PropertyGet}, {"BackColorFixed", K::PropertyPut},
        {"ForeColorFixed", K::PropertyGet}, {"ForeColorFixed", K::PropertyPut},
        {"BackColorSel", K::PropertyGet}, {"BackColorSel", K::PropertyPut},
        {"ForeColorSel", K::PropertyGet}, {"ForeColorSel", K::PropertyPut},
        {"BackColorBkg", K::PropertyGet}, {"BackColorBkg", K::PropertyPut},
        {"FormLightColor", K::PropertyGet}, {"FormLightColor", K::PropertyPut},
        {"FormDorkColor", K::PropertyGet}, {"FormDorkColor", K::PropertyPut},
        {"FormMidColor", K::PropertyGet}, {"FormMidColor", K::PropertyPut},
        {"ReportID", K::PropertyGet}, {"ReportID", K::PropertyPut},
        {"ViewReportWithoutParameters", K::Method},
    };
    const QList<automation::MemberInfo> members = gen.members();
    ASSERT_EQ(members.size(), expected.size());
    for (int i = 0; i < members.size(); ++i) {
        EXPECT_EQ(members[i].slot, i);
        EXPECT_EQ(members[i].name, expected[i].first) << i;
        EXPECT_EQ(members[i].kind, expected[i].second) << i;
    }
    EXPECT_EQ(ErrorNumber([&] { gen.callWith("View"); }), automation::ErrWrongArgumentCount);
    EXPECT_EQ(ErrorNumber([&] { gen.callWith("Refresh"); }), automation::ErrMemberNotFound);
}

TEST_F(GenClsTest, TheParameterlessViewerGetsTheObjectsValuesWithoutAContextStart)
{
    assignIdentity(gen);
    QString description;
    EXPECT_EQ(ErrorNumber([&] { gen.callWith("ViewReportWithoutParameters", {5, "caller", "title"}); },
                          &description),
              automation::ErrNotSupportedAction);
    EXPECT_TRUE(description.contains("not available in this build")) << description.toStdString();

    RecordingViewer viewer;
    gen.setParameterlessViewerHost(&viewer);
    gen.callWith("ViewReportWithoutParameters", {QStringLiteral("77"), QStringLiteral("Acc"),
                                                  QString::fromUtf8("فروش ماهانه")});
    ASSERT_EQ(viewer.runs.size(), 1);
    const front::ParameterlessReportRun& r = viewer.runs[0];
    EXPECT_EQ(r.connectionString, connectionString);
    EXPECT_EQ(r.positionID, 3);
    EXPECT_EQ(r.employeeID, 21);
    EXPECT_EQ(r.userID, 7);
    EXPECT_EQ(r.reportID, 77);
    EXPECT_EQ(r.caller, "Acc");
    EXPECT_EQ(r.title, QString::fromUtf8("فروش ماهانه"));
    EXPECT_EQ(session.context.CurrentSystemID, -1) << "no context start";
    EXPECT_FALSE(session.DtEn.isOpen());
}
