// The query designer's windows, offscreen, driven as a user would.
#include "support/DesignFixture.h"
#include "support/ReportRuns.h"

#include "controls/ui/KelvoSelector.h"
#include "design/QueryDesign.h"
#include "design/ui/ColumnDialogs.h"
#include "design/ui/FormAddCons.h"
#include "design/ui/FormBuildQuery.h"
#include "design/ui/FormGrouping.h"
#include "design/ui/FormReportQuery.h"
#include "design/ui/FormSorting.h"
#include "design/ui/FormValues.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ReportGrid.h"
#include "query/QueryModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace kelvo;
using namespace kelvo::design;
using test::Child;
using test::Click;

namespace {

struct Designer : test::DesignFixture {
    query::QueryStores& stores = session.queries;

    // The model of a query, as a clause button builds it.
    void model(const QString& select, const QString& from, const QString& groupBy = {})
    {
        stores.clauses.EQuery = query::AssembleEditorQuery({select, from, {}, groupBy, {}});
        query::SplitEnglishQuery(stores, db());
        query::RebuildQueryModel(stores, db());
    }
    static QString text(QWidget& window, const char* box) { return Child<QPlainTextEdit>(window, box)->toPlainText(); }

    // Selects the tree node with this key, filling its parents first.
    static void pick(FormBuildQuery& builder, const QString& key)
    {
        const QString table = key.section(u'#', 0, 0);
        for (const QString& k : {QStringLiteral("S2"), QStringLiteral("S20"), table})
            builder.FillNode(k);
        QTreeWidgetItem* node = builder.node(key);
        ASSERT_NE(node, nullptr) << key.toStdString();
        Child<QTreeWidget>(builder, "treeTables")->setCurrentItem(node);
    }
};

} // namespace

TEST_F(Designer, ValuePickerQuotesEscapesAndJoinsTheValues)
{
    const auto accept = [&](FormValues& w) {
        Click(w, "cmdOK");
        return w.Accepted() ? w.Result() : QStringLiteral("<none>");
    };
    FormValues picker(session, prompter);
    // A typed text value with an apostrophe, on a character column.
    picker.prepare("tblCity", "Province", false);
    Child<QLineEdit>(picker, "txtValue")->setText(" O'Neil ");
    EXPECT_EQ(accept(picker), "('O''Neil')");
    // Two numbers on an int column, chosen together.
    picker.prepare("tblInvoice", "InvoiceNo", true);
    QListView* values = Child<QListView>(picker, "lstValues");
    values->selectionModel()->select(values->model()->index(0, 0), QItemSelectionModel::Select);
    values->selectionModel()->select(values->model()->index(1, 0), QItemSelectionModel::Select);
    const QString first = values->model()->index(0, 0).data().toString();
    const QString second = values->model()->index(1, 0).data().toString();
    EXPECT_EQ(accept(picker), "(" + first + "," + second + ")");
    // An environment value comes back as its Persian text.
    picker.prepare("tblInvoice", "InvoiceNo", false);
    Child<QRadioButton>(picker, "optEnvValues")->setChecked(true);
    Child<QListWidget>(picker, "lstEnvValues")->setCurrentRow(2);
    EXPECT_EQ(accept(picker), QStringLiteral("(مشخصه كاربر)"));
    // A column with views offers the selector; nothing chosen keeps the window open.
    picker.prepare("tblInvoice", "PaymentTypeID", false);
    EXPECT_TRUE(Child<QWidget>(picker, "gmpValue")->isVisibleTo(&picker));
    EXPECT_FALSE(Child<QWidget>(picker, "txtValue")->isVisibleTo(&picker));
    picker.prepare("", "", false);
    EXPECT_EQ(accept(picker), "<none>");
    EXPECT_EQ(prompter.last().text, QStringLiteral("مقداري انتخاب نشده است."));
}

