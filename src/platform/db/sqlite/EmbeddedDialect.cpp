#include "platform/db/sqlite/EmbeddedDialect.h"

#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqlTokens.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QDateTime>

#include <sqlite3.h>

namespace kelvo::db {

namespace {

// Words that end an operand run around "+": a "+" beyond them belongs to
// another expression.
bool endsOperandRun(QStringView word)
{
    static const char* const words[] = {
        "select", "from", "where", "and", "or", "not", "as", "then", "else", "when", "case", "end",
        "like", "is", "in", "between", "on", "by", "having", "union", "set", "values", "join",
        "escape", "into", "return", "declare", "distinct", "top", "exists", "order", "group",
        "with", "desc", "asc", "collate", "except", "intersect", "all", "any", "some", "limit"};
    for (const char* w : words)
        if (word.compare(QLatin1String(w), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Rewrites one statement text token by token; each token keeps its text
// unless replaced, and may be followed by inserted text.
class SqliteRewriter {
public:
    explicit SqliteRewriter(const QString& sql)
        : m_tokens(sql), m_replaced(size_t(m_tokens.size()), false), m_text(size_t(m_tokens.size())),
          m_after(size_t(m_tokens.size())), m_partner(size_t(m_tokens.size()), -1)
    {
        matchParentheses();
    }

    QString run()
    {
        numberPlaceholders();
        quoteBracketNames();
        rewriteClauses();
        rewriteConcatenation();
        QString out;
        out.reserve(m_tokens.source().size() + 32);
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if (m_replaced[size_t(i)])
                out += m_text[size_t(i)];
            else
                out += m_tokens.text(i);
            out += m_after[size_t(i)];
        }
        return out;
    }

private:
    struct PendingLimit {
        int depth;
        QString count;
    };

    void replace(qsizetype i, const QString& text)
    {
        m_replaced[size_t(i)] = true;
        m_text[size_t(i)] = text;
    }
    void remove(qsizetype i) { replace(i, QString()); }
    void append(qsizetype i, const QString& text) { m_after[size_t(i)] += text; }
    bool isPunct(qsizetype i, const char* text) const
    {
        return i >= 0 && m_tokens[i].kind == SqlToken::Punct && m_tokens.text(i) == QLatin1String(text);
    }
    bool isName(qsizetype i) const
    {
        if (i < 0)
            return false;
        const auto kind = m_tokens[i].kind;
        return kind == SqlToken::Word || kind == SqlToken::BracketName || kind == SqlToken::QuotedName;
    }

    // Every "?" becomes "?N", N its place in the text, so that a value keeps
    // its meaning when a rewrite moves its placeholder (TOP ? becomes a
    // LIMIT at the end) and each statement of a batch binds its own values.
    void numberPlaceholders()
    {
        int number = 0;
        for (qsizetype i = 0; i < m_tokens.size(); ++i)
            if (m_tokens[i].kind == SqlToken::Placeholder)
                replace(i, QStringLiteral("?%1").arg(++number));
    }

    // [name] becomes "name": SQLite's brackets cannot hold a "]" ("]]").
    void quoteBracketNames()
    {
        for (qsizetype i = 0; i < m_tokens.size(); ++i)
            if (m_tokens[i].kind == SqlToken::BracketName)
                replace(i, u'"' + NameValue(m_tokens, i).replace(u'"', QStringLiteral("\"\"")) + u'"');
    }

    QString textOf(qsizetype i) const
    {
        return m_replaced[size_t(i)] ? m_text[size_t(i)] : m_tokens.text(i).toString();
    }

    void matchParentheses()
    {
        std::vector<qsizetype> open;
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if (isPunct(i, "("))
                open.push_back(i);
            else if (isPunct(i, ")") && !open.empty()) {
                m_partner[size_t(i)] = open.back();
                m_partner[size_t(open.back())] = i;
                open.pop_back();
            }
        }
    }

    void flushLimits(std::vector<PendingLimit>& limits, int depth, qsizetype at)
    {
        while (!limits.empty() && limits.back().depth >= depth) {
            if (at >= 0)
                append(at, QStringLiteral(" LIMIT ") + limits.back().count);
            limits.pop_back();
        }
    }

    void rewriteClauses()
    {
        std::vector<PendingLimit> limits;
        int depth = 0;
        bool statementStart = true;
        qsizetype last = -1;
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if (!m_tokens.isSignificant(i))
                continue;
            const QStringView t = m_tokens.text(i);
            switch (m_tokens[i].kind) {
            case SqlToken::Punct:
                if (t == u"(") {
                    ++depth;
                } else if (t == u")") {
                    flushLimits(limits, depth, last);
                    depth = qMax(0, depth - 1);
                } else if (t == u";") {
                    flushLimits(limits, 0, last);
                    statementStart = true;
                    last = i;
                    continue;
                }
                break;
            case SqlToken::NString:
                replace(i, t.mid(1).toString());
                break;
            case SqlToken::Variable:
                if (t.compare(QLatin1String("@@identity"), Qt::CaseInsensitive) == 0)
                    replace(i, QStringLiteral("last_insert_rowid()"));
                else if (t.compare(QLatin1String("@@rowcount"), Qt::CaseInsensitive) == 0)
                    replace(i, QStringLiteral("changes()"));
                break;
            case SqlToken::Word:
            case SqlToken::BracketName:
                rewriteWord(i, depth, statementStart, limits);
                break;
            default:
                break;
            }
            statementStart = false;
            last = i;
        }
        flushLimits(limits, 0, last);
    }

    void rewriteWord(qsizetype i, int depth, bool statementStart, std::vector<PendingLimit>& limits)
    {
        const QString word = NameValue(m_tokens, i).toLower();
        const qsizetype next = m_tokens.next(i);
        const bool bracketed = m_tokens[i].kind == SqlToken::BracketName;
        if (word == u"dbo" && isPunct(next, ".") && isName(m_tokens.next(next)) && !isPunct(m_tokens.previous(i), ".")) {
            // "dbo.name": the embedded store has one schema.
            for (qsizetype k = i; k <= next; ++k)
                remove(k);
            return;
        }
        if (bracketed)
            return;
        const bool call = isPunct(next, "(");
        if (call && (word == u"varchar" || word == u"nvarchar" || word == u"varbinary")
            && m_tokens.is(m_tokens.next(next), QLatin1String("max"))) {
            // SQLite's type names take numbers only: (max) is kept as (-1).
            replace(m_tokens.next(next), QStringLiteral("-1"));
        } else if (call && (word == u"isnull" || word == u"left" || word == u"right" || word == u"nvl")) {
            if (word == u"isnull")
                replace(i, QStringLiteral("ifnull"));
            else if (word != u"nvl")
                replace(i, QStringLiteral("kv_") + word);
            // The text these give compares without regard to case, as a
            // column's would: left(name,6)<>'sp_cft' is false for "SP_CFT…".
            if (m_partner[size_t(next)] >= 0)
                append(m_partner[size_t(next)], QStringLiteral(" COLLATE NOCASE"));
        } else if (call && word == u"object_id" && m_partner[size_t(next)] >= 0) {
            replace(i, QStringLiteral("(SELECT id FROM sysobjects WHERE name = kv_object_name"));
            append(m_partner[size_t(next)], QStringLiteral(")"));
        } else if (word == u"select") {
            rewriteTop(i, depth, limits);
        } else if (statementStart && word == u"delete") {
            if (isName(next) && !m_tokens.is(next, QLatin1String("from")))
                append(i, QStringLiteral(" FROM"));
        } else if (statementStart && word == u"insert") {
            rewriteInsert(i, next);
        } else if (statementStart && word == u"alter") {
            refuseDropConstraint(i);
        }
    }

    // "Select [Distinct] top N …" → "Select [Distinct] … LIMIT N".
    void rewriteTop(qsizetype select, int depth, std::vector<PendingLimit>& limits)
    {
        qsizetype k = m_tokens.next(select);
        if (m_tokens.is(k, QLatin1String("distinct")) || m_tokens.is(k, QLatin1String("all")))
            k = m_tokens.next(k);
        if (!m_tokens.is(k, QLatin1String("top")))
            return;
        qsizetype n = m_tokens.next(k);
        qsizetype lastOfCount = n;
        if (isPunct(n, "(")) {
            lastOfCount = m_partner[size_t(n)];
            n = m_tokens.next(n);
            if (lastOfCount < 0 || m_tokens.next(n) != lastOfCount)
                return;
        }
        if (n < 0 || (m_tokens[n].kind != SqlToken::Number && m_tokens[n].kind != SqlToken::Placeholder))
            return;
        const qsizetype after = m_tokens.next(lastOfCount);
        if (m_tokens.is(after, QLatin1String("percent")) || m_tokens.is(after, QLatin1String("with")))
            return; // no LIMIT form; SQLite reports the statement
        limits.push_back({depth, textOf(n)});
        const qsizetype end = after < 0 ? m_tokens.size() : after;
        for (qsizetype j = k; j < end; ++j)
            remove(j);
    }

    // "insert t (…)" → "INSERT INTO t (…)"; "(Select …)" as the source loses
    // its parentheses.
    void rewriteInsert(qsizetype insert, qsizetype next)
    {
        qsizetype table = -1;
        if (m_tokens.is(next, QLatin1String("into")))
            table = m_tokens.next(next);
        else if (m_tokens.is(next, QLatin1String("or")))
            return;
        else if (isName(next)) {
            append(insert, QStringLiteral(" INTO"));
            table = next;
        }
        if (!isName(table))
            return;
        qsizetype last = table;
        ObjectName(m_tokens, table, &last);
        qsizetype p = m_tokens.next(last);
        if (!isPunct(p, "("))
            return;
        if (!startsSelect(m_tokens.next(p))) {
            const qsizetype columnsEnd = m_partner[size_t(p)];
            if (columnsEnd < 0)
                return;
            p = m_tokens.next(columnsEnd);
            if (!isPunct(p, "(") || !startsSelect(m_tokens.next(p)))
                return;
        }
        if (m_partner[size_t(p)] < 0)
            return;
        remove(p);
        remove(m_partner[size_t(p)]);
    }

    bool startsSelect(qsizetype i) const
    {
        return m_tokens.is(i, QLatin1String("select")) || m_tokens.is(i, QLatin1String("with"));
    }

    void refuseDropConstraint(qsizetype alter)
    {
        const qsizetype table = m_tokens.next(alter);
        if (!m_tokens.is(table, QLatin1String("table")))
            return;
        qsizetype nameEnd = -1;
        const QString tableName = ObjectName(m_tokens, m_tokens.next(table), &nameEnd);
        const qsizetype drop = m_tokens.next(nameEnd);
        const qsizetype constraint = m_tokens.next(drop);
        if (!m_tokens.is(drop, QLatin1String("drop")) || !m_tokens.is(constraint, QLatin1String("constraint")))
            return;
        const qsizetype name = m_tokens.next(constraint);
        const QString constraintName = name >= 0 ? NameValue(m_tokens, name) : QString();
        throw DbError(QStringLiteral("Could not drop constraint '%1' of table '%2': the embedded store keeps "
                                     "constraints inside the table definition and cannot drop them.")
                          .arg(constraintName, tableName),
                      3727, m_tokens.source());
    }

    // SQL Server's "+" joins texts. Where a text literal stands next to a
    // "+", every "+" of that operand run becomes "||".
    void rewriteConcatenation()
    {
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if (!isPunct(i, "+") || m_replaced[size_t(i)])
                continue;
            if (isText(m_tokens.previous(i)) || isText(m_tokens.next(i)))
                concatenateRun(i);
        }
    }

