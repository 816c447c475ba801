-- Report repository for the embedded store: every table and view the report
-- generator reads or writes, plus the host tables it relies on (users,
-- employees, positions, parameters, base path, form types).
--
-- Conventions of this script
--   * Declared types are SQL Server type names (int, smallint, bit, money,
--     nvarchar(n), ntext, datetime) so that the catalogue views report them
--     as a SQL Server host would.
--   * Identity columns are INTEGER PRIMARY KEY AUTOINCREMENT.
--   * Every text column is COLLATE NOCASE: text compares without regard to
--     case, as under SQL Server's default collation.
--   * Views use only what both dialects share (coalesce, CASE, CAST, count),
--     so the SQL Server script carries the same view bodies.
--
-- Selector views (the Major/Minor pairs) all follow one contract:
--   ID     int   the row's identifier, what the selector's ID reads and sets
--   Code   text  the row's code, what the selector's Code reads
--                (a table name, a procedure name, an English caption …)
--   Name   text  what the user reads in the list
--   Value  num   one further numeric value of the row (for the
--                stored-procedure views: the number of parameters)
-- The Major view lists every row the selector can resolve an ID to; the
-- Minor view lists the rows offered for choosing (hidden, undescribed or
-- scratch rows left out). Filters such as " left(name,6)<>'sp_cft' " are
-- applied on top of either view, so `Name` is the procedure name in the
-- stored-procedure views.
--
-- The store's own procedure declarations live in procedures.sql.

-- ---------------------------------------------------------------- dictionary

CREATE TABLE tblKelvoSystem (
    ID                 int NOT NULL PRIMARY KEY,
    Name               nvarchar(100) COLLATE NOCASE,
    NotVisible         bit,
    CaptionID          int,
    ShortNameCaptionID int
);

CREATE TABLE tblKelvoTable (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    Name        nvarchar(128) COLLATE NOCASE NOT NULL UNIQUE,
    Description nvarchar(255) COLLATE NOCASE,
    SystemID    int,
    Visible     bit,
    Type        int,
    CaptionID   int
);

-- IsAlternativeName marks the column that names a row of its table (the
-- display column that spKelvoGetTableAlternativeName answers).
CREATE TABLE tblKelvoColumn (
    ID                INTEGER PRIMARY KEY AUTOINCREMENT,
    TableName         nvarchar(128) COLLATE NOCASE NOT NULL,
    Name              nvarchar(128) COLLATE NOCASE NOT NULL,
    Description       nvarchar(255) COLLATE NOCASE,
    Type              nvarchar(50) COLLATE NOCASE,
    MajorView         nvarchar(128) COLLATE NOCASE,
    MinorView         nvarchar(128) COLLATE NOCASE,
    ControlID         int,
    CaptionID         int,
    OrderNumber       int,
    IsPrimaryKey      bit,
    IsAlternativeName bit,
    UNIQUE (TableName, Name)
);

CREATE TABLE tblKelvoRelatedTables (
    ID             INTEGER PRIMARY KEY AUTOINCREMENT,
    ForeignKey     nvarchar(128) COLLATE NOCASE NOT NULL,
    DependentTable nvarchar(128) COLLATE NOCASE NOT NULL,
    ReferenceKey   nvarchar(128) COLLATE NOCASE NOT NULL,
    ReferenceTable nvarchar(128) COLLATE NOCASE NOT NULL
);
CREATE INDEX IX_tblKelvoRelatedTables_Dependent ON tblKelvoRelatedTables (DependentTable, ForeignKey);

CREATE TABLE tblKelvoControlType (
    ID   int NOT NULL PRIMARY KEY,
    Name nvarchar(100) COLLATE NOCASE
);

-- Languages of tblKelvoLangCaption: 1 Persian, 2 English.
CREATE TABLE tblKelvoLanguage (
    ID   int NOT NULL PRIMARY KEY,
    Name nvarchar(50) COLLATE NOCASE
);

