#include "presentation/ChartData.h"

#include <cmath>

namespace kelvo::presentation {

namespace {

constexpr double kUnscaledUpTo = 1000000;
constexpr double kRaisedAbove = 10000;
constexpr int kLabelsAcross = 25;

// Rounds half to even, as whole-number conversions of the chart do.
double RoundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode is to nearest, ties to even
}

void SetAxis(ChartData& data)
{
    double smallest = 0, largest = 0;
    for (const ChartSeries& s : data.series)
        for (double v : s.values) {
            smallest = std::min(smallest, v);
            largest = std::max(largest, v);
        }
    const auto [maximum, divisions] = ChartVerticalAxis(largest);
    data.minimum = smallest;
    data.maximum = maximum;
    data.majorDivisions = divisions;
}

} // namespace

double ChartScalingFactor(double largest)
{
    if (largest <= kUnscaledUpTo)
        return 1;
    const double n = RoundHalfEven(std::log10(largest) - 6);
    return std::pow(10.0, n + 1);
}

std::pair<double, int> ChartVerticalAxis(double largest)
{
    double maximum = largest;
    if (maximum > kRaisedAbove)
        maximum = (std::floor(maximum / 10) + 1) * 10;
    const qint64 whole = qint64(maximum);
    for (int d = 10; d >= 5; --d)
        if (whole != 0 && whole % d == 0 && double(whole) == maximum)
            return {maximum, d};
    return {maximum, 10};
}

ChartData BuildChartData(const ResultTable& table, const ChartDefinition& d)
{
    ChartData data;
    const int x = d.xColumn - 1;
    if (x < 0 || x >= table.columnCount() || d.yColumns.isEmpty())
        return data;
    data.xTitle = table.columns()[x];
    const auto number = [&](qsizetype row, int column) { return table.cellNumber(row, column).value_or(0); };
    const bool pie = d.typeID == kPieChart;
    if (pie) {
        const int y = d.yColumns.first() - 1;
        if (y < 0 || y >= table.columnCount())
            return data;
        ChartSeries s{table.columns()[y], {}};
        for (qsizetype r = 0; r < table.rowCount(); ++r) {
            data.categories << table.text(r, x);
            s.values << number(r, y);
        }
        data.series << s;
    } else {
        for (qsizetype r = 0; r < table.rowCount(); ++r)
            data.categories << table.text(r, x);
        for (int column : d.yColumns) {
            const int y = column - 1;
            if (y < 0 || y >= table.columnCount())
                continue;
            ChartSeries s{table.columns()[y], {}};
            for (qsizetype r = 0; r < table.rowCount(); ++r)
                s.values << number(r, y);
            data.series << s;
        }
    }
    double largest = 0;
    for (const ChartSeries& s : data.series)
        for (double v : s.values)
            largest = std::max(largest, v);
    data.factor = ChartScalingFactor(largest);
    for (ChartSeries& s : data.series)
        for (double& v : s.values)
            v = RoundHalfEven(v / data.factor);
    if (data.factor > 1)
        data.footnote = QStringLiteral("اعداد نمايش داده شده، %1 بار كوچكتر شدهاند").arg(qint64(data.factor));
    data.labelEvery = int(RoundHalfEven(double(table.rowCount()) / kLabelsAcross));
    SetAxis(data);
    if (d.accumulate)
        AccumulateChart(data, true);
    return data;
}

void AccumulateChart(ChartData& data, bool accumulate)
{
    for (ChartSeries& s : data.series) {
        if (accumulate) {
            for (qsizetype i = 1; i < s.values.size(); ++i)
                s.values[i] += s.values[i - 1];
        } else {
            for (qsizetype i = s.values.size() - 1; i >= 1; --i)
                s.values[i] -= s.values[i - 1];
        }
    }
    SetAxis(data);
}

} // namespace kelvo::presentation
