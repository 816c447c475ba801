#include "management/ReportDefinitions.h"

#include "front/Messages.h"
#include "front/Prompter.h"
#include "management/ReportStatements.h"
#include "platform/db/DbError.h"
#include "repository/AccessByPosition.h"
#include "sql/SqlDialect.h"
#include "text/TextPrimitives.h"

namespace kelvo::management {

namespace {

constexpr int kTitleLength = 100;

// The identifier of the row the insert made: from the insert itself, else
// (a server whose driver cannot return it) read back by its title inside the
// same transaction.
qint32 NewReportId(db::Connection& db, const sql::Dialect& dialect, const db::ExecResult& inserted,
                   const QString& title)
{
    if (!inserted.lastInsertId.isNull())
        return inserted.lastInsertId.toInt();
    db::Recordset rs = db.openRecordset(statements::ReportIdOfTitle(dialect, title));
    if (rs.eof())
        throw db::DbError(QStringLiteral("The new report's row cannot be found by its title."));
    return rs.value(QStringLiteral("ID")).toInt();
}

// The steps that copy the source's presentation. Each runs under its own
// savepoint: a failing step is undone alone and the next one runs; a failure
// that ends the transaction itself fails the save whole.
void CopyLayout(db::Connection& db, qint32 sourceID, qint32 newID)
{
    for (const QString& statement : statements::CopyLayout(sourceID, newID)) {
        try {
            (void)db.runUnderSavepoint([&] { db.execute(statement); });
        } catch (const db::TransactionLostError& lost) {
            throw db::DbError(QList<db::ProviderError>{{kCopyLostMessage, 0, {}, {}}} + lost.errors(),
                              lost.statement());
        }
    }
}

} // namespace

bool HasPermission(front::Session& session, int permissionNumber)
{
    const db::ProcedureResult result = session.DtEn.callProcedure(
        QStringLiteral("spKelvoHasPermission"),
        {{QStringLiteral("@UserID"), int(session.context.CurrentUserID)},
         {QStringLiteral("@FormPermissionID"), permissionNumber}});
    return result.returnValue.toLongLong() != 0;
}

SaveResult SaveReport(front::Session& session, front::Prompter& prompter, ManagerMode mode, qint32 reportID,
                      qint32 sourceReportID, const ReportHeader& header)
{
    const bool inserting = mode == ManagerMode::Insert || mode == ManagerMode::InsertFrom;
    const bool copying = mode == ManagerMode::InsertFrom;
    if (inserting)
        reportID = -1;

    SaveResult result;
    result.title = text::TrimBlanks(header.title).left(kTitleLength);
    result.reportID = reportID;

    db::Connection& db = session.DtEn;
    const sql::Dialect dialect = sql::Dialect::Of(db);
    if (!db.openRecordset(statements::SameTitle(dialect, result.title, reportID)).isEmpty()) {
        prompter.ShowMessage(front::kErrorTitle, kDuplicateTitleMessage);
        result.outcome = SaveOutcome::DuplicateTitle;
        return result;
    }

    // The question comes before any write, so the catalogue is never locked
    // while the user thinks.
    const bool copyLayout = copying && prompter.Confirm(kCopyLayoutTitle, kCopyLayoutQuestion);

    db::Transaction transaction(db);
    if (inserting) {
        const db::ExecResult inserted = db.execute(statements::InsertReport(dialect, result.title, header));
        reportID = NewReportId(db, dialect, inserted, result.title);
    }

    db.execute(statements::UpdateHeader(dialect, result.title, header, reportID));

    if (copying) {
        for (const QString& statement : statements::CopyQuery(sourceReportID, reportID))
            db.execute(statement);
        if (copyLayout)
            CopyLayout(db, sourceReportID, reportID);
    }
    transaction.commit();
    result.reportID = reportID;

    repository::GrantArguments grant;
    grant.formID = reportID;
    grant.formTypeID = repository::kReportFormType;
    grant.positionID = session.context.CurrentPositionID;
    grant.secureUserID = session.context.CurrentUserID;
    grant.isActive = 1;
    grant.activatorUserID = session.context.CurrentUserID;
    grant.activateDate = header.createDate;
    grant.persianActivateDate = header.farsiCreateDate;
    grant.deactivatorUserID = -1;
    grant.deactivateDate = QDate(1900, 1, 1);
    grant.persianDeactivateDate = QString();
    if (const std::optional<db::DbError> failure = repository::GrantToPositions(session.DtEnSec, grant))
        prompter.DisplayError(*failure, kOwnGrantFailedMessage);
    return result;
}

DeleteOutcome DeleteReport(front::Session& session, front::Prompter& prompter, qint32 reportID, bool isGeneral)
{
    if (!HasPermission(session, PermissionDelete)) {
        prompter.ShowMessage(front::kErrorTitle, kNotPermittedMessage);
        return DeleteOutcome::NotPermitted;
    }
    if (!prompter.Confirm(kDeleteTitle, kSureQuestion))
        return DeleteOutcome::Declined;
    if (isGeneral && !prompter.Confirm(kDeleteTitle, kDeleteGeneralQuestion))
        return DeleteOutcome::Declined;
    if (!session.DtEn.openRecordset(statements::CallersOf(reportID)).isEmpty() &&
        !prompter.Confirm(kDeleteTitle, kDeleteCalledQuestion))
        return DeleteOutcome::Declined;

    try {
        db::Transaction transaction(session.DtEn);
        for (const QString& statement : statements::DeleteReport(reportID))
            session.DtEn.execute(statement);
        transaction.commit();
    } catch (const db::DbError& e) {
        // The transaction guard has rolled everything back. Only a refused
        // constraint means that something depends on the report; any other
        // failure is shown with the database's own message.
        if (e.isConstraintViolation())
            prompter.ShowMessage(front::kErrorTitle, kDependentMessage);
        else
            prompter.DisplayError(e, kDeleteFailedMessage);
        return DeleteOutcome::Failed;
    }
    return DeleteOutcome::Deleted;
}

} // namespace kelvo::management