CREATE TABLE tblKelvoCaption (
    ID         INTEGER PRIMARY KEY AUTOINCREMENT,
    EngCaption nvarchar(255) COLLATE NOCASE
);

CREATE TABLE tblKelvoLangCaption (
    CaptionID int NOT NULL,
    LangID    int NOT NULL,
    Caption   nvarchar(255) COLLATE NOCASE,
    PRIMARY KEY (CaptionID, LangID)
);

CREATE TABLE tblAlias (
    ID   int NOT NULL PRIMARY KEY,
    Name nvarchar(255) COLLATE NOCASE
);

-- --------------------------------------------------------- report definitions

CREATE TABLE tblKelvoReport (
    ID                     INTEGER PRIMARY KEY AUTOINCREMENT,
    Title                  nvarchar(255) COLLATE NOCASE,
    Alias                  nvarchar(100) COLLATE NOCASE,
    Notes                  nvarchar(1000) COLLATE NOCASE,
    Description            nvarchar(1000) COLLATE NOCASE,
    SystemID               int,
    GroupID                int,
    FormTypeID             int,
    CreatorID              int,
    CreateDate             datetime,
    FarsiCreateDate        nvarchar(10) COLLATE NOCASE,
    IsGeneral              smallint,
    MakeSecure             bit,
    MediaVisible           bit,
    MakeTree               smallint,
    ShowFlatternParameters bit,
    SQLQuery               ntext COLLATE NOCASE,
    FarsiSQLQuery          ntext COLLATE NOCASE,
    Reserved               ntext COLLATE NOCASE,
    IsStoredProcedure      bit,
    SQLSP                  nvarchar(2000) COLLATE NOCASE,
    FarsiSQLSP             nvarchar(2000) COLLATE NOCASE,
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
);
CREATE INDEX IX_tblKelvoReport_Title ON tblKelvoReport (Title);

CREATE TABLE tblKelvoReportLayout (
    ReportID      int NOT NULL,
    ColumnNumber  int NOT NULL,
    Alignment     int,
    Width         int,
    MergeType     int,
    TransposeType int,
    MakeSum       bit,
    MakeAverage   bit
);
CREATE INDEX IX_tblKelvoReportLayout_Report ON tblKelvoReportLayout (ReportID, ColumnNumber);

CREATE TABLE tblKelvoReportTranspose (
    ReportID            int NOT NULL,
    ColumnNumber        int NOT NULL,
    Alignment           int,
    Width               int,
    MergeType           int,
    InvisibleInTextFile bit
);
CREATE INDEX IX_tblKelvoReportTranspose_Report ON tblKelvoReportTranspose (ReportID, ColumnNumber);

CREATE TABLE tblKelvoReportExpression (
    ReportID              int NOT NULL,
    ColumnNumber          int,
    Name                  nvarchar(255) COLLATE NOCASE,
    GeneralExpression     ntext COLLATE NOCASE,
    FirstRowExpression    ntext COLLATE NOCASE,
    JustShowPositiveValue bit,
    CaptionID             int
);
CREATE INDEX IX_tblKelvoReportExpression_Report ON tblKelvoReportExpression (ReportID);

CREATE TABLE tblKelvoReportColor (
    ReportID  int NOT NULL,
    Value     nvarchar(255) COLLATE NOCASE,
    ForeColor int,
    BackColor int
);
CREATE INDEX IX_tblKelvoReportColor_Report ON tblKelvoReportColor (ReportID);

CREATE TABLE tblKelvoReportParameter (
    ReportID      int NOT NULL,
    ParameterID   int NOT NULL,
    Name          nvarchar(128) COLLATE NOCASE,
    Type          nvarchar(50) COLLATE NOCASE,
    ControlTypeID int,
    Description   nvarchar(255) COLLATE NOCASE,
    MajorView     nvarchar(128) COLLATE NOCASE,
    MinorView     nvarchar(128) COLLATE NOCASE,
    ColSpan       int,
    RowSpan       int,
    Sequence      int,
    Visible       bit,
    CaptionID     int
);
CREATE INDEX IX_tblKelvoReportParameter_Report ON tblKelvoReportParameter (ReportID, ParameterID);

