#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"
#include "schema/demo/Catalogue.h"
#include "support/TempCatalogue.h"

#include <QCalendar>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using kelvo::db::Connection;
using kelvo::db::Recordset;
using kelvo::test::TempCatalogue;

namespace {

QString fa(const char* utf8) { return QString::fromUtf8(utf8); }

qint64 scalar(Connection& c, const QString& sql)
{
    Recordset rs = c.openRecordset(sql);
    return rs.eof() ? -1 : rs.value(0).toLongLong();
}

QStringList column(Connection& c, const QString& sql)
{
    QStringList out;
    for (Recordset rs = c.openRecordset(sql); !rs.eof(); rs.moveNext())
        out << rs.value(0).toString();
    return out;
}

// The stored English query of a report, joined again from its two columns.
QString storedQuery(Connection& c, int id)
{
    Recordset rs = c.openRecordset(QStringLiteral("select * from tblKelvoReport where ID =%1").arg(id));
    return rs.text(QStringLiteral("SQLQuery")) + rs.text(QStringLiteral("Reserved"));
}

struct DemoCatalogue : ::testing::Test {
    TempCatalogue demo = TempCatalogue::demo();
    Connection& c = demo.connection();
};

} // namespace

TEST_F(DemoCatalogue, HoldsADescribedPersianDictionaryOfThreeOrMoreSubsystems)
{
    EXPECT_GE(scalar(c, "SELECT count(*) FROM tblKelvoTable Where len(Description)>0"), 15);
    const QStringList systems = column(
        c, "SELECT ID,isnull(Name,'') as Description, isnull(Name,'') as Name FROM tblKelvoSystem Where len(Name)>0 "
           "and (NotVisible=0 or NotVisible is null) Order By ID");
    EXPECT_EQ(systems, (QStringList{"1", "2", "3", "16", "20"}));
    EXPECT_EQ(column(c, "Select Name from tblKelvoSystem Where ID = 3").value(0), fa("سيستم انبار"));

    // Every kind of column the query design treats differently is present.
    for (const char* type : {"nvarchar", "int", "money", "bit", "datetime", "smallint"})
        EXPECT_GT(scalar(c, QStringLiteral("SELECT count(*) FROM tblKelvoColumn Where Type = '%1'").arg(type)), 0) << type;
    EXPECT_GT(scalar(c, "SELECT count(*) FROM tblKelvoRelatedTables"), 20);

    // A relation names real columns on both sides.
    Recordset rel = c.openRecordset("Select * from tblKelvoRelatedTables Where ForeignKey like 'CustomerID' and "
                                    "DependentTable like 'tblInvoice'");
    ASSERT_FALSE(rel.eof());
    EXPECT_EQ(rel.text("ReferenceTable"), "tblCustomer");
    EXPECT_EQ(rel.text("ReferenceKey"), "ID");
}

TEST_F(DemoCatalogue, CodedColumnsNameSelectorViewsThatFollowTheContract)
{
    const QStringList views = column(c, "SELECT DISTINCT MajorView FROM tblKelvoColumn WHERE len(MajorView)>0 "
                                        "UNION SELECT DISTINCT MinorView FROM tblKelvoColumn WHERE len(MinorView)>0");
    ASSERT_GE(views.size(), 20);
    for (const QString& view : views) {
        Recordset rs = c.openRecordset("Select * from " + view);
        ASSERT_FALSE(rs.eof()) << view.toStdString();
        EXPECT_EQ(rs.columns(), (QStringList{"ID", "Code", "Name", "Value"})) << view.toStdString();
    }
    Recordset minor = c.openRecordset("Select * from vwCustomerMinor");
    EXPECT_LT(minor.recordCount(), c.openRecordset("Select * from vwCustomerMajor").recordCount());
    const QStringList employee = column(c, "Select Name from vwEmployeeMajor Where ID = 1");
    EXPECT_TRUE(employee.value(0).contains(' '));
}

