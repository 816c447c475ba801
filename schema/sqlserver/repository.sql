-- Report repository for SQL Server: the tables, views and procedures of the
-- report generator and the host tables it relies on, for a host that keeps
-- the repository on its own server. Batches are separated by GO.
--
-- The same schema as the embedded store's script (schema/sqlite), with
-- IDENTITY columns and the server's own case-insensitive collation. The
-- selector views (the Major/Minor pairs) follow one contract:
--   ID int, Code text, Name text, Value numeric (for the stored-procedure
--   views: the number of parameters). The Major view lists every row the
--   selector can resolve; the Minor view the rows offered for choosing.
-- Captions: tblKelvoLangCaption holds LangID 1 Persian, 2 English.

SET ANSI_NULLS ON
GO
SET QUOTED_IDENTIFIER ON
GO

-- ---------------------------------------------------------------- dictionary

CREATE TABLE tblKelvoSystem (
    ID                 int NOT NULL PRIMARY KEY,
    Name               nvarchar(100),
    NotVisible         bit,
    CaptionID          int,
    ShortNameCaptionID int
)
GO

CREATE TABLE tblKelvoTable (
    ID          int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    Name        nvarchar(128) NOT NULL UNIQUE,
    Description nvarchar(255),
    SystemID    int,
    Visible     bit,
    Type        int,
    CaptionID   int
)
GO

-- IsAlternativeName marks the column that names a row of its table (the
-- display column that spKelvoGetTableAlternativeName answers).
CREATE TABLE tblKelvoColumn (
    ID                int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    TableName         nvarchar(128) NOT NULL,
    Name              nvarchar(128) NOT NULL,
    Description       nvarchar(255),
    Type              nvarchar(50),
    MajorView         nvarchar(128),
    MinorView         nvarchar(128),
    ControlID         int,
    CaptionID         int,
    OrderNumber       int,
    IsPrimaryKey      bit,
    IsAlternativeName bit,
    UNIQUE (TableName, Name)
)
GO

CREATE TABLE tblKelvoRelatedTables (
    ID             int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    ForeignKey     nvarchar(128) NOT NULL,
    DependentTable nvarchar(128) NOT NULL,
    ReferenceKey   nvarchar(128) NOT NULL,
    ReferenceTable nvarchar(128) NOT NULL
)
GO
CREATE INDEX IX_tblKelvoRelatedTables_Dependent ON tblKelvoRelatedTables (DependentTable, ForeignKey)
GO

CREATE TABLE tblKelvoControlType (
    ID   int NOT NULL PRIMARY KEY,
    Name nvarchar(100)
)
GO

-- Languages of tblKelvoLangCaption: 1 Persian, 2 English.
CREATE TABLE tblKelvoLanguage (
    ID   int NOT NULL PRIMARY KEY,
    Name nvarchar(50)
)
GO

CREATE TABLE tblKelvoCaption (
    ID         int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    EngCaption nvarchar(255)
)
GO

CREATE TABLE tblKelvoLangCaption (
    CaptionID int NOT NULL,
    LangID    int NOT NULL,
    Caption   nvarchar(255),
    PRIMARY KEY (CaptionID, LangID)
)
GO

CREATE TABLE tblAlias (
    ID   int NOT NULL PRIMARY KEY,
    Name nvarchar(255)
)
GO

-- --------------------------------------------------------- report definitions

CREATE TABLE tblKelvoReport (
    ID                     int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    Title                  nvarchar(255),
    Alias                  nvarchar(100),
    Notes                  nvarchar(1000),
    Description            nvarchar(1000),
    SystemID               int,
    GroupID                int,
    FormTypeID             int,
    CreatorID              int,
    CreateDate             datetime,
    FarsiCreateDate        nvarchar(10),
    IsGeneral              smallint,
    MakeSecure             bit,
    MediaVisible           bit,
    MakeTree               smallint,
    ShowFlatternParameters bit,
    SQLQuery               nvarchar(max),
    FarsiSQLQuery          nvarchar(max),
    Reserved               nvarchar(max),
    IsStoredProcedure      bit,
    SQLSP                  nvarchar(2000),
    FarsiSQLSP             nvarchar(2000),
    MakeTranspose          bit,
    IsMerged               bit,
    Cols                   int,
    ReportRowHeight        int,
    ColWidth               int,
    RowHeight              int,
    GridRowHeight          int,
    ColoryReportColumn     int,
    ColoringType           int,
    ShowDiagram            bit
)
GO
CREATE INDEX IX_tblKelvoReport_Title ON tblKelvoReport (Title)
GO

CREATE TABLE tblKelvoReportLayout (
    ReportID      int NOT NULL,
    ColumnNumber  int NOT NULL,
    Alignment     int,
    Width         int,
    MergeType     int,
    TransposeType int,
    MakeSum       bit,
    MakeAverage   bit
)
GO
CREATE INDEX IX_tblKelvoReportLayout_Report ON tblKelvoReportLayout (ReportID, ColumnNumber)
GO

