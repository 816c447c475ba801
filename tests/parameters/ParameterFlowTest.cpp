// Parameters defined from the SQL editor through the program's windows, then
// asked on the parameter form at the next run of the report.
#include "support/DesignFixture.h"
#include "support/ReportRuns.h"

#include "component/ui/ProgramWindows.h"
#include "controls/ui/KelvoDate.h"
#include "controls/ui/KelvoSelector.h"
#include "design/QueryDesign.h"
#include "design/ui/FormReportQuery.h"
#include "front/ui/WindowRunner.h"
#include "parameters/ui/FormDefineParameter.h"
#include "parameters/ui/FormParameterCreator.h"
#include "parameters/ui/FormReportForm.h"
#include "platform/automation/ComponentRegistry.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ReportGrid.h"
#include "presentation/ResultModel.h"
#include "query/QueryModel.h"
#include "text/PersianDate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace kelvo;
using test::Child;
using test::Click;

namespace {

struct ParameterFlow : test::DesignFixture {
    front::ScriptedWindowRunner runner;
    automation::ComponentRegistry components;
    component::ProgramWindows program{prompter, runner, components};
    qint32 report = addReport(fa("فاکتورهای یک مشتری"),
                              "Select tblInvoice.InvoiceNo as [شماره], tblInvoice.FarsiInvoiceDate as [تاريخ], "
                              "tblInvoice.TotalAmount as [مبلغ] From tblInvoice");

    // A new parameter in the definitions dialog, saved.
    static void define(QWidget& dialog, const QString& title, const QString& type, int controlType, int colSpan,
                       const QString& major = {}, const QString& minor = {})
    {
        Click(dialog, "cmdNew");
        Child<QLineEdit>(dialog, "txtName")->setText(title);
        Child<QLineEdit>(dialog, "txtDescription")->setText(title);
        Child<QComboBox>(dialog, "cmbType")->setCurrentText(type);
        auto* kinds = Child<QComboBox>(dialog, "cmbControlTypeID");
        kinds->setCurrentIndex(kinds->findData(controlType));
        Child<QLineEdit>(dialog, "txtMajorView")->setText(major);
        Child<QLineEdit>(dialog, "txtMinorView")->setText(minor);
        Child<QLineEdit>(dialog, "txtColSpan")->setText(QString::number(colSpan));
        Click(dialog, "cmdOK");
    }

    // Adds "column operator value" in the condition builder.
    static void compare(QWidget& builder, const QString& column, const QString& op, const QString& value)
    {
        choose(*Child<QComboBox>(builder, "cmbColumn"), column);
        choose(*Child<QComboBox>(builder, "cmbOperator"), op);
        choose(*Child<QComboBox>(builder, "cmbValCol"), value);
        Click(builder, "cmdAdd");
    }

    void run(presentation::KelvoReport& control)
    {
        control.setOleConnectionString(catalogue.connectionString());
        control.setUserID(1);
        test::RunToEnd(control, report);
    }

    // The grid cell of a parameter's control: row, column, row span, column span.
    static std::array<int, 4> cellOf(QWidget& form, const QString& name)
    {
        QWidget* control = Child<QWidget>(form, "par" + name);
        QGridLayout* grid = form.findChild<QGridLayout*>();
        std::array<int, 4> cell{-1, -1, -1, -1};
        if (control && grid)
            grid->getItemPosition(grid->indexOf(control->parentWidget()), &cell[0], &cell[1], &cell[2], &cell[3]);
        return cell;
    }
};

} // namespace

