#include "platform/db/ConnectionString.h"

#include "platform/db/DbError.h"

namespace kelvo::db {

namespace {

// Reads one value starting at pos: a quoted value ends at its closing quote
// (a doubled quote stands for one), an unquoted one at the next ";".
QString readValue(const QString& s, qsizetype& pos)
{
    while (pos < s.size() && s[pos].isSpace())
        ++pos;
    if (pos < s.size() && (s[pos] == u'"' || s[pos] == u'\'')) {
        const QChar quote = s[pos++];
        QString value;
        while (pos < s.size()) {
            if (s[pos] == quote) {
                if (pos + 1 < s.size() && s[pos + 1] == quote) {
                    value += quote;
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            value += s[pos++];
        }
        while (pos < s.size() && s[pos] != u';')
            ++pos;
        return value;
    }
    const qsizetype end = s.indexOf(u';', pos);
    const qsizetype stop = end < 0 ? s.size() : end;
    QString value = s.mid(pos, stop - pos).trimmed();
    pos = stop;
    return value;
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
        QString value = readValue(text, pos);
        if (!key.isEmpty())
            m_pairs.append({key, value});
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

QString ProviderOfConnectionString(const QString& connectionString)
{
    const qsizetype semi = connectionString.indexOf(u';');
    if (semi < 0)
        throw DbError(QStringLiteral("Invalid connection string: no provider can be read from \"%1\" "
                                     "(expected Provider=…;…)").arg(connectionString));
    const QString segment = connectionString.left(semi);
    const qsizetype eq = segment.indexOf(u'=');
    if (eq < 0)
        throw DbError(QStringLiteral("Invalid connection string: the first segment \"%1\" names no provider")
                          .arg(segment));
    return segment.mid(eq + 1);
}

} // namespace kelvo::db
