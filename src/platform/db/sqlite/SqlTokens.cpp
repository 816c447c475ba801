#include "platform/db/sqlite/SqlTokens.h"

#include <QStringList>

namespace kelvo::db {

namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_' || c == u'#';
}

bool isNamePart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$' || c.category() == QChar::Mark_NonSpacing;
}

// End of a literal or name that closes with `close`, a doubled close being
// part of it.
qsizetype endOfQuoted(const QString& s, qsizetype from, QChar close)
{
    qsizetype i = from;
    while (i < s.size()) {
        if (s[i] == close) {
            if (i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return s.size();
}

} // namespace

SqlTokens::SqlTokens(const QString& sql)
    : m_sql(sql)
{
    const QString& s = m_sql;
    const qsizetype n = s.size();
    qsizetype i = 0;
    auto push = [this](SqlToken::Kind kind, qsizetype begin, qsizetype end) {
        m_tokens.push_back(SqlToken{kind, begin, end - begin});
    };
    while (i < n) {
        const qsizetype start = i;
        const QChar c = s[i];
        const QChar d = i + 1 < n ? s[i + 1] : QChar();
        if (c.isSpace()) {
            while (i < n && s[i].isSpace())
                ++i;
            push(SqlToken::Space, start, i);
        } else if (c == u'-' && d == u'-') {
            while (i < n && s[i] != u'\n')
                ++i;
            push(SqlToken::Comment, start, i);
        } else if (c == u'/' && d == u'*') {
            const qsizetype close = s.indexOf(QLatin1String("*/"), i + 2);
            i = close < 0 ? n : close + 2;
            push(SqlToken::Comment, start, i);
        } else if (c == u'\'') {
            push(SqlToken::String, start, i = endOfQuoted(s, i + 1, u'\''));
        } else if ((c == u'N' || c == u'n') && d == u'\'') {
            push(SqlToken::NString, start, i = endOfQuoted(s, i + 2, u'\''));
        } else if (c == u'"') {
            push(SqlToken::QuotedName, start, i = endOfQuoted(s, i + 1, u'"'));
        } else if (c == u'[') {
            push(SqlToken::BracketName, start, i = endOfQuoted(s, i + 1, u']'));
        } else if (c == u'@') {
            ++i;
            if (i < n && s[i] == u'@')
                ++i;
            while (i < n && isNamePart(s[i]))
                ++i;
            push(SqlToken::Variable, start, i);
        } else if (c.isDigit() || (c == u'.' && d.isDigit())) {
            if (c == u'0' && (d == u'x' || d == u'X')) {
                i += 2;
                while (i < n && (s[i].isDigit() || QStringLiteral("abcdefABCDEF").contains(s[i])))
                    ++i;
            } else {
                while (i < n && (s[i].isDigit() || s[i] == u'.'))
                    ++i;
                if (i < n && (s[i] == u'e' || s[i] == u'E')) {
                    qsizetype j = i + 1;
                    if (j < n && (s[j] == u'+' || s[j] == u'-'))
                        ++j;
                    if (j < n && s[j].isDigit()) {
                        i = j;
                        while (i < n && s[i].isDigit())
                            ++i;
                    }
                }
            }
            push(SqlToken::Number, start, i);
        } else if (isNameStart(c)) {
            while (i < n && isNamePart(s[i]))
                ++i;
            push(SqlToken::Word, start, i);
        } else if (c == u'?') {
            ++i;
            while (i < n && s[i].isDigit())
                ++i;
            push(SqlToken::Placeholder, start, i);
        } else {
            static const char* const pairs[] = {"<>", "<=", ">=", "!=", "||", "==", "!<", "!>"};
            qsizetype len = 1;
            for (const char* p : pairs)
                if (c == QLatin1Char(p[0]) && d == QLatin1Char(p[1]))
                    len = 2;
            push(SqlToken::Punct, start, i += len);
        }
    }
}

QStringView SqlTokens::text(qsizetype i) const
{
    const SqlToken& t = m_tokens[size_t(i)];
    return QStringView(m_sql).mid(t.begin, t.length);
}

bool SqlTokens::isSignificant(qsizetype i) const
{
    const auto kind = m_tokens[size_t(i)].kind;
    return kind != SqlToken::Space && kind != SqlToken::Comment;
}

qsizetype SqlTokens::next(qsizetype i) const
{
    for (++i; i < size(); ++i)
        if (isSignificant(i))
            return i;
    return -1;
}

qsizetype SqlTokens::previous(qsizetype i) const
{
    for (--i; i >= 0; --i)
        if (isSignificant(i))
            return i;
    return -1;
}

bool SqlTokens::is(qsizetype i, QLatin1StringView word) const
{
    if (i < 0 || i >= size())
        return false;
    const auto kind = m_tokens[size_t(i)].kind;
    return (kind == SqlToken::Word || kind == SqlToken::Punct)
        && text(i).compare(word, Qt::CaseInsensitive) == 0;
}

qsizetype SqlTokens::closing(qsizetype open) const
{
    int depth = 0;
    for (qsizetype i = open; i < size(); ++i) {
        if (m_tokens[size_t(i)].kind != SqlToken::Punct)
            continue;
        const QStringView t = text(i);
        if (t == u"(")
            ++depth;
        else if (t == u")" && --depth == 0)
            return i;
    }
    return -1;
}

QString SqlTokens::span(qsizetype first, qsizetype last) const
{
    if (first < 0 || last < first)
        return {};
    const qsizetype begin = m_tokens[size_t(first)].begin;
    const qsizetype end = m_tokens[size_t(last)].begin + m_tokens[size_t(last)].length;
    return m_sql.mid(begin, end - begin);
}

QStringList SplitStatements(const QString& text)
{
    const SqlTokens tokens(text);
    QStringList statements;
    int depth = 0;
    qsizetype start = 0;
    auto flush = [&](qsizetype end) {
        if (end > start) {
            const QString statement = tokens.span(start, end - 1).trimmed();
            if (!statement.isEmpty())
                statements << statement;
        }
    };
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != SqlToken::Punct)
            continue;
        const QStringView t = tokens.text(i);
        if (t == u"(")
            ++depth;
        else if (t == u")")
            depth = qMax(0, depth - 1);
        else if (t == u";" && depth == 0) {
            flush(i);
            start = i + 1;
        }
    }
    flush(tokens.size());
    return statements;
}

