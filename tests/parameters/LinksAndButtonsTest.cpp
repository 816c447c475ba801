// Drill-down links and action buttons: their dialogs, and what the display
// control does with them while a report is shown.
#include "support/DesignFixture.h"
#include "support/ReportRuns.h"

#include "component/ui/ProgramWindows.h"
#include "controls/ui/KelvoSelector.h"
#include "front/ui/WindowRunner.h"
#include "parameters/Messages.h"
#include "parameters/ReportButtons.h"
#include "parameters/ReportLinks.h"
#include "parameters/ui/FormButtons.h"
#include "parameters/ui/FormRelReport.h"
#include "platform/automation/ComponentRegistry.h"
#include "presentation/Messages.h"
#include "presentation/ResultModel.h"
#include "presentation/RowActions.h"
#include "presentation/ui/FormReportBuilder.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ReportGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>

using namespace kelvo;
using test::Child;
using test::Click;
using Kind = front::ScriptedPrompter::Kind;

namespace {

// The demo's reports: the customer summary calls the invoices of one
// customer; the invoices carry the settle button.
constexpr qint32 kInvoices = 2;
constexpr qint32 kCustomerSummary = 3;
constexpr qint32 kDepartmentEmployees = 4;
constexpr qint32 kCustomerInvoices = 7;

struct Links : test::DesignFixture {
    int links(const QString& where = {})
    {
        const QString condition = where.isEmpty() ? QString() : " where " + where;
        return test::Scalar(db(), "select count(*) from tblKelvoRelatedReports" + condition).toInt();
    }
    void addSecondary()
    {
        db().execute("insert into tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID, "
                     "CallerReportColumn, isSecondary) values (?, ?, 1, 'x', 1)",
                     {kCustomerSummary, kDepartmentEmployees});
    }
    const QStringList headings{fa("مشتری"), fa("تعداد فاکتور"), fa("جمع مبلغ")};
};

} // namespace

TEST_F(Links, TheDialogShowsTheStoredLinkAndItsSources)
{
    parameters::FormRelReport dialog(session, prompter, windows, kCustomerSummary, headings);
    auto& report = *Child<controls::KelvoSelector>(dialog, "gmpReport");
    auto& parameter = *Child<QComboBox>(dialog, "cmbParameter");
    auto& source = *Child<QComboBox>(dialog, "cmbColumn");
    EXPECT_EQ(report.ID(), kCustomerInvoices);
    ASSERT_EQ(parameter.count(), 1);
    EXPECT_EQ(parameter.itemText(0), "@CustomerName");
    parameter.setCurrentIndex(0);
    EXPECT_EQ(source.currentText(), fa("مشتری"));
    // The sources: the headings carrying 1001 on, then the caller's parameters (none).
    ASSERT_EQ(source.count(), 3);
    EXPECT_EQ(source.itemData(0).toInt(), 1001);
    EXPECT_EQ(source.itemData(2).toInt(), 1003);

    // Delete in the source list removes the source; saving then writes nothing.
    dialog.show();
    test::PressKey(source, Qt::Key_Delete);
    EXPECT_EQ(source.currentIndex(), -1);
    EXPECT_FALSE(dialog.mapping()[0].hasSource());
    addSecondary();
    Click(dialog, "cmdContinue");
    EXPECT_EQ(links(), 1); // the secondary row survives the save
    EXPECT_EQ(links("isSecondary = 1"), 1);
}

