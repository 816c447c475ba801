#include "query/QueryModel.h"

#include "platform/db/Connection.h"
#include "query/DictionaryStatements.h"
#include "query/StoreFullError.h"
#include "text/TextPrimitives.h"
#include "query/Vocabulary.h"
#include "sql/SqlDialect.h"

#include <cmath>

namespace kelvo::query {

using namespace text;

ColumnId MakeColumnId(int tableIndex, int columnIndex)
{
    return (tableIndex - 1) * 1000 + columnIndex;
}

int ColumnIdTable(ColumnId id)
{
    return int(std::floor(id / 1000.0)) + 1;
}

int ColumnIdColumn(ColumnId id)
{
    return id % 1000;
}

const QueryColumn* FindColumn(const QueryTableList& model, ColumnId id)
{
    const int table = ColumnIdTable(id);
    const int column = ColumnIdColumn(id);
    if (table < 1 || table > model.count())
        return nullptr;
    const QueryTable& t = model.tables[table - 1];
    if (column < 1 || column > t.ColumnCount())
        return nullptr;
    return &t.Columns[column - 1];
}

QueryColumn* FindColumn(QueryTableList& model, ColumnId id)
{
    return const_cast<QueryColumn*>(FindColumn(std::as_const(model), id));
}

QString ColumnName(const QueryTableList& model, ColumnId id)
{
    const QueryColumn* c = FindColumn(model, id);
    return c ? c->Name : QString();
}

QString ColumnType(const QueryTableList& model, ColumnId id)
{
    const QueryColumn* c = FindColumn(model, id);
    return c ? c->Type : QString();
}

QString ColumnMajorView(const QueryTableList& model, ColumnId id)
{
    const QueryColumn* c = FindColumn(model, id);
    return c ? c->MajorView : QString();
}

QString ColumnMinorView(const QueryTableList& model, ColumnId id)
{
    const QueryColumn* c = FindColumn(model, id);
    return c ? c->MinorView : QString();
}

QString ColumnTableName(const QueryTableList& model, ColumnId id)
{
    return FindColumn(model, id) ? model.tables[ColumnIdTable(id) - 1].Name : QString();
}

QString ColumnReference(const QueryTableList& model, ColumnId id)
{
    const QueryColumn* c = FindColumn(model, id);
    return c ? model.tables[ColumnIdTable(id) - 1].Name + u'.' + c->Name : QString();
}

namespace {

int CountRows(db::Connection& db, const QString& statement)
{
    db::Recordset rs = db.openRecordset(statement, {}, db::CursorType::ForwardOnly);
    int rows = 0;
    while (!rs.eof()) {
        ++rows;
        rs.moveNext();
    }
    return rows;
}

QString OptionalText(const db::Recordset& rs, const QString& field)
{
    return rs.hasField(field) ? rs.text(field) : QString();
}

// The select list as the column tests read it: every "DISTINCT " removed,
// trimmed, and case-folded once so that each column's tests are plain
// substring searches.
struct SelectListForTests {
    QString folded;    // ESelect without DISTINCT, case-folded
    QString original;  // ESelect as it stands, for the aggregate scan
    QString foldedAll; // ESelect case-folded, to skip the scan for columns not in parentheses
    QString groupBy;   // EGroupBy case-folded
};

void RecordAggregates(QueryColumn& column, QString w, const QString& ref)
{
    const QString inParentheses = u'(' + ref + u')';
    while (true) {
        const qsizetype at = w.indexOf(inParentheses, 0, Qt::CaseInsensitive);
        if (at < 0)
            break;
        const QStringView before = QStringView(w).mid(std::max<qsizetype>(0, at - 3), std::min<qsizetype>(3, at));
        QString aggregate;
        for (const AggregateWord& word : Aggregates()) {
            if (before == QStringView(word.marker)) {
                aggregate = QString::fromUtf16(word.sql);
                break;
            }
        }
        if (column.AggregateCount < kMaxAggregates)
            column.Aggregates[size_t(column.AggregateCount++)] = aggregate;
        const qsizetype sizeBefore = w.size();
        w.replace(aggregate + inParentheses, QString(), Qt::CaseInsensitive);
        // Letters that only look like an aggregate's ending ("XUNT(a.x)") are
        // not removed by the name: drop this occurrence so the scan moves on.
        if (w.size() == sizeBefore)
            w.remove(at, inParentheses.size());
    }
}

void ReadColumn(QueryColumn& column, const QString& tableName, const SelectListForTests& select)
{
    const QString ref = QString(tableName + u'.' + column.Name).toCaseFolded();
    const QString& s = select.folded;
    const QString startAs = ref + u" as ";
    const QString commaBlankAs = u", " + startAs;
    const QString commaAs = u',' + startAs;
    const QString parenAs = u'(' + ref + u") as ";

    if (s.startsWith(startAs)) {
        column.Selected = true;
        column.Position = 1;
    } else {
        qsizetype at = s.indexOf(commaBlankAs);
        if (at < 0)
            at = s.indexOf(commaAs);
        if (at < 0)
            at = s.indexOf(parenAs);
        if (at >= 0) {
            column.Selected = true;
            // Commas up to and including the match's first character: the
            // comma that opens ", R as " counts.
            column.Position = 1 + int(QStringView(s).left(at + 1).count(u','));
        }
    }
    column.Grouped = select.groupBy.contains(ref);
    if (select.foldedAll.contains(u'(' + ref + u')'))
        RecordAggregates(column, select.original, tableName + u'.' + column.Name);
}

} // namespace

std::optional<QueryTable> LoadDictionaryTable(db::Connection& db, const QString& name)
{
    db::Recordset rs = db.openRecordset(DictionaryColumnsStatement(db.isOracle()), {name});
    if (rs.eof())
        return std::nullopt;
    QueryTable table;
    table.Name = rs.text(QStringLiteral("TableName"));
    table.Description = rs.text(QStringLiteral("TableDesc"));
    table.Columns.reserve(rs.recordCount() + 1);
    while (!rs.eof()) {
        QueryColumn column;
        column.Name = rs.text(QStringLiteral("ColumnName"));
        column.Description = rs.text(QStringLiteral("ColumnDesc"));
        column.Type = OptionalText(rs, QStringLiteral("ColumnType"));
        column.MajorView = OptionalText(rs, QStringLiteral("MajorView"));
        column.MinorView = OptionalText(rs, QStringLiteral("MinorView"));
        table.Columns.append(std::move(column));
        rs.moveNext();
    }
    return table;
}

void InitQueryModel(QueryTableList& model, db::Connection& db)
{
    model.capacity = CountRows(db, DescribedTablesStatement(sql::Dialect::Of(db), true)) + 2;
}

void RebuildQueryModel(QueryStores& stores, db::Connection& db)
{
    const QueryClauses& c = stores.clauses;
    QueryTableList model;
    model.capacity = CountRows(db, DescribedTablesStatement(sql::Dialect::Of(db), false)) + 2;
    SelectListForTests select;
    select.original = c.ESelect;
    select.foldedAll = c.ESelect.toCaseFolded();
    select.folded = TrimBlanks(QString(c.ESelect).remove(QStringLiteral("DISTINCT "), Qt::CaseInsensitive))
                        .toCaseFolded();
    select.groupBy = c.EGroupBy.toCaseFolded();

    QString rest = c.EFrom;
    while (!TrimBlanksView(rest).isEmpty()) {
        QString name;
        if (const qsizetype comma = rest.indexOf(u','); comma >= 0) {
            name = TrimBlanks(QStringView(rest).left(comma));
            rest = rest.mid(comma + 1);
        } else {
            name = TrimBlanks(rest);
            rest.clear();
        }
        std::optional<QueryTable> table = LoadDictionaryTable(db, name);
        if (!table)
            continue;
        for (QueryColumn& column : table->Columns)
            ReadColumn(column, table->Name, select);
        model.tables.append(std::move(*table));
    }
    stores.tables = std::move(model);
    CollectExpressions(stores);
}

namespace {

bool IsQualifyingOperator(QStringView s, qsizetype i) // i 0-based
{
    const QChar c = s[i];
    if (c != u'+' && c != u'-' && c != u'*' && c != u'/' && c != u'%')
        return false;
    return i >= 2 && i + 2 < s.size() && IsAlphaNumChar(s[i - 2]) && IsAlphaNumChar(s[i + 2]);
}

QString FarsiItem(const QString& farsiSelect, int n)
{
    const QList<QStringView> parts = QStringView(farsiSelect).split(kFarsiComma);
    return n >= 1 && n <= parts.size() ? parts[n - 1].toString() : QString();
}

void AddAggregate(std::array<QString, kMaxAggregates>& slots, int& count, const QString& aggregate)
{
    for (int i = 0; i < count; ++i) {
        if (slots[size_t(i)] == aggregate)
            return;
    }
    if (count < kMaxAggregates)
        slots[size_t(count++)] = aggregate;
}

} // namespace

void CollectExpressions(QueryStores& stores)
{
    const QString& s = stores.clauses.ESelect;
    ExpressionList list;
    int n = 1;
    qsizetype b = 0; // 1-based position of the comma before the current item
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u',') {
            b = i + 1;
            ++n;
            continue;
        }
        if (!IsQualifyingOperator(s, i))
            continue;
        const qsizetype nextComma = Find(s, u",", Qt::CaseSensitive, i + 1);
        QString item = TrimBlanks(Span(s, b + 1, nextComma > 0 ? nextComma : s.size() + 1));
        if (const qsizetype as = FindNoCase(item, u" as "); as > 0)
            item = TrimBlanks(Left(item, as - 1));
        QString aggregate;
        for (const AggregateWord& word : Aggregates()) {
            const QString call = QStringView(word.sql) + u'(';
            if (item.contains(call, Qt::CaseInsensitive)) {
                aggregate = QString::fromUtf16(word.sql);
                item.remove(call, Qt::CaseInsensitive);
                item.chop(1);
            }
        }
        // One entry per item: a further operator of the same item only adds
        // its aggregate.
        auto found = std::find_if(list.items.begin(), list.items.end(),
                                  [&](const ExpressionItem& e) { return e.EnglishText == item; });
        if (found != list.items.end()) {
            if (!aggregate.isEmpty())
                AddAggregate(found->Aggregates, found->AggregateCount, aggregate);
            continue;
        }
        if (list.count() >= ExpressionList::kCapacity)
            throw StoreFullError(QStringLiteral("expression list"), ExpressionList::kCapacity);
        ExpressionItem entry;
        entry.EnglishText = item;
        if (!aggregate.isEmpty())
            AddAggregate(entry.Aggregates, entry.AggregateCount, aggregate);
        entry.FarsiOriginal = FarsiItem(stores.clauses.FSelect, n);
        QString farsi = entry.FarsiOriginal;
        for (const AggregateWord& word : Aggregates()) {
            const QString call = QStringView(word.farsi) + u'(';
            if (farsi.contains(call)) {
                farsi.remove(call);
                farsi.chop(1);
            }
        }
        farsi.remove(QStringLiteral("_)"));
        entry.FarsiText = TrimBlanks(farsi);
        list.items.append(std::move(entry));
    }
    stores.expressions = std::move(list);
}