TEST_F(DemoCatalogue, HoldsAFewThousandRowsWithPersianNamesAndJalaliDates)
{
    EXPECT_EQ(scalar(c, "SELECT count(*) FROM tblEmployee"), 300);
    EXPECT_GE(scalar(c, "SELECT count(*) FROM tblInvoiceItem"), 1500);
    const qint64 total = scalar(c, "SELECT (SELECT count(*) FROM tblInvoice) + (SELECT count(*) FROM tblInvoiceItem) + "
                                   "(SELECT count(*) FROM tblPayroll) + (SELECT count(*) FROM tblStockMovement)");
    EXPECT_GT(total, 5000);

    static const QRegularExpression persian(QStringLiteral("^[\\x{0600}-\\x{06FF} ]+$"));
    for (const QString& name : column(c, "Select FirstName from tblEmployee"))
        EXPECT_TRUE(persian.match(name).hasMatch()) << name.toStdString();

    const QCalendar jalali(QCalendar::System::Jalali);
    Recordset rs = c.openRecordset("Select InvoiceDate, FarsiInvoiceDate from tblInvoice");
    ASSERT_FALSE(rs.eof());
    for (; !rs.eof(); rs.moveNext()) {
        const QDate day = QDate::fromString(rs.text("InvoiceDate"), Qt::ISODate);
        ASSERT_TRUE(day.isValid());
        EXPECT_EQ(rs.text("FarsiInvoiceDate"), day.toString("yyyy/MM/dd", jalali));
        EXPECT_TRUE(rs.text("FarsiInvoiceDate").startsWith("140"));
    }
}

TEST_F(DemoCatalogue, HoldsTheHostRowsTheComponentReads)
{
    EXPECT_EQ(column(c, "Select Value from tblKelvoSystemParameters Where ID=123"), QStringList{"0"});
    EXPECT_EQ(scalar(c, "Select count(*) from tblKelvoSystemParameters Where ID=123 and Value=1"), 0);
    EXPECT_EQ(column(c, "Select * from vwKelvoBasePath").size(), 1);
    EXPECT_EQ(column(c, "SELECT ID FROM tblKelvoControlType WHERE ID IN (1002, 1003, 1007, 13, 4, 2) ORDER BY ID"),
              (QStringList{"2", "4", "13", "1002", "1003", "1007"}));
    EXPECT_EQ(column(c, "Select ID from tblKelvoControlType Where Name = '" + fa("تاريخ") + "'").size(), 1);

    // The chart window preselects this name, trailing blank included.
    EXPECT_EQ(column(c, "Select ID from tblKelvoDiagramTypeL Where Name = '" + fa("نمودار خطي دو بعدي ") + "'"),
              QStringList{"3"});
    EXPECT_EQ(scalar(c, "Select count(*) from tblKelvoDiagramTypeL Where ID = 14"), 1);
    EXPECT_EQ(scalar(c, "Select count(*) from tblAccDiagramTypeL"), scalar(c, "Select count(*) from tblKelvoDiagramTypeL"));

    EXPECT_EQ(column(c, "Select FullName from tblUser Where ID = 1"), QStringList{fa("مدير سيستم")});
    EXPECT_GE(scalar(c, "Select count(*) from tblKelvoReportGroup"), 3);
    EXPECT_EQ(scalar(c, "Select count(*) from tblKelvoFormType Where ID = 2302"), 1);
    EXPECT_GT(scalar(c, "Select count(*) from vwKelvoLangCaptionsMinor"), 50);
}

