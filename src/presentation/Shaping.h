#pragma once

#include "presentation/ReportDefinition.h"
#include "presentation/ResultTable.h"

#include <optional>

// The steps that shape a result before it is shown, each a pure function
// over the rows of a run.
namespace kelvo::presentation {

// The totals row: for each result column whose layout (grid column c + 1)
// asks for a sum, the sum of its numbers (cells that are no number count as
// nothing); none for the other columns. Empty when no column asks for one.
QList<std::optional<double>> ColumnTotals(const ResultTable& table, const QList<ColumnLayout>& layout);

} // namespace kelvo::presentation
