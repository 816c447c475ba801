// The report display control as a real widget (offscreen) over a copy of
// the demo catalogue: runs, parameters, cancel, failures and exports.
#include "controls/ui/KelvoSelector.h"
#include "front/ScriptedPrompter.h"
#include "presentation/Messages.h"
#include "presentation/ResultModel.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ParameterForm.h"
#include "presentation/ui/ReportGrid.h"
#include "support/ReportRuns.h"
#include "support/WindowFixture.h"
#include "text/PersianText.h"

#include <QDialog>
#include <QDir>
#include <QProcess>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::presentation;
using Kind = front::ScriptedPrompter::Kind;

namespace {

struct DisplayControl : ::testing::Test {
    test::TempCatalogue catalogue = test::TempCatalogue::demo();
    front::ScriptedPrompter prompter;
    test::TestWindows windows;
    KelvoReport control{prompter, windows};

    DisplayControl()
    {
        control.setOleConnectionString(catalogue.connectionString());
        control.setUserID(1);
        control.setEmployeeID(1);
        control.setPositionID(1);
        control.resize(900, 600);
        control.show();
    }

    // Runs a report and waits until its run has ended (ten seconds at most).
    void run(qint32 report) { test::RunToEnd(control, report); }
    qint32 addReport(const QString& query)
    {
        return catalogue.connection()
            .execute("insert into tblKelvoReport (Title, CreatorID, SQLQuery, IsStoredProcedure) values (?, 1, ?, 0)",
                     {QVariant(QStringLiteral("آزمون ") + QString::number(qHash(query))), QVariant(query)})
            .lastInsertId.toInt();
    }
    ReportGrid& grid() { return *control.ResultGrid(); }
};

} // namespace

TEST_F(DisplayControl, ARunFillsTheGridWithTheLayoutAndTheRowsOfItsStatement)
{
    run(2);
    ASSERT_TRUE(prompter.entries().isEmpty()) << prompter.last().details.toStdString();
    db::Recordset direct = catalogue.connection().openRecordset(control.definition()->query);
    EXPECT_EQ(grid().TextMatrix(0, 1), direct.fieldName(0));
    EXPECT_FALSE(grid().TextMatrix(0, 1).trimmed().isEmpty() && grid().TextMatrix(0, 2).trimmed().isEmpty());
    int row = 1;
    for (; !direct.eof(); direct.moveNext(), ++row)
        for (int c = 0; c < direct.fieldCount(); ++c)
            ASSERT_EQ(grid().TextMatrix(row, c + 1), direct.value(c).toString()) << row << "," << c;
    EXPECT_EQ(grid().TextMatrix(1, 0), "1");
    // The stored layout: widths in twips and alignments; the totals row.
    const std::optional<ColumnLayout> amount = control.definition()->layoutOf(4);
    ASSERT_TRUE(amount);
    EXPECT_NEAR(grid().ColWidth(4), amount->width, 15);
    EXPECT_EQ(grid().ColAlignment(4), amount->alignment);
    if (amount->makeSum) {
        EXPECT_EQ(grid().Rows(), row + 1);
        EXPECT_EQ(grid().TextMatrix(row, 0), "جمع");
    }
    EXPECT_TRUE(control.findChild<QLabel*>("lblProgress")->text().contains("1500"));

    // Sorting by a heading and the quick filter act on the loaded rows.
    control.findChild<QLineEdit*>("txtFilter")->setText(grid().TextMatrix(3, 3));
    EXPECT_LT(grid().resultModel()->rowCount(), 1500);
    EXPECT_GE(grid().resultModel()->rowCount(), 1);
}

