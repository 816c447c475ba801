// FindListItem and SelectedItemData on combo boxes and lists whose items
// carry a number.
#include "front/ui/ListItems.h"

#include <QComboBox>
#include <QListWidget>
#include <gtest/gtest.h>

using namespace kelvo::front;

namespace {

// Items "a" 10, "b" 20, "c" 20, "d" without data.
template <class List>
void Fill(List& list);

template <>
void Fill(QComboBox& list)
{
    list.addItem("a", 10);
    list.addItem("b", 20);
    list.addItem("c", 20);
    list.addItem("d");
    list.setCurrentIndex(-1);
}

template <>
void Fill(QListWidget& list)
{
    for (auto [text, data] : {std::pair{"a", 10}, {"b", 20}, {"c", 20}}) {
        auto* item = new QListWidgetItem(QString::fromLatin1(text), &list);
        item->setData(Qt::UserRole, data);
    }
    new QListWidgetItem("d", &list);
}

int CurrentRow(const QComboBox& list) { return list.currentIndex(); }
int CurrentRow(const QListWidget& list) { return list.currentRow(); }

template <class List>
class ListProcedures : public ::testing::Test {
protected:
    List list;
    void SetUp() override { Fill(list); }
};

using ListKinds = ::testing::Types<QComboBox, QListWidget>;
TYPED_TEST_SUITE(ListProcedures, ListKinds);

} // namespace

TYPED_TEST(ListProcedures, NothingSelectedGivesMinusOne)
{
    EXPECT_EQ(SelectedItemData(this->list), -1);
}

TYPED_TEST(ListProcedures, FindSelectsTheFirstItemWithTheNumber)
{
    EXPECT_TRUE(FindListItem(this->list, 20));
    EXPECT_EQ(CurrentRow(this->list), 1);
    EXPECT_EQ(SelectedItemData(this->list), 20);

    EXPECT_TRUE(FindListItem(this->list, 10));
    EXPECT_EQ(CurrentRow(this->list), 0);
    EXPECT_EQ(SelectedItemData(this->list), 10);
}

TYPED_TEST(ListProcedures, MissingNumberLeavesTheSelection)
{
    ASSERT_TRUE(FindListItem(this->list, 20));
    EXPECT_FALSE(FindListItem(this->list, 99));
    EXPECT_EQ(CurrentRow(this->list), 1);
    EXPECT_EQ(SelectedItemData(this->list), 20);
}

TYPED_TEST(ListProcedures, AnItemWithoutDataCountsAsZero)
{
    EXPECT_TRUE(FindListItem(this->list, 0));
    EXPECT_EQ(CurrentRow(this->list), 3);
    EXPECT_EQ(SelectedItemData(this->list), 0);
}

TEST(ListProcedures, ListWithClearedSelectionGivesMinusOne)
{
    QListWidget list;
    Fill(list);
    ASSERT_TRUE(FindListItem(list, 10));
    list.clearSelection();
    EXPECT_EQ(SelectedItemData(list), -1);
}
