// The Persian date box as a real widget.
#include "controls/ui/KelvoDate.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kelvo::controls;

namespace {

struct DateBox : ::testing::Test {
    QWidget window;
    KelvoDate* date = new KelvoDate(&window);
    QLineEdit* txtDate = date->findChild<QLineEdit*>("txtDate");

    void SetUp() override
    {
        ASSERT_NE(txtDate, nullptr);
        window.show();
        QApplication::processEvents();
    }

    void TypeKeys(const QString& text)
    {
        txtDate->setFocus();
        for (QChar c : text) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(txtDate, &key);
        }
    }

    // Replaces the box's text by typing, then leaves it with Enter.
    void Type(const QString& text)
    {
        txtDate->setFocus();
        txtDate->selectAll();
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(txtDate, &del);
        TypeKeys(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(txtDate, &enter);
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(DateBox, ShowsTheValueAsPersianText)
{
    EXPECT_TRUE(date->IsEmpty());
    EXPECT_EQ(date->Text(), QString());
    date->setValue(QDate(2021, 3, 21));
    EXPECT_FALSE(date->IsEmpty());
    EXPECT_EQ(date->Text(), QStringLiteral("1400/01/01"));
    EXPECT_EQ(txtDate->text(), QStringLiteral("1400/01/01"));
}

TEST_F(DateBox, ClearEmptiesTheBox)
{
    date->setValue(QDate(2021, 3, 21));
    date->Clear();
    EXPECT_TRUE(date->IsEmpty());
    EXPECT_TRUE(date->Value().isNull());
    EXPECT_EQ(date->Text(), QString());
    EXPECT_EQ(txtDate->text(), QString());
}

TEST_F(DateBox, TypedDateBecomesTheValue)
{
    Type("1401/1/1");
    EXPECT_EQ(date->Value(), QDate(2022, 3, 21));
    EXPECT_EQ(txtDate->text(), QStringLiteral("1401/01/01"));

    Type(QStringLiteral("۱۳۹۹/۱۲/۳۰"));
    EXPECT_EQ(date->Value(), QDate(2021, 3, 20));
    EXPECT_EQ(date->Text(), QStringLiteral("1399/12/30"));
}

TEST_F(DateBox, InvalidEntryIsRefusedWithNoChange)
{
    date->setValue(QDate(2021, 3, 21));
    Type("1400/13/01");
    EXPECT_EQ(date->Value(), QDate(2021, 3, 21));
    EXPECT_EQ(txtDate->text(), QStringLiteral("1400/01/01"));

    txtDate->end(false);
    TypeKeys("abc"); // letters do not even reach the box
    EXPECT_EQ(txtDate->text(), QStringLiteral("1400/01/01"));
    EXPECT_EQ(date->Value(), QDate(2021, 3, 21));
}

TEST_F(DateBox, EmptiedBoxIsEmpty)
{
    date->setValue(QDate(2021, 3, 21));
    Type("");
    EXPECT_TRUE(date->IsEmpty());
}

TEST_F(DateBox, CalendarPopupPicksADateInThePersianCalendar)
{
    date->setValue(QDate(2021, 3, 21));
    date->findChild<QToolButton*>("cmdCalendar")->click();
    QApplication::processEvents();
    auto* calendar = date->findChild<QCalendarWidget*>("calDate");
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->calendar().name(), QStringLiteral("Jalali"));
    EXPECT_EQ(calendar->selectedDate(), QDate(2021, 3, 21));

    Q_EMIT calendar->clicked(QDate(2021, 4, 21)); // a click on 1400/02/01
    EXPECT_EQ(date->Text(), QStringLiteral("1400/02/01"));
    EXPECT_FALSE(calendar->isVisible());
}

TEST_F(DateBox, ActiveEnablesTheBox)
{
    date->setActive(false);
    EXPECT_FALSE(txtDate->isEnabled());
    date->setActive(true);
    EXPECT_TRUE(date->Active());
}
