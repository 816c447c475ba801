// Every shape of statement the report generator sends to its database, run
// unchanged on the embedded store and compared with what SQL Server answers
// for the same data: rows (in order when the statement orders them), rows
// affected by a write, or a database error.
//
// The repository is made once per run (schema plus the small fixture
// below); every case gets its own copy of it, so writes never leak from one
// case into another. Statements are assembled from their pieces the way the
// system assembles them: numbers as decimal text, texts in single quotes with
// apostrophes doubled, spacing exactly as the system writes it.
#include "management/ReportSearch.h"
#include "management/ReportStatements.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"
#include "schema/demo/Catalogue.h"
#include "sql/SqlDialect.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

using namespace kelvo::db;
namespace management = kelvo::management;
namespace statements = kelvo::management::statements;

namespace {

const QString kRepository = QStringLiteral("KelvoRepo");
const QString kMaster = QStringLiteral("Master");

// The fixture on top of the repository schema. One statement per line.
// Rows are inserted out of order where a statement's ORDER BY must show.
const char* const kSeed = R"SQL(
DELETE FROM tblKelvoReportButtonsDetail
DELETE FROM tblKelvoReportButtons
DELETE FROM tblKelvoReportDiagramCols
DELETE FROM tblKelvoReportDiagram
DELETE FROM tblKelvoRelatedReports
DELETE FROM tblKelvoReportAliases
DELETE FROM tblKelvoReportParameter
DELETE FROM tblKelvoReportColor
DELETE FROM tblKelvoReportExpression
DELETE FROM tblKelvoReportTranspose
DELETE FROM tblKelvoReportLayout
DELETE FROM tblKelvoReportDistributionDetail
DELETE FROM tblKelvoAllowablePositions
DELETE FROM tblKelvoSamePermLevelPos
DELETE FROM tblPositionChilds
DELETE FROM tblKelvoFormTables
DELETE FROM tblKelvoFormType
DELETE FROM tblKelvoReport
DELETE FROM tblKelvoReportGroup
DELETE FROM tblKelvoDiagramTypeL
DELETE FROM tblKelvoRelatedTables
DELETE FROM tblKelvoColumn
DELETE FROM tblKelvoTable
DELETE FROM tblKelvoSystem
DELETE FROM tblKelvoControlType
DELETE FROM tblKelvoLangCaption
DELETE FROM tblKelvoCaption
DELETE FROM tblKelvoSystemParameters
DELETE FROM tblKelvoBasePath
DELETE FROM tblUser
DELETE FROM tblEmployee
DELETE FROM tblPosition
INSERT INTO tblKelvoSystem (ID, Name, NotVisible, CaptionID) VALUES (20, 'پرسنلي', NULL, 7)
INSERT INTO tblKelvoSystem (ID, Name, NotVisible, CaptionID) VALUES (4, 'انبار', NULL, NULL)
INSERT INTO tblKelvoSystem (ID, Name, NotVisible, CaptionID) VALUES (16, 'نگهداري و تعميرات', 0, NULL)
INSERT INTO tblKelvoSystem (ID, Name, NotVisible, CaptionID) VALUES (24, 'Archive', 1, NULL)
INSERT INTO tblKelvoSystem (ID, Name, NotVisible, CaptionID) VALUES (25, '  ', 0, NULL)
INSERT INTO tblKelvoSystem (ID, Name, NotVisible, CaptionID) VALUES (31, NULL, NULL, NULL)
INSERT INTO tblKelvoTable (Name, Description, SystemID, Visible, Type, CaptionID) VALUES ('tblPosition', 'پست سازماني', 20, NULL, 2, NULL)
INSERT INTO tblKelvoTable (Name, Description, SystemID, Visible, Type, CaptionID) VALUES ('tblEmployee', 'كارمند', 20, 1, 1, 11)
INSERT INTO tblKelvoTable (Name, Description, SystemID, Visible, Type, CaptionID) VALUES ('tblUser', 'كاربر', 20, 0, 3, NULL)
INSERT INTO tblKelvoTable (Name, Description, SystemID, Visible, Type, CaptionID) VALUES ('tblPositionChilds', '  ', 20, NULL, 4, NULL)
INSERT INTO tblKelvoTable (Name, Description, SystemID, Visible, Type, CaptionID) VALUES ('tblKelvoReport', 'گزارش', 4, 1, 1, NULL)
INSERT INTO tblKelvoTable (Name, Description, SystemID, Visible, Type, CaptionID) VALUES ('tblKelvoSystem', 'سيستم', 4, NULL, 2, NULL)
INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, ControlID, CaptionID, OrderNumber, IsPrimaryKey) VALUES ('tblEmployee', 'SureName', 'نام خانوادگي', 'nvarchar', NULL, NULL, 2, NULL, 3, 0)
INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, ControlID, CaptionID, OrderNumber, IsPrimaryKey) VALUES ('tblEmployee', 'ID', 'شماره كارمند', 'int', NULL, NULL, 2, NULL, 1, 1)
INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, ControlID, CaptionID, OrderNumber, IsPrimaryKey) VALUES ('tblEmployee', 'Birth_Date', 'تاريخ تولد', 'datetime', NULL, NULL, 1003, NULL, 5, 0)
INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, ControlID, CaptionID, OrderNumber, IsPrimaryKey) VALUES ('tblEmployee', 'FirstName', 'نام', 'nvarchar', NULL, NULL, 2, 12, 2, 0)
INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, ControlID, CaptionID, OrderNumber, IsPrimaryKey) VALUES ('tblEmployee', 'Notes', '', 'nvarchar', NULL, NULL, NULL, NULL, 4, 0)
INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, ControlID, CaptionID, OrderNumber, IsPrimaryKey) VALUES ('tblPosition', 'Name', 'عنوان پست', 'nvarchar', NULL, NULL, 2, NULL, 2, 0)
INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, ControlID, CaptionID, OrderNumber, IsPrimaryKey) VALUES ('tblPosition', 'ID', 'شماره پست', 'int', 'vwPositionMajor', 'vwPositionMinor', 1002, NULL, 1, 1)
INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, ControlID, CaptionID, OrderNumber, IsPrimaryKey) VALUES ('tblKelvoReport', 'ID', 'شماره گزارش', 'int', NULL, NULL, 2, NULL, 1, 1)
INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, ControlID, CaptionID, OrderNumber, IsPrimaryKey) VALUES ('tblKelvoReport', 'SystemID', 'سيستم', 'int', 'vwKelvoSystemMajor', 'vwKelvoSystemMinor', 1002, NULL, 2, 0)
INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, ControlID, CaptionID, OrderNumber, IsPrimaryKey) VALUES ('tblKelvoReport', 'CreatorID', 'سازنده', 'int', 'vwusersMajor', 'vwUserMinor', 1002, NULL, 3, 0)
INSERT INTO tblKelvoRelatedTables (ForeignKey, DependentTable, ReferenceKey, ReferenceTable) VALUES ('SystemID', 'tblKelvoReport', 'ID', 'tblKelvoSystem')
INSERT INTO tblKelvoRelatedTables (ForeignKey, DependentTable, ReferenceKey, ReferenceTable) VALUES ('CreatorID', 'tblKelvoReport', 'ID', 'tblUser')
INSERT INTO tblKelvoRelatedTables (ForeignKey, DependentTable, ReferenceKey, ReferenceTable) VALUES ('PositionID', 'tblPositionChilds', 'ID', 'tblPosition')
INSERT INTO tblKelvoRelatedTables (ForeignKey, DependentTable, ReferenceKey, ReferenceTable) VALUES ('ChildID', 'tblPositionChilds', 'ID', 'tblPosition')
INSERT INTO tblKelvoControlType (ID, Name) VALUES (2, 'Text')
INSERT INTO tblKelvoControlType (ID, Name) VALUES (4, 'CheckBox')
INSERT INTO tblKelvoControlType (ID, Name) VALUES (13, 'ComboBox')
INSERT INTO tblKelvoControlType (ID, Name) VALUES (1002, 'KelvoSelector')
INSERT INTO tblKelvoControlType (ID, Name) VALUES (1003, 'KelvoDate')
INSERT INTO tblKelvoControlType (ID, Name) VALUES (1007, 'Numeric')
INSERT INTO tblKelvoCaption (ID, EngCaption) VALUES (1, 'Total Amount')
INSERT INTO tblKelvoCaption (ID, EngCaption) VALUES (2, 'Total_Amount')
INSERT INTO tblKelvoCaption (ID, EngCaption) VALUES (3, 'Branch')
INSERT INTO tblKelvoLangCaption (CaptionID, LangID, Caption) VALUES (1, 1, 'مبلغ كل')
INSERT INTO tblKelvoLangCaption (CaptionID, LangID, Caption) VALUES (3, 1, 'شعبه')
INSERT INTO tblUser (ID, FullName, Alias) VALUES (1, 'مدير سيستم', 'admin')
INSERT INTO tblUser (ID, FullName, Alias) VALUES (2, NULL, 'guest')
INSERT INTO tblUser (ID, FullName, Alias) VALUES (3, 'علي رضايي', 'ali')
INSERT INTO tblEmployee (ID, FirstName, SureName) VALUES (7, 'علي', 'رضايي')
INSERT INTO tblEmployee (ID, FirstName, SureName) VALUES (8, 'علي', 'احمدي')
INSERT INTO tblEmployee (ID, FirstName, SureName) VALUES (9, NULL, 'نوري')
INSERT INTO tblPosition (ID, Name) VALUES (10, 'مدير عامل')
INSERT INTO tblPosition (ID, Name) VALUES (11, 'معاون مالي')
INSERT INTO tblPosition (ID, Name) VALUES (12, 'كارشناس مالي')
INSERT INTO tblPosition (ID, Name) VALUES (13, 'حسابدار')
INSERT INTO tblPosition (ID, Name) VALUES (14, 'حسابرس')
INSERT INTO tblPosition (ID, Name) VALUES (15, 'انباردار')
INSERT INTO tblPosition (ID, Name) VALUES (16, 'منشي')
INSERT INTO tblPositionChilds (ChildID, PositionID, LevelNumber) VALUES (12, 10, 2)
INSERT INTO tblPositionChilds (ChildID, PositionID, LevelNumber) VALUES (12, 11, 1)
INSERT INTO tblPositionChilds (ChildID, PositionID, LevelNumber) VALUES (11, 10, 1)
INSERT INTO tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) VALUES (12, 13, 2302, 1)
INSERT INTO tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) VALUES (13, 12, 2302, 0)
INSERT INTO tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) VALUES (14, 12, 2302, 1)
INSERT INTO tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) VALUES (12, 15, 1001, 1)
INSERT INTO tblKelvoSamePermLevelPos (BasePositionID, RelatedPositionID, FormTypeID, IsActive) VALUES (12, 16, 2302, 0)
INSERT INTO tblKelvoAllowablePositions (FormID, FormTypeID, SecurePositionID, CanEdit) VALUES (5, 2302, 12, 1)
INSERT INTO tblKelvoAllowablePositions (FormID, FormTypeID, SecurePositionID, CanEdit) VALUES (5, 2302, 11, 0)
INSERT INTO tblKelvoSystemParameters (ID, Value) VALUES (123, '1')
INSERT INTO tblKelvoSystemParameters (ID, Value) VALUES (124, '0')
INSERT INTO tblKelvoBasePath (BasePath) VALUES ('C:\Kelvo\')
INSERT INTO tblKelvoReportGroup (ID, Name) VALUES (1, 'مالي')
INSERT INTO tblKelvoReportGroup (ID, Name) VALUES (2, 'اداري')
INSERT INTO tblKelvoDiagramTypeL (ID, Name) VALUES (1, 'نمودار ستوني')
INSERT INTO tblKelvoDiagramTypeL (ID, Name) VALUES (3, 'نمودار خطي دو بعدي ')
INSERT INTO tblKelvoDiagramTypeL (ID, Name) VALUES (14, 'نمودار دايره اي')
INSERT INTO tblKelvoFormType (ID, FileName, SearchReportID, ReportID) VALUES (1, 'comFormGenerator.comFormExe.ocx', 3, 4)
INSERT INTO tblKelvoFormType (ID, FileName, SearchReportID, ReportID) VALUES (2, 'KelvoOrders.ocx', NULL, NULL)
INSERT INTO tblKelvoFormType (ID, FileName, SearchReportID, ReportID) VALUES (3, 'comFormGenerator.comFormExe.ocx', NULL, NULL)
INSERT INTO tblKelvoFormTables (FormTypeID, TableName, IsPrimary) VALUES (3, 'TBLKELVOREPORT', 1)
INSERT INTO tblKelvoFormTables (FormTypeID, TableName, IsPrimary) VALUES (2, 'tblKelvoReport', 1)
INSERT INTO tblKelvoFormTables (FormTypeID, TableName, IsPrimary) VALUES (1, 'tblKelvoReport', 0)
INSERT INTO tblKelvoFormTables (FormTypeID, TableName, IsPrimary) VALUES (3, 'tblUser', 0)
INSERT INTO tblKelvoReport (ID, Title, Alias, Notes, SystemID, GroupID, FormTypeID, CreatorID, CreateDate, FarsiCreateDate, IsGeneral, MakeSecure, MediaVisible, MakeTree, ShowFlatternParameters, SQLQuery, FarsiSQLQuery, Reserved, IsStoredProcedure, SQLSP, FarsiSQLSP, MakeTranspose, IsMerged, Cols, ReportRowHeight, ColWidth, RowHeight, GridRowHeight, ColoryReportColumn, ColoringType, ShowDiagram) VALUES (1, 'گزارش ماهانه فروش', 'فروش', 'گزارش اصلي فروش', 4, 1, NULL, 1, '2026/03/01', '1404/12/10', 0, 1, 0, 0, 1, 'Select tblEmployee.FirstName as ''نام'', tblEmployee.SureName as ''نام خانوادگي'' From  tblEmployee', 'انتخاب كارمند_نام، كارمند_نام خانوادگي از جداول كارمند', NULL, 0, NULL, NULL, 1, 1, 2, 500, 4000, 400, 300, 2, 3, 1)
INSERT INTO tblKelvoReport (ID, Title, Alias, Notes, SystemID, GroupID, FormTypeID, CreatorID, CreateDate, FarsiCreateDate, IsGeneral, MakeSecure, MediaVisible, MakeTree, ShowFlatternParameters, IsStoredProcedure, MakeTranspose, IsMerged, ShowDiagram) VALUES (2, 'فهرست كاركنان', 'فهرست موقت', NULL, 20, NULL, NULL, 1, '2026/03/02', '1404/12/11', 0, 0, 0, 0, 1, 0, 0, 0, 0)
INSERT INTO tblKelvoReport (ID, Title, Alias, Notes, SystemID, GroupID, FormTypeID, CreatorID, CreateDate, FarsiCreateDate, IsGeneral, MakeSecure, MediaVisible, MakeTree, ShowFlatternParameters, IsStoredProcedure, MakeTranspose, IsMerged, ShowDiagram) VALUES (3, 'Manager''s Summary', 'خلاصه', 'for managers', NULL, 2, NULL, 3, '2026/04/01', '1405/01/12', 1, 0, 0, 1, 0, 0, 0, 0, 0)
INSERT INTO tblKelvoReport (ID, Title, Alias, Notes, SystemID, GroupID, FormTypeID, CreatorID, CreateDate, FarsiCreateDate, IsGeneral, MakeSecure, MediaVisible, MakeTree, ShowFlatternParameters, IsStoredProcedure, MakeTranspose, IsMerged, ShowDiagram) VALUES (4, 'فرم گزارش پرسنلي', 'پرسنل', NULL, 20, NULL, 1, 1, '2026/04/05', '1405/01/16', 0, 0, 0, 0, 0, 0, 0, 0, 0)
INSERT INTO tblKelvoReport (ID, Title, Alias, Notes, SystemID, GroupID, FormTypeID, CreatorID, CreateDate, FarsiCreateDate, IsGeneral, MakeSecure, MediaVisible, MakeTree, ShowFlatternParameters, IsStoredProcedure, SQLSP, FarsiSQLSP, MakeTranspose, IsMerged, ShowDiagram) VALUES (5, 'گزارش حقوق ماهانه', 'حقوق', NULL, 20, 1, NULL, 3, '2026/05/01', '1405/02/11', 0, 1, 0, 0, 1, 1, 'spKelvoCloseOrder (@3)', 'spKelvoCloseOrder شعبه', 0, 0, 0)
INSERT INTO tblKelvoReport (ID, Title, Alias, Notes, SystemID, GroupID, FormTypeID, CreatorID, CreateDate, FarsiCreateDate, IsGeneral, MakeSecure, MediaVisible, MakeTree, ShowFlatternParameters, IsStoredProcedure, MakeTranspose, IsMerged, ShowDiagram) VALUES (6, 'گزارش بدون سازنده', 'بي نام', NULL, 16, NULL, NULL, 99, '2026/05/02', '1405/02/12', 0, 0, 0, 0, 0, 0, 0, 0, 0)
INSERT INTO tblKelvoReport (ID, Title, Alias, Notes, SystemID, GroupID, FormTypeID, CreatorID, CreateDate, FarsiCreateDate, IsGeneral, MakeSecure, MediaVisible, MakeTree, ShowFlatternParameters, IsStoredProcedure, MakeTranspose, IsMerged, ShowDiagram) VALUES (7, 'گزارش خالي', NULL, NULL, 4, NULL, NULL, 1, '2026/05/22', '1405/03/01', 0, 0, 0, 0, 0, 0, 0, 0, 0)
INSERT INTO tblKelvoReportLayout (ReportID, ColumnNumber, Alignment, Width, MergeType, TransposeType, MakeSum, MakeAverage) VALUES (1, 2, 4, 1200, 2, 2, 0, 0)
INSERT INTO tblKelvoReportLayout (ReportID, ColumnNumber, Alignment, Width, MergeType, TransposeType, MakeSum, MakeAverage) VALUES (1, 0, 1, 1500, 0, 0, 0, 0)
INSERT INTO tblKelvoReportLayout (ReportID, ColumnNumber, Alignment, Width, MergeType, TransposeType, MakeSum, MakeAverage) VALUES (1, 1, 7, 2000, 1, 1, 1, 0)
INSERT INTO tblKelvoReportLayout (ReportID, ColumnNumber, Alignment, Width, MergeType, TransposeType, MakeSum, MakeAverage) VALUES (5, 0, 7, 1000, 0, 0, 0, 0)
INSERT INTO tblKelvoReportTranspose (ReportID, ColumnNumber, Alignment, Width, MergeType, InvisibleInTextFile) VALUES (1, 1, 7, 1800, 1, 1)
INSERT INTO tblKelvoReportTranspose (ReportID, ColumnNumber, Alignment, Width, MergeType, InvisibleInTextFile) VALUES (1, 0, 7, 1500, 0, 0)
INSERT INTO tblKelvoReportExpression (ReportID, ColumnNumber, Name, GeneralExpression, FirstRowExpression, JustShowPositiveValue, CaptionID) VALUES (1, 1, 'مانده', 'C2-C3+P1', NULL, NULL, 0)
INSERT INTO tblKelvoReportExpression (ReportID, ColumnNumber, Name, GeneralExpression, FirstRowExpression, JustShowPositiveValue, CaptionID) VALUES (1, 0, 'جمع كل', 'C2+C3', 'C2', 1, 1)
INSERT INTO tblKelvoReportColor (ReportID, Value, ForeColor, BackColor) VALUES (1, '1', 255, 16777215)
INSERT INTO tblKelvoReportColor (ReportID, Value, ForeColor, BackColor) VALUES (1, '2', 0, 65535)
INSERT INTO tblKelvoReportParameter (ReportID, ParameterID, Name, Type, ControlTypeID, Description, MajorView, MinorView, ColSpan, RowSpan, Sequence, Visible, CaptionID) VALUES (5, 1, 'fromDate', 'datetime', 1003, 'از تاريخ', NULL, NULL, 1, 1, 2, 1, NULL)
INSERT INTO tblKelvoReportParameter (ReportID, ParameterID, Name, Type, ControlTypeID, Description, MajorView, MinorView, ColSpan, RowSpan, Sequence, Visible, CaptionID) VALUES (5, 2, 'ToDate', 'datetime', 1003, 'تا تاريخ', NULL, NULL, 1, 1, 3, 1, NULL)
INSERT INTO tblKelvoReportParameter (ReportID, ParameterID, Name, Type, ControlTypeID, Description, MajorView, MinorView, ColSpan, RowSpan, Sequence, Visible, CaptionID) VALUES (5, 3, 'branch', 'int', 1002, 'شعبه', 'vwBranchMajor', 'vwBranchMinor', 2, 1, 1, 1, 3)
INSERT INTO tblKelvoReportParameter (ReportID, ParameterID, Name, Type, ControlTypeID, Description, MajorView, MinorView, ColSpan, RowSpan, Sequence, Visible, CaptionID) VALUES (5, 4, 'واحد', 'nvarchar', 2, 'واحد سازماني', NULL, NULL, 1, 1, 4, 0, NULL)
INSERT INTO tblKelvoReportParameter (ReportID, ParameterID, Name, Type, ControlTypeID, Description, MajorView, MinorView, ColSpan, RowSpan, Sequence, Visible, CaptionID) VALUES (1, 1, 'Year', 'int', 2, 'سال', NULL, NULL, 1, 1, 1, 1, NULL)
INSERT INTO tblKelvoReportAliases (ReportID, ColFormula, ColAlias) VALUES (1, 'tblEmployee.FirstName', 'نام')
INSERT INTO tblKelvoReportAliases (ReportID, ColFormula, ColAlias) VALUES (1, 'tblEmployee.SureName', 'نام خانوادگي')
INSERT INTO tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID, CallerReportColumn, CallerParameterID, isSecondary) VALUES (1, 5, 1, 'تاريخ', NULL, NULL)
INSERT INTO tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID, CallerReportColumn, CallerParameterID, isSecondary) VALUES (1, 5, 3, NULL, 1, 0)
INSERT INTO tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID, CallerReportColumn, CallerParameterID, isSecondary) VALUES (1, 3, 1, NULL, NULL, 1)
INSERT INTO tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID, CallerReportColumn, CallerParameterID, isSecondary) VALUES (3, 5, 2, 'x', NULL, NULL)
INSERT INTO tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID, CallerReportColumn, CallerParameterID, isSecondary) VALUES (5, 1, 1, 'سال', NULL, NULL)
INSERT INTO tblKelvoReportDiagram (ReportID, IsAccumulative, DiagramTypeID, ChartXColNo) VALUES (1, 0, 14, 1)
INSERT INTO tblKelvoReportDiagramCols (ReportID, ChartYColNo) VALUES (1, 2)
INSERT INTO tblKelvoReportDiagramCols (ReportID, ChartYColNo) VALUES (1, 3)
INSERT INTO tblKelvoReportButtons (ID, ReportID, Caption, SPName) VALUES (1, 1, 'بستن سفارش', 'spKelvoCloseOrder')
INSERT INTO tblKelvoReportButtonsDetail (ButtonID, Seq, ParName, Type) VALUES (1, 2, 'مبلغ', 'int')
INSERT INTO tblKelvoReportButtonsDetail (ButtonID, Seq, ParName, Type) VALUES (1, 1, 'شماره', 'int')
INSERT INTO tblKelvoReportDistributionDetail (ReportID, Value, Sequence) VALUES (1, 'Tehran', 2)
INSERT INTO tblKelvoReportDistributionDetail (ReportID, Value, Sequence) VALUES (1, 'Tabriz', 1)
INSERT INTO tblKelvoReportDistributionDetail (ReportID, Value, Sequence) VALUES (1, 'شيراز', 3)
CREATE PROCEDURE spKelvoCloseOrder @OrderID int, @Note varchar(50), @When datetime, @Result int OUTPUT AS update tblKelvoReport set Notes = @Note where ID = @OrderID
CREATE PROCEDURE SP_CFTAudit @ReportID int AS delete tblKelvoReportColor where ReportID = @ReportID
)SQL";

