#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace kelvo::db {

// One lexical token of a SQL Server statement, as a span of the source text.
struct SqlToken {
    enum Kind {
        Space,       // blanks and line breaks
        Comment,     // -- … and /* … */
        Word,        // name or keyword
        Variable,    // @name, @@name
        Number,      // 12, 1.5, 2e-3, 0x1F
        String,      // '…' ('' inside)
        NString,     // N'…'
        QuotedName,  // "…"
        BracketName, // […]
        Placeholder, // ? (bound parameter)
        Punct,       // operators and punctuation: ( ) , ; = <> <= >= != || …
    };
    Kind kind;
    qsizetype begin;
    qsizetype length;
};

// Splits statement text into tokens; the concatenated tokens are the text
// itself. An unterminated literal, name or comment runs to the end.
class SqlTokens {
public:
    explicit SqlTokens(const QString& sql);

    const QString& source() const { return m_sql; }
    qsizetype size() const { return qsizetype(m_tokens.size()); }
    const SqlToken& operator[](qsizetype i) const { return m_tokens[size_t(i)]; }
    QStringView text(qsizetype i) const;

    bool isSignificant(qsizetype i) const;
    // Index of the next / previous token that is neither blank nor comment;
    // -1 when there is none.
    qsizetype next(qsizetype i) const;
    qsizetype previous(qsizetype i) const;
    // A word or punctuation equal to text, without regard to case.
    bool is(qsizetype i, QLatin1StringView text) const;
    // Index of the ")" that closes the "(" at i; -1 when it is not closed.
    qsizetype closing(qsizetype open) const;

    // The text from the start of token first to the end of token last.
    QString span(qsizetype first, qsizetype last) const;

private:
    QString m_sql;
    std::vector<SqlToken> m_tokens;
};

// Splits text into statements at each ";" outside literals, names, comments
// and parentheses; blank statements are dropped, the rest trimmed.
QStringList SplitStatements(const QString& text);

// The value of a name token: brackets or quotes removed, a doubled closing
// character made single; words unchanged.
QString NameValue(const SqlTokens& tokens, qsizetype i);

// The object name of a possibly qualified name ("dbo.spX", "[dbo].[spX]")
// starting at token i: the value of its last part. last receives the index
// of the last token of the name.
QString ObjectName(const SqlTokens& tokens, qsizetype i, qsizetype* last = nullptr);

} // namespace kelvo::db