void RegenerateClauses(QueryStores& stores)
{
    QueryClauses& c = stores.clauses;
    QString eSelect, fSelect, eFrom, fFrom, eGroupBy, fGroupBy;
    const auto join = [](QString& list, const QString& item, QStringView separator) {
        if (!list.isEmpty())
            list += separator;
        list += item;
    };
    for (const QueryTable& table : stores.tables.tables) {
        if (table.ColumnCount() < 1)
            continue;
        join(eFrom, table.Name, u", ");
        join(fFrom, table.Description, kFarsiListSeparator);
        for (const QueryColumn& column : table.Columns) {
            if (!column.Grouped)
                continue;
            join(eGroupBy, table.Name + u'.' + column.Name, u", ");
            join(fGroupBy, table.Description + u'_' + column.Description, kFarsiListSeparator);
        }
    }
    for (SelectItem& item : stores.selectItems.items) {
        if (item.CaptionNumber == -1)
            item.CaptionNumber = 0;
        join(eSelect, item.EnglishText + u" as '" + QuoteEscape(TrimBlanks(item.Caption)) + u'\'', u", ");
        join(fSelect, item.FarsiText, kFarsiListSeparator);
    }
    c.ESelect = TrimBlanks(eSelect);
    c.FSelect = TrimBlanks(fSelect);
    c.EFrom = TrimBlanks(eFrom);
    c.FFrom = TrimBlanks(fFrom);
    c.EGroupBy = TrimBlanks(eGroupBy);
    c.FGroupBy = TrimBlanks(fGroupBy);
}

