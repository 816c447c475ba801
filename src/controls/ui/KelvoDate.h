#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

namespace kelvo::controls {

// A Persian date box. The user types a date as yyyy/mm/dd of the Persian
// calendar (Persian or ASCII digits) or picks one from the calendar button.
// An entry that is not a date is refused: the box shows the last date again
// and Value does not change.
class KelvoDate final : public QWidget {
    Q_OBJECT
public:
    explicit KelvoDate(QWidget* parent = nullptr);

    // The date; null when the box is empty. Setting a null date empties it.
    QDate Value() const { return m_value; }
    void setValue(const QDate& date);
    // The date as Persian text yyyy/mm/dd with ASCII digits; empty when empty.
    QString Text() const;
    bool IsEmpty() const { return m_value.isNull(); }
    void Clear() { setValue({}); }
    void setActive(bool active) { setEnabled(active); }
    bool Active() const { return isEnabled(); }

private:
    void entryFinished();
    void showCalendar();
    void showValue();

    QLineEdit* txtDate;
    QToolButton* cmdCalendar;
    QCalendarWidget* m_calendar = nullptr;
    QDate m_value;
};

} // namespace kelvo::controls
