#include "text/PersianDate.h"

#include "text/PersianText.h"

#include <QCalendar>
#include <QRegularExpression>

namespace kelvo::text {

namespace {

QCalendar Jalali()
{
    return QCalendar(QCalendar::System::Jalali);
}

} // namespace

QString JalaliText(const QDate& date)
{
    if (!date.isValid())
        return {};
    const QCalendar::YearMonthDay parts = Jalali().partsFromDate(date);
    return QStringLiteral("%1/%2/%3")
        .arg(parts.year, 4, 10, QLatin1Char('0'))
        .arg(parts.month, 2, 10, QLatin1Char('0'))
        .arg(parts.day, 2, 10, QLatin1Char('0'));
}

QDate ParseJalaliText(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4})/(\\d{1,2})/(\\d{1,2})$"));
    const QRegularExpressionMatch match = form.match(text::AsciiDigits(text.trimmed()));
    if (!match.hasMatch())
        return {};
    return Jalali().dateFromParts(match.captured(1).toInt(), match.captured(2).toInt(),
                                  match.captured(3).toInt());
}

} // namespace kelvo::text