TEST_F(Designer, ConditionBuilderWritesBothLanguages)
{
    const qint32 report = 4; // has parameter 1, DepartmentID
    model("tblEmployee.FirstName as 'a', tblDepartment.Name as 'b'", "tblEmployee, tblDepartment");
    FormAddCons window(session, prompter, windows, stores, report);
    QComboBox* column = Child<QComboBox>(window, "cmbColumn");
    QComboBox* op = Child<QComboBox>(window, "cmbOperator");
    QComboBox* value = Child<QComboBox>(window, "cmbValCol");
    const QString firstName = column->itemText(column->findData(query::MakeColumnId(1, 2)));

    // "has no value": two blanks before IS.
    column->setCurrentIndex(column->findData(query::MakeColumnId(1, 2)));
    QMetaObject::invokeMethod(column, "activated", Q_ARG(int, column->currentIndex()));
    choose(*op, QStringLiteral("بيمقدار"));
    Click(window, "cmdAdd");
    const QString ref = query::ColumnReference(stores.tables, query::MakeColumnId(1, 2));
    EXPECT_EQ(stores.clauses.EWhere, "(" + ref + "  IS NULL ) ");
    EXPECT_EQ(stores.clauses.FWhere, "(" + firstName + QStringLiteral(" بيمقدار) "));

    // A parameter: "@" and its number in English, "@" and its name in Farsi.
    Click(window, "cmdAnd");
    const struct { query::ColumnId id; } dept{query::MakeColumnId(2, 1)};
    column->setCurrentIndex(column->findData(dept.id));
    QMetaObject::invokeMethod(column, "activated", Q_ARG(int, column->currentIndex()));
    choose(*op, QStringLiteral("مساوي"));
    choose(*value, "@DepartmentID");
    Click(window, "cmdAdd");
    EXPECT_TRUE(stores.clauses.EWhere.endsWith("AND (" + query::ColumnReference(stores.tables, dept.id) + "  =  @1) "))
        << stores.clauses.EWhere.toStdString();
    EXPECT_TRUE(stores.clauses.FWhere.endsWith(QStringLiteral("مساوي @DepartmentID) ")));

    // With English shown the opening button writes a closing parenthesis.
    Child<QRadioButton>(window, "optEnglish")->setChecked(true);
    Click(window, "cmdOpenPar");
    EXPECT_TRUE(stores.clauses.EWhere.endsWith(") ) "));
    EXPECT_EQ(column->itemText(column->findData(query::MakeColumnId(1, 2))),
              "tblEmployee#" + query::ColumnName(stores.tables, query::MakeColumnId(1, 2)));

    // The join button writes the relation once and is then disabled.
    Click(window, "cmdDelete");
    Click(window, "cmdAddDeps");
    EXPECT_EQ(stores.clauses.EWhere, "tblDepartment.ID = tblEmployee.DepartmentID ");
    EXPECT_FALSE(Child<QAction>(window, "cmdAddDeps")->isEnabled());

    // "Like" is offered last, and only for a character column.
    const auto operatorsOf = [&](const char* name) {
        for (int i = 0; i < column->count(); ++i) {
            if (query::ColumnName(stores.tables, column->itemData(i).toInt()) == QLatin1String(name)) {
                column->setCurrentIndex(i);
                QMetaObject::invokeMethod(column, "activated", Q_ARG(int, i));
            }
        }
        QStringList texts;
        for (int i = 0; i < op->count(); ++i)
            texts << op->itemText(i);
        return texts;
    };
    EXPECT_EQ(operatorsOf("FirstName").last(), QStringLiteral("مشابه"));
    EXPECT_FALSE(operatorsOf("ID").contains(QStringLiteral("مشابه")));
}

