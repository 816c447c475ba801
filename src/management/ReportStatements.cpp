#include "management/ReportStatements.h"

#include "repository/AccessByPosition.h"
#include "sql/SqlDialect.h"
#include "text/TextPrimitives.h"

namespace kelvo::management::statements {

namespace {

// A trimmed text as a literal, or NULL when nothing is left.
QString TextOrNull(const sql::Dialect& dialect, const QString& text)
{
    const QString trimmed = text::TrimBlanks(text);
    return trimmed.isEmpty() ? QStringLiteral("NULL") : dialect.text(trimmed);
}

QString IdOrNull(const std::optional<qint32>& id)
{
    return id ? sql::Number(*id) : QStringLiteral("NULL");
}

// Copies one column of the source row onto the new row.
QString CopyColumn(const QString& column, const QString& source, const QString& target)
{
    return QStringLiteral("Update tblKelvoReport set ") + column + QStringLiteral("=(Select ") + column +
           QStringLiteral(" From tblKelvoReport Where ID=") + source + QStringLiteral(" ) Where ID=") + target;
}

} // namespace

QString SameTitle(const sql::Dialect& dialect, const QString& title, qint32 reportID)
{
    return QStringLiteral("Select * from tblKelvoReport Where Title=") + dialect.text(title) +
           QStringLiteral(" and ID <>") + sql::Number(reportID);
}

QString InsertReport(const sql::Dialect& dialect, const QString& title, const ReportHeader& header)
{
    return QStringLiteral("Insert into tblKelvoReport (Title, CreatorID, CreateDate, FarsiCreateDate) values ( ") +
           dialect.text(title) + QStringLiteral(", ") + sql::Number(header.creatorID.value_or(0)) + QStringLiteral(",'") +
           header.createDate.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("', ") +
           dialect.text(header.farsiCreateDate) + u')';
}

QString ReportIdOfTitle(const sql::Dialect& dialect, const QString& title)
{
    return QStringLiteral("Select ID from tblKelvoReport Where Title=") + dialect.text(title);
}

QString UpdateHeader(const sql::Dialect& dialect, const QString& title, const ReportHeader& h, qint32 reportID)
{
    return QStringLiteral("Update tblKelvoReport set ") + QStringLiteral("  Title = ") + dialect.text(title) +
           QStringLiteral(", Alias =") + TextOrNull(dialect, h.alias) + QStringLiteral(", FormTypeID = ") +
           IdOrNull(h.formTypeID) + QStringLiteral(", MediaVisible = ") + sql::Bit(h.mediaVisible) +
           QStringLiteral(", SystemID = ") + IdOrNull(h.systemID) + QStringLiteral(", IsGeneral = ") +
           sql::Bit(h.isGeneral) + QStringLiteral(", MakeSecure = ") + sql::Bit(h.makeSecure) +
           QStringLiteral(", MakeTree = ") + sql::Bit(h.makeTree) + QStringLiteral(", ShowFlatternParameters = ") +
           sql::Bit(h.showFlatternParameters) + QStringLiteral(", Notes = ") + TextOrNull(dialect, h.notes) +
           QStringLiteral(" Where ID=") + sql::Number(reportID);
}

QStringList CopyQuery(qint32 sourceID, qint32 newID)
{
    const QString s = sql::Number(sourceID);
    const QString n = sql::Number(newID);
    return {
        QStringLiteral("Update tblKelvoReport set SQLQuery=(Select SQLQuery From tblKelvoReport Where ID=") + s +
            QStringLiteral(" ) ,FarsiSQLQuery=(Select FarsiSQLQuery From tblKelvoReport Where ID=") + s +
            QStringLiteral(" ), Reserved=(Select Reserved From tblKelvoReport Where ID=") + s +
            QStringLiteral(" ) Where ID=") + n,
        QStringLiteral("Update tblKelvoReport set SQLSP=(Select SQLSP From tblKelvoReport Where ID=") + s +
            QStringLiteral(" ) ,FarsiSQLSP=(Select FarsiSQLSP From tblKelvoReport Where ID=") + s +
            QStringLiteral(" )  Where ID=") + n,
        QStringLiteral("Update tblKelvoReport set IsStoredProcedure=(Select IsStoredProcedure From tblKelvoReport "
                       "Where ID=") +
            s + QStringLiteral(" )  Where ID=") + n,
    };
}

QStringList CopyLayout(qint32 sourceID, qint32 newID)
{
    const QString s = sql::Number(sourceID);
    const QString n = sql::Number(newID);
    QStringList statements{
        CopyColumn(QStringLiteral("MakeTranspose"), s, n),
        QStringLiteral("Insert Into tblKelvoReportAliases(ReportID,ColFormula,ColAlias) (Select ") + n +
            QStringLiteral(",ColFormula,ColAlias From tblKelvoReportAliases Where ReportID=") + s + u')',
        QStringLiteral("Insert Into tblKelvoReportLayout(ReportID,ColumnNumber,Alignment,Width,MergeType,"
                       "TransposeType,MakeSum) (Select ") +
            n +
            QStringLiteral(",ColumnNumber,Alignment,Width,MergeType,TransposeType,MakeSum From tblKelvoReportLayout "
                           "Where ReportID=") +
            s + u')',
        QStringLiteral("Insert Into tblKelvoReportTranspose(ReportID,ColumnNumber,Alignment,Width,MergeType) "
                       "(Select ") +
            n +
            QStringLiteral(",ColumnNumber,Alignment,Width,MergeType From tblKelvoReportTranspose Where ReportID=") + s +
            u')',
    };
    for (const char* column : {"Cols", "ColWidth", "RowHeight", "ColoryReportColumn", "ColoringType"})
        statements << CopyColumn(QString::fromLatin1(column), s, n);
    statements << QStringLiteral("Insert Into tblKelvoReportColor(ReportID, Value, ForeColor, BackColor) (Select ") +
                      n + QStringLiteral(",Value, ForeColor, BackColor From tblKelvoReportColor Where ReportID=") + s +
                      u')'
               << QStringLiteral("Insert Into tblKelvoReportParameter(ReportID, ParameterID, Name,Type,ControlTypeID,"
                                 "MajorView,MinorView,ColSpan,RowSpan,Sequence,Description) (Select ") +
                      n +
                      QStringLiteral(",ParameterID, Name,Type,ControlTypeID,MajorView,MinorView,ColSpan,RowSpan,"
                                     "Sequence,Description From tblKelvoReportParameter Where ReportID=") +
                      s + u')';
    return statements;
}

QString CallersOf(qint32 reportID)
{
    return QStringLiteral("Select * from tblKelvoRelatedReports Where CalledReportID = ") + sql::Number(reportID);
}

QStringList DeleteReport(qint32 reportID)
{
    const QString id = sql::Number(reportID);
    return {
        QStringLiteral("Delete tblKelvoRelatedReports Where CalledReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportLayout Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportExpression Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportTranspose Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportColor Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportParameter Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoRelatedReports Where CallerReportID = ") + id,
        // Rows that nothing would show or remove once the report is gone, and
        // that a report re-using the identifier would otherwise inherit.
        QStringLiteral("Delete tblKelvoReportAliases Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportDiagramCols Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportDiagram Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportButtonsDetail Where ButtonID in (Select ID from tblKelvoReportButtons "
                       "Where ReportID = ") +
            id + u')',
        QStringLiteral("Delete tblKelvoReportButtons Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportDistributionDetail Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoAllowablePositions Where FormID = ") + id +
            QStringLiteral(" and FormTypeID = ") + sql::Number(repository::kReportFormType),
        QStringLiteral("Update tblKelvoFormType Set SearchReportID = NULL Where SearchReportID=") + id,
        QStringLiteral("Update tblKelvoFormType Set ReportID = NULL Where ReportID=") + id,
        QStringLiteral("Delete tblKelvoReport Where ID=") + id,
    };
}

QString ReportRow(qint32 reportID)
{
    return QStringLiteral("select * from tblKelvoReport where ID =") + sql::Number(reportID);
}

QString CreatorName(const sql::Dialect& dialect, qint32 userID)
{
    // Oracle shows the user's alias, SQL Server the full name, both as Alias.
    const QString column = dialect.isOracle() ? QStringLiteral("Alias") : QStringLiteral("FullName");
    return QStringLiteral("Select ") + dialect.isNull(column, QStringLiteral("''")) +
           QStringLiteral(" as Alias From tblUser Where ID=") + sql::Number(userID);
}

QString UserFullName(const sql::Dialect& dialect, qint32 userID)
{
    return QStringLiteral("Select ") + dialect.isNull(QStringLiteral("FullName"), QStringLiteral("''")) +
           QStringLiteral(" as FullName From tblUser Where ID=") + sql::Number(userID);
}

QString BasePathView()
{
    return QStringLiteral("Select * from vwKelvoBasePath");
}

QString HelpBasePath(const sql::Dialect& dialect)
{
    return QStringLiteral("Select ") + dialect.isNull(QStringLiteral("BasePath"), QStringLiteral("''")) +
           QStringLiteral(" as BasePath from tblKelvoBasePath");
}

QString ReportFormType()
{
    return QStringLiteral(
        "Select Min(FormTypeID) as FormTypeID From tblKelvoFormTables Where IsPrimary=1 and TableName like "
        "'tblKelvoReport' and FormTypeID in (Select ID from tblKelvoFormType Where FileName like "
        "'comFormGenerator.comFormExe.ocx')");
}

QString MaintenanceProcedure()
{
    return QStringLiteral("EXEC spPmxUpdateReportTables");
}

QStringList RefillMaintenanceTables()
{
    // The maintenance module's snapshot tables, the views they are refilled
    // from, and their common column list.
    struct Snapshot {
        const char* table;
        const char* view;
        const char* columns;
    };
    static const Snapshot snapshots[] = {
        {"tblPmxVWREPORT", "vwpmxreport",
         "WorkOrderID, WorkOrderNo, EquipmentID, EquipmentName, Location, RequestDate, FinishDate, Description, "
         "IsDone"},
        {"tblPmxVWConsumeEmployeeR", "vwPmxrptConsumeEmployeeR",
         "WorkOrderID, EmployeeID, FirstName, SureName, Hours, HourlyRate, Cost"},
        {"tblPmxVWConsumePartR", "vwPmxrptConsumePartR", "WorkOrderID, PartID, PartName, Quantity, UnitPrice, Cost"},
        {"tblPmxVWConsumeToolR", "vwPmxrptConsumeToolR", "WorkOrderID, ToolID, ToolName, Hours"},
    };
    QStringList out;
    for (const Snapshot& t : snapshots) {
        const QString table = QLatin1String(t.table);
        const QString columns = QLatin1String(t.columns);
        out << QStringLiteral("Delete ") + table
            << QStringLiteral("Insert Into ") + table + QStringLiteral(" (") + columns + QStringLiteral(") (select ") +
                   columns + QStringLiteral(" from ") + QLatin1String(t.view) + u')';
    }
    return out;
}

} // namespace kelvo::management::statements
