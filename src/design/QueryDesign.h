#pragma once

#include "query/QueryModel.h"
#include "repository/Procedures.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace kelvo::db {
class Connection;
}

// What the query designer's windows read and write in the repository, as
// plain records: the stored query of a report, its procedure call, its
// parameters, the dictionary tree and relations, and a column's values.
namespace kelvo::design {

// ---------------------------------------------------------------- the stored query

// The longest text one query column holds; the rest goes to Reserved.
inline constexpr qsizetype kQueryPartLength = 8000;

struct StoredQuery {
    bool found = false;   // the report row exists
    QString english;      // SQLQuery followed by Reserved; empty when SQLQuery is null
    QString farsi;        // FarsiSQLQuery
    QString sqlsp, farsiSqlsp;
};
StoredQuery LoadStoredQuery(db::Connection& db, qint32 reportID);

struct QueryParts {
    QString first; // at most kQueryPartLength characters
    QString rest;  // empty when the text fits
};
// The text as it is stored: cut at kQueryPartLength characters of the text
// itself (values are bound, so an apostrophe is never doubled or split).
QueryParts SplitStoredQuery(const QString& english);

struct QueryToSave {
    QString english, farsi;      // the query texts; an empty one is stored as NULL
    QString sqlsp, farsiSqlsp;   // the procedure call; empty when the report is a query
};
// Writes the query texts, the procedure flag and the call in one transaction.
void SaveStoredQuery(db::Connection& db, qint32 reportID, const QueryToSave& query);

// Runs the text as the database reads it, to learn whether it is valid; a
// DbError says why not. On Oracle apostrophes become double quotes first,
// and the text is upper-cased (the form the check always took).
QString CheckedQueryText(const QString& text, bool oracle);
void CheckQuery(db::Connection& db, const QString& text);

// ---------------------------------------------------------------- procedures

// "نحوه فراخواني" (how to call) before the procedure's signature.
QString ProcedureCallHelp(const QString& procedure, const QList<repository::ProcedureParameterInfo>& parameters);

// ---------------------------------------------------------------- parameters

struct ReportParameterName {
    qint32 parameterID = 0;
    QString name;
};
QList<ReportParameterName> ReportParameters(db::Connection& db, qint32 reportID);

struct ConditionParameter {
    qint32 parameterID = 0;
    QString type, majorView, minorView;
    int controlTypeID = 0;
    QString componentName;
};
std::optional<ConditionParameter> LoadConditionParameter(db::Connection& db, qint32 reportID, qint32 parameterID);
void UpdateParameterTypeAndViews(db::Connection& db, qint32 reportID, const ConditionParameter& parameter);

// ---------------------------------------------------------------- dictionary

// One child of a tree node, as the dictionary lists it.
struct DictionaryNode {
    QString key;         // "S"+ID, "T"+table, "T"+table+"#"+column
    QString description; // the Farsi description (for systems, the name)
    QString name;        // the database name
    bool hasChildren = false;
};
inline const QString kRootKey = QStringLiteral("n001");
// The children of the node with this key: the systems under the root, the
// visible described tables of a system, the described columns of a table.
QList<DictionaryNode> DictionaryChildren(db::Connection& db, const QString& key, int currentSystemID);
// The system of a table; none when the table is unknown or has none.
std::optional<int> SystemOfTable(db::Connection& db, const QString& table);
// "table.column" of a column node's key ("Ttable#column").
QString ColumnKeyReference(const QString& key);

struct DictionaryColumnRow {
    bool found = false;
    QString description, type, majorView, minorView;
    bool isPrimaryKey = false;
};
DictionaryColumnRow LoadDictionaryColumn(db::Connection& db, const QString& table, const QString& column);
QString TableDescription(db::Connection& db, const QString& table);

struct Relation {
    QString foreignKey, dependentTable, referenceKey, referenceTable;
};
std::optional<Relation> RelationOfColumn(db::Connection& db, const QString& table, const QString& column);
QList<Relation> RelationsBetween(db::Connection& db, const QString& a, const QString& b);
// The column that names a row of the table; empty when it has none.
QString DisplayColumnOf(db::Connection& db, const QString& table);

// Appends the join conditions of the relations between two model tables to
// EWhere and FWhere: "ref.key = dep.fk " and its Farsi wording from the model.
void AppendJoinConditions(query::QueryClauses& clauses, const query::QueryTableList& model,
                          const QList<Relation>& relations);

// ---------------------------------------------------------------- a column's values

struct ColumnValue {
    QString shown; // the value, or the value and the name it refers to
    QString raw;
};
struct ColumnValueSource {
    QString type;
    QString majorView, minorView; // the selector's views, when known
    QList<ColumnValue> values;    // at most 32000 distinct values, largest first
};
// What the value picker offers for a column; an empty table or column gives
// an empty source. A name that is not a plain identifier is refused with a
// DbError (it would be pasted into the statement).
ColumnValueSource LoadColumnValues(db::Connection& db, const QString& table, const QString& column);

} // namespace kelvo::design
