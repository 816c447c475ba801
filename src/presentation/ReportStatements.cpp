#include "presentation/ReportStatements.h"

namespace kelvo::presentation::statements {

QString ReportRow()
{
    return QStringLiteral("Select * from tblKelvoReport Where ID = ?");
}

QString ReportParameters()
{
    return QStringLiteral("Select * from tblKelvoReportParameter Where ReportID = ? Order by Sequence, ParameterID");
}

QString ReportLayout()
{
    return QStringLiteral("Select * from tblKelvoReportLayout Where ReportID = ? Order by ColumnNumber");
}

QString ReportLinks()
{
    return QStringLiteral(
        "Select l.CalledReportID, l.CalledParameterID, l.CallerReportColumn, l.CallerParameterID, r.Title "
        "From tblKelvoRelatedReports l Left Join tblKelvoReport r On r.ID = l.CalledReportID "
        "Where l.CallerReportID = ? Order by l.CalledReportID, l.CalledParameterID");
}

QString ReportButtons()
{
    return QStringLiteral("Select b.ID, b.Caption, b.SPName, d.Seq, d.ParName, d.Type "
                          "From tblKelvoReportButtons b Left Join tblKelvoReportButtonsDetail d On d.ButtonID = b.ID "
                          "Where b.ReportID = ? Order by b.ID, d.Seq");
}

QString ReportExpressions()
{
    return QStringLiteral("Select * from tblKelvoReportExpression where ReportID = ? Order by ColumnNumber");
}

QString ReportTransposeLayout()
{
    return QStringLiteral("Select * from tblKelvoReportTranspose Where ReportID = ? Order by ColumnNumber");
}

QString ReportDistributionOrder()
{
    return QStringLiteral("Select Value from tblKelvoReportDistributionDetail Where ReportID = ? Order by Sequence");
}

QString ReportColours()
{
    return QStringLiteral("SELECT * from tblKelvoReportColor Where ReportID = ?");
}

} // namespace kelvo::presentation::statements
