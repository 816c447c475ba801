// The windows that shape a shown report's result, offscreen on a fresh demo
// catalogue: row merge and row colours.
#include "front/HostContext.h"
#include "front/ScriptedPrompter.h"
#include "presentation/Messages.h"
#include "presentation/ResultModel.h"
#include "presentation/ShapingDefinitions.h"
#include "presentation/ui/FormDiagram.h"
#include "presentation/ui/FormExpressions.h"
#include "presentation/ui/FormFormat.h"
#include "presentation/ui/FormInColumns.h"
#include "presentation/ui/FormMerge.h"
#include "presentation/ui/FormRowColors.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ReportGrid.h"
#include "support/ReportRuns.h"
#include "support/SignedInSession.h"
#include "support/WindowFixture.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::presentation;
using test::Child;
using test::Click;

namespace {

constexpr qint32 kInvoices = 2; // five columns; unsettled rows coloured in the demo
constexpr qint32 kEmployees = 1;

struct ShapingWindows : ::testing::Test {
    test::TempCatalogue catalogue = test::TempCatalogue::demo();
    front::Session session;
    front::ScriptedPrompter prompter;
    test::TestWindows windows;
    KelvoReport control{prompter, windows};

    ShapingWindows()
    {
        test::SignInAsAdministrator(session, catalogue.connectionString());
        control.setOleConnectionString(catalogue.connectionString());
        control.setUserID(1);
    }
    db::Connection& db() { return catalogue.connection(); }
    QVariant scalar(const QString& sql) { return test::Scalar(db(), sql); }
    // Chooses a column of the merge window and the merge type for it.
    static void setType(FormMerge& merge, int gridColumn, int type)
    {
        Child<QListWidget>(merge, "lstColumns")->setCurrentRow(gridColumn - 1);
        Child<QRadioButton>(merge, QStringLiteral("optDec%1").arg(type))->click();
    }
};

} // namespace

TEST_F(ShapingWindows, MergeNeedsABaseColumnAndKeepsTheLayoutRowsInStepWithTheGrid)
{
    test::RunToEnd(control, kInvoices);
    // The stored layout misses columns 4 and 5 and has one too many.
    db().execute("delete from tblKelvoReportLayout where ReportID = 2 and ColumnNumber >= 4");
    db().execute("insert into tblKelvoReportLayout (ReportID, ColumnNumber, Alignment, Width) values (2, 9, 1, 500)");
    const int width3 = scalar("select Width from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 3").toInt();
    {
        FormMerge merge(session, prompter, windows, kInvoices, control);
        EXPECT_EQ(Child<QLabel>(merge, "lblState")->text(), kMergeAbsent);
        EXPECT_FALSE(Child<QAction>(merge, "cmdContinue")->isEnabled());
        setType(merge, 4, 2);
        Click(merge, "cmdContinue");
        EXPECT_EQ(prompter.last().text, kNoBaseColumnMessage);
        EXPECT_EQ(scalar("select IsMerged from tblKelvoReport where ID = 2").toInt(), 0);

        setType(merge, 5, 1);
        windows.modalScripts.enqueue([&](QWidget& w) {
            Click(w, "cmdContinue");
            return static_cast<QDialog&>(w).result();
        });
        EXPECT_EQ(merge.ShowForm(), 1);
    }
    EXPECT_EQ(scalar("select IsMerged from tblKelvoReport where ID = 2").toInt(), 1);
    // The control merges the rows shown: runs of equal settled flags.
    const qsizetype before = control.ResultGrid()->resultModel()->table().rowCount();
    control.ReapplyLayout();
    EXPECT_LT(control.ResultGrid()->resultModel()->table().rowCount(), before);
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportLayout where ReportID = 2").toInt(), 6);
    EXPECT_EQ(scalar("select MergeType from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 4").toInt(), 2);
    EXPECT_EQ(scalar("select MergeType from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 5").toInt(), 1);
    EXPECT_EQ(scalar("select MergeType from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 3").toInt(), 0);
    // Existing rows keep their values; new ones take the grid's width.
    EXPECT_EQ(scalar("select Width from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 3").toInt(), width3);
    EXPECT_EQ(scalar("select Width from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 5").toInt(),
              control.ResultGrid()->ColWidth(5));

    // Opened again, the window shows the stored types; removing clears them.
    FormMerge again(session, prompter, windows, kInvoices, control);
    EXPECT_EQ(Child<QLabel>(again, "lblState")->text(), kMergePresent);
    Child<QListWidget>(again, "lstColumns")->setCurrentRow(3);
    EXPECT_TRUE(Child<QRadioButton>(again, "optDec2")->isChecked());
    db().execute("insert into tblKelvoReportTranspose (ReportID, ColumnNumber, MergeType) values (2, 1, 3)");
    prompter.answerNo();
    Click(again, "cmdDelete");
    EXPECT_EQ(scalar("select IsMerged from tblKelvoReport where ID = 2").toInt(), 1);
    prompter.answerYes();
    Click(again, "cmdDelete");
    EXPECT_EQ(prompter.last().text, kDeleteMergeQuestion);
    EXPECT_EQ(scalar("select IsMerged from tblKelvoReport where ID = 2").toInt(), 0);
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportLayout where ReportID = 2 and MergeType <> 0").toInt(), 0);
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportTranspose where ReportID = 2 and MergeType <> 0").toInt(), 0);
    EXPECT_EQ(Child<QLabel>(again, "lblState")->text(), kMergeAbsent);
}