TEST_F(Links, SavingStoresTheHeadingOrTheParameterAndRefusesAReportWithoutParameters)
{
    // The department report called from the demo's parameter report itself:
    // its one parameter fed by the caller's parameter.
    {
        parameters::FormRelReport dialog(session, prompter, windows, kDepartmentEmployees, {fa("کد پرسنلی")});
        Child<controls::KelvoSelector>(dialog, "gmpReport")->setID(kDepartmentEmployees);
        auto& source = *Child<QComboBox>(dialog, "cmbColumn");
        Child<QComboBox>(dialog, "cmbParameter")->setCurrentIndex(0);
        choose(source, "@DepartmentID");
        Click(dialog, "cmdContinue");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(links("CallerReportID = 4 and CallerParameterID = 1 and CallerReportColumn is null"), 1);
    }
    // A called report without parameters cannot be saved; the links stay.
    parameters::FormRelReport dialog(session, prompter, windows, kCustomerSummary, headings);
    Child<controls::KelvoSelector>(dialog, "gmpReport")->setID(kInvoices);
    EXPECT_EQ(Child<QComboBox>(dialog, "cmbParameter")->count(), 0);
    Click(dialog, "cmdContinue");
    EXPECT_EQ(prompter.last().text, parameters::kNoCalledParametersMessage);
    EXPECT_EQ(links("CallerReportID = 3"), 1);

    // A heading is stored as its text; a new choice replaces the old links.
    Child<controls::KelvoSelector>(dialog, "gmpReport")->setID(kCustomerInvoices);
    Child<QComboBox>(dialog, "cmbParameter")->setCurrentIndex(0);
    choose(*Child<QComboBox>(dialog, "cmbColumn"), fa("جمع مبلغ"));
    Click(dialog, "cmdContinue");
    EXPECT_EQ(test::Scalar(db(), "select CallerReportColumn from tblKelvoRelatedReports where CallerReportID = 3")
                  .toString(),
              fa("جمع مبلغ"));
    EXPECT_EQ(links("CallerReportID = 3"), 1);
}

TEST_F(Links, DeleteAsksAndRemovesEveryLinkOfTheReport)
{
    addSecondary();
    parameters::FormRelReport dialog(session, prompter, windows, kCustomerSummary, headings);
    prompter.answerNo();
    Click(dialog, "cmdDelete");
    EXPECT_EQ(prompter.last().title, parameters::kDeleteLinkTitle);
    EXPECT_EQ(links("CallerReportID = 3"), 2);
    prompter.answerYes();
    Click(dialog, "cmdDelete");
    EXPECT_EQ(links("CallerReportID = 3"), 0);
    EXPECT_FALSE(dialog.mapping()[0].hasSource());
}

TEST(LinkFeeds, TakeTheRowsColumnByHeadingOrTheCallersValue)
{
    presentation::ReportDefinition caller;
    caller.links = {{7, "r", 1, "مشتري", std::nullopt}, {7, "r", 2, {}, 5}, {9, "s", 1, "شهر", std::nullopt}};
    const QList<presentation::CalledReport> called = presentation::CalledReports(caller);
    ASSERT_EQ(called.size(), 2);
    EXPECT_EQ(called[0].id, 7);
    EXPECT_EQ(called[1].title, "s");
    const QStringList headings{"كد", "مشتري"};
    const presentation::ParameterValues fed =
        presentation::LinkFeeds(caller, called[0], headings, {12, "علي"}, {{5, {QVariant(1403)}}});
    EXPECT_EQ(fed.value(1), QVariantList{"علي"});
    EXPECT_EQ(fed.value(2), QVariantList{1403});
    // A heading the result no longer has is named, and nothing is fed.
    try {
        presentation::LinkFeeds(caller, called[1], headings, {12, "علي"}, {});
        FAIL() << "a missing heading was fed";
    } catch (const presentation::RunError& e) {
        EXPECT_EQ(e.message(), presentation::kMissingHeadingMessage.arg("شهر", "s"));
    }
}

TEST(ButtonCalls, OneValuePerParameterFromTheRowOrAsAConstantConvertedByType)
{
    const presentation::ActionButton button{1, "ب", "spX", {{"مبلغ", "money"}, {"ثابت 'الف'", "nvarchar"}, {"7", "int"}}};
    const QList<repository::ProcedureParameterInfo> declared{
        {"@Amount", "money", 8, false}, {"@Note", "nvarchar", 50, false}, {"@Result", "int", 4, true}};
    const std::vector<db::ProcedureParameter> call =
        presentation::ButtonCall(button, {"شماره", "مبلغ"}, {3, QVariant(1250.5)}, declared);
    ASSERT_EQ(call.size(), 3u);
    EXPECT_EQ(call[0].name, "@Amount");
    EXPECT_EQ(call[0].value, QVariant(1250.5));
    EXPECT_EQ(call[1].value, QVariant("ثابت 'الف'"));
    EXPECT_EQ(call[2].value, QVariant(qint64(7)));
    EXPECT_EQ(call[2].direction, db::ParameterDirection::InputOutput);
    // Two values for three parameters, and a text where a number goes, are refused.
    presentation::ActionButton shorter = button;
    shorter.arguments.removeLast();
    EXPECT_THROW(presentation::ButtonCall(shorter, {}, {}, declared), presentation::RunError);
    presentation::ActionButton wrong = button;
    wrong.arguments[2].parName = "هفت";
    EXPECT_THROW(presentation::ButtonCall(wrong, {}, {}, declared), presentation::RunError);
}