enum class Outcome {
    Rows,     // opened as a recordset; rows compared
    Includes, // opened as a recordset; some rows must be there, some must not
    Affected, // executed; rows affected compared
    Runs,     // executed; must not fail
    Opens,    // opened as a recordset whose rows the system does not read; must not fail
    Fails,    // executed; must fail with a database error
};

// A query whose rows are compared: fields read by name ({"*"}: every column
// in order, {}: only the number of rows counts), each row's cells joined by
// "|", a NULL shown as "NULL".
struct Query {
    QString sql;
    QStringList fields;
    QStringList rows;
};

struct ShapeCase {
    std::string name;
    Query query;
    Outcome outcome = Outcome::Rows;
    qint64 affected = 0;
    QStringList absent;       // Includes: rows that must not come back
    QString catalogue = kRepository;
    std::vector<Query> checks; // run after the statement, in order

    ShapeCase then(QString sql, QStringList fields, QStringList rows) &&
    {
        checks.push_back({std::move(sql), std::move(fields), std::move(rows)});
        return std::move(*this);
    }
    ShapeCase on(QString other) &&
    {
        catalogue = std::move(other);
        return std::move(*this);
    }
};

ShapeCase Make(std::string name, QString sql, Outcome outcome, QStringList fields = {}, QStringList rows = {})
{
    ShapeCase c;
    c.name = std::move(name);
    c.query = {std::move(sql), std::move(fields), std::move(rows)};
    c.outcome = outcome;
    return c;
}
ShapeCase Rows(std::string name, QString sql, QStringList fields, QStringList rows)
{
    return Make(std::move(name), std::move(sql), Outcome::Rows, std::move(fields), std::move(rows));
}
ShapeCase NoRows(std::string name, QString sql)
{
    return Rows(std::move(name), std::move(sql), {"*"}, {});
}
ShapeCase Includes(std::string name, QString sql, QString field, QStringList present, QStringList absent)
{
    ShapeCase c = Make(std::move(name), std::move(sql), Outcome::Includes, {std::move(field)}, std::move(present));
    c.absent = std::move(absent);
    return c;
}
ShapeCase Affects(std::string name, QString sql, qint64 rows)
{
    ShapeCase c = Make(std::move(name), std::move(sql), Outcome::Affected);
    c.affected = rows;
    return c;
}
ShapeCase Runs(std::string name, QString sql)
{
    return Make(std::move(name), std::move(sql), Outcome::Runs);
}
ShapeCase Opens(std::string name, QString sql)
{
    return Make(std::move(name), std::move(sql), Outcome::Opens);
}
ShapeCase Fails(std::string name, QString sql)
{
    return Make(std::move(name), std::move(sql), Outcome::Fails);
}