TEST_F(DemoCatalogue, PositionTreeListsEveryAncestorOnceByLevel)
{
    // Technician (15) -> maintenance manager (9) -> technical deputy (4) -> chief executive (1).
    Recordset rs = c.openRecordset("select * from tblPositionChilds where ChildID=15 order by LevelNumber");
    QStringList ancestors;
    for (; !rs.eof(); rs.moveNext())
        ancestors << rs.text("PositionID") + ":" + rs.text("LevelNumber");
    EXPECT_EQ(ancestors, (QStringList{"9:1", "4:2", "1:3"}));
    EXPECT_EQ(scalar(c, "select count(*) from tblPositionChilds where ChildID=1"), 0);
    EXPECT_EQ(column(c, "select RelatedPositionID from tblKelvoSamePermLevelPos where BasePositionID=12 and "
                        "FormTypeID=2302 and  IsActive=1 "),
              QStringList{"13"});
}

TEST_F(DemoCatalogue, HoldsSevenSampleReportsThatRun)
{
    ASSERT_EQ(scalar(c, "Select count(*) from tblKelvoReport"), 7);
    const QStringList titles = column(c, "Select Title from tblKelvoReport Order By ID");
    EXPECT_EQ(titles.value(0), fa("فهرست كاركنان"));

    // Every stored query is a SELECT of its own Farsi reading and runs as stored.
    for (int id = 1; id <= 7; ++id) {
        Recordset rs = c.openRecordset(QStringLiteral("select * from tblKelvoReport where ID =%1").arg(id));
        if (rs.value("IsStoredProcedure").toInt() == 1)
            continue;
        const QString query = storedQuery(c, id);
        EXPECT_TRUE(query.startsWith("SELECT ")) << id;
        EXPECT_TRUE(query.endsWith(' ')) << id;
        EXPECT_TRUE(rs.text("FarsiSQLQuery").startsWith(fa("انتخاب "))) << id;
        EXPECT_TRUE(rs.text("FarsiSQLQuery").contains(fa(" از جداول "))) << id;
        Recordset result = c.openRecordset(
            QString(query)
                .replace("@DepartmentID", "2")
                .replace("@CustomerName", "(SELECT min(n.Name) FROM tblCustomer n JOIN tblInvoice i ON i.CustomerID = n.ID)"));
        EXPECT_FALSE(result.eof()) << id;
        EXPECT_GT(scalar(c, QStringLiteral("Select count(*) from tblKelvoReportLayout Where ReportID=%1").arg(id)), 1);
    }
}

TEST_F(DemoCatalogue, ReportsCoverTheShapesTheDesignerProduces)
{
    // A join of two related tables.
    EXPECT_TRUE(storedQuery(c, 2).contains("FROM tblInvoice, tblCustomer WHERE tblCustomer.ID = tblInvoice.CustomerID"));
    // Grouping with COUNT and SUM, and a chart.
    const QString grouped = storedQuery(c, 3);
    EXPECT_TRUE(grouped.contains("COUNT(tblInvoice.ID)") && grouped.contains("SUM(tblInvoice.TotalAmount)") &&
                grouped.contains(" GROUP BY "));
    EXPECT_TRUE(column(c, "Select FarsiSQLQuery from tblKelvoReport Where ID = 3").value(0).contains(fa("مجموع(")));
    EXPECT_EQ(scalar(c, "Select DiagramTypeID from tblKelvoReportDiagram Where ReportID = 3"), 3);

    // A parameter, referred to as "@" + its name.
    EXPECT_TRUE(storedQuery(c, 4).contains("@DepartmentID"));
    Recordset p = c.openRecordset("Select * from tblKelvoReportParameter Where ReportID = 4");
    ASSERT_FALSE(p.eof());
    EXPECT_EQ(p.text("Name"), "DepartmentID");
    EXPECT_EQ(p.text("MajorView"), "vwDepartmentMajor");

    // A stored-procedure report naming a procedure the catalogue has.
    Recordset sp = c.openRecordset("select * from tblKelvoReport where ID =5");
    EXPECT_EQ(sp.value("IsStoredProcedure").toInt(), 1);
    EXPECT_TRUE(sp.isNull("SQLQuery"));
    const QString procedure = sp.text("SQLSP").section(' ', 0, 0);
    EXPECT_EQ(scalar(c, "Select count(*) from sysobjects where name like '" + procedure + "'"), 1);
    Recordset run = c.openRecordset("EXEC " + procedure + " '1401/01/01', '1403/12/29'");
    EXPECT_FALSE(run.eof());
}