QString TranslateColumnRef(db::Connection& db, const QString& expression)
{
    const qsizetype dot = expression.indexOf(u'.');
    if (dot < 0)
        return expression;
    const QString table = TrimBlanks(QStringView(expression).left(dot));
    const QString column = TrimBlanks(QStringView(expression).mid(dot + 1));
    const sql::Dialect dialect = sql::Dialect::Of(db);
    db::Recordset rs =
        db.openRecordset(ColumnReferenceStatement(), {dialect.likeLiteral(table), dialect.likeLiteral(column)});
    if (rs.eof())
        return expression;
    const QString tableText = rs.isNull(QStringLiteral("TableDesc")) ? rs.text(QStringLiteral("TableName"))
                                                                     : rs.text(QStringLiteral("TableDesc"));
    const QString columnText = rs.isNull(QStringLiteral("ColumnDesc")) ? rs.text(QStringLiteral("Name"))
                                                                       : rs.text(QStringLiteral("ColumnDesc"));
    return tableText + u'_' + columnText;
}

bool AllTablesConstrained(const QueryTableList& model, const QString& eWhere)
{
    if (model.count() == 1)
        return true;
    for (const QueryTable& table : model.tables) {
        const bool named = std::any_of(table.Columns.begin(), table.Columns.end(), [&](const QueryColumn& c) {
            return eWhere.contains(table.Name + u'.' + c.Name, Qt::CaseInsensitive);
        });
        if (!named)
            return false;
    }
    return true;
}