namespace {

struct Buttons : test::DesignFixture {
    int count(const QString& table, const QString& where)
    {
        return test::Scalar(db(), "select count(*) from " + table + " where " + where).toInt();
    }
    // A new button of the invoices report on the procedure with these values.
    void fill(QWidget& dialog, const QString& caption, const QString& procedure, const QStringList& values)
    {
        Child<QLineEdit>(dialog, "txtCaption")->setText(caption);
        auto* selector = Child<controls::KelvoSelector>(dialog, "gmpStoredProcedure");
        const auto& rows = selector->rows();
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.code == procedure; });
        ASSERT_NE(row, rows.end()) << procedure.toStdString();
        selector->setID(row->id);
        auto* list = Child<QComboBox>(dialog, "cmbValCol");
        for (const QString& value : values) {
            if (list->findText(value) < 0)
                list->addItem(value);
            list->setCurrentIndex(list->findText(value));
            Click(dialog, "cmdAdd");
        }
    }
};

} // namespace

TEST_F(Buttons, TheListShowsTheReportsButtonsAndDeletesWithTheirValues)
{
    parameters::FormButtons list(session, prompter, windows, kInvoices);
    auto& grid = *Child<QTableWidget>(list, "FlexButtons");
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "عنوان دکمه");
    EXPECT_EQ(grid.item(0, 0)->text(), "1");
    EXPECT_EQ(grid.item(0, 1)->text(), fa("تسویه فاکتور"));
    EXPECT_EQ(grid.item(0, 2)->text(), "spDemoSettleInvoice");
    EXPECT_TRUE(Child<QAction>(list, "cmdEdit")->isEnabled());

    // Edit opens the button with its values.
    int values = -1;
    windows.modalScripts.enqueue([&](QWidget& dialog) {
        values = Child<QTableWidget>(dialog, "FlexPars")->rowCount();
        EXPECT_EQ(Child<QLineEdit>(dialog, "txtCaption")->text(), fa("تسویه فاکتور"));
        EXPECT_EQ(Child<controls::KelvoSelector>(dialog, "gmpStoredProcedure")->Code(), "spDemoSettleInvoice");
        return 0;
    });
    Click(list, "cmdEdit");
    EXPECT_EQ(values, 1);

    const int button = grid.item(0, 3)->text().toInt();
    Click(list, "cmdDelete");
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_FALSE(Child<QAction>(list, "cmdEdit")->isEnabled());
    EXPECT_EQ(count("tblKelvoReportButtons", "ID = " + QString::number(button)), 0);
    EXPECT_EQ(count("tblKelvoReportButtonsDetail", "ButtonID = " + QString::number(button)), 0);
}