TEST_F(DemoCatalogue, LongQueryIsSplitAtEightThousandCharactersAndJoinsBack)
{
    Recordset rs = c.openRecordset("select * from tblKelvoReport where ID =6");
    const QString first = rs.text("SQLQuery");
    const QString rest = rs.text("Reserved");
    EXPECT_EQ(first.size(), 8000);
    EXPECT_FALSE(rs.isNull("Reserved"));
    const QString joined = first + rest;
    EXPECT_GT(joined.size(), 8000);
    EXPECT_TRUE(joined.endsWith("ORDER BY tblProduct.Code "));
    EXPECT_GT(rs.text("FarsiSQLQuery").size(), 8000); // the Farsi text is stored whole
    Recordset result = c.openRecordset(joined);
    EXPECT_GT(result.recordCount(), 100);
    // Shorter queries keep Reserved null.
    EXPECT_EQ(scalar(c, "Select count(*) from tblKelvoReport Where Reserved is not null"), 1);
}

TEST_F(DemoCatalogue, StoredProcedureSelectorsHideInternalProcedures)
{
    const QStringList all = column(c, "Select name from vwStoredProcedures");
    EXPECT_TRUE(all.contains("sp_cftRebuildStatistics"));
    EXPECT_TRUE(all.contains("spKelvoAddCaption", Qt::CaseInsensitive));
    const QString filter = " left(name,6)<>'sp_cft' ";
    for (const char* view : {"vwStoredProcedureMajor", "vwStoredProcedureMinor"}) {
        const QStringList offered = column(c, QStringLiteral("Select Code from %1 Where").arg(view) + filter);
        EXPECT_FALSE(offered.contains("sp_cftRebuildStatistics")) << view;
        EXPECT_TRUE(offered.contains("spDemoSettleInvoice")) << view;
    }
    // The Minor view leaves internal procedures out whatever their case.
    c.execute("CREATE PROCEDURE SP_CFTAudit AS SELECT 1");
    EXPECT_TRUE(column(c, "Select Code from vwStoredProcedureMajor").contains("SP_CFTAudit"));
    const QStringList minor = column(c, "Select Code from vwStoredProcedureMinor");
    EXPECT_FALSE(minor.contains("SP_CFTAudit"));
    EXPECT_FALSE(minor.contains("sp_cftRebuildStatistics"));
    EXPECT_TRUE(minor.contains("spKelvoHasPermission"));
    EXPECT_EQ(scalar(c, "Select Value from vwStoredProcedureMajor Where Code = 'spKelvoFormSecurePosAddNew'"), 11);
    EXPECT_EQ(scalar(c, "Select Value from vwStoredProcedureMajor Where Code = 'spDemoSettleInvoice'"), 1);
}