TEST_F(ParameterFlow, ParametersDefinedInTheEditorFilterTheNextRun)
{
    const QString customerTitle = QStringLiteral("مشتري");
    const QString dateTitle = QStringLiteral("از تاريخ");
    // The definitions: the form in two columns, a customer selector across
    // both, a Persian date below it.
    runner.expect([&](QWidget& dialog) {
        Click(dialog, "cmdReportForm");
        define(dialog, customerTitle, "int", 13, 2, "vwCustomerMajor", "vwCustomerMinor");
        define(dialog, dateTitle, "nvarchar", 1005, 1);
        Click(dialog, "cmdExit");
    });
    runner.expect([](QWidget& form) {
        Child<QLineEdit>(form, "txtCols")->setText("2");
        Click(form, "cmdOK");
    });
    // The condition: this customer's invoices from that date on.
    runner.expect([&](QWidget& builder) {
        compare(builder, fa("فاکتورهای فروش_مشتری"), QStringLiteral("مساوي"), u'@' + customerTitle);
        Click(builder, "cmdAnd");
        compare(builder, fa("فاکتورهای فروش_تاریخ شمسی فاکتور"), QStringLiteral("بزرگتر يا مساوي"),
                u'@' + dateTitle);
        Click(builder, "cmdBack");
    });
    design::FormReportQuery editor(session, prompter, program, report, false);
    Click(editor, "cmdDefParameter");
    Click(editor, "cmdEWhere");
    EXPECT_EQ(Child<QPlainTextEdit>(editor, "txtEWhere")->toPlainText(),
              "(tblInvoice.CustomerID  =  @1) AND (tblInvoice.FarsiInvoiceDate  >=  @2) ");
    EXPECT_EQ(Child<QPlainTextEdit>(editor, "txtFWhere")->toPlainText(),
              "(" + fa("فاکتورهای فروش_مشتری") + " مساوي @" + customerTitle + ") و (" +
                  fa("فاکتورهای فروش_تاریخ شمسی فاکتور") + " بزرگتر يا مساوي @" + dateTitle + ") ");
    Click(editor, "cmdFinalSave");
    ASSERT_TRUE(editor.saved());
    ASSERT_TRUE(prompter.entries().isEmpty()) << prompter.last().text.toStdString();
    EXPECT_EQ(runner.opened(), (QStringList{"FormDefineParameter", "FormReportForm", "FormAddCons"}));

    // The run asks on the form as defined, and shows the filtered rows.
    const QVariant customer = test::Scalar(
        db(), "select CustomerID from tblInvoice group by CustomerID order by count(*) desc, CustomerID limit 1");
    const QString from = test::Scalar(db(),
                                      "select FarsiInvoiceDate from tblInvoice where CustomerID = ? "
                                      "order by FarsiInvoiceDate limit 1 offset 2",
                                      {customer})
                             .toString();
    ASSERT_FALSE(from.isEmpty());
    runner.expect([&](QWidget& form) {
        EXPECT_EQ(cellOf(form, customerTitle), (std::array<int, 4>{0, 0, 1, 2}));
        EXPECT_EQ(cellOf(form, dateTitle), (std::array<int, 4>{1, 0, 1, 1}));
        EXPECT_EQ(Child<QLabel>(form, "lbl" + customerTitle)->text(), customerTitle);
        EXPECT_EQ(Child<QLabel>(form, "lbl" + dateTitle)->text(), dateTitle);
        Child<controls::KelvoSelector>(form, "par" + customerTitle)->setID(customer.toInt());
        Child<controls::KelvoDate>(form, "par" + dateTitle)->setValue(text::ParseJalaliText(from));
        Click(form, "cmdOK");
    });
    presentation::KelvoReport control(prompter, program);
    run(control);
    ASSERT_TRUE(prompter.entries().isEmpty()) << prompter.last().text.toStdString();
    ASSERT_EQ(runner.opened().last(), "ParameterForm");
    const int expected = test::Scalar(db(),
                                      "select count(*) from tblInvoice where CustomerID = ? and FarsiInvoiceDate >= ?",
                                      {customer, from})
                             .toInt();
    const int all = test::Scalar(db(), "select count(*) from tblInvoice").toInt();
    EXPECT_GT(expected, 0);
    EXPECT_LT(expected, all);
    EXPECT_EQ(control.ResultGrid()->resultModel()->table().rowCount(), expected);
    EXPECT_EQ(runner.unexpectedWindows(), 0);
}

// Pictures of the three windows filled from the demo catalogue and of the
// parameter form the run then shows; written only when KELVO_SHOTS_DIR names
// a folder.
TEST_F(ParameterFlow, Picture)
{
    const QString folder = test::PicturesFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "KELVO_SHOTS_DIR not set";
    const auto shoot = [&](QWidget& window, const char* name) { test::SavePicture(window, folder, name); };
    db().execute("update tblKelvoReport set Cols = 2 where ID = ?", {report});
    parameters::FormDefineParameter dialog(session, prompter, program);
    dialog.open(report);
    define(dialog, QStringLiteral("مشتري"), "int", 13, 2, "vwCustomerMajor", "vwCustomerMinor");
    define(dialog, QStringLiteral("از تاريخ"), "nvarchar", 1005, 1);
    define(dialog, QStringLiteral("تا تاريخ"), "nvarchar", 1005, 1);
    Child<QListWidget>(dialog, "lstParameter")->setCurrentRow(0);
    shoot(dialog, "FormDefineParameter");
    Click(dialog, "cmdNew");
    shoot(dialog, "FormDefineParameterNew");

    parameters::FormReportForm form(session, prompter, program);
    form.load(report);
    shoot(form, "FormReportForm");

    query::QueryStores& stores = session.queries;
    stores.clauses.EQuery = query::AssembleEditorQuery(
        {"tblInvoice.InvoiceNo as [شماره], tblCustomer.Name as [نام]", "tblCustomer, tblInvoice", {}, {}, {}});
    query::SplitEnglishQuery(stores, db());
    query::RebuildQueryModel(stores, db());
    parameters::FormParameterCreator creator(session, prompter, program, report);
    Child<QCheckBox>(creator, "chkSelectColumns")->setChecked(true);
    shoot(creator, "FormParameterCreator");

    db().execute("update tblKelvoReport set SQLQuery = ? where ID = ?",
                 {"Select tblInvoice.InvoiceNo as [شماره] From tblInvoice Where tblInvoice.CustomerID = @1 "
                  "and tblInvoice.FarsiInvoiceDate between @2 and @3",
                  report});
    runner.expect([&](QWidget& parameterForm) {
        Child<controls::KelvoSelector>(parameterForm, QStringLiteral("parمشتري"))->setID(3);
        shoot(parameterForm, "ParameterFormDefined");
    });
    presentation::KelvoReport control(prompter, program);
    run(control);
}