QString NameValue(const SqlTokens& tokens, qsizetype i)
{
    const QStringView t = tokens.text(i);
    switch (tokens[i].kind) {
    case SqlToken::BracketName:
        return t.mid(1, t.endsWith(u']') ? t.size() - 2 : t.size() - 1).toString().replace(QLatin1String("]]"),
                                                                                              QLatin1String("]"));
    case SqlToken::QuotedName:
        return t.mid(1, t.endsWith(u'"') ? t.size() - 2 : t.size() - 1).toString().replace(QLatin1String("\"\""),
                                                                                              QLatin1String("\""));
    default:
        return t.toString();
    }
}

QString ObjectName(const SqlTokens& tokens, qsizetype i, qsizetype* last)
{
    QString name = NameValue(tokens, i);
    qsizetype end = i;
    for (;;) {
        const qsizetype dot = tokens.next(end);
        if (!tokens.is(dot, QLatin1String(".")))
            break;
        const qsizetype part = tokens.next(dot);
        if (part < 0)
            break;
        const auto kind = tokens[part].kind;
        if (kind != SqlToken::Word && kind != SqlToken::BracketName && kind != SqlToken::QuotedName)
            break;
        name = NameValue(tokens, part);
        end = part;
    }
    if (last)
        *last = end;
    return name;
}

} // namespace kelvo::db
