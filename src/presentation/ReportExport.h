#pragma once

#include "presentation/RunStatement.h"

#include <functional>
#include <optional>

namespace kelvo::db {
class Connection;
}

namespace kelvo::presentation {

class ResultTable;
class RowSink;

enum class ExportFormat { Csv, Xlsx, Pdf };

// The format a name stands for ("csv", "xlsx", "pdf", without regard to case).
std::optional<ExportFormat> ExportFormatNamed(const QString& name);

// Makes the sink of a file format on a path (the file being written).
using SinkFactory = std::function<std::unique_ptr<RowSink>(const QString& path)>;
// The sinks of this library: CSV and Excel (the PDF sink draws, so it lives
// with the windows: PdfSinkFactory).
SinkFactory FileSinkFactory(ExportFormat format, const QString& title);

// Runs the statement and pipes its rows batch by batch into a file of the
// format, so that memory does not grow with the number of rows; the file
// appears whole or not at all. title names the sheet of a workbook.
// progress (when given) hears the rows written so far after each batch.
// Returns the number of rows. Throws db::DbError when the statement fails
// and std::runtime_error when the file cannot be written.
qint64 ExportRows(db::Connection& db, const RunStatement& statement, const SinkFactory& sink, const QString& path,
                  const std::function<void(qint64 rows)>& progress = {});

// The rows a window holds, to a file.
void ExportTable(const ResultTable& table, const SinkFactory& sink, const QString& path);

// The values of a run from NAME=VALUE texts: NAME is a parameter's name or
// number, a multi-valued parameter takes its values separated by ",".
// Throws RunError for an unknown name, a malformed text, a value of the
// wrong kind, and a shown parameter left without a value.
ParameterValues ParameterValuesFromTexts(const ReportDefinition& definition, const QStringList& assignments);

} // namespace kelvo::presentation