// The statements of the query design over the dictionary never offer an
// undescribed or hidden table or column.
TEST_F(DemoCatalogue, UndescribedAndHiddenDictionaryRowsAreNotOffered)
{
    const QStringList described = column(c, "SELECT Name FROM tblKelvoTable  Where len(Description)>0");
    EXPECT_FALSE(described.contains("tblAuditLog"));
    EXPECT_EQ(column(c, "SELECT Name FROM tblKelvoTable Where len(Description)>0 ").size(), described.size());
    EXPECT_EQ(scalar(c, "SELECT count(*) FROM tblKelvoTable Where Name = 'tblAuditLog'"), 1);

    const QStringList customerColumns =
        column(c, "SELECT Name FROM tblKelvoColumn Where len(tblKelvoColumn.Description)>0 and "
                  "TableName='tblCustomer' Order by OrderNumber");
    EXPECT_EQ(customerColumns.first(), "ID");
    EXPECT_FALSE(customerColumns.contains("LegacyCode"));

    // Visible null counts as visible, 0 hides.
    const QStringList sales = column(c, "SELECT Name FROM tblKelvoTable Where (Visible=1 or Visible is null) and "
                                        "len(tblKelvoTable.Description)>0 and SystemID=2 Order By Type");
    EXPECT_FALSE(sales.contains("tblCustomerArchive"));
    const QStringList inventory = column(c, "SELECT Name FROM tblKelvoTable Where (Visible=1 or Visible is null) and "
                                            "len(tblKelvoTable.Description)>0 and SystemID=3 Order By Type");
    EXPECT_TRUE(inventory.contains("tblSupplier"));
    EXPECT_EQ(scalar(c, "SELECT count(*) FROM tblKelvoTable Where Name='tblSupplier' and Visible is null"), 1);

    EXPECT_EQ(column(c, "Select  tblKelvoColumn.Name, tblKelvoColumn.Description as ColumnDesc, tblKelvoTable.Description "
                        "as TableDesc, TableName from tblKelvoColumn inner join tblKelvoTable On TableName=tblKelvoTable.Name "
                        "Where TableName like 'tblEmployee' and tblKelvoColumn.Name like 'SureName'"),
              QStringList{"SureName"});
}

TEST(DemoBuild, RebuildReplacesTheOldCatalogueWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto summary = kelvo::schema::BuildDemoCatalogue(dir.path());
    EXPECT_TRUE(summary.connectionString.contains("Initial Catalog=KelvoDemo"));
    EXPECT_TRUE(summary.text().contains("tblKelvoReport"));
    {
        Connection c(summary.connectionString);
        c.execute("Insert into tblKelvoReport (Title) values ('marker')");
        EXPECT_EQ(scalar(c, "Select count(*) from tblKelvoReport"), 8);
    }
    // A journal left behind by a process that died on the old catalogue.
    QFile stale(dir.filePath("KelvoDemo.sqlite-wal"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray(4096, 'x'));
    stale.close();
    kelvo::schema::BuildDemoCatalogue(dir.path());
    EXPECT_FALSE(QFileInfo(dir.filePath("KelvoDemo.sqlite-wal")).size() == 4096);
    Connection c(summary.connectionString);
    EXPECT_EQ(scalar(c, "Select count(*) from tblKelvoReport"), 7);

    // Nothing of the build is left beside the catalogue, and the folder
    // lists it once.
    const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(entries.filter(".kelvo-build").size(), 0) << entries.join(", ").toStdString();
    Connection master(kelvo::schema::EmbeddedConnectionString(dir.path(), "Master"));
    EXPECT_EQ(scalar(master, "Select count(*) from SysDatabases Where Name='KelvoDemo'"), 1);
}

TEST(DemoBuild, FailedBuildLeavesNothingBehind)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A folder where the catalogue file should go: the finished build cannot
    // be moved into place.
    ASSERT_TRUE(QDir(dir.path()).mkdir("KelvoDemo.sqlite"));
    QFile journal(dir.filePath("KelvoDemo.sqlite-wal"));
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
    journal.write("old journal");
    journal.close();
    EXPECT_THROW(kelvo::schema::BuildDemoCatalogue(dir.path()), kelvo::db::DbError);
    // The old catalogue's journal is back in place, and no work file is left.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"KelvoDemo.sqlite", "KelvoDemo.sqlite-wal"}));
    EXPECT_TRUE(QFileInfo(dir.filePath("KelvoDemo.sqlite")).isDir());
}

