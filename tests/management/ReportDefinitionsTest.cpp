// Saving and deleting report definitions on a copy of the demo catalogue.
#include "support/QStringPrinter.h"
#include "ManagementFixture.h"
#include "management/ReportDefinitions.h"
#include "management/ReportStatements.h"
#include "sql/SqlDialect.h"
#include "platform/db/DbError.h"

using namespace kelvo;
using namespace kelvo::management;
using Kind = front::ScriptedPrompter::Kind;

namespace {

const QString kDuplicate = "عنوان گزارش تكراري است.";
const QString kDependent = "به اين گزارش وابستگي وجود دارد. امكان حذف آن وجود ندارد.";
const QString kCopyTitle = "انتقال اطلاعات گزارش اصلي";

struct ReportDefinitions : test::ManagementFixture {
    static ReportHeader header(const QString& title)
    {
        ReportHeader h;
        h.title = title;
        h.creatorID = 1;
        h.createDate = QDate(2025, 3, 21);
        h.farsiCreateDate = "1404/01/01";
        return h;
    }
    int reports() { return count("tblKelvoReport"); }
    int rowsOf(const char* table, int report)
    {
        return count(QString::fromLatin1(table) + " where ReportID=" + QString::number(report));
    }
};

} // namespace

TEST_F(ReportDefinitions, PermissionFollowsTheHostProcedure)
{
    EXPECT_TRUE(HasPermission(session, PermissionDelete));
    session.context.CurrentUserID = 2; // may create, edit and search, not delete
    EXPECT_TRUE(HasPermission(session, PermissionNew));
    EXPECT_FALSE(HasPermission(session, PermissionDelete));
}

TEST_F(ReportDefinitions, NewReportIsReadBackWithItsTextsAndGrant)
{
    const QString longTitle = "  گزارش 'ويژه' " + QString(120, u'ب') + "  ";
    ReportHeader h = header(longTitle);
    h.alias = " O'Brien ";
    h.notes = "it's fine";
    h.systemID = 2;
    h.isGeneral = true;
    h.makeTree = true;
    const int before = reports();

    const SaveResult r = SaveReport(session, prompter, ManagerMode::Insert, -1, -1, h);

    ASSERT_EQ(r.outcome, SaveOutcome::Saved);
    const QString expectedTitle = longTitle.trimmed().left(100);
    EXPECT_EQ(r.title, expectedTitle);
    EXPECT_EQ(r.title.size(), 100);
    EXPECT_EQ(reports(), before + 1);
    EXPECT_EQ(r.reportID, scalar("select max(ID) from tblKelvoReport").toInt());

    db::Recordset rs = db().openRecordset("select * from tblKelvoReport where ID=" + QString::number(r.reportID));
    EXPECT_EQ(rs.text("Title"), expectedTitle);
    EXPECT_EQ(rs.text("Alias"), "O'Brien");
    EXPECT_EQ(rs.text("Notes"), "it's fine");
    EXPECT_EQ(rs.value("CreatorID").toInt(), 1);
    EXPECT_EQ(rs.text("CreateDate"), "2025-03-21");
    EXPECT_EQ(rs.text("FarsiCreateDate"), "1404/01/01");
    EXPECT_EQ(rs.value("SystemID").toInt(), 2);
    EXPECT_TRUE(rs.isNull("FormTypeID"));
    EXPECT_EQ(rs.value("IsGeneral").toInt(), 1);
    EXPECT_EQ(rs.value("MakeTree").toInt(), 1);
    EXPECT_EQ(rs.value("MakeSecure").toInt(), 0);
    EXPECT_EQ(rs.value("ShowFlatternParameters").toInt(), 1);
    EXPECT_EQ(count("tblKelvoAllowablePositions where FormTypeID=2302 and CanEdit=1 and SecurePositionID=1 and "
                    "FormID=" + QString::number(r.reportID)),
              1);
    EXPECT_TRUE(prompter.entries().isEmpty());

    // Blank alias and notes become NULL.
    ReportHeader blank = header("بدون نام مستعار");
    blank.alias = "   ";
    const SaveResult second = SaveReport(session, prompter, ManagerMode::Insert, -1, -1, blank);
    EXPECT_TRUE(scalar("select Alias from tblKelvoReport where ID=" + QString::number(second.reportID)).isNull());
    EXPECT_TRUE(scalar("select Notes from tblKelvoReport where ID=" + QString::number(second.reportID)).isNull());
}