TEST_F(ShapingWindows, RowColoursShowTheStoredRuleAndRefuseRepeatedValues)
{
    test::RunToEnd(control, kInvoices);
    FormRowColors colours(session, prompter, windows, kInvoices, *control.ResultGrid());
    auto& values = *Child<QTableWidget>(colours, "FlexColor");
    auto& column = *Child<QComboBox>(colours, "cmbColoryReportColumn");
    // The demo's rule: grid column 5, value 0 in red text; and an empty row.
    EXPECT_EQ(column.currentData().toInt(), 5);
    EXPECT_TRUE(Child<QCheckBox>(colours, "chkForeColor")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(colours, "chkBackColor")->isChecked());
    ASSERT_EQ(values.rowCount(), 2);
    EXPECT_EQ(values.item(0, 1)->text(), "0");
    EXPECT_EQ(values.item(0, 2)->text(), "FF");
    EXPECT_EQ(values.item(0, 1)->foreground().color(), QColor(255, 0, 0));
    EXPECT_TRUE(values.item(1, 1)->text().isEmpty());

    // A second value, its background picked; a repeated value is refused.
    values.item(1, 1)->setText("1");
    ASSERT_EQ(values.rowCount(), 3); // an empty row stays at the end
    windows.modalScripts.enqueue([](QWidget& w) {
        auto& picker = static_cast<QColorDialog&>(w);
        picker.setCurrentColor(QColor(0x20, 0x40, 0x60));
        picker.accept();
        return int(QDialog::Accepted);
    });
    Q_EMIT values.cellDoubleClicked(1, 3);
    EXPECT_EQ(values.item(1, 3)->text(), "604020");
    Child<QCheckBox>(colours, "chkBackColor")->setChecked(true);
    values.item(2, 1)->setText(" 1 ");
    Click(colours, "cmdContinue");
    EXPECT_EQ(prompter.last().text, kRepeatedValueMessage);
    values.item(2, 1)->setText("");
    test::PressKey(column, Qt::Key_Delete);
    EXPECT_EQ(column.currentIndex(), -1);
    Click(colours, "cmdContinue");
    EXPECT_EQ(colours.result(), QDialog::Accepted);

    const RowColourRule stored = LoadRowColors(db(), kInvoices);
    EXPECT_EQ(stored.gridColumn, -1); // cleared: stored as NULL
    EXPECT_TRUE(scalar("select ColoryReportColumn from tblKelvoReport where ID = 2").isNull());
    EXPECT_EQ(stored.type, 3);
    ASSERT_EQ(stored.values.size(), 2);
    EXPECT_EQ(stored.values[1].value, 1);
    EXPECT_EQ(stored.values[1].backColor, 0x604020u);
    EXPECT_EQ(stored.values[0].foreColor, 0x0000FFu);
}

TEST_F(ShapingWindows, AReportWithoutColoursOpensEmpty)
{
    test::RunToEnd(control, kEmployees);
    FormRowColors colours(session, prompter, windows, kEmployees, *control.ResultGrid());
    EXPECT_EQ(Child<QTableWidget>(colours, "FlexColor")->rowCount(), 1);
    EXPECT_EQ(Child<QComboBox>(colours, "cmbColoryReportColumn")->currentIndex(), -1);
    EXPECT_FALSE(Child<QCheckBox>(colours, "chkForeColor")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(colours, "chkBackColor")->isChecked());
    EXPECT_EQ(ReadColoringType(db(), 987654), 1);
}

