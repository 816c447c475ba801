#include "text/TextPrimitives.h"

#include <cmath>
#include <limits>

namespace kelvo::text {

qsizetype Find(QStringView hay, QStringView needle, Qt::CaseSensitivity cs, qsizetype start)
{
    if (start < 1)
        start = 1;
    if (start > hay.size() + 1)
        return 0;
    const qsizetype at = hay.indexOf(needle, start - 1, cs);
    return at < 0 ? 0 : at + 1;
}

QString Mid(QStringView s, qsizetype start, qsizetype length)
{
    if (start < 1)
        start = 1;
    if (start > s.size() || length == 0)
        return {};
    const qsizetype available = s.size() - (start - 1);
    if (length < 0 || length > available)
        length = available;
    return s.mid(start - 1, length).toString();
}

QString Span(QStringView s, qsizetype first, qsizetype end)
{
    if (end <= first)
        return {};
    return Mid(s, first, end - first);
}

QString Left(QStringView s, qsizetype count)
{
    return count <= 0 ? QString() : s.left(count).toString();
}

QString Right(QStringView s, qsizetype count)
{
    return count <= 0 ? QString() : s.right(count).toString();
}

QStringView TrimBlanksView(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}

QString TrimBlanks(QStringView s)
{
    return TrimBlanksView(s).toString();
}

QString ReplaceAll(QString s, QStringView what, QStringView with, Qt::CaseSensitivity cs)
{
    if (what.isEmpty())
        return s;
    return s.replace(what.toString(), with.toString(), cs);
}

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Length of the number at the start of s (after blanks, counted in skipped),
// 0 when there is none.
qsizetype NumberLength(QStringView s, qsizetype from)
{
    qsizetype i = from;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < s.size() && IsDigit(s[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        const qsizetype expStart = j;
        while (j < s.size() && IsDigit(s[j]))
            ++j;
        if (j > expStart)
            i = j;
    }
    return i - from;
}

} // namespace

double LeadingNumber(QStringView s)
{
    qsizetype from = 0;
    while (from < s.size() && s[from] == u' ')
        ++from;
    const qsizetype length = NumberLength(s, from);
    if (length == 0)
        return 0;
    bool ok = false;
    const double value = s.mid(from, length).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

bool IsNumber(QStringView s)
{
    const QStringView t = TrimBlanksView(s);
    return !t.isEmpty() && NumberLength(t, 0) == t.size();
}

bool ToInt32(double value, int& out)
{
    const double rounded = std::nearbyint(value); // the default rounding mode is half to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int>::min()
        || rounded > std::numeric_limits<int>::max())
        return false;
    out = int(rounded);
    return true;
}

} // namespace kelvo::text