CREATE TABLE tblKelvoReportTranspose (
    ReportID            int NOT NULL,
    ColumnNumber        int NOT NULL,
    Alignment           int,
    Width               int,
    MergeType           int,
    InvisibleInTextFile bit
)
GO
CREATE INDEX IX_tblKelvoReportTranspose_Report ON tblKelvoReportTranspose (ReportID, ColumnNumber)
GO

CREATE TABLE tblKelvoReportExpression (
    ReportID              int NOT NULL,
    ColumnNumber          int,
    Name                  nvarchar(255),
    GeneralExpression     nvarchar(max),
    FirstRowExpression    nvarchar(max),
    JustShowPositiveValue bit,
    CaptionID             int
)
GO
CREATE INDEX IX_tblKelvoReportExpression_Report ON tblKelvoReportExpression (ReportID)
GO

CREATE TABLE tblKelvoReportColor (
    ReportID  int NOT NULL,
    Value     nvarchar(255),
    ForeColor int,
    BackColor int
)
GO
CREATE INDEX IX_tblKelvoReportColor_Report ON tblKelvoReportColor (ReportID)
GO

CREATE TABLE tblKelvoReportParameter (
    ReportID      int NOT NULL,
    ParameterID   int NOT NULL,
    Name          nvarchar(128),
    Type          nvarchar(50),
    ControlTypeID int,
    Description   nvarchar(255),
    MajorView     nvarchar(128),
    MinorView     nvarchar(128),
    ColSpan       int,
    RowSpan       int,
    Sequence      int,
    Visible       bit,
    CaptionID     int
)
GO
CREATE INDEX IX_tblKelvoReportParameter_Report ON tblKelvoReportParameter (ReportID, ParameterID)
GO

CREATE TABLE tblKelvoReportAliases (
    ReportID   int NOT NULL,
    ColFormula nvarchar(max),
    ColAlias   nvarchar(255)
)
GO
CREATE INDEX IX_tblKelvoReportAliases_Report ON tblKelvoReportAliases (ReportID)
GO

CREATE TABLE tblKelvoRelatedReports (
    CallerReportID     int NOT NULL,
    CalledReportID     int NOT NULL,
    CalledParameterID  int,
    CallerReportColumn nvarchar(255),
    CallerParameterID  int,
    isSecondary        bit
)
GO
CREATE INDEX IX_tblKelvoRelatedReports_Caller ON tblKelvoRelatedReports (CallerReportID)
GO
CREATE INDEX IX_tblKelvoRelatedReports_Called ON tblKelvoRelatedReports (CalledReportID)
GO

CREATE TABLE tblKelvoReportDiagram (
    ReportID       int NOT NULL,
    IsAccumulative bit,
    DiagramTypeID  int,
    ChartXColNo    int
)
GO

CREATE TABLE tblKelvoReportDiagramCols (
    ReportID    int NOT NULL,
    ChartYColNo int
)
GO

CREATE TABLE tblKelvoReportButtons (
    ID       int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    ReportID int NOT NULL,
    Caption  nvarchar(255),
    SPName   nvarchar(128)
)
GO

CREATE TABLE tblKelvoReportButtonsDetail (
    ButtonID int NOT NULL,
    Seq      int NOT NULL,
    ParName  nvarchar(255),
    Type     nvarchar(50)
)
GO

CREATE TABLE tblKelvoReportDistributionDetail (
    ReportID int NOT NULL,
    Value    nvarchar(255),
    Sequence int
)
GO

CREATE TABLE tblKelvoReportGroup (
    ID   int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    Name nvarchar(255)
)
GO

-- ID is the chart-type code of the chart control (3 two-dimensional line,
-- 14 two-dimensional pie …).
CREATE TABLE tblKelvoDiagramTypeL (
    ID   int NOT NULL PRIMARY KEY,
    Name nvarchar(100)
)
GO

-- The host's own copy of the chart types (the main connection's
-- sqlDiagramTypeL command lists it).
CREATE TABLE tblAccDiagramTypeL (
    ID   int NOT NULL PRIMARY KEY,
    Name nvarchar(100)
)
GO

-- ------------------------------------------------------- access and identity

CREATE TABLE tblKelvoAllowablePositions (
    ID                int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    FormID            int NOT NULL,
    FormTypeID        int NOT NULL,
    SecurePositionID  int NOT NULL,
    CanEdit           bit,
    SecureUserID      int,
    IsActive          bit,
    ActivatorUserID   int,
    ActivateDate      datetime,
    PVActivateDate    nvarchar(10),
    DeactivatorUserID int,
    DeactivateDate    datetime,
    PVDeactivateDate  nvarchar(10)
)
GO
CREATE INDEX IX_tblKelvoAllowablePositions_Form ON tblKelvoAllowablePositions (FormID, FormTypeID, SecurePositionID)
GO

CREATE TABLE tblKelvoSamePermLevelPos (
    ID                int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    BasePositionID    int NOT NULL,
    RelatedPositionID int NOT NULL,
    FormTypeID        int NOT NULL,
    IsActive          bit
)
GO

