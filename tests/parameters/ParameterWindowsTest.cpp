// The parameter windows, offscreen, driven as a user would.
#include "support/DesignFixture.h"

#include "component/ui/ProgramWindows.h"
#include "controls/ui/KelvoDate.h"
#include "controls/ui/KelvoSelector.h"
#include "design/ui/FormReportQuery.h"
#include "front/ui/WindowRunner.h"
#include "parameters/Messages.h"
#include "parameters/ParameterDefinitions.h"
#include "parameters/ui/FormDefineParameter.h"
#include "parameters/ui/FormParameterCreator.h"
#include "parameters/ui/FormReportForm.h"
#include "platform/automation/ComponentRegistry.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ParameterForm.h"
#include "presentation/ui/ReportGrid.h"
#include "query/QueryModel.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>

using namespace kelvo;
using namespace kelvo::parameters;
using test::Child;
using test::Click;
using Kind = front::ScriptedPrompter::Kind;
using Mode = FormDefineParameter::Mode;

namespace {

struct ParameterWindows : test::DesignFixture {
    qint32 report = addReport("گزارش آزمون", "Select * from tblInvoice");
    FormDefineParameter dialog{session, prompter, windows};

    ParameterWindows() { dialog.open(report); }

    QLineEdit& box(const char* name) { return *Child<QLineEdit>(dialog, name); }
    QAction& command(const char* name) { return *Child<QAction>(dialog, name); }
    QListWidget& list() { return *Child<QListWidget>(dialog, "lstParameter"); }
    controls::KelvoSelector& caption() { return *Child<controls::KelvoSelector>(dialog, "gmpCaption"); }
    void controlType(int id)
    {
        auto* kinds = Child<QComboBox>(dialog, "cmbControlTypeID");
        kinds->setCurrentIndex(kinds->findData(id));
    }
    // A new parameter with this title, saved; the mode it leaves.
    Mode create(const QString& title, int colSpan = 1)
    {
        Click(dialog, "cmdNew");
        box("txtName").setText(title);
        box("txtColSpan").setText(QString::number(colSpan));
        Click(dialog, "cmdOK");
        return dialog.mode();
    }
    QVariant stored(int parameterID, const char* column)
    {
        return test::Scalar(db(), QStringLiteral("select %1 from tblKelvoReportParameter where ReportID = ? and "
                                                 "ParameterID = ?")
                                      .arg(QLatin1String(column)),
                            {report, parameterID});
    }
    int parameterCount()
    {
        return test::Scalar(db(), "select count(*) from tblKelvoReportParameter where ReportID = ?", {report}).toInt();
    }
    void setFormColumns(int columns)
    {
        db().execute("update tblKelvoReport set Cols = ? where ID = ?", {columns, report});
    }
};

// Whether each control takes input: a box is editable, anything else enabled.
bool Enabled(QWidget& window, const char* name)
{
    if (auto* action = window.findChild<QAction*>(QLatin1String(name)))
        return action->isEnabled();
    if (auto* box = window.findChild<QLineEdit*>(QLatin1String(name)))
        return !box->isReadOnly();
    return Child<QWidget>(window, name)->isEnabled();
}

} // namespace