CREATE TABLE tblKelvoReportAliases (
    ReportID   int NOT NULL,
    ColFormula ntext COLLATE NOCASE,
    ColAlias   nvarchar(255) COLLATE NOCASE
);
CREATE INDEX IX_tblKelvoReportAliases_Report ON tblKelvoReportAliases (ReportID);

CREATE TABLE tblKelvoRelatedReports (
    CallerReportID     int NOT NULL,
    CalledReportID     int NOT NULL,
    CalledParameterID  int,
    CallerReportColumn nvarchar(255) COLLATE NOCASE,
    CallerParameterID  int,
    isSecondary        bit
);
CREATE INDEX IX_tblKelvoRelatedReports_Caller ON tblKelvoRelatedReports (CallerReportID);
CREATE INDEX IX_tblKelvoRelatedReports_Called ON tblKelvoRelatedReports (CalledReportID);

CREATE TABLE tblKelvoReportDiagram (
    ReportID       int NOT NULL,
    IsAccumulative bit,
    DiagramTypeID  int,
    ChartXColNo    int
);

CREATE TABLE tblKelvoReportDiagramCols (
    ReportID    int NOT NULL,
    ChartYColNo int
);

CREATE TABLE tblKelvoReportButtons (
    ID       INTEGER PRIMARY KEY AUTOINCREMENT,
    ReportID int NOT NULL,
    Caption  nvarchar(255) COLLATE NOCASE,
    SPName   nvarchar(128) COLLATE NOCASE
);

CREATE TABLE tblKelvoReportButtonsDetail (
    ButtonID int NOT NULL,
    Seq      int NOT NULL,
    ParName  nvarchar(255) COLLATE NOCASE,
    Type     nvarchar(50) COLLATE NOCASE
);

CREATE TABLE tblKelvoReportDistributionDetail (
    ReportID int NOT NULL,
    Value    nvarchar(255) COLLATE NOCASE,
    Sequence int
);

CREATE TABLE tblKelvoReportGroup (
    ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    Name nvarchar(255) COLLATE NOCASE
);

-- ID is the chart-type code of the chart control (3 two-dimensional line,
-- 14 two-dimensional pie …).
CREATE TABLE tblKelvoDiagramTypeL (
    ID   int NOT NULL PRIMARY KEY,
    Name nvarchar(100) COLLATE NOCASE
);

-- The host's own copy of the chart types (the main connection's
-- sqlDiagramTypeL command lists it).
CREATE TABLE tblAccDiagramTypeL (
    ID   int NOT NULL PRIMARY KEY,
    Name nvarchar(100) COLLATE NOCASE
);

-- ------------------------------------------------------- access and identity

CREATE TABLE tblKelvoAllowablePositions (
    ID                INTEGER PRIMARY KEY AUTOINCREMENT,
    FormID            int NOT NULL,
    FormTypeID        int NOT NULL,
    SecurePositionID  int NOT NULL,
    CanEdit           bit,
    SecureUserID      int,
    IsActive          bit,
    ActivatorUserID   int,
    ActivateDate      datetime,
    PVActivateDate    nvarchar(10) COLLATE NOCASE,
    DeactivatorUserID int,
    DeactivateDate    datetime,
    PVDeactivateDate  nvarchar(10) COLLATE NOCASE
);
CREATE INDEX IX_tblKelvoAllowablePositions_Form ON tblKelvoAllowablePositions (FormID, FormTypeID, SecurePositionID);

CREATE TABLE tblKelvoSamePermLevelPos (
    ID                INTEGER PRIMARY KEY AUTOINCREMENT,
    BasePositionID    int NOT NULL,
    RelatedPositionID int NOT NULL,
    FormTypeID        int NOT NULL,
    IsActive          bit
);

-- One row per ancestor of a position: LevelNumber 1 is the parent, 2 the
-- grandparent and so on.
CREATE TABLE tblPositionChilds (
    ChildID     int NOT NULL,
    PositionID  int NOT NULL,
    LevelNumber int NOT NULL,
    PRIMARY KEY (ChildID, PositionID)
);