TEST_F(DisplayControl, ShownParametersAreAskedOnTheFormAndRefusedWhenEmpty)
{
    const int department = 2;
    windows.modalScripts.enqueue([&](QWidget& form) {
        test::Click(form, "cmdOK"); // nothing chosen yet: refused
        auto* selector = test::Child<controls::KelvoSelector>(form, "parDepartmentID");
        selector->setID(department);
        test::Click(form, "cmdOK");
        return static_cast<QDialog&>(form).result();
    });
    run(4);
    EXPECT_EQ(windows.opened, QStringList{"ParameterForm"});
    ASSERT_EQ(prompter.entriesOf(Kind::Message).size(), 1);
    EXPECT_EQ(prompter.last().text, kEmptyParameterMessage.arg("واحد سازماني"));
    const int employees =
        test::Scalar(catalogue.connection(), "select count(*) from tblEmployee where DepartmentID = ?", {department})
            .toInt();
    EXPECT_EQ(grid().resultModel()->table().rowCount(), employees);

    // Cancel on the form runs nothing.
    const int asked = windows.opened.size();
    run(4);
    EXPECT_EQ(windows.opened.size(), asked + 1);
    EXPECT_EQ(grid().resultModel()->table().rowCount(), employees);
}

TEST_F(DisplayControl, CancelKeepsTheRowsShownAndFailuresAreReported)
{
    const qint32 endless = addReport("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                     "WHERE i < 2000000000) SELECT i as 'شماره' FROM n");
    QObject::connect(grid().resultModel(), &QAbstractItemModel::rowsInserted, &control, [this] {
        if (grid().resultModel()->rowCount() >= 10000)
            control.cancel();
    });
    run(endless);
    EXPECT_FALSE(control.isRunning());
    EXPECT_GE(grid().resultModel()->rowCount(), 10000);
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().text, kRunCancelledMessage);

    prompter.clear();
    run(addReport("Select * from tblMissing"));
    ASSERT_EQ(prompter.entriesOf(Kind::Error).size(), 1);
    EXPECT_TRUE(prompter.last().details.contains("tblMissing"));

    prompter.clear();
    run(addReport("   "));
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().text, kNoQueryMessage);
}

TEST_F(DisplayControl, TheRowsShownAreExportedToCsvAndExcel)
{
    run(1);
    ASSERT_GT(grid().resultModel()->table().rowCount(), 0);
    const QString csv = catalogue.folder() + "/employees.csv";
    const QString xlsx = catalogue.folder() + "/employees.xlsx";
    control.exportTo(ExportFormat::Csv, csv);
    control.exportTo(ExportFormat::Xlsx, xlsx);
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count('\n'), grid().resultModel()->table().rowCount() + 1);
    EXPECT_TRUE(QFileInfo::exists(xlsx));

    // A PDF of several pages, the headings repeated on each.
    const QString pdf = catalogue.folder() + "/employees.pdf";
    control.exportTo(ExportFormat::Pdf, pdf);
    QFile document(pdf);
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    const QByteArray bytes = document.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 5);

    // The print preview shows the same pages.
    int previewPages = 0;
    windows.modalScripts.enqueue([&](QWidget& preview) {
        QApplication::processEvents();
        previewPages = preview.findChild<QPrintPreviewWidget*>()->pageCount();
        return 0;
    });
    test::Click(*control.findChild<QMenu*>("mnuExport"), "mnuPrint");
    EXPECT_GE(previewPages, 5);
}

