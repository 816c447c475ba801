// The report manager as a real window (offscreen) over a copy of the demo
// catalogue, with a scripted prompter; the windows and components it opens
// are recorded, not built.
#include "component/ui/ComponentLibrary.h"
#include "component/ui/ProgramWindows.h"
#include "controls/ui/KelvoDate.h"
#include "controls/ui/KelvoSelector.h"
#include "front/HostContext.h"
#include "front/KelvoReportGenCls.h"
#include "front/PublicClasses.h"
#include "front/ScriptedPrompter.h"
#include "front/ui/WindowRunner.h"
#include "management/HostComponents.h"
#include "management/Messages.h"
#include "management/ui/FormReportMan.h"
#include "management/ui/FormSearch.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/ComponentRegistry.h"
#include "platform/os/KeyboardSwitcher.h"
#include "support/TempCatalogue.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

using namespace kelvo;
using front::ScriptedPrompter;
using management::FormReportMan;

// Receives the URLs the help command opens.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

namespace {

const QString kNotPermitted = management::kNotPermittedMessage;

// A component of the host that records what it is given, by name.
class RecordingComponent final : public automation::Dispatch {
public:
    struct Log {
        QList<QPair<QString, QVariant>> puts;
        QList<QPair<QString, QVariantList>> calls;
    };
    explicit RecordingComponent(Log& log) : m_log(log) {}
    QList<automation::MemberInfo> members() const override { return {}; }
    QVariant getProperty(const QString& name) override { throw automation::AutomationError::memberNotFound(name); }
    void putProperty(const QString& name, const QVariant& value) override { m_log.puts.append({name, value}); }
    QVariant call(const QString& name, QVariantList& arguments) override
    {
        m_log.calls.append({name, arguments});
        return {};
    }

private:
    Log& m_log;
};

// A registry with one recording component.
struct RecordingRegistry {
    automation::ComponentRegistry registry;
    RecordingComponent::Log log;
    explicit RecordingRegistry(const QString& progId)
    {
        registry.registerComponent(progId, [this] { return std::make_unique<RecordingComponent>(log); });
    }
    QStringList putNames() const
    {
        QStringList names;
        for (const auto& p : log.puts)
            names << p.first;
        return names;
    }
};

struct Identity {
    qint16 user = 1;
    qint16 position = 1;
    qint16 employee = 1;
    qint16 system = -1;
};

struct ManagerTest : ::testing::Test {
    test::TempCatalogue catalogue = test::TempCatalogue::demo();
    front::Session session;
    ScriptedPrompter prompter;
    test::TestWindows windows;
    std::unique_ptr<FormReportMan> form;

    void SetUp() override { open(); }
    void TearDown() override
    {
        if (form)
            form->setAttribute(Qt::WA_DeleteOnClose, false);
        form.reset();
        EXPECT_EQ(prompter.pendingAnswers(), 0) << "answers left unused";
    }

    front::HostProperties properties(const Identity& id = {}) const
    {
        front::HostProperties p;
        p.OleConnectionString = catalogue.connectionString();
        p.UserID = id.user;
        p.PositionID = id.position;
        p.EmployeeID = id.employee;
        p.systemID = id.system;
        return p;
    }

    void open(const Identity& id = {})
    {
        form.reset();
        front::StartContext(session, properties(id), front::ContextStart::Full);
        form = std::make_unique<FormReportMan>(session, prompter, windows);
        form->show();
        QApplication::processEvents();
    }

    template <class T = QWidget>
    T* child(const char* name) const
    {
        return test::Child<T>(*form, QLatin1String(name));
    }
    QAction* command(const char* name) const { return child<QAction>(name); }
    QToolButton* button(const char* name) const { return child<QToolButton>(name); }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    controls::KelvoSelector* selector(const char* name) const { return child<controls::KelvoSelector>(name); }
    void click(const char* name) const { test::Click(*form, QLatin1String(name)); }
    int mode() const { return int(form->mode()); }

