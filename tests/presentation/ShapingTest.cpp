// The shaping steps over fetched rows: row expressions, row merge,
// distribution into columns and row colours, on small tables.
#include "presentation/ChartData.h"
#include "presentation/RowExpressions.h"
#include "presentation/RowShaping.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::presentation;

namespace {

// A table of these columns and rows, split into batches of two rows so that
// every step crosses a batch boundary.
ResultTable Table(const QStringList& columns, const QList<QVariantList>& rows)
{
    ResultTable table(columns, QList<db::ColumnType>(columns.size(), db::ColumnType::Text));
    for (qsizetype r = 0; r < rows.size(); r += 2) {
        auto batch = std::make_shared<db::RowBatch>(int(columns.size()));
        for (qsizetype i = r; i < std::min(rows.size(), r + 2); ++i)
            for (const QVariant& v : rows[i])
                batch->appendValue(v);
        table.append(batch);
    }
    return table;
}

QList<QStringList> Texts(const ResultTable& table)
{
    QList<QStringList> rows;
    for (qsizetype r = 0; r < table.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table.columnCount(); ++c)
            row << table.text(r, c);
        rows << row;
    }
    return rows;
}

std::optional<double> Evaluate(const QString& text, const QList<double>& current, const QList<double>& previous)
{
    const std::optional<ExpressionFormula> f = ExpressionFormula::parse(text);
    if (!f)
        return std::nullopt;
    const auto cells = [](const QList<double>& row) {
        return [row](int i) { return i >= 1 && i <= row.size() ? std::optional<double>(row[i - 1]) : std::nullopt; };
    };
    return f->evaluate(cells(current), previous.isEmpty() ? ExpressionFormula::Cells([](int) { return std::nullopt; })
                                                          : ExpressionFormula::Cells(cells(previous)));
}

} // namespace

TEST(RowExpressionFormulas, ReadNumbersReferencesOperatorsAndParentheses)
{
    const QList<double> current{2, 10, 4, 0, 5, 6, 7, 8, 9, 10, 11, 120};
    const QList<double> previous{1, 3};
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"C1+C2", 12},          {"C2-C1*C3", 2},    {"(C2-C1)*C3", 32},   {"C2/C3", 2.5},
        {"C12", 120},           {"C12-C1", 118},    {"P2+C1", 5},         {"-C1+3", 1},
        {"1.5*2", 3},           {"C2/C4", {}},      {"C13", {}},          {"C0", {}},
        {"۲*C1", 4},            {" C1 + 1 ", 3},    {"C2/(C1-2)", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Evaluate(QString::fromUtf8(c.text), current, previous), c.value) << c.text;
    // On the first row there is no previous row.
    EXPECT_EQ(Evaluate("P1+C1", current, {}), std::nullopt);
    for (const char* bad : {"", "C", "1+", "(C1", "C1)", "C1 C2", "X1", "C1**2"})
        EXPECT_FALSE(ExpressionFormula::parse(bad)) << bad;
}

TEST(RowExpressionFormulas, FarsiReadsColumnTwelveBeforeColumnOne)
{
    const QStringList headings{"رديف", "الف", "ب", "پ", "ت", "ث", "ج", "چ", "ح", "خ", "د", "ذ", "ر"};
    EXPECT_EQ(FarsiExpression("C3-P3", headings), "پ (سطر جاري)-پ (سطر قبلي)");
    EXPECT_EQ(FarsiExpression("C12+C1", headings), "ر (سطر جاري)+الف (سطر جاري)");
}

TEST(RowExpressionColumns, FollowTheResultWithARunningTotalAndTheSignFilters)
{
    const ResultTable table =
        Table({"ماه", "مبلغ"}, {{"1", 100}, {"2", -40}, {"3", 25}, {"4", QVariant()}, {"5", 10}});
    const QList<RowExpression> expressions{
        {"جمع", "P3+C2", "C2", std::nullopt}, // running total: grid column 3 is itself
        {"تغيير", "C2-P2", "", true},          // only positive changes; the first row uses the general one
        {"منفي", "C2", "", false},
        {"نسبت", "C2/(C2-C2)", "", std::nullopt},
    };
    const ResultTable shaped = AddRowExpressions(table, expressions);
    EXPECT_EQ(shaped.columns(), (QStringList{"ماه", "مبلغ", "جمع", "تغيير", "منفي", "نسبت"}));
    EXPECT_EQ(Texts(shaped), (QList<QStringList>{
                                 {"1", "100", "100", "", "", ""},
                                 {"2", "-40", "60", "", "-40", ""},
                                 {"3", "25", "85", "65", "", ""},
                                 {"4", "", "", "", "", ""},
                                 {"5", "10", "", "", "", ""},
                             }));
}