// Failures name the case rather than dump its bytes.
void PrintTo(const ShapeCase& c, std::ostream* os)
{
    *os << c.name;
}

QStringList Count(int rows)
{
    return QStringList(rows, QString());
}

// Numbers go into statements as decimal text.
QString N(qint64 value)
{
    return QString::number(value);
}

// A text value as the system writes it: in apostrophes, apostrophes doubled.
QString Q(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1String("'"), QLatin1String("''")) + QLatin1Char('\'');
}

// A stored query longer than one column holds: 8,500 characters, Persian
// captions and quoted values throughout.
QString LongQuery()
{
    QString q = "Select tblEmployee.FirstName as 'نام', tblEmployee.SureName as 'نام خانوادگي' From  tblEmployee"
                " where  tblEmployee.FirstName in (";
    for (int i = 0; q.size() < 8490; ++i)
        q += "'كارمند شماره " + N(i) + "', ";
    q += "'')";
    return q;
}

// len() of SQL Server: characters, trailing blanks not counted.
qsizetype LengthWithoutTrailingBlanks(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return n;
}


const QString kProcedureParameters =
    "Select syscolumns.name, systypes.name as type, syscolumns.length, syscolumns.isOutParam from sysobjects "
    "inner join syscolumns on syscolumns.id = sysobjects.id inner join systypes on syscolumns.xtype = "
    "systypes.xtype where sysobjects.name like '";

const QString kTableColumns =
    "Select tblKelvoTable.Name as TableName,tblKelvoTable.Description as TableDesc,isnull(tblKelvoColumn.Name,'') "
    "as ColumnName,isnull(tblKelvoColumn.Description,'') as ColumnDesc,isnull(tblKelvoColumn.Type,'') as "
    "ColumnType,isnull(MajorView,'') as MajorView,isnull(MinorView,'') as MinorView  from tblKelvoTable Left Outer "
    "Join tblKelvoColumn On tblKelvoTable.Name=tblKelvoColumn.TableName Where "
    "tblKelvoTable.Name=tblKelvoColumn.TableName and TableName='";

const QString kTableColumnsNvl =
    "Select tblKelvoTable.Name as TableName,tblKelvoTable.Description as TableDesc,NVL(tblKelvoColumn.Name,'') as "
    "ColumnName,NVL(tblKelvoColumn.Description,'') as ColumnDesc,NVL(tblKelvoColumn.Type,'') as "
    "ColumnType,NVL(MajorView,'') as MajorView,NVL(MinorView,'') as MinorView,NVL(tblKelvoControlType.Name,'') as "
    "component  from tblKelvoTable Left Outer Join tblKelvoColumn On tblKelvoTable.Name=tblKelvoColumn.TableName "
    "Left Outer Join tblKelvoControlType On tblKelvoColumn.ControlID=tblKelvoControlType.ID Where "
    "tblKelvoTable.Name=tblKelvoColumn.TableName and TableName='";

const QString kSystemsOfOne =
    "SELECT ID,isnull(Name,'') as Description, isnull(Name,'') as Name FROM tblKelvoSystem Where  ID in (ID, 20,25,24,";

std::vector<ShapeCase> HostContextCases()
{
    return {
        Rows("ModalFlagFromSystemParameter123", "Select * from tblKelvoSystemParameters Where ID=123 and Value=1",
             {"ID", "Value"}, {"123|1"}),
        Rows("UserNameIsNullWhenNotRecorded", "Select * from tblUser Where ID = " + N(2), {"FullName", "Alias"},
             {"NULL|guest"}),
        Rows("EmployeeNames", "Select * from tblEmployee Where ID = " + N(7), {"FirstName", "SureName"},
             {"علي|رضايي"}),
        Rows("PositionName", "Select * from tblPosition Where ID = " + N(12), {"Name"}, {"كارشناس مالي"}),
        NoRows("UnknownUserGivesNoRow", "Select * from tblUser Where ID = " + N(42)),
        Rows("MasterListsCatalogueG0", "Select * from SysDatabases Where Name='G0'", {"name"}, {"G0"}).on(kMaster),
    };
}

std::vector<ShapeCase> RepositoryCases()
{
    return {
        Rows("OptionalGridRowHeightColumnIsListed",
             "Select * from syscolumns where name like 'GridRowHeight' and id=Object_id('tblKelvoReport')", {"name"},
             {"GridRowHeight"}),
        Rows("NewParameterNumberFollowsTheLargest",
             "Select Isnull((Select Max(ParameterID) From tblKelvoReportParameter Where ReportID = " + N(5) +
                 "),0)+1 as newParameterID",
             {"newParameterID"}, {"5"}),
        Rows("FirstParameterNumberIsOne",
             "Select Isnull((Select Max(ParameterID) From tblKelvoReportParameter Where ReportID = " + N(6) +
                 "),0)+1 as newParameterID",
             {"newParameterID"}, {"1"}),
    };
}

std::vector<ShapeCase> PositionCases()
{
    return {
        Rows("AncestorsByLevel", "select * from tblPositionChilds where ChildID=" + N(12) + " order by LevelNumber",
             {"PositionID"}, {"11", "10"}),
        Rows("SameLevelFromBase",
             "select * from tblKelvoSamePermLevelPos where BasePositionID=" + N(12) + " and FormTypeID=" + N(2302) +
                 " and  IsActive=1 ",
             {"RelatedPositionID"}, {"13"}),
        Rows("SameLevelFromRelated",
             "select * from tblKelvoSamePermLevelPos where RelatedPositionID=" + N(12) + " and FormTypeID=" + N(2302) +
                 " and IsActive=1 ",
             {"BasePositionID"}, {"14"}),
        Rows("GrantAlreadyRecorded",
             "select * from  tblKelvoAllowablePositions where FormID=" + N(5) + "  and FormTypeID=" + N(2302) +
                 " and SecurePositionID=" + N(12),
             {"CanEdit"}, {"1"}),
        NoRows("GrantNotYetRecorded", "select * from  tblKelvoAllowablePositions where FormID=" + N(5) +
                                          "  and FormTypeID=" + N(2302) + " and SecurePositionID=" + N(13)),
        Affects("GrantEditToSaversPosition",
                "update tblKelvoAllowablePositions set CanEdit=1 where FormID=" + N(5) + " and FormTypeID=" + N(2302) +
                    " and SecurePositionID=" + N(11),
                1)
            .then("Select CanEdit from tblKelvoAllowablePositions Where FormID=5 and SecurePositionID=11",
                  {"CanEdit"}, {"1"}),
    };
}

std::vector<ShapeCase> CaptionCases()
{
    return {
        // "_" is a wildcard and case does not count: both captions match.
        Rows("CaptionLikeMatchesWildcardAndCase",
             "Select * from tblKelvoCaption Where EngCaption like '" + QString("total_amount") + "'", {"ID"},
             {"1", "2"}),
        Rows("CaptionLikeIgnoresCase", "Select * from tblKelvoCaption Where EngCaption like '" + QString("BRANCH") + "'",
             {"ID", "EngCaption"}, {"3|Branch"}),
    };
}

