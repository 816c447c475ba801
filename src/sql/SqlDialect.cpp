#include "sql/SqlDialect.h"

#include "platform/db/Connection.h"
#include "text/PersianText.h"

namespace kelvo::sql {

namespace {

constexpr char16_t kEscape = u'\\';

} // namespace

QString QuoteEscape(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    for (QChar c : text) {
        out += c;
        if (c == u'\'')
            out += c;
    }
    return out;
}

Dialect Dialect::Of(const db::Connection& connection)
{
    return Dialect(connection.isOracle() ? Kind::Oracle : Kind::SqlServer);
}

QString Dialect::text(const QString& value) const
{
    const QString quoted = u'\'' + QuoteEscape(value) + u'\'';
    return isOracle() ? quoted : u'N' + quoted;
}

QString Dialect::isNull(const QString& expression, const QString& fallback) const
{
    return (isOracle() ? QStringLiteral("NVL(") : QStringLiteral("isnull(")) + expression + u", " + fallback + u')';
}

QString Dialect::length(const QString& expression) const
{
    return (isOracle() ? QStringLiteral("length(") : QStringLiteral("len(")) + expression + u')';
}

QString Dialect::foldPersian(const QString& expression) const
{
    const QList<text::FoldPair>& pairs = text::PersianFoldPairs();
    if (isOracle()) {
        QString from, to;
        for (const text::FoldPair& pair : pairs) {
            from += QChar(pair.from);
            to += QChar(pair.to);
        }
        return QStringLiteral("TRANSLATE(") + expression + u',' + text(from) + u',' + text(to) + u')';
    }
    // SQL Server before 2017 has no TRANSLATE: one REPLACE per character.
    QString folded = expression;
    for (const text::FoldPair& pair : pairs)
        folded = QStringLiteral("REPLACE(") + folded + u',' + text(QString(QChar(pair.from))) + u',' +
                 text(QString(QChar(pair.to))) + u')';
    return folded;
}

QString Dialect::likeLiteral(const QString& value) const
{
    QString out;
    out.reserve(value.size() + 4);
    for (QChar c : value) {
        if (c == u'%' || c == u'_' || c == kEscape || (c == u'[' && !isOracle()))
            out += kEscape;
        out += c;
    }
    return out;
}

QString Dialect::likeEscape()
{
    return QStringLiteral(" ESCAPE '\\'");
}

QString Dialect::containsText(const QString& column, const QString& userText) const
{
    return foldPersian(column) + QStringLiteral(" like ") +
           text(u'%' + likeLiteral(text::FoldPersian(userText)) + u'%') + likeEscape();
}

QString Dialect::matchesBound(const QString& column) const
{
    return foldPersian(column) + QStringLiteral(" like ?") + likeEscape();
}

QString Dialect::boundLiteral(const QString& userText) const
{
    return likeLiteral(text::FoldPersian(userText));
}

} // namespace kelvo::sql