TEST_F(Buttons, ANewButtonNeedsOneValuePerParameterAndIsRewrittenWhole)
{
    parameters::FormNewButton dialog(session, prompter, windows, kInvoices, 0);
    // The report's headings are offered; the host's own procedures are not.
    auto* list = Child<QComboBox>(dialog, "cmbValCol");
    EXPECT_GE(list->findText(fa("شماره فاکتور")), 0);
    const auto& offered = Child<controls::KelvoSelector>(dialog, "gmpStoredProcedure")->rows();
    EXPECT_TRUE(std::none_of(offered.begin(), offered.end(),
                             [](const auto& r) { return r.code.startsWith("sp_cft", Qt::CaseInsensitive); }));
    EXPECT_EQ(Child<QLabel>(dialog, "lblHelp")->text(), parameters::kChooseProcedureHint);
    EXPECT_FALSE(Child<QAction>(dialog, "cmdBack")->isEnabled());

    fill(dialog, "نماها 'اصلي'", "spKelvoGetMajorMinorViews", {"tblCustomer", fa("شماره فاکتور")});
    EXPECT_EQ(Child<QLabel>(dialog, "lblHelp")->text(),
              "spKelvoGetMajorMinorViews @ReferenceTable nvarchar, @MajorView nvarchar OUTPUT, "
              "@MinorView nvarchar OUTPUT");
    Click(dialog, "cmdBack");
    EXPECT_EQ(prompter.last().text, parameters::kEveryParameterMessage);
    EXPECT_FALSE(dialog.saved());
    fill(dialog, "نماها 'اصلي'", "spKelvoGetMajorMinorViews", {"x", "y"});
    Click(dialog, "cmdBack");
    EXPECT_EQ(prompter.entries().size(), 2); // four values for three parameters
    // Remove the extra value: the rows are numbered again.
    auto* values = Child<QTableWidget>(dialog, "FlexPars");
    values->setCurrentCell(0, 1);
    Click(dialog, "cmdDel");
    EXPECT_EQ(values->item(0, 0)->text(), "1");
    Click(dialog, "cmdBack");
    ASSERT_TRUE(dialog.saved());
    const QString id = test::Scalar(db(), "select max(ID) from tblKelvoReportButtons").toString();
    EXPECT_EQ(test::Scalar(db(), "select Caption from tblKelvoReportButtons where ID = " + id).toString(),
              "نماها 'اصلي'");
    EXPECT_EQ(count("tblKelvoReportButtonsDetail", "ButtonID = " + id), 3);
    EXPECT_EQ(test::Scalar(db(), "select Type from tblKelvoReportButtonsDetail where Seq = 2 and ButtonID = " + id)
                  .toString(),
              "nvarchar");

    // Saving the button again keeps one set of values.
    parameters::FormNewButton again(session, prompter, windows, kInvoices, id.toInt());
    EXPECT_EQ(Child<QTableWidget>(again, "FlexPars")->rowCount(), 3);
    Click(again, "cmdBack");
    ASSERT_TRUE(again.saved());
    EXPECT_EQ(count("tblKelvoReportButtonsDetail", "ButtonID = " + id), 3);
    EXPECT_EQ(count("tblKelvoReportButtons", "ReportID = 2"), 2);
}

namespace {

struct RowActions : test::DesignFixture {
    presentation::KelvoReport control{prompter, windows};

    RowActions()
    {
        control.setOleConnectionString(catalogue.connectionString());
        control.setUserID(1);
        control.resize(900, 500);
        control.show();
    }
    presentation::ReportGrid& grid() { return *control.ResultGrid(); }
    int rowOf(int column, const QVariant& value)
    {
        const presentation::ResultTable& table = grid().resultModel()->table();
        for (qsizetype r = 0; r < table.rowCount(); ++r)
            if (table.value(r, column) == value)
                return int(r);
        return -1;
    }
    void doubleClick(int row)
    {
        Q_EMIT grid().doubleClicked(grid().model()->index(row, 0));
    }
};

} // namespace

TEST_F(RowActions, ARowOpensTheCalledReportFedFromItsColumn)
{
    test::RunToEnd(control, kCustomerSummary);
    ASSERT_GT(grid().resultModel()->rowCount(), 3);
    const QString customer = grid().resultModel()->table().value(2, 0).toString();
    doubleClick(2);
    ASSERT_EQ(windows.calledReports.size(), 1);
    const front::CalledReportRun& run = windows.calledReports.first();
    EXPECT_EQ(run.reportID, kCustomerInvoices);
    EXPECT_EQ(run.title, fa("فاکتورهای یک مشتری"));
    EXPECT_EQ(run.fed.value(1), QVariantList{customer});

    // The called report runs with the fed value and asks nothing.
    presentation::KelvoReport called(prompter, windows);
    called.setOleConnectionString(catalogue.connectionString());
    called.RunCalledReport(run.reportID, run.fed);
    test::WaitForRun(called);
    EXPECT_TRUE(prompter.entries().isEmpty());
    EXPECT_FALSE(windows.opened.contains("ParameterForm"));
    const int invoices = test::Scalar(db(),
                                      "select count(*) from tblInvoice i join tblCustomer c on c.ID = i.CustomerID "
                                      "where c.Name = ?",
                                      {customer})
                             .toInt();
    EXPECT_GT(invoices, 0);
    EXPECT_EQ(called.ResultGrid()->resultModel()->table().rowCount(), invoices);

    // A parameter that is not fed is asked on the form, the fed one filled in.
    db().execute("insert into tblKelvoReportParameter (ReportID, ParameterID, Name, Type, ControlTypeID, Description, "
                 "ColSpan, RowSpan, Sequence, Visible) values (7, 2, 'Extra', 'int', 1002, 'x', 1, 1, 2, 1)");
    QString shownFed;
    windows.modalScripts.enqueue([&](QWidget& form) {
        shownFed = Child<QLineEdit>(form, "parCustomerName")->text();
        return 0;
    });
    called.RunCalledReport(run.reportID, run.fed);
    EXPECT_EQ(shownFed, customer);
}