std::vector<ShapeCase> QueryModelCases()
{
    return {
        Rows("DescribedTablesAtRebuild", "SELECT * FROM tblKelvoTable  Where len(Description)>0", {"Name"},
             {"tblEmployee", "tblPosition", "tblUser", "tblKelvoReport", "tblKelvoSystem"}),
        Rows("DescribedTablesAtInit", "SELECT * FROM tblKelvoTable Where len(Description)>0 ", {"Name"},
             {"tblEmployee", "tblPosition", "tblUser", "tblKelvoReport", "tblKelvoSystem"}),
        // The FROM text is taken as the user typed it.
        Rows("TableColumnsForTheModel", kTableColumns + "tblemployee" + "'", {"*"},
             {"tblEmployee|كارمند|ID|شماره كارمند|int||", "tblEmployee|كارمند|FirstName|نام|nvarchar||",
              "tblEmployee|كارمند|SureName|نام خانوادگي|nvarchar||",
              "tblEmployee|كارمند|Birth_Date|تاريخ تولد|datetime||", "tblEmployee|كارمند|Notes||nvarchar||"}),
        Rows("TableColumnsForTheModelWithNvl", kTableColumnsNvl + "tblPosition" + "'", {"*"},
             {"tblPosition|پست سازماني|ID|شماره پست|int|vwPositionMajor|vwPositionMinor|KelvoSelector",
              "tblPosition|پست سازماني|Name|عنوان پست|nvarchar|||Text"}),
        NoRows("UnknownTableHasNoColumns", kTableColumns + "tblMissing" + "'"),
        Rows("TableColumnsForTheGrid",
             "Select tblKelvoTable.Name as TableName,tblKelvoTable.Description as TableDesc, "
             "isnull(tblKelvoColumn.Name,'') as ColumnName,isnull(tblKelvoColumn.Description,'') as "
             "ColumnDesc,isnull(tblKelvoColumn.Type,'') as ColumnType,isnull(MajorView,'') as "
             "MajorView,isnull(MinorView,'') as MinorView from tblKelvoTable Left Outer Join tblKelvoColumn On "
             "tblKelvoTable.Name=tblKelvoColumn.TableName Where tblKelvoTable.Name=tblKelvoColumn.TableName and "
             "TableName='" +
                 QString("tblPosition") + "'",
             {"*"},
             {"tblPosition|پست سازماني|ID|شماره پست|int|vwPositionMajor|vwPositionMinor",
              "tblPosition|پست سازماني|Name|عنوان پست|nvarchar||"}),
        Rows("ConditionParameterWithControlName",
             "Select tblKelvoReportParameter.*, tblKelvoControlType.name as componentName from "
             "tblKelvoReportParameter Join tblKelvoControlType On tblKelvoControlType.ID = ControlTypeID Where "
             "tblKelvoReportParameter.ParameterID =" +
                 N(3) + " AND ReportID= " + N(5),
             {"Name", "Type", "MajorView", "componentName"}, {"branch|int|vwBranchMajor|KelvoSelector"}),
        Rows("ConditionColumn",
             "Select * from tblKelvoColumn Where  TableName like '" + QString("tblKelvoReport") + "' AND Name like '" +
                 "creatorid" + "'",
             {"Name", "Type", "MajorView", "MinorView"}, {"CreatorID|int|vwusersMajor|vwUserMinor"}),
        Rows("ColumnReferenceTranslation",
             "Select  tblKelvoColumn.Name, tblKelvoColumn.Description as ColumnDesc, tblKelvoTable.Description as "
             "TableDesc, TableName from tblKelvoColumn inner join tblKelvoTable On TableName=tblKelvoTable.Name Where "
             "TableName like '" +
                 QString("tblEmployee") + "' and tblKelvoColumn.Name like '" + QString("SURENAME") + "'",
             {"*"}, {"SureName|نام خانوادگي|كارمند|tblEmployee"}),
    };
}

std::vector<ShapeCase> SqlEditorCases()
{
    const QString longQuery = LongQuery();
    const QString head = longQuery.left(8000);
    const QString overflow = longQuery.mid(8000);
    const QString spCall = "spKelvoCloseOrder (@3),مشخصه كاربر";
    const QString spCallFarsi = "spKelvoCloseOrder شعبه,مشخصه كاربر";
    const QString edited = "Select tblEmployee.FirstName as 'نام' From  tblEmployee where  tblEmployee.SureName like 'ر%'";
    return {
        Rows("StoredEnglishQuery", "select SQLQuery from tblKelvoReport where ID=" + N(1), {"SQLQuery"},
             {"Select tblEmployee.FirstName as 'نام', tblEmployee.SureName as 'نام خانوادگي' From  tblEmployee"}),
        Rows("StoredEnglishQueryIsNull", "select SQLQuery from tblKelvoReport where ID=" + N(5), {"SQLQuery"},
             {"NULL"}),
        Rows("LoadDefinition", "select * from tblKelvoReport where ID =" + N(1),
             {"SQLQuery", "Reserved", "FarsiSQLQuery", "SQLSP", "FarsiSQLSP"},
             {"Select tblEmployee.FirstName as 'نام', tblEmployee.SureName as 'نام خانوادگي' From  tblEmployee|NULL|"
              "انتخاب كارمند_نام، كارمند_نام خانوادگي از جداول كارمند|NULL|NULL"}),
        Affects("SaveEnglishQueryWithQuotes", "Update tblKelvoReport set SQLQuery = " + Q(edited) + " Where Id=" + N(5), 1)
            .then("select SQLQuery from tblKelvoReport where ID=5", {"SQLQuery"}, {edited}),
        Affects("SaveFarsiQuery",
                "Update tblKelvoReport set FarsiSQLQuery = " + Q("انتخاب كارمند_نام as 'نام' از جداول كارمند") +
                    " Where Id=" + N(5),
                1)
            .then("select FarsiSQLQuery from tblKelvoReport where ID=5", {"FarsiSQLQuery"},
                  {"انتخاب كارمند_نام as 'نام' از جداول كارمند"}),
        Affects("SaveNoOverflow", "Update tblKelvoReport set Reserved = NULL where Id=" + N(1), 1),
        // A long query: its first 8000 characters and the rest, each quoted whole.
        Affects("SaveFirst8000Characters", "Update tblKelvoReport set SQLQuery = " + Q(head) + " Where Id=" + N(5), 1)
            .then("select len(SQLQuery) as L from tblKelvoReport where ID=5", {"L"}, {N(LengthWithoutTrailingBlanks(head))})
            .then("select SQLQuery from tblKelvoReport where ID=5", {"SQLQuery"}, {head}),
        Affects("SaveOverflow", "Update tblKelvoReport set Reserved = " + Q(overflow) + " where Id=" + N(5), 1)
            .then("select len(Reserved) as L from tblKelvoReport where ID=5", {"L"},
                  {N(LengthWithoutTrailingBlanks(overflow))})
            .then("select Reserved from tblKelvoReport where ID=5", {"Reserved"}, {overflow}),
        Affects("SaveProcedureFlag", "Update tblKelvoReport set IsStoredProcedure=" + QString("0") + " Where ID=" + N(5),
                1)
            .then("select IsStoredProcedure from tblKelvoReport where ID=5", {"IsStoredProcedure"}, {"0"}),
        Affects("SaveProcedureCall",
                "Update tblKelvoReport Set SQLSP=" + QString("'") + spCall + "'" + ", FarsiSQLSP=" + "'" + spCallFarsi +
                    "'" + " Where ID = " + N(5),
                1)
            .then("select SQLSP, FarsiSQLSP from tblKelvoReport where ID=5", {"SQLSP", "FarsiSQLSP"},
                  {spCall + "|" + spCallFarsi}),
        Affects("ClearProcedureCall",
                "Update tblKelvoReport Set SQLSP=" + QString("NULL") + ", FarsiSQLSP=" + "NULL" + " Where ID = " + N(5),
                1)
            .then("select SQLSP, FarsiSQLSP from tblKelvoReport where ID=5", {"SQLSP", "FarsiSQLSP"}, {"NULL|NULL"}),
        Rows("ProcedureExists", "Select ID from sysobjects where name like '" + QString("spkelvocloseorder") + "'", {},
             Count(1)),
        NoRows("ProcedureMissing", "Select ID from sysobjects where name like '" + QString("spKelvoNoSuch") + "'"),
        Rows("ProcedureParametersInOrder", kProcedureParameters + "spKelvoCloseOrder" + "' Order by ColOrder",
             {"name", "type", "length", "isOutParam"},
             {"@OrderID|int|4|0", "@Note|varchar|50|0", "@When|datetime|8|0", "@Result|int|4|1"}),
        // Names sort without regard to case, Latin before Persian.
        Rows("ReportParametersByName",
             "Select * from tblKelvoReportParameter Where ReportID = " + N(5) + " Order by Name", {"Name"},
             {"branch", "fromDate", "ToDate", "واحد"}),
        // The query check runs the assembled query upper-cased; captions in
        // apostrophes name the result columns.
        Rows("CheckedQueryRunsUpperCased",
             QString("Select tblEmployee.FirstName as 'نام', tblEmployee.SureName as 'نام خانوادگي' From  "
                     "tblEmployee where  tblEmployee.ID = 7")
                 .toUpper(),
             {"نام", "نام خانوادگي"}, {"علي|رضايي"}),
        Rows("ReportQueryWithGroupingAndOrder",
             "Select DISTINCT tblKelvoReport.SystemID as 'سيستم', COUNT(tblKelvoReport.ID) as 'تعداد' From  "
             "tblKelvoReport, tblUser where  tblUser.ID = tblKelvoReport.CreatorID Group by  tblKelvoReport.SystemID "
             "order by  tblKelvoReport.SystemID",
             {"*"}, {"NULL|1", "4|2", "20|3"}),
    };
}

std::vector<ShapeCase> TableTreeCases()
{
    return {
        Rows("RootListsVisibleNamedSystems",
             "SELECT ID,isnull(Name,'') as Description, isnull(Name,'') as Name FROM tblKelvoSystem Where len(Name)>0 "
             "and (NotVisible=0 or NotVisible is null) Order By ID",
             {"ID", "Description", "Name"},
             {"4|انبار|انبار", "16|نگهداري و تعميرات|نگهداري و تعميرات", "20|پرسنلي|پرسنلي"}),
        // "ID in (ID, …)" holds for every row; blank names have no length.
        Rows("RootForOneSystemListsEveryNamedSystem", kSystemsOfOne + "6," + "4," + N(16) + " ) and len(Name)>0 Order By ID",
             {"ID", "Name"}, {"4|انبار", "16|نگهداري و تعميرات", "20|پرسنلي", "24|Archive"}),
        Rows("SystemNodeListsDescribedVisibleTables",
             "SELECT * FROM tblKelvoTable Where (Visible=1 or Visible is null) and len(tblKelvoTable.Description)>0 and "
             "SystemID=" +
                 N(20) + " Order By Type",
             {"Name", "Description"}, {"tblEmployee|كارمند", "tblPosition|پست سازماني"}),
        Rows("TableNodeListsDescribedColumns",
             "SELECT * FROM tblKelvoColumn Where len(tblKelvoColumn.Description)>0 and TableName='" +
                 QString("tblEmployee") + "' Order by OrderNumber",
             {"Name", "Description"},
             {"ID|شماره كارمند", "FirstName|نام", "SureName|نام خانوادگي", "Birth_Date|تاريخ تولد"}),
        Rows("SystemChildCountIgnoresDescriptions",
             "SELECT * FROM tblKelvoTable WHERE (Visible=1 or Visible is null) and SystemID=" + N(20), {"Name"},
             {"tblEmployee", "tblPosition", "tblPositionChilds"}),
        Rows("TableChildCount",
             "SELECT * FROM tblKelvoColumn WHERE TableName='" + QString("tblPosition") + "' Order by OrderNumber",
             {"Name"}, {"ID", "Name"}),
        Rows("FinderReadsSystemOfTable", "select SystemID from tblKelvoTable Where Name like '" + QString("TBLPOSITION") + "'",
             {"SystemID"}, {"20"}),
        NoRows("FinderUnknownTable", "select SystemID from tblKelvoTable Where Name like '" + QString("tblNothing") + "'"),
        Rows("ColumnDescription",
             "Select Description from tblKelvoColumn Where TableName like '" + QString("tblEmployee") +
                 "' and Name like '" + "Birth_Date" + "'",
             {"Description"}, {"تاريخ تولد"}),
        Rows("ForeignKeyRelation",
             "Select * from tblKelvoRelatedTables Where ForeignKey like '" + QString("creatorid") +
                 "' and DependentTable like '" + "tblKelvoReport" + "'",
             {"ReferenceKey", "ReferenceTable"}, {"ID|tblUser"}),
        Rows("JoinConditionsBetweenTwoTables",
             "Select * from tblKelvoRelatedTables Where (ReferenceTable='" + QString("tblPositionChilds") +
                 "' and DependentTable='" + "tblPosition" + "') or (ReferenceTable='" + "tblPosition" +
                 "' and DependentTable='" + "tblPositionChilds" + "')",
             {"ReferenceTable", "ReferenceKey", "DependentTable", "ForeignKey"},
             {"tblPosition|ID|tblPositionChilds|PositionID", "tblPosition|ID|tblPositionChilds|ChildID"}),
        Rows("SystemCaption", "Select CaptionID from tblKelvoSystem Where ID = " + N(20), {"CaptionID"}, {"7"}),
        Rows("TableCaption", "Select CaptionID from tblKelvoTable Where Name like '" + QString("tblEmployee") + "'",
             {"CaptionID"}, {"11"}),
        Rows("ColumnCaption",
             "Select CaptionID from tblKelvoColumn Where TableName like '" + QString("tblEmployee") +
                 "' and Name like '" + "FirstName" + "'",
             {"CaptionID"}, {"12"}),
    };
}