TEST(RowMerge, JoinsConsecutiveRowsOfEqualBasesBySumDistinctAndFirstValue)
{
    const ResultTable table = Table({"مشتري", "شهر", "مبلغ", "فروشنده", "شماره"},
                                    {{"الف", "تهران", 10, "علي", 1},
                                     {"الف", "تهران", 5.5, "رضا", 2},
                                     {"الف", "تهران", QVariant(), "علي", 3},
                                     {"ب", "تهران", 7, "رضا", 4},
                                     {"الف", "قم", 1, "علي", 5}});
    using M = MergeType;
    const ResultTable merged = MergeRows(table, {M::Base, M::Base, M::Sum, M::Distinct, M::First});
    EXPECT_EQ(Texts(merged), (QList<QStringList>{
                                 {"الف", "تهران", "15.5", "علي، رضا", "1"},
                                 {"ب", "تهران", "7", "رضا", "4"},
                                 {"الف", "قم", "1", "علي", "5"},
                             }));
    // Integers stay integers; without a base column nothing merges.
    EXPECT_EQ(MergeRows(table, {M::Base, M::First, M::First, M::First, M::Sum}).text(0, 4), "6");
    EXPECT_EQ(MergeRows(table, {M::Sum}).rowCount(), 5);
}

TEST(Distribution, SpreadsValuesUnderTheDistinctHeadingsOfOneColumn)
{
    const ResultTable table = Table({"مشتري", "ماه", "مبلغ", "تعداد"},
                                    {{"الف", "فروردين", 10, 1},
                                     {"الف", "ارديبهشت", 5, 2},
                                     {"ب", "فروردين", 7, 1},
                                     {"الف", "فروردين", 3, 4},
                                     {"ب", "خرداد", "بدون", 1}});
    // One value column: first-seen order of the months, cells summed.
    const ResultTable one = Distribute(table, {1, {2}, {}});
    EXPECT_EQ(one.columns(), (QStringList{"مشتري", "تعداد", "فروردين", "ارديبهشت", "خرداد"}));
    EXPECT_EQ(one.rowCount(), 4); // rows are keyed by customer and count
    const ResultTable sums = Distribute(table, {1, {2, 3}, {"خرداد", "فروردين"}});
    // Two value columns: one heading per month and value column, the stored
    // order first; a text cell makes its column text.
    EXPECT_EQ(sums.columns(), (QStringList{"مشتري", "خرداد - مبلغ", "خرداد - تعداد", "فروردين - مبلغ",
                                           "فروردين - تعداد", "ارديبهشت - مبلغ", "ارديبهشت - تعداد"}));
    EXPECT_EQ(Texts(sums), (QList<QStringList>{
                               {"الف", "", "", "13", "5", "5", "2"},
                               {"ب", "بدون", "1", "7", "1", "", ""},
                           }));
    // The distributing column is never a value column too.
    EXPECT_EQ(Distribute(table, {1, {1}, {}}).columns(), table.columns());
}

TEST(Distribution, KeepsTwentyOrMoreValuesInFirstSeenOrder)
{
    QList<QVariantList> rows;
    for (int i = 25; i > 0; --i)
        rows << QVariantList{"x", QString::number(i), i};
    const ResultTable spread = Distribute(Table({"k", "v", "n"}, rows), {1, {2}, {}});
    ASSERT_EQ(spread.columnCount(), 26);
    EXPECT_EQ(spread.columns()[1], "25");
    EXPECT_EQ(spread.columns()[25], "1");
    EXPECT_EQ(spread.text(0, 25), "1");
}

