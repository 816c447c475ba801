#pragma once

#include "query/QueryClauses.h"
#include "query/SelectItems.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace kelvo::db {
class Connection;
}

// The in-memory query model from which both the English and the Farsi
// clauses are generated: the dictionary tables of the FROM clause with their
// columns and what the select list and GROUP BY do with them, and the
// select items that are arithmetic expressions.
namespace kelvo::query {

inline constexpr int kMaxAggregates = 7;

struct QueryColumn {
    QString Name;
    QString Description;
    QString Type;
    QString Spare;
    QString MajorView;
    QString MinorView;
    bool Selected = false;
    bool Grouped = false;
    std::array<QString, kMaxAggregates> Aggregates; // slot n is Aggregates[n - 1]
    int AggregateCount = 0;
    int Position = 0; // 1-based position of the column's item in the select list
};

struct QueryTable {
    QString Name;
    QString Description;
    QList<QueryColumn> Columns; // column n is Columns[n - 1]
    int ColumnCount() const { return int(Columns.size()); }
};

struct QueryTableList {
    QList<QueryTable> tables; // table n is tables[n - 1]
    // Number of dictionary tables with a description, plus 2 (set by
    // InitQueryModel and RebuildQueryModel); the list grows past it if needed.
    int capacity = 0;
    int count() const { return int(tables.size()); }
};

struct ExpressionItem {
    QString EnglishText;   // without alias and without one aggregate wrapper
    QString FarsiText;     // without aggregate word and closing parenthesis
    QString FarsiOriginal; // the Farsi item as it stood
    qint16 Flag = 0;
    std::array<QString, kMaxAggregates> Aggregates;
    int AggregateCount = 0;
};

struct ExpressionList {
    static constexpr int kCapacity = 100;
    QList<ExpressionItem> items; // entry n is items[n - 1]
    int count() const { return int(items.size()); }
};

// (table index − 1) × 1000 + column index, both 1-based.
using ColumnId = int;
ColumnId MakeColumnId(int tableIndex, int columnIndex);
int ColumnIdTable(ColumnId id);  // integer part of id / 1000, plus 1
int ColumnIdColumn(ColumnId id); // id modulo 1000

// Column accessors by ColumnId; an empty text for any index outside the model.
QString ColumnName(const QueryTableList& model, ColumnId id);
QString ColumnType(const QueryTableList& model, ColumnId id);
QString ColumnMajorView(const QueryTableList& model, ColumnId id);
QString ColumnMinorView(const QueryTableList& model, ColumnId id);
QString ColumnTableName(const QueryTableList& model, ColumnId id);
QString ColumnReference(const QueryTableList& model, ColumnId id); // "table.column"
// The column itself, or null for an index outside the model.
const QueryColumn* FindColumn(const QueryTableList& model, ColumnId id);
QueryColumn* FindColumn(QueryTableList& model, ColumnId id);

// The process-wide stores of the query being designed, held by the session.
struct QueryStores {
    QueryClauses clauses;
    SelectItemList selectItems;
    QueryTableList tables;
    ExpressionList expressions;
};

// Sizes the model from the number of described dictionary tables.
void InitQueryModel(QueryTableList& model, db::Connection& db);

// A dictionary table with all its columns, none selected; none when the
// dictionary does not know it.
std::optional<QueryTable> LoadDictionaryTable(db::Connection& db, const QString& name);

// Reads EFrom, ESelect and EGroupBy into the model: one dictionary query per
// comma-separated table name (unknown tables are left out), then
// CollectExpressions.
void RebuildQueryModel(QueryStores& stores, db::Connection& db);

// Finds the select items that are arithmetic expressions ("a.x + b.y") and
// takes their Farsi wording from FSelect by position.
void CollectExpressions(QueryStores& stores);

// Writes ESelect, FSelect, EFrom, FFrom, EGroupBy and FGroupBy from the model
// and the select items; EWhere and FWhere stay. Pure.
void RegenerateClauses(QueryStores& stores);

// The Farsi wording of a "table.column" reference through the dictionary:
// table description, "_", column description. Any other text comes back as
// it is.
QString TranslateColumnRef(db::Connection& db, const QString& expression);

// True when every table of the model is named by one of its column
// references in the WHERE text, or when the model has one table.
bool AllTablesConstrained(const QueryTableList& model, const QString& eWhere);

// SplitEnglishQuery, then the select items parsed from EQuery (as the SQL
// editor's clause buttons need them). A database failure propagates; the
// select items are then left as they were.
bool SplitEnglishQuery(QueryStores& stores, db::Connection& db);

} // namespace kelvo::query

namespace kelvo::query {

// Writes the aggregates the model holds into the select list: an item that
// is a column of the model (plain or under one aggregate) becomes one item
// per aggregate of that column, in slot order ("SUM(t.c)", Farsi
// "مجموع(…)"; a second aggregate's caption names its function); a column
// without aggregates is shown plainly again. Expression items the same way.
// Any other item is left as it stands. Pure.
void ApplyAggregatesToSelectItems(QueryStores& stores);

} // namespace kelvo::query
