#include "management/ReportStatements.h"

#include "repository/AccessByPosition.h"
#include "sql/SqlDialect.h"
#include "text/TextPrimitives.h"

namespace kelvo::management::statements {

namespace {

QString Num(qint64 n)
{
    return QString::number(n);
}

// A trimmed text as a literal, or NULL when nothing is left.
QString TextOrNull(const sql::Dialect& dialect, const QString& text)
{
    const QString trimmed = text::TrimBlanks(text);
    return trimmed.isEmpty() ? QStringLiteral("NULL") : dialect.text(trimmed);
}

QString IdOrNull(const std::optional<qint32>& id)
{
    return id ? Num(*id) : QStringLiteral("NULL");
}

QString Bit(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
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
           QStringLiteral(" and ID <>") + Num(reportID);
}

QString InsertReport(const sql::Dialect& dialect, const QString& title, const ReportHeader& header)
{
    return QStringLiteral("Insert into tblKelvoReport (Title, CreatorID, CreateDate, FarsiCreateDate) values ( ") +
           dialect.text(title) + QStringLiteral(", ") + Num(header.creatorID) + QStringLiteral(",'") +
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
           IdOrNull(h.formTypeID) + QStringLiteral(", MediaVisible = ") + Bit(h.mediaVisible) +
           QStringLiteral(", SystemID = ") + IdOrNull(h.systemID) + QStringLiteral(", IsGeneral = ") +
           Bit(h.isGeneral) + QStringLiteral(", MakeSecure = ") + Bit(h.makeSecure) +
           QStringLiteral(", MakeTree = ") + Bit(h.makeTree) + QStringLiteral(", ShowFlatternParameters = ") +
           Bit(h.showFlatternParameters) + QStringLiteral(", Notes = ") + TextOrNull(dialect, h.notes) +
           QStringLiteral(" Where ID=") + Num(reportID);
}

QStringList CopyQuery(qint32 sourceID, qint32 newID)
{
    const QString s = Num(sourceID);
    const QString n = Num(newID);
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
    const QString s = Num(sourceID);
    const QString n = Num(newID);
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

QStringList DeleteReport(qint32 reportID)
{
    const QString id = Num(reportID);
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
            QStringLiteral(" and FormTypeID = ") + Num(repository::kReportFormType),
        QStringLiteral("Update tblKelvoFormType Set SearchReportID = NULL Where SearchReportID=") + id,
        QStringLiteral("Update tblKelvoFormType Set ReportID = NULL Where ReportID=") + id,
        QStringLiteral("Delete tblKelvoReport Where ID=") + id,
    };
}

} // namespace kelvo::management::statements
