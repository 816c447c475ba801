#include "repository/AccessByPosition.h"

#include "platform/db/DbError.h"
#include "sql/SqlDialect.h"

namespace kelvo::repository {

namespace {

// Appends each value of the field that is not yet listed.
bool AppendUnlisted(db::Connection& secondary, const QString& sql, const QString& field,
                    QList<ListedPosition>& list)
{
    bool added = false;
    db::Recordset rs = secondary.openRecordset(sql);
    while (!rs.eof()) {
        const QVariant value = rs.value(field);
        if (!value.isNull()) {
            const qint32 position = value.toInt();
            if (!IsListed(list, position)) {
                list.append({position, false});
                added = true;
            }
        }
        rs.moveNext();
    }
    return added;
}

} // namespace

bool IsListed(const QList<ListedPosition>& list, qint32 positionID)
{
    for (const ListedPosition& entry : list)
        if (entry.positionID == positionID)
            return true;
    return false;
}

QList<ListedPosition> CollectPositions(db::Connection& secondary, int formTypeID, qint32 positionID)
{
    QList<ListedPosition> list{{positionID, false}};
    // Entries before this index have had their ancestors read already.
    qsizetype ancestorsFrom = 0;
    qsizetype startCount;
    do {
        startCount = list.size();
        for (qsizetype i = 0; i < startCount; ++i) {
            const QString entry = sql::Number(list[i].positionID);
            if (i >= ancestorsFrom) {
                const bool found = AppendUnlisted(
                    secondary,
                    QStringLiteral("select * from tblPositionChilds where ChildID=") + entry +
                        QStringLiteral(" order by LevelNumber"),
                    QStringLiteral("PositionID"), list);
                if (found)
                    ancestorsFrom = i + 1;
            }
            if (!list[i].sameLevelDone) {
                list[i].sameLevelDone = true;
                AppendUnlisted(secondary,
                               QStringLiteral("select * from tblKelvoSamePermLevelPos where BasePositionID=") + entry +
                                   QStringLiteral(" and FormTypeID=") + sql::Number(formTypeID) +
                                   QStringLiteral(" and  IsActive=1 "),
                               QStringLiteral("RelatedPositionID"), list);
                AppendUnlisted(secondary,
                               QStringLiteral("select * from tblKelvoSamePermLevelPos where RelatedPositionID=") +
                                   entry + QStringLiteral(" and FormTypeID=") + sql::Number(formTypeID) +
                                   QStringLiteral(" and IsActive=1 "),
                               QStringLiteral("BasePositionID"), list);
            }
        }
    } while (list.size() != startCount);
    return list;
}

namespace {

// Grants the form to one position unless it has a row already, then sets its
// edit flag. Throws db::DbError when a step fails.
void GrantToPosition(db::Connection& secondary, const GrantArguments& a, qint32 positionID)
{
    const QString form = sql::Number(a.formID);
    const QString formType = sql::Number(a.formTypeID);
    const QString position = sql::Number(positionID);
    {
        db::Recordset rs = secondary.openRecordset(
            QStringLiteral("select * from  tblKelvoAllowablePositions where FormID=") + form +
            QStringLiteral("  and FormTypeID=") + formType + QStringLiteral(" and SecurePositionID=") + position);
        if (!rs.isEmpty())
            return; // an existing grant keeps its edit flag
    }
    secondary.callProcedure(QStringLiteral("spKelvoFormSecurePosAddNew"),
                            {{QStringLiteral("@FormID"), a.formID},
                             {QStringLiteral("@FormTypeID"), a.formTypeID},
                             {QStringLiteral("@SecurePositionID"), positionID},
                             {QStringLiteral("@SecureUserID"), a.secureUserID},
                             {QStringLiteral("@IsActive"), a.isActive},
                             {QStringLiteral("@ActivatorUserID"), a.activatorUserID},
                             {QStringLiteral("@ActivateDate"), a.activateDate},
                             {QStringLiteral("@PVActivateDate"), a.persianActivateDate},
                             {QStringLiteral("@DeactivatorUserID"), a.deactivatorUserID},
                             {QStringLiteral("@DeactivateDate"), a.deactivateDate},
                             {QStringLiteral("@PVDeactivateDate"), a.persianDeactivateDate}});
    const QString canEdit = positionID == a.positionID ? QStringLiteral("1") : QStringLiteral("0");
    secondary.execute(QStringLiteral("update tblKelvoAllowablePositions set CanEdit=") + canEdit +
                      QStringLiteral(" where FormID=") + form + QStringLiteral(" and FormTypeID=") + formType +
                      QStringLiteral(" and SecurePositionID=") + position);
}

} // namespace

std::optional<db::DbError> GrantToPositions(db::Connection& secondary, const GrantArguments& a)
{
    QList<ListedPosition> positions;
    try {
        positions = CollectPositions(secondary, a.formTypeID, a.positionID);
    } catch (const db::DbError&) {
        // The grant still reaches the saver's own position.
        positions = {{a.positionID, false}};
    }

    std::optional<db::DbError> ownFailure;
    for (const ListedPosition& listed : positions) {
        try {
            GrantToPosition(secondary, a, listed.positionID);
        } catch (const db::DbError& e) {
            // Another position's grant may fail without stopping the rest;
            // the saver's own is the one that makes the report visible.
            if (listed.positionID == a.positionID)
                ownFailure = e;
        }
    }
    return ownFailure;
}

} // namespace kelvo::repository