TEST_F(ReportDefinitions, DuplicateTitleIsRefusedButAnEditMayKeepItsOwn)
{
    const int before = reports();
    const int grants = count("tblKelvoAllowablePositions");
    const SaveResult refused = SaveReport(session, prompter, ManagerMode::Insert, -1, -1, header(" " + fa("فهرست کارکنان") + " "));
    EXPECT_EQ(refused.outcome, SaveOutcome::DuplicateTitle);
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().title, "خطا");
    EXPECT_EQ(prompter.last().text, kDuplicate);
    EXPECT_EQ(reports(), before);
    EXPECT_EQ(count("tblKelvoAllowablePositions"), grants);

    // Report 1 keeps its title and takes a new alias; its creator stays.
    prompter.clear();
    ReportHeader edit = header(fa("فهرست کارکنان"));
    edit.alias = "EmpList2";
    edit.creatorID = 3;
    const SaveResult kept = SaveReport(session, prompter, ManagerMode::Edit, 1, -1, edit);
    EXPECT_EQ(kept.outcome, SaveOutcome::Saved);
    EXPECT_EQ(kept.reportID, 1);
    EXPECT_TRUE(prompter.entries().isEmpty());
    EXPECT_EQ(scalar("select Alias from tblKelvoReport where ID=1").toString(), "EmpList2");
    EXPECT_EQ(scalar("select CreatorID from tblKelvoReport where ID=1").toInt(), 1);
    EXPECT_EQ(reports(), before);

    // Taking another report's title in an edit is refused.
    const SaveResult taken = SaveReport(session, prompter, ManagerMode::Edit, 2, -1, header(fa("فهرست کارکنان")));
    EXPECT_EQ(taken.outcome, SaveOutcome::DuplicateTitle);
    EXPECT_EQ(scalar("select Title from tblKelvoReport where ID=2").toString(), fa("فاکتورهای فروش"));
}

