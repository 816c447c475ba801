// The run statement of a report: parameters and environment values become
// bound values on tokens, never inside literals; and the rows a run exports.
#include "platform/db/RowStream.h"
#include "presentation/CsvSink.h"
#include "presentation/Messages.h"
#include "presentation/ReportDefinition.h"
#include "presentation/ReportExport.h"
#include "presentation/ResultTable.h"
#include "presentation/RunStatement.h"
#include "support/QStringPrinter.h"
#include "support/TempCatalogue.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::presentation;

namespace {

ReportDefinition Definition(const QString& query, bool procedure = false)
{
    ReportDefinition d;
    d.id = 1;
    d.isStoredProcedure = procedure;
    (procedure ? d.procedureCall : d.query) = query;
    ReportParameter dept;
    dept.parameterID = 1;
    dept.name = "DepartmentID";
    dept.type = "int";
    ReportParameter names;
    names.parameterID = 12;
    names.name = "Names";
    names.type = "nvarchar";
    names.controlTypeID = ControlMultiList;
    names.description = "نامها";
    d.parameters = {dept, names};
    return d;
}

RunEnvironment Environment()
{
    RunEnvironment e;
    e.userID = 5;
    e.employeeID = 6;
    e.positionID = 7;
    e.when = QDateTime(QDate(2024, 3, 20), QTime(9, 5, 1)); // 1403/01/01 in the Persian calendar
    return e;
}

} // namespace

