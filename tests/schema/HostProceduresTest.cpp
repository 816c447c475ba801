#include "platform/db/DbError.h"
#include "support/TempCatalogue.h"

#include <QDate>
#include <gtest/gtest.h>

using kelvo::db::Connection;
using kelvo::db::DbError;
using kelvo::db::ParameterDirection;
using kelvo::db::ProcedureParameter;
using kelvo::db::ProcedureResult;
using kelvo::db::Recordset;
using kelvo::test::TempCatalogue;

namespace {

QString fa(const char* utf8) { return QString::fromUtf8(utf8); }

ProcedureParameter in(const char* name, const QVariant& value) { return {QString::fromLatin1(name), value}; }
ProcedureParameter out(const char* name) { return {QString::fromLatin1(name), {}, ParameterDirection::Output}; }

QStringList rows(Connection& c, const QString& sql)
{
    QStringList out;
    for (Recordset rs = c.openRecordset(sql); !rs.eof(); rs.moveNext()) {
        QStringList fields;
        for (int i = 0; i < rs.fieldCount(); ++i)
            fields << (rs.value(i).isNull() ? QStringLiteral("NULL") : rs.value(i).toString());
        out << fields.join(u'|');
    }
    return out;
}

struct HostProcedures : ::testing::Test {
    TempCatalogue repo;
    Connection& c = repo.connection();
};

} // namespace

TEST_F(HostProcedures, AddCaptionWritesBothLanguagesAndKeepsApostrophes)
{
    const ProcedureResult r = c.callProcedure(
        "spKelvoAddCaption", {in("@PVCaption", fa("نام 'مشتري'")), in("@EngCaption", "Customer's name")});
    const int id = r.returnValue.toInt();
    ASSERT_GT(id, 0);
    EXPECT_EQ(rows(c, QStringLiteral("SELECT * from tblKelvoCaption Where ID = %1").arg(id)),
              QStringList{QStringLiteral("%1|Customer's name").arg(id)});
    EXPECT_EQ(rows(c, QStringLiteral("SELECT LangID, Caption from tblKelvoLangCaption Where CaptionID = %1 Order by LangID").arg(id)),
              (QStringList{"1|" + fa("نام 'مشتري'"), "2|Customer's name"}));

    // The same through EXEC with the values in quoted literals.
    c.execute("EXEC spKelvoAddCaption N'" + fa("عنوان ''ويژه''") + "', 'Special ''title'''");
    EXPECT_EQ(rows(c, "Select ID from tblKelvoCaption Where EngCaption = 'Special ''title'''").size(), 1);
}

TEST_F(HostProcedures, AddCaptionFillsAnEmptyLanguageFromTheOther)
{
    const int id = c.callProcedure("spKelvoAddCaption", {in("PVCaption", fa("تاريخ")), in("EngCaption", "  ")})
                       .returnValue.toInt();
    EXPECT_EQ(rows(c, QStringLiteral("Select Caption from tblKelvoLangCaption Where CaptionID = %1 Order by LangID").arg(id)),
              (QStringList{fa("تاريخ"), fa("تاريخ")}));
    EXPECT_EQ(c.callProcedure("spKelvoAddCaption", {in("PVCaption", ""), in("EngCaption", QVariant())}).returnValue.toInt(), 0);
    EXPECT_EQ(rows(c, "Select count(*) from tblKelvoCaption"), QStringList{"1"});
}

