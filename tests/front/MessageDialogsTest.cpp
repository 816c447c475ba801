// The three message dialogs as real windows (offscreen), driven through the
// dialog prompter and a scripted window runner.
#include "front/ui/DialogPrompter.h"
#include "front/ui/MessageDialogs.h"
#include "front/ui/WindowRunner.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace kelvo::front;

namespace {

template <class T = QWidget>
T* Child(QWidget& window, const char* name)
{
    T* child = window.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void Click(QWidget& window, const char* button)
{
    if (auto* b = Child<QPushButton>(window, button))
        b->click();
}

void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
              const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

struct AnswerCase {
    const char* name;
    std::function<void(QWidget&)> act;
    int expected;
};

class YesNoAnswers : public ::testing::TestWithParam<AnswerCase> {};

} // namespace

TEST_P(YesNoAnswers, AskYesNoGivesOneOnlyForTheYesButton)
{
    ScriptedWindowRunner runner;
    DialogPrompter prompter(runner);
    QString shownTitle, shownQuestion;
    runner.expect([&](QWidget& dialog) {
        shownTitle = dialog.windowTitle();
        shownQuestion = Child<QLabel>(dialog, "lblQuestion")->text();
        GetParam().act(dialog);
    });

    const int answer = prompter.AskYesNo("خروج از گزارشساز", "آيا مطمئن هستيد؟");

    EXPECT_EQ(answer, GetParam().expected);
    EXPECT_EQ(runner.opened(), QStringList{"FormYesNo"});
    EXPECT_EQ(shownTitle, QStringLiteral("خروج از گزارشساز"));
    EXPECT_EQ(shownQuestion, QStringLiteral("آيا مطمئن هستيد؟"));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, YesNoAnswers,
    ::testing::Values(AnswerCase{"Yes", [](QWidget& d) { Click(d, "cmdYes"); }, 1},
                      AnswerCase{"No", [](QWidget& d) { Click(d, "cmdNo"); }, 2},
                      AnswerCase{"Cancel", [](QWidget& d) { Click(d, "cmdContinue"); }, 2},
                      AnswerCase{"TitleBarClose", [](QWidget& d) { d.close(); }, 2},
                      AnswerCase{"Escape", [](QWidget& d) { PressKey(&d, Qt::Key_Escape); }, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageDialogs, YesNoButtonsCarryTheirCaptions)
{
    FormYesNo dialog;
    EXPECT_EQ(Child<QPushButton>(dialog, "cmdYes")->text(), QStringLiteral("بلي"));
    EXPECT_EQ(Child<QPushButton>(dialog, "cmdNo")->text(), QStringLiteral("خير"));
    EXPECT_EQ(Child<QPushButton>(dialog, "cmdContinue")->text(), QStringLiteral("انصراف"));
    EXPECT_NE(Child<QLabel>(dialog, "Image2"), nullptr);
    EXPECT_EQ(dialog.layoutDirection(), Qt::RightToLeft);
}

TEST(MessageDialogs, AskYesNoRunsAModalLoopThatABUttonEnds)
{
    ModalLoopRunner runner;
    DialogPrompter prompter(runner);
    QString modalName;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        modalName = modal->objectName();
        Click(*modal, "cmdYes");
    });
    EXPECT_EQ(prompter.AskYesNo("t", "q"), 1);
    EXPECT_EQ(modalName, QStringLiteral("FormYesNo"));
}

TEST(MessageDialogs, ShowMessageShowsTitleAndTextUntilContinue)
{
    ScriptedWindowRunner runner;
    DialogPrompter prompter(runner);
    bool closedByContinue = false;
    runner.expect([&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("صحت پرسوجو"));
        EXPECT_EQ(Child<QLabel>(dialog, "lblMessage")->text(), QStringLiteral("پرسوجوي داده شده صحيح است."));
        EXPECT_EQ(Child<QPushButton>(dialog, "cmdContinue")->text(), QStringLiteral("ادامه"));
        EXPECT_NE(Child<QLabel>(dialog, "Image1"), nullptr);
        Click(dialog, "cmdContinue");
        closedByContinue = !dialog.isVisible();
    });
    prompter.ShowMessage("صحت پرسوجو", "پرسوجوي داده شده صحيح است.");
    EXPECT_TRUE(closedByContinue);
    EXPECT_EQ(runner.pendingScripts(), 0);
}

