#include "presentation/ui/ReportChart.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QPieSeries>
#include <QScatterSeries>
#include <QValueAxis>

namespace kelvo::presentation {

namespace {

const QString kUnknownKindNote = QStringLiteral("نوع نمودار %1 شناخته نيست؛ نمودار خطي رسم شد.");

QValueAxis* VerticalAxis(const ChartData& data)
{
    auto* axis = new QValueAxis;
    axis->setRange(data.minimum, std::max(data.maximum, data.minimum + 1));
    axis->setTickCount(data.majorDivisions + 1);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

QAbstractAxis* CategoryAxis(const ChartData& data)
{
    auto* axis = new QBarCategoryAxis;
    axis->append(data.categories);
    axis->setTitleText(data.xTitle);
    axis->setGridLineVisible(false);
    return axis;
}

// A series of points at 0, 1, 2 … along the categories; steps hold each
// value until the next category.
template <class Series>
Series* LineOf(const ChartSeries& s, bool step, Series* series)
{
    series->setName(s.label);
    for (qsizetype i = 0; i < s.values.size(); ++i) {
        if (step && i > 0)
            series->append(double(i), s.values[i - 1]);
        series->append(double(i), s.values[i]);
    }
    return series;
}

} // namespace

std::optional<ChartKind> ChartKindOf(std::optional<int> typeID)
{
    switch (typeID.value_or(kDefaultChartType)) {
    case 0:
    case 1:
        return ChartKind::Bar;
    case 2:
    case 3:
        return ChartKind::Line;
    case 4:
    case 5:
        return ChartKind::Area;
    case 6:
    case 7:
        return ChartKind::Step;
    case kPieChart:
        return ChartKind::Pie;
    case 16:
        return ChartKind::Points;
    default:
        return std::nullopt;
    }
}

QChart* MakeChart(const ChartData& data, std::optional<int> typeID, const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setLocalizeNumbers(false);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    const std::optional<ChartKind> known = ChartKindOf(typeID);
    const ChartKind kind = known.value_or(ChartKind::Line);
    QString footnote = data.footnote;
    if (!known)
        footnote = (footnote.isEmpty() ? QString() : footnote + QStringLiteral(" - ")) +
                   kUnknownKindNote.arg(typeID.value_or(-1));
    chart->setProperty("footnote", footnote);
    if (!footnote.isEmpty())
        chart->setTitle(title + u'\n' + footnote);
    if (data.series.isEmpty())
        return chart;

    if (kind == ChartKind::Pie) {
        auto* pie = new QPieSeries;
        pie->setName(data.series.first().label);
        for (qsizetype i = 0; i < data.categories.size(); ++i)
            pie->append(data.categories[i], data.series.first().values.value(i));
        chart->addSeries(pie);
        return chart;
    }
    QValueAxis* y = VerticalAxis(data);
    chart->addAxis(y, Qt::AlignLeft);
    if (kind == ChartKind::Bar) {
        QAbstractAxis* x = CategoryAxis(data);
        chart->addAxis(x, Qt::AlignBottom);
        auto* bars = new QBarSeries;
        for (const ChartSeries& s : data.series) {
            auto* set = new QBarSet(s.label);
            for (double v : s.values)
                *set << v;
            bars->append(set);
        }
        chart->addSeries(bars);
        bars->attachAxis(x);
        bars->attachAxis(y);
        return chart;
    }
    // Lines, steps, areas and points run along the category positions,
    // labelled every so many rows so that the labels stay readable.
    auto* positions = new QCategoryAxis;
    positions->setRange(-0.5, std::max<qsizetype>(0, data.categories.size() - 1) + 0.5);
    positions->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    positions->setTitleText(data.xTitle);
    positions->setGridLineVisible(false);
    const int every = std::max(1, data.labelEvery);
    for (qsizetype i = 0; i < data.categories.size(); i += every)
        positions->append(data.categories[i], double(i));
    chart->addAxis(positions, Qt::AlignBottom);
    for (const ChartSeries& s : data.series) {
        QAbstractSeries* series = nullptr;
        if (kind == ChartKind::Area) {
            auto* area = new QAreaSeries(LineOf(s, false, new QLineSeries));
            area->setName(s.label);
            series = area;
        } else if (kind == ChartKind::Points) {
            series = LineOf(s, false, new QScatterSeries);
        } else {
            series = LineOf(s, kind == ChartKind::Step, new QLineSeries);
        }
        chart->addSeries(series);
        series->attachAxis(positions);
        series->attachAxis(y);
    }
    return chart;
}

} // namespace kelvo::presentation