-- One row per ancestor of a position: LevelNumber 1 is the parent, 2 the
-- grandparent and so on.
CREATE TABLE tblPositionChilds (
    ChildID     int NOT NULL,
    PositionID  int NOT NULL,
    LevelNumber int NOT NULL,
    PRIMARY KEY (ChildID, PositionID)
)
GO

CREATE TABLE tblUser (
    ID         int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    FullName   nvarchar(100),
    Alias      nvarchar(50),
    EmployeeID int,
    PositionID int,
    IsActive   bit
)
GO

-- The host's permission table: a row grants one numbered operation
-- (230201 new report, 230202 edit, 230203 delete, 230204 search …) to a user.
CREATE TABLE tblUserPermission (
    UserID           int NOT NULL,
    FormPermissionID int NOT NULL,
    PRIMARY KEY (UserID, FormPermissionID)
)
GO

CREATE TABLE tblEmployee (
    ID            int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    PersonnelCode nvarchar(10),
    FirstName     nvarchar(50),
    SureName      nvarchar(50),
    FatherName    nvarchar(50),
    NationalCode  nvarchar(10),
    IsMale        bit,
    BirthDate     nvarchar(10),
    HireDate      datetime,
    DepartmentID  int,
    JobID         int,
    CityID        int,
    Salary        money,
    IsMarried     bit,
    ChildCount    smallint
)
GO

CREATE TABLE tblPosition (
    ID           int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    Name         nvarchar(100),
    ParentID     int,
    DepartmentID int,
    EmployeeID   int
)
GO

-- ----------------------------------------------------------- host auxiliaries

CREATE TABLE tblKelvoSystemParameters (
    ID    int NOT NULL PRIMARY KEY,
    Name  nvarchar(100),
    Value nvarchar(255)
)
GO

CREATE TABLE tblKelvoBasePath (
    BasePath nvarchar(260)
)
GO

CREATE TABLE tblKelvoFormType (
    ID             int NOT NULL PRIMARY KEY,
    Name           nvarchar(100),
    FileName       nvarchar(128),
    SearchReportID int,
    ReportID       int
)
GO

CREATE TABLE tblKelvoFormTables (
    FormTypeID int NOT NULL,
    TableName  nvarchar(128) NOT NULL,
    IsPrimary  bit
)
GO

-- Snapshot tables of the maintenance module, refilled from their views by
-- spPmxUpdateReportTables (each table's columns equal its view's).
CREATE TABLE tblPmxVWREPORT (
    WorkOrderID    int,
    WorkOrderNo    nvarchar(20),
    EquipmentID    int,
    EquipmentName  nvarchar(100),
    Location       nvarchar(100),
    RequestDate    nvarchar(10),
    FinishDate     nvarchar(10),
    Description    nvarchar(500),
    IsDone         bit
)
GO

CREATE TABLE tblPmxVWConsumeEmployeeR (
    WorkOrderID  int,
    EmployeeID   int,
    FirstName    nvarchar(50),
    SureName     nvarchar(50),
    Hours        float,
    HourlyRate   money,
    Cost         money
)
GO

CREATE TABLE tblPmxVWConsumePartR (
    WorkOrderID int,
    PartID      int,
    PartName    nvarchar(100),
    Quantity    int,
    UnitPrice   money,
    Cost        money
)
GO

CREATE TABLE tblPmxVWConsumeToolR (
    WorkOrderID int,
    ToolID      int,
    ToolName    nvarchar(100),
    Hours       float
)
GO

-- Host tables of the maintenance module that the four views read.
CREATE TABLE tblPmxEquipment (
    ID           int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    Code        nvarchar(20),
    Name        nvarchar(100),
    Location    nvarchar(100),
    InstallDate nvarchar(10)
)
GO

CREATE TABLE tblPmxWorkOrder (
    ID          int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    WorkOrderNo nvarchar(20),
    EquipmentID int,
    RequestDate nvarchar(10),
    FinishDate  nvarchar(10),
    Description nvarchar(500),
    IsDone      bit
)
GO

CREATE TABLE tblPmxWorkOrderEmployee (
    ID          int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    WorkOrderID int,
    EmployeeID  int,
    Hours       float,
    HourlyRate  money
)
GO

CREATE TABLE tblPmxWorkOrderPart (
    ID          int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    WorkOrderID int,
    PartID      int,
    Quantity    int,
    UnitPrice   money
)
GO

CREATE TABLE tblPmxTool (
    ID   int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    Name nvarchar(100)
)
GO

CREATE TABLE tblPmxWorkOrderTool (
    ID          int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    WorkOrderID int,
    ToolID      int,
    Hours       float
)
GO

CREATE TABLE tblPmxPart (
    ID        int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    Code      nvarchar(20),
    Name      nvarchar(100),
    UnitPrice money
)
GO

-- ---------------------------------------------------------------------- views

CREATE VIEW vwKelvoBasePath AS
    SELECT BasePath FROM tblKelvoBasePath
GO