TEST(RunStatement, ParametersAndEnvironmentValuesAreBoundOnTokensOnly)
{
    struct Case {
        const char* name;
        QString query;
        bool procedure;
        ParameterValues values;
        QString sql;
        QVariantList bound;
    };
    const Case cases[] = {
        {"by name and by number", "Select * from t where a = @DepartmentID and b = @1", false, {{1, {3}}},
         "Select * from t where a = ? and b = ?", {3, 3}},
        {"a name in any case", "Select * from t where a = @departmentid", false, {{1, {3}}},
         "Select * from t where a = ?", {3}},
        {"an apostrophe in a value never reaches the text", "Select * from t where n IN (@Names)", false,
         {{12, {"O'Brien", "a'); drop table t; --"}}}, "Select * from t where n IN (?, ?)",
         {"O'Brien", "a'); drop table t; --"}},
        {"a multi-value with one value", "Select * from t where n in (@12)", false, {{12, {"x"}}},
         "Select * from t where n in (?)", {"x"}},
        {"a parameter without a value is NULL", "Select * from t where a = @1", false, {},
         "Select * from t where a = ?", {QVariant()}},
        {"@ inside a literal or a comment stays", "Select '@1 (مشخصه كاربر)' as x from t -- @DepartmentID\n where a=@1",
         false, {{1, {4}}}, "Select '@1 (مشخصه كاربر)' as x from t -- @DepartmentID\n where a=?", {4}},
        {"the five environment values", "Select * from t where u = (مشخصه كاربر) and e = مشخصه كارمند and "
         "p = (مشخصه موقعيت كاربر) and d = (تاريخ اجراي گزارش) and h = (زمان اجراي گزارش)", false, {},
         "Select * from t where u = (?) and e = ? and p = (?) and d = (?) and h = (?)",
         {5, 6, 7, "1403/01/01", "09:05:01"}},
        {"environment values typed with Persian letters", "Select * from t where u = (مشخصه کاربر)", false, {},
         "Select * from t where u = (?)", {5}},
        {"a procedure call", "spDemo @DepartmentID, (@12)", true, {{1, {2}}, {12, {"a"}}}, "EXEC spDemo ?, ?",
         {2, "a"}},
        {"a procedure call that says EXEC", "exec spDemo (@1)", true, {{1, {2}}}, "exec spDemo ?", {2}},
        {"blanks inside the parentheses", "spDemo ( @1 ), @12", true, {{1, {2}}, {12, {"a"}}}, "EXEC spDemo ?, ?",
         {2, "a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RunStatement s = BuildRunStatement(Definition(c.query, c.procedure), c.values, Environment());
        EXPECT_EQ(s.sql, c.sql);
        EXPECT_EQ(s.values, c.bound);
    }
}

TEST(RunStatement, RefusesWhatCannotRun)
{
    const auto message = [](const QString& query, const ParameterValues& values = {}) {
        try {
            BuildRunStatement(Definition(query), values, Environment());
        } catch (const RunError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_EQ(message("   "), kNoQueryMessage);
    EXPECT_EQ(message("Select * from t where a = @Missing"), kUnknownParameterMessage.arg("@Missing"));
    EXPECT_EQ(message("Select * from t where a = @12", {{12, {"a", "b"}}}), kManyValuesMessage.arg("نامها"));

    ReportParameter number;
    number.type = "int";
    number.name = "n";
    EXPECT_EQ(ParameterValueFromText(number, " ۱۲ "), QVariant(qint64(12)));
    EXPECT_TRUE(ParameterValueFromText(number, "  ").isNull());
    EXPECT_THROW(ParameterValueFromText(number, "12a"), RunError);
    ReportParameter text;
    text.type = "nvarchar";
    EXPECT_EQ(ParameterValueFromText(text, " it's "), QVariant("it's"));
}

// Every sample report of the demo runs, and its rows equal those of the same
// statement run directly.
TEST(ReportRuns, EverySampleReportGivesTheRowsOfItsStatement)
{
    test::TempCatalogue catalogue = test::TempCatalogue::demo();
    db::Connection& db = catalogue.connection();
    const QString customer =
        test::Scalar(db, "SELECT min(c.Name) FROM tblCustomer c JOIN tblInvoice i ON i.CustomerID = c.ID").toString();
    const QHash<qint32, QStringList> arguments{{4, {"DepartmentID=2"}},
                                               {5, {"FromDate=1403/01/01", "ToDate=1403/12/29"}},
                                               {7, {"CustomerName=" + customer}}};
    for (db::Recordset ids = db.openRecordset("select ID from tblKelvoReport order by ID"); !ids.eof(); ids.moveNext()) {
        const qint32 id = ids.value(0).toInt();
        SCOPED_TRACE(id);
        const std::optional<ReportDefinition> d = LoadReportDefinition(db, id);
        ASSERT_TRUE(d);
        const RunStatement s = BuildRunStatement(*d, ParameterValuesFromTexts(*d, arguments.value(id)), Environment());

        db::RowReader reader(db, s.sql, s.values);
        ResultTable table(reader.columns(), reader.columnTypes());
        for (auto batch = std::make_shared<db::RowBatch>(); reader.next(*batch);
             batch = std::make_shared<db::RowBatch>())
            table.append(batch);
        ASSERT_GT(table.rowCount(), 0);

        db::Recordset direct = db.openRecordset(s.sql, s.values);
        qsizetype row = 0;
        for (; !direct.eof(); direct.moveNext(), ++row)
            for (int c = 0; c < table.columnCount(); ++c)
                ASSERT_EQ(table.value(row, c), direct.value(c)) << row << "," << c;
        EXPECT_EQ(row, table.rowCount());

        // The CSV export holds the same rows under the same headings.
        const QString path = catalogue.folder() + "/report.csv";
        EXPECT_EQ(ExportRows(db, s, FileSinkFactory(ExportFormat::Csv, d->title), path), table.rowCount());
        QFile csv(path);
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        EXPECT_TRUE(lines.first().startsWith(QByteArray(QByteArray("\xEF\xBB\xBF") + table.columns().first().toUtf8())));
        EXPECT_EQ(lines.size() - 2, table.rowCount()); // the headings, and nothing after the last line break
    }
}

TEST(CsvSink, QuotesWhatNeedsItAndKeepsNullApartFromText)
{
    auto batch = std::make_shared<db::RowBatch>(4);
    batch->appendText(QStringLiteral("a,b"));
    batch->appendText(QStringLiteral("say \"hi\""));
    batch->appendNull();
    batch->appendReal(0.1);
    batch->appendText(QStringLiteral("گزارش\nدوم"));
    batch->appendText(QString());
    batch->appendInteger(-42);
    batch->appendReal(1e21);
    ResultTable table({"ستون, اول", "b", "c", "d"}, {});
    table.append(batch);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    CsvWriter writer(out);
    writer.writeHeadings(table.columns());
    writer.writeBatch(*table.batches().front());
    writer.finish();
    EXPECT_EQ(QString::fromUtf8(out.data()), QString::fromUtf8("\xEF\xBB\xBF\"ستون, اول\",b,c,d\r\n"
                                                               "\"a,b\",\"say \"\"hi\"\"\",,0.1\r\n"
                                                               "\"گزارش\nدوم\",,-42,1e+21\r\n"));
}

// The workbook read back from its zip: a right-to-left sheet, the headings,
// numbers as number cells and texts as text cells, NULL as no cell.
TEST(XlsxSink, WritesTypedCellsOnARightToLeftSheet)
{
    QTemporaryDir dir;
    ResultTable table({"مشتري", "مبلغ"}, {});
    auto batch = std::make_shared<db::RowBatch>(2);
    batch->appendText(QStringLiteral("كاوه & O'Brien <1>"));
    batch->appendReal(1200.5);
    batch->appendNull();
    batch->appendInteger(42);
    table.append(batch);
    const QString path = dir.filePath("report.xlsx");
    ExportTable(table, FileSinkFactory(ExportFormat::Xlsx, "فروش: ماهانه"), path);
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(path + ".part"));

    QProcess unzip;
    unzip.start("unzip", {"-p", path, "xl/worksheets/sheet1.xml"});
    ASSERT_TRUE(unzip.waitForFinished(30000));
    const QString sheet = QString::fromUtf8(unzip.readAllStandardOutput());
    EXPECT_TRUE(sheet.contains("rightToLeft=\"1\"")) << sheet.left(400).toStdString();
    EXPECT_TRUE(sheet.contains("مشتري"));
    EXPECT_TRUE(sheet.contains("كاوه &amp; O'Brien &lt;1&gt;"));
    EXPECT_TRUE(sheet.contains("<c r=\"B2\"><v>1200.5</v></c>")) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("<c r=\"B3\"><v>42</v></c>"));
    EXPECT_FALSE(sheet.contains("r=\"A3\""));
    QProcess book;
    book.start("unzip", {"-p", path, "xl/workbook.xml"});
    ASSERT_TRUE(book.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(book.readAllStandardOutput()).contains("name=\"فروش  ماهانه\""));
}