TEST_F(RowActions, ARenamedHeadingIsNamedAndSeveralCalledReportsAreListed)
{
    db().execute("update tblKelvoRelatedReports set CallerReportColumn = 'نام قديمي' where CallerReportID = 3");
    test::RunToEnd(control, kCustomerSummary);
    doubleClick(0);
    EXPECT_TRUE(windows.calledReports.isEmpty());
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().text, presentation::kMissingHeadingMessage.arg("نام قديمي", fa("فاکتورهای یک مشتری")));

    // Two called reports: the row's menu names both; its choice opens one.
    db().execute("update tblKelvoRelatedReports set CallerReportColumn = ? where CallerReportID = 3", {fa("مشتری")});
    db().execute("insert into tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID, "
                 "CallerReportColumn) values (3, 4, 1, ?)",
                 {fa("تعداد فاکتور")});
    control.ReloadRowActions();
    const QRect cell = grid().visualRect(grid().model()->index(1, 0));
    Q_EMIT grid().customContextMenuRequested(cell.center());
    auto* menu = control.findChild<QMenu*>("mnuRow");
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), presentation::kOpenReportCaption.arg(fa("کارکنان یک واحد سازمانی")));
    EXPECT_EQ(menu->actions()[1]->text(), presentation::kOpenReportCaption.arg(fa("فاکتورهای یک مشتری")));
    menu->actions()[0]->trigger();
    menu->hide();
    ASSERT_EQ(windows.calledReports.size(), 1);
    EXPECT_EQ(windows.calledReports[0].reportID, kDepartmentEmployees);
    EXPECT_EQ(windows.calledReports[0].fed.value(1), QVariantList{grid().resultModel()->table().value(1, 1)});
}

TEST_F(RowActions, AButtonSettlesTheCurrentInvoiceAndTheReportIsRunAgain)
{
    test::RunToEnd(control, kInvoices);
    auto* settle = control.findChild<QToolButton*>(QStringLiteral("cmdButton1"));
    ASSERT_NE(settle, nullptr);
    EXPECT_EQ(settle->text(), fa("تسویه فاکتور"));
    EXPECT_FALSE(settle->isEnabled()); // no current row yet
    const int row = rowOf(4, 0);
    ASSERT_GE(row, 0);
    const QVariant invoice = grid().resultModel()->table().value(row, 0);
    grid().setCurrentIndex(grid().model()->index(row, 1));
    ASSERT_TRUE(settle->isEnabled());

    prompter.answerNo();
    settle->click();
    EXPECT_EQ(test::Scalar(db(), "select IsSettled from tblInvoice where InvoiceNo = ?", {invoice}).toInt(), 0);

    prompter.answerYes();
    settle->click();
    test::WaitForRun(control);
    ASSERT_EQ(prompter.entriesOf(Kind::Message).size(), 1) << prompter.last().text.toStdString();
    EXPECT_TRUE(prompter.last().text.startsWith(presentation::kButtonDoneMessage.arg("spDemoSettleInvoice")));
    EXPECT_EQ(test::Scalar(db(), "select IsSettled from tblInvoice where InvoiceNo = ?", {invoice}).toInt(), 1);
    // The grid was refreshed and the current row kept.
    EXPECT_EQ(grid().currentIndex().row(), row);
    EXPECT_EQ(grid().resultModel()->table().value(row, 0), invoice);
    EXPECT_EQ(grid().resultModel()->table().value(row, 4).toInt(), 1);
}

