// The result grid's model over a small result: layout, totals, sorting and
// the quick filter, and rows that arrive while the model is shown.
#include "presentation/ResultModel.h"
#include "presentation/Shaping.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::presentation;

namespace {

std::shared_ptr<db::RowBatch> Rows(std::initializer_list<std::tuple<QString, QVariant, QVariant>> rows)
{
    auto batch = std::make_shared<db::RowBatch>(3);
    for (const auto& [name, amount, note] : rows) {
        batch->appendText(name);
        batch->appendValue(amount);
        batch->appendValue(note);
    }
    return batch;
}

// Customers, amounts and notes; the amount (grid column 2) is summed and
// right-aligned.
struct ResultModelTest : ::testing::Test {
    ResultModel model;
    ResultModelTest()
    {
        ColumnLayout amount;
        amount.columnNumber = 2;
        amount.alignment = 7;
        amount.makeSum = true;
        model.reset({"مشتري", "مبلغ", "توضيح"}, {}, {amount});
        model.appendBatch(Rows({{"كاوه", 300, "تسويه شده"}, {"بهار", 1200.5, QVariant()}}));
        model.appendBatch(Rows({{"آرش", 50, "نقدي ۱۴۰۳"}, {"ياسمن", QVariant(), "Cash"}}));
    }
    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.index(r, c).data().toString();
        return out;
    }
};

} // namespace

TEST_F(ResultModelTest, RowsArriveInBatchesAndTheTotalsRowComesLast)
{
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "مبلغ");
    EXPECT_EQ(model.headerData(3, Qt::Vertical).toString(), "4");
    EXPECT_EQ(model.index(1, 1).data().toString(), "1200.5");
    EXPECT_EQ(model.index(1, 2).data().toString(), ""); // NULL
    EXPECT_EQ(model.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(model.index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);

    model.finish();
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.headerData(4, Qt::Vertical).toString(), "جمع");
    EXPECT_EQ(model.index(4, 1).data().toString(), "1550.50");
    EXPECT_EQ(model.index(4, 0).data().toString(), "");
    EXPECT_EQ(model.sourceRow(4), -1);
}

TEST_F(ResultModelTest, SortingAndFilteringShowTheLoadedRowsInAnotherOrder)
{
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(column(0), (QStringList{"ياسمن", "آرش", "كاوه", "بهار"})); // NULL first, numbers as numbers
    model.sort(1, Qt::DescendingOrder);
    EXPECT_EQ(column(0).first(), "بهار");

    // Persian letters find Arabic ones, Latin digits Persian ones, case aside.
    model.setFilterText("کاوه");
    EXPECT_EQ(column(0), QStringList{"كاوه"});
    model.setFilterText("1403");
    EXPECT_EQ(column(0), QStringList{"آرش"});
    model.setFilterText("cash");
    EXPECT_EQ(column(0), QStringList{"ياسمن"});
    model.setFilterText("");
    EXPECT_EQ(model.rowCount(), 4);

    // Rows that come while the model is sorted take their places.
    model.sort(1, Qt::AscendingOrder);
    model.appendBatch(Rows({{"ميلاد", 100, QVariant()}}));
    EXPECT_EQ(column(0), (QStringList{"ياسمن", "آرش", "ميلاد", "كاوه", "بهار"}));
}

TEST(Shaping, TotalsSumTheNumbersOfTheColumnsThatAskForIt)
{
    ResultTable table({"a", "b"}, {});
    auto batch = std::make_shared<db::RowBatch>(2);
    for (const auto& [a, b] : std::initializer_list<std::pair<QVariant, QVariant>>{{1, "x"}, {2.5, 7}, {"text", QVariant()}}) {
        batch->appendValue(a);
        batch->appendValue(b);
    }
    table.append(batch);
    ColumnLayout first;
    first.columnNumber = 1;
    first.makeSum = true;
    ColumnLayout past; // a layout row past the last column is ignored
    past.columnNumber = 9;
    past.makeSum = true;
    const QList<std::optional<double>> totals = ColumnTotals(table, {first, past});
    ASSERT_EQ(totals.size(), 2);
    EXPECT_EQ(totals[0], 3.5);
    EXPECT_FALSE(totals[1].has_value());
    EXPECT_TRUE(ColumnTotals(table, {}).isEmpty());
}