TEST_F(Designer, GroupingRefusesMixingAndChecksEveryColumnOnAccept)
{
    model("tblCustomer.Name as 'n', tblInvoice.TotalAmount as 't'", "tblCustomer, tblInvoice");
    FormGrouping grouping(session, prompter);
    QListWidget* groups = Child<QListWidget>(grouping, "lstGrouping");
    QComboBox* column = Child<QComboBox>(grouping, "cmbColumn");
    QComboBox* function = Child<QComboBox>(grouping, "cmbFunction");
    EXPECT_EQ(function->count(), 7);
    front::Session oracle;
    oracle.DtEn.setProvider("MSDAORA.1");
    oracle.queries = stores;
    EXPECT_EQ(FormGrouping(oracle, prompter).findChild<QComboBox*>("cmbFunction")->count(), 5);
    ASSERT_EQ(groups->count(), 2);
    groups->item(0)->setCheckState(Qt::Checked); // customer name grouped
    // The total is neither grouped nor aggregated: refused.
    Click(grouping, "cmdBack");
    EXPECT_TRUE(prompter.last().text.contains(QStringLiteral("گروهبندي انجام نشده است")));
    // A grouped column cannot be aggregated.
    column->setCurrentIndex(0);
    function->setCurrentIndex(1);
    Click(grouping, "cmdToLeft");
    EXPECT_EQ(prompter.last().text, QStringLiteral("بر اساس ستون انتخاب شده، گروهبندي انجام شده است. از اينرو امكان تجميع آن وجود ندارد."));
    column->setCurrentIndex(1);
    Click(grouping, "cmdToLeft");
    ASSERT_EQ(Child<QListWidget>(grouping, "lstFunctionedColumns")->count(), 1);
    // An aggregated column cannot be grouped.
    groups->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(groups->item(1)->checkState(), Qt::Unchecked);
    Click(grouping, "cmdBack");
    EXPECT_EQ(grouping.result(), QDialog::Accepted);
    query::RegenerateClauses(stores);
    EXPECT_EQ(stores.clauses.EGroupBy, "tblCustomer.Name");
    EXPECT_EQ(stores.clauses.ESelect, "tblCustomer.Name as 'n', SUM(tblInvoice.TotalAmount) as 't'");
    EXPECT_TRUE(stores.clauses.FSelect.contains(QStringLiteral("مجموع(")));
}

TEST_F(Designer, SortingReadsBackTheFarsiOrderItWrote)
{
    model("tblCustomer.Name as 'n', SUM(tblInvoice.TotalAmount) as 't'", "tblCustomer, tblInvoice", "tblCustomer.Name");
    {
        FormSorting sorting(session, prompter);
        QListWidget* columns = Child<QListWidget>(sorting, "lstColumns");
        // The aggregated total is offered only as its aggregate.
        ASSERT_EQ(columns->count(), 2);
        EXPECT_TRUE(columns->item(1)->text().startsWith(QStringLiteral("مجموع(")));
        columns->setCurrentRow(1);
        Click(sorting, "cmdToLeft");
        Child<QListWidget>(sorting, "lstSelColumns")->setCurrentRow(0);
        Child<QRadioButton>(sorting, "optDesc")->click();
        columns->setCurrentRow(0);
        Click(sorting, "cmdToLeft");
        Click(sorting, "cmdBack");
    }
    EXPECT_EQ(stores.clauses.EOrderBy, " SUM(tblInvoice.TotalAmount) DESC , tblCustomer.Name ASC ");
    FormSorting again(session, prompter);
    QListWidget* chosen = Child<QListWidget>(again, "lstSelColumns");
    ASSERT_EQ(chosen->count(), 2);
    EXPECT_TRUE(chosen->item(0)->text().startsWith(QStringLiteral("مجموع(")));
    Child<QListWidget>(again, "lstSelColumns")->setCurrentRow(0);
    EXPECT_TRUE(Child<QRadioButton>(again, "optDesc")->isChecked());
    Click(again, "cmdSendAll");
    Click(again, "cmdBack");
    EXPECT_TRUE(stores.clauses.EOrderBy.isEmpty());
    EXPECT_TRUE(stores.clauses.FOrderBy.isEmpty());
}