TEST_F(ReportDefinitions, CopyCarriesTheLayoutOnlyWhenAsked)
{
    // Report 2 gets the rows a copy may carry, and an expression it never does.
    catalogue.run("insert into tblKelvoReportAliases (ReportID, ColFormula, ColAlias) values (2, 'a.x', 'X');"
                  "insert into tblKelvoReportAliases (ReportID, ColFormula, ColAlias) values (2, 'a.y', 'Y');"
                  "insert into tblKelvoReportTranspose (ReportID, ColumnNumber, Alignment, Width, MergeType) "
                  "values (2, 1, 4, 900, 0);"
                  "insert into tblKelvoReportParameter (ReportID, ParameterID, Name, Type) values (2, 1, 'P', 'int');"
                  "insert into tblKelvoReportExpression (ReportID, ColumnNumber, Name) values (2, 6, 'E');"
                  "update tblKelvoReport set MakeTranspose=1 where ID=2");
    struct Case {
        bool yes;
        const char* title;
    };
    for (const Case c : {Case{true, "کپي با چيدمان"}, Case{false, "کپي بدون چيدمان"}}) {
        SCOPED_TRACE(c.yes);
        prompter.clear();
        c.yes ? prompter.answerYes() : prompter.answerNo();
        const SaveResult r = SaveReport(session, prompter, ManagerMode::InsertFrom, -1, 2, header(c.title));
        ASSERT_EQ(r.outcome, SaveOutcome::Saved);
        ASSERT_EQ(prompter.entries().size(), 1);
        EXPECT_EQ(prompter.last().title, kCopyTitle);
        const int n = r.reportID;
        EXPECT_GT(n, 6);

        // The query always comes along.
        const QString source = "(select %1 from tblKelvoReport where ID=2)";
        for (const char* column : {"SQLQuery", "FarsiSQLQuery", "Reserved", "SQLSP", "FarsiSQLSP", "IsStoredProcedure"})
            EXPECT_EQ(count(QString("tblKelvoReport where ID=%1 and %2 is %3").arg(n).arg(column, source.arg(column))),
                      1)
                << column;
        EXPECT_FALSE(scalar(QString("select SQLQuery from tblKelvoReport where ID=%1").arg(n)).isNull());

        const int layout = c.yes ? rowsOf("tblKelvoReportLayout", 2) : 0;
        EXPECT_GT(rowsOf("tblKelvoReportLayout", 2), 0);
        EXPECT_EQ(rowsOf("tblKelvoReportLayout", n), layout);
        EXPECT_EQ(rowsOf("tblKelvoReportTranspose", n), c.yes ? 1 : 0);
        EXPECT_EQ(rowsOf("tblKelvoReportAliases", n), c.yes ? 2 : 0);
        EXPECT_EQ(rowsOf("tblKelvoReportColor", n), c.yes ? 1 : 0);
        EXPECT_EQ(rowsOf("tblKelvoReportParameter", n), c.yes ? 1 : 0);
        EXPECT_EQ(rowsOf("tblKelvoReportExpression", n), 0);
        EXPECT_EQ(rowsOf("tblKelvoReportButtons", n), 0);
        EXPECT_EQ(count(QString("tblKelvoReportLayout a where ReportID=%1 and not exists (select 1 from "
                                "tblKelvoReportLayout b where b.ReportID=2 and b.ColumnNumber=a.ColumnNumber and "
                                "b.Width=a.Width and b.Alignment=a.Alignment)")
                            .arg(n)),
                  0);
        db::Recordset rs = db().openRecordset(QString("select * from tblKelvoReport where ID=%1").arg(n));
        if (c.yes) {
            EXPECT_EQ(rs.value("MakeTranspose").toInt(), 1);
            EXPECT_EQ(rs.value("ColoryReportColumn").toInt(), 5);
            EXPECT_EQ(rs.value("ColoringType").toInt(), 1);
            EXPECT_EQ(rs.value("ColWidth").toInt(), 4000);
        } else {
            EXPECT_TRUE(rs.isNull("MakeTranspose"));
            EXPECT_TRUE(rs.isNull("ColoryReportColumn"));
            EXPECT_TRUE(rs.isNull("Cols"));
        }
        // The source keeps its rows.
        EXPECT_EQ(rowsOf("tblKelvoReportAliases", 2), 2);
    }
}

TEST_F(ReportDefinitions, FailingCopyStepIsSkippedAndTheRestIsKept)
{
    catalogue.run("insert into tblKelvoReportAliases (ReportID, ColFormula, ColAlias) values (2, 'a.x', 'X')");
    db().execute("CREATE TRIGGER refuseAlias BEFORE INSERT ON tblKelvoReportAliases "
                 "BEGIN SELECT RAISE(ABORT, 'alias refused'); END");
    prompter.answerYes();
    const SaveResult r = SaveReport(session, prompter, ManagerMode::InsertFrom, -1, 2, header("کپي ناقص"));
    ASSERT_EQ(r.outcome, SaveOutcome::Saved);
    EXPECT_EQ(rowsOf("tblKelvoReportAliases", r.reportID), 0);
    EXPECT_EQ(rowsOf("tblKelvoReportLayout", r.reportID), rowsOf("tblKelvoReportLayout", 2));
    EXPECT_EQ(rowsOf("tblKelvoReportColor", r.reportID), 1);
    EXPECT_EQ(count(QString("tblKelvoReport where ID=%1").arg(r.reportID)), 1);
}

