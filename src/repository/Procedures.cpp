#include "repository/Procedures.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "sql/SqlDialect.h"

#include <QStringList>

namespace kelvo::repository {

QString statements::ProcedureExists()
{
    return QStringLiteral("Select ID from sysobjects where name like ?") + sql::Dialect::likeEscape();
}

QString statements::ProcedureParameters()
{
    return QStringLiteral(
               "Select syscolumns.name, systypes.name as type, syscolumns.length, syscolumns.isOutParam "
               "from sysobjects inner join syscolumns on syscolumns.id = sysobjects.id "
               "inner join systypes on syscolumns.xtype = systypes.xtype where sysobjects.name like ?") +
           sql::Dialect::likeEscape() + QStringLiteral(" Order by ColOrder");
}

bool ProcedureExists(db::Connection& db, const QString& name)
{
    const sql::Dialect dialect = sql::Dialect::Of(db);
    return !db.openRecordset(statements::ProcedureExists(), {dialect.likeLiteral(name)}).eof();
}

QList<ProcedureParameterInfo> ProcedureParameters(db::Connection& db, const QString& name)
{
    const sql::Dialect dialect = sql::Dialect::Of(db);
    QList<ProcedureParameterInfo> parameters;
    db::Recordset rs = db.openRecordset(statements::ProcedureParameters(), {dialect.likeLiteral(name)},
                                        db::CursorType::ForwardOnly);
    while (!rs.eof()) {
        parameters.append({rs.text(QStringLiteral("name")), rs.text(QStringLiteral("type")),
                           rs.value(QStringLiteral("length")).toInt(),
                           rs.value(QStringLiteral("isOutParam")).toInt() != 0});
        rs.moveNext();
    }
    return parameters;
}

QString ProcedureSignature(const QString& procedure, const QList<ProcedureParameterInfo>& parameters)
{
    QStringList items;
    for (const ProcedureParameterInfo& p : parameters)
        items << p.name + u' ' + p.type + (p.isOutput ? QStringLiteral(" OUTPUT") : QString());
    return procedure + u' ' + items.join(QStringLiteral(", "));
}

} // namespace kelvo::repository