TEST_F(Designer, BuilderAddsReferenceColumnsExpressionsAndTableOnlyRows)
{
    FormBuildQuery builder(session, prompter, windows);
    // A foreign key with a display column answered "both": the code and the subquery.
    windows.modalScripts.enqueue([](QWidget& ask) {
        Child<QRadioButton>(ask, "optBoth")->click();
        Click(ask, "cmdContinue");
        return 1;
    });
    pick(builder, "TtblInvoice#CustomerID");
    Click(builder, "cmdToLeft");
    ASSERT_EQ(builder.gridRows(), 2);
    EXPECT_EQ(builder.cell(1, FormBuildQuery::ColEnglish), "tblInvoice.CustomerID");
    EXPECT_EQ(builder.cell(2, FormBuildQuery::ColEnglish),
              "(Select TableAlias.Name FROM tblCustomer TableAlias WHERE TableAlias.ID = tblInvoice.CustomerID)");
    EXPECT_TRUE(builder.cell(2, FormBuildQuery::ColFarsi).startsWith(QStringLiteral("(انتخاب ")));

    // Column, operator, constant: single blanks between the parts; %abc% becomes 'abc'.
    pick(builder, "TtblInvoice#TotalAmount");
    Click(builder, "cmdToLeft");
    Child<QRadioButton>(builder, "optOp")->setChecked(true);
    Click(builder, "cmdToLeft");
    Click(builder, "cmdToLeft"); // an operator cannot follow an operator
    Child<QRadioButton>(builder, "optData")->setChecked(true);
    Child<QLineEdit>(builder, "txtData")->setText("%1.09%");
    Click(builder, "cmdToLeft");
    EXPECT_EQ(builder.cell(3, FormBuildQuery::ColEnglish), "tblInvoice.TotalAmount + '1.09'");

    // A table without its columns: a row that writes no select item.
    Child<QRadioButton>(builder, "optCol")->setChecked(true);
    pick(builder, "TtblCustomer");
    prompter.answerNo();
    Click(builder, "cmdToLeft");
    EXPECT_EQ(builder.cell(4, FormBuildQuery::ColEnglish), "tblCustomer.Without Any Cols");
    Click(builder, "cmdBack");
    ASSERT_TRUE(builder.OK());
    EXPECT_EQ(stores.selectItems.count(), 3);
    EXPECT_EQ(stores.expressions.count(), 1);
    QStringList tables;
    for (const query::QueryTable& t : stores.tables.tables)
        tables << t.Name;
    EXPECT_EQ(tables, QStringList({"tblInvoice", "tblCustomer"}));
    query::RegenerateClauses(stores);
    EXPECT_EQ(stores.clauses.EFrom, "tblInvoice, tblCustomer");
}

TEST_F(Designer, RemovingTheOnlyRowLeavesAnEmptyRow)
{
    FormBuildQuery builder(session, prompter, windows);
    pick(builder, "TtblCity#Name");
    Click(builder, "cmdToLeft");
    ASSERT_EQ(builder.gridRows(), 1);
    Click(builder, "cmdToRight");
    EXPECT_EQ(builder.gridRows(), 1);
    EXPECT_TRUE(builder.cell(1, FormBuildQuery::ColEnglish).isEmpty());
    // Ticking the names twice gives back the texts shown before.
    QTreeWidgetItem* city = builder.node("TtblCity#Name");
    const QString before = city->text(0);
    Click(builder, "chkDBName");
    EXPECT_EQ(city->text(0), "Name");
    Click(builder, "chkDBName");
    EXPECT_EQ(city->text(0), before);
}

TEST_F(Designer, EditorDistinctSurvivesSelectButNotFrom)
{
    const qint32 report = addReport("متمايز", "Select DISTINCT tblCity.Province as 'p' From  tblCity ");
    FormReportQuery editor(session, prompter, windows, report, false);
    EXPECT_TRUE(text(editor, "txtESelect").startsWith("DISTINCT "));
    EXPECT_EQ(Child<QAction>(editor, "cmdEDistinct")->text(), "NONDISTINCT");
    windows.modalScripts.enqueue([](QWidget& builder) {
        Click(builder, "cmdBack");
        return 1;
    });
    Click(editor, "cmdESelect");
    EXPECT_EQ(text(editor, "txtESelect"), "DISTINCT tblCity.Province as 'p'");
    EXPECT_TRUE(text(editor, "txtFSelect").startsWith(QStringLiteral("متمايز ")));
    windows.modalScripts.enqueue([](QWidget&) { return 0; });
    Click(editor, "cmdEFrom");
    EXPECT_EQ(text(editor, "txtESelect"), "tblCity.Province as 'p'");
    EXPECT_FALSE(text(editor, "txtFSelect").startsWith(QStringLiteral("متمايز")));
    EXPECT_EQ(Child<QAction>(editor, "cmdEDistinct")->text(), "DISTINCT");
}

TEST_F(Designer, SlowReportQuestionOnlyWithAnUnconstrainedSecondTable)
{
    const qint32 one = addReport("يك جدول", "Select tblCity.Name as 'n' From  tblCity ");
    {
        FormReportQuery editor(session, prompter, windows, one, false);
        Click(editor, "cmdFinalSave");
        EXPECT_TRUE(editor.saved());
        EXPECT_TRUE(prompter.entries().isEmpty());
    }
    const qint32 two =
        addReport("دو جدول", "Select tblCustomer.Name as 'n', tblInvoice.InvoiceNo as 'i' From  tblCustomer, tblInvoice ");
    FormReportQuery editor(session, prompter, windows, two, false);
    prompter.answerYes(); // add a condition: the condition builder opens, nothing is saved
    Click(editor, "cmdFinalSave");
    EXPECT_FALSE(editor.saved());
    EXPECT_EQ(prompter.last().title, QStringLiteral("هشدار زمانبر بودن گزارش"));
    EXPECT_EQ(windows.opened.last(), "FormAddCons");
    prompter.answerNo();
    Click(editor, "cmdFinalSave");
    EXPECT_TRUE(editor.saved());
}