std::vector<ShapeCase> ValuePickerCases()
{
    return {
        Rows("PickerReadsColumn",
             "Select * from tblKelvoColumn Where TableName  like '" + QString("tblKelvoReport") + "' and Name like '" +
                 "SystemID" + "'",
             {"Type", "IsPrimaryKey", "MajorView", "MinorView"}, {"int|0|vwKelvoSystemMajor|vwKelvoSystemMinor"}),
        Rows("PickerReadsRelation",
             "Select * from tblKelvoRelatedTables Where ForeignKey like '" + QString("SystemID") +
                 "' and DependentTable like '" + "tblKelvoReport" + "'",
             {"ReferenceKey", "ReferenceTable"}, {"ID|tblKelvoSystem"}),
        Rows("DistinctValuesOfText",
             "Select Distinct top 32000 " + QString("FirstName") + " as ColVal From " + "tblEmployee" + " Where " +
                 "FirstName" + " Is Not NULL Order By " + "FirstName" + " desc",
             {"ColVal"}, {"علي"}),
        Rows("DistinctValuesOfNumber",
             "Select Distinct top 32000 " + QString("CreatorID") + " as ColVal From " + "tblKelvoReport" + " Where " +
                 "CreatorID" + " Is Not NULL Order By " + "CreatorID" + " desc",
             {"ColVal"}, {"99", "3", "1"}),
        Rows("DistinctValuesWithDescription",
             "Select Distinct top 32000 " + QString("SystemID") + " as ColVal, (Select Top 1 tblAlias.Name from " +
                 "tblKelvoSystem" + " tblAlias Where tblAlias.ID=" + "tblKelvoReport" + "." + "SystemID" +
                 ") as ColDesc  From " + "tblKelvoReport" + " Where " + "SystemID" + " Is Not NULL Order By " +
                 "SystemID" + " desc",
             {"ColVal", "ColDesc"}, {"20|پرسنلي", "16|نگهداري و تعميرات", "4|انبار"}),
    };
}

std::vector<ShapeCase> ExpressionCases()
{
    const QString title = "سهم 'كل'";
    return {
        Rows("LoadExpressions",
             "Select * from tblKelvoReportExpression where ReportID = " + N(1) + " Order by ColumnNumber",
             {"ColumnNumber", "Name", "GeneralExpression", "FirstRowExpression", "JustShowPositiveValue"},
             {"0|جمع كل|C2+C3|C2|1", "1|مانده|C2-C3+P1|NULL|NULL"}),
        Affects("DeleteExpressions", "Delete tblKelvoReportExpression Where ReportID=" + N(1), 2)
            .then("Select count(*) as N from tblKelvoReportExpression Where ReportID=1", {"N"}, {"0"}),
        Affects("AppendExpressionNumbersAfterLast",
                "insert tblKelvoReportExpression (ReportID, ColumnNumber, Name, GeneralExpression, "
                "JustShowPositiveValue, FirstRowExpression) (Select " +
                    N(1) + ", isnull(Max(ColumnNumber)+1, 0), " + Q(title) + ", '" + "C1*100/C4" + "', " + "1" + ", '" +
                    "C1" + "'  FROM tblKelvoReportExpression Where ReportID=" + N(1) + ")",
                1)
            .then("Select ColumnNumber, Name, GeneralExpression, JustShowPositiveValue, FirstRowExpression from "
                  "tblKelvoReportExpression Where ReportID=1 Order by ColumnNumber",
                  {"*"}, {"0|جمع كل|C2+C3|1|C2", "1|مانده|C2-C3+P1|NULL|NULL", "2|" + title + "|C1*100/C4|1|C1"}),
        Affects("FirstExpressionIsColumnZero",
                "insert tblKelvoReportExpression (ReportID, ColumnNumber, Name, GeneralExpression, "
                "JustShowPositiveValue, FirstRowExpression) (Select " +
                    N(5) + ", isnull(Max(ColumnNumber)+1, 0), '" + "جمع" + "', '" + "C2+C3" + "', " + "NULL" + ", '" +
                    "C2+C3" + "'  FROM tblKelvoReportExpression Where ReportID=" + N(5) + ")",
                1)
            .then("Select ColumnNumber, Name, JustShowPositiveValue from tblKelvoReportExpression Where ReportID=5",
                  {"*"}, {"0|جمع|NULL"}),
    };
}

std::vector<ShapeCase> ReportManagerCases()
{
    const kelvo::sql::Dialect server = kelvo::sql::Dialect::SqlServer();
    return {
        Rows("FillReportData", statements::ReportRow(3),
             {"ID", "Notes", "Title", "Alias", "IsGeneral", "MakeTree", "CreatorID", "SystemID", "FormTypeID"},
             {"3|for managers|Manager's Summary|خلاصه|1|1|3|NULL|NULL"}),
        Rows("CreatorNameIsEmptyWhenNull", statements::CreatorName(server, 2), {statements::kCreatorNameField}, {""}),
        Rows("CurrentUserName", statements::UserFullName(server, 1), {"FullName"}, {"مدير سيستم"}),
        Rows("BasePathView", statements::BasePathView(), {"BasePath"}, {"C:\\Kelvo\\"}),
        Rows("HelpBasePath", statements::HelpBasePath(server), {"BasePath"}, {"C:\\Kelvo\\"}),
        Rows("HelpBasePathOnOracle", statements::HelpBasePath(kelvo::sql::Dialect::Oracle()), {"BasePath"},
             {"C:\\Kelvo\\"}),
        Rows("FormTypeThatEditsReports", statements::ReportFormType(), {"FormTypeID"}, {"3"}),
        Runs("RefreshMaintenanceTables", statements::MaintenanceProcedure()),
    };
}

std::vector<ShapeCase> SaveCases()
{
    const kelvo::sql::Dialect server = kelvo::sql::Dialect::SqlServer();
    const QString title = "گزارش 'ويژه' انبار";
    const QStringList copyLayout = statements::CopyLayout(1, 7);
    const QStringList deleteReport = statements::DeleteReport(1);
    management::ReportHeader created;
    created.creatorID = 1;
    created.createDate = QDate(2026, 12, 10);
    created.farsiCreateDate = "1405/09/19";
    management::ReportHeader header;
    header.alias = "ويژه";
    header.mediaVisible = true;
    header.systemID = 4;
    header.makeSecure = true;
    return {
        Rows("DuplicateTitleWithApostrophe", statements::SameTitle(server, "Manager's Summary", -1), {"ID", "Title"},
             {"3|Manager's Summary"}),
        Rows("DuplicateTitleIgnoresCase", statements::SameTitle(server, "MANAGER'S SUMMARY", -1), {"ID"}, {"3"}),
        NoRows("OwnTitleIsNoDuplicate", statements::SameTitle(server, "Manager's Summary", 3)),
        Affects("CreateReportRow", statements::InsertReport(server, title, created), 1)
            .then(statements::ReportIdOfTitle(server, title), {"ID"}, {"8"})
            .then("Select Title, CreatorID, CreateDate, FarsiCreateDate, Alias from tblKelvoReport Where ID = 8",
                  {"*"}, {title + "|1|2026-12-10|1405/09/19|NULL"}),
        Affects("WriteHeaderColumns", statements::UpdateHeader(server, title, header, 5), 1)
            .then("Select Title, Alias, FormTypeID, MediaVisible, SystemID, IsGeneral, MakeSecure, MakeTree, "
                  "ShowFlatternParameters, Notes, CreatorID from tblKelvoReport Where ID=5",
                  {"*"}, {title + "|ويژه|NULL|1|4|0|1|0|1|NULL|3"}),
        Affects("CopyQueryTexts", statements::CopyQuery(1, 7)[0],
                1)
            .then("select SQLQuery, FarsiSQLQuery, Reserved from tblKelvoReport where ID=7", {"*"},
                  {"Select tblEmployee.FirstName as 'نام', tblEmployee.SureName as 'نام خانوادگي' From  tblEmployee|"
                   "انتخاب كارمند_نام، كارمند_نام خانوادگي از جداول كارمند|NULL"}),
        Affects("CopyProcedureTexts", statements::CopyQuery(5, 1)[1],
                1)
            .then("select SQLSP, FarsiSQLSP from tblKelvoReport where ID=1", {"*"},
                  {"spKelvoCloseOrder (@3)|spKelvoCloseOrder شعبه"}),
        Affects("CopyProcedureFlag", statements::CopyQuery(5, 7)[2],
                1)
            .then("select IsStoredProcedure from tblKelvoReport where ID=7", {"IsStoredProcedure"}, {"1"}),
        Affects("CopyTransposeFlag", copyLayout[0],
                1)
            .then("select MakeTranspose from tblKelvoReport where ID=7", {"MakeTranspose"}, {"1"}),
        Affects("CopyAliases", copyLayout[1],
                2)
            .then("select ColFormula, ColAlias from tblKelvoReportAliases where ReportID=7", {"*"},
                  {"tblEmployee.FirstName|نام", "tblEmployee.SureName|نام خانوادگي"}),
        Affects("CopyLayout", copyLayout[2],
                3)
            .then("select ColumnNumber, Alignment, Width, MergeType, TransposeType, MakeSum, MakeAverage from "
                  "tblKelvoReportLayout where ReportID=7 order by ColumnNumber",
                  {"*"}, {"0|1|1500|0|0|0|NULL", "1|7|2000|1|1|1|NULL", "2|4|1200|2|2|0|NULL"}),
        Affects("CopyTranspose", copyLayout[3],
                2),
        Affects("CopyColumnCount", copyLayout[4],
                1)
            .then("select Cols from tblKelvoReport where ID=7", {"Cols"}, {"2"}),
        Affects("CopyColouringColumn", copyLayout[7],
                1)
            .then("select ColoryReportColumn from tblKelvoReport where ID=7", {"ColoryReportColumn"}, {"2"}),
        Affects("CopyColours", copyLayout[9],
                2),
        Affects("CopyParameters", statements::CopyLayout(5, 7)[10],
                4)
            .then("select ParameterID, Name, Visible from tblKelvoReportParameter where ReportID=7 order by ParameterID",
                  {"*"}, {"1|fromDate|NULL", "2|ToDate|NULL", "3|branch|NULL", "4|واحد|NULL"}),
        Rows("ReportIsCalledByOthers", statements::CallersOf(5),
             {"CallerReportID", "CalledParameterID"}, {"1|1", "1|3", "3|2"}),
        Affects("DeleteLinksToReport", deleteReport[0], 1),
        Affects("DeleteLayout", deleteReport[1], 3),
        Affects("DeleteExpressionRows", deleteReport[2], 2),
        Affects("DeleteTransposeRows", deleteReport[3], 2),
        Affects("DeleteColourRows", deleteReport[4], 2),
        Affects("DeleteParameterRows", deleteReport[5], 1),
        Affects("DeleteLinksFromReport", deleteReport[6], 3)
            .then("Select count(*) as N from tblKelvoRelatedReports", {"N"}, {"2"}),
        Affects("ForgetSearchReport", statements::DeleteReport(3)[14], 1)
            .then("select ID, SearchReportID, ReportID from tblKelvoFormType where ID=1", {"*"}, {"1|NULL|4"}),
        Affects("DeleteReportRow", statements::DeleteReport(7).last(), 1)
            .then("Select count(*) as N from tblKelvoReport", {"N"}, {"6"}),
        Affects("DeleteGrantsOfReport", statements::DeleteReport(5)[13], 2),
        Affects("DeleteButtonDetailsOfReport", statements::DeleteReport(1)[10], 2)
            .then("Select count(*) as N from tblKelvoReportButtonsDetail", {"N"}, {"0"}),
        Affects("ForgetFormReport", statements::DeleteReport(4)[15], 1)
            .then("select ID, ReportID from tblKelvoFormType where ID=1", {"*"}, {"1|NULL"}),
    };
}

