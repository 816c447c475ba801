// The C interface, used as a host in another language uses it.
#include "component/KelvoComponentApi.h"

#include "front/HostContext.h"
#include "front/PublicClasses.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/MemberTable.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char* kGenCls = "KelvoReportGenerator.KelvoReportGenCls";

// Releases an object at the end of a scope.
struct Handle {
    KelvoObject* object;
    explicit Handle(const char* progId) : object(kelvo_create(progId)) {}
    ~Handle() { kelvo_release(object); }
    operator KelvoObject*() const { return object; }
};

// A grid component a host registers, for passing objects as arguments.
class Grid final : public kelvo::automation::TableDispatch {
public:
    Grid()
    {
        m_table.property("Name", [] { return QVariant(QStringLiteral("flxGrid")); });
        m_table.property(
            "LeftCol", [this] { return QVariant(leftCol); }, [this](const QVariant& v) { leftCol = v.toInt(); });
    }
    int leftCol = 1;
};

} // namespace

TEST(ComponentApiTest, PropertiesRoundTripAsIntegersTextAndVariants)
{
    Handle gen(kGenCls);
    ASSERT_NE(gen.object, nullptr) << kelvo_last_error_text();

    EXPECT_EQ(kelvo_put_integer(gen, "UserID", 7), 0);
    long long n = 0;
    EXPECT_EQ(kelvo_get_integer(gen, "userid", &n), 0);
    EXPECT_EQ(n, 7);
    EXPECT_EQ(kelvo::front::ProcessSession().context.CurrentUserID, 7);

    const QByteArray cs = QString::fromUtf8("Provider=SQLite;Data Source=/srv/گزارش;Initial Catalog=Acc").toUtf8();
    EXPECT_EQ(kelvo_put_text(gen, "OleConnectionString", cs.constData()), 0);
    EXPECT_STREQ(kelvo_get_text(gen, "OleConnectionString"), cs.constData());

    const KelvoValue id = kelvo_text("4711");
    EXPECT_EQ(kelvo_put_value(gen, "ReportID", &id), 0);
    KelvoValue read{};
    EXPECT_EQ(kelvo_get_value(gen, "ReportID", &read), 0);
    EXPECT_EQ(read.type, KELVO_INTEGER);
    EXPECT_EQ(read.integer, 4711);

    EXPECT_EQ(kelvo_put_integer(gen, "BackColor", 0xFF), 0);
    EXPECT_EQ(kelvo_get_integer(gen, "BackColor", &n), 0);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(kelvo_last_error_number(), 0);
    EXPECT_STREQ(kelvo_last_error_text(), "");
}

TEST(ComponentApiTest, FailuresLeaveTheirNumberAndTextUntilTheNextCall)
{
    EXPECT_EQ(kelvo_create("KelvoReportGenerator.NoSuchClass"), nullptr);
    EXPECT_EQ(kelvo_last_error_number(), kelvo::automation::ErrCannotCreateObject);
    EXPECT_NE(std::strstr(kelvo_last_error_text(), "KelvoReportGenerator.NoSuchClass"), nullptr);

    Handle gen(kGenCls);
    EXPECT_EQ(kelvo_put_integer(gen, "UserID", 70000), -1);
    EXPECT_EQ(kelvo_last_error_number(), kelvo::automation::ErrOverflow);
    EXPECT_EQ(kelvo_get_text(gen, "Colour"), nullptr);
    EXPECT_EQ(kelvo_last_error_number(), kelvo::automation::ErrMemberNotFound);

    // A database failure reaches the host with the provider's description.
    EXPECT_EQ(kelvo_put_text(gen, "OleConnectionString", "Provider=SQLite;Data Source=/no/such/folder;Initial Catalog=Acc"), 0);
    KelvoValue id = kelvo_integer(3);
    EXPECT_EQ(kelvo_call(gen, "LimitedView", &id, 1, nullptr), -1);
    EXPECT_EQ(kelvo_last_error_number(), kelvo::automation::ErrProviderFailure);
    EXPECT_NE(std::strstr(kelvo_last_error_text(), "/no/such/folder"), nullptr) << kelvo_last_error_text();

    EXPECT_EQ(kelvo_put_integer(nullptr, "UserID", 1), -1);
    EXPECT_NE(kelvo_last_error_number(), 0);
    kelvo_release(nullptr);
}

TEST(ComponentApiTest, MethodsTakeIntegerTextAndObjectArgumentsByReference)
{
    Handle gen(kGenCls);
    KelvoValue result = kelvo_integer(99);
    EXPECT_EQ(kelvo_call(gen, "ViewReports", nullptr, 0, &result), 0);
    EXPECT_EQ(result.type, KELVO_EMPTY);

    // A method with arguments by reference that is no member: the call says so.
    KelvoValue args[] = {kelvo_integer(5), kelvo_text("caller"), kelvo_text("عنوان")};
    EXPECT_EQ(kelvo_call(gen, "ViewReportWithoutParameter", args, 3, nullptr), -1);
    EXPECT_EQ(kelvo_last_error_number(), kelvo::automation::ErrMemberNotFound);

    kelvo::automation::ProcessRegistry().registerComponent("ApiTest.Grid", [] { return std::make_unique<Grid>(); });
    Handle flex("KelvoReportGenerator.classMSHFlex");
    Handle grid("ApiTest.Grid");
    ASSERT_NE(grid.object, nullptr);
    KelvoValue g = kelvo_object(grid);
    ASSERT_EQ(kelvo_call(flex, "Flex_Add", &g, 1, nullptr), 0) << kelvo_last_error_text();
    EXPECT_EQ(g.type, KELVO_OBJECT);
    EXPECT_EQ(g.object, grid.object);
    EXPECT_EQ(kelvo_put_integer(grid, "LeftCol", 6), 0);
    ASSERT_EQ(kelvo_call(flex, "Flex_Scroll", &g, 1, nullptr), 0);
    EXPECT_EQ(kelvo_put_integer(grid, "LeftCol", 2), 0); // moved without an event
    ASSERT_EQ(kelvo_call(flex, "Flex_MouseDown", &g, 1, nullptr), 0);
    long long left = 0;
    EXPECT_EQ(kelvo_get_integer(grid, "LeftCol", &left), 0);
    EXPECT_TRUE(left == 6 || left == 1) << "the class put the grid back on a remembered column, got " << left;
    kelvo::automation::ProcessRegistry().unregisterComponent("ApiTest.Grid");
}

TEST(ComponentApiTest, MembersAreListedInSlotOrder)
{
    Handle gen(kGenCls);
    EXPECT_EQ(kelvo_member_count(gen), 41);
    int kind = -1;
    EXPECT_STREQ(kelvo_member(gen, 0, &kind), "UserID");
    EXPECT_EQ(kind, 0);
    EXPECT_STREQ(kelvo_member(gen, 1, &kind), "UserID");
    EXPECT_EQ(kind, 1);
    EXPECT_STREQ(kelvo_member(gen, 40, &kind), "ViewReportWithoutParameters");
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(kelvo_member(gen, 41, &kind), nullptr);
}