TEST_F(ParameterWindows, ModesSetTitleEnablingAndTheExitCaption)
{
    const char* const controls[] = {"lstParameter", "cmdNew", "cmdEdit", "cmdDelete", "cmdDeleteAll",
                                    "cmdParamBuilder", "txtName", "gmpCaption", "cmbType", "chkVisible", "cmdOK"};
    const struct {
        Mode mode;
        const char* title;
        const char* exit;
        std::array<bool, 11> enabled;
    } rows[] = {
        {Mode::Browse, " (مشاهده)", "خروج", {1, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0}},
        {Mode::New, " (جديد)", "انصراف", {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1}},
        {Mode::BrowseWithSelection, "", "خروج", {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},
        {Mode::Edit, " (اصلاح)", "انصراف", {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1}},
    };
    const auto check = [&](const auto& row) {
        ASSERT_EQ(dialog.mode(), row.mode);
        EXPECT_EQ(dialog.windowTitle(), kDefineParametersTitle + QString::fromUtf8(row.title));
        EXPECT_EQ(command("cmdExit").text(), QString::fromUtf8(row.exit));
        for (std::size_t i = 0; i < row.enabled.size(); ++i)
            EXPECT_EQ(Enabled(dialog, controls[i]), row.enabled[i]) << controls[i] << " " << int(row.mode);
    };
    check(rows[0]);
    Click(dialog, "cmdNew");
    check(rows[1]);
    box("txtName").setText("شعبه");
    Click(dialog, "cmdOK");
    check(rows[2]);
    Click(dialog, "cmdEdit");
    check(rows[3]);
    // Cancel in edit shows the parameter again, the typed title discarded.
    box("txtName").setText("تغيير");
    Click(dialog, "cmdExit");
    check(rows[2]);
    EXPECT_EQ(box("txtName").text(), "شعبه");
    // Cancel in new mode returns to browsing; exit while browsing closes.
    Click(dialog, "cmdNew");
    Click(dialog, "cmdExit");
    check(rows[0]);
    dialog.show();
    Click(dialog, "cmdExit");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(parameterCount(), 1);
}

TEST_F(ParameterWindows, NewParametersTakeTheNextNumberAndStoreBlanksAsNull)
{
    Click(dialog, "cmdNew");
    // The defaults of a new parameter.
    EXPECT_EQ(box("txtSequence").text(), "1");
    EXPECT_EQ(box("txtColSpan").text(), "1");
    EXPECT_EQ(box("txtRowSpan").text(), "1");
    EXPECT_EQ(Child<QComboBox>(dialog, "cmbType")->currentText(), "varchar");
    EXPECT_EQ(Child<QComboBox>(dialog, "cmbControlTypeID")->currentData().toInt(), 1002);
    EXPECT_TRUE(Child<QCheckBox>(dialog, "chkVisible")->isChecked());
    EXPECT_TRUE(caption().IsEmpty());
    EXPECT_TRUE(Child<QLineEdit>(dialog, "txtMajorView")->isHidden());
    box("txtName").setText("نام 'مشتري'");
    box("txtDescription").setText("   ");
    Click(dialog, "cmdOK");
    ASSERT_TRUE(prompter.entries().isEmpty()) << prompter.last().text.toStdString();
    EXPECT_EQ(stored(1, "Name").toString(), "نام 'مشتري'");
    EXPECT_EQ(stored(1, "Sequence").toInt(), 1);
    for (const char* column : {"Description", "MajorView", "MinorView", "CaptionID"})
        EXPECT_TRUE(stored(1, column).isNull()) << column;
    EXPECT_EQ(box("txtID").text(), "1");
    ASSERT_EQ(list().count(), 1);
    EXPECT_EQ(list().item(0)->text(), "نام 'مشتري'"); // no description: the title

    // A multi-choice list of two rows is saved with five; its views are shown.
    Click(dialog, "cmdNew");
    EXPECT_EQ(box("txtSequence").text(), "2");
    box("txtName").setText("كالاها");
    box("txtDescription").setText(" كالاهاي فاكتور ");
    controlType(1007);
    EXPECT_FALSE(Child<QLineEdit>(dialog, "txtMinorView")->isHidden());
    EXPECT_FALSE(Child<QLabel>(dialog, "lblMinorView")->isHidden());
    box("txtMajorView").setText("vwProductMajor");
    box("txtMinorView").setText("vwProductMinor");
    box("txtRowSpan").setText("2");
    Click(dialog, "cmdOK");
    EXPECT_EQ(stored(2, "RowSpan").toInt(), 5);
    EXPECT_EQ(stored(2, "Description").toString(), "كالاهاي فاكتور");
    EXPECT_EQ(stored(2, "MinorView").toString(), "vwProductMinor");
    EXPECT_EQ(stored(2, "ControlTypeID").toInt(), 1007);
    EXPECT_EQ(list().item(1)->text(), "كالاهاي فاكتور");

    // One view for a drop-down list.
    controlType(1003);
    EXPECT_FALSE(Child<QLineEdit>(dialog, "txtMajorView")->isHidden());
    EXPECT_TRUE(Child<QLineEdit>(dialog, "txtMinorView")->isHidden());

    // Numbers go on from the largest, after a deletion too.
    list().setCurrentRow(0);
    prompter.answerYes();
    Click(dialog, "cmdDelete");
    EXPECT_EQ(create("سوم"), Mode::BrowseWithSelection);
    EXPECT_EQ(box("txtID").text(), "3");
    EXPECT_EQ(stored(3, "Sequence").toInt(), 3);
}

TEST_F(ParameterWindows, SavingRefusesWhatTheFormCannotHold)
{
    setFormColumns(2);
    const struct {
        const char* title;
        const char* colSpan;
        const char* rowSpan;
        QString message;
        const char* focus;
    } cases[] = {
        {"  ", "1", "1", kNoTitleMessage, "txtName"},
        {"الف", "0", "1", kNoColSpanMessage, "txtColSpan"},
        {"الف", "x", "1", kNoColSpanMessage, "txtColSpan"},
        {"الف", "1", "-2", kNoRowSpanMessage, "txtRowSpan"},
        {"الف", "3", "1", kColSpanTooLongMessage, "txtColSpan"},
    };
    dialog.show();
    dialog.activateWindow();
    for (const auto& c : cases) {
        prompter.clear();
        Click(dialog, "cmdNew");
        box("txtName").setText(QString::fromUtf8(c.title));
        box("txtColSpan").setText(c.colSpan);
        box("txtRowSpan").setText(c.rowSpan);
        Click(dialog, "cmdOK");
        ASSERT_EQ(prompter.entries().size(), 1) << c.colSpan;
        EXPECT_EQ(prompter.last().text, c.message);
        EXPECT_EQ(prompter.last().title, kErrorTitle);
        EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(dialog, c.focus)) << c.focus;
        EXPECT_EQ(dialog.mode(), Mode::New);
        EXPECT_EQ(box("txtName").text(), QString::fromUtf8(c.title)); // the typed values stay
    }
    EXPECT_EQ(parameterCount(), 0);
    // A length equal to the column count is accepted.
    prompter.clear();
    EXPECT_EQ(create("الف", 2), Mode::BrowseWithSelection);
    EXPECT_TRUE(prompter.entries().isEmpty());

    // A form of no columns sends the user to the layout.
    setFormColumns(0);
    Click(dialog, "cmdNew");
    box("txtName").setText("ب");
    Click(dialog, "cmdOK");
    EXPECT_EQ(prompter.last().text, kNoFormColumnsMessage);
    EXPECT_EQ(QApplication::focusWidget(), Child<QToolButton>(dialog, "cmdReportForm"));
}

