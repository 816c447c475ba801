#pragma once

#include "platform/db/Backend.h"
#include "presentation/ReportDefinition.h"
#include "presentation/RunStatement.h"
#include "repository/Procedures.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

#include <vector>

// What a row of a shown report leads to: the reports it opens (drill-down)
// and the procedure calls of its action buttons. Pure functions over the
// definition, the result's headings and one row's values.
namespace kelvo::db {
class Connection;
}

namespace kelvo::presentation {

struct CalledReport {
    qint32 id = 0;
    QString title;
};
// The reports the caller's links open, each once, in link order.
QList<CalledReport> CalledReports(const ReportDefinition& caller);

// The values the called report's fed parameters take from the row (by
// column heading) and from the caller's parameter values of this run.
// Throws RunError naming a heading the result no longer has.
ParameterValues LinkFeeds(const ReportDefinition& caller, const CalledReport& called, const QStringList& headings,
                          const QVariantList& row, const ParameterValues& callerValues);

// The parameters of the button's procedure call on the row: per declared
// parameter, in order, the row's value of the column its value names, or
// the value as a constant, converted by its type; output parameters are
// passed both ways. Throws RunError when the counts differ or a value is
// not of its type.
std::vector<db::ProcedureParameter> ButtonCall(const ActionButton& button, const QStringList& headings,
                                               const QVariantList& row,
                                               const QList<repository::ProcedureParameterInfo>& declared);

// Calls the button's procedure on the row: its parameters read from the
// catalogue, the values built by ButtonCall. Throws RunError when the
// procedure does not exist or the values do not fit it, DbError when the
// call fails.
db::ProcedureResult PressButton(db::Connection& db, const ActionButton& button, const QStringList& headings,
                                const QVariantList& row);

// What the call gave back, for the user: the done line, each output
// parameter's value and the return value.
QString ButtonOutcome(const ActionButton& button, const db::ProcedureResult& result);

} // namespace kelvo::presentation
