// The viewer windows over a copy of the demo catalogue, offscreen: the
// design-and-run window's commands and the parameterless viewer the public
// class opens.
#include "component/ui/ProgramWindows.h"
#include "front/HostContext.h"
#include "front/KelvoReportGenCls.h"
#include "front/ScriptedPrompter.h"
#include "front/ui/WindowRunner.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/ComponentRegistry.h"
#include "presentation/Messages.h"
#include "presentation/Scheduler.h"
#include "presentation/ui/FormReportBuilder.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ResultModel.h"
#include "presentation/ui/ReportGrid.h"
#include "support/ReportRuns.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QPointer>
#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::presentation;
using Kind = front::ScriptedPrompter::Kind;

namespace {

using test::WaitForRun;

using test::ShownViewer;

struct Viewer : ::testing::Test {
    test::TempCatalogue catalogue = test::TempCatalogue::demo();
    front::Session session;
    front::ScriptedPrompter prompter;
    test::TestWindows windows;

    front::ScriptedWindowRunner runner;
    component::ProgramWindows program{prompter, runner, automation::ProcessRegistry()};

    // Opens report through the public class's ViewReportWithoutParameters,
    // as a host would, with the program's windows; the viewer it shows.
    FormViewReport* viewWithoutParameters(qint32 report, QString title, qint16 user, qint16 employee, qint16 position)
    {
        front::KelvoReportGenCls gen(session, {&program, &program});
        gen.setOleConnectionString(catalogue.connectionString());
        gen.setUserID(user);
        gen.setEmployeeID(employee);
        gen.setPositionID(position);
        QString caller = "caller";
        gen.ViewReportWithoutParameters(report, caller, title);
        return ShownViewer(title);
    }

    Viewer()
    {
        front::HostProperties p;
        p.OleConnectionString = catalogue.connectionString();
        p.UserID = p.PositionID = p.EmployeeID = 1;
        front::StartContext(session, p, front::ContextStart::Full);
    }
};

// A component of the host that records what it is given, by name.
class Recorder final : public automation::Dispatch {
public:
    explicit Recorder(QStringList& log) : m_log(log) {}
    QList<automation::MemberInfo> members() const override { return {}; }
    QVariant getProperty(const QString& name) override { throw automation::AutomationError::memberNotFound(name); }
    void putProperty(const QString& name, const QVariant& value) override
    {
        m_log << name + "=" + value.toString();
    }
    QVariant call(const QString& name, QVariantList&) override
    {
        m_log << name + "()";
        return {};
    }

private:
    QStringList& m_log;
};

} // namespace

TEST_F(Viewer, ResultCommandsSayTheReportMustRunFirstAndThenOpen)
{
    FormReportBuilder builder(session, prompter, windows, 2);
    builder.show();
    struct Case {
        const char* key;
        QString notRun;
    };
    const Case cases[] = {
        {"Refresh", kRefreshFirst},     {"Merge", kMergeFirst},        {"InColumns", kInColumnsFirst},
        {"RowColors", kRowColorsFirst}, {"Format", kFormatFirst},      {"AddExpr", kAddExprFirst},
        {"ShowDiagram", kDiagramFirst}, {"RelReport", kRelReportFirst}, {"Buttons", kButtonsFirst},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        prompter.clear();
        test::Click(builder, c.key);
        ASSERT_EQ(prompter.entries().size(), 1);
        EXPECT_EQ(prompter.last().text, c.notRun);
    }
    EXPECT_FALSE(builder.hasRun());

    test::Click(builder, "Run");
    WaitForRun(builder.KelvoReport1());
    ASSERT_TRUE(builder.hasRun());
    // The merge, the row colours and the row expressions open their windows
    // on the grid shown.
    prompter.clear();
    windows.opened.clear();
    test::Click(builder, "Merge");
    test::Click(builder, "RowColors");
    test::Click(builder, "AddExpr");
    test::Click(builder, "Format");
    test::Click(builder, "InColumns"); // no stored distribution: no question
    test::Click(builder, "ShowDiagram");
    EXPECT_EQ(windows.opened,
              (QStringList{"FormMerge", "FormRowColors", "FormExprFlex", "FormFormat", "FormInColumns", "FormDiagram"}));
    EXPECT_TRUE(prompter.entries().isEmpty());
    // With a stored distribution, using it asks and opens nothing.
    catalogue.connection().execute("update tblKelvoReportLayout set TransposeType = 1 where ReportID = 2 and ColumnNumber = 1");
    prompter.answerYes();
    test::Click(builder, "InColumns");
    EXPECT_EQ(prompter.last().text, kUsePreviousQuestion);
    EXPECT_EQ(windows.opened.size(), 6);
    // A merged report is not charted.
    catalogue.connection().execute("update tblKelvoReport set IsMerged = 1 where ID = 2");
    test::Click(builder, "ShowDiagram");
    EXPECT_EQ(prompter.last().text, kMergedChartMessage);
    EXPECT_EQ(windows.opened.size(), 6);
    prompter.clear();
    // The links and the buttons open their windows, the links with the
    // headings of the grid shown.
    test::Click(builder, "RelReport");
    test::Click(builder, "Buttons");
    EXPECT_TRUE(prompter.entries().isEmpty());
    ASSERT_EQ(windows.linkEdits.size(), 1);
    EXPECT_EQ(windows.linkEdits[0].reportID, 2);
    const QStringList columns = builder.KelvoReport1().ResultGrid()->resultModel()->table().columns();
    EXPECT_EQ(columns.size(), 5);
    EXPECT_EQ(windows.linkEdits[0].headings, columns);
    EXPECT_EQ(windows.buttonEdits, QList<qint32>{2});
    prompter.clear();
    test::Click(builder, "Refresh");
    test::Click(builder, "AddTemplate");
    EXPECT_TRUE(prompter.entries().isEmpty());

    // ToExcel writes the rows shown to the file the user names.
    const QString xlsx = catalogue.folder() + "/invoices.xlsx";
    windows.savePaths.enqueue(xlsx);
    test::Click(builder, "ToExcel");
    EXPECT_TRUE(QFileInfo::exists(xlsx));
    test::Click(builder, "Schedule");
    EXPECT_EQ(windows.schedules, QList<qint32>{2});
    // The query command opens the SQL editor on the report, run or not.
    test::Click(builder, "ShowSQL");
    EXPECT_EQ(windows.queryEdits, QList<qint32>{2});
}