namespace {

// Chooses an item of the editor's column list and adds it.
void AddOperand(FormAddExpr& editor, const QString& item)
{
    auto* column = Child<QComboBox>(editor, "cmbColumn");
    column->setCurrentIndex(column->findText(item));
    Click(editor, "cmdAdd");
}

} // namespace

TEST_F(ShapingWindows, TheExpressionEditorAlternatesOperandsAndOperatorsInBothLanguages)
{
    const QStringList headings{"", "الف", "ب", "پ", ""};
    FormAddExpr editor(session, prompter, windows, headings, {"موجود"});
    auto& english = *Child<QLineEdit>(editor, "txtExpr");
    EXPECT_FALSE(Child<QAction>(editor, "cmdPlus")->isEnabled());
    AddOperand(editor, "پ (سطر جاري)");
    EXPECT_FALSE(Child<QAction>(editor, "cmdAdd")->isEnabled());
    Click(editor, "cmdMinus");
    AddOperand(editor, "پ (سطر قبلي)");
    EXPECT_EQ(english.text(), "C3-P3");
    EXPECT_EQ(Child<QLineEdit>(editor, "txtFarsiExpr")->text(), "پ (سطر جاري)-پ (سطر قبلي)");
    // The column being defined has no heading and cannot be read from the current row.
    Click(editor, "cmdPlus");
    AddOperand(editor, " (سطر جاري)");
    EXPECT_EQ(prompter.last().text, kCurrentColumnRefused);
    Child<QComboBox>(editor, "cmbColumn")->setEditText("۱۲abc");
    Click(editor, "cmdAdd");
    EXPECT_EQ(english.text(), "C3-P3+12");

    // Both expressions follow the box; then the first row's alone.
    Child<QRadioButton>(editor, "optFirstRowExpression")->click();
    english.setText("C1");
    Child<QLineEdit>(editor, "txtDescription")->setText("موجود");
    Click(editor, "cmdOK");
    EXPECT_EQ(prompter.last().text, kDuplicateTitleMessage);
    Child<QLineEdit>(editor, "txtDescription")->setText(" تغيير ");
    Child<QComboBox>(editor, "cmbJustShowPositiveValue")->setCurrentIndex(1);
    Click(editor, "cmdOK");
    ASSERT_TRUE(editor.result());
    EXPECT_EQ(editor.result()->expression.title, "تغيير");
    EXPECT_EQ(editor.result()->expression.general, "C3-P3+12");
    EXPECT_EQ(editor.result()->expression.firstRow, "C1");
    EXPECT_EQ(editor.result()->expression.positiveOnly, std::optional<bool>(true));
}

TEST_F(ShapingWindows, TheExpressionListIsWrittenInItsOrderOnlyByItsOk)
{
    db().execute("insert into tblKelvoReportExpression (ReportID, ColumnNumber, Name, GeneralExpression, "
                 "FirstRowExpression) values (2, 0, 'اول', 'C4', NULL)");
    FormExprFlex list(session, prompter, windows, kInvoices, {"", "شماره", "تاريخ", "مشتري", "مبلغ", "تسويه", "اول"});
    auto& grid = *Child<QTableWidget>(list, "flexExpr");
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.item(0, 2)->text(), "مبلغ (سطر جاري)");
    EXPECT_EQ(grid.item(0, 3)->text(), "مبلغ (سطر جاري)"); // a NULL first-row expression is the general one
    windows.modalScripts.enqueue([](QWidget& w) {
        auto& editor = static_cast<FormAddExpr&>(w);
        AddOperand(editor, "اول (سطر قبلي)");
        Click(editor, "cmdPlus");
        AddOperand(editor, "مبلغ (سطر جاري)");
        Child<QLineEdit>(editor, "txtDescription")->setText("جمع 'كل'");
        Click(editor, "cmdOK");
        return int(QDialog::Accepted);
    });
    Click(list, "cmdNew");
    ASSERT_EQ(grid.rowCount(), 2);
    Click(list, "cmdMoveUp");
    EXPECT_EQ(grid.item(0, 1)->text(), "جمع 'كل'");
    // Cancel asks; no keeps the window open and nothing is written.
    prompter.answerNo();
    list.show();
    Click(list, "cmdCancel");
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportExpression where ReportID = 2").toInt(), 1);
    Click(list, "cmdOK");
    EXPECT_EQ(scalar("select Name from tblKelvoReportExpression where ReportID = 2 and ColumnNumber = 0").toString(),
              "جمع 'كل'");
    EXPECT_EQ(scalar("select GeneralExpression from tblKelvoReportExpression where ReportID = 2 and ColumnNumber = 0")
                  .toString(),
              "P6+C4");
    EXPECT_EQ(scalar("select Name from tblKelvoReportExpression where ReportID = 2 and ColumnNumber = 1").toString(),
              "اول");
    // The report shows both after its result columns.
    test::RunToEnd(control, kInvoices);
    const QStringList headings = control.ResultGrid()->resultModel()->table().columns();
    ASSERT_EQ(headings.size(), 7);
    EXPECT_EQ(headings[5], "جمع 'كل'");
    EXPECT_EQ(headings[6], "اول");

    // Deleting every row and saving leaves the report without expressions.
    FormExprFlex again(session, prompter, windows, kInvoices, {"", "a"});
    for (int i = 0; i < 2; ++i) {
        prompter.answerYes();
        Click(again, "cmdDelete");
    }
    Click(again, "cmdOK");
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportExpression where ReportID = 2").toInt(), 0);
}

