// The host procedures of the report repository, implemented natively for the
// embedded store. A catalogue declares each one with
// "CREATE PROCEDURE name @p type [OUTPUT], … AS EXTERNAL NAME KelvoHost.name"
// (schema/sqlite/procedures.sql). Every statement here binds its values;
// nothing a caller passes is ever pasted into SQL text. Procedures that write
// several rows run inside a savepoint, so they take effect whole or not at
// all, inside or outside a caller's transaction.
#include "platform/db/DbError.h"
#include "platform/db/sqlite/NativeProcedures.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QSet>

namespace kelvo::db {

namespace {

// Identifiers of tblKelvoControlType that parameters are created with.
constexpr int kTextBoxControl = 1002;
constexpr int kOneViewControl = 1003;
constexpr int kSelectorControl = 13;
constexpr int kDateControl = 1005;

// Languages of tblKelvoLangCaption.
constexpr int kPersian = 1;
constexpr int kEnglish = 2;

// The English query text is stored in chunks: SQLQuery holds the first 8000
// characters, Reserved the rest.
constexpr qsizetype kQueryChunk = 8000;

std::vector<QVariantList> rowsOf(SqliteBackend& db, const QString& sql, const QVariantList& params = {})
{
    std::unique_ptr<Cursor> cursor = db.query(sql, params);
    std::vector<QVariantList> rows;
    QVariantList row;
    while (cursor->fetch(row))
        rows.push_back(row);
    return rows;
}

// First column of the first row; null when there is no row.
QVariant scalar(SqliteBackend& db, const QString& sql, const QVariantList& params = {})
{
    std::unique_ptr<Cursor> cursor = db.query(sql, params);
    QVariantList row;
    QVariant value;
    if (cursor->fetch(row) && !row.isEmpty())
        value = row.first();
    while (cursor->fetch(row)) {
    }
    return value;
}

// A savepoint that rolls back unless release() ran.
class Savepoint {
public:
    explicit Savepoint(SqliteBackend& db) : m_db(db) { m_db.executeScript(QStringLiteral("SAVEPOINT kelvo_host")); }
    ~Savepoint()
    {
        if (m_open) {
            try {
                m_db.executeScript(QStringLiteral("ROLLBACK TO kelvo_host; RELEASE kelvo_host"));
            } catch (const DbError&) {
            }
        }
    }
    void release()
    {
        m_db.executeScript(QStringLiteral("RELEASE kelvo_host"));
        m_open = false;
    }

private:
    SqliteBackend& m_db;
    bool m_open = true;
};

QString textOf(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }

QString quotedName(const QString& name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// The columns of a table or view as the catalogue lists them, in order.
QStringList catalogueColumns(SqliteBackend& db, const QString& object)
{
    QStringList names;
    for (const QVariantList& row :
         rowsOf(db,
                QStringLiteral("SELECT c.name FROM sysobjects o INNER JOIN syscolumns c ON c.id = o.id "
                               "WHERE o.name = ? ORDER BY c.colorder"),
                {object}))
        names << row.value(0).toString();
    return names;
}

bool catalogueHasObject(SqliteBackend& db, const QString& name)
{
    return scalar(db, QStringLiteral("SELECT count(*) FROM sysobjects WHERE name = ?"), {name}).toLongLong() > 0;
}

// spKelvoAddCaption @PVCaption, @EngCaption: registers a caption and returns
// its new number, with its Persian (LangID 1) and English (LangID 2) texts.
// An empty text takes the other one; both empty register nothing (0).
void addCaption(NativeCall& call)
{
    QString persian = textOf(call.input(QStringLiteral("PVCaption"))).trimmed();
    QString english = textOf(call.input(QStringLiteral("EngCaption"))).trimmed();
    if (persian.isEmpty())
        persian = english;
    if (english.isEmpty())
        english = persian;
    if (english.isEmpty()) {
        call.returnValue = 0;
        return;
    }
    Savepoint savepoint(call.db);
    const QVariant id =
        call.db.execute(QStringLiteral("INSERT INTO tblKelvoCaption (EngCaption) VALUES (?)"), {english}).lastInsertId;
    const QString insertText =
        QStringLiteral("INSERT INTO tblKelvoLangCaption (CaptionID, LangID, Caption) VALUES (?, ?, ?)");
    call.db.execute(insertText, {id, kPersian, persian});
    call.db.execute(insertText, {id, kEnglish, english});
    savepoint.release();
    call.returnValue = id.toInt();
}

// spKelvoHasPermission @UserID, @FormPermissionID: 1 when tblUserPermission
// grants the numbered operation to the user, else 0.
void hasPermission(NativeCall& call)
{
    const QVariant n = scalar(call.db,
                              QStringLiteral("SELECT count(*) FROM tblUserPermission "
                                             "WHERE UserID = ? AND FormPermissionID = ?"),
                              {call.input(QStringLiteral("UserID")), call.input(QStringLiteral("FormPermissionID"))});
    call.returnValue = n.toLongLong() > 0 ? 1 : 0;
}

// spKelvoUpdateTables: adds dictionary rows for the catalogue's tables and
// views, and for their columns, that the dictionary lacks. New rows carry no
// description, so they are offered once the host describes them. Returns the
// number of rows added.
void updateTables(NativeCall& call)
{
    Savepoint savepoint(call.db);
    qint64 added = call.db
                       .execute(QStringLiteral(
                                    "INSERT INTO tblKelvoTable (Name) "
                                    "SELECT o.name FROM sysobjects o WHERE o.xtype IN ('U', 'V') "
                                    "AND o.name NOT LIKE 'sqlite%' "
                                    "AND NOT EXISTS (SELECT 1 FROM tblKelvoTable t WHERE t.Name = o.name)"),
                                {})
                       .rowsAffected;
    added += call.db
                 .execute(QStringLiteral(
                              "INSERT INTO tblKelvoColumn (TableName, Name, Type, OrderNumber, IsPrimaryKey) "
                              "SELECT o.name, c.name, "
                              "(SELECT min(ty.name) FROM systypes ty WHERE ty.xtype = c.xtype), c.colorder, 0 "
                              "FROM sysobjects o INNER JOIN syscolumns c ON c.id = o.id "
                              "WHERE o.xtype IN ('U', 'V') "
                              "AND EXISTS (SELECT 1 FROM tblKelvoTable t WHERE t.Name = o.name) "
                              "AND NOT EXISTS (SELECT 1 FROM tblKelvoColumn k "
                              "WHERE k.TableName = o.name AND k.Name = c.name)"),
                          {})
                 .rowsAffected;
    savepoint.release();
    call.returnValue = added;
}

// spKelvoFormSecurePosAddNew: grants one form (a report) of one form type to
// a position; returns the new row's identifier. CanEdit is set by the caller.
void formSecurePosAddNew(NativeCall& call)
{
    QVariantList values;
    for (const char* name : {"FormID", "FormTypeID", "SecurePositionID", "SecureUserID", "IsActive",
                             "ActivatorUserID", "ActivateDate", "PVActivateDate", "DeactivatorUserID",
                             "DeactivateDate", "PVDeactivateDate"})
        values << call.input(QString::fromLatin1(name));
    const ExecResult r = call.db.execute(
        QStringLiteral("INSERT INTO tblKelvoAllowablePositions (FormID, FormTypeID, SecurePositionID, SecureUserID, "
                       "IsActive, ActivatorUserID, ActivateDate, PVActivateDate, DeactivatorUserID, DeactivateDate, "
                       "PVDeactivateDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        values);
    call.returnValue = r.lastInsertId.toInt();
}

// spKelvoFormSecurePosition @FormTypeID, @SecurePositionID: the forms granted
// to the position (rows FormID, CanEdit); @interQuery gives the same list as
// a sub-select and @OuterQuery a condition on ID built from it.
void formSecurePosition(NativeCall& call)
{
    const int formType = call.input(QStringLiteral("FormTypeID")).toInt();
    const int position = call.input(QStringLiteral("SecurePositionID")).toInt();
    const QString inner = QStringLiteral("Select FormID From tblKelvoAllowablePositions Where FormTypeID=%1 "
                                         "and SecurePositionID=%2 and isnull(IsActive,1)=1")
                              .arg(formType)
                              .arg(position);
    call.setOutput(QStringLiteral("interQuery"), inner);
    call.setOutput(QStringLiteral("OuterQuery"), QStringLiteral("ID in (%1)").arg(inner));
    call.rows = std::make_unique<MemoryCursor>(
        QStringList{QStringLiteral("FormID"), QStringLiteral("CanEdit")},
        rowsOf(call.db,
               QStringLiteral("SELECT FormID, CanEdit FROM tblKelvoAllowablePositions WHERE FormTypeID = ? "
                              "AND SecurePositionID = ? AND (IsActive = 1 OR IsActive IS NULL) ORDER BY FormID"),
               {formType, position}));
    call.returnValue = 0;
}

// spKelvoFormCanEdit @PositionID, @FormID, @FormTypeID: 1 when the position
// may edit the form.
void formCanEdit(NativeCall& call)
{
    const QVariant n = scalar(call.db,
                              QStringLiteral("SELECT count(*) FROM tblKelvoAllowablePositions WHERE FormID = ? "
                                             "AND FormTypeID = ? AND SecurePositionID = ? AND CanEdit = 1"),
                              {call.input(QStringLiteral("FormID")), call.input(QStringLiteral("FormTypeID")),
                               call.input(QStringLiteral("PositionID"))});
    call.returnValue = n.toLongLong() > 0 ? 1 : 0;
}

// The columns of a table: the dictionary's and the catalogue's names.
QStringList knownColumns(SqliteBackend& db, const QString& table)
{
    QStringList names = catalogueColumns(db, table);
    for (const QVariantList& row :
         rowsOf(db, QStringLiteral("SELECT Name FROM tblKelvoColumn WHERE TableName = ? ORDER BY OrderNumber"),
                {table}))
        if (!names.contains(row.value(0).toString(), Qt::CaseInsensitive))
            names << row.value(0).toString();
    return names;
}

// spKelvoGetTableAlternativeName @Table, out @NameAlt, out @DifferentNameAlt,
// out @DoCombine. @NameAlt is the table's display column, the column that
// names a row: the one flagged IsAlternativeName in the dictionary, else a
// column named Name, Title or Description; empty when there is none.
// @DifferentNameAlt is 1 when that column is not called Name (a caller that
// reads "Name" must alias it). @DoCombine is 1 when the table also has a
// Code column, so a row reads best as its code and its name together.
void getTableAlternativeName(NativeCall& call)
{
    const QString table = textOf(call.input(QStringLiteral("Table"))).trimmed();
    QString nameAlt = textOf(scalar(call.db,
                                    QStringLiteral("SELECT Name FROM tblKelvoColumn WHERE TableName = ? "
                                                   "AND IsAlternativeName = 1 ORDER BY OrderNumber, ID"),
                                    {table}));
    const QStringList columns = knownColumns(call.db, table);
    if (nameAlt.isEmpty()) {
        for (const QString& candidate : {QStringLiteral("Name"), QStringLiteral("Title"), QStringLiteral("Description")})
            for (const QString& column : columns)
                if (nameAlt.isEmpty() && column.compare(candidate, Qt::CaseInsensitive) == 0)
                    nameAlt = column;
    }
    const bool different = !nameAlt.isEmpty() && nameAlt.compare(QLatin1String("Name"), Qt::CaseInsensitive) != 0;
    const bool combine = !nameAlt.isEmpty() && columns.contains(QStringLiteral("Code"), Qt::CaseInsensitive);
    call.setOutput(QStringLiteral("NameAlt"), nameAlt);
    call.setOutput(QStringLiteral("DifferentNameAlt"), different ? 1 : 0);
    call.setOutput(QStringLiteral("DoCombine"), combine ? 1 : 0);
    call.returnValue = 0;
}

// spKelvoGetMajorMinorViews @ReferenceTable, out @MajorView, out @MinorView:
// the selector views that list a table's rows: those of its key column in
// the dictionary, else those of a column that refers to it, else the views
// "vw<stem>Major"/"vw<stem>Minor" of a table named "tbl<stem>" when the
// catalogue has both; empty texts otherwise.
void getMajorMinorViews(NativeCall& call)
{
    const QString table = textOf(call.input(QStringLiteral("ReferenceTable"))).trimmed();
    QString major, minor;
    auto take = [&](const std::vector<QVariantList>& rows) {
        if (major.isEmpty() && !rows.empty()) {
            major = textOf(rows.front().value(0));
            minor = textOf(rows.front().value(1));
        }
    };
    take(rowsOf(call.db,
                QStringLiteral("SELECT MajorView, MinorView FROM tblKelvoColumn WHERE TableName = ? "
                               "AND IsPrimaryKey = 1 AND length(MajorView) > 0 ORDER BY OrderNumber"),
                {table}));
    take(rowsOf(call.db,
                QStringLiteral("SELECT c.MajorView, c.MinorView FROM tblKelvoRelatedTables r "
                               "INNER JOIN tblKelvoColumn c ON c.TableName = r.DependentTable AND c.Name = r.ForeignKey "
                               "WHERE r.ReferenceTable = ? AND length(c.MajorView) > 0 ORDER BY r.ID"),
                {table}));
    if (major.isEmpty() && table.startsWith(QLatin1String("tbl"), Qt::CaseInsensitive)) {
        const QString stem = table.mid(3);
        const QString conventionalMajor = QStringLiteral("vw") + stem + QStringLiteral("Major");
        const QString conventionalMinor = QStringLiteral("vw") + stem + QStringLiteral("Minor");
        if (catalogueHasObject(call.db, conventionalMajor) && catalogueHasObject(call.db, conventionalMinor)) {
            major = conventionalMajor;
            minor = conventionalMinor;
        }
    }
    call.setOutput(QStringLiteral("MajorView"), major);
    call.setOutput(QStringLiteral("MinorView"), minor);
    call.returnValue = 0;
}

bool isDateType(const QString& type)
{
    const QString t = type.trimmed().toUpper();
    return t == QLatin1String("DATETIME") || t == QLatin1String("SMALLDATETIME");
}

// spKelvoCreateReportParameter @ReportID, @TableName, @ColumnName: creates
// one parameter of the report for a dictionary column, named after the
// column, typed, titled and given views from the dictionary, with the next
// ParameterID and Sequence. A parameter of that name that the report has
// already is kept as it is. Returns the parameter's ParameterID.
void createReportParameter(NativeCall& call)
{
    const QVariant report = call.input(QStringLiteral("ReportID"));
    const QString table = textOf(call.input(QStringLiteral("TableName"))).trimmed();
    const QString column = textOf(call.input(QStringLiteral("ColumnName"))).trimmed();

    Savepoint savepoint(call.db);
    if (scalar(call.db, QStringLiteral("SELECT ID FROM tblKelvoReport WHERE ID = ?"), {report}).isNull())
        throw DbError(QStringLiteral("Report %1 does not exist.").arg(report.toString()));
    const std::vector<QVariantList> found =
        rowsOf(call.db,
               QStringLiteral("SELECT Name, Description, Type, MajorView, MinorView, CaptionID, ControlID "
                              "FROM tblKelvoColumn WHERE TableName = ? AND Name = ?"),
               {table, column});
    if (found.empty())
        throw DbError(QStringLiteral("The dictionary has no column %1 in table %2.").arg(column, table));
    const QVariantList& c = found.front();
    const QString name = textOf(c.value(0));

    const QVariant existing =
        scalar(call.db,
               QStringLiteral("SELECT ParameterID FROM tblKelvoReportParameter WHERE ReportID = ? AND Name = ?"),
               {report, name});
    if (!existing.isNull()) {
        savepoint.release();
        call.returnValue = existing.toInt();
        return;
    }

    const QString description = textOf(c.value(1)).trimmed().isEmpty() ? name : textOf(c.value(1)).trimmed();
    const QString type = textOf(c.value(2)).trimmed().isEmpty() ? QStringLiteral("varchar") : textOf(c.value(2)).trimmed();
    const QString major = textOf(c.value(3)).trimmed();
    const QString minor = textOf(c.value(4)).trimmed();
    int control = c.value(6).isNull() ? 0 : c.value(6).toInt();
    if (control == 0) {
        if (isDateType(type))
            control = kDateControl;
        else if (!major.isEmpty() && !minor.isEmpty())
            control = kSelectorControl;
        else if (!major.isEmpty())
            control = kOneViewControl;
        else
            control = kTextBoxControl;
    }
    const int rowSpan = control == 1007 ? 5 : 1;
    const int parameterId =
        scalar(call.db,
               QStringLiteral("SELECT coalesce(max(ParameterID), 0) + 1 FROM tblKelvoReportParameter WHERE ReportID = ?"),
               {report})
            .toInt();
    const int sequence =
        scalar(call.db,
               QStringLiteral("SELECT coalesce(max(Sequence), 0) + 1 FROM tblKelvoReportParameter WHERE ReportID = ?"),
               {report})
            .toInt();
    call.db.execute(
        QStringLiteral("INSERT INTO tblKelvoReportParameter (ReportID, ParameterID, Name, Type, ControlTypeID, "
                       "Description, MajorView, MinorView, ColSpan, RowSpan, Sequence, Visible, CaptionID) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?, 1, ?)"),
        {report, parameterId, name, type, control, description, major.isEmpty() ? QVariant() : QVariant(major),
         minor.isEmpty() ? QVariant() : QVariant(minor), rowSpan, sequence, c.value(5)});
    savepoint.release();
    call.returnValue = parameterId;
}

QVariant firstChunk(const QString& query)
{
    return query.isEmpty() ? QVariant() : QVariant(query.left(kQueryChunk));
}

QVariant restChunk(const QString& query)
{
    return query.size() > kQueryChunk ? QVariant(query.mid(kQueryChunk)) : QVariant();
}

QVariantList reportValues(const NativeCall& call)
{
    const QString query = textOf(call.input(QStringLiteral("SQLQuery")));
    const QString farsi = textOf(call.input(QStringLiteral("PVSQLQuery")));
    return {call.input(QStringLiteral("Title")),     call.input(QStringLiteral("Description")),
            call.input(QStringLiteral("SystemID")),  call.input(QStringLiteral("CreatorID")),
            call.input(QStringLiteral("CreateDate")), call.input(QStringLiteral("PVCreateDate")),
            call.input(QStringLiteral("GroupID")),   firstChunk(query),
            restChunk(query),                        farsi.isEmpty() ? QVariant() : QVariant(farsi)};
}

// spKelvoAddNewReport: creates a report row (the query split into SQLQuery
// and Reserved) and returns its identifier.
void addNewReport(NativeCall& call)
{
    const ExecResult r = call.db.execute(
        QStringLiteral("INSERT INTO tblKelvoReport (Title, Notes, SystemID, CreatorID, CreateDate, FarsiCreateDate, "
                       "GroupID, SQLQuery, Reserved, FarsiSQLQuery) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        reportValues(call));
    call.returnValue = r.lastInsertId.toInt();
}

// spKelvoUpdateReport @ID and the columns of spKelvoAddNewReport; returns the
// number of rows changed (0 for an unknown report).
void updateReport(NativeCall& call)
{
    QVariantList values = reportValues(call);
    values << call.input(QStringLiteral("ID"));
    const ExecResult r = call.db.execute(
        QStringLiteral("UPDATE tblKelvoReport SET Title = ?, Notes = ?, SystemID = ?, CreatorID = ?, CreateDate = ?, "
                       "FarsiCreateDate = ?, GroupID = ?, SQLQuery = ?, Reserved = ?, FarsiSQLQuery = ? WHERE ID = ?"),
        values);
    call.returnValue = qlonglong(r.rowsAffected);
}

// spPmxUpdateReportTables: refills the maintenance module's four snapshot
// tables from their views, column for column. Returns the rows copied.
void pmxUpdateReportTables(NativeCall& call)
{
    static const std::pair<const char*, const char*> kPairs[] = {
        {"tblPmxVWREPORT", "vwpmxreport"},
        {"tblPmxVWConsumeEmployeeR", "vwPmxrptConsumeEmployeeR"},
        {"tblPmxVWConsumePartR", "vwPmxrptConsumePartR"},
        {"tblPmxVWConsumeToolR", "vwPmxrptConsumeToolR"},
    };
    Savepoint savepoint(call.db);
    qint64 copied = 0;
    for (const auto& [tableName, viewName] : kPairs) {
        const QString table = QString::fromLatin1(tableName);
        const QString view = QString::fromLatin1(viewName);
        const QStringList columns = catalogueColumns(call.db, table);
        if (columns.isEmpty())
            throw DbError(QStringLiteral("Invalid object name '%1'.").arg(table), 208);
        QStringList quoted;
        for (const QString& c : columns)
            quoted << quotedName(c);
        const QString list = quoted.join(QStringLiteral(", "));
        call.db.execute(QStringLiteral("DELETE FROM ") + quotedName(table), {});
        copied += call.db
                      .execute(QStringLiteral("INSERT INTO ") + quotedName(table) + QStringLiteral(" (") + list +
                                   QStringLiteral(") SELECT ") + list + QStringLiteral(" FROM ") + quotedName(view),
                               {})
                      .rowsAffected;
    }
    savepoint.release();
    call.returnValue = copied;
}

} // namespace

const std::vector<NativeProcedureEntry>& HostProcedureTable()
{
    static const std::vector<NativeProcedureEntry> table = {
        {"spKelvoAddCaption", addCaption},
        {"spKelvoHasPermission", hasPermission},
        {"spKelvoUpdateTables", updateTables},
        {"spKelvoFormSecurePosAddNew", formSecurePosAddNew},
        {"spKelvoFormSecurePosition", formSecurePosition},
        {"spKelvoFormCanEdit", formCanEdit},
        {"spKelvoGetTableAlternativeName", getTableAlternativeName},
        {"spKelvoGetMajorMinorViews", getMajorMinorViews},
        {"spKelvoCreateReportParameter", createReportParameter},
        {"spKelvoAddNewReport", addNewReport},
        {"spKelvoUpdateReport", updateReport},
        {"spPmxUpdateReportTables", pmxUpdateReportTables},
    };
    return table;
}

} // namespace kelvo::db