TEST(MessageDialogs, DisplayErrorFillsTheErrorDialog)
{
    ScriptedWindowRunner runner;
    DialogPrompter prompter(runner);
    RecordedProviderErrors errors;
    errors.record(kelvo::db::DbError("Invalid column name 'Titel'.", 207));
    prompter.setProviderErrors(&errors);
    QString caption, message, details;
    runner.expect([&](QWidget& dialog) {
        caption = dialog.windowTitle();
        message = Child<QLabel>(dialog, "lblError")->text();
        details = Child<QPlainTextEdit>(dialog, "txtError")->toPlainText();
        Click(dialog, "cmdOK");
    });
    prompter.DisplayError(true, "پرسوجوي داده شده ايراد نحوي دارد.", "", "عمل مورد نظر غير مجاز است",
                          -2147217900);
    EXPECT_EQ(caption, QStringLiteral("خطاي شماره :  2147217900"));
    EXPECT_EQ(message, QStringLiteral("پرسوجوي داده شده ايراد نحوي دارد."));
    EXPECT_EQ(details, QStringLiteral("Invalid column name 'Titel'."));
}

struct ErrorDialogFixture : ::testing::Test {
    FormError dialog;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdDetail = nullptr;
    QPlainTextEdit* txtError = nullptr;

    void SetUp() override
    {
        cmdOK = Child<QPushButton>(dialog, "cmdOK");
        cmdDetail = Child<QPushButton>(dialog, "cmdDetail");
        txtError = Child<QPlainTextEdit>(dialog, "txtError");
        dialog.setMessage("m");
        dialog.setDetails("line 1\nline 2");
        dialog.show();
        dialog.activateWindow();
        QApplication::processEvents();
    }
};

TEST_F(ErrorDialogFixture, OpensAtHalfItsDesignHeightWithFocusOnConfirm)
{
    EXPECT_EQ(FormError().windowTitle(), QStringLiteral("بروز خطا"));
    EXPECT_EQ(dialog.height(), FormError::kDesignHeight / 2);
    EXPECT_FALSE(txtError->isVisible());
    EXPECT_EQ(cmdOK->text(), QStringLiteral("تاييد"));
    EXPECT_EQ(cmdDetail->text(), QStringLiteral("جزييات >>"));
    EXPECT_EQ(QApplication::focusWidget(), cmdOK);
}

TEST_F(ErrorDialogFixture, DetailsToggleDoublesAndRestoresTheHeight)
{
    const int first = dialog.height();
    cmdDetail->click();
    QApplication::processEvents();
    EXPECT_TRUE(dialog.detailsShown());
    EXPECT_TRUE(txtError->isVisible());
    EXPECT_EQ(dialog.height(), first * 2);
    EXPECT_EQ(cmdDetail->text(), QStringLiteral("جزييات <<"));

    cmdDetail->click();
    QApplication::processEvents();
    EXPECT_FALSE(dialog.detailsShown());
    EXPECT_FALSE(txtError->isVisible());
    EXPECT_LE(std::abs(dialog.height() - first), 1);
    EXPECT_EQ(cmdDetail->text(), QStringLiteral("جزييات >>"));
    EXPECT_TRUE(dialog.isVisible());
}

struct KeyCase {
    const char* name;
    const char* focus; // objectName of the control that has the focus
    int key;
    Qt::KeyboardModifiers modifiers;
    bool closes;
};

class ErrorDialogKeys : public ErrorDialogFixture, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ErrorDialogKeys, CloseTheDialogAsPreviewed)
{
    const KeyCase& c = GetParam();
    QWidget* target = Child(dialog, c.focus);
    if (c.focus == std::string("txtError"))
        cmdDetail->click(); // the details box must show to take the focus
    target->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), target);

    PressKey(target, c.key, c.modifiers, c.key == Qt::Key_Return ? QStringLiteral("\r") : QString());
    QApplication::processEvents();

    EXPECT_EQ(!dialog.isVisible(), c.closes);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ErrorDialogKeys,
    ::testing::Values(
        KeyCase{"EnterInDetailsBox", "txtError", Qt::Key_Return, Qt::NoModifier, true},
        KeyCase{"EnterOnConfirm", "cmdOK", Qt::Key_Return, Qt::NoModifier, true}, // the button closes it
        KeyCase{"EnterOnDetailButtonToggles", "cmdDetail", Qt::Key_Return, Qt::NoModifier, false},
        KeyCase{"CtrlEnterOnDetailButton", "cmdDetail", Qt::Key_Return, Qt::ControlModifier, true},
        KeyCase{"KeypadEnterInDetailsBox", "txtError", Qt::Key_Enter, Qt::KeypadModifier, true},
        KeyCase{"Escape", "txtError", Qt::Key_Escape, Qt::NoModifier, true},
        KeyCase{"AltX", "cmdDetail", Qt::Key_X, Qt::AltModifier, true},
        KeyCase{"PlainX", "txtError", Qt::Key_X, Qt::NoModifier, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ErrorDialogFixture, EnterOnTheDetailButtonTogglesTheDetails)
{
    cmdDetail->setFocus();
    PressKey(cmdDetail, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::processEvents();
    EXPECT_TRUE(dialog.detailsShown());
}