bool SplitEnglishQuery(QueryStores& stores, db::Connection& db)
{
    const bool missing = SplitEnglishQuery(stores.clauses);
    if (!missing) {
        // The DISTINCT prefix belongs to the query, not to its first item.
        QString text = stores.clauses.EQuery;
        if (IsDistinctSelect(stores.clauses.ESelect)) {
            const qsizetype at = text.indexOf(QStringLiteral("DISTINCT "), 0, Qt::CaseInsensitive);
            if (at >= 0)
                text.remove(at, 9);
        }
        ParseSelectItems(stores.selectItems, db, QStringLiteral("-1"), text);
    }
    return missing;
}

} // namespace kelvo::query

namespace kelvo::query {

namespace {

// The text inside one aggregate call ("SUM(x)" → "x", with its function),
// or the text itself.
std::pair<QString, QString> WithoutAggregate(const QString& english)
{
    const QString t = TrimBlanks(english);
    for (const AggregateWord& word : Aggregates()) {
        const QString call = QStringView(word.sql) + u'(';
        if (t.startsWith(call, Qt::CaseInsensitive) && t.endsWith(u')'))
            return {TrimBlanks(QStringView(t).mid(call.size(), t.size() - call.size() - 1)), QString::fromUtf16(word.sql)};
    }
    return {t, QString()};
}

struct AggregatedTarget {
    const std::array<QString, kMaxAggregates>* aggregates = nullptr;
    int count = 0;
    QString farsi; // the Farsi name without aggregate
};

std::optional<AggregatedTarget> TargetOf(const QueryStores& stores, const QString& base)
{
    for (const QueryTable& table : stores.tables.tables) {
        for (const QueryColumn& column : table.Columns) {
            if (!column.Selected)
                continue;
            if (base.compare(table.Name + u'.' + column.Name, Qt::CaseInsensitive) == 0)
                return AggregatedTarget{&column.Aggregates, column.AggregateCount,
                                        table.Description + u'_' + column.Description};
        }
    }
    for (const ExpressionItem& e : stores.expressions.items) {
        if (TrimBlanks(e.EnglishText) == base)
            return AggregatedTarget{&e.Aggregates, e.AggregateCount, e.FarsiText};
    }
    return std::nullopt;
}

} // namespace

void ApplyAggregatesToSelectItems(QueryStores& stores)
{
    QList<SelectItem> items;
    QStringList done; // bases already written
    for (const SelectItem& item : stores.selectItems.items) {
        const auto [base, aggregate] = WithoutAggregate(item.EnglishText);
        const std::optional<AggregatedTarget> target = TargetOf(stores, base);
        if (!target) {
            items.append(item);
            continue;
        }
        const QString folded = base.toCaseFolded();
        if (target->count == 0) {
            // Shown plainly; a second copy that only differed by its function goes.
            if (!aggregate.isEmpty() && done.contains(folded))
                continue;
            SelectItem plain = item;
            if (!aggregate.isEmpty()) {
                plain.EnglishText = base;
                plain.FarsiText = target->farsi;
            }
            done << folded;
            items.append(plain);
            continue;
        }
        if (done.contains(folded))
            continue;
        done << folded;
        for (int slot = 0; slot < target->count; ++slot) {
            const QString sqlName = (*target->aggregates)[size_t(slot)];
            if (sqlName.isEmpty())
                continue;
            SelectItem wrapped = item;
            wrapped.EnglishText = sqlName + u'(' + base + u')';
            const QString word = AggregateToFarsi(sqlName);
            wrapped.FarsiText = word + u'(' + target->farsi + u')';
            if (slot > 0) {
                wrapped.Caption = TrimBlanks(item.Caption) + QStringLiteral(" (") + word + u')';
                wrapped.CaptionNumber = -1;
            }
            items.append(wrapped);
        }
    }
    if (items.size() > SelectItemList::kCapacity)
        throw StoreFullError(QStringLiteral("select list"), SelectItemList::kCapacity);
    stores.selectItems.items = std::move(items);
}

} // namespace kelvo::query