TEST_F(Designer, CheckingTheQuerySaysWhetherItIsValid)
{
    const qint32 report = addReport("بررسي", "Select tblCity.Name as 'n' From  tblCity ");
    FormReportQuery editor(session, prompter, windows, report, false);
    Click(editor, "cmdPars");
    EXPECT_EQ(prompter.last().text, QStringLiteral("پرسوجوي داده شده صحيح است."));
    Child<QPlainTextEdit>(editor, "txtEFrom")->setPlainText("tblNoSuchTable");
    Click(editor, "cmdPars");
    EXPECT_EQ(prompter.last().kind, front::ScriptedPrompter::Kind::Error);
    EXPECT_EQ(prompter.last().text, QStringLiteral("پرسوجوي داده شده ايراد نحوي دارد."));
    Child<QPlainTextEdit>(editor, "txtEWhere")->setPlainText("tblCity.ID = @1");
    Click(editor, "cmdPars");
    EXPECT_EQ(prompter.last().text, QStringLiteral("پرسوجوي فعلي، شامل پارامتر ميباشد و قابل بررسي نيست."));
}

// The typical request: a new report over two related tables, designed
// visually, filtered with a picked value, grouped and sorted, saved and run.
TEST_F(Designer, ATypicalRequestDesignedVisuallyRunsInTheViewer)
{
    const qint32 report = addReport("فروش مشتريان بالاي مبلغ");
    QString picked;
    FormReportQuery editor(session, prompter, windows, report, false);
    // SELECT: the customer's name and the invoice total.
    windows.modalScripts.enqueue([](QWidget& w) {
        auto& builder = static_cast<FormBuildQuery&>(w);
        for (const char* key : {"TtblCustomer#Name", "TtblInvoice#TotalAmount"}) {
            pick(builder, key);
            Click(builder, "cmdToLeft");
        }
        Click(builder, "cmdBack");
        return 1;
    });
    Click(editor, "cmdESelect");
    EXPECT_EQ(text(editor, "txtEFrom"), "tblCustomer, tblInvoice");

    // WHERE: the relation, and the total above a value picked from its values.
    windows.modalScripts.enqueue([&picked, this](QWidget& w) {
        Click(w, "cmdAddDeps");
        Click(w, "cmdAnd");
        QComboBox* column = Child<QComboBox>(w, "cmbColumn");
        column->setCurrentIndex(column->findText(fa("فاکتورهای فروش_مبلغ کل")));
        QMetaObject::invokeMethod(column, "activated", Q_ARG(int, column->currentIndex()));
        choose(*Child<QComboBox>(w, "cmbOperator"), QStringLiteral("بزرگتر از"));
        windows.modalScripts.enqueue([&picked](QWidget& values) {
            QListView* list = Child<QListView>(values, "lstValues");
            list->setCurrentIndex(list->model()->index(200, 0));
            picked = list->model()->index(200, 0).data().toString();
            Click(values, "cmdOK");
            return 1;
        });
        Click(w, "cmdValues");
        Click(w, "cmdAdd");
        Click(w, "cmdBack");
        return 1;
    });
    Click(editor, "cmdEWhere");
    ASSERT_FALSE(picked.isEmpty());
    EXPECT_EQ(text(editor, "txtEWhere"),
              "tblCustomer.ID = tblInvoice.CustomerID AND (tblInvoice.TotalAmount  >  (" + picked + ")) ");

    // GROUP BY the name with the sum of the totals; ORDER BY that sum, largest first.
    windows.modalScripts.enqueue([](QWidget& w) {
        Child<QListWidget>(w, "lstGrouping")->item(0)->setCheckState(Qt::Checked);
        Child<QComboBox>(w, "cmbColumn")->setCurrentIndex(1);
        Child<QComboBox>(w, "cmbFunction")->setCurrentIndex(1);
        Click(w, "cmdToLeft");
        Click(w, "cmdBack");
        return 1;
    });
    Click(editor, "cmdEGroupBy");
    windows.modalScripts.enqueue([](QWidget& w) {
        Child<QListWidget>(w, "lstColumns")->setCurrentRow(1);
        Click(w, "cmdToLeft");
        Child<QListWidget>(w, "lstSelColumns")->setCurrentRow(0);
        Child<QRadioButton>(w, "optDesc")->click();
        Click(w, "cmdBack");
        return 1;
    });
    Click(editor, "cmdEOrderBY");
    EXPECT_EQ(text(editor, "txtEGroupBy"), "tblCustomer.Name");
    Click(editor, "cmdFinalSave");
    ASSERT_TRUE(editor.saved()) << (prompter.entries().isEmpty() ? "" : prompter.last().details.toStdString());
    EXPECT_TRUE(prompter.entries().isEmpty());

    // Both languages were stored; the viewer shows the rows of the statement.
    const StoredQuery stored = LoadStoredQuery(db(), report);
    EXPECT_TRUE(stored.english.contains("SUM(tblInvoice.TotalAmount)")) << stored.english.toStdString();
    EXPECT_TRUE(stored.farsi.contains(QStringLiteral("به تفكيك"))) << stored.farsi.toStdString();
    presentation::KelvoReport control(prompter, windows);
    control.setOleConnectionString(catalogue.connectionString());
    control.setUserID(1);
    test::RunToEnd(control, report);
    ASSERT_TRUE(prompter.entries().isEmpty()) << prompter.last().details.toStdString();
    db::Recordset direct = db().openRecordset(stored.english);
    presentation::ReportGrid& grid = *control.ResultGrid();
    int row = 1;
    for (; !direct.eof(); direct.moveNext(), ++row) {
        for (int c = 0; c < direct.fieldCount(); ++c)
            ASSERT_EQ(grid.TextMatrix(row, c + 1), direct.value(c).toString()) << row << "," << c;
    }
    EXPECT_GT(row, 2);
}

