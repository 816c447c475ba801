// The rules of AskYesNo and DisplayError, checked through the scripted
// prompter that window tests use.
#include "front/Prompter.h"
#include "front/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kelvo::front;
using Kind = ScriptedPrompter::Kind;

namespace {

// Provider errors that count how often DisplayError asks for them.
class CountingErrors final : public ProviderErrorSource {
public:
    explicit CountingErrors(QList<kelvo::db::ProviderError> errors) : m_errors(std::move(errors)) {}
    QList<kelvo::db::ProviderError> providerErrors() const override
    {
        ++asked;
        return m_errors;
    }
    mutable int asked = 0;

private:
    QList<kelvo::db::ProviderError> m_errors;
};

const QList<kelvo::db::ProviderError> kTwoErrors{
    {QStringLiteral("Invalid object name 'tblX'."), 208, "42S02", "SQL Server"},
    {QStringLiteral("Statement(s) could not be prepared."), 8180, "42000", "SQL Server"}};

} // namespace

TEST(MessagePrompter, AskYesNoIsOneOnlyForYes)
{
    ScriptedPrompter prompter;
    prompter.answerYes();
    prompter.answerNo();
    prompter.answerCancel();
    EXPECT_EQ(prompter.AskYesNo("انصراف از ثبت گزارش", "آيا مطمئن هستيد؟"), 1);
    EXPECT_EQ(prompter.AskYesNo("t2", "q2"), 2);
    EXPECT_EQ(prompter.AskYesNo("t3", "q3"), 2); // cancel answers like no
    EXPECT_EQ(prompter.unexpectedQuestions(), 0);

    // A question nobody scripted is answered no, and noticed.
    EXPECT_EQ(prompter.AskYesNo("t4", "q4"), 2);
    EXPECT_EQ(prompter.unexpectedQuestions(), 1);

    const auto questions = prompter.entriesOf(Kind::Question);
    ASSERT_EQ(questions.size(), 4);
    EXPECT_EQ(questions[0].title, QStringLiteral("انصراف از ثبت گزارش"));
    EXPECT_EQ(questions[0].text, QStringLiteral("آيا مطمئن هستيد؟"));
    EXPECT_EQ(questions[2].answer, AnswerCancel);
}

TEST(MessagePrompter, ShowMessageRecordsTitleAndText)
{
    ScriptedPrompter prompter;
    prompter.ShowMessage("خطا", "مسير فايل راهنما مشخص نيست.");
    ASSERT_EQ(prompter.entries().size(), 1);
    EXPECT_EQ(prompter.last().kind, Kind::Message);
    EXPECT_EQ(prompter.last().title, QStringLiteral("خطا"));
    EXPECT_EQ(prompter.last().text, QStringLiteral("مسير فايل راهنما مشخص نيست."));
}

struct DetailsCase {
    const char* name;
    bool checkProvider;
    QString details;
    bool providerHasErrors;
    QString expectedDetails;
    int expectedAsks;
};

class DisplayErrorDetails : public ::testing::TestWithParam<DetailsCase> {};

TEST_P(DisplayErrorDetails, TakeTheFirstProviderErrorOnlyWhenAskedAndEmpty)
{
    const DetailsCase& c = GetParam();
    CountingErrors source(c.providerHasErrors ? kTwoErrors : QList<kelvo::db::ProviderError>{});
    ScriptedPrompter prompter;
    prompter.setProviderErrors(&source);

    prompter.DisplayError(c.checkProvider, "پرسوجوي داده شده ايراد نحوي دارد.", c.details,
                          "عمل مورد نظر غير مجاز است", 3704);

    ASSERT_EQ(prompter.entries().size(), 1);
    const auto& shown = prompter.last();
    EXPECT_EQ(shown.kind, Kind::Error);
    EXPECT_EQ(shown.details, c.expectedDetails);
    EXPECT_EQ(source.asked, c.expectedAsks);
    EXPECT_EQ(shown.text, QStringLiteral("پرسوجوي داده شده ايراد نحوي دارد."));
    EXPECT_EQ(shown.callerTitle, QStringLiteral("عمل مورد نظر غير مجاز است"));
    EXPECT_EQ(shown.title, QStringLiteral("خطاي شماره :  3704")); // the title argument is not shown
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayErrorDetails,
    ::testing::Values(
        DetailsCase{"GivenDetailsWin", true, "near 'FROM': syntax error", true, "near 'FROM': syntax error", 0},
        DetailsCase{"GivenDetailsFlagOff", false, "x", true, "x", 0},
        DetailsCase{"FlagOffStaysEmpty", false, "", true, "", 0},
        DetailsCase{"FirstProviderError", true, "", true, "Invalid object name 'tblX'.", 1},
        DetailsCase{"NoProviderErrors", true, "", false, "", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessagePrompter, DisplayErrorWithoutASourceLeavesDetailsEmpty)
{
    ScriptedPrompter prompter;
    prompter.DisplayError(true, "m", "", "t", 5);
    EXPECT_EQ(prompter.last().details, QString());
}

TEST(MessagePrompter, ErrorCaptionShowsTheAbsoluteNumber)
{
    EXPECT_EQ(Prompter::ErrorCaption(-2147217900), QStringLiteral("خطاي شماره :  2147217900"));
    EXPECT_EQ(Prompter::ErrorCaption(13), QStringLiteral("خطاي شماره :  13"));
    EXPECT_EQ(Prompter::ErrorCaption(0), QStringLiteral("خطاي شماره :  0"));
    EXPECT_EQ(Prompter::ErrorCaption(std::numeric_limits<qint32>::min()),
              QStringLiteral("خطاي شماره :  2147483648"));
}

TEST(MessagePrompter, RecordedProviderErrorsKeepTheLastFailure)
{
    RecordedProviderErrors recorded;
    ScriptedPrompter prompter;
    prompter.setProviderErrors(&recorded);

    recorded.record(kelvo::db::DbError(kTwoErrors, "select * from tblX"));
    recorded.record(kelvo::db::DbError("no such table: tblY", 1));
    prompter.DisplayError(true, "m", "", "t", 1);
    EXPECT_EQ(prompter.last().details, QStringLiteral("no such table: tblY"));

    recorded.clear();
    prompter.DisplayError(true, "m", "", "t", 1);
    EXPECT_EQ(prompter.last().details, QString());
}