// A copy step that fails half way (RAISE(FAIL) keeps the rows a statement
// wrote before failing) is undone alone under its savepoint; a step whose
// failure ends the transaction fails the save whole.
TEST_F(ReportDefinitions, CopyStepsAreUndoneAloneOrFailTheSaveWhole)
{
    catalogue.run("insert into tblKelvoReportColor (ReportID, Value, ForeColor, BackColor) values (2, 'z', 1, 1)");
    ASSERT_GE(rowsOf("tblKelvoReportColor", 2), 2);
    db().execute("CREATE TRIGGER secondColourFails BEFORE INSERT ON tblKelvoReportColor "
                 "WHEN (select count(*) from tblKelvoReportColor where ReportID = NEW.ReportID) >= 1 "
                 "BEGIN SELECT RAISE(FAIL, 'second colour refused'); END");
    prompter.answerYes();
    const SaveResult r = SaveReport(session, prompter, ManagerMode::InsertFrom, -1, 2, header("کپي نيمه رنگ"));
    ASSERT_EQ(r.outcome, SaveOutcome::Saved);
    EXPECT_EQ(rowsOf("tblKelvoReportColor", r.reportID), 0); // not the first colour alone
    EXPECT_EQ(rowsOf("tblKelvoReportLayout", r.reportID), rowsOf("tblKelvoReportLayout", 2));
    EXPECT_EQ(rowsOf("tblKelvoReportParameter", r.reportID), rowsOf("tblKelvoReportParameter", 2));

    db().execute("DROP TRIGGER secondColourFails");
    db().execute("CREATE TRIGGER colourEndsAll BEFORE INSERT ON tblKelvoReportColor "
                 "BEGIN SELECT RAISE(ROLLBACK, 'transaction ended'); END");
    const int before = reports();
    prompter.answerYes();
    EXPECT_THROW(SaveReport(session, prompter, ManagerMode::InsertFrom, -1, 2, header("کپي از دست رفته")),
                 db::DbError);
    EXPECT_EQ(reports(), before);
    EXPECT_EQ(count("tblKelvoReportLayout where ReportID > " + QString::number(r.reportID)), 0);
    EXPECT_FALSE(session.DtEn.inTransaction());
}

// The report stays saved when its grants fail; only the saver's own grant
// failing is told, since the creator would then not find the report.
TEST_F(ReportDefinitions, FailingOwnGrantIsToldAndTheReportKept)
{
    db().execute("CREATE TRIGGER otherGrantsFail BEFORE INSERT ON tblKelvoAllowablePositions "
                 "WHEN NEW.SecurePositionID <> 1 BEGIN SELECT RAISE(ABORT, 'other refused'); END");
    SaveResult r = SaveReport(session, prompter, ManagerMode::Insert, -1, -1, header("ساير سمتها"));
    ASSERT_EQ(r.outcome, SaveOutcome::Saved);
    EXPECT_TRUE(prompter.entries().isEmpty());
    EXPECT_EQ(count("tblKelvoAllowablePositions where FormID=" + QString::number(r.reportID)), 1);

    db().execute("DROP TRIGGER otherGrantsFail");
    db().execute("CREATE TRIGGER ownGrantFails BEFORE INSERT ON tblKelvoAllowablePositions "
                 "WHEN NEW.SecurePositionID = 1 BEGIN SELECT RAISE(ABORT, 'own grant refused'); END");
    r = SaveReport(session, prompter, ManagerMode::Insert, -1, -1, header("بي دسترسي"));
    ASSERT_EQ(r.outcome, SaveOutcome::Saved);
    EXPECT_EQ(count("tblKelvoReport where ID=" + QString::number(r.reportID)), 1);
    ASSERT_EQ(prompter.entriesOf(Kind::Error).size(), 1);
    EXPECT_EQ(prompter.last().text, kOwnGrantFailedMessage);
    EXPECT_TRUE(prompter.last().details.contains("own grant refused"));
}

// On a server whose insert gives no identifier (Oracle through ODBC) the new
// row is read back by its title inside the save's transaction.
TEST(ReportStatements, OracleFormsWritePlainLiteralsAndReadTheNewRowByTitle)
{
    ReportHeader h;
    h.creatorID = 3;
    h.createDate = QDate(2025, 3, 21);
    h.farsiCreateDate = "1404/01/01";
    h.alias = "O'B";
    EXPECT_EQ(statements::InsertReport(sql::Dialect::Oracle(), "گزارش 'ويژه'", h),
              "Insert into tblKelvoReport (Title, CreatorID, CreateDate, FarsiCreateDate) values ( 'گزارش ''ويژه''', "
              "3,'2025-03-21', '1404/01/01')");
    EXPECT_EQ(statements::InsertReport(sql::Dialect::SqlServer(), "گزارش", h),
              "Insert into tblKelvoReport (Title, CreatorID, CreateDate, FarsiCreateDate) values ( N'گزارش', "
              "3,'2025-03-21', N'1404/01/01')");
    EXPECT_EQ(statements::ReportIdOfTitle(sql::Dialect::Oracle(), "it's"),
              "Select ID from tblKelvoReport Where Title='it''s'");
    EXPECT_TRUE(statements::UpdateHeader(sql::Dialect::Oracle(), "t", h, 9).contains(", Alias ='O''B',"));
    EXPECT_TRUE(statements::UpdateHeader(sql::Dialect::SqlServer(), "t", h, 9).contains(", Alias =N'O''B',"));
}

