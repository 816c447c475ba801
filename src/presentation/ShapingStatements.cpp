#include "presentation/ShapingStatements.h"

namespace kelvo::presentation::statements {

QString LayoutRow(const QString& table)
{
    return QStringLiteral("select * from %1  Where ReportID = ? AND ColumnNumber =?").arg(table);
}

QString InsertLayoutRow(const QString& table)
{
    if (table == QLatin1String("tblKelvoReportTranspose"))
        return QStringLiteral("insert into tblKelvoReportTranspose (ReportID, ColumnNumber, Alignment, Width, MergeType) "
                              "values (?, ?, ?, ?, 0)");
    return QStringLiteral("insert into tblKelvoReportLayout (ReportID, ColumnNumber, Alignment, Width, MergeType, "
                          "TransposeType, MakeSum, MakeAverage) values (?, ?, ?, ?, 0, 0, 0, 0)");
}

QString DeleteLayoutRowsAfter(const QString& table)
{
    return QStringLiteral("Delete %1  Where ReportID = ? AND ColumnNumber > ?").arg(table);
}

QString LayoutRows(const QString& table)
{
    return QStringLiteral("Select * from %1  Where ReportID = ? Order by ColumnNumber").arg(table);
}

QString UpdateMergeType(const QString& table)
{
    return QStringLiteral("Update %1  SET MergeType = ? Where ReportID = ? And ColumnNumber = ?").arg(table);
}

QString MergedLayoutRows(const QString& table)
{
    return QStringLiteral("Select * from %1  Where MergeType <> 0 and ReportID = ?").arg(table);
}

QString SetMerged()
{
    return QStringLiteral("update tblKelvoReport SET IsMerged = ? Where ID = ?");
}

QString ClearMergeTypes(const QString& table)
{
    return QStringLiteral("Update %1 SET MergeType = 0 Where ReportID =?").arg(table);
}

QString UpdateColouring()
{
    return QStringLiteral("Update tblKelvoReport SET ColoryReportColumn=?, ColoringType = ? Where ID = ?");
}

QString DeleteColours()
{
    return QStringLiteral("Delete tblKelvoReportColor Where ReportID = ?");
}

QString InsertColour()
{
    return QStringLiteral("INSERT INTO tblKelvoReportColor (ReportID, Value, ForeColor, BackColor) VALUES(?, ?, ?, ?)");
}

QString DeleteExpressions()
{
    return QStringLiteral("Delete tblKelvoReportExpression Where ReportID=?");
}

QString InsertExpression()
{
    return QStringLiteral("insert into tblKelvoReportExpression (ReportID, ColumnNumber, Name, GeneralExpression, "
                          "JustShowPositiveValue, FirstRowExpression, CaptionID) values (?, ?, ?, ?, ?, ?, ?)");
}

QString DeleteLayoutRows(const QString& table)
{
    return QStringLiteral("Delete %1 where Reportid=?").arg(table);
}

QString InsertFormatRow(const QString& table)
{
    if (table == QLatin1String("tblKelvoReportTranspose"))
        return QStringLiteral("Insert Into tblKelvoReportTranspose(ReportID, ColumnNumber, Alignment, Width, MergeType, "
                              "InvisibleInTextFile) Values(?,?,?,?,?,?)");
    return QStringLiteral("Insert Into tblKelvoReportLayout(ReportID, ColumnNumber, Alignment, Width, MergeType, "
                          "TransposeType, MakeSum) Values(?,?,?,?,?,?,?)");
}

QString GridRowHeight()
{
    return QStringLiteral("select GridRowHeight from tblKelvoReport where ID=?");
}

QString UpdateGridRowHeight()
{
    return QStringLiteral("update tblKelvoReport Set GridRowHeight=? where ID=?");
}

QString TransposeRows()
{
    return QStringLiteral(
        "Select ColumnNumber, TransposeType from tblKelvoReportLayout Where TransposeType in (1, 2) and ReportID = ?");
}

QString AnyTransposeRow()
{
    return QStringLiteral("select * from tblKelvoReportLayout where TransposeType <> 0 and ReportID =?");
}

QString ClearTransposeTypes()
{
    return QStringLiteral("Update tblKelvoReportLayout  SET TransposeType = 0 Where ReportID = ?");
}

QString SetTransposeType()
{
    return QStringLiteral("Update tblKelvoReportLayout  SET TransposeType = ? Where ReportID = ? And ColumnNumber = ?");
}

QString SetMakeTranspose()
{
    return QStringLiteral("update tblKelvoReport set MakeTranspose=? Where ID = ?");
}

QString DeleteTransposeRows()
{
    return QStringLiteral("Delete tblKelvoReportTranspose Where ReportID =?");
}

QString DeleteDistributionOrder()
{
    return QStringLiteral("Delete tblKelvoReportDistributionDetail Where ReportID = ?");
}

QString InsertDistributionOrder()
{
    return QStringLiteral("Insert into tblKelvoReportDistributionDetail (ReportID, Value, Sequence) values (?, ?, ?)");
}

QString ChartTypes()
{
    return QStringLiteral("Select * From tblKelvoDiagramTypeL");
}

QString ReportChart()
{
    return QStringLiteral("Select * from tblKelvoReportDiagram Where ReportID = ?");
}

QString ReportChartColumns()
{
    return QStringLiteral("Select * from tblKelvoReportDiagramCols Where ReportID = ?");
}

QString ReportShowDiagram()
{
    return QStringLiteral("Select ShowDiagram from tblKelvoReport Where ID = ?");
}

QString DeleteReportChart()
{
    return QStringLiteral("delete tblKelvoReportDiagram Where ReportID = ?");
}

QString DeleteReportChartColumns()
{
    return QStringLiteral("delete tblKelvoReportDiagramCols Where ReportID = ?");
}

QString DropChartTypeConstraint()
{
    return QStringLiteral(
        "Alter table tblKelvoReportDiagram drop constraint FK_tblKelvoReportDiagram_tblKelvoChartTypeL");
}

QString InsertReportChart()
{
    return QStringLiteral(
        "insert into tblKelvoReportDiagram(ReportID, IsAccumulative, DiagramTypeID, ChartXColNo) values (?, ?, ?, ?)");
}

QString InsertReportChartColumn()
{
    return QStringLiteral("insert into tblKelvoReportDiagramCols(ReportID, ChartYColNo) values (?, ?)");
}

QString SetShowDiagram()
{
    return QStringLiteral("update tblKelvoReport SET ShowDiagram = ? Where ID=?");
}

QString MergedReport()
{
    return QStringLiteral("Select ID from tblKelvoReport Where IsMerged = 1  and ID = ?");
}

} // namespace kelvo::presentation::statements
