#pragma once

#include "presentation/RunStatement.h"

#include <functional>

class QIODevice;

namespace kelvo::db {
class Connection;
}

namespace kelvo::presentation {

enum class ExportFormat { Csv };

// Runs the statement and pipes its rows batch by batch into the sink, so
// that memory does not grow with the number of rows; progress (when given)
// hears the rows written so far after each batch. Returns the number of rows.
// Throws db::DbError when the statement fails and std::runtime_error when
// the output cannot be written.
qint64 ExportRows(db::Connection& db, const RunStatement& statement, ExportFormat format, QIODevice& out,
                  const std::function<void(qint64 rows)>& progress = {});

// The values of a run from NAME=VALUE texts: NAME is a parameter's name or
// number, a multi-valued parameter takes its values separated by ",".
// Throws RunError for an unknown name, a malformed text, a value of the
// wrong kind, and a shown parameter left without a value.
ParameterValues ParameterValuesFromTexts(const ReportDefinition& definition, const QStringList& assignments);

} // namespace kelvo::presentation