TEST_F(HostProcedures, AddCaptionWritesNothingWhenOneRowFails)
{
    c.execute("CREATE TRIGGER refuseEnglish BEFORE INSERT ON tblKelvoLangCaption WHEN NEW.LangID = 2 "
              "BEGIN SELECT RAISE(ABORT, 'English captions are locked'); END");
    c.execute("Insert into tblKelvoReportGroup (Name) values ('kept')");
    c.beginTransaction();
    c.execute("Insert into tblKelvoReportGroup (Name) values ('in transaction')");
    EXPECT_THROW(c.callProcedure("spKelvoAddCaption", {in("PVCaption", "a"), in("EngCaption", "b")}), DbError);
    c.commit(); // the caller's own work survives the procedure's failure
    EXPECT_EQ(rows(c, "Select count(*) from tblKelvoCaption"), QStringList{"0"});
    EXPECT_EQ(rows(c, "Select count(*) from tblKelvoLangCaption"), QStringList{"0"});
    EXPECT_EQ(rows(c, "Select count(*) from tblKelvoReportGroup"), QStringList{"2"});
}

TEST_F(HostProcedures, HasPermissionAnswersFromThePermissionTable)
{
    repo.run("Insert into tblUserPermission (UserID, FormPermissionID) values (7, 230201);"
             "Insert into tblUserPermission (UserID, FormPermissionID) values (8, 230204)");
    const struct {
        QVariant user, permission;
        int expected;
    } cases[] = {{7, 230201, 1}, {7, 230204, 0}, {8, 230204, 1}, {9, 230201, 0}, {QVariant(), 230201, 0}};
    for (const auto& k : cases)
        EXPECT_EQ(c.callProcedure("spKelvoHasPermission", {in("@UserID", k.user), in("@FormPermissionID", k.permission)})
                      .returnValue.toInt(),
                  k.expected)
            << k.user.toString().toStdString() << " " << k.permission.toInt();
}

TEST_F(HostProcedures, UpdateTablesAddsWhatTheDictionaryLacksOnly)
{
    repo.run("CREATE TABLE tblWarehouseBin (ID INTEGER PRIMARY KEY AUTOINCREMENT, Title nvarchar(40), Capacity money);"
             "Insert into tblKelvoTable (Name, Description) values ('tblPmxTool', 'ابزارها');"
             "Insert into tblKelvoColumn (TableName, Name, Description, Type) values ('tblPmxTool', 'Name', 'نام', 'nvarchar')");
    const int added = c.callProcedure("spKelvoUpdateTables").returnValue.toInt();
    EXPECT_GT(added, 3);
    EXPECT_EQ(rows(c, "Select Name, Type, OrderNumber from tblKelvoColumn Where TableName = 'tblWarehouseBin' Order by OrderNumber"),
              (QStringList{"ID|int|1", "Title|nvarchar|2", "Capacity|money|3"}));
    // The described row keeps its description; the missing ID column joins it.
    EXPECT_EQ(rows(c, "Select Name, Description from tblKelvoColumn Where TableName = 'tblPmxTool' Order by ID"),
              (QStringList{"Name|" + fa("نام"), "ID|NULL"}));
    // New tables carry no description: not offered until the host writes one.
    EXPECT_EQ(rows(c, "SELECT count(*) FROM tblKelvoTable Where len(Description)>0 and Name = 'tblWarehouseBin'"),
              QStringList{"0"});
    EXPECT_EQ(c.callProcedure("spKelvoUpdateTables").returnValue.toInt(), 0);
}

TEST_F(HostProcedures, FormSecurePosAddNewGrantsOneRowWithEveryValue)
{
    const ProcedureResult r = c.callProcedure(
        "spKelvoFormSecurePosAddNew",
        {in("@FormID", 12), in("@FormTypeID", 2302), in("@SecurePositionID", 5), in("@SecureUserID", 3),
         in("@IsActive", 1), in("@ActivatorUserID", 3), in("@ActivateDate", QDate(2024, 7, 1)),
         in("@PVActivateDate", "1403/04/11"), in("@DeactivatorUserID", -1), in("@DeactivateDate", QDate(1900, 1, 1)),
         in("@PVDeactivateDate", "")});
    EXPECT_GT(r.returnValue.toInt(), 0);
    EXPECT_EQ(rows(c, "select FormID, FormTypeID, SecurePositionID, CanEdit, SecureUserID, IsActive, ActivatorUserID, "
                      "ActivateDate, PVActivateDate, DeactivatorUserID, DeactivateDate, PVDeactivateDate from  "
                      "tblKelvoAllowablePositions where FormID=12  and FormTypeID=2302 and SecurePositionID=5"),
              QStringList{"12|2302|5|NULL|3|1|3|2024-07-01|1403/04/11|-1|1900-01-01|"});
    EXPECT_THROW(c.callProcedure("spKelvoFormSecurePosAddNew", {in("@FormID", 12)}), DbError);
}