TEST_F(ReportDefinitions, FailureInTheRowWritesLeavesNothing)
{
    db().execute("CREATE TRIGGER refuseUpdate BEFORE UPDATE ON tblKelvoReport "
                 "BEGIN SELECT RAISE(ABORT, 'update refused'); END");
    const int before = reports();
    const int grants = count("tblKelvoAllowablePositions");
    EXPECT_THROW(SaveReport(session, prompter, ManagerMode::Insert, -1, -1, header("نيمه کاره")), db::DbError);
    EXPECT_EQ(reports(), before);
    EXPECT_EQ(count("tblKelvoReport where Title='نيمه کاره'"), 0);
    EXPECT_EQ(count("tblKelvoAllowablePositions"), grants);

    // The same for a copy whose query copy fails after the header was written.
    db().execute("DROP TRIGGER refuseUpdate");
    db().execute("CREATE TRIGGER refuseQueryCopy BEFORE UPDATE OF SQLSP ON tblKelvoReport "
                 "BEGIN SELECT RAISE(ABORT, 'copy refused'); END");
    prompter.answerYes();
    EXPECT_THROW(SaveReport(session, prompter, ManagerMode::InsertFrom, -1, 2, header("کپي نيمه کاره")),
                 db::DbError);
    EXPECT_EQ(reports(), before);
    EXPECT_EQ(count("tblKelvoReportLayout where ReportID > 7"), 0);
    // The connection is usable afterwards: no transaction was left open.
    EXPECT_FALSE(session.DtEn.inTransaction());
    db().execute("DROP TRIGGER refuseQueryCopy");
    EXPECT_EQ(SaveReport(session, prompter, ManagerMode::Insert, -1, -1, header("پس از خطا")).outcome,
              SaveOutcome::Saved);
}

TEST_F(ReportDefinitions, SecondSaveAddsNoGrantAndKeepsEditFlags)
{
    const SaveResult r = SaveReport(session, prompter, ManagerMode::Insert, -1, -1, header("دو بار ذخيره"));
    const QString grantsOf = "tblKelvoAllowablePositions where FormTypeID=2302 and FormID=" + QString::number(r.reportID);
    const int granted = count(grantsOf);
    ASSERT_GE(granted, 1);
    db().execute("update tblKelvoAllowablePositions set CanEdit=0 where FormID=" + QString::number(r.reportID));
    EXPECT_EQ(SaveReport(session, prompter, ManagerMode::Edit, r.reportID, -1, header("دو بار ذخيره")).outcome,
              SaveOutcome::Saved);
    EXPECT_EQ(count(grantsOf), granted);
    EXPECT_EQ(count(grantsOf + " and CanEdit=1"), 0);
}

// ---- delete ----

namespace {

const QString kSure = "آيا مطمئن هستيد؟";
const QString kGeneral =
    "اين گزارش عمومي است و در اجراي نرمافزارها مورد نياز ميباشد. آيا از حذف آن اطمينان داريد؟";
const QString kCalled = "اين گزارش توسط ديگر گزارشها فراخواني ميشود. در صورت حذف، امكان فراخواني گزارش در آنها "
                        "از بين ميرود. آيا از حذف آن اطمينان داريد؟";

struct DeleteReports : ReportDefinitions {
    DeleteReports()
    {
        // Report 1 is called by report 2 and calls report 4.
        catalogue.run("insert into tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID) "
                      "values (2, 1, 1);"
                      "insert into tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID) "
                      "values (1, 4, 1);"
                      "insert into tblKelvoReportExpression (ReportID, ColumnNumber, Name) values (1, 5, 'E');"
                      "insert into tblKelvoReportTranspose (ReportID, ColumnNumber, Width) values (1, 1, 500);"
                      "insert into tblKelvoReportColor (ReportID, Value, ForeColor, BackColor) values (1, '1', 0, 255)");
    }
    int dependentRowsOf1()
    {
        int n = count("tblKelvoRelatedReports where CalledReportID=1 or CallerReportID=1");
        for (const char* table : {"tblKelvoReportLayout", "tblKelvoReportExpression", "tblKelvoReportTranspose",
                                  "tblKelvoReportColor", "tblKelvoReportParameter"})
            n += rowsOf(table, 1);
        return n;
    }
    QStringList questions() const
    {
        QStringList texts;
        for (const auto& e : prompter.entriesOf(Kind::Question))
            texts << e.title + "|" + e.text;
        return texts;
    }
};

} // namespace

