#include "parameters/ReportLinks.h"

#include "parameters/ParameterStatements.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "sql/SqlDialect.h"

namespace kelvo::parameters {

QList<NumberedParameter> ParametersByNumber(db::Connection& db, qint32 reportID)
{
    QList<NumberedParameter> parameters;
    for (db::Recordset rs = db.openRecordset(statements::ParametersByNumber(), {reportID}, db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext())
        parameters.append({rs.value(QStringLiteral("ParameterID")).toInt(), rs.text(QStringLiteral("Name"))});
    return parameters;
}

std::optional<qint32> LinkedReport(db::Connection& db, qint32 callerID)
{
    db::Recordset rs = db.openRecordset(statements::LinksOfCaller(), {callerID}, db::CursorType::ForwardOnly);
    if (rs.eof())
        return std::nullopt;
    return rs.value(QStringLiteral("CalledReportID")).toInt();
}

QList<LinkMapping> LoadLinkMapping(db::Connection& db, qint32 callerID, qint32 calledID,
                                   const QList<NumberedParameter>& calledParameters)
{
    QList<LinkMapping> mapping(calledParameters.size());
    for (db::Recordset rs = db.openRecordset(statements::LinksBetween(), {callerID, calledID},
                                             db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext()) {
        const qint32 fed = rs.value(QStringLiteral("CalledParameterID")).toInt();
        for (qsizetype i = 0; i < calledParameters.size(); ++i) {
            if (calledParameters[i].parameterID != fed)
                continue;
            LinkMapping& entry = mapping[i];
            entry.calledParameterID = fed;
            entry.callerReportColumn = rs.text(QStringLiteral("CallerReportColumn"));
            const QVariant parameter = rs.value(QStringLiteral("CallerParameterID"));
            entry.callerParameterID =
                parameter.isNull() || parameter.toString().trimmed().isEmpty() ? -1 : parameter.toInt();
            break;
        }
    }
    return mapping;
}

void SaveLinks(db::Connection& db, qint32 callerID, std::optional<qint32> calledID, const QList<LinkMapping>& mapping)
{
    db::Transaction transaction(db);
    db.execute(statements::DeletePrimaryLinks(sql::Dialect::Of(db)), {callerID});
    if (calledID) {
        for (const LinkMapping& entry : mapping) {
            if (!entry.hasSource() || entry.calledParameterID == -1)
                continue;
            db.execute(statements::InsertLink(),
                       {callerID, *calledID, entry.calledParameterID,
                        entry.callerReportColumn.isEmpty() ? QVariant() : QVariant(entry.callerReportColumn),
                        entry.callerParameterID == -1 ? QVariant() : QVariant(entry.callerParameterID)});
        }
    }
    transaction.commit();
}

void DeleteLinks(db::Connection& db, qint32 callerID)
{
    db.execute(statements::DeleteAllLinks(), {callerID});
}

} // namespace kelvo::parameters