    bool isText(qsizetype i) const
    {
        return i >= 0 && (m_tokens[i].kind == SqlToken::String || m_tokens[i].kind == SqlToken::NString);
    }

    void concatenateRun(qsizetype plus)
    {
        replace(plus, QStringLiteral("||"));
        for (int direction : {-1, 1}) {
            qsizetype j = plus;
            for (;;) {
                j = direction < 0 ? m_tokens.previous(j) : m_tokens.next(j);
                if (j < 0)
                    break;
                const auto kind = m_tokens[j].kind;
                if (kind == SqlToken::Punct) {
                    if (isPunct(j, "+"))
                        replace(j, QStringLiteral("||"));
                    else if (isPunct(j, direction < 0 ? ")" : "(") && m_partner[size_t(j)] >= 0)
                        j = m_partner[size_t(j)];
                    else if (!isPunct(j, "."))
                        break;
                } else if (kind == SqlToken::Word && endsOperandRun(m_tokens.text(j))) {
                    break;
                }
            }
        }
    }

    SqlTokens m_tokens;
    std::vector<bool> m_replaced;
    std::vector<QString> m_text;
    std::vector<QString> m_after;
    std::vector<qsizetype> m_partner; // matching parenthesis, -1 when none
};

// --- SQL Server functions -------------------------------------------------

QString textArg(sqlite3_value* v)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

void resultText(sqlite3_context* ctx, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    sqlite3_result_text(ctx, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
}

// left(text, n) / right(text, n): characters from one end; NULL in, NULL out.
template <bool FromLeft>
void sideFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const sqlite3_int64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) {
        sqlite3_result_error(ctx, FromLeft ? "Invalid length parameter passed to the left function."
                                           : "Invalid length parameter passed to the right function.",
                             -1);
        return;
    }
    const QString s = textArg(argv[0]);
    resultText(ctx, FromLeft ? s.left(qsizetype(n)) : s.right(qsizetype(n)));
}

