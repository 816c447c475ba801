#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace kelvo::db {
class Connection;
}

// The reports a report calls (drill-down) and where each parameter of the
// called report takes its value, as the link dialog reads and writes them.
namespace kelvo::parameters {

struct NumberedParameter {
    qint32 parameterID = 0;
    QString name;
};
// The report's parameters by number.
QList<NumberedParameter> ParametersByNumber(db::Connection& db, qint32 reportID);

// Where one parameter of the called report takes its value: a column of the
// caller's result (by heading) or a parameter of the caller.
struct LinkMapping {
    qint32 calledParameterID = -1; // -1: no source chosen yet
    QString callerReportColumn;    // empty: not fed by a column
    qint32 callerParameterID = -1; // -1: not fed by a parameter

    bool hasSource() const { return !callerReportColumn.isEmpty() || callerParameterID != -1; }
    void clearSource()
    {
        callerReportColumn.clear();
        callerParameterID = -1;
    }
};

// The report the caller's first link names; none without links.
std::optional<qint32> LinkedReport(db::Connection& db, qint32 callerID);
// One entry per parameter of the called report, in its order, each with the
// source the caller's stored links give it.
QList<LinkMapping> LoadLinkMapping(db::Connection& db, qint32 callerID, qint32 calledID,
                                   const QList<NumberedParameter>& calledParameters);
// Replaces the caller's links (not the secondary ones) by the entries with a
// source, in one transaction; with no called report, only deletes.
void SaveLinks(db::Connection& db, qint32 callerID, std::optional<qint32> calledID,
               const QList<LinkMapping>& mapping);
// Deletes every link of the caller, the secondary ones too.
void DeleteLinks(db::Connection& db, qint32 callerID);

} // namespace kelvo::parameters