TEST_F(DisplayControl, TheStoredShapingIsAppliedToTheFetchedRows)
{
    db::Connection& db = catalogue.connection();
    const int invoices = test::Scalar(db, "select count(*) from tblInvoice").toInt();
    // Row colours as the demo stores them: unsettled invoices (grid column 5
    // holds 0) in red.
    run(2);
    const ResultTable& shown = grid().resultModel()->table();
    ASSERT_EQ(shown.rowCount(), invoices);
    int unsettled = -1, settled = -1;
    for (int r = 0; r < 50 && (unsettled < 0 || settled < 0); ++r)
        (shown.text(r, 4) == "0" ? unsettled : settled) = r;
    ASSERT_GE(unsettled, 0);
    ASSERT_GE(settled, 0);
    ASSERT_TRUE(grid().coloursOf(unsettled));
    EXPECT_EQ(grid().coloursOf(unsettled)->text, std::optional<quint32>(0x0000FF));
    EXPECT_FALSE(grid().coloursOf(unsettled)->background); // type 1: the text only
    EXPECT_FALSE(grid().coloursOf(settled));

    // A running total of the amounts (grid column 4) as grid column 6, then
    // rows merged while they agree on being settled, the totals summed.
    db.execute("insert into tblKelvoReportExpression (ReportID, ColumnNumber, Name, GeneralExpression, "
               "FirstRowExpression) values (2, 0, 'جمع تا اين فاكتور', 'P6+C4', 'C4')");
    control.RefreshReport();
    ASSERT_EQ(grid().resultModel()->table().columnCount(), 6);
    EXPECT_EQ(grid().TextMatrix(0, 6), "جمع تا اين فاكتور");
    double running = 0;
    for (int r = 0; r < 5; ++r) {
        running += grid().resultModel()->table().number(r, 3);
        EXPECT_DOUBLE_EQ(grid().resultModel()->table().cellNumber(r, 5).value_or(-1), running) << r;
    }
    db.execute("update tblKelvoReport set IsMerged = 1 where ID = 2");
    db.execute("update tblKelvoReportLayout set MergeType = 1 where ReportID = 2 and ColumnNumber = 5");
    db.execute("update tblKelvoReportLayout set MergeType = 2 where ReportID = 2 and ColumnNumber = 4");
    control.ReapplyLayout();
    QList<double> groups;
    QString last;
    for (db::Recordset rs = db.openRecordset(control.definition()->query); !rs.eof(); rs.moveNext()) {
        if (groups.isEmpty() || rs.value(4).toString() != last)
            groups << 0;
        groups.last() += rs.value(3).toDouble();
        last = rs.value(4).toString();
    }
    const ResultTable& merged = grid().resultModel()->table();
    ASSERT_EQ(merged.rowCount(), groups.size());
    EXPECT_LT(merged.rowCount(), invoices);
    for (int r = 0; r < std::min<qsizetype>(5, groups.size()); ++r)
        EXPECT_DOUBLE_EQ(merged.number(r, 3), groups[r]) << r;
    EXPECT_FALSE(control.AlternateShown());

    // Distributed by being settled (grid column 5) with the totals under it:
    // the alternate grid is the one shown.
    db.execute("update tblKelvoReport set IsMerged = 0, MakeTranspose = 1 where ID = 2");
    db.execute("update tblKelvoReportLayout set TransposeType = 1 where ReportID = 2 and ColumnNumber = 5");
    db.execute("update tblKelvoReportLayout set TransposeType = 2 where ReportID = 2 and ColumnNumber = 4");
    control.RefreshReport();
    ASSERT_TRUE(control.AlternateShown());
    EXPECT_TRUE(control.AlternateGrid()->isVisibleTo(&control));
    EXPECT_FALSE(control.ResultGrid()->isVisibleTo(&control));
    const ResultTable& spread = control.AlternateGrid()->resultModel()->table();
    EXPECT_EQ(spread.rowCount(), invoices);
    EXPECT_TRUE(spread.columns().contains("0") && spread.columns().contains("1"));
    // A text file of the distributed presentation leaves out the columns
    // its layout hides there.
    db.execute("insert into tblKelvoReportTranspose (ReportID, ColumnNumber, Width, InvisibleInTextFile) "
               "values (2, 1, 900, 1)");
    control.RefreshReport();
    const QString csv = catalogue.folder() + "/spread.csv";
    control.exportTo(ExportFormat::Csv, csv);
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString headings = QString::fromUtf8(file.readLine()).trimmed();
    EXPECT_FALSE(headings.contains(spread.columns().first())) << headings.toStdString();
    EXPECT_EQ(headings.count(u','), spread.columnCount() - 2);
    // A new run starts from the plain grid again.
    db.execute("update tblKelvoReport set MakeTranspose = 0 where ID = 2");
    run(2);
    EXPECT_FALSE(control.AlternateShown());
    EXPECT_TRUE(control.ResultGrid()->isVisibleTo(&control));
}