// len(text): characters without the trailing blanks.
void lenFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString s = textArg(argv[0]);
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    sqlite3_result_int64(ctx, n);
}

// nvl(a, b): a unless it is NULL.
void nvlFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_result_value(ctx, sqlite3_value_type(argv[0]) == SQLITE_NULL ? argv[1] : argv[0]);
}

void getdateFunction(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void scopeIdentityFunction(sqlite3_context* ctx, int, sqlite3_value**)
{
    sqlite3_result_int64(ctx, sqlite3_last_insert_rowid(sqlite3_context_db_handle(ctx)));
}

// kv_object_name('dbo.[tblX]'): the bare object name Object_id looks up.
void objectNameFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const SqlTokens tokens(textArg(argv[0]).trimmed());
    const qsizetype first = tokens.next(-1);
    resultText(ctx, first < 0 ? QString() : ObjectName(tokens, first));
}

void createFunction(sqlite3* db, const char* name, int args, void (*fn)(sqlite3_context*, int, sqlite3_value**),
                    bool deterministic = true)
{
    const int flags = SQLITE_UTF8 | SQLITE_INNOCUOUS | (deterministic ? SQLITE_DETERMINISTIC : 0);
    sqlite3_create_function_v2(db, name, args, flags, nullptr, fn, nullptr, nullptr, nullptr);
}

} // namespace

QString RewriteForSqlite(const QString& sql)
{
    return SqliteRewriter(sql).run();
}

void InstallDialectFunctions(SqliteBackend& backend)
{
    sqlite3* db = backend.handle();
    createFunction(db, "kv_left", 2, sideFunction<true>);
    createFunction(db, "kv_right", 2, sideFunction<false>);
    createFunction(db, "len", 1, lenFunction);
    createFunction(db, "nvl", 2, nvlFunction);
    createFunction(db, "getdate", 0, getdateFunction, false);
    createFunction(db, "scope_identity", 0, scopeIdentityFunction, false);
    createFunction(db, "kv_object_name", 1, objectNameFunction);
    // LIKE ignores the case of letters, '%' and '_' being its wildcards.
    sqlite3_exec(db, "PRAGMA case_sensitive_like = OFF", nullptr, nullptr, nullptr);
}

} // namespace kelvo::db