TEST_F(DeleteReports, RefusedWithoutPermission)
{
    session.context.CurrentUserID = 2;
    EXPECT_EQ(DeleteReport(session, prompter, 1, true), DeleteOutcome::NotPermitted);
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().kind, Kind::Message);
    EXPECT_EQ(prompter.last().title, "خطا");
    EXPECT_EQ(prompter.last().text, kNotPermittedMessage);
    EXPECT_EQ(count("tblKelvoReport where ID=1"), 1);
}

TEST_F(DeleteReports, EachQuestionCanStopIt)
{
    struct Case {
        qint32 report;
        bool general;
        QList<int> answers;
        QStringList asked;
    };
    const QString first = "حذف گزارش|" + kSure;
    const Case cases[] = {
        {4, false, {front::AnswerNo}, {first}},
        {4, false, {front::AnswerCancel}, {first}},
        {1, true, {front::AnswerYes, front::AnswerNo}, {first, "حذف گزارش|" + kGeneral}},
        {1, true, {front::AnswerYes, front::AnswerYes, front::AnswerNo},
         {first, "حذف گزارش|" + kGeneral, "حذف گزارش|" + kCalled}},
    };
    const int dependents = dependentRowsOf1();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.size());
        prompter.clear();
        for (int a : c.answers)
            a == front::AnswerYes ? prompter.answerYes() : a == front::AnswerNo ? prompter.answerNo() : prompter.answerCancel();
        EXPECT_EQ(DeleteReport(session, prompter, c.report, c.general), DeleteOutcome::Declined);
        EXPECT_EQ(questions(), c.asked);
        EXPECT_EQ(prompter.entriesOf(Kind::Message).size(), 0);
        EXPECT_EQ(count("tblKelvoReport where ID=" + QString::number(c.report)), 1);
    }
    EXPECT_EQ(dependentRowsOf1(), dependents);
}

TEST_F(DeleteReports, ConfirmedDeleteRemovesTheReportAndWhatHangsOffIt)
{
    ASSERT_EQ(scalar("select SearchReportID from tblKelvoFormType where ID=1101").toInt(), 1);
    const int othersLayout = count("tblKelvoReportLayout where ReportID<>1");
    prompter.answerYes();
    prompter.answerYes();
    prompter.answerYes();
    EXPECT_EQ(DeleteReport(session, prompter, 1, true), DeleteOutcome::Deleted);
    EXPECT_EQ(prompter.entriesOf(Kind::Question).size(), 3);
    EXPECT_EQ(count("tblKelvoReport where ID=1"), 0);
    EXPECT_EQ(dependentRowsOf1(), 0);
    EXPECT_TRUE(scalar("select SearchReportID from tblKelvoFormType where ID=1101").isNull());
    EXPECT_EQ(count("tblKelvoReportLayout where ReportID<>1"), othersLayout);
    EXPECT_EQ(count("tblKelvoReport"), 6);
}