TEST_F(HostProcedures, TableAlternativeNameFindsTheDisplayColumn)
{
    repo.run("CREATE TABLE tblColour (ID INTEGER PRIMARY KEY, Code nvarchar(5), Name nvarchar(20));"
             "CREATE TABLE tblBook (ID INTEGER PRIMARY KEY, Title nvarchar(50), Description nvarchar(200));"
             "CREATE TABLE tblNote (ID INTEGER PRIMARY KEY, Description nvarchar(200));"
             "CREATE TABLE tblCounter (ID INTEGER PRIMARY KEY, Reading int);"
             "Insert into tblKelvoColumn (TableName, Name, IsAlternativeName) values ('tblPerson', 'LastName', 1)");
    const struct {
        const char* table;
        const char* nameAlt;
        int different, combine;
    } cases[] = {
        {"tblColour", "Name", 0, 1}, {"tblBook", "Title", 1, 0}, {"tblNote", "Description", 1, 0},
        {"tblCounter", "", 0, 0},    {"tblPerson", "LastName", 1, 0}, {"tblMissing", "", 0, 0},
    };
    for (const auto& k : cases) {
        const ProcedureResult r = c.callProcedure("spKelvoGetTableAlternativeName",
                                                  {in("@Table", k.table), out("@NameAlt"), out("@DifferentNameAlt"),
                                                   out("@DoCombine")});
        EXPECT_EQ(r.parameter("@NameAlt").toString(), k.nameAlt) << k.table;
        EXPECT_EQ(r.parameter("@DifferentNameAlt").toInt(), k.different) << k.table;
        EXPECT_EQ(r.parameter("@DoCombine").toInt(), k.combine) << k.table;
    }
}

TEST_F(HostProcedures, MajorMinorViewsComeFromTheDictionaryOrTheNamingRule)
{
    repo.run("Insert into tblKelvoColumn (TableName, Name, IsPrimaryKey, MajorView, MinorView) "
             "values ('tblCity', 'ID', 1, 'vwCityList', 'vwCityPick');"
             "Insert into tblKelvoColumn (TableName, Name, MajorView, MinorView) "
             "values ('tblOrder', 'ShopID', 'vwShopA', 'vwShopB');"
             "Insert into tblKelvoRelatedTables (ForeignKey, DependentTable, ReferenceKey, ReferenceTable) "
             "values ('ShopID', 'tblOrder', 'ID', 'tblShop');"
             "CREATE TABLE tblColour (ID INTEGER PRIMARY KEY, Name nvarchar(20));"
             "CREATE VIEW vwColourMajor AS SELECT ID, Name AS Code, Name, ID AS Value FROM tblColour;"
             "CREATE VIEW vwColourMinor AS SELECT ID, Name AS Code, Name, ID AS Value FROM tblColour");
    const struct {
        const char *table, *major, *minor;
    } cases[] = {{"tblCity", "vwCityList", "vwCityPick"}, {"tblShop", "vwShopA", "vwShopB"},
                 {"tblColour", "vwColourMajor", "vwColourMinor"}, {"tblUnknown", "", ""}};
    for (const auto& k : cases) {
        const ProcedureResult r = c.callProcedure(
            "spKelvoGetMajorMinorViews", {in("@ReferenceTable", k.table), out("@MajorView"), out("@MinorView")});
        EXPECT_EQ(r.parameter("@MajorView").toString(), k.major) << k.table;
        EXPECT_EQ(r.parameter("@MinorView").toString(), k.minor) << k.table;
    }
}