std::vector<ShapeCase> SearchCases()
{
    const QStringList columns = {"*"};
    const QString r1 = "1|4|گزارش اصلي فروش|گزارش ماهانه فروش|فروش|انبار|NULL|1404/12/10|مدير سيستم";
    const QString r3 = "3|NULL|for managers|Manager's Summary|خلاصه||NULL|1405/01/12|علي رضايي";
    const QString r5 = "5|20||گزارش حقوق ماهانه|حقوق|پرسنلي|NULL|1405/02/11|علي رضايي";
    const QString r7 = "7|4||گزارش خالي||انبار|NULL|1405/03/01|مدير سيستم";
    const auto search = [](const std::function<void(management::SearchFilters&)>& set) {
        management::SearchFilters f;
        set(f);
        return management::BuildSearchStatement(f, kelvo::sql::Dialect::SqlServer());
    };
    using F = management::SearchFilters;
    return {
        // Temporary lists, form reports and reports without a known creator
        // stay hidden; a report without an alias is no temporary list.
        Rows("SearchWithoutFilters", search([](F&) {}), columns, {r1, r3, r5, r7}),
        Rows("SearchByTitlePrivateFlat", search([](F& f) {
                 f.title = "ماهانه";
                 f.isGeneral = false;
                 f.makeTree = false;
             }),
             columns, {r1, r5}),
        Rows("SearchByNotesGeneralOnly", search([](F& f) {
                 f.notes = "MANAGERS";
                 f.isPrivate = false;
             }),
             columns, {r3}),
        Rows("SearchByDatesAndCreator", search([](F& f) {
                 f.fromDate = "1405/01/01";
                 f.toDate = "1405/02/31";
                 f.creatorID = 3;
             }),
             columns, {r3, r5}),
        Rows("SearchByAliasTreeOnly", search([](F& f) {
                 f.alias = "خلاصه";
                 f.isNotTree = false;
             }),
             columns, {r3}),
        Rows("SearchIncludingTemporaryAndFormReports", search([](F& f) {
                 f.systemID = 20;
                 f.tempList = f.formSearch = true;
                 f.isGeneral = false;
             }),
             {"ID"}, {"2", "4", "5"}),
        NoRows("SearchNeitherGeneralNorPrivate", search([](F& f) { f.isGeneral = f.isPrivate = false; })),
    };
}

std::vector<ShapeCase> DistributionCases()
{
    return {
        Rows("ViewerFindsStoredDistribution",
             "select * from tblKelvoReportLayout where TransposeType <> 0 and ReportID =" + N(1),
             {"ColumnNumber", "TransposeType"}, {"1|1", "2|2"}),
        NoRows("ViewerFindsNoDistribution",
               "select * from tblKelvoReportLayout where TransposeType <> 0 and ReportID =" + N(5)),
        Rows("StoredDistribution",
             "Select ColumnNumber, TransposeType from tblKelvoReportLayout Where TransposeType in (1, 2) and ReportID = " +
                 N(1),
             {"*"}, {"1|1", "2|2"}),
        Rows("DistributedValueOrder",
             "Select * from tblKelvoReportDistributionDetail Where ReportID = " + N(1) + " and Value like '" +
                 QString("TABRIZ") + "'",
             {"Sequence"}, {"1"}),
        Affects("ResetDistribution", "Update tblKelvoReportLayout  SET TransposeType = 0 Where ReportID = " + N(1), 3)
            .then("select count(*) as N from tblKelvoReportLayout where TransposeType <> 0", {"N"}, {"0"}),
        Affects("MarkValueColumn",
                "Update tblKelvoReportLayout  SET TransposeType = 2 Where ReportID = " + N(1) +
                    " And ColumnNumber = " + N(0),
                1),
        Affects("MarkDistributingColumn",
                "Update tblKelvoReportLayout  SET TransposeType = 1 Where ReportID = " + N(1) +
                    " And ColumnNumber = " + N(2),
                1)
            .then("Select ColumnNumber, TransposeType from tblKelvoReportLayout Where ReportID = 1 order by ColumnNumber",
                  {"*"}, {"0|0", "1|1", "2|1"}),
        Affects("FlagTranspose", "update tblKelvoReport set MakeTranspose=1 Where ID = " + N(5), 1),
        Affects("RemoveDistribution", "Update tblKelvoReportLayout SET TransposeType = 0 Where ReportID =" + N(1), 3),
        Affects("RemoveTransposeRows", "Delete tblKelvoReportTranspose Where ReportID =" + N(1), 2),
        Affects("ClearTransposeFlag", "Update tblKelvoReport SET MakeTranspose = 0 Where ID =" + N(1), 1)
            .then("select MakeTranspose from tblKelvoReport where ID=1", {"MakeTranspose"}, {"0"}),
    };
}

std::vector<ShapeCase> MergeCases()
{
    return {
        Rows("ViewerFindsMergedReport", "Select ID from tblKelvoReport Where IsMerged = 1  and ID = " + N(1), {"ID"},
             {"1"}),
        NoRows("ViewerFindsUnmergedReport", "Select ID from tblKelvoReport Where IsMerged = 1  and ID = " + N(5)),
        Rows("MergedLayoutColumns", "Select * from tblKelvoReportLayout  Where MergeType <> 0 and ReportID = " + N(1),
             {"ColumnNumber"}, {"1", "2"}),
        Rows("MergedTransposeColumns",
             "Select * from tblKelvoReportTranspose Where MergeType <> 0 and ReportID = " + N(1), {"ColumnNumber"},
             {"1"}),
        Rows("LayoutMergeTypes", "Select * from tblKelvoReportLayout  Where ReportID = " + N(1) + " Order by ColumnNumber",
             {"ColumnNumber", "MergeType"}, {"0|0", "1|1", "2|2"}),
        Rows("TransposeMergeTypes", "Select * from tblKelvoReportTranspose Where ReportID = " + N(1),
             {"ColumnNumber", "MergeType"}, {"0|0", "1|1"}),
        Affects("SetLayoutMergeType",
                "Update tblKelvoReportLayout  SET MergeType = " + N(1) + " Where ReportID = " + N(1) +
                    " And ColumnNumber = " + N(0),
                1),
        Affects("SetTransposeMergeType",
                "Update tblKelvoReportTranspose  SET MergeType = " + N(2) + " Where ReportID = " + N(1) +
                    " And ColumnNumber = " + N(0),
                1)
            .then("select MergeType from tblKelvoReportTranspose where ReportID=1 and ColumnNumber=0", {"MergeType"},
                  {"2"}),
        Affects("FlagMerged", "update tblKelvoReport SET IsMerged = 1 Where ID = " + N(5), 1),
        Affects("ClearMergedFlag", "Update tblKelvoReport SET isMerged = 0 Where ID =" + N(1), 1),
        Affects("ClearLayoutMerge", "Update tblKelvoReportLayout SET MergeType = 0 Where ReportID =" + N(1), 3),
        Affects("ClearTransposeMerge", "Update tblKelvoReportTranspose SET MergeType = 0 Where ReportID =" + N(1), 2),
        NoRows("SyncFindsMissingLayoutColumn",
               "select * from tblKelvoReportLayout  Where ReportID = " + N(5) + " AND ColumnNumber =" + N(1)),
        Affects("SyncAddsLayoutColumn",
                "insert into tblKelvoReportLayout (ReportID, ColumnNumber, Alignment, Width, MergeType, TransposeType, "
                "MakeSum, MakeAverage) values (" +
                    N(5) + ", " + N(1) + ", " + N(4) + ", " + N(1440) + ", 0, 0, 0, 0)",
                1)
            .then("select ColumnNumber, Alignment, Width, MergeType, TransposeType, MakeSum, MakeAverage from "
                  "tblKelvoReportLayout where ReportID=5 order by ColumnNumber",
                  {"*"}, {"0|7|1000|0|0|0|0", "1|4|1440|0|0|0|0"}),
        Affects("SyncDropsSurplusLayoutColumns",
                "Delete tblKelvoReportLayout  Where ReportID = " + N(1) + " AND ColumnNumber > " + N(2 - 1), 1),
        Rows("SyncFindsTransposeColumn",
             "select * from tblKelvoReportTranspose  Where ReportID = " + N(1) + " AND ColumnNumber =" + N(1),
             {"Width"}, {"1800"}),
        Affects("SyncAddsTransposeColumn",
                "insert into tblKelvoReportTranspose (ReportID, ColumnNumber, Alignment, Width, MergeType) values (" +
                    N(1) + ", " + N(2) + ", " + N(7) + ", " + N(900) + ", 0)",
                1),
        Affects("SyncDropsSurplusTransposeColumns",
                "Delete tblKelvoReportTranspose  Where ReportID = " + N(1) + " AND ColumnNumber > " + N(1 - 1), 1),
    };
}

std::vector<ShapeCase> ColourCases()
{
    return {
        Rows("ColouringType", "Select * from tblKelvoReport Where ID = " + N(1), {"ColoringType"}, {"3"}),
        Rows("ColouringTypeMissing", "Select * from tblKelvoReport Where ID = " + N(5), {"ColoringType"}, {"NULL"}),
        Rows("RowColours", "SELECT * from tblKelvoReportColor Where ReportID = " + N(1),
             {"Value", "ForeColor", "BackColor"}, {"1|255|16777215", "2|0|65535"}),
        Rows("ColouringColumn", "SELECT * from tblKelvoReport Where ID = " + N(1), {"ColoryReportColumn"}, {"2"}),
        Affects("SaveColouringWithoutColumn",
                "Update tblKelvoReport SET ColoryReportColumn=" + QString("NULL") + ", ColoringType = " + N(2) +
                    " Where ID = " + N(1),
                1)
            .then("select ColoryReportColumn, ColoringType from tblKelvoReport where ID=1", {"*"}, {"NULL|2"}),
        Affects("DeleteColours", "Delete tblKelvoReportColor Where ReportID = " + N(1), 2),
        Affects("InsertColour",
                "INSERT INTO tblKelvoReportColor (ReportID, Value, ForeColor, BackColor) VALUES(" + N(5) + ", " + N(3) +
                    ", " + N(255) + ", " + N(16777215) + ")",
                1)
            .then("select Value, ForeColor, BackColor from tblKelvoReportColor where ReportID=5 and Value='3'", {"*"},
                  {"3|255|16777215"}),
    };
}

