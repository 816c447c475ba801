#pragma once

#include "presentation/ChartData.h"

#include <optional>

class QChart;

namespace kelvo::presentation {

// The Qt chart kind a stored chart-type code draws as: bars (0, 1), lines
// (2, 3), areas (4, 5), steps (6, 7), a pie (14) and points (16); a
// three-dimensional code draws as its two-dimensional counterpart.
enum class ChartKind { Bar, Line, Area, Step, Pie, Points };
// None for a code that has no counterpart.
std::optional<ChartKind> ChartKindOf(std::optional<int> typeID);

// The chart of the numbers: titled, with its legend, its footnote and its
// axes; an unknown code draws lines and says so in the footnote.
QChart* MakeChart(const ChartData& data, std::optional<int> typeID, const QString& title);

} // namespace kelvo::presentation