TEST_F(HostProcedures, CreateReportParameterAddsOneTypedParameterPerColumn)
{
    repo.run("Insert into tblKelvoReport (Title) values ('r');"
             "Insert into tblKelvoColumn (TableName, Name, Description, Type, MajorView, MinorView, CaptionID) "
             "values ('tblCustomer', 'CityID', 'شهر', 'int', 'vwCityMajor', 'vwCityMinor', 40);"
             "Insert into tblKelvoColumn (TableName, Name, Description, Type) values ('tblCustomer', 'RegisterDate', 'تاريخ ثبت', 'datetime');"
             "Insert into tblKelvoColumn (TableName, Name, Description, Type) values ('tblCustomer', 'Phone', '', 'nvarchar');"
             "Insert into tblKelvoReportParameter (ReportID, ParameterID, Name, Sequence) values (1, 4, 'Existing', 9)");
    // As the parameter creator issues it: a statement with the values written in.
    c.openRecordset("EXEC spKelvoCreateReportParameter 1, 'tblCustomer', 'CityID'");
    c.callProcedure("spKelvoCreateReportParameter",
                    {in("@ReportID", 1), in("@TableName", "tblCustomer"), in("@ColumnName", "RegisterDate")});
    c.callProcedure("spKelvoCreateReportParameter",
                    {in("@ReportID", 1), in("@TableName", "tblCustomer"), in("@ColumnName", "phone")});
    EXPECT_EQ(rows(c, "Select ParameterID, Name, Type, ControlTypeID, Description, MajorView, MinorView, ColSpan, RowSpan, "
                      "Sequence, Visible, CaptionID from tblKelvoReportParameter Where ReportID = 1 and ParameterID > 4 "
                      "Order by ParameterID"),
              (QStringList{"5|CityID|int|13|" + fa("شهر") + "|vwCityMajor|vwCityMinor|1|1|10|1|40",
                           "6|RegisterDate|datetime|1005|" + fa("تاريخ ثبت") + "|NULL|NULL|1|1|11|1|NULL",
                           "7|Phone|nvarchar|1002|Phone|NULL|NULL|1|1|12|1|NULL"}));

    // A second request for the same column keeps the one parameter.
    const ProcedureResult again = c.callProcedure(
        "spKelvoCreateReportParameter", {in("@ReportID", 1), in("@TableName", "tblCustomer"), in("@ColumnName", "CityID")});
    EXPECT_EQ(again.returnValue.toInt(), 5);
    EXPECT_EQ(rows(c, "Select count(*) from tblKelvoReportParameter"), QStringList{"4"});

    // Unknown column or report: a clear error and nothing written.
    EXPECT_THROW(c.callProcedure("spKelvoCreateReportParameter",
                                 {in("@ReportID", 1), in("@TableName", "tblCustomer"), in("@ColumnName", "x'); --")}),
                 DbError);
    EXPECT_THROW(c.callProcedure("spKelvoCreateReportParameter",
                                 {in("@ReportID", 99), in("@TableName", "tblCustomer"), in("@ColumnName", "CityID")}),
                 DbError);
    EXPECT_EQ(rows(c, "Select count(*) from tblKelvoReportParameter"), QStringList{"4"});
}