TEST_F(ShapingWindows, ColumnFormatsAreWrittenForThePresentationShownAndKeepTheMergeTypes)
{
    test::RunToEnd(control, kInvoices);
    db().execute("update tblKelvoReportLayout set MergeType = 2 where ReportID = 2 and ColumnNumber = 4");
    db().execute("insert into tblKelvoReportTranspose (ReportID, ColumnNumber, Width) values (2, 1, 777)");
    FormFormat format(session, prompter, windows, kInvoices, control);
    auto& column = *Child<QComboBox>(format, "cmbColName");
    ASSERT_EQ(column.count(), 5);
    EXPECT_EQ(Child<QLineEdit>(format, "txtGridRowHeight")->text(),
              scalar("select GridRowHeight from tblKelvoReport where ID = 2").toString());
    EXPECT_TRUE(Child<QLineEdit>(format, "txtColSize")->text().isEmpty()); // nothing chosen yet
    // A report without a stored height shows 240.
    FormFormat plain(session, prompter, windows, 987654, control);
    EXPECT_EQ(Child<QLineEdit>(plain, "txtGridRowHeight")->text(), "240");
    column.setCurrentIndex(1);
    EXPECT_EQ(Child<QLineEdit>(format, "txtColSize")->text(), QString::number(control.ResultGrid()->ColWidth(2)));
    Child<QLineEdit>(format, "txtColSize")->setText("2250");
    Q_EMIT Child<QLineEdit>(format, "txtColSize")->textEdited("2250");
    Child<QRadioButton>(format, "optAlign7")->click();
    Child<QLineEdit>(format, "txtGridRowHeight")->setText("320");
    Click(format, "cmdContinue");
    ASSERT_EQ(format.result(), QDialog::Accepted);
    EXPECT_EQ(scalar("select Width from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 2").toInt(), 2250);
    EXPECT_EQ(scalar("select Alignment from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 2").toInt(), 7);
    EXPECT_EQ(scalar("select MergeType from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 4").toInt(), 2);
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportLayout where ReportID = 2").toInt(), 5);
    EXPECT_EQ(scalar("select GridRowHeight from tblKelvoReport where ID = 2").toInt(), 320);
    EXPECT_EQ(scalar("select Width from tblKelvoReportTranspose where ReportID = 2").toInt(), 777);
    // The display control draws the stored width the next time.
    control.ReapplyLayout();
    EXPECT_NEAR(control.ResultGrid()->ColWidth(2), 2250, 15);
}