// Pictures of each window filled from the demo catalogue, for a reader to
// look at; written only when KELVO_SHOTS_DIR names a folder.
TEST_F(Designer, Picture)
{
    const QString folder = qEnvironmentVariable("KELVO_SHOTS_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "KELVO_SHOTS_DIR not set";
    QDir().mkpath(folder);
    const auto save = [&](QWidget& w, const char* name) {
        w.show();
        QApplication::processEvents();
        EXPECT_TRUE(w.grab().save(folder + "/" + name + ".png")) << name;
    };
    {
        FormReportQuery editor(session, prompter, windows, 3, false);
        save(editor, "FormReportQuery");
        Child<QRadioButton>(editor, "optEnglish")->setChecked(true);
        save(editor, "FormReportQueryEnglish");
        Child<QRadioButton>(editor, "optSelectSP")->setChecked(true);
        save(editor, "FormReportQueryProcedure");
    }
    {
        FormBuildQuery builder(session, prompter, windows);
        pick(builder, "TtblInvoice#TotalAmount");
        builder.node("S2")->setExpanded(true);
        builder.node("TtblInvoice")->setExpanded(true);
        Click(builder, "cmdToLeft");
        pick(builder, "TtblInvoice#InvoiceNo");
        Click(builder, "cmdToLeft");
        save(builder, "FormBuildQuery");
    }
    model("tblCustomer.Name as 'n', SUM(tblInvoice.TotalAmount) as 't'", "tblCustomer, tblInvoice", "tblCustomer.Name");
    stores.clauses.EWhere = "tblCustomer.ID = tblInvoice.CustomerID ";
    stores.clauses.FWhere = fa("مشتریان_شناسه = فاکتورهای فروش_مشتری ");
    {
        FormAddCons conditions(session, prompter, windows, stores, 4);
        save(conditions, "FormAddCons");
    }
    {
        FormGrouping grouping(session, prompter);
        save(grouping, "FormGrouping");
    }
    {
        stores.clauses.FOrderBy = Child<QListWidget>(FormSorting(session, prompter), "lstColumns")->item(1)->text() +
                                  QStringLiteral(" نزولي");
        FormSorting sorting(session, prompter);
        save(sorting, "FormSorting");
    }
    {
        FormValues values(session, prompter);
        values.prepare("tblInvoice", "CustomerID", true);
        save(values, "FormValues");
    }
    {
        FormRename rename(session, prompter);
        save(rename, "FormRename");
        FormAskColumn ask(session, prompter, fa("مشتریان_نام مشتری"), fa("فاکتورهای فروش_مشتری"));
        save(ask, "FormAskColumn");
    }
}

TEST_F(Designer, RenameTiesARowToASpecialColumnOrGivesItATitle)
{
    FormBuildQuery builder(session, prompter, windows);
    pick(builder, "TtblInvoice#TotalAmount");
    Click(builder, "cmdToLeft");
    Child<QRadioButton>(builder, "optOp")->setChecked(true);
    Click(builder, "cmdToLeft");
    Child<QRadioButton>(builder, "optCol")->setChecked(true);
    pick(builder, "TtblInvoice#InvoiceNo");
    Click(builder, "cmdToLeft");
    const QString english = builder.cell(1, FormBuildQuery::ColEnglish);
    // A blank title without a special column is refused and the dialog stays.
    windows.modalScripts.enqueue([this](QWidget& rename) {
        Click(rename, "cmdContinue");
        EXPECT_EQ(prompter.last().text, QStringLiteral("عنوان مشخص نشده است!"));
        Child<QLineEdit>(rename, "txtFieldName")->setText("  جمع و شماره  ");
        Click(rename, "cmdContinue");
        return 1;
    });
    builder.rename();
    EXPECT_EQ(builder.cell(1, FormBuildQuery::ColFarsi), QStringLiteral("جمع و شماره"));
    EXPECT_EQ(builder.cell(1, FormBuildQuery::ColCaption), QStringLiteral("جمع و شماره"));
    EXPECT_EQ(builder.cell(1, FormBuildQuery::ColCaptionNumber), "-1");
    EXPECT_EQ(builder.cell(1, FormBuildQuery::ColEnglish), english);
    // A blank title with a special column is accepted.
    windows.modalScripts.enqueue([](QWidget& rename) {
        Child<QCheckBox>(rename, "chkSpecial")->setChecked(true);
        Child<QComboBox>(rename, "cmbSpecialCols")->setCurrentIndex(3);
        Click(rename, "cmdContinue");
        return 1;
    });
    builder.rename();
    EXPECT_EQ(builder.cell(1, FormBuildQuery::ColFarsi), "FormID");
    EXPECT_EQ(builder.cell(1, FormBuildQuery::ColCaptionNumber), "-2");
    EXPECT_EQ(builder.cell(1, FormBuildQuery::ColEnglish), english);
}

TEST_F(Designer, TheReferenceQuestionKeepsAskingUntilAnOptionIsChosen)
{
    FormAskColumn ask(session, prompter, "a", "b");
    Click(ask, "cmdContinue");
    EXPECT_FALSE(ask.OK());
    EXPECT_EQ(prompter.last().text, QStringLiteral("يكي از گزينهها را انتخاب نماييد."));
    Child<QRadioButton>(ask, "optReferenceAltName")->click();
    Click(ask, "cmdContinue");
    EXPECT_TRUE(ask.OK());
    EXPECT_EQ(ask.answer(), 1);
}

TEST_F(Designer, ProcedureModeWritesTheCallInBothLanguages)
{
    const qint32 report = 4; // parameter 1: DepartmentID
    FormReportQuery editor(session, prompter, windows, report, false);
    Child<QRadioButton>(editor, "optSelectSP")->setChecked(true);
    EXPECT_TRUE(Child<QWidget>(editor, "FormStoredProcedure")->isVisibleTo(&editor));
    EXPECT_FALSE(Child<QWidget>(editor, "fraClauses")->isVisibleTo(&editor));
    auto* selector = Child<controls::KelvoSelector>(editor, "gmpStoredProcedure");
    ASSERT_FALSE(selector->rows().isEmpty());
    selector->setID(selector->rows().first().id);
    Q_EMIT selector->Change();
    EXPECT_TRUE(Child<QLabel>(editor, "lblHelp")->text().startsWith(QStringLiteral("نحوه فراخواني: ") + selector->Code()));
    // The boxes start read-only; the parameter goes in by number and by name.
    EXPECT_TRUE(Child<QPlainTextEdit>(editor, "txtSQLSP")->isReadOnly());
    choose(*Child<QComboBox>(editor, "cmbValCol"), "@DepartmentID");
    Click(editor, "cmdAdd");
    choose(*Child<QComboBox>(editor, "cmbValCol"), QStringLiteral("مشخصه كاربر"));
    Click(editor, "cmdAdd");
    EXPECT_EQ(text(editor, "txtSQLSP"), QStringLiteral("(@1),مشخصه كاربر"));
    EXPECT_EQ(text(editor, "txtFarsiSQLSP"), QStringLiteral("@DepartmentID,مشخصه كاربر"));
    EXPECT_EQ(Child<QComboBox>(editor, "cmbValCol")->currentIndex(), -1);
    prompter.answerNo();
    Click(editor, "cmdModify");
    EXPECT_TRUE(Child<QPlainTextEdit>(editor, "txtSQLSP")->isReadOnly());
    prompter.answerYes();
    Click(editor, "cmdModify");
    EXPECT_FALSE(Child<QPlainTextEdit>(editor, "txtSQLSP")->isReadOnly());
    Click(editor, "cmdFinalSave");
    ASSERT_TRUE(editor.saved());
    const StoredQuery stored = LoadStoredQuery(db(), report);
    EXPECT_EQ(stored.sqlsp, selector->Code() + QStringLiteral(" (@1),مشخصه كاربر"));
    EXPECT_EQ(stored.farsiSqlsp, selector->Code() + QStringLiteral(" @DepartmentID,مشخصه كاربر"));
    // Reopened, the editor is in procedure mode on the same call.
    FormReportQuery again(session, prompter, windows, report, false);
    EXPECT_TRUE(Child<QRadioButton>(again, "optSelectSP")->isChecked());
    EXPECT_EQ(text(again, "txtSQLSP"), QStringLiteral("(@1),مشخصه كاربر"));
}

TEST_F(Designer, ALongQueryKeepsItsTextThroughTheEditor)
{
    QString where = "tblCity.Name <> 'a'";
    while (where.size() < 8400)
        where += " or tblCity.Name = 'O''Neil'";
    const QString query = "Select tblCity.Name as 'n' From  tblCity where  " + where;
    const qint32 report = addReport("بلند", query);
    FormReportQuery editor(session, prompter, windows, report, false);
    EXPECT_EQ(text(editor, "txtEWhere").trimmed(), where);
    Click(editor, "cmdFinalSave");
    ASSERT_TRUE(editor.saved());
    const StoredQuery stored = LoadStoredQuery(db(), report);
    EXPECT_GT(stored.english.size(), kQueryPartLength);
    EXPECT_TRUE(stored.english.contains(where));
    EXPECT_EQ(db().openRecordset(stored.english).recordCount(), db().openRecordset(query).recordCount());
}

TEST_F(Designer, CopyingAReportAsksBeforeSavingValuedParameters)
{
    const qint32 report = addReport("كپي", "Select tblCity.Name as 'n' From  tblCity where  tblCity.ID = 3");
    FormReportQuery editor(session, prompter, windows, report, true);
    Child<QPlainTextEdit>(editor, "txtEWhere")->setPlainText("tblCity.ID = @1");
    prompter.answerYes(); // keep the query as it was loaded
    Click(editor, "cmdFinalSave");
    ASSERT_TRUE(editor.saved());
    EXPECT_EQ(prompter.last().title, QStringLiteral("پارامتر در پرسوجو"));
    EXPECT_FALSE(LoadStoredQuery(db(), report).english.contains("@"));
}

TEST_F(Designer, TheBuilderRefusesTheThousandAndFirstColumnAndKeepsTheModel)
{
    model("tblCity.Name as 'n'", "tblCity");
    FormBuildQuery builder(session, prompter, windows);
    Child<QRadioButton>(builder, "optData")->setChecked(true);
    Child<QLineEdit>(builder, "txtData")->setText("%x%");
    while (builder.gridRows() < query::SelectItemList::kCapacity + 1)
        builder.add();
    Click(builder, "cmdBack");
    EXPECT_FALSE(builder.OK());
    EXPECT_EQ(prompter.last().text, QStringLiteral("اين فهرست حداكثر 1000 قلم ميپذيرد؛ قلم ديگري افزوده نشد."));
    EXPECT_EQ(stores.selectItems.count(), 1);
    EXPECT_EQ(stores.tables.count(), 1);
}