TEST_F(ParameterWindows, CaptionsMayNotRepeatOnCreateNorTitlesOnEdit)
{
    ASSERT_GE(caption().rows().size(), 2);
    const int first = caption().rows()[0].id;
    const int second = caption().rows()[1].id;
    Click(dialog, "cmdNew");
    box("txtName").setText("الف");
    caption().setID(first);
    Click(dialog, "cmdOK");
    Click(dialog, "cmdNew");
    box("txtName").setText("ب");
    caption().setID(first);
    Click(dialog, "cmdOK");
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().text, kDuplicateTitleMessage);
    EXPECT_EQ(dialog.mode(), Mode::New);
    caption().setID(second);
    Click(dialog, "cmdOK");
    EXPECT_EQ(parameterCount(), 2);

    // Editing compares titles, and not with the parameter itself.
    prompter.clear();
    list().setCurrentRow(1);
    Click(dialog, "cmdEdit");
    box("txtName").setText("الف");
    Click(dialog, "cmdOK");
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().text, kDuplicateTitleMessage);
    EXPECT_TRUE(caption().IsEmpty());
    box("txtName").setText("ب");
    box("txtDescription").setText("دوم");
    Click(dialog, "cmdOK");
    EXPECT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(stored(2, "Description").toString(), "دوم");
    EXPECT_EQ(list().item(1)->text(), "دوم");
    // A save with no caption chosen keeps the one the parameter had.
    EXPECT_EQ(stored(2, "CaptionID").toInt(), second);
    EXPECT_EQ(dialog.mode(), Mode::BrowseWithSelection);
}

TEST_F(ParameterWindows, DeletingAsksOnceForTheSelectedAndTwiceForAll)
{
    for (const char* title : {"الف", "ب", "پ"})
        create(QString::fromUtf8(title));
    // No to the question deletes nothing.
    list().setCurrentRow(0);
    prompter.answerNo();
    Click(dialog, "cmdDelete");
    EXPECT_EQ(prompter.last().title, kWarningTitle);
    EXPECT_EQ(prompter.last().text, kDeleteQuestion);
    EXPECT_EQ(parameterCount(), 3);
    // Two selected, deleted together; the boxes show what is left current.
    list().item(0)->setSelected(true);
    list().item(2)->setSelected(true);
    prompter.answerYes();
    Click(dialog, "cmdDelete");
    EXPECT_EQ(parameterCount(), 1);
    EXPECT_EQ(list().count(), 1);

    for (const auto& answers : {std::pair(false, true), std::pair(true, false)}) {
        prompter.clear();
        answers.first ? prompter.answerYes() : prompter.answerNo();
        answers.second ? prompter.answerYes() : prompter.answerNo();
        Click(dialog, "cmdDeleteAll");
        EXPECT_EQ(parameterCount(), 1);
    }
    EXPECT_EQ(prompter.last().text, kDeleteAllAgainQuestion);
    prompter.answerYes();
    prompter.answerYes();
    Click(dialog, "cmdDeleteAll");
    EXPECT_EQ(parameterCount(), 0);
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(dialog.mode(), Mode::Browse);
}

