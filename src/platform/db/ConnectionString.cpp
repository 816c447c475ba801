#include "platform/db/ConnectionString.h"

#include "platform/db/DbError.h"

#include <QRegularExpression>

namespace kelvo::db {

namespace {

struct ReadValue {
    QString value;
    qsizetype end = 0;  // just past the value (quotes included)
    QString problem;    // empty when the value is sound
};

// Reads one value starting at pos: a quoted value ends at its closing quote
// (a doubled quote stands for one) and only blanks may follow it before the
// next ";"; an unquoted one ends at the next ";".
ReadValue readValue(const QString& s, qsizetype& pos, const QString& key)
{
    while (pos < s.size() && s[pos].isSpace())
        ++pos;
    ReadValue read;
    if (pos < s.size() && (s[pos] == u'"' || s[pos] == u'\'')) {
        const QChar quote = s[pos++];
        bool closed = false;
        while (pos < s.size()) {
            if (s[pos] == quote) {
                if (pos + 1 < s.size() && s[pos + 1] == quote) {
                    read.value += quote;
                    pos += 2;
                    continue;
                }
                ++pos;
                closed = true;
                break;
            }
            read.value += s[pos++];
        }
        read.end = pos;
        if (!closed) {
            read.problem = QStringLiteral("the quoted value of %1 is never closed").arg(key);
            return read;
        }
        while (pos < s.size() && s[pos] != u';') {
            if (!s[pos].isSpace() && read.problem.isEmpty())
                read.problem = QStringLiteral("the value of %1 has text after its closing quote").arg(key);
            ++pos;
        }
        return read;
    }
    const qsizetype end = s.indexOf(u';', pos);
    const qsizetype stop = end < 0 ? s.size() : end;
    read.value = s.mid(pos, stop - pos).trimmed();
    read.end = stop;
    while (read.end > pos && s[read.end - 1].isSpace())
        --read.end;
    pos = stop;
    return read;
}

} // namespace

ConnectionString::ConnectionString(const QString& text)
    : m_text(text)
{
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype eq = text.indexOf(u'=', pos);
        const qsizetype semi = text.indexOf(u';', pos);
        if (eq < 0 || (semi >= 0 && semi < eq)) {
            if (semi < 0)
                break;
            pos = semi + 1; // a segment without "=" carries no pair
            continue;
        }
        const QString key = text.mid(pos, eq - pos).trimmed();
        pos = eq + 1;
        while (pos < text.size() && text[pos].isSpace())
            ++pos;
        const qsizetype valueBegin = pos;
        ReadValue read = readValue(text, pos, key);
        if (m_problem.isEmpty() && !read.problem.isEmpty())
            m_problem = read.problem;
        if (!key.isEmpty()) {
            m_pairs.append({key, read.value});
            m_valueSpans.append({valueBegin, read.end});
        }
        if (pos < text.size() && text[pos] == u';')
            ++pos;
    }
}

bool ConnectionString::contains(const QString& key) const
{
    for (const auto& p : m_pairs)
        if (p.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString ConnectionString::value(const QString& key) const
{
    for (const auto& p : m_pairs)
        if (p.first.compare(key, Qt::CaseInsensitive) == 0)
            return p.second;
    return {};
}

void ConnectionString::checkSound() const
{
    if (!m_problem.isEmpty())
        throw DbError(QStringLiteral("Invalid connection string: ") + m_problem + u'.');
}

QString ConnectionString::withValueReplaced(const QStringList& keys, const QString& oldValue,
                                            const QString& newValue) const
{
    QString out;
    qsizetype from = 0;
    for (qsizetype i = 0; i < m_pairs.size(); ++i) {
        const auto& [key, value] = m_pairs[i];
        if (!keys.contains(key, Qt::CaseInsensitive) || value.compare(oldValue, Qt::CaseInsensitive) != 0)
            continue;
        out += QStringView(m_text).mid(from, m_valueSpans[i].begin - from) + newValue;
        from = m_valueSpans[i].end;
    }
    return out + QStringView(m_text).mid(from);
}

QString ProviderOfConnectionString(const QString& connectionString)
{
    const qsizetype semi = connectionString.indexOf(u';');
    if (semi < 0)
        throw DbError(QStringLiteral("Invalid connection string: no provider can be read from \"%1\" "
                                     "(expected Provider=…;…)").arg(MaskPasswords(connectionString)));
    ConnectionString(connectionString).checkSound();
    const QString segment = connectionString.left(semi);
    const qsizetype eq = segment.indexOf(u'=');
    if (eq < 0)
        throw DbError(QStringLiteral("Invalid connection string: the first segment \"%1\" names no provider")
                          .arg(MaskPasswords(segment)));
    return segment.mid(eq + 1);
}

QString MaskPasswords(const QString& text)
{
    static const QRegularExpression password(
        QStringLiteral(R"((\b(?:Password|PWD)\s*=\s*)("(?:[^"]|"")*"?|'(?:[^']|'')*'?|\{[^}]*\}?|[^;]*))"),
        QRegularExpression::CaseInsensitiveOption);
    if (!text.contains(QLatin1String("pw"), Qt::CaseInsensitive) &&
        !text.contains(QLatin1String("password"), Qt::CaseInsensitive))
        return text;
    QString out = text;
    out.replace(password, QStringLiteral("\\1****"));
    return out;
}

} // namespace kelvo::db
