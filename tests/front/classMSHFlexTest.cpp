#include "front/classMSHFlex.h"
#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

using namespace kelvo;
using automation::ObjectVariant;
using front::classMSHFlex;

namespace {

// A grid as the host has it: a name and a first visible column. Like a real
// grid it raises its scroll event when LeftCol changes, also when the class
// itself sets it; every assignment is recorded.
class FakeGrid final : public automation::TableDispatch {
public:
    FakeGrid(QString name, classMSHFlex& flex) : m_name(std::move(name)), m_flex(flex)
    {
        m_table.property("Name", [this] { return QVariant(m_name); });
        m_table.property(
            "LeftCol", [this] { return QVariant(leftCol); },
            [this](const QVariant& v) {
                if (failPuts)
                    throw automation::AutomationError(30006, "Unable to set LeftCol");
                puts << v.toInt();
                setLeftCol(v.toInt());
            });
    }

    // The user scrolls the grid to column.
    void scrollTo(int column) { setLeftCol(column); }
    void click()
    {
        QVariant self = ObjectVariant(this);
        m_flex.Flex_MouseDown(self);
    }
    QVariant self() { return ObjectVariant(this); }

    int leftCol = 1;
    QList<int> puts;
    bool failPuts = false;

private:
    void setLeftCol(int column)
    {
        if (column == leftCol)
            return;
        leftCol = column;
        QVariant self = ObjectVariant(this);
        m_flex.Flex_Scroll(self);
    }

    QString m_name;
    classMSHFlex& m_flex;
};

struct FlexTest : ::testing::Test {
    QTime now = QTime(10, 0, 0);
    classMSHFlex flex{[this] { return now; }};
    FakeGrid grid{"flxMain", flex};

    void SetUp() override
    {
        QVariant g = grid.self();
        flex.Flex_Add(g);
    }
    void at(int hour, int minute, int second) { now = QTime(hour, minute, second); }
};

} // namespace

TEST_F(FlexTest, AClickWithoutAScrollInTheSameSecondLeavesTheGridWhereItWasScrolled)
{
    at(10, 0, 1);
    grid.scrollTo(5);
    at(10, 0, 3);
    grid.click();
    EXPECT_EQ(grid.leftCol, 5);
    EXPECT_EQ(grid.puts, QList<int>({5}));
}

TEST_F(FlexTest, AClickInTheSecondOfAScrollUndoesThatScroll)
{
    at(10, 0, 1);
    grid.scrollTo(3);
    at(10, 0, 5);
    grid.scrollTo(7);
    grid.click();
    EXPECT_EQ(grid.leftCol, 3);

    // Minutes and seconds only: a scroll a whole hour before counts as the same second.
    at(10, 0, 9);
    grid.scrollTo(8);
    at(11, 0, 9);
    grid.click();
    EXPECT_EQ(grid.leftCol, 3);
}

TEST_F(FlexTest, ScrollEventsRaisedByTheRestoreDoNotOverwriteTheRememberedColumns)
{
    at(10, 0, 1);
    grid.scrollTo(3);
    at(10, 0, 5);
    grid.scrollTo(7);
    grid.click(); // back to 3; the grid raises a scroll event meanwhile
    ASSERT_EQ(grid.leftCol, 3);

    // Had that event been taken as the user's scroll, the class would now
    // remember 7 as the current column and move the grid there.
    at(10, 0, 30);
    grid.click();
    EXPECT_EQ(grid.leftCol, 3);
    EXPECT_EQ(grid.puts, QList<int>({3, 3}));
}

TEST_F(FlexTest, EachRegisteredGridActsOnItsOwnRecordAndOthersAreIgnored)
{
    FakeGrid second("flxDetail", flex);
    QVariant s = second.self();
    flex.Flex_Add(s);
    FakeGrid stranger("flxOther", flex);

    at(10, 0, 1);
    grid.scrollTo(4);
    second.scrollTo(2);
    at(10, 0, 2);
    second.scrollTo(9);
    stranger.scrollTo(6);
    grid.click();   // its last scroll was a second ago: stays at 4
    second.click(); // scrolled this second: back to 2
    stranger.click();
    EXPECT_EQ(grid.leftCol, 4);
    EXPECT_EQ(second.leftCol, 2);
    EXPECT_EQ(stranger.leftCol, 6);
    EXPECT_TRUE(stranger.puts.isEmpty());

    flex.Flex_Clear();
    EXPECT_EQ(flex.gridCount(), 0);
    grid.click();
    EXPECT_EQ(grid.puts, QList<int>({4}));
}

TEST_F(FlexTest, FailuresOfTheGridAndArgumentsThatAreNoGridAreIgnored)
{
    at(10, 0, 1);
    grid.scrollTo(5);
    grid.failPuts = true;
    EXPECT_NO_THROW(grid.click());
    EXPECT_EQ(grid.leftCol, 5);

    QVariant notAGrid(42);
    EXPECT_NO_THROW(flex.Flex_Add(notAGrid));
    EXPECT_NO_THROW(flex.Flex_Scroll(notAGrid));
    EXPECT_NO_THROW(flex.Flex_MouseDown(notAGrid));
    EXPECT_EQ(flex.gridCount(), 1);
}

TEST_F(FlexTest, TheMethodsAreCalledByNameInInterfaceOrder)
{
    QStringList names;
    for (const automation::MemberInfo& m : flex.members())
        names << m.name;
    EXPECT_EQ(names, QStringList({"Flex_Clear", "Flex_Add", "Flex_MouseDown", "Flex_Scroll"}));

    at(10, 0, 1);
    grid.leftCol = 6; // moved without an event
    flex.callWith("Flex_Scroll", {grid.self()});
    at(10, 0, 2);
    flex.callWith("flex_mousedown", {grid.self()});
    EXPECT_EQ(grid.puts, QList<int>({6}));
    flex.callWith("Flex_Clear");
    EXPECT_EQ(flex.gridCount(), 0);
}