std::vector<ShapeCase> FormatCases()
{
    return {
        Rows("FormatReadsLayout", "Select * from tblKelvoReportLayout Where ReportID = " + N(1),
             {"ColumnNumber", "Alignment", "Width", "MakeSum"}, {"0|1|1500|0", "1|7|2000|1", "2|4|1200|0"}),
        Affects("FormatDeletesLayout", "Delete tblKelvoReportLayout where Reportid=" + N(1), 3),
        Affects("FormatInsertsLayoutColumn",
                "Insert Into tblKelvoReportLayout(ReportID, ColumnNumber, Alignment, Width, MergeType, TransposeType, "
                "MakeSum) Values(" +
                    N(5) + "," + N(1) + "," + N(4) + "," + N(1800) + "," + N(0) + "," + N(0) + "," + N(1) + ")",
                1)
            .then("select Alignment, Width, MakeSum from tblKelvoReportLayout where ReportID=5 and ColumnNumber=1",
                  {"*"}, {"4|1800|1"}),
        Rows("FormatReadsTranspose", "Select * from tblKelvoReportTranspose Where ReportID = " + N(1),
             {"ColumnNumber", "Width", "InvisibleInTextFile"}, {"0|1500|0", "1|1800|1"}),
        Affects("FormatDeletesTranspose", "Delete tblKelvoReportTranspose where Reportid=" + N(1), 2),
        Affects("FormatInsertsTransposeColumn",
                "Insert Into tblKelvoReportTranspose(ReportID, ColumnNumber, Alignment, Width, MergeType, "
                "InvisibleInTextFile) Values(" +
                    N(5) + "," + N(0) + "," + N(7) + "," + N(2200) + "," + N(0) + "," + N(1) + ")",
                1)
            .then("select InvisibleInTextFile from tblKelvoReportTranspose where ReportID=5", {"*"}, {"1"}),
        Rows("FormatReadsGridRowHeight", "select GridRowHeight from tblKelvoReport where ID=" + N(1),
             {"GridRowHeight"}, {"300"}),
        Affects("FormatWritesGridRowHeight",
                "update tblKelvoReport Set GridRowHeight=" + N(360) + " where ID=" + N(1), 1)
            .then("select GridRowHeight from tblKelvoReport where ID=1", {"GridRowHeight"}, {"360"}),
    };
}

std::vector<ShapeCase> ChartCases()
{
    return {
        Rows("ChartTypes", "Select * From tblKelvoDiagramTypeL", {"ID", "Name"},
             {"1|نمودار ستوني", "3|نمودار خطي دو بعدي ", "14|نمودار دايره اي"}),
        Rows("StoredChart", "Select * from tblKelvoReportDiagram Where ReportID = " + N(1),
             {"IsAccumulative", "DiagramTypeID", "ChartXColNo"}, {"0|14|1"}),
        Rows("StoredChartColumns", "Select * from tblKelvoReportDiagramCols Where ReportID = " + N(1),
             {"ChartYColNo"}, {"2", "3"}),
        Rows("ChartShown", "Select ShowDiagram from tblKelvoReport Where ID = " + N(1), {"ShowDiagram"}, {"1"}),
        Affects("ChartDeleted", "delete tblKelvoReportDiagram Where ReportID = " + N(1), 1),
        Affects("ChartColumnsDeleted", "delete tblKelvoReportDiagramCols Where ReportID = " + N(1), 2),
        // The chart save drops a constraint that does not exist; the store
        // reports the error (the caller ignores it) and nothing changes.
        Fails("ChartConstraintDropFails",
              "Alter table tblKelvoReportDiagram drop constraint FK_tblKelvoReportDiagram_tblKelvoChartTypeL")
            .then("Select count(*) as N from tblKelvoReportDiagram Where ReportID = 1", {"N"}, {"1"}),
        Affects("ChartInserted",
                "insert into tblKelvoReportDiagram(ReportID, IsAccumulative, DiagramTypeID, ChartXColNo) values (  " +
                    N(5) + ", " + N(1) + ", " + N(3) + ", " + N(2) + ")",
                1)
            .then("Select IsAccumulative, DiagramTypeID, ChartXColNo from tblKelvoReportDiagram Where ReportID = 5",
                  {"*"}, {"1|3|2"}),
        Affects("ChartColumnInserted",
                "insert into tblKelvoReportDiagramCols(ReportID, ChartYColNo) values (" + N(5) + ", " + N(3) + ")", 1),
        Affects("ChartFlagOn", "update tblKelvoReport SET ShowDiagram = 1 Where ID=" + N(5), 1),
        Affects("ChartFlagOff", "update tblKelvoReport SET ShowDiagram = 0 Where ID=" + N(1), 1)
            .then("Select ShowDiagram from tblKelvoReport Where ID = 1", {"ShowDiagram"}, {"0"}),
    };
}

std::vector<ShapeCase> ParameterCases()
{
    const QString name = "منطقه";
    return {
        Includes("TypeNames", "Select distinct name from systypes", "name",
                 {"bigint", "bit", "char", "datetime", "decimal", "float", "int", "money", "nchar", "ntext", "numeric",
                  "nvarchar", "real", "smalldatetime", "smallint", "text", "tinyint", "varchar"},
                 {}),
        Rows("ControlTypes", "SELECT * FROM tblKelvoControlType", {"ID", "Name"},
             {"2|Text", "4|CheckBox", "13|ComboBox", "1002|KelvoSelector", "1003|KelvoDate", "1007|Numeric"}),
        Rows("ParametersBySequence",
             " Select * from tblKelvoReportParameter Where ReportID = " + N(5) + " Order by Sequence",
             {"ParameterID", "Name", "Description"},
             {"3|branch|شعبه", "1|fromDate|از تاريخ", "2|ToDate|تا تاريخ", "4|واحد|واحد سازماني"}),
        Rows("OneParameter",
             "Select * from tblKelvoReportParameter Where ParameterID = " + N(3) + " AND ReportID = " + N(5),
             {"Name", "Type", "ControlTypeID", "MajorView", "MinorView", "ColSpan", "RowSpan", "Sequence", "Visible",
              "CaptionID"},
             {"branch|int|1002|vwBranchMajor|vwBranchMinor|2|1|1|1|3"}),
        Rows("FormLayoutOfReport", "Select * from tblKelvoReport Where ID = " + N(5), {"Cols", "ReportRowHeight"},
             {"NULL|NULL"}),
        Rows("LargestSequence", "SELECT MAX(Sequence) as MAXSEQ FROM tblKelvoReportParameter WHERE ReportID = " + N(5),
             {"MAXSEQ"}, {"4"}),
        Rows("LargestSequenceWithoutParameters",
             "SELECT MAX(Sequence) as MAXSEQ FROM tblKelvoReportParameter WHERE ReportID = " + N(6), {"MAXSEQ"},
             {"NULL"}),
        Rows("FormDefaultsWhenUnset",
             "SELECT isnull(Cols,1) as Cols,  4000 as Width, isnull(ReportRowHeight,400) as RowHeight FROM "
             "tblKelvoReport WHERE ID = " +
                 N(5),
             {"*"}, {"1|4000|400"}),
        Rows("FormDefaultsWhenSet",
             "SELECT isnull(Cols,1) as Cols,  4000 as Width, isnull(ReportRowHeight,400) as RowHeight FROM "
             "tblKelvoReport WHERE ID = " +
                 N(1),
             {"*"}, {"2|4000|500"}),
        Rows("TitleCheckByCaption",
             "Select * from tblKelvoReportParameter Where ReportID = " + N(5) + " AND CaptionID = " + N(3), {"Name"},
             {"branch"}),
        Rows("TitleCheckWhenEditingIgnoresCase",
             "Select * from tblKelvoReportParameter Where ReportID = " + N(5) + " AND Name like '" +
                 QString("FROMDATE") + "' AND ParameterID <> " + N(2),
             {"ParameterID"}, {"1"}),
        NoRows("TitleCheckWhenEditingSkipsItself",
               "Select * from tblKelvoReportParameter Where ReportID = " + N(5) + " AND Name like '" +
                   QString("fromDate") + "' AND ParameterID <> " + N(1)),
        Affects("CreateParameter",
                " Insert into tblKelvoReportParameter " +
                    QString("(ReportID, ParameterID, Name, Type, ControlTypeID, Description, MajorView, MinorView, "
                            "ColSpan, RowSpan, Sequence, Visible, CaptionID) ") +
                    " VALUES (" + N(5) + ", " + N(5) + " , '" + name + "', '" + "int" + "', " + N(1002) + ", " +
                    Q("منطقه فروش") + ", " + Q("vwRegionMajor") + ", " + Q("vwRegionMinor") + ", " + N(1) + ", " +
                    N(1) + ", " + N(5) + ", " + N(1) + ", " + N(0) + ")",
                1)
            .then("Select * from tblKelvoReportParameter Where ParameterID = 5 AND ReportID = 5",
                  {"Name", "Type", "ControlTypeID", "Description", "MajorView", "Sequence", "Visible", "CaptionID"},
                  {name + "|int|1002|منطقه فروش|vwRegionMajor|5|1|0"}),
        Affects("ChangeParameter",
                "Update tblKelvoReportParameter " + QString(" SET Name = '") + "شعبه اصلي" + "'" + " ,Type = '" +
                    "int" + "'" + " ,ControlTypeID = " + N(1002) + " ,Description = " + "NULL" + " ,MajorView = " +
                    Q("vwBranchMajor") + " ,MinorView = " + Q("vwBranchMinor") + " ,ColSpan = " + N(1) +
                    " ,RowSpan = " + N(1) + " ,Sequence = " + N(1) + " ,Visible = " + N(0) + " ,CaptionID = " + N(3) +
                    " Where ParameterID = " + N(3) + " AND ReportID = " + N(5),
                1)
            .then("Select * from tblKelvoReportParameter Where ParameterID = 3 AND ReportID = 5",
                  {"Name", "Description", "ColSpan", "Visible"}, {"شعبه اصلي|NULL|1|0"}),
        Affects("DeleteOneParameter",
                "Delete tblKelvoReportParameter Where ParameterID = " + N(2) + " And ReportID = " + N(5), 1)
            .then("Select ParameterID from tblKelvoReportParameter Where ReportID = 5 order by ParameterID",
                  {"ParameterID"}, {"1", "3", "4"}),
        Affects("DeleteAllParameters", "Delete tblKelvoReportParameter Where ReportID = " + N(5), 4)
            .then("Select count(*) as N from tblKelvoReportParameter", {"N"}, {"1"}),
        Rows("FormLayoutAfterEditing", "SELECT Cols, ReportRowHeight FROM tblKelvoReport WHERE ID = " + N(1), {"*"},
             {"2|500"}),
        // The procedure's result is not read; it adds the report's parameter.
        Opens("CreateParameterFromColumn", "EXEC spKelvoCreateReportParameter " + N(5) + ", '" +
                                               QString("tblEmployee") + "', '" + "Birth_Date" + "'")
            .then("Select count(*) as N from tblKelvoReportParameter Where ReportID = 5", {"N"}, {"5"}),
        Rows("ParameterWiderThanForm",
             "SELECT Colspan from tblKelvoReportParameter Where ReportID = " + N(5) + " AND Colspan >" + N(1),
             {"Colspan"}, {"2"}),
        Affects("SaveFormLayout",
                "Update tblKelvoReport SET Cols = " + N(3) + " , ReportRowHeight=" + N(450) + " Where ID =" + N(5), 1)
            .then("SELECT Cols, ReportRowHeight FROM tblKelvoReport WHERE ID = 5", {"*"}, {"3|450"}),
    };
}

