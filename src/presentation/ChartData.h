#pragma once

#include "presentation/ResultTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A report's chart as numbers: what the chart definition takes from the
// result rows, scaled and with its vertical axis worked out.
namespace kelvo::presentation {

// The chart kinds by their stored codes.
inline constexpr int kPieChart = 14;
inline constexpr int kDefaultChartType = 3; // two-dimensional line

struct ChartDefinition {
    int xColumn = -1;     // grid column of the horizontal axis (result column + 1)
    QList<int> yColumns;  // grid columns of the vertical axis, in list order
    std::optional<int> typeID;
    bool accumulate = false;
    bool showWithReport = false;
};

struct ChartSeries {
    QString label;
    QList<double> values; // one per category, whole numbers after scaling
};

struct ChartData {
    QStringList categories; // the horizontal axis's labels
    QList<ChartSeries> series;
    double factor = 1;      // the values were divided by it
    QString footnote;       // says so when the factor is above 1
    double minimum = 0, maximum = 0;
    int majorDivisions = 10;
    int labelEvery = 0;     // result rows / 25, rounded
    QString xTitle;
};

// The divisor that brings values up to largest within 1,000,000: 1, or 10
// to the power of (log10(largest) - 6, rounded half to even) + 1.
double ChartScalingFactor(double largest);
// The vertical axis for a largest value: the maximum (above 10,000 raised to
// the next multiple of 10 strictly above it) and its major divisions (the
// first of 10 to 5 that divides it, else 10).
std::pair<double, int> ChartVerticalAxis(double largest);

// The chart's numbers from the result rows; a pie has one series labelled
// with the first vertical column's heading and one category per row.
ChartData BuildChartData(const ResultTable& table, const ChartDefinition& definition);
// Running totals along each series from its second value on, or the single
// values again; the vertical axis follows.
void AccumulateChart(ChartData& data, bool accumulate);

} // namespace kelvo::presentation