// Nothing of a deleted report stays behind for a report that re-uses its
// identifier: charts, buttons and their details, distribution, aliases,
// grants; and no form type names it any longer.
TEST_F(DeleteReports, NothingOfTheReportStaysBehind)
{
    catalogue.run("insert into tblKelvoReportAliases (ReportID, ColFormula, ColAlias) values (1, 'a.x', 'X');"
                  "insert into tblKelvoReportDiagram (ReportID, DiagramTypeID, ChartXColNo) values (1, 3, 1);"
                  "insert into tblKelvoReportDiagramCols (ReportID, ChartYColNo) values (1, 2);"
                  "insert into tblKelvoReportButtons (ID, ReportID, Caption, SPName) values (900, 1, 'b', 'spX');"
                  "insert into tblKelvoReportButtonsDetail (ButtonID, Seq, ParName, Type) values (900, 1, 'p', 'int');"
                  "insert into tblKelvoReportButtons (ID, ReportID, Caption, SPName) values (901, 2, 'b', 'spX');"
                  "insert into tblKelvoReportButtonsDetail (ButtonID, Seq, ParName, Type) values (901, 1, 'p', 'int');"
                  "insert into tblKelvoReportDistributionDetail (ReportID, Value, Sequence) values (1, 'v', 1);"
                  "update tblKelvoFormType set ReportID = 1 where ID = 1101;"
                  "insert into tblKelvoAllowablePositions (FormID, FormTypeID, SecurePositionID, CanEdit) "
                  "values (1, 2302, 1, 1)");
    const QString grantsOf1 = "tblKelvoAllowablePositions where FormTypeID=2302 and FormID=1";
    const int otherGrants = count("tblKelvoAllowablePositions") - count(grantsOf1);
    for (int i = 0; i < 3; ++i)
        prompter.answerYes();
    ASSERT_EQ(DeleteReport(session, prompter, 1, true), DeleteOutcome::Deleted);
    for (const char* table : {"tblKelvoReportAliases", "tblKelvoReportDiagram", "tblKelvoReportDiagramCols",
                              "tblKelvoReportButtons", "tblKelvoReportDistributionDetail"})
        EXPECT_EQ(rowsOf(table, 1), 0) << table;
    EXPECT_EQ(count("tblKelvoReportButtonsDetail where ButtonID=900"), 0);
    EXPECT_EQ(count("tblKelvoReportButtonsDetail where ButtonID=901"), 1); // another report's button stays
    EXPECT_EQ(count(grantsOf1), 0);
    EXPECT_EQ(count("tblKelvoAllowablePositions"), otherGrants);
    EXPECT_TRUE(scalar("select ReportID from tblKelvoFormType where ID=1101").isNull());
}

// Only a refused constraint means that something depends on the report; a
// failure of another kind is shown with the database's own message.
TEST_F(DeleteReports, OtherFailuresShowTheDatabaseMessage)
{
    db().execute("DROP TABLE tblKelvoReportDistributionDetail");
    for (int i = 0; i < 3; ++i)
        prompter.answerYes();
    EXPECT_EQ(DeleteReport(session, prompter, 1, true), DeleteOutcome::Failed);
    EXPECT_TRUE(prompter.entriesOf(Kind::Message).isEmpty());
    ASSERT_EQ(prompter.entriesOf(Kind::Error).size(), 1);
    EXPECT_TRUE(prompter.last().details.contains("tblKelvoReportDistributionDetail"));
    EXPECT_EQ(count("tblKelvoReport where ID=1"), 1);
}

TEST_F(DeleteReports, FailingStatementRollsTheWholeDeleteBack)
{
    db().execute("CREATE TRIGGER refuseColourDelete BEFORE DELETE ON tblKelvoReportColor "
                 "BEGIN SELECT RAISE(ABORT, 'colour rows are kept'); END");
    const int dependents = dependentRowsOf1();
    prompter.answerYes();
    prompter.answerYes();
    prompter.answerYes();
    EXPECT_EQ(DeleteReport(session, prompter, 1, true), DeleteOutcome::Failed);
    ASSERT_EQ(prompter.entriesOf(Kind::Message).size(), 1);
    EXPECT_EQ(prompter.last().title, "خطا");
    EXPECT_EQ(prompter.last().text, kDependent);
    // The statements before the failing one (related reports, layout,
    // expressions, transpose) are undone as well.
    EXPECT_EQ(dependentRowsOf1(), dependents);
    EXPECT_EQ(count("tblKelvoReport where ID=1"), 1);
    EXPECT_EQ(scalar("select SearchReportID from tblKelvoFormType where ID=1101").toInt(), 1);
    EXPECT_FALSE(session.DtEn.inTransaction());
}