TEST_F(Viewer, TheSchedulerIsGivenTheColoursTheReportAndTheConnection)
{
    QStringList log;
    automation::ComponentRegistry registry;
    registry.registerComponent(kSchedulerProgId, [&] { return std::make_unique<Recorder>(log); });
    ShowScheduler(registry, prompter, session.context, 7);
    EXPECT_EQ(log, (QStringList{"DorkColor=" + QString::number(session.context.FormDorkColorValue),
                                "LightColor=" + QString::number(session.context.FormLightColorValue),
                                "MidColor=" + QString::number(session.context.FormMidColorValue), "ReportID=7",
                                "OleConnectionString=" + catalogue.connectionString(), "ClearShow()"}));
    // Not installed: the refusal, and nothing else.
    automation::ComponentRegistry empty;
    ShowScheduler(empty, prompter, session.context, 7);
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().text, front::kNotPermittedMessage);
}

// The public class opens the parameterless viewer through the program's
// windows: caption, identity and the report's rows.
TEST_F(Viewer, ViewReportWithoutParametersShowsTheReportInItsOwnWindow)
{
    FormViewReport* viewer = viewWithoutParameters(3, "خلاصه فروش", 1, 1, 1);
    ASSERT_NE(viewer, nullptr);
    QPointer<FormViewReport> alive = viewer;
    WaitForRun(viewer->KelvoReport1());
    EXPECT_GT(viewer->KelvoReport1().ResultGrid()->Rows(), 1);
    EXPECT_TRUE(prompter.entries().isEmpty());
    test::Click(*viewer, "cmdContinue");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
}

// Writes a picture of the design-and-run window after a run when KELVO_SHOTS_DIR is set.
TEST_F(Viewer, Picture)
{
    const QString folder = qEnvironmentVariable("KELVO_SHOTS_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "KELVO_SHOTS_DIR not set";
    FormReportBuilder builder(session, prompter, windows, 3);
    builder.show();
    test::Click(builder, "Run");
    WaitForRun(builder.KelvoReport1());
    QApplication::processEvents();
    EXPECT_TRUE(builder.grab().save(folder + "/FormReportBuilder.png"));
}

// Each identifier the public class holds reaches the viewer's control as
// the one it is: the report shows the user, employee and position it ran for.
TEST_F(Viewer, ViewReportWithoutParametersRunsForTheObjectsIdentity)
{
    const qint32 report = catalogue.connection()
                              .execute("insert into tblKelvoReport (Title, CreatorID, SQLQuery) values (N'هويت', 1, "
                                       "N'Select (مشخصه كاربر) as ''u'', (مشخصه كارمند) as ''e'', "
                                       "(مشخصه موقعيت كاربر) as ''p''')")
                              .lastInsertId.toInt();
    FormViewReport* viewer = viewWithoutParameters(report, "هويت", 11, 12, 13);
    ASSERT_NE(viewer, nullptr);
    WaitForRun(viewer->KelvoReport1());
    const ReportGrid& grid = *viewer->KelvoReport1().ResultGrid();
    EXPECT_EQ(grid.TextMatrix(1, 1), "11");
    EXPECT_EQ(grid.TextMatrix(1, 2), "12");
    EXPECT_EQ(grid.TextMatrix(1, 3), "13");
    viewer->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