CREATE VIEW vwpmxreport AS
    SELECT w.ID AS WorkOrderID, w.WorkOrderNo, w.EquipmentID, e.Name AS EquipmentName,
           e.Location, w.RequestDate, w.FinishDate, w.Description, w.IsDone
    FROM tblPmxWorkOrder w
    LEFT OUTER JOIN tblPmxEquipment e ON e.ID = w.EquipmentID
GO

CREATE VIEW vwPmxrptConsumeEmployeeR AS
    SELECT we.WorkOrderID, we.EmployeeID, emp.FirstName, emp.SureName, we.Hours, we.HourlyRate,
           we.Hours * we.HourlyRate AS Cost
    FROM tblPmxWorkOrderEmployee we
    LEFT OUTER JOIN tblEmployee emp ON emp.ID = we.EmployeeID
GO

CREATE VIEW vwPmxrptConsumePartR AS
    SELECT wp.WorkOrderID, wp.PartID, p.Name AS PartName, wp.Quantity, wp.UnitPrice,
           wp.Quantity * wp.UnitPrice AS Cost
    FROM tblPmxWorkOrderPart wp
    LEFT OUTER JOIN tblPmxPart p ON p.ID = wp.PartID
GO

CREATE VIEW vwPmxrptConsumeToolR AS
    SELECT wt.WorkOrderID, wt.ToolID, t.Name AS ToolName, wt.Hours
    FROM tblPmxWorkOrderTool wt
    LEFT OUTER JOIN tblPmxTool t ON t.ID = wt.ToolID
GO

-- Selector views (contract at the top of this script).

CREATE VIEW vwKelvoTableMajor AS
    SELECT t.ID AS ID, t.Name AS Code, coalesce(t.Description, t.Name) AS Name, t.SystemID AS Value
    FROM tblKelvoTable t
GO

CREATE VIEW vwKelvoTableMinor AS
    SELECT t.ID AS ID, t.Name AS Code, t.Description AS Name, t.SystemID AS Value
    FROM tblKelvoTable t
    WHERE LEN(t.Description) > 0 AND (t.Visible = 1 OR t.Visible IS NULL)
GO

CREATE VIEW vwKelvoSystemMajor AS
    SELECT s.ID AS ID, CAST(s.ID AS nvarchar(10)) AS Code, s.Name AS Name,
           (SELECT count(*) FROM tblKelvoTable t WHERE t.SystemID = s.ID) AS Value
    FROM tblKelvoSystem s
GO

CREATE VIEW vwKelvoSystemMinor AS
    SELECT s.ID AS ID, CAST(s.ID AS nvarchar(10)) AS Code, s.Name AS Name,
           (SELECT count(*) FROM tblKelvoTable t WHERE t.SystemID = s.ID) AS Value
    FROM tblKelvoSystem s
    WHERE LEN(s.Name) > 0 AND (s.NotVisible = 0 OR s.NotVisible IS NULL)
GO

CREATE VIEW vwusersMajor AS
    SELECT u.ID AS ID, u.Alias AS Code, u.FullName AS Name, u.EmployeeID AS Value
    FROM tblUser u
GO

CREATE VIEW vwUserMinor AS
    SELECT u.ID AS ID, u.Alias AS Code, u.FullName AS Name, u.EmployeeID AS Value
    FROM tblUser u
    WHERE u.IsActive = 1 OR u.IsActive IS NULL
GO

CREATE VIEW vwKelvoFormTypeMajor AS
    SELECT f.ID AS ID, f.FileName AS Code, coalesce(f.Name, f.FileName) AS Name, f.ReportID AS Value
    FROM tblKelvoFormType f
GO

CREATE VIEW vwKelvoFormTypeMinor AS
    SELECT f.ID AS ID, f.FileName AS Code, coalesce(f.Name, f.FileName) AS Name, f.ReportID AS Value
    FROM tblKelvoFormType f
GO

-- Captions: Code the English text, Name the Persian text (LangID 1), Value
-- the number of languages the caption is written in.
CREATE VIEW vwKelvoLangCaptionsMajor AS
    SELECT c.ID AS ID, c.EngCaption AS Code,
           coalesce((SELECT l.Caption FROM tblKelvoLangCaption l WHERE l.CaptionID = c.ID AND l.LangID = 1),
                    c.EngCaption) AS Name,
           (SELECT count(*) FROM tblKelvoLangCaption l WHERE l.CaptionID = c.ID) AS Value
    FROM tblKelvoCaption c
GO

CREATE VIEW vwKelvoLangCaptionsMinor AS
    SELECT c.ID AS ID, c.EngCaption AS Code,
           coalesce((SELECT l.Caption FROM tblKelvoLangCaption l WHERE l.CaptionID = c.ID AND l.LangID = 1),
                    c.EngCaption) AS Name,
           (SELECT count(*) FROM tblKelvoLangCaption l WHERE l.CaptionID = c.ID) AS Value
    FROM tblKelvoCaption c
    WHERE LEN(c.EngCaption) > 0
GO