// Writes pictures of the parameter form and of a result when KELVO_SHOTS_DIR is set.
TEST_F(DisplayControl, Picture)
{
    const QString folder = qEnvironmentVariable("KELVO_SHOTS_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "KELVO_SHOTS_DIR not set";
    windows.modalScripts.enqueue([&](QWidget& form) {
        test::Child<controls::KelvoSelector>(form, "parDepartmentID")->setID(2);
        form.grab().save(folder + "/ParameterForm.png");
        test::Click(form, "cmdOK");
        return static_cast<QDialog&>(form).result();
    });
    run(4);
    windows.modalScripts.enqueue([&](QWidget& form) {
        form.grab().save(folder + "/ParameterFormDates.png");
        return 0;
    });
    run(5);
    run(2);
    EXPECT_TRUE(control.grab().save(folder + "/KelvoReport.png"));
}

// A window closed while its report runs leaves no worker behind: the
// control stops the statement and waits for it.
TEST(DisplayControlLifetime, DestroyingTheControlDuringARunStopsIt)
{
    test::TempCatalogue catalogue = test::TempCatalogue::demo();
    const qint32 endless = catalogue.connection()
                               .execute("insert into tblKelvoReport (Title, CreatorID, SQLQuery) values (N'بي پايان', "
                                        "1, 'WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                                        "2000000000) SELECT i FROM n')")
                               .lastInsertId.toInt();
    front::ScriptedPrompter prompter;
    test::TestWindows windows;
    QElapsedTimer timer;
    timer.start();
    {
        KelvoReport control(prompter, windows);
        control.setOleConnectionString(catalogue.connectionString());
        control.RunReport(endless);
        ASSERT_TRUE(control.isRunning());
        QThread::msleep(100);
    }
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_TRUE(prompter.entries().isEmpty());
}

// The PDF read by a real reader: pages turn into pictures, and the text on
// them stands right to left, the first column at the right edge.
TEST_F(DisplayControl, ThePdfReadsRightToLeftInAPdfReader)
{
    run(2);
    const QString pdf = catalogue.folder() + "/invoices.pdf";
    control.exportTo(ExportFormat::Pdf, pdf);

    QProcess toImage;
    toImage.start("pdftoppm", {"-png", "-r", "40", "-f", "1", "-l", "1", pdf, catalogue.folder() + "/page"});
    ASSERT_TRUE(toImage.waitForFinished(60000)) << "pdftoppm (poppler-utils) is needed";
    EXPECT_EQ(toImage.exitCode(), 0);
    EXPECT_FALSE(QDir(catalogue.folder()).entryList({"page*.png"}).isEmpty());

    QProcess toText;
    toText.start("pdftotext", {"-layout", "-f", "1", "-l", "1", pdf, "-"});
    ASSERT_TRUE(toText.waitForFinished(60000));
    // The reader gives the letters in their joined forms: compare them plain.
    const QString page = text::FoldPersian(QString::fromUtf8(toText.readAllStandardOutput()).normalized(QString::NormalizationForm_KC));
    const QStringList headings = grid().resultModel()->table().columns();
    const auto plain = [](const QString& s) { return text::FoldPersian(s.normalized(QString::NormalizationForm_KC)); };
    EXPECT_TRUE(page.contains(plain(control.definition()->title))) << page.left(300).toStdString();
    const qsizetype first = page.indexOf(plain(headings.first()));
    const qsizetype last = page.indexOf(plain(headings.last()));
    ASSERT_GE(first, 0);
    ASSERT_GE(last, 0);
    EXPECT_GT(first, last); // on one line, the first column's heading comes rightmost
}