TEST_F(ShapingWindows, DistributionStoresItsColumnsAndThePreviewOrder)
{
    test::RunToEnd(control, kInvoices);
    db().execute("insert into tblKelvoReportDistributionDetail (ReportID, Value, Sequence) values (2, '1', 1), "
                 "(2, '0', 2)");
    FormInColumns columns(session, prompter, windows, kInvoices, control);
    auto& distributing = *Child<QComboBox>(columns, "cmbDisColumn");
    auto& values = *Child<QListWidget>(columns, "lstValueColumns");
    EXPECT_EQ(distributing.currentIndex(), -1);
    EXPECT_FALSE(Child<QAction>(columns, "cmdOrderColumns")->isEnabled());
    // Nothing chosen: saving does nothing.
    Click(columns, "cmdContinue");
    EXPECT_EQ(columns.result(), 0);
    EXPECT_EQ(scalar("select MakeTranspose from tblKelvoReport where ID = 2").toInt(), 0);

    distributing.setCurrentIndex(4); // grid column 5: settled or not
    Click(columns, "cmdOrderColumns");
    EXPECT_EQ(Child<QAction>(columns, "cmdOrderColumns")->text(), "<<");
    auto& preview = *Child<QListWidget>(columns, "lstDistinctVals");
    ASSERT_EQ(preview.count(), 2);
    EXPECT_EQ(preview.item(0)->text(), "1"); // the stored order
    EXPECT_EQ(Child<QLabel>(columns, "lblCount")->text(), kNewHeadingsLabel + kItemsCount.arg(2));
    preview.setCurrentRow(0);
    Click(columns, "cmdMoveDown");
    EXPECT_EQ(preview.item(1)->text(), "1");
    values.item(3)->setSelected(true); // the amount
    values.item(4)->setSelected(true); // the distributing column itself
    Click(columns, "cmdContinue");
    ASSERT_EQ(columns.result(), QDialog::Accepted);
    EXPECT_EQ(scalar("select MakeTranspose from tblKelvoReport where ID = 2").toInt(), 1);
    EXPECT_EQ(scalar("select TransposeType from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 5").toInt(), 1);
    EXPECT_EQ(scalar("select TransposeType from tblKelvoReportLayout where ReportID = 2 and ColumnNumber = 4").toInt(), 2);
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportLayout where ReportID = 2 and TransposeType = 2").toInt(), 1);
    EXPECT_EQ(LoadDistributionOrder(db(), kInvoices), (QStringList{"0", "1"}));

    // The control shows the distribution with the headings in that order.
    control.RefreshReport();
    ASSERT_TRUE(control.AlternateShown());
    const QStringList headings = control.AlternateGrid()->resultModel()->table().columns();
    EXPECT_EQ(headings.mid(headings.size() - 2), (QStringList{"0", "1"}));

    // A hierarchical report takes one value column only.
    db().execute("update tblKelvoReport set MakeTree = 1 where ID = 2");
    test::RunToEnd(control, kInvoices);
    ASSERT_TRUE(control.IsTreeReport());
    {
        FormInColumns tree(session, prompter, windows, kInvoices, control);
        auto& list = *Child<QListWidget>(tree, "lstValueColumns");
        list.item(2)->setSelected(true); // a second one besides the stored amount
        EXPECT_EQ(prompter.last().text, kTreeMultipleMessage);
        EXPECT_FALSE(list.item(2)->isSelected());
        EXPECT_TRUE(list.item(3)->isSelected());
    }
    db().execute("update tblKelvoReport set MakeTree = 0 where ID = 2");

    // Removing asks, and deletes the distributed layout too.
    db().execute("insert into tblKelvoReportTranspose (ReportID, ColumnNumber, Width) values (2, 1, 500)");
    FormInColumns again(session, prompter, windows, kInvoices, control);
    EXPECT_EQ(Child<QComboBox>(again, "cmbDisColumn")->currentIndex(), 4);
    EXPECT_TRUE(Child<QListWidget>(again, "lstValueColumns")->item(3)->isSelected());
    prompter.answerYes();
    Click(again, "cmdDelete");
    EXPECT_EQ(scalar("select MakeTranspose from tblKelvoReport where ID = 2").toInt(), 0);
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportLayout where ReportID = 2 and TransposeType <> 0").toInt(), 0);
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportTranspose where ReportID = 2").toInt(), 0);
}