CREATE VIEW vwkelvoReportMajor AS
    SELECT r.ID AS ID, coalesce(r.Alias, CAST(r.ID AS nvarchar(10))) AS Code, r.Title AS Name, r.SystemID AS Value
    FROM tblKelvoReport r
GO

-- Scratch reports (alias "فهرست موقت") are not offered.
CREATE VIEW vwkelvoReportMinor AS
    SELECT r.ID AS ID, coalesce(r.Alias, CAST(r.ID AS nvarchar(10))) AS Code, r.Title AS Name, r.SystemID AS Value
    FROM tblKelvoReport r
    WHERE r.Alias IS NULL OR r.Alias <> N'فهرست موقت'
GO

CREATE VIEW tblKelvoReportGroupMajor AS
    SELECT g.ID AS ID, CAST(g.ID AS nvarchar(10)) AS Code, g.Name AS Name,
           (SELECT count(*) FROM tblKelvoReport r WHERE r.GroupID = g.ID) AS Value
    FROM tblKelvoReportGroup g
GO

CREATE VIEW tblKelvoReportGroupMinor AS
    SELECT g.ID AS ID, CAST(g.ID AS nvarchar(10)) AS Code, g.Name AS Name,
           (SELECT count(*) FROM tblKelvoReport r WHERE r.GroupID = g.ID) AS Value
    FROM tblKelvoReportGroup g
    WHERE LEN(g.Name) > 0
GO

-- Stored procedures offered for action buttons and procedure reports.
CREATE VIEW vwStoredProcedures AS
    SELECT o.id AS ID, o.name AS name
    FROM sysobjects o
    WHERE o.xtype = 'P'
GO

CREATE VIEW vwStoredProcedureMajor AS
    SELECT o.id AS ID, o.name AS Code, o.name AS Name,
           (SELECT count(*) FROM syscolumns c WHERE c.id = o.id) AS Value
    FROM sysobjects o
    WHERE o.xtype = 'P'
GO

CREATE VIEW vwStoredProcedureMinor AS
    SELECT o.id AS ID, o.name AS Code, o.name AS Name,
           (SELECT count(*) FROM syscolumns c WHERE c.id = o.id) AS Value
    FROM sysobjects o
    WHERE o.xtype = 'P' AND LEFT(o.name, 6) <> 'sp_cft'
GO

-- ----------------------------------------------------------------- procedures

-- Registers a caption: returns its new number and writes its Persian
-- (LangID 1) and English (LangID 2) texts. An empty text takes the other;
-- both empty register nothing and return 0.
CREATE PROCEDURE spKelvoAddCaption @PVCaption nvarchar(255), @EngCaption nvarchar(255)
AS
BEGIN
    SET NOCOUNT ON
    SET XACT_ABORT ON
    SET @PVCaption = LTRIM(RTRIM(ISNULL(@PVCaption, N'')))
    SET @EngCaption = LTRIM(RTRIM(ISNULL(@EngCaption, N'')))
    IF @PVCaption = N'' SET @PVCaption = @EngCaption
    IF @EngCaption = N'' SET @EngCaption = @PVCaption
    IF @EngCaption = N'' RETURN 0
    DECLARE @ID int
    BEGIN TRANSACTION
    INSERT INTO tblKelvoCaption (EngCaption) VALUES (@EngCaption)
    SET @ID = SCOPE_IDENTITY()
    INSERT INTO tblKelvoLangCaption (CaptionID, LangID, Caption) VALUES (@ID, 1, @PVCaption)
    INSERT INTO tblKelvoLangCaption (CaptionID, LangID, Caption) VALUES (@ID, 2, @EngCaption)
    COMMIT TRANSACTION
    RETURN @ID
END
GO

-- 1 when tblUserPermission grants the numbered operation to the user.
CREATE PROCEDURE spKelvoHasPermission @UserID int, @FormPermissionID int
AS
BEGIN
    SET NOCOUNT ON
    IF EXISTS (SELECT 1 FROM tblUserPermission WHERE UserID = @UserID AND FormPermissionID = @FormPermissionID)
        RETURN 1
    RETURN 0
END
GO

-- Adds dictionary rows for the tables, views and columns of the database
-- that the dictionary lacks (without descriptions: they are offered once
-- described). Returns the number of rows added.
CREATE PROCEDURE spKelvoUpdateTables
AS
BEGIN
    SET NOCOUNT ON
    SET XACT_ABORT ON
    DECLARE @Added int
    BEGIN TRANSACTION
    INSERT INTO tblKelvoTable (Name)
        SELECT o.name FROM sysobjects o
        WHERE o.xtype IN ('U', 'V') AND o.name NOT LIKE 'sys%'
          AND NOT EXISTS (SELECT 1 FROM tblKelvoTable t WHERE t.Name = o.name)
    SET @Added = @@ROWCOUNT
    INSERT INTO tblKelvoColumn (TableName, Name, Type, OrderNumber, IsPrimaryKey)
        SELECT o.name, c.name, (SELECT ty.name FROM systypes ty WHERE ty.xusertype = c.xusertype), c.colorder, 0
        FROM sysobjects o INNER JOIN syscolumns c ON c.id = o.id
        WHERE o.xtype IN ('U', 'V')
          AND EXISTS (SELECT 1 FROM tblKelvoTable t WHERE t.Name = o.name)
          AND NOT EXISTS (SELECT 1 FROM tblKelvoColumn k WHERE k.TableName = o.name AND k.Name = c.name)
    SET @Added = @Added + @@ROWCOUNT
    COMMIT TRANSACTION
    RETURN @Added
