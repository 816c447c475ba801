// How every window is dressed, and how it is shown modal or modeless.
#include "front/HostContext.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WindowRunner.h"

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace kelvo::front;

TEST(AppStyle, OleColoursAreBlueGreenRed)
{
    EXPECT_EQ(OleColor(0x00FF8040), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(OleColor(0x63597D), QColor(0x7D, 0x59, 0x63));
    EXPECT_EQ(OleColor(0xFF000000), QColor(0, 0, 0)); // the high byte is not a colour
}

TEST(AppStyle, TheFontRendersPersianAndIsInstalled)
{
    const QFont font = PersianFont();
    EXPECT_EQ(QFontInfo(font).family(), PersianFontFamily()); // not silently substituted
    const QFontMetrics metrics(font);
    for (char16_t c : {u'\u06A9', u'\u06AF', u'\u06CC', u'\u067E', u'\u0686'}) // ک گ ی پ چ
        EXPECT_TRUE(metrics.inFont(QChar(c))) << int(c);
}

TEST(AppStyle, StyledWindowIsRightToLeftInTheHostColours)
{
    HostContext context;
    context.FormLightColorValue = 0xDBDBE1;
    context.FormMidColorValue = 0xC4BED8;
    context.FormDorkColorValue = 0x63597D;

    QWidget window;
    auto* box = new QLineEdit(&window);
    StyleWindow(window, ColoursOf(context));

    EXPECT_EQ(window.layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(box->layoutDirection(), Qt::RightToLeft); // inherited
    EXPECT_EQ(box->font().family(), PersianFontFamily());
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xE1, 0xDB, 0xDB));
    EXPECT_EQ(window.palette().color(QPalette::Button), QColor(0xD8, 0xBE, 0xC4));
    EXPECT_EQ(window.palette().color(QPalette::Highlight), QColor(0x7D, 0x59, 0x63));
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(0xE1, 0xDB, 0xDB));
}

TEST(AppStyle, ShowWindowFollowsTheModalFlag)
{
    ScriptedWindowRunner runner;
    QDialog modeless;
    modeless.setObjectName("FormReportMan");
    EXPECT_EQ(ShowWindow(modeless, false, runner), 0);
    EXPECT_TRUE(modeless.isVisible());
    EXPECT_TRUE(runner.opened().isEmpty());
    modeless.close();

    QDialog modal;
    modal.setObjectName("FormReportMan");
    runner.expect([](QWidget& w) { static_cast<QDialog&>(w).accept(); });
    EXPECT_EQ(ShowWindow(modal, true, runner), QDialog::Accepted);
    EXPECT_EQ(runner.opened(), QStringList{"FormReportMan"});
    EXPECT_FALSE(modal.isVisible());
}

TEST(AppStyle, ScriptedRunnerClosesAWindowItsScriptLeavesOpen)
{
    ScriptedWindowRunner runner;
    QDialog dialog;
    dialog.setObjectName("FormSorting");
    EXPECT_EQ(runner.runModal(dialog), QDialog::Rejected); // no script: closed as by the title bar
    EXPECT_EQ(runner.unexpectedWindows(), 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AppStyle, ModalLoopRunnerWaitsForAPlainWindowToClose)
{
    ModalLoopRunner runner;
    QWidget window;
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = window.isVisible() && window.isModal();
        window.close();
    });
    EXPECT_EQ(runner.runModal(window), 0);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isModal()); // modality is restored for a later modeless show
}
