#include "platform/automation/AutomationError.h"
#include "platform/automation/MemberTable.h"
#include "platform/automation/VariantConversion.h"

#include <gtest/gtest.h>

#include "support/AutomationErrors.h"

#include <limits>

using namespace kelvo::automation;

namespace {

// An object with a read/write property, a read-only one and a method that
// doubles its by-reference argument.
class Counter final : public TableDispatch {
public:
    Counter()
    {
        m_table.property(
            "Value", [this] { return QVariant(value); }, [this](const QVariant& v) { value = ToInt32(v); });
        m_table.property("Name", [] { return QVariant(QStringLiteral("counter")); });
        m_table.method("Double", 1, 2, [](QVariantList& args) {
            args[0] = ToInt32(args[0]) * 2;
            return QVariant(QStringLiteral("doubled"));
        });
    }
    qint32 value = 0;
};

using kelvo::test::ErrorNumber;

} // namespace

TEST(DispatchTest, MembersAreListedInSlotOrderWithGetBeforePut)
{
    Counter c;
    const QList<MemberInfo> expected{{"Value", MemberKind::PropertyGet, 0},
                                     {"Value", MemberKind::PropertyPut, 1},
                                     {"Name", MemberKind::PropertyGet, 2},
                                     {"Double", MemberKind::Method, 3}};
    EXPECT_EQ(c.members(), expected);
}

TEST(DispatchTest, MembersAreCalledByNameWithoutRegardToCaseAndArgumentsComeBackUpdated)
{
    Counter c;
    c.putProperty("vALUE", QStringLiteral(" 41 "));
    EXPECT_EQ(c.value, 41);
    EXPECT_EQ(c.getProperty("value").toInt(), 41);

    QVariantList args{21};
    EXPECT_EQ(c.call("DOUBLE", args).toString(), "doubled");
    EXPECT_EQ(args[0].toInt(), 42);
}

TEST(DispatchTest, MissingMembersWrongKindsAndWrongArgumentCountsFail)
{
    Counter c;
    EXPECT_EQ(ErrorNumber([&] { c.getProperty("Missing"); }), ErrMemberNotFound);
    EXPECT_EQ(ErrorNumber([&] { c.putProperty("Name", 1); }), ErrMemberNotFound); // read-only
    EXPECT_EQ(ErrorNumber([&] { c.callWith("Value"); }), ErrMemberNotFound);      // a property
    EXPECT_EQ(ErrorNumber([&] { c.getProperty("Double"); }), ErrMemberNotFound);  // a method
    EXPECT_EQ(ErrorNumber([&] { c.callWith("Double"); }), ErrWrongArgumentCount);
    EXPECT_EQ(ErrorNumber([&] { c.callWith("Double", {1, 2, 3}); }), ErrWrongArgumentCount);
    EXPECT_EQ(ErrorNumber([&] { c.callWith("Double", {1, 2}); }), 0);
}

TEST(DispatchTest, ObjectReferencesTravelInVariants)
{
    Counter c;
    EXPECT_EQ(ObjectOf(ObjectVariant(&c)), &c);
    EXPECT_EQ(ObjectOf(QVariant(5)), nullptr);
    EXPECT_EQ(ObjectOf(QVariant()), nullptr);
}

TEST(VariantConversionTest, WholeNumbersConvertAsALateBoundCallConvertsThem)
{
    struct Case {
        QVariant in;
        qint32 expected;
    };
    const Case cases[] = {
        {QVariant(), 0},
        {QVariant(true), -1},
        {QVariant(false), 0},
        {QVariant(123), 123},
        {QVariant(qint64(-7)), -7},
        {QVariant(2.5), 2},  // half to even
        {QVariant(3.5), 4},
        {QVariant(-2.5), -2},
        {QVariant(2.4999), 2},
        {QVariant(QStringLiteral(" 17 ")), 17},
        {QVariant(QStringLiteral("1e3")), 1000},
        {QVariant(2147483647.0), 2147483647},
    };
    for (const Case& k : cases)
        EXPECT_EQ(ToInt32(k.in), k.expected) << k.in.toString().toStdString();
}

TEST(VariantConversionTest, OutOfRangeIsAnOverflowAndNonNumbersAreATypeMismatch)
{
    EXPECT_EQ(ErrorNumber([] { ToInt16(QVariant(32768)); }), ErrOverflow);
    EXPECT_EQ(ErrorNumber([] { ToInt16(QVariant(-32769)); }), ErrOverflow);
    EXPECT_EQ(ErrorNumber([] { ToInt16(QVariant(-32768)); }), 0);
    EXPECT_EQ(ErrorNumber([] { ToInt32(QVariant(qint64(1) << 31)); }), ErrOverflow);
    EXPECT_EQ(ErrorNumber([] { ToInt32(QVariant(std::numeric_limits<double>::infinity())); }), ErrOverflow);
    EXPECT_EQ(ErrorNumber([] { ToInt32(QVariant(QStringLiteral("12abc"))); }), ErrTypeMismatch);
    EXPECT_EQ(ErrorNumber([] { ToInt32(QVariant(QString())); }), ErrTypeMismatch);
    EXPECT_EQ(ErrorNumber([] { ToInt32(QVariant(QStringList{"1"})); }), ErrTypeMismatch);
}

TEST(VariantConversionTest, ColoursKeepTheirBitsAndTextTakesAnyPrintableValue)
{
    EXPECT_EQ(ToOleColor(QVariant(qint64(0xFFFFFFFF))), 0xFFFFFFFFu);
    EXPECT_EQ(ToOleColor(QVariant(qint32(0x80000005))), 0x80000005u); // a negative 32-bit value
    EXPECT_EQ(ErrorNumber([] { ToOleColor(QVariant(qint64(0x100000000))); }), ErrOverflow);
    EXPECT_EQ(ToText(QVariant()), "");
    EXPECT_EQ(ToText(QVariant(12)), "12");
    EXPECT_EQ(ToText(QVariant(true)), "True");
}