END
GO

-- Grants one form (a report) of one form type to a position; returns the
-- new row's identifier. CanEdit is set by the caller.
CREATE PROCEDURE spKelvoFormSecurePosAddNew @FormID int, @FormTypeID int, @SecurePositionID int,
    @SecureUserID int, @IsActive int, @ActivatorUserID int, @ActivateDate datetime,
    @PVActivateDate nvarchar(10), @DeactivatorUserID int, @DeactivateDate datetime,
    @PVDeactivateDate nvarchar(10)
AS
BEGIN
    SET NOCOUNT ON
    INSERT INTO tblKelvoAllowablePositions (FormID, FormTypeID, SecurePositionID, SecureUserID, IsActive,
        ActivatorUserID, ActivateDate, PVActivateDate, DeactivatorUserID, DeactivateDate, PVDeactivateDate)
    VALUES (@FormID, @FormTypeID, @SecurePositionID, @SecureUserID, @IsActive, @ActivatorUserID, @ActivateDate,
        @PVActivateDate, @DeactivatorUserID, @DeactivateDate, @PVDeactivateDate)
    RETURN CAST(SCOPE_IDENTITY() AS int)
END
GO

-- The forms granted to a position (FormID, CanEdit); @interQuery gives the
-- list as a sub-select, @OuterQuery a condition on ID built from it.
CREATE PROCEDURE spKelvoFormSecurePosition @FormTypeID int, @SecurePositionID int,
    @interQuery nvarchar(4000) OUTPUT, @OuterQuery nvarchar(4000) OUTPUT
AS
BEGIN
    SET NOCOUNT ON
    SET @interQuery = N'Select FormID From tblKelvoAllowablePositions Where FormTypeID=' + CAST(@FormTypeID AS nvarchar(12))
        + N' and SecurePositionID=' + CAST(@SecurePositionID AS nvarchar(12)) + N' and isnull(IsActive,1)=1'
    SET @OuterQuery = N'ID in (' + @interQuery + N')'
    SELECT FormID, CanEdit FROM tblKelvoAllowablePositions
    WHERE FormTypeID = @FormTypeID AND SecurePositionID = @SecurePositionID AND ISNULL(IsActive, 1) = 1
    ORDER BY FormID
    RETURN 0
END
GO

-- 1 when the position may edit the form.
CREATE PROCEDURE spKelvoFormCanEdit @PositionID int, @FormID int, @FormTypeID int
AS
BEGIN
    SET NOCOUNT ON
    IF EXISTS (SELECT 1 FROM tblKelvoAllowablePositions WHERE FormID = @FormID AND FormTypeID = @FormTypeID
               AND SecurePositionID = @PositionID AND CanEdit = 1)
        RETURN 1
    RETURN 0
END
GO

-- The display column of a table: the column flagged IsAlternativeName in
-- the dictionary, else one named Name, Title or Description. @DifferentNameAlt
-- is 1 when that column is not called Name; @DoCombine is 1 when the table
-- also has a Code column (a row reads best as code and name together).
CREATE PROCEDURE spKelvoGetTableAlternativeName @Table nvarchar(128), @NameAlt nvarchar(128) OUTPUT,
    @DifferentNameAlt int OUTPUT, @DoCombine int OUTPUT
AS
BEGIN
    SET NOCOUNT ON
    SET @NameAlt = (SELECT TOP 1 Name FROM tblKelvoColumn WHERE TableName = @Table AND IsAlternativeName = 1
                    ORDER BY OrderNumber, ID)
    IF @NameAlt IS NULL
        SET @NameAlt = (SELECT TOP 1 c.name FROM syscolumns c WHERE c.id = OBJECT_ID(@Table)
                          AND c.name IN ('Name', 'Title', 'Description')
                        ORDER BY CASE c.name WHEN 'Name' THEN 1 WHEN 'Title' THEN 2 ELSE 3 END)
    IF @NameAlt IS NULL
        SET @NameAlt = (SELECT TOP 1 Name FROM tblKelvoColumn WHERE TableName = @Table
                          AND Name IN ('Name', 'Title', 'Description')
                        ORDER BY CASE Name WHEN 'Name' THEN 1 WHEN 'Title' THEN 2 ELSE 3 END)
    SET @NameAlt = ISNULL(@NameAlt, N'')
    SET @DifferentNameAlt = CASE WHEN @NameAlt <> N'' AND @NameAlt <> N'Name' THEN 1 ELSE 0 END
    SET @DoCombine = CASE WHEN @NameAlt <> N''
                           AND (EXISTS (SELECT 1 FROM syscolumns WHERE id = OBJECT_ID(@Table) AND name = 'Code')
                                OR EXISTS (SELECT 1 FROM tblKelvoColumn WHERE TableName = @Table AND Name = 'Code'))
                          THEN 1 ELSE 0 END
    RETURN 0
