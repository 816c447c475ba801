#pragma once

#include <QString>

// The statements by which a report is read before it runs; each binds the
// report's identifier.
namespace kelvo::presentation::statements {

QString ReportRow();
QString ReportParameters(); // in form order
QString ReportLayout();
// The reports it calls, with the called report's title, by called report.
QString ReportLinks();
// Its action buttons with their values in call order.
QString ReportButtons();
// Its row expressions in column order.
QString ReportExpressions();
// The layout of its distributed (transposed) presentation.
QString ReportTransposeLayout();
// The stored order of the distributed headings.
QString ReportDistributionOrder();
// The values that colour its rows.
QString ReportColours();

} // namespace kelvo::presentation::statements