std::vector<ShapeCase> RelatedReportCases()
{
    return {
        Rows("CallerParameters", "Select * from tblKelvoReportParameter Where ReportID=" + N(1), {"ParameterID", "Name"},
             {"1|Year"}),
        Rows("ExistingLinks", "Select * from tblKelvoRelatedReports Where CallerReportID=" + N(1), {"CalledReportID"},
             {"5", "5", "3"}),
        Rows("CalledParameters",
             "Select * from tblKelvoReportParameter Where ReportID=" + N(5) + " Order by ParameterID",
             {"ParameterID", "Name"}, {"1|fromDate", "2|ToDate", "3|branch", "4|واحد"}),
        Rows("ExistingMapping",
             "Select * from tblKelvoRelatedReports Where CallerReportID=" + N(1) + " and CalledReportID=" + N(5),
             {"CalledParameterID", "CallerReportColumn", "CallerParameterID"}, {"1|تاريخ|NULL", "3|NULL|1"}),
        // Secondary links survive the save.
        Affects("DeleteOwnLinks",
                "Delete tblKelvoRelatedReports Where CallerReportID=" + N(1) + " and isnull(isSecondary,0)=0", 2)
            .then("Select CalledReportID, isSecondary from tblKelvoRelatedReports Where CallerReportID=1", {"*"},
                  {"3|1"}),
        Affects("InsertLink",
                "Insert Into tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID, "
                "CallerReportColumn, CallerParameterID) Values(" +
                    N(1) + ", " + N(5) + ", " + N(2) + ", " + Q("تاريخ 'پايان'") + ", " + "NULL" + ")",
                1)
            .then("Select CallerReportColumn, CallerParameterID, isSecondary from tblKelvoRelatedReports Where "
                  "CallerReportID=1 and CalledParameterID=2",
                  {"*"}, {"تاريخ 'پايان'|NULL|NULL"}),
        Affects("DeleteAllLinks", "Delete tblKelvoRelatedReports Where CallerReportID=" + N(1), 3),
    };
}

std::vector<ShapeCase> ButtonCases()
{
    const QString caption = "چاپ 'فاكتور'";
    return {
        Rows("ButtonsOfReport", "select * from tblKelvoReportButtons where ReportID=" + N(1),
             {"ID", "Caption", "SPName"}, {"1|بستن سفارش|spKelvoCloseOrder"}),
        Rows("OneButton", "select * from tblKelvoReportButtons where Id=" + N(1), {"ReportID", "SPName"},
             {"1|spKelvoCloseOrder"}),
        Rows("ButtonProcedure", "select * from vwStoredProcedures where name='" + QString("spKelvoCloseOrder") + "'",
             {"name"}, {"spKelvoCloseOrder"}),
        Rows("ButtonValues", "select * from tblKelvoReportButtonsDetail where ButtonID= " + N(1) + " order by seq ",
             {"Seq", "ParName", "Type"}, {"1|شماره|int", "2|مبلغ|int"}),
        Rows("AuditProcedureParameters", kProcedureParameters + "sp_cftaudit" + "' Order by ColOrder",
             {"name", "type", "length", "isOutParam"}, {"@ReportID|int|4|0"}),
        // The procedure selector's filter: left() and <> ignore case as well.
        Includes("ProcedureSelectorFilter",
                 "Select ID, Code, Name from vwStoredProcedureMinor Where " + QString(" left(name,6)<>'sp_cft' "),
                 "Name", {"spKelvoCloseOrder", "spKelvoCreateReportParameter"}, {"SP_CFTAudit"}),
        Affects("CreateButton",
                "insert into tblKelvoReportButtons(ReportID,Caption,SPName)values(" + N(1) + " ," + Q(caption) + "," +
                    Q("spKelvoCloseOrder") + " ) ",
                1)
            .then("select max(ID)as mID from tblKelvoReportButtons ", {"mID"}, {"2"})
            .then("select Caption from tblKelvoReportButtons where ID=2", {"Caption"}, {caption}),
        Affects("ChangeButton",
                "update tblKelvoReportButtons   set  Caption=" + Q(caption) + " ,ReportID=" + N(5) +
                    " ,SPName=" + Q("SP_CFTAudit") + "  where ID=" + N(1),
                1)
            .then("select ReportID, Caption, SPName from tblKelvoReportButtons where ID=1", {"*"},
                  {"5|" + caption + "|SP_CFTAudit"}),
        Affects("ReplaceButtonValues", "delete from tblKelvoReportButtonsDetail  where ButtonID= " + N(1), 2),
        Affects("AddButtonValue",
                "insert into tblKelvoReportButtonsDetail(ButtonID,Seq,ParName,Type)values(" + N(1) + "," + N(3) +
                    "  ," + Q("شماره 'سفارش'") + "," + Q("varchar") + ")",
                1)
            .then("select ParName, Type from tblKelvoReportButtonsDetail where ButtonID=1 and Seq=3", {"*"},
                  {"شماره 'سفارش'|varchar"}),
        Affects("DeleteButtonValues", "delete from tblKelvoReportButtonsDetail where ButtonID=" + N(1), 2),
        Affects("DeleteButton", "delete from tblKelvoReportButtons where ID=" + N(1), 1),
    };
}

std::vector<ShapeCase> AllCases()
{
    std::vector<ShapeCase> all;
    for (auto group : {HostContextCases(), RepositoryCases(), PositionCases(), CaptionCases(), QueryModelCases(),
                       SqlEditorCases(), TableTreeCases(), ValuePickerCases(), ExpressionCases(),
                       ReportManagerCases(), SaveCases(), SearchCases(), DistributionCases(), MergeCases(),
                       ColourCases(), FormatCases(), ChartCases(), ParameterCases(), RelatedReportCases(),
                       ButtonCases()})
        for (auto& c : group)
            all.push_back(std::move(c));
    return all;
}

QString CellText(const QVariant& value)
{
    return value.isNull() ? QStringLiteral("NULL") : value.toString();
}

QStringList ReadRows(Recordset& rs, const QStringList& fields)
{
    QStringList rows;
    const bool everyColumn = fields == QStringList{QStringLiteral("*")};
    while (!rs.eof()) {
        QStringList cells;
        if (everyColumn) {
            for (int i = 0; i < rs.fieldCount(); ++i)
                cells << CellText(rs.value(i));
        } else {
            for (const QString& field : fields)
                cells << CellText(rs.value(field));
        }
        rows << cells.join(QLatin1Char('|'));
        rs.moveNext();
    }
    return rows;
}

bool IsOrdered(const QString& sql)
{
    static const QRegularExpression orderBy(QStringLiteral("\\border\\s+by\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    return orderBy.match(sql).hasMatch();
}

std::string Lines(QStringList rows)
{
    return rows.isEmpty() ? std::string("(no rows)") : rows.join(QLatin1Char('\n')).toStdString();
}

// Rows in the statement's order when it orders them; otherwise in any order.
void ExpectRows(Connection& db, const Query& query)
{
    SCOPED_TRACE(query.sql.toStdString());
    try {
        Recordset rs = db.openRecordset(query.sql);
        QStringList actual = ReadRows(rs, query.fields);
        QStringList expected = query.rows;
        if (!IsOrdered(query.sql)) {
            actual.sort();
            expected.sort();
        }
        EXPECT_EQ(Lines(expected), Lines(actual));
    } catch (const DbError& e) {
        ADD_FAILURE() << "database error: " << e.fullText().toStdString();
    }
}

class StatementShapes : public ::testing::TestWithParam<ShapeCase> {
public:
    static void SetUpTestSuite()
    {
        s_seeded = new QTemporaryDir;
        s_failure.clear();
        QString statement;
        try {
            kelvo::schema::InitRepository(s_seeded->path(), kRepository);
            CreateCatalogue(s_seeded->path(), QStringLiteral("G0"));
            Connection db(kelvo::schema::EmbeddedConnectionString(s_seeded->path(), kRepository));
            for (const QString& line : QString::fromUtf8(kSeed).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                statement = line;
                db.execute(statement);
            }
        } catch (const DbError& e) {
            s_failure = "the repository could not be prepared: " + e.fullText() + "\nstatement: " + statement;
        }
    }
    static void TearDownTestSuite()
    {
        delete s_seeded;
        s_seeded = nullptr;
    }

protected:
    void SetUp() override
    {
        ASSERT_TRUE(s_failure.isEmpty()) << s_failure.toStdString();
        ASSERT_TRUE(m_dir.isValid());
        // A private copy of the prepared folder (no connection is open on it).
        const QDir source(s_seeded->path());
        for (const QString& file : source.entryList(QDir::Files)) {
            if (file.endsWith(QLatin1String("-shm")))
                continue;
            ASSERT_TRUE(QFile::copy(source.filePath(file), QDir(m_dir.path()).filePath(file)))
                << file.toStdString();
        }
    }

    QString connectionString(const QString& catalogue) const
    {
        return kelvo::schema::EmbeddedConnectionString(m_dir.path(), catalogue);
    }

    QTemporaryDir m_dir;
    static QTemporaryDir* s_seeded;
    static QString s_failure;
};

QTemporaryDir* StatementShapes::s_seeded = nullptr;
QString StatementShapes::s_failure;

TEST_P(StatementShapes, StoreAnswersAsSqlServer)
{
    const ShapeCase& c = GetParam();
    Connection db(connectionString(c.catalogue));
    const std::string sql = c.query.sql.toStdString();
    switch (c.outcome) {
    case Outcome::Rows:
        ExpectRows(db, c.query);
        break;
    case Outcome::Includes:
        try {
            Recordset rs = db.openRecordset(c.query.sql);
            const QStringList actual = ReadRows(rs, c.query.fields);
            EXPECT_EQ(actual.size(), QSet<QString>(actual.begin(), actual.end()).size())
                << "repeated rows:\n" << Lines(actual);
            for (const QString& row : c.query.rows)
                EXPECT_TRUE(actual.contains(row)) << row.toStdString() << " missing from:\n" << Lines(actual);
            for (const QString& row : c.absent)
                EXPECT_FALSE(actual.contains(row)) << row.toStdString() << " listed in:\n" << Lines(actual);
        } catch (const DbError& e) {
            ADD_FAILURE() << sql << "\ndatabase error: " << e.fullText().toStdString();
        }
        break;
    case Outcome::Affected:
        try {
            EXPECT_EQ(db.execute(c.query.sql).rowsAffected, c.affected) << sql;
        } catch (const DbError& e) {
            ADD_FAILURE() << sql << "\ndatabase error: " << e.fullText().toStdString();
        }
        break;
    case Outcome::Runs:
        try {
            db.execute(c.query.sql);
        } catch (const DbError& e) {
            ADD_FAILURE() << sql << "\ndatabase error: " << e.fullText().toStdString();
        }
        break;
    case Outcome::Opens:
        try {
            Recordset rs = db.openRecordset(c.query.sql);
        } catch (const DbError& e) {
            ADD_FAILURE() << sql << "\ndatabase error: " << e.fullText().toStdString();
        }
        break;
    case Outcome::Fails:
        try {
            db.execute(c.query.sql);
            ADD_FAILURE() << sql << "\nran without the database error SQL Server gives";
        } catch (const DbError& e) {
            EXPECT_FALSE(e.description().isEmpty());
        }
        break;
    }
    for (const Query& check : c.checks)
        ExpectRows(db, check);
}

INSTANTIATE_TEST_SUITE_P(EmbeddedStore, StatementShapes, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<ShapeCase>& info) { return info.param.name; });

} // namespace