CREATE TABLE tblUser (
    ID         INTEGER PRIMARY KEY AUTOINCREMENT,
    FullName   nvarchar(100) COLLATE NOCASE,
    Alias      nvarchar(50) COLLATE NOCASE,
    EmployeeID int,
    PositionID int,
    IsActive   bit
);

-- The host's permission table: a row grants one numbered operation
-- (230201 new report, 230202 edit, 230203 delete, 230204 search …) to a user.
CREATE TABLE tblUserPermission (
    UserID           int NOT NULL,
    FormPermissionID int NOT NULL,
    PRIMARY KEY (UserID, FormPermissionID)
);

CREATE TABLE tblEmployee (
    ID            INTEGER PRIMARY KEY AUTOINCREMENT,
    PersonnelCode nvarchar(10) COLLATE NOCASE,
    FirstName     nvarchar(50) COLLATE NOCASE,
    SureName      nvarchar(50) COLLATE NOCASE,
    FatherName    nvarchar(50) COLLATE NOCASE,
    NationalCode  nvarchar(10) COLLATE NOCASE,
    IsMale        bit,
    BirthDate     nvarchar(10) COLLATE NOCASE,
    HireDate      datetime,
    DepartmentID  int,
    JobID         int,
    CityID        int,
    Salary        money,
    IsMarried     bit,
    ChildCount    smallint
);

CREATE TABLE tblPosition (
    ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    Name         nvarchar(100) COLLATE NOCASE,
    ParentID     int,
    DepartmentID int,
    EmployeeID   int
);

-- ----------------------------------------------------------- host auxiliaries

CREATE TABLE tblKelvoSystemParameters (
    ID    int NOT NULL PRIMARY KEY,
    Name  nvarchar(100) COLLATE NOCASE,
    Value nvarchar(255) COLLATE NOCASE
);

CREATE TABLE tblKelvoBasePath (
    BasePath nvarchar(260) COLLATE NOCASE
);

CREATE TABLE tblKelvoFormType (
    ID             int NOT NULL PRIMARY KEY,
    Name           nvarchar(100) COLLATE NOCASE,
    FileName       nvarchar(128) COLLATE NOCASE,
    SearchReportID int,
    ReportID       int
);

CREATE TABLE tblKelvoFormTables (
    FormTypeID int NOT NULL,
    TableName  nvarchar(128) COLLATE NOCASE NOT NULL,
    IsPrimary  bit
);

-- Snapshot tables of the maintenance module, refilled from their views by
-- spPmxUpdateReportTables (each table's columns equal its view's).
CREATE TABLE tblPmxVWREPORT (
    WorkOrderID    int,
    WorkOrderNo    nvarchar(20) COLLATE NOCASE,
    EquipmentID    int,
    EquipmentName  nvarchar(100) COLLATE NOCASE,
    Location       nvarchar(100) COLLATE NOCASE,
    RequestDate    nvarchar(10) COLLATE NOCASE,
    FinishDate     nvarchar(10) COLLATE NOCASE,
    Description    nvarchar(500) COLLATE NOCASE,
    IsDone         bit
);

CREATE TABLE tblPmxVWConsumeEmployeeR (
    WorkOrderID  int,
    EmployeeID   int,
    FirstName    nvarchar(50) COLLATE NOCASE,
    SureName     nvarchar(50) COLLATE NOCASE,
    Hours        float,
    HourlyRate   money,
    Cost         money
);

CREATE TABLE tblPmxVWConsumePartR (
    WorkOrderID int,
    PartID      int,
    PartName    nvarchar(100) COLLATE NOCASE,
    Quantity    int,
    UnitPrice   money,
    Cost        money
);

CREATE TABLE tblPmxVWConsumeToolR (
    WorkOrderID int,
    ToolID      int,
    ToolName    nvarchar(100) COLLATE NOCASE,
    Hours       float
);