    QVariant scalar(const QString& sql, const QVariantList& params = {})
    {
        return test::Scalar(catalogue.connection(), sql, params);
    }
    // The identifier of a demo report.
    qint32 demoReport(int n = 1)
    {
        return scalar(QStringLiteral("Select ID from tblKelvoReport order by ID limit 1 offset %1").arg(n - 1)).toInt();
    }
    QString adminName() { return scalar(QStringLiteral("Select FullName from tblUser where ID = 1")).toString(); }
    QString titleOf(qint32 id)
    {
        return scalar(QStringLiteral("Select Title from tblKelvoReport where ID = ?"), {id}).toString();
    }
    // A new report saved through the window, left in view mode.
    qint32 saveNewReport(const QString& title)
    {
        click("cmdNew");
        box("txtTitle")->setText(title);
        click("cmdFinalSave");
        return form->ReportID();
    }
};

// ------------------------------------------------------------------ modes

struct EnablingCase {
    const char* name;
    int mode;
    std::function<void(ManagerTest&)> reach;
};

void PrintTo(const EnablingCase& c, std::ostream* os) { *os << c.name; }

class EnablingTable : public ManagerTest, public ::testing::WithParamInterface<EnablingCase> {};

// The enabling table, as rows: enabled (or editable) during an entry, when
// idle, in view mode.
struct ExpectedRow {
    const char* control;
    bool entry, idle, view;
};
constexpr bool E = true, D = false;
const ExpectedRow kExpectedTable[] = {
    {"cmdNew", D, E, E},
    {"cmdNewFrom", D, D, E},
    {"cmdEdit", D, D, E},
    {"cmdDelete", D, D, E},
    {"cmdTemplate", D, D, E},
    {"cmdDesignReport", D, D, E},
    {"cmdRunReport", D, D, E},
    {"cmdCancel", E, D, D},
    {"cmdExit", D, E, E},
    {"mnuExit", D, E, E},
    {"cmdSearch", D, E, E},
    {"mnuSearch", D, E, E},
    {"txtID", D, D, D},
    {"txtTitle", E, D, D},
    {"txtAlias", E, D, D},
    {"txtDesc", E, D, D},
    {"chkIsGeneral", E, D, D},
    {"chkMakeSecure", E, D, D},
    {"chkMakeTree", E, D, D},
    {"chkShowFlatternParameters", E, D, D},
    {"chkMediaVisible", E, D, D},
    {"gmpGroup", E, D, D},
    {"gmpSystem", E, D, D},
    {"mptFormType", E, D, D},
    // Never in the table: always enabled.
    {"cmdFormRunner", E, E, E},
    {"cmdUpdateTable", E, E, E},
    {"Toolbar1_cmdExit", E, E, E},
};

TEST_P(EnablingTable, ControlsFollowTheMode)
{
    GetParam().reach(*this);
    ASSERT_EQ(mode(), GetParam().mode);
    const int m = mode();
    for (const ExpectedRow& row : kExpectedTable) {
        const bool expected = m == 3 ? row.idle : m == 4 ? row.view : row.entry;
        QObject* control = form->findChild<QAction*>(row.control);
        if (!control)
            control = child<QWidget>(row.control);
        bool actual = false;
        if (auto* action = qobject_cast<QAction*>(control))
            actual = action->isEnabled();
        else if (auto* line = qobject_cast<QLineEdit*>(control))
            actual = !line->isReadOnly();
        else if (auto* text = qobject_cast<QPlainTextEdit*>(control))
            actual = !text->isReadOnly();
        else if (auto* choice = qobject_cast<controls::KelvoSelector*>(control))
            actual = choice->Active();
        else
            actual = static_cast<QWidget*>(control)->isEnabled();
        EXPECT_EQ(actual, expected) << row.control;
    }
    // A button shows its command, the toolbar the same command.
    for (const char* name : {"cmdNew", "cmdNewFrom", "cmdEdit", "cmdDelete", "cmdCancel", "cmdSearch",
                             "cmdDesignReport", "cmdFinalSave"}) {
        EXPECT_EQ(button(name)->defaultAction(), command(name)) << name;
        EXPECT_EQ(button(name)->isEnabled(), command(name)->isEnabled()) << name;
        EXPECT_TRUE(child<QToolBar>("Toolbar1")->actions().contains(command(name))) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, EnablingTable,
    ::testing::Values(
        EnablingCase{"Idle", 3, [](ManagerTest&) {}},
        EnablingCase{"View", 4, [](ManagerTest& t) { t.form->ViewReportInfo(t.demoReport()); }},
        EnablingCase{"Insert", 1, [](ManagerTest& t) { t.click("cmdNew"); }},
        EnablingCase{"Edit", 2,
                     [](ManagerTest& t) {
                         t.form->ViewReportInfo(t.demoReport());
                         t.click("cmdEdit");
                     }},
        EnablingCase{"InsertFrom", 6,
                     [](ManagerTest& t) {
                         t.form->ViewReportInfo(t.demoReport());
                         t.click("cmdNewFrom");
                     }}),
    [](const auto& info) { return std::string(info.param.name); });

struct SaveEnabledCase {
    const char* name;
    std::function<void(ManagerTest&)> reach;
    const char* title;
    bool enabled;
};

void PrintTo(const SaveEnabledCase& c, std::ostream* os) { *os << c.name; }

class FinalSaveEnabled : public ManagerTest, public ::testing::WithParamInterface<SaveEnabledCase> {};

TEST_P(FinalSaveEnabled, OnlyDuringAnEntryWithATitle)
{
    GetParam().reach(*this);
    box("txtTitle")->setText(QString::fromUtf8(GetParam().title));
    EXPECT_EQ(command("cmdFinalSave")->isEnabled(), GetParam().enabled);
    EXPECT_EQ(button("cmdFinalSave")->isEnabled(), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, FinalSaveEnabled,
    ::testing::Values(
        SaveEnabledCase{"IdleWithTitle", [](ManagerTest&) {}, "گزارش", false},
        SaveEnabledCase{"ViewWithTitle", [](ManagerTest& t) { t.form->ViewReportInfo(t.demoReport()); }, "گزارش",
                        false},
        SaveEnabledCase{"InsertEmpty", [](ManagerTest& t) { t.click("cmdNew"); }, "", false},
        SaveEnabledCase{"InsertSpaces", [](ManagerTest& t) { t.click("cmdNew"); }, "    ", false},
        SaveEnabledCase{"InsertTitle", [](ManagerTest& t) { t.click("cmdNew"); }, " فروش ", true},
        SaveEnabledCase{"EditTitle",
                        [](ManagerTest& t) {
                            t.form->ViewReportInfo(t.demoReport());
                            t.click("cmdEdit");
                        },
                        "x", true},
        SaveEnabledCase{"InsertFromTitle",
                        [](ManagerTest& t) {
                            t.form->ViewReportInfo(t.demoReport());
                            t.click("cmdNewFrom");
                        },
                        "x", true},
        SaveEnabledCase{"InsertFromEmpty",
                        [](ManagerTest& t) {
                            t.form->ViewReportInfo(t.demoReport());
                            t.click("cmdNewFrom");
                        },
                        "", false}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------------ loading and showing

TEST_F(ManagerTest, LoadsIdleWithTheBasePathAndTheSelectorsFilled)
{
    EXPECT_EQ(mode(), 3);
    EXPECT_EQ(form->ReportID(), -1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("گزارش "));
    EXPECT_EQ(session.context.BasePath, scalar("Select BasePath from tblKelvoBasePath").toString());
    EXPECT_FALSE(selector("gmpSystem")->rows().isEmpty());
    EXPECT_FALSE(selector("mptFormType")->rows().isEmpty());
    EXPECT_FALSE(selector("gmpGroup")->rows().isEmpty());
    EXPECT_TRUE(child<QCheckBox>("chkShowFlatternParameters")->isChecked());
    EXPECT_EQ(form->focusWidget(), button("cmdNew"));
    EXPECT_GT(session.queries.tables.capacity, 2);
}

TEST_F(ManagerTest, ViewShowsTheStoredDefinition)
{
    const qint32 id = demoReport(2);
    catalogue.run(QStringLiteral("Update tblKelvoReport set Alias='it''s', Notes='n1', IsGeneral=-1, MakeSecure=1, "
                                 "MakeTree=1, ShowFlatternParameters=0, MediaVisible=NULL, SystemID=16, "
                                 "FormTypeID=1101, SQLSP='spX', FarsiSQLSP=NULL, CreateDate='2024-03-20' "
                                 "Where ID=%1")
                      .arg(id));
    EXPECT_TRUE(form->ViewReportInfo(id));

    EXPECT_EQ(mode(), 4);
    EXPECT_EQ(session.context.CurrentReportID, QString::number(id));
    EXPECT_EQ(box("txtID")->text(), QString::number(id));
    EXPECT_EQ(box("txtTitle")->text(), titleOf(id));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("گزارش ") + titleOf(id));
    EXPECT_EQ(box("txtAlias")->text(), QStringLiteral("it's"));
    EXPECT_EQ(child<QPlainTextEdit>("txtDesc")->toPlainText(), QStringLiteral("n1"));
    EXPECT_TRUE(child<QCheckBox>("chkIsGeneral")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("chkMakeSecure")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("chkMakeTree")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkShowFlatternParameters")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkMediaVisible")->isChecked());
    EXPECT_TRUE(form->treeFlag());
    EXPECT_EQ(selector("gmpSystem")->ID(), 16);
    EXPECT_EQ(selector("mptFormType")->ID(), 1101);
    EXPECT_EQ(child<controls::KelvoDate>("gdcDate")->Value(), QDate(2024, 3, 20));
    EXPECT_EQ(box("txtCreatorName")->text(), adminName());
    EXPECT_EQ(session.queries.clauses.SQLSP, QStringLiteral("spX"));
    EXPECT_EQ(session.queries.clauses.FarsiSQLSP, QString());

    // The maintenance menu shows only for subsystem 16.
    EXPECT_TRUE(child<QAction>("mnuPmxReport")->isVisible());
    EXPECT_TRUE(child<QAction>("mnuInitReport")->isVisible());
    form->ViewReportInfo(demoReport(1));
    EXPECT_FALSE(child<QAction>("mnuPmxReport")->isVisible());
    // A report without a form type does not keep the previous one's.
    EXPECT_TRUE(selector("mptFormType")->IsEmpty());
}

TEST_F(ManagerTest, ACreatorWithoutAUserRowShowsAnEmptyName)
{
    const qint32 orphan = demoReport(1);
    const qint32 noCreator = demoReport(2);
    catalogue.run(QStringLiteral("Update tblKelvoReport set CreatorID=999 Where ID=%1").arg(orphan));
    catalogue.run(QStringLiteral("Update tblKelvoReport set CreatorID=NULL Where ID=%1").arg(noCreator));

    form->ViewReportInfo(demoReport(3));
    ASSERT_FALSE(box("txtCreatorName")->text().isEmpty());
    form->ViewReportInfo(orphan);
    EXPECT_EQ(box("txtCreatorName")->text(), QString());
    form->ViewReportInfo(demoReport(3));
    form->ViewReportInfo(noCreator);
    EXPECT_EQ(box("txtCreatorName")->text(), QString());
    EXPECT_EQ(mode(), 4);
}

// ------------------------------------------------------------------ new, save, cancel

TEST_F(ManagerTest, NewTitleSaveGivesViewModeOnTheNewRow)
{
    click("cmdNew");
    ASSERT_EQ(mode(), 1);
    EXPECT_EQ(box("txtCreatorName")->text(), adminName());
    EXPECT_EQ(child<controls::KelvoDate>("gdcDate")->Value(), QDate::currentDate());
    EXPECT_EQ(form->focusWidget(), box("txtTitle"));
    box("txtTitle")->setText(QStringLiteral("  گزارش آزمایشی ماهانه  "));
    box("txtAlias")->setText(QStringLiteral("monthly"));
    selector("gmpSystem")->setID(2);
    click("cmdFinalSave");

    ASSERT_EQ(mode(), 4) << (prompter.entries().isEmpty() ? "" : prompter.last().text.toStdString());
    const qint32 id = form->ReportID();
    EXPECT_EQ(box("txtID")->text(), QString::number(id));
    EXPECT_EQ(session.context.CurrentReportID, QString::number(id));
    EXPECT_EQ(box("txtTitle")->text(), QStringLiteral("گزارش آزمایشی ماهانه"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("گزارش گزارش آزمایشی ماهانه"));
    db::Recordset rs = catalogue.connection().openRecordset(
        "Select Title, Alias, SystemID, CreatorID, ShowFlatternParameters from tblKelvoReport where ID = ?", {id});
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.text("Title"), QStringLiteral("گزارش آزمایشی ماهانه"));
    EXPECT_EQ(rs.text("Alias"), QStringLiteral("monthly"));
    EXPECT_EQ(rs.value("SystemID").toInt(), 2);
    EXPECT_EQ(rs.value("CreatorID").toInt(), 1);
    EXPECT_EQ(rs.value("ShowFlatternParameters").toInt(), 1);
    EXPECT_TRUE(command("cmdEdit")->isEnabled());
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(ManagerTest, ADuplicateTitleKeepsTheEntry)
{
    click("cmdNew");
    box("txtTitle")->setText(titleOf(demoReport()));
    const QVariant before = scalar("Select count(*) from tblKelvoReport");
    click("cmdFinalSave");
    EXPECT_EQ(mode(), 1);
    EXPECT_EQ(form->ReportID(), -1);
    EXPECT_EQ(scalar("Select count(*) from tblKelvoReport"), before);
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().text, QStringLiteral("عنوان گزارش تكراري است."));
}

TEST_F(ManagerTest, ADatabaseFailureWhileSavingIsShownAndTheEntryKept)
{
    catalogue.connection().execute(
        "CREATE TRIGGER trgRefuse BEFORE INSERT ON tblKelvoReport BEGIN SELECT RAISE(ABORT, 'refused here'); END");
    click("cmdNew");
    box("txtTitle")->setText(QStringLiteral("گزارش تازه"));
    click("cmdFinalSave");
    EXPECT_EQ(mode(), 1);
    EXPECT_TRUE(command("cmdCancel")->isEnabled());
    ASSERT_EQ(prompter.entriesOf(ScriptedPrompter::Kind::Error).size(), 1);
    EXPECT_TRUE(prompter.last().details.contains(QStringLiteral("refused here"))) << prompter.last().details.toStdString();
}

TEST_F(ManagerTest, CancellingANewEntryFromAnEmptyWindowGoesIdleWithTheFocusOnExit)
{
    click("cmdNew");
    box("txtTitle")->setText(QStringLiteral("نیمه کاره"));
    prompter.answerYes();
    click("cmdCancel");
    EXPECT_EQ(mode(), 3);
    EXPECT_EQ(box("txtTitle")->text(), QString());
    EXPECT_EQ(form->focusWidget(), button("cmdExit"));
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().title, QStringLiteral("انصراف از ثبت گزارش"));
    EXPECT_EQ(prompter.last().text, QStringLiteral("آيا مطمئن هستيد؟"));
}

TEST_F(ManagerTest, CancellingAnEditRereadsTheDefinitionFromTheDatabase)
{
    const qint32 id = demoReport();
    form->ViewReportInfo(id);
    click("cmdEdit");
    box("txtTitle")->setText(QStringLiteral("عنوان تغییر یافته"));
    catalogue.run(QStringLiteral("Update tblKelvoReport set Title='title in the database' Where ID=%1").arg(id));

    prompter.answerNo();
    click("cmdCancel");
    EXPECT_EQ(mode(), 2);
    EXPECT_EQ(box("txtTitle")->text(), QStringLiteral("عنوان تغییر یافته"));

    prompter.answerYes();
    click("cmdCancel");
    EXPECT_EQ(mode(), 4);
    EXPECT_EQ(form->ReportID(), id);
    EXPECT_EQ(box("txtTitle")->text(), QStringLiteral("title in the database"));
}

TEST_F(ManagerTest, CancellingACopyReturnsToItsSource)
{
    const qint32 id = demoReport(2);
    form->ViewReportInfo(id);
    click("cmdNewFrom");
    EXPECT_EQ(mode(), 6);
    EXPECT_EQ(form->SourceReportID(), id);
    EXPECT_EQ(box("txtID")->text(), QString());
    EXPECT_EQ(box("txtTitle")->text(), QString());
    prompter.answerYes();
    click("cmdCancel");
    EXPECT_EQ(mode(), 4);
    EXPECT_EQ(form->ReportID(), id);
    EXPECT_EQ(box("txtTitle")->text(), titleOf(id));
}

TEST_F(ManagerTest, ACopyIsSavedAsANewReportWithTheSourceQuery)
{
    const qint32 source = demoReport(2);
    form->ViewReportInfo(source);
    click("cmdNewFrom");
    box("txtTitle")->setText(QStringLiteral("رونوشت گزارش"));
    prompter.answerNo(); // carry over only the query, not the layout
    click("cmdFinalSave");
    ASSERT_EQ(mode(), 4);
    const qint32 copy = form->ReportID();
    EXPECT_NE(copy, source);
    EXPECT_EQ(box("txtID")->text(), QString::number(copy));
    EXPECT_EQ(prompter.last().title, QStringLiteral("انتقال اطلاعات گزارش اصلي"));
    EXPECT_EQ(scalar("Select SQLQuery from tblKelvoReport where ID = ?", {copy}),
              scalar("Select SQLQuery from tblKelvoReport where ID = ?", {source}));
    EXPECT_EQ(titleOf(copy), QStringLiteral("رونوشت گزارش"));
}

struct SubsystemCase {
    const char* name;
    qint16 system;
    int expectedID; // -1: nothing chosen
};

void PrintTo(const SubsystemCase& c, std::ostream* os) { *os << c.name; }

class NewReportSubsystem : public ManagerTest, public ::testing::WithParamInterface<SubsystemCase> {};

TEST_P(NewReportSubsystem, StartsFromTheContextSubsystem)
{
    Identity id;
    id.system = GetParam().system;
    open(id);
    form->ViewReportInfo(demoReport()); // a report with a subsystem was shown before
    click("cmdNew");
    ASSERT_EQ(mode(), 1);
    EXPECT_EQ(selector("gmpSystem")->IsEmpty(), GetParam().expectedID == -1);
    EXPECT_EQ(selector("gmpSystem")->ID(), GetParam().expectedID);
}

INSTANTIATE_TEST_SUITE_P(Systems, NewReportSubsystem,
                         ::testing::Values(SubsystemCase{"None", -1, -1}, SubsystemCase{"Sales", 2, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------------ permissions

struct RefusalCase {
    const char* name;
    const char* command;
    bool needsReport;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class PermissionRefusal : public ManagerTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PermissionRefusal, AUserWithoutThePermissionIsToldSoAndNothingChanges)
{
    catalogue.run("Insert into tblUser (ID, FullName, Alias, EmployeeID, PositionID, IsActive) "
                  "values (50, 'بدون مجوز', 'noperm', 2, 2, 1)");
    Identity id;
    id.user = 50;
    open(id);
    if (GetParam().needsReport)
        form->ViewReportInfo(demoReport());
    const int before = mode();
    click(GetParam().command);
    EXPECT_EQ(mode(), before);
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().kind, ScriptedPrompter::Kind::Message);
    EXPECT_EQ(prompter.last().title, QStringLiteral("خطا"));
    EXPECT_EQ(prompter.last().text, kNotPermitted);
    EXPECT_TRUE(windows.opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Commands, PermissionRefusal,
                         ::testing::Values(RefusalCase{"New", "cmdNew", false}, RefusalCase{"Edit", "cmdEdit", true},
                                           RefusalCase{"NewFrom", "cmdNewFrom", true},
                                           RefusalCase{"Delete", "cmdDelete", true},
                                           RefusalCase{"Search", "cmdSearch", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ManagerTest, TheDemoStorekeeperMaySearchButNotCreate)
{
    Identity storekeeper;
    storekeeper.user = 5;
    open(storekeeper);
    click("cmdNew");
    EXPECT_EQ(mode(), 3);
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().text, kNotPermitted);
    click("cmdSearch");
    EXPECT_EQ(windows.opened, QStringList{"ChooseReport"});
    EXPECT_EQ(prompter.entries().size(), 1);
}

// ------------------------------------------------------------------ delete

TEST_F(ManagerTest, ConfirmedDeleteRemovesTheRowAndGoesIdle)
{
    const qint32 id = saveNewReport(QStringLiteral("برای حذف"));
    ASSERT_EQ(mode(), 4);

    prompter.answerNo();
    click("cmdDelete");
    EXPECT_EQ(mode(), 4);
    EXPECT_EQ(scalar("Select count(*) from tblKelvoReport where ID = ?", {id}).toInt(), 1);

    prompter.answerYes();
    click("cmdDelete");
    EXPECT_EQ(mode(), 3);
    EXPECT_EQ(form->ReportID(), -1);
    EXPECT_EQ(box("txtID")->text(), QString());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("گزارش "));
    EXPECT_EQ(scalar("Select count(*) from tblKelvoReport where ID = ?", {id}).toInt(), 0);
    EXPECT_EQ(prompter.entriesOf(ScriptedPrompter::Kind::Question).last().title, QStringLiteral("حذف گزارش"));
}

// ------------------------------------------------------------------ search, design, exit

TEST_F(ManagerTest, SearchShowsTheChosenReport)
{
    const qint32 id = demoReport(3);
    windows.chosenReports.enqueue(id);
    click("cmdSearch");
    EXPECT_EQ(windows.opened, QStringList{"ChooseReport"});
    EXPECT_EQ(mode(), 4);
    EXPECT_EQ(form->ReportID(), id);
    EXPECT_EQ(box("txtTitle")->text(), titleOf(id));

    // Closed without a choice: the window stays as it was.
    click("mnuSearch");
    EXPECT_EQ(windows.opened, (QStringList{"ChooseReport", "ChooseReport"}));
    EXPECT_EQ(form->ReportID(), id);
}

TEST_F(ManagerTest, DesignOpensTheDesignWindowOnTheShownReport)
{
    const qint32 id = demoReport();
    form->ViewReportInfo(id);
    click("cmdDesignReport");
    ASSERT_EQ(windows.designed.size(), 1);
    EXPECT_EQ(windows.designed[0].reportID, id);
    EXPECT_EQ(windows.designed[0].manager, form.get());
    EXPECT_FALSE(windows.designed[0].run);
    // The run command opens the same window and runs the report at once.
    click("cmdRunReport");
    ASSERT_EQ(windows.designed.size(), 2);
    EXPECT_EQ(windows.designed[1].reportID, id);
    EXPECT_TRUE(windows.designed[1].run);
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(ManagerTest, ExitAsksOnlyDuringAnEntry)
{
    click("cmdNew");
    // The toolbar's exit button cancels an entry of modes 1 and 2.
    prompter.answerNo();
    click("Toolbar1_cmdExit");
    EXPECT_EQ(prompter.last().title, QStringLiteral("انصراف از ثبت گزارش"));
    EXPECT_EQ(mode(), 1);

    // A close by the title bar asks whether to leave.
    prompter.answerNo();
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(prompter.last().title, QStringLiteral("خروج از گزارشساز"));

    prompter.answerYes();
    click("cmdCancel");
    ASSERT_EQ(mode(), 3);
    const int asked = prompter.entries().size();
    session.TempQueryText = QStringLiteral("select 1");
    click("cmdExit");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(prompter.entries().size(), asked);
    EXPECT_EQ(session.TempQueryText, QString());
}

TEST_F(ManagerTest, ToolbarButtonsRunTheirCommands)
{
    QToolBar* toolbar = child<QToolBar>("Toolbar1");
    const auto press = [&](QAction* action) {
        static_cast<QToolButton*>(toolbar->widgetForAction(action))->click();
        QApplication::processEvents();
    };
    press(command("cmdNew"));
    EXPECT_EQ(mode(), 1);
    // A disabled command does not run from the toolbar.
    press(command("cmdDelete"));
    EXPECT_EQ(mode(), 1);
    EXPECT_TRUE(prompter.entries().isEmpty());
    QAction* operations = child<QAction>("Toolbar1_mnuOperations");
    EXPECT_EQ(operations->menu(), form->operationMenu());
    EXPECT_EQ(static_cast<QToolButton*>(toolbar->widgetForAction(operations))->popupMode(),
              QToolButton::InstantPopup);
}

// ------------------------------------------------------------------ host components and help

TEST_F(ManagerTest, TemplateAndFormRunnerOpenTheHostComponentsOnTheReport)
{
    const qint32 id = demoReport();
    click("cmdFormRunner"); // the demo has no form generator for reports
    EXPECT_TRUE(windows.opened.isEmpty());

    form->ViewReportInfo(id);
    click("cmdTemplate");
    EXPECT_EQ(windows.templates, QList<qint32>{id});

    catalogue.run("Insert into tblKelvoFormType (ID, Name, FileName) values (2305, 'فرم گزارش', "
                  "'comFormGenerator.comFormExe.ocx');"
                  "Insert into tblKelvoFormTables (FormTypeID, TableName, IsPrimary) values (2305, 'tblKelvoReport', 1)");
    click("cmdFormRunner");
    click("cmdNew");
    click("cmdFormRunner");
    ASSERT_EQ(windows.formGenerators.size(), 2);
    EXPECT_EQ(windows.formGenerators[0].formType, 2305);
    EXPECT_EQ(windows.formGenerators[0].reportID, id);
    EXPECT_EQ(windows.formGenerators[1].reportID, std::nullopt);
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(ManagerTest, TemplateGivesTheComponentTheConnectionUserAndReport)
{
    RecordingRegistry component(management::kTemplateProgId);
    management::ShowReportTemplate(component.registry, session.context, 7);
    EXPECT_EQ(component.putNames(), (QStringList{"ConnectionString", "OleConnectionString", "UserID", "FormID"}));
    EXPECT_EQ(component.log.puts[0].second.toString(), catalogue.connectionString());
    EXPECT_EQ(component.log.puts[2].second.toInt(), 1);
    EXPECT_EQ(component.log.puts[3].second.toInt(), 12533);
    ASSERT_EQ(component.log.calls.size(), 2);
    EXPECT_EQ(component.log.calls[0].first, QStringLiteral("Load"));
    EXPECT_EQ(component.log.calls[0].second, QVariantList{7});
    EXPECT_EQ(component.log.calls[1].first, QStringLiteral("Show"));

    // Not installed: the program's windows show the failure of the command.
    automation::ComponentRegistry empty;
    front::ScriptedWindowRunner runner;
    component::ProgramWindows program(prompter, runner, empty);
    FormReportMan manager(session, prompter, program);
    manager.ViewReportInfo(demoReport());
    test::Click(manager, "cmdTemplate");
    ASSERT_EQ(prompter.entriesOf(ScriptedPrompter::Kind::Error).size(), 1);
    EXPECT_EQ(prompter.last().title, QStringLiteral("خطاي شماره :  429"));
    EXPECT_EQ(prompter.last().text, management::kTemplateFailedMessage);
}

TEST_F(ManagerTest, FormGeneratorIsGivenTheIdentityAndOpensTheReportForm)
{
    RecordingRegistry generator(QStringLiteral("KelvoFormGenerator.comFormExe"));
    management::RunFormGenerator(generator.registry, prompter, session.context, 2305, 9);
    EXPECT_EQ(generator.putNames(), (QStringList{"OleConnectionString", "UserID", "PositionID", "EmployeeID"}));
    management::RunFormGenerator(generator.registry, prompter, session.context, 2305, std::nullopt);
    ASSERT_EQ(generator.log.calls.size(), 2);
    EXPECT_EQ(generator.log.calls[0].first, QStringLiteral("View"));
    EXPECT_EQ(generator.log.calls[0].second, (QVariantList{2305, QStringLiteral("ID=9"), QString()}));
    EXPECT_EQ(generator.log.calls[1].first, QStringLiteral("ClearShow"));
    EXPECT_EQ(generator.log.calls[1].second, (QVariantList{2305, QString()}));
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(ManagerTest, UpdateTablesAddsTheCatalogueNewTablesToTheDictionary)
{
    catalogue.connection().execute("CREATE TABLE tblNewHostTable (ID int, Name nvarchar(20))");
    ASSERT_EQ(scalar("Select count(*) from tblKelvoTable where Name = 'tblNewHostTable'").toInt(), 0);
    click("cmdUpdateTable");
    EXPECT_EQ(scalar("Select count(*) from tblKelvoTable where Name = 'tblNewHostTable'").toInt(), 1);
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(ManagerTest, MaintenanceMenuRefillsTheSnapshotTables)
{
    catalogue.run("Delete from tblPmxVWREPORT");
    form->ViewReportInfo(demoReport());
    selector("gmpSystem")->setID(16);
    ASSERT_TRUE(child<QAction>("mnuPmxReport")->isVisible());
    child<QAction>("mnuPmxReport")->trigger();
    EXPECT_EQ(scalar("Select count(*) from tblPmxVWREPORT"), scalar("Select count(*) from vwpmxreport"));
    EXPECT_GT(scalar("Select count(*) from tblPmxVWREPORT").toInt(), 0);
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(ManagerTest, EnteringTheTitleAndAliasBoxesLoadsTheirKeyboards)
{
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(box("txtAlias"), &in);
    EXPECT_EQ(os::ProcessKeyboardSwitcher().lastRequested(), QStringLiteral("00000409"));
    session.context.FarsiKeyboardLayout = QStringLiteral("00000429");
    QApplication::sendEvent(box("txtTitle"), &in);
    EXPECT_EQ(os::ProcessKeyboardSwitcher().lastRequested(), QStringLiteral("00000429"));
}

TEST_F(ManagerTest, F1OpensTheHelpFileUnderTheBasePathOrSaysItIsMissing)
{
    const QString base = catalogue.folder() + QStringLiteral("/host");
    catalogue.connection().execute("Update tblKelvoBasePath set BasePath = ?", {base});
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(box("txtTitle"), &f1);
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().text, QStringLiteral("مسير فايل راهنما مشخص نيست."));

    ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("/Tivran/Help/tivran help detail")));
    QFile help(base + QStringLiteral("/Tivran/Help/tivran help detail/ReportHelp.chm"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    QApplication::sendEvent(box("txtTitle"), &f1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(recorder.urls.size(), 1);
    EXPECT_EQ(recorder.urls[0].toLocalFile(), QFileInfo(help).absoluteFilePath());
    EXPECT_EQ(prompter.entries().size(), 1);
}

// ------------------------------------------------------------------ the public class

struct PublicClassTest : ManagerTest {
    void SetUp() override {}
    void assign(front::KelvoReportGenCls& gen)
    {
        gen.setOleConnectionString(catalogue.connectionString());
        gen.setUserID(1);
        gen.setPositionID(1);
        gen.setEmployeeID(1);
        gen.setsystemID(-1);
    }
};

TEST_F(PublicClassTest, ClearShowAndViewOpenTheManager)
{
    front::ScriptedWindowRunner runner;
    component::ProgramWindows host(prompter, runner, automation::ProcessRegistry());
    front::KelvoReportGenCls gen(session, {&host, nullptr});
    assign(gen);

    gen.ClearShow();
    QPointer<FormReportMan> empty = host.lastManager();
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->isVisible()); // the demo asks for modeless windows
    EXPECT_EQ(int(empty->mode()), 3);
    EXPECT_EQ(empty->ReportID(), -1);

    qint32 id = demoReport(2);
    gen.View(id);
    QPointer<FormReportMan> shown = host.lastManager();
    ASSERT_TRUE(shown);
    EXPECT_NE(shown.data(), empty.data());
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(int(shown->mode()), 4);
    EXPECT_EQ(shown->ReportID(), id);
    EXPECT_EQ(shown->findChild<QLineEdit*>("txtTitle")->text(), titleOf(id));

    // Closed windows are deleted.
    empty->close();
    shown->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(empty);
    EXPECT_FALSE(shown);
    EXPECT_TRUE(runner.opened().isEmpty());
}

TEST_F(PublicClassTest, TheModalFlagShowsTheManagerThroughTheRunner)
{
    catalogue.run("Update tblKelvoSystemParameters set Value = '1' where ID = 123");
    front::ScriptedWindowRunner runner;
    component::ProgramWindows host(prompter, runner, automation::ProcessRegistry());
    front::KelvoReportGenCls gen(session, {&host, nullptr});
    assign(gen);
    qint32 id = demoReport();
    int shownMode = 0;
    QString shownID;
    runner.expect([&](QWidget& window) {
        shownMode = int(static_cast<FormReportMan&>(window).mode());
        shownID = window.findChild<QLineEdit*>("txtID")->text();
    });
    gen.LimitedView(id);
    EXPECT_EQ(runner.opened(), QStringList{"FormReportMan"});
    EXPECT_EQ(shownMode, 4);
    EXPECT_EQ(shownID, QString::number(id));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(host.lastManager());
}

// The program's windows: the manager's design window opens the SQL editor on
// the report, modally through the runner, and the editor saves into it.
TEST_F(PublicClassTest, TheDesignWindowOpensTheSqlEditorOnTheReport)
{
    front::ScriptedWindowRunner runner;
    component::ProgramWindows host(prompter, runner, automation::ProcessRegistry());
    front::KelvoReportGenCls gen(session, {&host, nullptr});
    assign(gen);
    qint32 id = demoReport(2);
    gen.View(id);
    QPointer<FormReportMan> manager = host.lastManager();
    ASSERT_TRUE(manager);
    test::Click(*manager, "cmdDesignReport");
    auto* builder = manager->findChild<QMainWindow*>("FormReportBuilder");
    ASSERT_NE(builder, nullptr);
    QString shownFrom;
    runner.expect([&](QWidget& editor) {
        shownFrom = editor.findChild<QPlainTextEdit*>("txtEFrom")->toPlainText();
        test::Click(editor, "cmdFinalSave");
    });
    test::Click(*builder, "ShowSQL");
    EXPECT_EQ(runner.opened(), QStringList{"FormReportQuery"});
    EXPECT_FALSE(shownFrom.trimmed().isEmpty());
    EXPECT_TRUE(scalar("select SQLQuery from tblKelvoReport where ID = " + QString::number(id))
                    .toString()
                    .contains(shownFrom.trimmed()));
    manager->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The component library's registry makes public classes that open the
// program's own windows.
TEST_F(PublicClassTest, TheLibraryClassOpensTheProgramsManager)
{
    std::unique_ptr<automation::Dispatch> gen =
        component::LibraryComponents().create(QStringLiteral("KelvoReportGenerator.KelvoReportGenCls"));
    gen->putProperty(QStringLiteral("OleConnectionString"), catalogue.connectionString());
    for (const char* property : {"UserID", "PositionID", "EmployeeID"})
        gen->putProperty(QLatin1String(property), QVariant::fromValue<qint16>(1));
    gen->callWith(QStringLiteral("ClearShow"));
    QPointer<FormReportMan> manager = component::LibraryWindows().lastManager();
    ASSERT_TRUE(manager);
    EXPECT_TRUE(manager->isVisible());
    manager->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(manager);
}

} // namespace

#include "FormReportManTest.moc"
