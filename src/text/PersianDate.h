#pragma once

#include <QDate>
#include <QString>

namespace kelvo::text {

// A date as Persian (Jalali) text "yyyy/mm/dd" with ASCII digits, as stored
// date texts and statements use it; empty for a null or invalid date.
QString JalaliText(const QDate& date);

// Reads Persian date text "y/m/d" (Persian, Arabic-Indic or ASCII digits,
// one or two digits for month and day, four for the year). Returns an invalid
// date when the text is not a date of the Persian calendar.
QDate ParseJalaliText(const QString& text);

} // namespace kelvo::text