END
GO

-- The selector views of a table: those of its key column in the dictionary,
-- else those of a column that refers to it, else "vw<stem>Major" and
-- "vw<stem>Minor" of a table "tbl<stem>" when both exist.
CREATE PROCEDURE spKelvoGetMajorMinorViews @ReferenceTable nvarchar(128), @MajorView nvarchar(128) OUTPUT,
    @MinorView nvarchar(128) OUTPUT
AS
BEGIN
    SET NOCOUNT ON
    SET @MajorView = NULL
    SELECT TOP 1 @MajorView = MajorView, @MinorView = MinorView FROM tblKelvoColumn
    WHERE TableName = @ReferenceTable AND IsPrimaryKey = 1 AND LEN(MajorView) > 0 ORDER BY OrderNumber
    IF @MajorView IS NULL
        SELECT TOP 1 @MajorView = c.MajorView, @MinorView = c.MinorView
        FROM tblKelvoRelatedTables r
        INNER JOIN tblKelvoColumn c ON c.TableName = r.DependentTable AND c.Name = r.ForeignKey
        WHERE r.ReferenceTable = @ReferenceTable AND LEN(c.MajorView) > 0 ORDER BY r.ID
    IF @MajorView IS NULL AND LEFT(@ReferenceTable, 3) = 'tbl'
       AND OBJECT_ID(N'vw' + SUBSTRING(@ReferenceTable, 4, 128) + N'Major') IS NOT NULL
       AND OBJECT_ID(N'vw' + SUBSTRING(@ReferenceTable, 4, 128) + N'Minor') IS NOT NULL
    BEGIN
        SET @MajorView = N'vw' + SUBSTRING(@ReferenceTable, 4, 128) + N'Major'
        SET @MinorView = N'vw' + SUBSTRING(@ReferenceTable, 4, 128) + N'Minor'
    END
    SET @MajorView = ISNULL(@MajorView, N'')
    SET @MinorView = ISNULL(@MinorView, N'')
    RETURN 0
END
GO

-- One parameter of a report for a dictionary column: named after the
-- column, typed, titled and given views from the dictionary, with the next
-- ParameterID and Sequence. An existing parameter of that name is kept.
-- Returns the parameter's ParameterID.
CREATE PROCEDURE spKelvoCreateReportParameter @ReportID int, @TableName nvarchar(128), @ColumnName nvarchar(128)
AS
BEGIN
    SET NOCOUNT ON
    SET XACT_ABORT ON
    IF NOT EXISTS (SELECT 1 FROM tblKelvoReport WHERE ID = @ReportID)
    BEGIN
        RAISERROR (N'Report %d does not exist.', 16, 1, @ReportID)
        RETURN -1
    END
    DECLARE @Name nvarchar(128), @Description nvarchar(255), @Type nvarchar(50), @Major nvarchar(128),
            @Minor nvarchar(128), @CaptionID int, @Control int, @ParameterID int, @Sequence int
    SELECT @Name = Name, @Description = Description, @Type = Type, @Major = NULLIF(LTRIM(RTRIM(MajorView)), N''),
           @Minor = NULLIF(LTRIM(RTRIM(MinorView)), N''), @CaptionID = CaptionID, @Control = ControlID
    FROM tblKelvoColumn WHERE TableName = @TableName AND Name = @ColumnName
    IF @Name IS NULL
    BEGIN
        RAISERROR (N'The dictionary has no column %s in table %s.', 16, 1, @ColumnName, @TableName)
        RETURN -1
    END
    BEGIN TRANSACTION
    SET @ParameterID = (SELECT TOP 1 ParameterID FROM tblKelvoReportParameter WITH (UPDLOCK, HOLDLOCK)
                        WHERE ReportID = @ReportID AND Name = @Name ORDER BY ParameterID)
    IF @ParameterID IS NULL
    BEGIN
        SET @Type = ISNULL(NULLIF(LTRIM(RTRIM(@Type)), N''), N'varchar')
        SET @Description = ISNULL(NULLIF(LTRIM(RTRIM(@Description)), N''), @Name)
        IF ISNULL(@Control, 0) = 0
            SET @Control = CASE WHEN UPPER(@Type) IN ('DATETIME', 'SMALLDATETIME') THEN 1005
                                WHEN @Major IS NOT NULL AND @Minor IS NOT NULL THEN 13
                                WHEN @Major IS NOT NULL THEN 1003
                                ELSE 1002 END
        SELECT @ParameterID = ISNULL(MAX(ParameterID), 0) + 1, @Sequence = ISNULL(MAX(Sequence), 0) + 1
        FROM tblKelvoReportParameter WITH (UPDLOCK, HOLDLOCK) WHERE ReportID = @ReportID
        INSERT INTO tblKelvoReportParameter (ReportID, ParameterID, Name, Type, ControlTypeID, Description, MajorView,
            MinorView, ColSpan, RowSpan, Sequence, Visible, CaptionID)
        VALUES (@ReportID, @ParameterID, @Name, @Type, @Control, @Description, @Major, @Minor, 1,
            CASE WHEN @Control = 1007 THEN 5 ELSE 1 END, @Sequence, 1, @CaptionID)
    END
    COMMIT TRANSACTION
    RETURN @ParameterID
