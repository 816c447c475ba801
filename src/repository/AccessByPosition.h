#pragma once

#include "platform/db/Connection.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace kelvo::repository {

// Reports are form type 2302 in the host's model of forms.
inline constexpr int kReportFormType = 2302;

struct ListedPosition {
    qint32 positionID = 0;
    bool sameLevelDone = false;
};

// The closure of a position under ancestor-of and active same-level links of
// the form type (followed both ways), in the order found, without repeats.
QList<ListedPosition> CollectPositions(db::Connection& secondary, int formTypeID, qint32 positionID);

bool IsListed(const QList<ListedPosition>& list, qint32 positionID);

struct GrantArguments {
    qint32 formID = 0;
    int formTypeID = kReportFormType;
    qint32 positionID = 0;
    qint32 secureUserID = 0;
    int isActive = 1;
    qint32 activatorUserID = 0;
    QDate activateDate;
    QString persianActivateDate;
    qint32 deactivatorUserID = -1;
    QDate deactivateDate = QDate(1900, 1, 1);
    QString persianDeactivateDate;
};

// Grants the form to the position and every collected one that has no row
// yet (CanEdit 1 for the saver's position, 0 for the others). A failed grant
// never stops the others: failures of the other positions' grants are
// ignored, and the failure of the saver's own position's grant is returned.
std::optional<db::DbError> GrantToPositions(db::Connection& secondary, const GrantArguments& arguments);

} // namespace kelvo::repository