TEST_F(HostProcedures, PmxUpdateReportTablesRefillsTheFourTablesFromTheirViews)
{
    repo.run("Insert into tblPmxEquipment (Code, Name, Location) values ('EQ-1', 'پمپ آب', 'موتورخانه');"
             "Insert into tblPmxWorkOrder (WorkOrderNo, EquipmentID, RequestDate, IsDone) values ('WO-1', 1, '1403/02/01', 0);"
             "Insert into tblPmxWorkOrder (WorkOrderNo, EquipmentID, RequestDate, IsDone) values ('WO-2', 1, '1403/02/05', 1);"
             "Insert into tblEmployee (FirstName, SureName) values ('علي', 'رضايي');"
             "Insert into tblPmxWorkOrderEmployee (WorkOrderID, EmployeeID, Hours, HourlyRate) values (1, 1, 2.5, 1000);"
             "Insert into tblPmxPart (Code, Name, UnitPrice) values ('PT-1', 'بلبرينگ', 50);"
             "Insert into tblPmxWorkOrderPart (WorkOrderID, PartID, Quantity, UnitPrice) values (2, 1, 3, 50);"
             "Insert into tblPmxTool (Name) values ('جك');"
             "Insert into tblPmxWorkOrderTool (WorkOrderID, ToolID, Hours) values (2, 1, 1);"
             "Insert into tblPmxVWREPORT (WorkOrderID, WorkOrderNo) values (99, 'stale')");
    c.execute("EXEC spPmxUpdateReportTables");
    const struct {
        const char *table, *view;
    } pairs[] = {{"tblPmxVWREPORT", "vwpmxreport"},
                 {"tblPmxVWConsumeEmployeeR", "vwPmxrptConsumeEmployeeR"},
                 {"tblPmxVWConsumePartR", "vwPmxrptConsumePartR"},
                 {"tblPmxVWConsumeToolR", "vwPmxrptConsumeToolR"}};
    for (const auto& p : pairs) {
        const QStringList table = rows(c, QStringLiteral("Select * from %1 Order by WorkOrderID").arg(p.table));
        EXPECT_FALSE(table.isEmpty()) << p.table;
        EXPECT_EQ(table, rows(c, QStringLiteral("Select * from %1 Order by WorkOrderID").arg(p.view))) << p.table;
    }
    EXPECT_EQ(rows(c, "Select Cost from tblPmxVWConsumeEmployeeR"), QStringList{"2500"});
    EXPECT_EQ(rows(c, "Select count(*) from tblPmxVWREPORT Where WorkOrderNo = 'stale'"), QStringList{"0"});
}

TEST_F(HostProcedures, FormCanEditAndSecurePositionReadTheGrants)
{
    repo.run("Insert into tblKelvoAllowablePositions (FormID, FormTypeID, SecurePositionID, CanEdit, IsActive) values (1, 2302, 5, 1, 1);"
             "Insert into tblKelvoAllowablePositions (FormID, FormTypeID, SecurePositionID, CanEdit, IsActive) values (2, 2302, 5, 0, 1);"
             "Insert into tblKelvoAllowablePositions (FormID, FormTypeID, SecurePositionID, CanEdit, IsActive) values (3, 2302, 5, 1, 0)");
    auto canEdit = [&](int form) {
        return c.callProcedure("spKelvoFormCanEdit", {in("@PositionID", 5), in("@FormID", form), in("@FormTypeID", 2302)})
            .returnValue.toInt();
    };
    EXPECT_EQ(canEdit(1), 1);
    EXPECT_EQ(canEdit(2), 0);
    const ProcedureResult r = c.callProcedure(
        "spKelvoFormSecurePosition",
        {in("@FormTypeID", 2302), in("@SecurePositionID", 5), out("@interQuery"), out("@OuterQuery")});
    EXPECT_EQ(rows(c, "Select ID from tblKelvoReport Where " + r.parameter("@OuterQuery").toString()), QStringList{});
    c.execute("Insert into tblKelvoReport (Title) values ('a')");
    c.execute("Insert into tblKelvoReport (Title) values ('b')");
    c.execute("Insert into tblKelvoReport (Title) values ('c')");
    EXPECT_EQ(rows(c, "Select ID from tblKelvoReport Where " + r.parameter("@OuterQuery").toString() + " Order by ID"),
              (QStringList{"1", "2"}));
}