END
GO

-- Creates a report row (the query split into SQLQuery, its first 8000
-- characters, and Reserved) and returns its identifier.
CREATE PROCEDURE spKelvoAddNewReport @Title nvarchar(255), @Description nvarchar(1000), @SystemID int,
    @CreatorID int, @CreateDate datetime, @PVCreateDate nvarchar(10), @GroupID int,
    @SQLQuery nvarchar(max), @PVSQLQuery nvarchar(max)
AS
BEGIN
    SET NOCOUNT ON
    INSERT INTO tblKelvoReport (Title, Notes, SystemID, CreatorID, CreateDate, FarsiCreateDate, GroupID,
        SQLQuery, Reserved, FarsiSQLQuery)
    VALUES (@Title, @Description, @SystemID, @CreatorID, @CreateDate, @PVCreateDate, @GroupID,
        NULLIF(LEFT(@SQLQuery, 8000), N''), CASE WHEN LEN(@SQLQuery) > 8000 THEN SUBSTRING(@SQLQuery, 8001, LEN(@SQLQuery)) END,
        NULLIF(@PVSQLQuery, N''))
    RETURN CAST(SCOPE_IDENTITY() AS int)
END
GO

-- Rewrites the columns of spKelvoAddNewReport; returns the rows changed.
CREATE PROCEDURE spKelvoUpdateReport @ID int, @Title nvarchar(255), @Description nvarchar(1000), @SystemID int,
    @CreatorID int, @CreateDate datetime, @PVCreateDate nvarchar(10), @GroupID int,
    @SQLQuery nvarchar(max), @PVSQLQuery nvarchar(max)
AS
BEGIN
    SET NOCOUNT ON
    UPDATE tblKelvoReport SET Title = @Title, Notes = @Description, SystemID = @SystemID, CreatorID = @CreatorID,
        CreateDate = @CreateDate, FarsiCreateDate = @PVCreateDate, GroupID = @GroupID,
        SQLQuery = NULLIF(LEFT(@SQLQuery, 8000), N''),
        Reserved = CASE WHEN LEN(@SQLQuery) > 8000 THEN SUBSTRING(@SQLQuery, 8001, LEN(@SQLQuery)) END,
        FarsiSQLQuery = NULLIF(@PVSQLQuery, N'')
    WHERE ID = @ID
    RETURN @@ROWCOUNT
END
GO

-- Refills the maintenance module's four snapshot tables from their views.
-- Returns the number of rows copied.
CREATE PROCEDURE spPmxUpdateReportTables
AS
BEGIN
    SET NOCOUNT ON
    SET XACT_ABORT ON
    DECLARE @Copied int
    BEGIN TRANSACTION
    DELETE FROM tblPmxVWREPORT
    INSERT INTO tblPmxVWREPORT (WorkOrderID, WorkOrderNo, EquipmentID, EquipmentName, Location, RequestDate,
        FinishDate, Description, IsDone)
        (SELECT WorkOrderID, WorkOrderNo, EquipmentID, EquipmentName, Location, RequestDate, FinishDate,
            Description, IsDone FROM vwpmxreport)
    SET @Copied = @@ROWCOUNT
    DELETE FROM tblPmxVWConsumeEmployeeR
    INSERT INTO tblPmxVWConsumeEmployeeR (WorkOrderID, EmployeeID, FirstName, SureName, Hours, HourlyRate, Cost)
        (SELECT WorkOrderID, EmployeeID, FirstName, SureName, Hours, HourlyRate, Cost FROM vwPmxrptConsumeEmployeeR)
    SET @Copied = @Copied + @@ROWCOUNT
    DELETE FROM tblPmxVWConsumePartR
    INSERT INTO tblPmxVWConsumePartR (WorkOrderID, PartID, PartName, Quantity, UnitPrice, Cost)
        (SELECT WorkOrderID, PartID, PartName, Quantity, UnitPrice, Cost FROM vwPmxrptConsumePartR)
    SET @Copied = @Copied + @@ROWCOUNT
    DELETE FROM tblPmxVWConsumeToolR
    INSERT INTO tblPmxVWConsumeToolR (WorkOrderID, ToolID, ToolName, Hours)
        (SELECT WorkOrderID, ToolID, ToolName, Hours FROM vwPmxrptConsumeToolR)
    SET @Copied = @Copied + @@ROWCOUNT
    COMMIT TRANSACTION
    RETURN @Copied
END
GO