TEST(EmptyRepository, HoldsEveryTableAndViewWithoutRows)
{
    TempCatalogue repo;
    Connection& c = repo.connection();
    for (const char* object :
         {"tblKelvoSystem", "tblKelvoTable", "tblKelvoColumn", "tblKelvoRelatedTables", "tblKelvoControlType",
          "tblKelvoCaption", "tblKelvoLangCaption", "tblAlias", "tblKelvoReport", "tblKelvoReportLayout",
          "tblKelvoReportTranspose", "tblKelvoReportExpression", "tblKelvoReportColor", "tblKelvoReportParameter",
          "tblKelvoReportAliases", "tblKelvoRelatedReports", "tblKelvoReportDiagram", "tblKelvoReportDiagramCols",
          "tblKelvoReportButtons", "tblKelvoReportButtonsDetail", "tblKelvoReportDistributionDetail",
          "tblKelvoReportGroup", "tblKelvoDiagramTypeL", "tblAccDiagramTypeL", "tblKelvoAllowablePositions",
          "tblKelvoSamePermLevelPos", "tblPositionChilds", "tblUser", "tblEmployee", "tblPosition",
          "tblKelvoSystemParameters", "tblKelvoBasePath", "vwKelvoBasePath", "tblKelvoFormType", "tblKelvoFormTables",
          "vwStoredProcedures", "tblPmxVWREPORT", "tblPmxVWConsumeEmployeeR", "tblPmxVWConsumePartR",
          "tblPmxVWConsumeToolR", "vwpmxreport", "vwPmxrptConsumeEmployeeR", "vwPmxrptConsumePartR",
          "vwPmxrptConsumeToolR", "vwKelvoTableMajor", "vwKelvoTableMinor", "vwKelvoSystemMajor",
          "vwKelvoSystemMinor", "vwusersMajor", "vwUserMinor", "vwKelvoFormTypeMajor", "vwKelvoFormTypeMinor",
          "vwKelvoLangCaptionsMajor", "vwKelvoLangCaptionsMinor", "vwkelvoReportMajor", "vwkelvoReportMinor",
          "vwStoredProcedureMajor", "vwStoredProcedureMinor", "tblKelvoReportGroupMajor", "tblKelvoReportGroupMinor"})
        EXPECT_NO_THROW(c.openRecordset(QStringLiteral("Select * from %1").arg(object))) << object;

    EXPECT_EQ(scalar(c, "Select count(*) from syscolumns where name like 'GridRowHeight' and id=Object_id('tblKelvoReport')"), 1);
    EXPECT_THROW(kelvo::schema::InitRepository(repo.folder(), repo.catalogue()), kelvo::db::DbError);

    // Text compares without regard to case; identity columns count up.
    c.execute("Insert into tblKelvoReport (Title) values ('Monthly Sales')");
    const auto second = c.execute("Insert into tblKelvoReport (Title) values ('Second')");
    EXPECT_EQ(second.lastInsertId.toInt(), 2);
    EXPECT_EQ(scalar(c, "Select MAX(ID) as MaxID from tblKelvoReport Where Title like 'MONTHLY sales'"), 1);
    EXPECT_EQ(scalar(c, "Select count(*) from tblKelvoReport Where Title = 'monthly SALES'"), 1);

    // Layout defaults when the report leaves them null.
    Recordset layout = c.openRecordset("SELECT isnull(Cols,1) as Cols,  4000 as Width, isnull(ReportRowHeight,400) "
                                       "as RowHeight FROM tblKelvoReport WHERE ID = 1");
    EXPECT_EQ(layout.value("Cols").toInt(), 1);
    EXPECT_EQ(layout.value("RowHeight").toInt(), 400);
}