-- Host tables of the maintenance module that the four views read.
CREATE TABLE tblPmxEquipment (
    ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    Code        nvarchar(20) COLLATE NOCASE,
    Name        nvarchar(100) COLLATE NOCASE,
    Location    nvarchar(100) COLLATE NOCASE,
    InstallDate nvarchar(10) COLLATE NOCASE
);

CREATE TABLE tblPmxWorkOrder (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    WorkOrderNo nvarchar(20) COLLATE NOCASE,
    EquipmentID int,
    RequestDate nvarchar(10) COLLATE NOCASE,
    FinishDate  nvarchar(10) COLLATE NOCASE,
    Description nvarchar(500) COLLATE NOCASE,
    IsDone      bit
);

CREATE TABLE tblPmxWorkOrderEmployee (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    WorkOrderID int,
    EmployeeID  int,
    Hours       float,
    HourlyRate  money
);

CREATE TABLE tblPmxWorkOrderPart (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    WorkOrderID int,
    PartID      int,
    Quantity    int,
    UnitPrice   money
);

CREATE TABLE tblPmxTool (
    ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    Name nvarchar(100) COLLATE NOCASE
);

CREATE TABLE tblPmxWorkOrderTool (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    WorkOrderID int,
    ToolID      int,
    Hours       float
);

CREATE TABLE tblPmxPart (
    ID        INTEGER PRIMARY KEY AUTOINCREMENT,
    Code      nvarchar(20) COLLATE NOCASE,
    Name      nvarchar(100) COLLATE NOCASE,
    UnitPrice money
);

-- ---------------------------------------------------------------------- views

CREATE VIEW vwKelvoBasePath AS
    SELECT BasePath FROM tblKelvoBasePath;

CREATE VIEW vwpmxreport AS
    SELECT w.ID AS WorkOrderID, w.WorkOrderNo, w.EquipmentID, e.Name AS EquipmentName,
           e.Location, w.RequestDate, w.FinishDate, w.Description, w.IsDone
    FROM tblPmxWorkOrder w
    LEFT OUTER JOIN tblPmxEquipment e ON e.ID = w.EquipmentID;

CREATE VIEW vwPmxrptConsumeEmployeeR AS
    SELECT we.WorkOrderID, we.EmployeeID, emp.FirstName, emp.SureName, we.Hours, we.HourlyRate,
           we.Hours * we.HourlyRate AS Cost
    FROM tblPmxWorkOrderEmployee we
    LEFT OUTER JOIN tblEmployee emp ON emp.ID = we.EmployeeID;

CREATE VIEW vwPmxrptConsumePartR AS
    SELECT wp.WorkOrderID, wp.PartID, p.Name AS PartName, wp.Quantity, wp.UnitPrice,
           wp.Quantity * wp.UnitPrice AS Cost
    FROM tblPmxWorkOrderPart wp
    LEFT OUTER JOIN tblPmxPart p ON p.ID = wp.PartID;

CREATE VIEW vwPmxrptConsumeToolR AS
    SELECT wt.WorkOrderID, wt.ToolID, t.Name AS ToolName, wt.Hours
    FROM tblPmxWorkOrderTool wt
    LEFT OUTER JOIN tblPmxTool t ON t.ID = wt.ToolID;

-- Selector views (contract at the top of this script).

CREATE VIEW vwKelvoTableMajor AS
    SELECT t.ID AS ID, t.Name AS Code, coalesce(t.Description, t.Name) AS Name, t.SystemID AS Value
    FROM tblKelvoTable t;

CREATE VIEW vwKelvoTableMinor AS
    SELECT t.ID AS ID, t.Name AS Code, t.Description AS Name, t.SystemID AS Value
    FROM tblKelvoTable t
    WHERE length(t.Description) > 0 AND (t.Visible = 1 OR t.Visible IS NULL);

CREATE VIEW vwKelvoSystemMajor AS
    SELECT s.ID AS ID, CAST(s.ID AS nvarchar(10)) AS Code, s.Name AS Name,
           (SELECT count(*) FROM tblKelvoTable t WHERE t.SystemID = s.ID) AS Value
    FROM tblKelvoSystem s;