TEST(RowColours, ColourTheRowsWhoseColumnHoldsAListedValue)
{
    const ResultTable table = Table({"شماره", "تسويه"}, {{1, 0}, {2, 1}, {3, "0"}, {4, QVariant()}});
    RowColourRule rule;
    rule.gridColumn = 2;
    rule.values = {{0, 0x0000FF, 0xC0FFFF}};
    const struct {
        int type;
        bool text, background;
    } types[] = {{1, true, false}, {2, false, true}, {3, true, true}, {0, false, false}};
    for (const auto& t : types) {
        rule.type = t.type;
        const std::optional<RowColours> colours = ColoursOfRow(rule, table, 0);
        ASSERT_EQ(colours.has_value(), t.text || t.background) << t.type;
        if (colours) {
            EXPECT_EQ(colours->text, t.text ? std::optional<quint32>(0x0000FF) : std::nullopt);
            EXPECT_EQ(colours->background, t.background ? std::optional<quint32>(0xC0FFFF) : std::nullopt);
        }
    }
    rule.type = 3;
    EXPECT_FALSE(ColoursOfRow(rule, table, 1));
    EXPECT_TRUE(ColoursOfRow(rule, table, 2)); // compared as numbers
    EXPECT_FALSE(ColoursOfRow(rule, table, 3));
    rule.gridColumn = -1;
    EXPECT_FALSE(ColoursOfRow(rule, table, 0));
}

TEST(ChartNumbers, ScaleAboveAMillionAndRoundTheVerticalAxis)
{
    const struct {
        double largest, factor;
    } factors[] = {{0, 1}, {1000000, 1}, {5000000, 100}, {1500000, 10}, {3.2e9, 100000}};
    for (const auto& f : factors)
        EXPECT_EQ(ChartScalingFactor(f.largest), f.factor) << f.largest;
    const struct {
        double largest, maximum;
        int divisions;
    } axes[] = {{12340, 12350, 10}, {12345, 12350, 10}, {9000, 9000, 10}, {700, 700, 10}, {63, 63, 9}, {7, 7, 7},
                {13, 13, 10}};
    for (const auto& a : axes)
        EXPECT_EQ(ChartVerticalAxis(a.largest), std::pair(a.maximum, a.divisions)) << a.largest;
}

TEST(ChartNumbers, TakeTheAxesFromTheRowsAndAccumulate)
{
    const ResultTable table = Table({"ماه", "فروش", "تعداد"},
                                    {{"فروردين", 2000000, 3}, {"ارديبهشت", 5000000, "x"}, {"خرداد", 1250000, 1}});
    ChartDefinition d;
    d.xColumn = 1;
    d.yColumns = {2, 3};
    ChartData data = BuildChartData(table, d);
    EXPECT_EQ(data.categories, (QStringList{"فروردين", "ارديبهشت", "خرداد"}));
    ASSERT_EQ(data.series.size(), 2);
    EXPECT_EQ(data.series[0].label, "فروش");
    EXPECT_EQ(data.factor, 100);
    EXPECT_EQ(data.series[0].values, (QList<double>{20000, 50000, 12500}));
    EXPECT_EQ(data.series[1].values, (QList<double>{0, 0, 0})); // 3 / 100 and text read as 0
    EXPECT_EQ(data.footnote, "اعداد نمايش داده شده، 100 بار كوچكتر شدهاند");
    EXPECT_EQ(data.maximum, 50010);
    AccumulateChart(data, true);
    EXPECT_EQ(data.series[0].values, (QList<double>{20000, 70000, 82500}));
    EXPECT_EQ(data.maximum, 82510);
    AccumulateChart(data, false);
    EXPECT_EQ(data.series[0].values, (QList<double>{20000, 50000, 12500}));

    // Unscaled values stay whole numbers with no footnote; a pie has one series.
    d.typeID = kPieChart;
    d.yColumns = {3};
    const ChartData pie = BuildChartData(table, d);
    ASSERT_EQ(pie.series.size(), 1);
    EXPECT_EQ(pie.series[0].label, "تعداد");
    EXPECT_EQ(pie.series[0].values, (QList<double>{3, 0, 1}));
    EXPECT_TRUE(pie.footnote.isEmpty());
    EXPECT_EQ(pie.factor, 1);
}