TEST_F(RowActions, AButtonShowsTheProcedureOutputsAndReportsItsFailure)
{
    const qint32 button = parameters::SaveButton(
        db(), kInvoices, {0, "نماها", "spKelvoGetMajorMinorViews", {"tblCustomer", "", ""}},
        repository::ProcedureParameters(db(), "spKelvoGetMajorMinorViews"));
    test::RunToEnd(control, kInvoices);
    grid().setCurrentIndex(grid().model()->index(0, 1));
    prompter.answerYes();
    control.findChild<QToolButton*>(QStringLiteral("cmdButton%1").arg(button))->click();
    test::WaitForRun(control);
    ASSERT_EQ(prompter.entriesOf(Kind::Message).size(), 1);
    EXPECT_TRUE(prompter.last().text.contains("@MajorView = vwCustomerMajor")) << prompter.last().text.toStdString();

    // A failing procedure goes to the error box; the rows shown stay.
    db().execute("update tblKelvoReportButtons set SPName = 'spKelvoCreateReportParameter' where ID = ?", {button});
    db().execute("update tblKelvoReportButtonsDetail set ParName = '0', Type = 'int' where ButtonID = ? and Seq = 1",
                 {button});
    control.ReloadRowActions();
    const int rows = grid().resultModel()->rowCount();
    prompter.clear();
    prompter.answerYes();
    control.findChild<QToolButton*>(QStringLiteral("cmdButton%1").arg(button))->click();
    ASSERT_EQ(prompter.entriesOf(Kind::Error).size(), 1);
    EXPECT_EQ(prompter.last().text, presentation::kButtonFailedMessage.arg("spKelvoCreateReportParameter"));
    EXPECT_EQ(grid().resultModel()->rowCount(), rows);
}

TEST_F(RowActions, ADoubleClickOnACustomerOpensItsInvoicesInANewViewer)
{
    front::ScriptedWindowRunner runner;
    automation::ComponentRegistry components;
    component::ProgramWindows program(prompter, runner, components);
    presentation::KelvoReport summary(prompter, program);
    summary.setOleConnectionString(catalogue.connectionString());
    summary.setUserID(1);
    test::RunToEnd(summary, kCustomerSummary);
    const QString customer = summary.ResultGrid()->resultModel()->table().value(1, 0).toString();
    Q_EMIT summary.ResultGrid()->doubleClicked(summary.ResultGrid()->model()->index(1, 0));

    presentation::FormViewReport* viewer = test::ShownViewer(fa("فاکتورهای یک مشتری"));
    ASSERT_NE(viewer, nullptr);
    test::WaitForRun(viewer->KelvoReport1());
    EXPECT_TRUE(prompter.entries().isEmpty());
    const int invoices = test::Scalar(db(),
                                      "select count(*) from tblInvoice i join tblCustomer c on c.ID = i.CustomerID "
                                      "where c.Name = ?",
                                      {customer})
                             .toInt();
    EXPECT_GT(invoices, 0);
    EXPECT_EQ(viewer->KelvoReport1().ResultGrid()->resultModel()->table().rowCount(), invoices);
    EXPECT_EQ(runner.opened(), QStringList{}); // nothing was asked
    viewer->close();
}

// Pictures of the two definition windows and of both actions, written only
// when KELVO_SHOTS_DIR names a folder.
TEST_F(RowActions, Picture)
{
    const QString folder = test::PicturesFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "KELVO_SHOTS_DIR not set";
    const auto shoot = [&](QWidget& window, const char* name) { test::SavePicture(window, folder, name); };
    const QStringList headings{fa("مشتری"), fa("تعداد فاکتور"), fa("جمع مبلغ")};
    parameters::FormRelReport links(session, prompter, windows, kCustomerSummary, headings);
    Child<QComboBox>(links, "cmbParameter")->setCurrentIndex(0);
    shoot(links, "FormRelReport");
    parameters::FormButtons buttons(session, prompter, windows, kInvoices);
    shoot(buttons, "FormButtons");
    parameters::FormNewButton button(session, prompter, windows, kInvoices, 1);
    shoot(button, "FormNewButton");

    test::RunToEnd(control, kInvoices);
    grid().setCurrentIndex(grid().model()->index(2, 1));
    shoot(control, "ReportWithButton");
    test::RunToEnd(control, kCustomerSummary);
    Q_EMIT grid().customContextMenuRequested(grid().visualRect(grid().model()->index(1, 0)).center());
    QApplication::processEvents();
    if (auto* menu = control.findChild<QMenu*>("mnuRow")) {
        menu->grab().save(folder + "/RowMenu.png");
        menu->hide();
    }
}
