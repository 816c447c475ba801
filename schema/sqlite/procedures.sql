-- Host procedures of the report repository on the embedded store, and the
-- views that list stored procedures. Run after repository.sql, one
-- statement at a time (statements end with ";" at the end of a line).
--
-- The bodies are native: "AS EXTERNAL NAME KelvoHost.<name>" binds each
-- declaration to the store's C++ implementation of that name, so the
-- procedure is listed in sysobjects/syscolumns with the parameters declared
-- here and called with bound values like any other.

CREATE PROCEDURE spKelvoAddCaption @PVCaption nvarchar(255), @EngCaption nvarchar(255)
AS EXTERNAL NAME KelvoHost.spKelvoAddCaption;

CREATE PROCEDURE spKelvoHasPermission @UserID int, @FormPermissionID int
AS EXTERNAL NAME KelvoHost.spKelvoHasPermission;

CREATE PROCEDURE spKelvoUpdateTables
AS EXTERNAL NAME KelvoHost.spKelvoUpdateTables;

CREATE PROCEDURE spKelvoFormSecurePosAddNew @FormID int, @FormTypeID int, @SecurePositionID int,
    @SecureUserID int, @IsActive int, @ActivatorUserID int, @ActivateDate datetime,
    @PVActivateDate nvarchar(10), @DeactivatorUserID int, @DeactivateDate datetime,
    @PVDeactivateDate nvarchar(10)
AS EXTERNAL NAME KelvoHost.spKelvoFormSecurePosAddNew;

CREATE PROCEDURE spKelvoFormSecurePosition @FormTypeID int, @SecurePositionID int,
    @interQuery nvarchar(4000) OUTPUT, @OuterQuery nvarchar(4000) OUTPUT
AS EXTERNAL NAME KelvoHost.spKelvoFormSecurePosition;

CREATE PROCEDURE spKelvoFormCanEdit @PositionID int, @FormID int, @FormTypeID int
AS EXTERNAL NAME KelvoHost.spKelvoFormCanEdit;

CREATE PROCEDURE spKelvoGetTableAlternativeName @Table nvarchar(128), @NameAlt nvarchar(128) OUTPUT,
    @DifferentNameAlt int OUTPUT, @DoCombine int OUTPUT
AS EXTERNAL NAME KelvoHost.spKelvoGetTableAlternativeName;

CREATE PROCEDURE spKelvoGetMajorMinorViews @ReferenceTable nvarchar(128), @MajorView nvarchar(128) OUTPUT,
    @MinorView nvarchar(128) OUTPUT
AS EXTERNAL NAME KelvoHost.spKelvoGetMajorMinorViews;

CREATE PROCEDURE spKelvoCreateReportParameter @ReportID int, @TableName nvarchar(128), @ColumnName nvarchar(128)
AS EXTERNAL NAME KelvoHost.spKelvoCreateReportParameter;

CREATE PROCEDURE spKelvoAddNewReport @Title nvarchar(255), @Description nvarchar(1000), @SystemID int,
    @CreatorID int, @CreateDate datetime, @PVCreateDate nvarchar(10), @GroupID int,
    @SQLQuery ntext, @PVSQLQuery ntext
AS EXTERNAL NAME KelvoHost.spKelvoAddNewReport;

CREATE PROCEDURE spKelvoUpdateReport @ID int, @Title nvarchar(255), @Description nvarchar(1000), @SystemID int,
    @CreatorID int, @CreateDate datetime, @PVCreateDate nvarchar(10), @GroupID int,
    @SQLQuery ntext, @PVSQLQuery ntext
AS EXTERNAL NAME KelvoHost.spKelvoUpdateReport;

CREATE PROCEDURE spPmxUpdateReportTables
AS EXTERNAL NAME KelvoHost.spPmxUpdateReportTables;

-- Stored procedures offered for action buttons and procedure reports.
CREATE VIEW vwStoredProcedures AS
    SELECT o.id AS ID, o.name AS name
    FROM sysobjects o
    WHERE o.xtype = 'P';

-- Selector views over the procedures (contract in repository.sql): Code and
-- Name are the procedure name, Value its number of parameters. The host's
-- internal procedures (prefix sp_cft, in any case) are not offered.
CREATE VIEW vwStoredProcedureMajor AS
    SELECT o.id AS ID, o.name AS Code, o.name AS Name,
           (SELECT count(*) FROM syscolumns c WHERE c.id = o.id) AS Value
    FROM sysobjects o
    WHERE o.xtype = 'P';

CREATE VIEW vwStoredProcedureMinor AS
    SELECT o.id AS ID, o.name AS Code, o.name AS Name,
           (SELECT count(*) FROM syscolumns c WHERE c.id = o.id) AS Value
    FROM sysobjects o
    WHERE o.xtype = 'P' AND substr(o.name, 1, 6) <> 'sp_cft' COLLATE NOCASE;