TEST_F(ShapingWindows, TheChartDrawsTheStoredDefinitionAndIsShownWithTheReport)
{
    constexpr qint32 kCustomerSummary = 3; // the demo stores its chart: names across, sums up
    test::RunToEnd(control, kCustomerSummary);
    const int rows = int(control.ResultGrid()->resultModel()->table().rowCount());
    EXPECT_TRUE(control.ChartView()->isHidden());
    FormDiagram chart(session, prompter, windows, kCustomerSummary, "خلاصه", control);
    auto& across = *Child<QListWidget>(chart, "lstRow");
    EXPECT_TRUE(across.item(0)->isSelected());
    EXPECT_TRUE(Child<QListWidget>(chart, "lstColumns")->item(2)->isSelected());
    EXPECT_EQ(Child<QComboBox>(chart, "cmbDiagramType")->currentData().toInt(), 3);
    Child<QRadioButton>(chart, "optViewReport")->click();
    EXPECT_TRUE(Child<QWidget>(chart, "Frame1")->isHidden());
    ASSERT_EQ(chart.data().series.size(), 1);
    EXPECT_EQ(chart.data().categories.size(), rows);
    EXPECT_GT(chart.data().factor, 1); // the sums run past a million
    ASSERT_NE(chart.chartView().chart(), nullptr);
    EXPECT_EQ(chart.chartView().chart()->series().size(), 1);

    // One horizontal column at a time; saved twice, one chart row.
    Child<QRadioButton>(chart, "optDefReport")->click();
    across.setCurrentRow(1);
    EXPECT_FALSE(across.item(0)->isSelected());
    across.setCurrentRow(0);
    Child<QCheckBox>(chart, "chkShowDiagram")->setChecked(true);
    Click(chart, "cmdOK");
    FormDiagram again(session, prompter, windows, kCustomerSummary, "خلاصه", control);
    EXPECT_TRUE(Child<QCheckBox>(again, "chkShowDiagram")->isChecked());
    Click(again, "cmdOK");
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportDiagram where ReportID = 3").toInt(), 1);
    EXPECT_EQ(scalar("select count(*) from tblKelvoReportDiagramCols where ReportID = 3").toInt(), 1);
    EXPECT_EQ(scalar("select ShowDiagram from tblKelvoReport where ID = 3").toInt(), 1);

    // The report now shows its chart beside the grid.
    control.RefreshReport();
    EXPECT_FALSE(control.ChartView()->isHidden());
    ASSERT_NE(control.ChartView()->chart(), nullptr);
    EXPECT_EQ(control.ChartView()->chart()->series().size(), 1);
}

// Pictures of the shaping windows and of a shaped result with its chart,
// written only when KELVO_SHOTS_DIR names a folder.
TEST_F(ShapingWindows, Picture)
{
    const QString folder = test::PicturesFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "KELVO_SHOTS_DIR not set";
    const auto shoot = [&](QWidget& window, const char* name) { test::SavePicture(window, folder, name); };
    test::RunToEnd(control, kInvoices);
    FormMerge merge(session, prompter, windows, kInvoices, control);
    setType(merge, 5, 1);
    shoot(merge, "FormMerge");
    FormRowColors colours(session, prompter, windows, kInvoices, *control.ResultGrid());
    shoot(colours, "FormRowColors");
    const QStringList headings{"", "شماره فاكتور", "تاريخ", "مشتري", "مبلغ كل", "تسويه شده"};
    FormAddExpr editor(session, prompter, windows, headings + QStringList{QString()}, {});
    AddOperand(editor, "مبلغ كل (سطر جاري)");
    Click(editor, "cmdPlus");
    AddOperand(editor, " (سطر قبلي)");
    Child<QLineEdit>(editor, "txtDescription")->setText("جمع تجمعي");
    shoot(editor, "FormAddExpr");
    FormFormat format(session, prompter, windows, kInvoices, control);
    Child<QComboBox>(format, "cmbColName")->setCurrentIndex(3);
    shoot(format, "FormFormat");
    FormInColumns columns(session, prompter, windows, kInvoices, control);
    Child<QComboBox>(columns, "cmbDisColumn")->setCurrentIndex(4);
    Click(columns, "cmdOrderColumns");
    shoot(columns, "FormInColumns");

    db().execute("update tblKelvoReport set ShowDiagram = 1, ColoryReportColumn = 1, ColoringType = 3 where ID = 3");
    db().execute("insert into tblKelvoReportColor (ReportID, Value, ForeColor, BackColor) values (3, 0, 0, 0)");
    db().execute("insert into tblKelvoReportExpression (ReportID, ColumnNumber, Name, GeneralExpression, "
                 "FirstRowExpression) values (3, 0, 'جمع تجمعي', 'P4+C3', 'C3')");
    test::RunToEnd(control, 3);
    FormDiagram chart(session, prompter, windows, 3, "خلاصه فروش مشتريان", control);
    Child<QComboBox>(chart, "cmbDiagramType")->setCurrentIndex(
        Child<QComboBox>(chart, "cmbDiagramType")->findData(1));
    shoot(chart, "FormDiagramDefine");
    Child<QRadioButton>(chart, "optViewReport")->click();
    shoot(chart, "FormDiagramView");
    control.resize(1100, 560);
    shoot(control, "ShapedReportWithChart");
}
