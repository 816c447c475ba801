#include "presentation/RowActions.h"

#include "platform/db/Connection.h"
#include "presentation/Messages.h"

namespace kelvo::presentation {

namespace {

// The text of a value as the user sees it, and as a constant's text.
QString TextOf(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

} // namespace

QList<CalledReport> CalledReports(const ReportDefinition& caller)
{
    QList<CalledReport> called;
    for (const ReportLink& link : caller.links) {
        const bool listed = std::any_of(called.begin(), called.end(),
                                        [&](const CalledReport& c) { return c.id == link.calledReportID; });
        if (!listed)
            called.append({link.calledReportID, link.calledTitle});
    }
    return called;
}

ParameterValues LinkFeeds(const ReportDefinition& caller, const CalledReport& called, const QStringList& headings,
                          const QVariantList& row, const ParameterValues& callerValues)
{
    ParameterValues fed;
    for (const ReportLink& link : caller.links) {
        if (link.calledReportID != called.id)
            continue;
        if (link.callerParameterID) {
            fed.insert(link.calledParameterID, callerValues.value(*link.callerParameterID));
            continue;
        }
        const qsizetype column = headings.indexOf(link.callerReportColumn);
        if (column < 0 || column >= row.size())
            throw RunError(kMissingHeadingMessage.arg(link.callerReportColumn, called.title));
        fed.insert(link.calledParameterID, {row[column]});
    }
    return fed;
}

std::vector<db::ProcedureParameter> ButtonCall(const ActionButton& button, const QStringList& headings,
                                               const QVariantList& row,
                                               const QList<repository::ProcedureParameterInfo>& declared)
{
    if (declared.size() != button.arguments.size())
        throw RunError(kArgumentCountMessage.arg(button.procedure)
                           .arg(declared.size())
                           .arg(button.caption)
                           .arg(button.arguments.size()));
    std::vector<db::ProcedureParameter> call;
    for (qsizetype i = 0; i < declared.size(); ++i) {
        const ButtonArgument& argument = button.arguments[i];
        const qsizetype column = headings.indexOf(argument.parName);
        const QString text = column >= 0 && column < row.size() ? TextOf(row[column]) : argument.parName;
        const QString type = argument.type.trimmed().isEmpty() ? declared[i].type : argument.type;
        call.push_back({declared[i].name, ValueOfType(type, text, declared[i].name),
                        declared[i].isOutput ? db::ParameterDirection::InputOutput : db::ParameterDirection::Input});
    }
    return call;
}

db::ProcedureResult PressButton(db::Connection& db, const ActionButton& button, const QStringList& headings,
                                const QVariantList& row)
{
    const QList<repository::ProcedureParameterInfo> declared = repository::ProcedureParameters(db, button.procedure);
    if (declared.isEmpty() && !repository::ProcedureExists(db, button.procedure))
        throw RunError(kNoProcedureMessage.arg(button.procedure));
    return db.callProcedure(button.procedure, ButtonCall(button, headings, row, declared));
}

QString ButtonOutcome(const ActionButton& button, const db::ProcedureResult& result)
{
    QStringList lines{kButtonDoneMessage.arg(button.procedure)};
    for (const db::ProcedureParameter& p : result.parameters)
        if (p.direction != db::ParameterDirection::Input)
            lines << p.name + QStringLiteral(" = ") + TextOf(p.value);
    if (!result.returnValue.isNull())
        lines << kReturnValueLine.arg(TextOf(result.returnValue));
    return lines.join(u'\n');
}

} // namespace kelvo::presentation
