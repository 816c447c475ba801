#include "controls/ui/KelvoDate.h"

#include "text/PersianDate.h"

#include <QCalendar>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QTextCharFormat>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace kelvo::controls {

KelvoDate::KelvoDate(QWidget* parent) : QWidget(parent)
{
    setLayoutDirection(Qt::RightToLeft);
    txtDate = new QLineEdit(this);
    txtDate->setObjectName(QStringLiteral("txtDate"));
    // Dates read left to right even in a right-to-left window: 1400/01/01.
    txtDate->setLayoutDirection(Qt::LeftToRight);
    txtDate->setAlignment(Qt::AlignCenter);
    txtDate->setPlaceholderText(QStringLiteral("----/--/--"));
    txtDate->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9\\x{06F0}-\\x{06F9}\\x{0660}-\\x{0669}/]{0,10}")), txtDate));
    txtDate->setMaximumWidth(120);

    cmdCalendar = new QToolButton(this);
    cmdCalendar->setObjectName(QStringLiteral("cmdCalendar"));
    cmdCalendar->setText(QStringLiteral("…"));
    cmdCalendar->setToolTip(QStringLiteral("تقويم"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(txtDate);
    layout->addWidget(cmdCalendar);
    layout->addStretch(1);
    setFocusProxy(txtDate);

    connect(txtDate, &QLineEdit::editingFinished, this, &KelvoDate::entryFinished);
    connect(cmdCalendar, &QToolButton::clicked, this, &KelvoDate::showCalendar);
}

void KelvoDate::setValue(const QDate& date)
{
    m_value = date.isValid() ? date : QDate();
    showValue();
}

QString KelvoDate::Text() const
{
    return text::JalaliText(m_value);
}

void KelvoDate::showValue()
{
    txtDate->setText(Text());
}

void KelvoDate::entryFinished()
{
    const QString entry = txtDate->text().trimmed();
    if (entry.isEmpty()) {
        m_value = QDate();
        return;
    }
    const QDate date = text::ParseJalaliText(entry);
    if (date.isValid())
        m_value = date;
    showValue(); // a refused entry shows the last date again
}

void KelvoDate::showCalendar()
{
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setObjectName(QStringLiteral("calDate"));
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->setCalendar(QCalendar(QCalendar::System::Jalali));
        m_calendar->setLayoutDirection(Qt::RightToLeft);
        m_calendar->setLocale(QLocale(QLocale::Persian, QLocale::Iran));
        m_calendar->setFirstDayOfWeek(Qt::Saturday);
        m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        // The weekend is Friday.
        QTextCharFormat workday = m_calendar->weekdayTextFormat(Qt::Monday);
        m_calendar->setWeekdayTextFormat(Qt::Saturday, workday);
        m_calendar->setWeekdayTextFormat(Qt::Sunday, workday);
        QTextCharFormat weekend = workday;
        weekend.setForeground(Qt::red);
        m_calendar->setWeekdayTextFormat(Qt::Friday, weekend);
        m_calendar->setGridVisible(true);
        connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate date) {
            setValue(date);
            m_calendar->hide();
            txtDate->setFocus();
        });
    }
    m_calendar->setSelectedDate(m_value.isValid() ? m_value : QDate::currentDate());
    m_calendar->adjustSize();
    const QPoint below = mapToGlobal(QPoint(0, height()));
    m_calendar->move(below);
    m_calendar->show();
}

} // namespace kelvo::controls
