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

} // namespace kelvo::presentation::statements
