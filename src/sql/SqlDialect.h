#pragma once

#include <QString>

namespace kelvo::db {
class Connection;
}

// The pieces of statement text that differ between the databases the system
// serves, written in one place. SQL Server and the embedded store (which
// accepts SQL Server's statements unchanged) share one form, Oracle has its
// own. No caller tests the provider itself.
namespace kelvo::sql {

// The text with every apostrophe doubled, for a value inside '…' in SQL.
QString QuoteEscape(const QString& text);
// A number as statements write it: decimal text.
inline QString Number(qint64 n) { return QString::number(n); }
// A bit as statements write it: 1 or 0.
inline QString Bit(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

class Dialect {
public:
    enum class Kind { SqlServer, Oracle };

    explicit constexpr Dialect(Kind kind) : m_kind(kind) {}
    // Oracle exactly when the connection's provider is "MSDAORA.1".
    static Dialect Of(const db::Connection& connection);
    static constexpr Dialect SqlServer() { return Dialect(Kind::SqlServer); }
    static constexpr Dialect Oracle() { return Dialect(Kind::Oracle); }

    bool isOracle() const { return m_kind == Kind::Oracle; }

    // A text value as a literal, apostrophes doubled: N'…' on SQL Server, so
    // that Persian text survives any server collation; '…' on Oracle.
    QString text(const QString& value) const;
    // isnull(e, f) on SQL Server, NVL(e, f) on Oracle.
    QString isNull(const QString& expression, const QString& fallback) const;
    // len(e) on SQL Server, length(e) on Oracle.
    QString length(const QString& expression) const;

    // The expression with the Arabic forms of ی and ک and every Persian or
    // Arabic-Indic digit written in the one form text::FoldPersian gives.
    QString foldPersian(const QString& expression) const;
    // A like pattern that matches value character for character: "%", "_",
    // "[" (SQL Server only; Oracle refuses an escape before it) and the
    // escape character itself are escaped. Used with likeEscape().
    QString likeLiteral(const QString& value) const;
    // " ESCAPE '\'": the escape clause that goes with likeLiteral.
    static QString likeEscape();

    // "<column> like <pattern>" that is true when the column holds the
    // user's text anywhere, both sides folded (text::FoldPersian), the text
    // meant literally.
    QString containsText(const QString& column, const QString& userText) const;
    // "<column> like ?" that is true when the column equals the bound value
    // of boundLiteral(userText), both sides folded, without wildcards.
    QString matchesBound(const QString& column) const;
    QString boundLiteral(const QString& userText) const;

private:
    Kind m_kind;
};

} // namespace kelvo::sql
