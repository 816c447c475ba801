#pragma once

#include <QString>

// The statements by which a report is read before it runs; each binds the
// report's identifier.
namespace kelvo::presentation::statements {

QString ReportRow();
QString ReportParameters(); // in form order
QString ReportLayout();

} // namespace kelvo::presentation::statements