CREATE VIEW vwKelvoSystemMinor AS
    SELECT s.ID AS ID, CAST(s.ID AS nvarchar(10)) AS Code, s.Name AS Name,
           (SELECT count(*) FROM tblKelvoTable t WHERE t.SystemID = s.ID) AS Value
    FROM tblKelvoSystem s
    WHERE length(s.Name) > 0 AND (s.NotVisible = 0 OR s.NotVisible IS NULL);

CREATE VIEW vwusersMajor AS
    SELECT u.ID AS ID, u.Alias AS Code, u.FullName AS Name, u.EmployeeID AS Value
    FROM tblUser u;

CREATE VIEW vwUserMinor AS
    SELECT u.ID AS ID, u.Alias AS Code, u.FullName AS Name, u.EmployeeID AS Value
    FROM tblUser u
    WHERE u.IsActive = 1 OR u.IsActive IS NULL;

CREATE VIEW vwKelvoFormTypeMajor AS
    SELECT f.ID AS ID, f.FileName AS Code, coalesce(f.Name, f.FileName) AS Name, f.ReportID AS Value
    FROM tblKelvoFormType f;

CREATE VIEW vwKelvoFormTypeMinor AS
    SELECT f.ID AS ID, f.FileName AS Code, coalesce(f.Name, f.FileName) AS Name, f.ReportID AS Value
    FROM tblKelvoFormType f;

-- Captions: Code the English text, Name the Persian text (LangID 1), Value
-- the number of languages the caption is written in.
CREATE VIEW vwKelvoLangCaptionsMajor AS
    SELECT c.ID AS ID, c.EngCaption AS Code,
           coalesce((SELECT l.Caption FROM tblKelvoLangCaption l WHERE l.CaptionID = c.ID AND l.LangID = 1),
                    c.EngCaption) AS Name,
           (SELECT count(*) FROM tblKelvoLangCaption l WHERE l.CaptionID = c.ID) AS Value
    FROM tblKelvoCaption c;

CREATE VIEW vwKelvoLangCaptionsMinor AS
    SELECT c.ID AS ID, c.EngCaption AS Code,
           coalesce((SELECT l.Caption FROM tblKelvoLangCaption l WHERE l.CaptionID = c.ID AND l.LangID = 1),
                    c.EngCaption) AS Name,
           (SELECT count(*) FROM tblKelvoLangCaption l WHERE l.CaptionID = c.ID) AS Value
    FROM tblKelvoCaption c
    WHERE length(c.EngCaption) > 0;

CREATE VIEW vwkelvoReportMajor AS
    SELECT r.ID AS ID, coalesce(r.Alias, CAST(r.ID AS nvarchar(10))) AS Code, r.Title AS Name, r.SystemID AS Value
    FROM tblKelvoReport r;

-- Scratch reports (alias "فهرست موقت") are not offered.
CREATE VIEW vwkelvoReportMinor AS
    SELECT r.ID AS ID, coalesce(r.Alias, CAST(r.ID AS nvarchar(10))) AS Code, r.Title AS Name, r.SystemID AS Value
    FROM tblKelvoReport r
    WHERE r.Alias IS NULL OR r.Alias <> 'فهرست موقت';

CREATE VIEW tblKelvoReportGroupMajor AS
    SELECT g.ID AS ID, CAST(g.ID AS nvarchar(10)) AS Code, g.Name AS Name,
           (SELECT count(*) FROM tblKelvoReport r WHERE r.GroupID = g.ID) AS Value
    FROM tblKelvoReportGroup g;

CREATE VIEW tblKelvoReportGroupMinor AS
    SELECT g.ID AS ID, CAST(g.ID AS nvarchar(10)) AS Code, g.Name AS Name,
           (SELECT count(*) FROM tblKelvoReport r WHERE r.GroupID = g.ID) AS Value
    FROM tblKelvoReportGroup g
    WHERE length(g.Name) > 0;