TEST_F(ParameterWindows, TheLayoutAndTheAutomaticCreationRefreshTheDialog)
{
    setFormColumns(1);
    // The layout is saved with three columns: a length of three is then accepted.
    windows.onEditReportForm = [this] {
        setFormColumns(3);
        return true;
    };
    Click(dialog, "cmdReportForm");
    EXPECT_EQ(create("پهن", 3), Mode::BrowseWithSelection);
    EXPECT_TRUE(prompter.entries().isEmpty());

    windows.onCreateParameters = [this] {
        CreateParameterForColumn(db(), report, "tblInvoice", "CustomerID");
        return true;
    };
    Click(dialog, "cmdParamBuilder");
    EXPECT_EQ(windows.opened, (QStringList{"EditReportForm", "CreateParametersAutomatically"}));
    EXPECT_EQ(list().count(), 2);
    EXPECT_EQ(dialog.mode(), Mode::Browse);
}

TEST_F(ParameterWindows, TheFormLayoutRefusesANarrowFormAndSavesAbsoluteValues)
{
    create("پهن", 1);
    db().execute("update tblKelvoReportParameter set ColSpan = 3 where ReportID = ?", {report});
    FormReportForm form(session, prompter, windows);
    form.load(report);
    form.show();
    auto& cols = *Child<QLineEdit>(form, "txtCols");
    EXPECT_EQ(cols.text(), "1");
    EXPECT_EQ(Child<QLineEdit>(form, "txtColWidth")->text(), "4000");
    cols.setText("2");
    Click(form, "cmdOK");
    EXPECT_EQ(prompter.last().text, kFormTooNarrowMessage);
    EXPECT_FALSE(form.saved());
    EXPECT_TRUE(form.isVisible());

    cols.setText("-3");
    Child<QLineEdit>(form, "txtRowHeight")->setText("-520");
    test::PressKey(cols, Qt::Key_Return); // Enter saves
    EXPECT_TRUE(form.saved());
    EXPECT_EQ(cols.text(), "3");
    EXPECT_EQ(test::Scalar(db(), "select Cols from tblKelvoReport where ID = ?", {report}).toInt(), 3);
    EXPECT_EQ(test::Scalar(db(), "select ReportRowHeight from tblKelvoReport where ID = ?", {report}).toInt(), 520);

    // Opened again: the stored columns, and the row height starts at 400.
    FormReportForm again(session, prompter, windows);
    again.load(report);
    EXPECT_EQ(Child<QLineEdit>(again, "txtCols")->text(), "3");
    EXPECT_EQ(Child<QLineEdit>(again, "txtRowHeight")->text(), "400");
    again.load(987654);
    EXPECT_EQ(Child<QLineEdit>(again, "txtCols")->text(), "2");
}

TEST_F(ParameterWindows, AutomaticCreationMarksColumnsInBulkAndCreatesOnePerMark)
{
    query::QueryStores& stores = session.queries;
    stores.clauses.EQuery = query::AssembleEditorQuery({"tblInvoice.InvoiceNo as [شماره], tblCustomer.Name as [نام]",
                                                        "tblCustomer, tblInvoice", {}, {}, {}});
    query::SplitEnglishQuery(stores, db());
    query::RebuildQueryModel(stores, db());
    FormParameterCreator creator(session, prompter, windows, report);
    auto& columns = *Child<QListWidget>(creator, "lstColumns");
    auto& all = *Child<QCheckBox>(creator, "chkAllColumns");
    auto& chosen = *Child<QCheckBox>(creator, "chkSelectColumns");
    ASSERT_GT(columns.count(), 10);
    EXPECT_EQ(columns.selectedItems().size(), 0);

    Click(creator, "cmdOK");
    EXPECT_EQ(prompter.last().text, kNoColumnChosenMessage);
    EXPECT_FALSE(creator.created());
    EXPECT_EQ(parameterCount(), 0);

    all.setChecked(true);
    EXPECT_EQ(columns.selectedItems().size(), columns.count());
    chosen.setChecked(true);
    EXPECT_FALSE(all.isChecked());
    QStringList marked;
    for (const QListWidgetItem* item : columns.selectedItems())
        marked << item->text();
    marked.sort();
    EXPECT_EQ(marked, (QStringList{fa("فاکتورهای فروش_شماره فاکتور"), fa("مشتریان_نام مشتری")}));
    chosen.setChecked(false);
    EXPECT_EQ(columns.selectedItems().size(), 0);

    chosen.setChecked(true);
    Click(creator, "cmdOK");
    EXPECT_TRUE(creator.created());
    EXPECT_EQ(parameterCount(), 2);
    EXPECT_EQ(test::Scalar(db(), "select count(*) from tblKelvoReportParameter where ReportID = ? and Name in "
                                 "('InvoiceNo', 'Name')",
                           {report})
                  .toInt(),
              2);
}