// The system's own statements, word for word with values filled in, find
// every table and column they name in the demo catalogue.
TEST_F(DemoCatalogue, SystemStatementsFindTheirTablesAndColumns)
{
    const struct {
        QString sql;
        int rows; // -1: any number
    } statements[] = {
        {"Select * from tblKelvoSystemParameters Where ID=123 and Value=1", 0},
        {"Select * from tblUser Where ID = 1", 1},
        {"Select * from tblEmployee Where ID = 1", 1},
        {"Select * from tblPosition Where ID = 1", 1},
        {"Select tblKelvoTable.Name as TableName,tblKelvoTable.Description as TableDesc,isnull(tblKelvoColumn.Name,'') "
         "as ColumnName,isnull(tblKelvoColumn.Description,'') as ColumnDesc,isnull(tblKelvoColumn.Type,'') as ColumnType,"
         "isnull(MajorView,'') as MajorView,isnull(MinorView,'') as MinorView  from tblKelvoTable Left Outer Join "
         "tblKelvoColumn On tblKelvoTable.Name=tblKelvoColumn.TableName Where tblKelvoTable.Name=tblKelvoColumn.TableName "
         "and TableName='tblEmployee'",
         15},
        {"SELECT ID,isnull(Name,'') as Description, isnull(Name,'') as Name FROM tblKelvoSystem Where  ID in (ID, 20,25,24,1 ) "
         "and len(Name)>0 Order By ID",
         6},
        {"SELECT * FROM tblKelvoTable WHERE (Visible=1 or Visible is null) and SystemID=2", 4},
        {"Select * from tblKelvoRelatedTables Where (ReferenceTable='tblCustomer' and DependentTable='tblInvoice') or "
         "(ReferenceTable='tblInvoice' and DependentTable='tblCustomer')",
         1},
        {"Select Distinct top 32000 CustomerID as ColVal, (Select Top 1 tblAlias.Name from tblCustomer tblAlias Where "
         "tblAlias.ID=tblInvoice.CustomerID) as ColDesc  From tblInvoice Where CustomerID Is Not NULL Order By CustomerID desc",
         -1},
        {"SELECT tblKelvoReport.ID AS ID, tblKelvoReport.SystemID, ISNULL(tblKelvoReport.Notes, '') AS ReportDesc, "
         "ISNULL(tblKelvoReport.Title, '') AS ReportTitle, ISNULL(tblKelvoReport.Alias, '') AS ReportAlias, "
         "ISNULL(tblKelvoSystem.Name, '') AS SystemName,  tblKelvoReport.FormTypeID AS FormTypeID, "
         "tblKelvoReport.FarsiCreateDate AS FarsiCreateDate, tblUser.FullName AS CreateName FROM tblKelvoReport LEFT "
         "OUTER JOIN tblKelvoSystem ON tblKelvoReport.SystemID = tblKelvoSystem.ID INNER JOIN tblUser ON tblUser.ID = "
         "tblKelvoReport.CreatorID WHERE (tblKelvoReport.ID >= - 1) and tblKelvoReport.Alias not like '" +
             fa("فهرست موقت") +
             "' and not (tblKelvoReport.ID  in (Select IsNull(ReportID, -1) from tblKelvoFormType)) and "
             "tblKelvoReport.IsGeneral= 0",
         6},
        {"Select isnull(BasePath,'') as BasePath from tblKelvoBasePath", 1},
        {"Select Isnull(FullName,'') as Alias From tblUser Where ID=1", 1},
        {"Select Min(FormTypeID) as FormTypeID From tblKelvoFormTables Where IsPrimary=1 and TableName like "
         "'tblKelvoReport' and FormTypeID in (Select ID from tblKelvoFormType Where FileName like "
         "'comFormGenerator.comFormExe.ocx')",
         1},
        {"Select distinct name from systypes", -1},
        {"Select tblKelvoReportParameter.*, tblKelvoControlType.name as componentName from tblKelvoReportParameter Join "
         "tblKelvoControlType On tblKelvoControlType.ID = ControlTypeID Where tblKelvoReportParameter.ParameterID =1 AND "
         "ReportID= 4",
         1},
        {"Select Isnull((Select Max(ParameterID) From tblKelvoReportParameter Where ReportID = 4),0)+1 as newParameterID", 1},
        {"SELECT isnull(Cols,1) as Cols,  4000 as Width, isnull(ReportRowHeight,400) as RowHeight FROM tblKelvoReport "
         "WHERE ID = 4",
         1},
        {"Select * from tblKelvoReportDiagramCols Where ReportID = 3", 1},
        {"select * from vwStoredProcedures where name='spDemoSettleInvoice'", 1},
        {"Select syscolumns.name, systypes.name as type, syscolumns.length, syscolumns.isOutParam from sysobjects inner "
         "join syscolumns on syscolumns.id = sysobjects.id inner join systypes on syscolumns.xtype = systypes.xtype where "
         "sysobjects.name like 'spKelvoGetMajorMinorViews' Order by ColOrder",
         3},
        {"Select * from tblKelvoReportDistributionDetail Where ReportID = 1 and Value like 'x'", 0},
        {"select * from tblKelvoReportButtonsDetail where ButtonID= 1 order by seq ", 1},
        {"SELECT * from tblKelvoReportColor Where ReportID = 2", 1},
        {"select * from tblKelvoSamePermLevelPos where RelatedPositionID=13 and FormTypeID=2302 and IsActive=1 ", 1},
        {"select * from  tblKelvoAllowablePositions where FormID=1  and FormTypeID=2302 and SecurePositionID=1", 1},
        {"Select * from tblKelvoReportExpression where ReportID = 1 Order by ColumnNumber", 0},
        {"SELECT * from tblKelvoReportColor Where ReportID = 1", 0},
        {"Select * from tblKelvoRelatedReports Where CallerReportID=1", 0},
        {"select * from tblKelvoReportTranspose  Where ReportID = 1 AND ColumnNumber =0", 0},
        {"Select CaptionID from tblKelvoColumn Where TableName like 'tblEmployee' and Name like 'FirstName'", 1},
    };
    for (const auto& s : statements) {
        Recordset rs;
        ASSERT_NO_THROW(rs = c.openRecordset(s.sql)) << s.sql.toStdString();
        if (s.rows >= 0) {
            EXPECT_EQ(rs.recordCount(), s.rows) << s.sql.toStdString();
        }
    }

    // The copy and rewrite statements of a save.
    c.execute("Insert into tblKelvoReport (Title, CreatorID, CreateDate, FarsiCreateDate) values ( 'copy', 1,'2024-06-01', "
              "'1403/03/12')");
    const QStringList writes = {
        "Insert Into tblKelvoReportLayout(ReportID,ColumnNumber,Alignment,Width,MergeType,TransposeType,MakeSum) (Select "
        "8,ColumnNumber,Alignment,Width,MergeType,TransposeType,MakeSum From tblKelvoReportLayout Where ReportID=4)",
        "Insert Into tblKelvoReportParameter(ReportID, ParameterID, Name,Type,ControlTypeID,MajorView,MinorView,ColSpan,"
        "RowSpan,Sequence,Description) (Select 8,ParameterID, Name,Type,ControlTypeID,MajorView,MinorView,ColSpan,RowSpan,"
        "Sequence,Description From tblKelvoReportParameter Where ReportID=4)",
        "Update tblKelvoReport set SQLQuery=(Select SQLQuery From tblKelvoReport Where ID=6 ) ,FarsiSQLQuery=(Select "
        "FarsiSQLQuery From tblKelvoReport Where ID=6 ), Reserved=(Select Reserved From tblKelvoReport Where ID=6 ) Where ID=8",
        "insert tblKelvoReportExpression (ReportID, ColumnNumber, Name, GeneralExpression, JustShowPositiveValue, "
        "FirstRowExpression) (Select 8, isnull(Max(ColumnNumber)+1, 0), 'a', 'b', NULL, 'c'  FROM tblKelvoReportExpression "
        "Where ReportID=8)",
        "update tblKelvoReport Set GridRowHeight=280 where ID=8",
        "Delete tblKelvoRelatedReports Where CalledReportID = 8",
    };
    for (const QString& sql : writes)
        EXPECT_NO_THROW(c.execute(sql)) << sql.toStdString();
    EXPECT_EQ(storedQuery(c, 8), storedQuery(c, 6));
    EXPECT_EQ(scalar(c, "Select count(*) from tblKelvoReportLayout Where ReportID = 8"), 6);
}
