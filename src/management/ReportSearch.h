#pragma once

#include <QString>
#include <optional>

#include <QList>

namespace kelvo::db {
class Connection;
}
namespace kelvo::sql {
class Dialect;
}

namespace kelvo::management {

// The filters of the report search window; texts are taken trimmed and a
// filter applies when it holds something.
struct SearchFilters {
    QString notes;
    QString title;
    QString alias;
    std::optional<qint32> systemID;
    std::optional<qint32> formTypeID;
    QString fromDate; // Persian yyyy/mm/dd, empty when not set
    QString toDate;
    bool tempList = false;   // chkTempList
    bool formSearch = false; // chkFormSearch
    std::optional<qint32> creatorID;
    bool isGeneral = true;   // chkIsGeneral
    bool isPrivate = true;   // chkIsPrivate
    bool makeTree = true;    // chkMakeTree
    bool isNotTree = true;   // chkIsNotTree
};

// The search statement: the fixed statement of the database kind followed by
// one condition per filter in use, every text written by the dialect.
QString BuildSearchStatement(const SearchFilters& filters, const sql::Dialect& dialect);

// One report the search found, as the result list shows it.
struct FoundReport {
    qint32 id = 0;
    QString title;
    QString system;
    QString group; // Oracle only; empty on SQL Server
    QString notes;
};

// The reports that pass the filters, in the order the statement gives them.
// Throws db::DbError when the search fails.
QList<FoundReport> SearchReports(db::Connection& db, const SearchFilters& filters);

} // namespace kelvo::management
