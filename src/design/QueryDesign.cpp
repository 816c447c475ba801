#include "design/QueryDesign.h"

#include "design/DesignStatements.h"
#include "design/Messages.h"
#include "platform/db/Connection.h"
#include "query/Vocabulary.h"
#include "sql/SqlDialect.h"
#include "text/TextPrimitives.h"

#include <QRegularExpression>

namespace kelvo::design {

namespace {

QVariant TextOrNull(const QString& text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

QString Field(const db::Recordset& rs, const QString& name)
{
    return rs.hasField(name) ? rs.text(name) : QString();
}

// A name the dictionary gives that a statement must name: letters, digits
// and "_#@$", optionally qualified by dots. Anything else could change the
// statement, so it is refused.
void RequirePlainName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_#@][A-Za-z0-9_#@$]*(\\.[A-Za-z_#@][A-Za-z0-9_#@$]*)*$"));
    if (!plain.match(name).hasMatch())
        throw db::DbError(kUnsafeNameMessage.arg(name));
}

} // namespace

// ---------------------------------------------------------------- the stored query

StoredQuery LoadStoredQuery(db::Connection& db, qint32 reportID)
{
    StoredQuery q;
    db::Recordset rs = db.openRecordset(statements::ReportRow(), {reportID});
    if (rs.eof())
        return q;
    q.found = true;
    q.sqlsp = rs.text(QStringLiteral("SQLSP"));
    q.farsiSqlsp = rs.text(QStringLiteral("FarsiSQLSP"));
    if (!rs.isNull(QStringLiteral("SQLQuery")))
        q.english = rs.text(QStringLiteral("SQLQuery")) + Field(rs, QStringLiteral("Reserved"));
    q.farsi = rs.text(QStringLiteral("FarsiSQLQuery"));
    return q;
}

QueryParts SplitStoredQuery(const QString& english)
{
    return {english.left(kQueryPartLength), english.mid(kQueryPartLength)};
}

void SaveStoredQuery(db::Connection& db, qint32 reportID, const QueryToSave& query)
{
    const QueryParts parts = SplitStoredQuery(query.english);
    db::Transaction transaction(db);
    db.execute(statements::UpdateSqlQuery(), {TextOrNull(parts.first), reportID});
    db.execute(statements::UpdateFarsiSqlQuery(), {TextOrNull(query.farsi), reportID});
    db.execute(statements::UpdateReserved(), {TextOrNull(parts.rest), reportID});
    db.execute(statements::UpdateIsStoredProcedure(), {query.sqlsp.isEmpty() ? 0 : 1, reportID});
    db.execute(statements::UpdateProcedureCall(), {TextOrNull(query.sqlsp), TextOrNull(query.farsiSqlsp), reportID});
    transaction.commit();
}

QString CheckedQueryText(const QString& text, bool oracle)
{
    QString checked = text;
    if (oracle)
        checked.replace(u'\'', u'"');
    return checked.toUpper();
}

void CheckQuery(db::Connection& db, const QString& text)
{
    db.openRecordset(CheckedQueryText(text, db.isOracle()), {}, db::CursorType::ForwardOnly);
}

// ---------------------------------------------------------------- procedures

QString ProcedureCallHelp(const QString& procedure, const QList<repository::ProcedureParameterInfo>& parameters)
{
    return kHowToCallCaption + QStringLiteral(": ") + repository::ProcedureSignature(procedure, parameters);
}

// ---------------------------------------------------------------- parameters

QList<ReportParameterName> ReportParameters(db::Connection& db, qint32 reportID)
{
    QList<ReportParameterName> parameters;
    db::Recordset rs = db.openRecordset(statements::ReportParameters(), {reportID}, db::CursorType::ForwardOnly);
    while (!rs.eof()) {
        parameters.append({rs.value(QStringLiteral("ParameterID")).toInt(), rs.text(QStringLiteral("Name"))});
        rs.moveNext();
    }
    return parameters;
}

std::optional<ConditionParameter> LoadConditionParameter(db::Connection& db, qint32 reportID, qint32 parameterID)
{
    db::Recordset rs = db.openRecordset(statements::ParameterWithControl(), {parameterID, reportID});
    if (rs.eof())
        return std::nullopt;
    return ConditionParameter{parameterID,
                              rs.text(QStringLiteral("Type")),
                              rs.text(QStringLiteral("MajorView")),
                              rs.text(QStringLiteral("MinorView")),
                              rs.value(QStringLiteral("ControlTypeID")).toInt(),
                              rs.text(QStringLiteral("componentName"))};
}

void UpdateParameterTypeAndViews(db::Connection& db, qint32 reportID, const ConditionParameter& p)
{
    db.execute(statements::UpdateParameterTypeAndViews(),
               {TextOrNull(p.type), TextOrNull(p.majorView), TextOrNull(p.minorView), p.parameterID, reportID});
}

// ---------------------------------------------------------------- dictionary

QList<DictionaryNode> DictionaryChildren(db::Connection& db, const QString& key, int currentSystemID)
{
    const sql::Dialect dialect = sql::Dialect::Of(db);
    QList<DictionaryNode> nodes;
    if (key.startsWith(u'S')) {
        db::Recordset rs = db.openRecordset(statements::SystemTables(dialect), {key.mid(1).toInt()},
                                            db::CursorType::ForwardOnly);
        while (!rs.eof()) {
            const QString name = rs.text(QStringLiteral("Name"));
            nodes.append({u'T' + name, rs.text(QStringLiteral("Description")), name,
                          rs.value(QStringLiteral("HasChildren")).toInt() != 0});
            rs.moveNext();
        }
    } else if (key.startsWith(u'T')) {
        const QString table = key.mid(1);
        db::Recordset rs = db.openRecordset(statements::TableColumns(dialect), {table}, db::CursorType::ForwardOnly);
        while (!rs.eof()) {
            const QString name = rs.text(QStringLiteral("Name"));
            nodes.append({u'T' + table + u'#' + name, rs.text(QStringLiteral("Description")), name, false});
            rs.moveNext();
        }
    } else {
        db::Recordset rs =
            db.openRecordset(statements::RootSystems(dialect, currentSystemID), {}, db::CursorType::ForwardOnly);
        while (!rs.eof()) {
            const QString id = rs.text(QStringLiteral("ID"));
            nodes.append({u'S' + id, rs.text(QStringLiteral("Description")), rs.text(QStringLiteral("Name")), false});
            rs.moveNext();
        }
        // Whether a system has visible tables (described or not: a system
        // whose tables all lack a description still shows its expand sign).
        for (DictionaryNode& node : nodes) {
            node.hasChildren = !db.openRecordset(statements::SystemHasTables(), {node.key.mid(1).toInt()},
                                                 db::CursorType::ForwardOnly)
                                    .eof();
        }
    }
    return nodes;
}

std::optional<int> SystemOfTable(db::Connection& db, const QString& table)
{
    const sql::Dialect dialect = sql::Dialect::Of(db);
    db::Recordset rs = db.openRecordset(statements::SystemOfTable(), {dialect.likeLiteral(table)});
    const int id = rs.eof() ? -1 : query::ValOrMinusOne(rs.text(QStringLiteral("SystemID")));
    return id == -1 ? std::nullopt : std::optional<int>(id);
}

QString ColumnKeyReference(const QString& key)
{
    return QString(key).replace(u'#', u'.').mid(key.startsWith(u'T') ? 1 : 0);
}

DictionaryColumnRow LoadDictionaryColumn(db::Connection& db, const QString& table, const QString& column)
{
    const sql::Dialect dialect = sql::Dialect::Of(db);
    DictionaryColumnRow row;
    db::Recordset rs =
        db.openRecordset(statements::DictionaryColumn(), {dialect.likeLiteral(table), dialect.likeLiteral(column)});
    if (rs.eof())
        return row;
    row.found = true;
    row.description = rs.text(QStringLiteral("Description"));
    row.type = rs.text(QStringLiteral("Type"));
    row.majorView = rs.text(QStringLiteral("MajorView"));
    row.minorView = rs.text(QStringLiteral("MinorView"));
    row.isPrimaryKey = rs.value(QStringLiteral("IsPrimaryKey")).toInt() != 0;
    return row;
}

QString TableDescription(db::Connection& db, const QString& table)
{
    const sql::Dialect dialect = sql::Dialect::Of(db);
    db::Recordset rs = db.openRecordset(statements::TableDescription(), {dialect.likeLiteral(table)});
    return rs.eof() ? QString() : rs.text(QStringLiteral("Description"));
}

namespace {

Relation ReadRelation(const db::Recordset& rs)
{
    return {rs.text(QStringLiteral("ForeignKey")), rs.text(QStringLiteral("DependentTable")),
            rs.text(QStringLiteral("ReferenceKey")), rs.text(QStringLiteral("ReferenceTable"))};
}

} // namespace

std::optional<Relation> RelationOfColumn(db::Connection& db, const QString& table, const QString& column)
{
    const sql::Dialect dialect = sql::Dialect::Of(db);
    db::Recordset rs =
        db.openRecordset(statements::RelationOfColumn(), {dialect.likeLiteral(column), dialect.likeLiteral(table)});
    if (rs.eof())
        return std::nullopt;
    return ReadRelation(rs);
}

QList<Relation> RelationsBetween(db::Connection& db, const QString& a, const QString& b)
{
    QList<Relation> relations;
    db::Recordset rs = db.openRecordset(statements::RelationsBetween(), {a, b, b, a}, db::CursorType::ForwardOnly);
    while (!rs.eof()) {
        relations.append(ReadRelation(rs));
        rs.moveNext();
    }
    return relations;
}

QString DisplayColumnOf(db::Connection& db, const QString& table)
{
    const db::ProcedureResult result = db.callProcedure(
        QStringLiteral("spKelvoGetTableAlternativeName"),
        {{QStringLiteral("@Table"), table},
         {QStringLiteral("@NameAlt"), {}, db::ParameterDirection::Output},
         {QStringLiteral("@DifferentNameAlt"), {}, db::ParameterDirection::Output},
         {QStringLiteral("@DoCombine"), {}, db::ParameterDirection::Output}});
    return text::TrimBlanks(result.parameter(QStringLiteral("@NameAlt")).toString());
}

void AppendJoinConditions(query::QueryClauses& clauses, const query::QueryTableList& model,
                          const QList<Relation>& relations)
{
    const auto farsiReference = [&model](const QString& table, const QString& column) -> QString {
        for (const query::QueryTable& t : model.tables) {
            if (t.Name.compare(table, Qt::CaseInsensitive) != 0)
                continue;
            for (const query::QueryColumn& c : t.Columns) {
                if (c.Name.compare(column, Qt::CaseInsensitive) == 0)
                    return t.Description + u'_' + c.Description;
            }
            return t.Description + u'_';
        }
        return table + u'_' + column;
    };
    for (const Relation& r : relations) {
        if (!clauses.EWhere.isEmpty())
            clauses.EWhere += QStringLiteral(" and ");
        clauses.EWhere += r.referenceTable + u'.' + r.referenceKey + QStringLiteral(" = ") + r.dependentTable + u'.' +
                          r.foreignKey + u' ';
        if (!clauses.FWhere.isEmpty())
            clauses.FWhere += QStringLiteral(" و ");
        clauses.FWhere += farsiReference(r.referenceTable, r.referenceKey) + QStringLiteral(" = ") +
                          farsiReference(r.dependentTable, r.foreignKey) + u' ';
    }
}

// ---------------------------------------------------------------- a column's values

ColumnValueSource LoadColumnValues(db::Connection& db, const QString& table, const QString& column)
{
    ColumnValueSource source;
    if (table.isEmpty() || column.isEmpty())
        return source;
    const DictionaryColumnRow row = LoadDictionaryColumn(db, table, column);
    source.type = row.type;
    source.majorView = row.majorView;
    source.minorView = row.minorView;

    QString referredTable, referredKey;
    if (const std::optional<Relation> relation = RelationOfColumn(db, table, column)) {
        referredTable = relation->referenceTable;
        referredKey = relation->referenceKey;
    } else if (row.isPrimaryKey) {
        referredTable = table;
        referredKey = column;
    }
    QString nameColumn;
    if (!referredTable.isEmpty() && referredKey.toUpper() == QLatin1String("ID")) {
        nameColumn = DisplayColumnOf(db, referredTable);
        if (nameColumn.isEmpty() && source.majorView.isEmpty()) {
            const db::ProcedureResult views = db.callProcedure(
                QStringLiteral("spKelvoGetMajorMinorViews"),
                {{QStringLiteral("@ReferenceTable"), referredTable},
                 {QStringLiteral("@MajorView"), {}, db::ParameterDirection::Output},
                 {QStringLiteral("@MinorView"), {}, db::ParameterDirection::Output}});
            source.majorView = text::TrimBlanks(views.parameter(QStringLiteral("@MajorView")).toString());
            source.minorView = text::TrimBlanks(views.parameter(QStringLiteral("@MinorView")).toString());
        }
    }

    RequirePlainName(table);
    RequirePlainName(column);
    const sql::Dialect dialect = sql::Dialect::Of(db);
    const bool named = !nameColumn.isEmpty();
    if (named) {
        RequirePlainName(referredTable);
        RequirePlainName(nameColumn);
    }
    const QString statement = named ? statements::DistinctValuesWithNames(dialect, table, column, referredTable,
                                                                           nameColumn)
                                    : statements::DistinctValues(dialect, table, column);
    const bool bit = source.type.compare(QLatin1String("bit"), Qt::CaseInsensitive) == 0;
    db::Recordset rs = db.openRecordset(statement, {}, db::CursorType::ForwardOnly);
    while (!rs.eof()) {
        const QVariant value = rs.value(QStringLiteral("ColVal"));
        const QString raw = value.toString();
        QString shown = bit ? (value.toInt() != 0 ? kTrueText : kFalseText) : raw;
        if (named)
            shown += QChar(0x200C) + QStringLiteral(" -- ") + rs.text(QStringLiteral("ColDesc"));
        source.values.append({shown, raw});
        rs.moveNext();
    }
    return source;
}

} // namespace kelvo::design
