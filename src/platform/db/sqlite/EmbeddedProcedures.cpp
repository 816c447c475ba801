#include "platform/db/sqlite/EmbeddedProcedures.h"

#include "platform/db/DbError.h"
#include "platform/db/sqlite/NativeProcedures.h"
#include "platform/db/sqlite/SqlTokens.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QHash>

#include <functional>
#include <optional>

#include <sqlite3.h>

namespace kelvo::db {

namespace {

constexpr int kMaxNesting = 32;

// --- helpers ---------------------------------------------------------------

QString bareName(const QString& name)
{
    return name.startsWith(u'@') ? name.mid(1) : name;
}

bool sameName(const QString& a, const QString& b)
{
    return bareName(a).compare(bareName(b), Qt::CaseInsensitive) == 0;
}

// The first word of a statement, lower case, without tokenizing it all.
// The statement's first word, in lower case when it is one of the few words
// that start procedure statements; every statement passes here, so ordinary
// ones cost no allocation.
QString firstWord(const QString& sql)
{
    qsizetype i = 0;
    while (i < sql.size() && sql[i].isSpace())
        ++i;
    const qsizetype start = i;
    while (i < sql.size() && sql[i].isLetter())
        ++i;
    const QStringView word = QStringView(sql).mid(start, i - start);
    if (word.size() < 4 || !QStringLiteral("cadeCADE").contains(word.front()))
        return {};
    for (const char* known : {"create", "alter", "drop", "exec", "execute"})
        if (word.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(known);
    return {};
}

// Splits tokens first..last at the commas outside parentheses.
std::vector<std::pair<qsizetype, qsizetype>> splitAtCommas(const SqlTokens& t, qsizetype first, qsizetype last)
{
    std::vector<std::pair<qsizetype, qsizetype>> parts;
    int depth = 0;
    qsizetype start = first;
    for (qsizetype i = first; i <= last; ++i) {
        if (t.is(i, QLatin1String("(")))
            ++depth;
        else if (t.is(i, QLatin1String(")")))
            --depth;
        else if (depth == 0 && t.is(i, QLatin1String(","))) {
            parts.emplace_back(start, i - 1);
            start = i + 1;
        }
    }
    if (first >= 0 && start <= last)
        parts.emplace_back(start, last);
    return parts;
}

// The last significant token of a statement, a final ";" left out.
qsizetype lastSignificant(const SqlTokens& t)
{
    qsizetype last = t.previous(t.size());
    while (last >= 0 && t.is(last, QLatin1String(";")))
        last = t.previous(last);
    return last;
}

[[noreturn]] void syntaxError(const SqlTokens& t, qsizetype at)
{
    const QString near = at >= 0 ? t.text(at).toString() : QString();
    throw DbError(QStringLiteral("Incorrect syntax near '%1'.").arg(near), 102, t.source());
}

struct ResultSet {
    QStringList columns;
    std::vector<QVariantList> rows;
};

// Runs one statement of the system's dialect with the values bind() gives
// its parameters; the rows are read when it has a result.
std::optional<ResultSet> runStatement(SqliteBackend& db, const QString& sql,
                                      const std::function<void(sqlite3_stmt*)>& bind)
{
    PreparedStatement* statement = db.acquire(sql);
    sqlite3_stmt* stmt = statement->stmt;
    try {
        bind(stmt);
    } catch (...) {
        db.release(statement);
        throw;
    }
    std::optional<ResultSet> result;
    const int columns = sqlite3_column_count(stmt);
    if (columns > 0) {
        result.emplace();
        for (int i = 0; i < columns; ++i)
            result->columns << QString::fromUtf8(sqlite3_column_name(stmt, i));
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row << ColumnValue(stmt, i);
        result->rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        db.failAndRelease(statement);
    db.release(statement);
    return result;
}

// --- the store -------------------------------------------------------------

struct ParameterDefinition {
    QString name; // "@Name"
    QString type;
    QString defaultExpression; // empty: none
    bool output = false;
};

struct ProcedureDefinition {
    qint64 id = 0;
    QString name;
    QString body;
    QString externalName;
    std::vector<ParameterDefinition> parameters;
};

std::optional<ProcedureDefinition> loadDefinition(SqliteBackend& db, const QString& name)
{
    auto found = runStatement(db, QStringLiteral("SELECT id, name, body, external_name FROM kvstore_procedure "
                                                 "WHERE name = ?"),
                              [&](sqlite3_stmt* s) { BindParameters(s, {name}); });
    if (!found || found->rows.empty())
        return std::nullopt;
    const QVariantList& row = found->rows.front();
    ProcedureDefinition def{row[0].toLongLong(), row[1].toString(), row[2].toString(), row[3].toString(), {}};
    auto params = runStatement(db, QStringLiteral("SELECT name, type, default_value, is_output FROM kvstore_parameter "
                                                  "WHERE procedure_id = ? ORDER BY ordinal"),
                               [&](sqlite3_stmt* s) { BindParameters(s, {def.id}); });
    for (const QVariantList& p : params->rows)
        def.parameters.push_back({p[0].toString(), p[1].toString(), p[2].toString(), p[3].toInt() != 0});
    return def;
}

// Parses "CREATE [OR ALTER] PROC[EDURE] name [(] @p type [= default] [OUTPUT], … [)] AS body".
ProcedureDefinition parseCreate(const SqlTokens& t, qsizetype procKeyword)
{
    ProcedureDefinition def;
    qsizetype k = t.next(procKeyword);
    if (k < 0)
        syntaxError(t, procKeyword);
    qsizetype nameEnd = k;
    def.name = ObjectName(t, k, &nameEnd);
    // The parameters run up to the AS (or WITH options) outside parentheses.
    qsizetype as = -1;
    int depth = 0;
    for (qsizetype i = t.next(nameEnd); i >= 0; i = t.next(i)) {
        if (t.is(i, QLatin1String("(")))
            ++depth;
        else if (t.is(i, QLatin1String(")")))
            --depth;
        else if (depth == 0 && t.is(i, QLatin1String("as"))) {
            as = i;
            break;
        }
    }
    if (as < 0)
        throw DbError(QStringLiteral("Incorrect syntax: the procedure '%1' has no AS before its body.").arg(def.name),
                      156, t.source());
    qsizetype first = t.next(nameEnd);
    qsizetype last = t.previous(as);
    for (qsizetype i = first; i >= 0 && i <= last; i = t.next(i)) {
        if (depth == 0 && t.is(i, QLatin1String("with"))) { // WITH RECOMPILE, EXECUTE AS …
            last = t.previous(i);
            break;
        }
    }
    if (first != as && t.is(first, QLatin1String("(")) && t.closing(first) == last) {
        first = t.next(first);
        last = t.previous(last);
    }
    if (first != as && first <= last) {
        for (auto [from, to] : splitAtCommas(t, first, last)) {
            const qsizetype name = t.isSignificant(from) ? from : t.next(from);
            if (name < 0 || t[name].kind != SqlToken::Variable)
                syntaxError(t, name);
            ParameterDefinition p;
            p.name = t.text(name).toString();
            qsizetype end = t.isSignificant(to) ? to : t.previous(to);
            for (;;) {
                if (t.is(end, QLatin1String("output")) || t.is(end, QLatin1String("out")))
                    p.output = true;
                else if (!t.is(end, QLatin1String("readonly")))
                    break;
                end = t.previous(end);
            }
            qsizetype typeEnd = end;
            for (qsizetype i = t.next(name); i >= 0 && i <= end; i = t.next(i)) {
                if (t.is(i, QLatin1String("("))) {
                    i = t.closing(i);
                    if (i < 0)
                        syntaxError(t, name);
                } else if (t.is(i, QLatin1String("="))) {
                    typeEnd = t.previous(i);
                    p.defaultExpression = t.span(t.next(i), end).trimmed();
                    break;
                }
            }
            if (t.is(typeEnd, QLatin1String("varying")))
                typeEnd = t.previous(typeEnd);
            p.type = t.span(t.next(name), typeEnd).simplified();
            if (p.type.isEmpty())
                syntaxError(t, name);
            def.parameters.push_back(p);
        }
    }
    const qsizetype body = t.next(as);
    if (t.is(body, QLatin1String("external")) && t.is(t.next(body), QLatin1String("name"))) {
        const qsizetype target = t.next(t.next(body));
        if (target < 0)
            syntaxError(t, body);
        def.externalName = ObjectName(t, target);
    } else {
        def.body = t.span(body, t.size() - 1).trimmed();
        if (def.body.isEmpty())
            syntaxError(t, as);
    }
    return def;
}

// A transaction, or a savepoint inside the caller's, around one procedure
// call: the body's changes stay whole or are undone.
class AtomicScope {
public:
    explicit AtomicScope(SqliteBackend& db)
        : m_db(db), m_ownsTransaction(sqlite3_get_autocommit(db.handle()) != 0)
    {
        m_db.executeScript(m_ownsTransaction ? QStringLiteral("BEGIN IMMEDIATE")
                                             : QStringLiteral("SAVEPOINT kvstore_call"));
    }
    ~AtomicScope()
    {
        if (m_done)
            return;
        sqlite3* h = m_db.handle();
        if (sqlite3_get_autocommit(h))
            return; // SQLite already rolled the transaction back
        sqlite3_exec(h, m_ownsTransaction ? "ROLLBACK" : "ROLLBACK TO kvstore_call; RELEASE kvstore_call", nullptr,
                     nullptr, nullptr);
    }
    AtomicScope(const AtomicScope&) = delete;
    AtomicScope& operator=(const AtomicScope&) = delete;

    void commit()
    {
        m_db.executeScript(m_ownsTransaction ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE kvstore_call"));
        m_done = true;
    }

private:
    SqliteBackend& m_db;
    bool m_ownsTransaction;
    bool m_done = false;
};

void storeDefinition(SqliteBackend& db, const ProcedureDefinition& def, const QString& text, bool replace)
{
    AtomicScope scope(db);
    if (auto existing = loadDefinition(db, def.name)) {
        if (!replace)
            throw DbError(QStringLiteral("There is already an object named '%1' in the database.").arg(def.name),
                          2714, text);
        db.execute(QStringLiteral("DELETE FROM kvstore_parameter WHERE procedure_id = ?"), {existing->id});
        db.execute(QStringLiteral("DELETE FROM kvstore_procedure WHERE id = ?"), {existing->id});
    }
    const ExecResult added = db.execute(
        QStringLiteral("INSERT INTO kvstore_procedure (name, body, external_name, definition) VALUES (?, ?, ?, ?)"),
        {def.name, def.externalName.isEmpty() ? QVariant(def.body) : QVariant(),
         def.externalName.isEmpty() ? QVariant() : QVariant(def.externalName), text});
    int ordinal = 0;
    for (const ParameterDefinition& p : def.parameters)
        db.execute(QStringLiteral("INSERT INTO kvstore_parameter (procedure_id, ordinal, name, type, default_value, "
                                  "is_output) VALUES (?, ?, ?, ?, ?, ?)"),
                   {added.lastInsertId, ++ordinal, p.name, p.type,
                    p.defaultExpression.isEmpty() ? QVariant() : QVariant(p.defaultExpression), p.output ? 1 : 0});
    scope.commit();
}

void dropProcedures(SqliteBackend& db, const SqlTokens& t, qsizetype procKeyword, const QString& text)
{
    qsizetype k = t.next(procKeyword);
    bool ifExists = false;
    if (t.is(k, QLatin1String("if")) && t.is(t.next(k), QLatin1String("exists"))) {
        ifExists = true;
        k = t.next(t.next(k));
    }
    if (k < 0)
        syntaxError(t, procKeyword);
    AtomicScope scope(db);
    for (auto [from, to] : splitAtCommas(t, k, lastSignificant(t))) {
        const qsizetype nameToken = t.isSignificant(from) ? from : t.next(from);
        if (nameToken < 0)
            syntaxError(t, from);
        const QString name = ObjectName(t, nameToken);
        const auto def = loadDefinition(db, name);
        if (!def) {
            if (ifExists)
                continue;
            throw DbError(QStringLiteral("Cannot drop the procedure '%1', because it does not exist or you do not "
                                         "have permission.").arg(name),
                          3701, text);
        }
        db.execute(QStringLiteral("DELETE FROM kvstore_parameter WHERE procedure_id = ?"), {def->id});
        db.execute(QStringLiteral("DELETE FROM kvstore_procedure WHERE id = ?"), {def->id});
    }
    scope.commit();
}

// --- calls -------------------------------------------------------------------

struct Outcome {
    QVariant returnValue;
    std::vector<ProcedureParameter> parameters; // as the procedure left them
    std::optional<ResultSet> rows;
};

QVariant evaluate(SqliteBackend& db, const QString& expression, const std::function<void(sqlite3_stmt*)>& bind)
{
    auto result = runStatement(db, QStringLiteral("SELECT ") + expression, bind);
    return result && !result->rows.empty() ? result->rows.front().value(0) : QVariant();
}

void bindNothing(sqlite3_stmt* stmt)
{
    if (sqlite3_bind_parameter_count(stmt) > 0) {
        const char* name = sqlite3_bind_parameter_name(stmt, 1);
        throw DbError(QStringLiteral("Must declare the scalar variable \"%1\".")
                          .arg(name ? QString::fromUtf8(name) : QStringLiteral("?")),
                      137, QString::fromUtf8(sqlite3_sql(stmt)));
    }
}

// Matches the caller's values to the declared parameters: by name (without
// regard to case, "@" optional) or by position for unnamed values. Missing
// inputs take their default; an output without a value starts as NULL.
std::vector<ProcedureParameter> bindArguments(SqliteBackend& db, const ProcedureDefinition& def,
                                              std::vector<ProcedureParameter>& caller, std::vector<int>& callerIndex)
{
    const size_t n = def.parameters.size();
    std::vector<ProcedureParameter> bound(n);
    std::vector<bool> given(n, false);
    callerIndex.assign(n, -1);
    size_t position = 0;
    for (size_t c = 0; c < caller.size(); ++c) {
        ProcedureParameter& arg = caller[c];
        size_t slot = n;
        if (arg.name.isEmpty()) {
            slot = position++;
            if (slot >= n)
                throw DbError(QStringLiteral("Procedure or function %1 has too many arguments specified.").arg(def.name),
                              8144);
            arg.name = def.parameters[slot].name;
        } else {
            for (size_t i = 0; i < n; ++i)
                if (sameName(def.parameters[i].name, arg.name))
                    slot = i;
            if (slot == n)
                throw DbError(QStringLiteral("%1 is not a parameter for procedure %2.")
                                  .arg(u'@' + bareName(arg.name), def.name),
                              8145);
        }
        bound[slot].value = arg.value;
        given[slot] = true;
        callerIndex[slot] = int(c);
    }
    for (size_t i = 0; i < n; ++i) {
        const ParameterDefinition& p = def.parameters[i];
        bound[i].name = p.name;
        bound[i].direction = p.output ? ParameterDirection::InputOutput : ParameterDirection::Input;
        if (given[i])
            continue;
        if (!p.defaultExpression.isEmpty())
            bound[i].value = evaluate(db, p.defaultExpression, bindNothing);
        else if (!p.output)
            throw DbError(QStringLiteral("Procedure or function '%1' expects parameter '%2', which was not supplied.")
                              .arg(def.name, p.name),
                          201);
    }
    return bound;
}

Outcome runNative(SqliteBackend& db, NativeProcedure body, std::vector<ProcedureParameter> params)
{
    NativeCall call{db, params, {}, {}};
    body(call);
    Outcome outcome;
    outcome.returnValue = call.returnValue.isNull() ? QVariant(0) : call.returnValue;
    if (call.rows) {
        // Read now: the rows belong to this call's transaction.
        ResultSet rows{call.rows->columns(), {}};
        QVariantList row;
        while (call.rows->fetch(row))
            rows.rows.push_back(row);
        outcome.rows = std::move(rows);
    }
    outcome.parameters = std::move(params);
    return outcome;
}

Outcome invoke(SqliteBackend& db, const QString& name, std::vector<ProcedureParameter>& params, int nesting);

// "EXEC [@r =] name [arg | @p = arg] [OUTPUT], …"
struct ExecArgument {
    QString name;       // empty when given by position
    QString expression; // value text
    bool output = false;
};

struct ExecCall {
    QString returnVariable;
    QString procedure;
    std::vector<ExecArgument> arguments;
    std::vector<int> placeholders; // "?" count per argument
};

ExecCall parseExec(const SqlTokens& t)
{
    ExecCall call;
    qsizetype k = t.next(t.next(-1));
    if (k >= 0 && t[k].kind == SqlToken::Variable && t.is(t.next(k), QLatin1String("="))) {
        call.returnVariable = t.text(k).toString();
        k = t.next(t.next(k));
    }
    if (k < 0 || (t[k].kind != SqlToken::Word && t[k].kind != SqlToken::BracketName
                  && t[k].kind != SqlToken::QuotedName))
        throw DbError(QStringLiteral("The embedded store runs only EXEC of a stored procedure by name."), 102,
                      t.source());
    qsizetype nameEnd = k;
    call.procedure = ObjectName(t, k, &nameEnd);
    const qsizetype first = t.next(nameEnd);
    const qsizetype last = lastSignificant(t);
    if (first < 0 || first > last)
        return call;
    for (auto [from, to] : splitAtCommas(t, first, last)) {
        qsizetype a = t.isSignificant(from) ? from : t.next(from);
        qsizetype b = t.isSignificant(to) ? to : t.previous(to);
        if (a < 0 || a > b)
            syntaxError(t, from);
        ExecArgument arg;
        if (t[a].kind == SqlToken::Variable && t.is(t.next(a), QLatin1String("="))) {
            arg.name = t.text(a).toString();
            a = t.next(t.next(a));
        }
        if (t.is(b, QLatin1String("output")) || t.is(b, QLatin1String("out"))) {
            arg.output = true;
            b = t.previous(b);
        }
        if (a < 0 || a > b)
            syntaxError(t, from);
        arg.expression = t.span(a, b);
        int placeholders = 0;
        for (qsizetype i = a; i <= b; ++i)
            placeholders += t[i].kind == SqlToken::Placeholder;
        call.placeholders.push_back(placeholders);
        call.arguments.push_back(arg);
    }
    return call;
}

// Local variables and parameters of a running body, by lower-case "@name".
using Variables = QHash<QString, QVariant>;

void bindVariables(sqlite3_stmt* stmt, const Variables& vars)
{
    const int n = sqlite3_bind_parameter_count(stmt);
    for (int i = 1; i <= n; ++i) {
        const char* raw = sqlite3_bind_parameter_name(stmt, i);
        const QString name = raw ? QString::fromUtf8(raw) : QStringLiteral("?");
        const auto it = vars.constFind(name.toLower());
        if (it == vars.constEnd())
            throw DbError(QStringLiteral("Must declare the scalar variable \"%1\".").arg(name), 137,
                          QString::fromUtf8(sqlite3_sql(stmt)));
        BindValue(stmt, i, *it);
    }
}

// Runs the statements of a procedure body one after another: DECLARE, SET
// and SELECT assignments of variables, RETURN, EXEC of other procedures and
// any other statement with the variables bound by name. The first result
// set becomes the procedure's.
class BodyRun {
public:
    BodyRun(SqliteBackend& db, int nesting)
        : m_db(db), m_nesting(nesting)
    {
    }

    void setVariable(const QString& name, const QVariant& value) { m_vars.insert(name.toLower(), value); }
    QVariant variable(const QString& name) const { return m_vars.value(name.toLower()); }

    Outcome run(const QString& body, std::vector<ProcedureParameter> params)
    {
        for (const ProcedureParameter& p : params)
            setVariable(p.name, p.value);
        for (const QString& statement : SplitStatements(unwrapBlock(body)))
            if (!runStatement(statement))
                break;
        Outcome outcome;
        outcome.returnValue = m_returnValue;
        outcome.rows = std::move(m_rows);
        for (ProcedureParameter& p : params)
            p.value = variable(p.name);
        outcome.parameters = std::move(params);
        return outcome;
    }

private:
    static QString unwrapBlock(const QString& body)
    {
        const SqlTokens t(body);
        const qsizetype first = t.next(-1);
        const qsizetype last = t.previous(t.size());
        if (t.is(first, QLatin1String("begin")) && t.is(last, QLatin1String("end"))
            && !t.is(t.next(first), QLatin1String("tran")) && !t.is(t.next(first), QLatin1String("transaction")))
            return t.span(t.next(first), t.previous(last));
        return body;
    }

    std::function<void(sqlite3_stmt*)> binder() const
    {
        return [this](sqlite3_stmt* s) { bindVariables(s, m_vars); };
    }

    QVariant evaluateHere(const QString& expression) { return evaluate(m_db, expression, binder()); }

    // False after RETURN.
    bool runStatement(const QString& statement)
    {
        const SqlTokens t(statement);
        const qsizetype first = t.next(-1);
        const qsizetype second = t.next(first);
        const qsizetype last = lastSignificant(t);
        if (t.is(first, QLatin1String("declare"))) {
            declare(t, second, last);
        } else if (t.is(first, QLatin1String("set")) && second >= 0 && t[second].kind == SqlToken::Variable) {
            const qsizetype eq = t.next(second);
            if (!t.is(eq, QLatin1String("=")))
                syntaxError(t, eq);
            assignExisting(t.text(second).toString(), evaluateHere(t.span(t.next(eq), last)), t);
        } else if (t.is(first, QLatin1String("set"))) {
            // SET NOCOUNT ON and other session options: nothing to do here.
        } else if (t.is(first, QLatin1String("return"))) {
            m_returnValue = second >= 0 && second <= last ? evaluateHere(t.span(second, last)) : QVariant(0);
            return false;
        } else if (t.is(first, QLatin1String("exec")) || t.is(first, QLatin1String("execute"))) {
            execute(t);
        } else if (t.is(first, QLatin1String("select")) && selectAssigns(t, first)) {
            selectInto(t, first, last);
        } else {
            keep(kelvo::db::runStatement(m_db, statement, binder()));
        }
        return true;
    }

    void keep(std::optional<ResultSet> rows)
    {
        if (rows && !m_rows)
            m_rows = std::move(rows);
    }

    void assignExisting(const QString& name, const QVariant& value, const SqlTokens& t)
    {
        if (!m_vars.contains(name.toLower()))
            throw DbError(QStringLiteral("Must declare the scalar variable \"%1\".").arg(name), 137, t.source());
        setVariable(name, value);
    }

    // DECLARE @a int [= expr], @b nvarchar(50) …
    void declare(const SqlTokens& t, qsizetype first, qsizetype last)
    {
        if (first < 0)
            syntaxError(t, first);
        for (auto [from, to] : splitAtCommas(t, first, last)) {
            const qsizetype name = t.isSignificant(from) ? from : t.next(from);
            if (name < 0 || t[name].kind != SqlToken::Variable)
                syntaxError(t, name);
            QVariant value;
            for (qsizetype i = t.next(name); i >= 0 && i <= to; i = t.next(i)) {
                if (t.is(i, QLatin1String("("))) {
                    i = t.closing(i);
                    if (i < 0)
                        break;
                } else if (t.is(i, QLatin1String("="))) {
                    value = evaluateHere(t.span(t.next(i), to));
                    break;
                }
            }
            setVariable(t.text(name).toString(), value);
        }
    }

    static qsizetype selectListStart(const SqlTokens& t, qsizetype select)
    {
        qsizetype k = t.next(select);
        if (t.is(k, QLatin1String("distinct")) || t.is(k, QLatin1String("all")))
            k = t.next(k);
        return k;
    }

    static bool selectAssigns(const SqlTokens& t, qsizetype select)
    {
        const qsizetype k = selectListStart(t, select);
        return k >= 0 && t[k].kind == SqlToken::Variable && t.is(t.next(k), QLatin1String("="));
    }

    // SELECT @a = expr, @b = expr [FROM …]: the values of the last row.
    void selectInto(const SqlTokens& t, qsizetype select, qsizetype last)
    {
        const qsizetype listStart = selectListStart(t, select);
        qsizetype listEnd = last;
        int depth = 0;
        for (qsizetype i = listStart; i >= 0 && i <= last; i = t.next(i)) {
            if (t.is(i, QLatin1String("(")))
                ++depth;
            else if (t.is(i, QLatin1String(")")))
                --depth;
            else if (depth == 0
                     && (t.is(i, QLatin1String("from")) || t.is(i, QLatin1String("where"))
                         || t.is(i, QLatin1String("group")) || t.is(i, QLatin1String("having"))
                         || t.is(i, QLatin1String("order")))) {
                listEnd = t.previous(i);
                break;
            }
        }
        QStringList names;
        QStringList expressions;
        for (auto [from, to] : splitAtCommas(t, listStart, listEnd)) {
            const qsizetype name = t.isSignificant(from) ? from : t.next(from);
            const qsizetype eq = t.next(name);
            if (name < 0 || t[name].kind != SqlToken::Variable || !t.is(eq, QLatin1String("=")))
                throw DbError(QStringLiteral("A SELECT statement that assigns a value to a variable must not be "
                                             "combined with data-retrieval operations."),
                              141, t.source());
            names << t.text(name).toString();
            expressions << t.span(t.next(eq), to).trimmed();
        }
        const QString rest = listEnd < last ? t.span(t.next(listEnd), last) : QString();
        const QString sql = t.span(select, t.previous(listStart)) + u' ' + expressions.join(QLatin1String(", "))
            + (rest.isEmpty() ? QString() : u' ' + rest);
        const auto rows = kelvo::db::runStatement(m_db, sql, binder());
        if (!rows || rows->rows.empty())
            return;
        for (qsizetype i = 0; i < names.size(); ++i)
            assignExisting(names[i], rows->rows.back().value(i), t);
    }

    void execute(const SqlTokens& t)
    {
        ExecCall call = parseExec(t);
        std::vector<ProcedureParameter> params;
        for (const ExecArgument& arg : call.arguments)
            params.push_back({arg.name, evaluateHere(arg.expression),
                              arg.output ? ParameterDirection::InputOutput : ParameterDirection::Input});
        Outcome outcome = invoke(m_db, call.procedure, params, m_nesting + 1);
        for (size_t i = 0; i < call.arguments.size(); ++i) {
            const ExecArgument& arg = call.arguments[i];
            if (!arg.output)
                continue;
            const SqlTokens value(arg.expression);
            const qsizetype v = value.next(-1);
            if (v < 0 || value[v].kind != SqlToken::Variable || value.next(v) >= 0)
                throw DbError(QStringLiteral("An OUTPUT argument must be a variable: %1").arg(arg.expression), 179,
                              t.source());
            for (const ProcedureParameter& p : outcome.parameters)
                if (sameName(p.name, params[i].name))
                    assignExisting(value.text(v).toString(), p.value, t);
        }
        if (!call.returnVariable.isEmpty())
            assignExisting(call.returnVariable, outcome.returnValue, t);
        keep(std::move(outcome.rows));
    }

    SqliteBackend& m_db;
    int m_nesting;
    Variables m_vars;
    QVariant m_returnValue = 0;
    std::optional<ResultSet> m_rows;
};

// Runs a procedure of the catalogue, else a native one of that name, with
// the caller's parameters; the caller's output parameters receive their
// values.
Outcome invoke(SqliteBackend& db, const QString& rawName, std::vector<ProcedureParameter>& params, int nesting)
{
    if (nesting > kMaxNesting)
        throw DbError(QStringLiteral("Maximum stored procedure, function, trigger, or view nesting level exceeded "
                                     "(limit %1).").arg(kMaxNesting),
                      217);
    const SqlTokens nameTokens(rawName.trimmed());
    const qsizetype nameStart = nameTokens.next(-1);
    const QString name = nameStart < 0 ? QString() : ObjectName(nameTokens, nameStart);
    const std::optional<ProcedureDefinition> def = loadDefinition(db, name);
    if (!def) {
        const NativeProcedure native = FindNativeProcedure(name);
        if (!native)
            throw DbError(QStringLiteral("Could not find stored procedure '%1'.").arg(name), 2812);
        AtomicScope scope(db);
        Outcome outcome = runNative(db, native, params);
        scope.commit();
        params = outcome.parameters;
        return outcome;
    }
    std::vector<int> callerIndex;
    std::vector<ProcedureParameter> bound = bindArguments(db, *def, params, callerIndex);
    AtomicScope scope(db);
    Outcome outcome;
    if (!def->externalName.isEmpty()) {
        const NativeProcedure native = FindNativeProcedure(def->externalName);
        if (!native)
            throw DbError(QStringLiteral("The procedure '%1' is bound to the native procedure '%2', which this "
                                         "program does not have.").arg(def->name, def->externalName),
                          2812);
        outcome = runNative(db, native, std::move(bound));
    } else {
        outcome = BodyRun(db, nesting).run(def->body, std::move(bound));
    }
    scope.commit();
    // Output values go back to the caller's parameters; declared outputs the
    // caller did not pass are added.
    for (size_t i = 0; i < def->parameters.size(); ++i) {
        if (!def->parameters[i].output)
            continue;
        QVariant value;
        for (const ProcedureParameter& p : outcome.parameters)
            if (sameName(p.name, def->parameters[i].name))
                value = p.value;
        if (callerIndex[i] >= 0)
            params[size_t(callerIndex[i])].value = value;
        else
            params.push_back({def->parameters[i].name, value, ParameterDirection::Output});
    }
    outcome.parameters = params;
    return outcome;
}

std::unique_ptr<Cursor> toCursor(std::optional<ResultSet> rows)
{
    if (!rows)
        return nullptr;
    return std::make_unique<MemoryCursor>(std::move(rows->columns), std::move(rows->rows));
}

} // namespace

void CreateStoreTables(SqliteBackend& backend)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(backend.handle(),
                       "SELECT count(*) FROM main.sqlite_master WHERE name IN ('kvstore_procedure', 'kvstore_parameter')",
                       -1, &stmt, nullptr);
    const bool present = stmt && sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int(stmt, 0) == 2;
    sqlite3_finalize(stmt);
    if (present)
        return;
    backend.executeScript(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS kvstore_procedure ("
        " id INTEGER PRIMARY KEY AUTOINCREMENT,"
        " name TEXT NOT NULL COLLATE NOCASE UNIQUE,"
        " body TEXT,"
        " external_name TEXT,"
        " definition TEXT NOT NULL);"
        "CREATE TABLE IF NOT EXISTS kvstore_parameter ("
        " procedure_id INTEGER NOT NULL,"
        " ordinal INTEGER NOT NULL,"
        " name TEXT NOT NULL COLLATE NOCASE,"
        " type TEXT NOT NULL,"
        " default_value TEXT,"
        " is_output INTEGER NOT NULL DEFAULT 0,"
        " PRIMARY KEY (procedure_id, ordinal));"));
}

bool HandleProcedureDefinition(SqliteBackend& backend, const QString& sql)
{
    const QString word = firstWord(sql);
    if (word != u"create" && word != u"alter" && word != u"drop")
        return false;
    const SqlTokens t(sql);
    const qsizetype first = t.next(-1);
    qsizetype k = t.next(first);
    bool replace = word == u"alter";
    if (word == u"create" && t.is(k, QLatin1String("or")) && t.is(t.next(k), QLatin1String("alter"))) {
        replace = true;
        k = t.next(t.next(k));
    }
    if (!t.is(k, QLatin1String("proc")) && !t.is(k, QLatin1String("procedure")))
        return false;
    if (word == u"drop")
        dropProcedures(backend, t, k, sql);
    else
        storeDefinition(backend, parseCreate(t, k), sql, replace);
    return true;
}

std::unique_ptr<Cursor> RunProcedureStatement(SqliteBackend& backend, const QString& sql, const QVariantList& params)
{
    const QString word = firstWord(sql);
    if (word != u"exec" && word != u"execute")
        return nullptr;
    const SqlTokens t(sql);
    const ExecCall call = parseExec(t);
    if (!call.returnVariable.isEmpty())
        throw DbError(QStringLiteral("Must declare the scalar variable \"%1\".").arg(call.returnVariable), 137, sql);
    int needed = 0;
    for (int n : call.placeholders)
        needed += n;
    if (needed != params.size())
        throw DbError(QStringLiteral("The statement expects %1 parameter value(s) but %2 were given.")
                          .arg(needed).arg(params.size()),
                      0, sql);
    std::vector<ProcedureParameter> arguments;
    int next = 0;
    for (size_t i = 0; i < call.arguments.size(); ++i) {
        const QVariantList values = params.mid(next, call.placeholders[i]);
        next += call.placeholders[i];
        const ExecArgument& arg = call.arguments[i];
        arguments.push_back({arg.name,
                             evaluate(backend, arg.expression,
                                      [&](sqlite3_stmt* s) {
                                          if (sqlite3_bind_parameter_count(s) != values.size())
                                              bindNothing(s);
                                          BindParameters(s, values);
                                      }),
                             arg.output ? ParameterDirection::InputOutput : ParameterDirection::Input});
    }
    Outcome outcome = invoke(backend, call.procedure, arguments, 1);
    auto rows = toCursor(std::move(outcome.rows));
    return rows ? std::move(rows) : std::make_unique<MemoryCursor>(QStringList(), std::vector<QVariantList>());
}

ProcedureResult CallEmbeddedProcedure(SqliteBackend& backend, const QString& name,
                                      std::vector<ProcedureParameter> params)
{
    Outcome outcome = invoke(backend, name, params, 1);
    ProcedureResult result;
    result.returnValue = outcome.returnValue;
    result.parameters = std::move(params);
    result.rows = toCursor(std::move(outcome.rows));
    return result;
}

} // namespace kelvo::db
