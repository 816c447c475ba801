#pragma once

#include <QString>
#include <optional>

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

} // namespace kelvo::management
