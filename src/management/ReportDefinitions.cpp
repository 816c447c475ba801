#include "management/ReportDefinitions.h"

#include "front/Prompter.h"
#include "platform/db/DbError.h"
#include "query/TextPrimitives.h"
#include "query/Vocabulary.h"
#include "repository/AccessByPosition.h"

namespace kelvo::management {

namespace {

const QString kError = QStringLiteral("خطا");
constexpr int kTitleLength = 100;

QString Num(qint64 n)
{
    return QString::number(n);
}

QString Quoted(const QString& text)
{
    return u'\'' + query::QuoteEscape(text) + u'\'';
}

// A trimmed text in apostrophes, or NULL when nothing is left.
QString QuotedOrNull(const QString& text)
{
    const QString trimmed = query::text::TrimBlanks(text);
    return trimmed.isEmpty() ? QStringLiteral("NULL") : Quoted(trimmed);
}

QString IdOrNull(const std::optional<qint32>& id)
{
    return id ? Num(*id) : QStringLiteral("NULL");
}

QString Flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// Copies one column of the source row onto the new row.
QString CopyColumn(const QString& column, const QString& source, const QString& target)
{
    return QStringLiteral("Update tblKelvoReport set ") + column + QStringLiteral("=(Select ") + column +
           QStringLiteral(" From tblKelvoReport Where ID=") + source + QStringLiteral(" ) Where ID=") + target;
}

// The query texts of the source definition (always copied with a copy).
QStringList QueryCopyStatements(const QString& s, const QString& n)
{
    return {
        QStringLiteral("Update tblKelvoReport set SQLQuery=(Select SQLQuery From tblKelvoReport Where ID=") + s +
            QStringLiteral(" ) ,FarsiSQLQuery=(Select FarsiSQLQuery From tblKelvoReport Where ID=") + s +
            QStringLiteral(" ), Reserved=(Select Reserved From tblKelvoReport Where ID=") + s +
            QStringLiteral(" ) Where ID=") + n,
        QStringLiteral("Update tblKelvoReport set SQLSP=(Select SQLSP From tblKelvoReport Where ID=") + s +
            QStringLiteral(" ) ,FarsiSQLSP=(Select FarsiSQLSP From tblKelvoReport Where ID=") + s +
            QStringLiteral(" )  Where ID=") + n,
        QStringLiteral("Update tblKelvoReport set IsStoredProcedure=(Select IsStoredProcedure From tblKelvoReport "
                       "Where ID=") +
            s + QStringLiteral(" )  Where ID=") + n,
    };
}

// The presentation of the source definition, copied when the user asks for it.
QStringList LayoutCopyStatements(const QString& s, const QString& n)
{
    QStringList statements{
        CopyColumn(QStringLiteral("MakeTranspose"), s, n),
        QStringLiteral("Insert Into tblKelvoReportAliases(ReportID,ColFormula,ColAlias) (Select ") + n +
            QStringLiteral(",ColFormula,ColAlias From tblKelvoReportAliases Where ReportID=") + s + u')',
        QStringLiteral("Insert Into tblKelvoReportLayout(ReportID,ColumnNumber,Alignment,Width,MergeType,"
                       "TransposeType,MakeSum) (Select ") +
            n +
            QStringLiteral(",ColumnNumber,Alignment,Width,MergeType,TransposeType,MakeSum From tblKelvoReportLayout "
                           "Where ReportID=") +
            s + u')',
        QStringLiteral("Insert Into tblKelvoReportTranspose(ReportID,ColumnNumber,Alignment,Width,MergeType) "
                       "(Select ") +
            n +
            QStringLiteral(",ColumnNumber,Alignment,Width,MergeType From tblKelvoReportTranspose Where ReportID=") + s +
            u')',
    };
    for (const char* column : {"Cols", "ColWidth", "RowHeight", "ColoryReportColumn", "ColoringType"})
        statements << CopyColumn(QString::fromLatin1(column), s, n);
    statements << QStringLiteral("Insert Into tblKelvoReportColor(ReportID, Value, ForeColor, BackColor) (Select ") +
                      n + QStringLiteral(",Value, ForeColor, BackColor From tblKelvoReportColor Where ReportID=") + s +
                      u')'
               << QStringLiteral("Insert Into tblKelvoReportParameter(ReportID, ParameterID, Name,Type,ControlTypeID,"
                                 "MajorView,MinorView,ColSpan,RowSpan,Sequence,Description) (Select ") +
                      n +
                      QStringLiteral(",ParameterID, Name,Type,ControlTypeID,MajorView,MinorView,ColSpan,RowSpan,"
                                     "Sequence,Description From tblKelvoReportParameter Where ReportID=") +
                      s + u')';
    return statements;
}

QString HeaderUpdate(const QString& title, const ReportHeader& h, qint32 reportID)
{
    return QStringLiteral("Update tblKelvoReport set ") + QStringLiteral("  Title = '") + query::QuoteEscape(title) +
           u'\'' + QStringLiteral(", Alias =") + QuotedOrNull(h.alias) + QStringLiteral(", FormTypeID = ") +
           IdOrNull(h.formTypeID) + QStringLiteral(", MediaVisible = ") + Flag(h.mediaVisible) +
           QStringLiteral(", SystemID = ") + IdOrNull(h.systemID) + QStringLiteral(", IsGeneral = ") +
           Flag(h.isGeneral) + QStringLiteral(", MakeSecure = ") + Flag(h.makeSecure) +
           QStringLiteral(", MakeTree = ") + Flag(h.makeTree) + QStringLiteral(", ShowFlatternParameters = ") +
           Flag(h.showFlatternParameters) + QStringLiteral(", Notes = ") + QuotedOrNull(h.notes) +
           QStringLiteral(" Where ID=") + Num(reportID);
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

SaveResult SaveReport(front::Session& session, front::Prompter& prompter, int mode, qint32 reportID,
                      qint32 sourceReportID, const ReportHeader& header)
{
    const bool inserting = mode == front::ManagerModeInsert || mode == front::ManagerModeInsertFrom;
    const bool copying = mode == front::ManagerModeInsertFrom;
    if (inserting)
        reportID = -1;

    SaveResult result;
    result.title = query::text::TrimBlanks(header.title).left(kTitleLength);
    result.reportID = reportID;

    {
        db::Recordset same = session.DtEn.openRecordset(QStringLiteral("Select * from tblKelvoReport Where Title='") +
                                                        query::QuoteEscape(result.title) +
                                                        QStringLiteral("' and ID <>") + Num(reportID));
        if (!same.isEmpty()) {
            prompter.ShowMessage(kError, QStringLiteral("عنوان گزارش تكراري است."));
            result.outcome = SaveOutcome::DuplicateTitle;
            return result;
        }
    }

    // The question comes before any write, so the catalogue is never locked
    // while the user thinks.
    const bool copyLayout =
        copying && prompter.AskYesNo(QStringLiteral("انتقال اطلاعات گزارش اصلي"),
                                     QStringLiteral("آيا اطلاعات گزارش اصلي، از قبيل نحوه نامگذاري ستونها، ادغام "
                                                    "سطرها و توزيع در ستونها، به گزارش جديد نيز منتقل شوند؟")) == 1;

    db::Transaction transaction(session.DtEn);
    if (inserting) {
        const db::ExecResult inserted = session.DtEn.execute(
            QStringLiteral("Insert into tblKelvoReport (Title, CreatorID, CreateDate, FarsiCreateDate) values ( '") +
            query::QuoteEscape(result.title) + QStringLiteral("', ") + Num(header.creatorID) + QStringLiteral(",'") +
            header.createDate.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("', '") +
            query::QuoteEscape(header.farsiCreateDate) + QStringLiteral("')"));
        if (inserted.lastInsertId.isNull())
            throw db::DbError(QStringLiteral("The new report's identifier was not returned by its insert."));
        reportID = inserted.lastInsertId.toInt();
    }

    session.DtEn.execute(HeaderUpdate(result.title, header, reportID));

    if (copying) {
        const QString s = Num(sourceReportID);
        const QString n = Num(reportID);
        for (const QString& statement : QueryCopyStatements(s, n))
            session.DtEn.execute(statement);
        if (copyLayout) {
            // Each copy step stands alone: a failing one is skipped and the
            // next runs. The embedded store undoes only the failing statement
            // and keeps the transaction open.
            for (const QString& statement : LayoutCopyStatements(s, n)) {
                try {
                    session.DtEn.execute(statement);
                } catch (const db::DbError&) {
                }
            }
        }
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
    repository::GrantToPositions(session.DtEnSec, grant);
    return result;
}

DeleteOutcome DeleteReport(front::Session& session, front::Prompter& prompter, qint32 reportID, bool isGeneral)
{
    if (!HasPermission(session, PermissionDelete)) {
        prompter.ShowMessage(kError, QString::fromUtf8(kNotPermittedMessage));
        return DeleteOutcome::NotPermitted;
    }
    if (prompter.AskYesNo(QStringLiteral("حذف ") + QStringLiteral("گزارش"), QStringLiteral("آيا مطمئن هستيد؟")) != 1)
        return DeleteOutcome::Declined;
    if (isGeneral &&
        prompter.AskYesNo(QStringLiteral("حذف گزارش"),
                          QStringLiteral("اين گزارش عمومي است و در اجراي نرمافزارها مورد نياز ميباشد. آيا از حذف "
                                         "آن اطمينان داريد؟")) != 1)
        return DeleteOutcome::Declined;

    const QString id = Num(reportID);
    bool called = false;
    {
        db::Recordset rs = session.DtEn.openRecordset(
            QStringLiteral("Select * from tblKelvoRelatedReports Where CalledReportID = ") + id);
        called = !rs.isEmpty();
    }
    if (called &&
        prompter.AskYesNo(QStringLiteral("حذف گزارش"),
                          QStringLiteral("اين گزارش توسط ديگر گزارشها فراخواني ميشود. در صورت حذف، امكان "
                                         "فراخواني گزارش در آنها از بين ميرود. آيا از حذف آن اطمينان داريد؟")) != 1)
        return DeleteOutcome::Declined;

    const QStringList statements{
        QStringLiteral("Delete tblKelvoRelatedReports Where CalledReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportLayout Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportExpression Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportTranspose Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportColor Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoReportParameter Where ReportID = ") + id,
        QStringLiteral("Delete tblKelvoRelatedReports Where CallerReportID = ") + id,
        QStringLiteral("Update tblKelvoFormType Set SearchReportID = NULL Where SearchReportID=") + id,
        QStringLiteral("Delete tblKelvoReport Where ID=") + id,
    };
    try {
        db::Transaction transaction(session.DtEn);
        for (const QString& statement : statements)
            session.DtEn.execute(statement);
        transaction.commit();
    } catch (const db::DbError&) {
        // The transaction guard has rolled everything back.
        prompter.ShowMessage(kError, QStringLiteral("به اين گزارش وابستگي وجود دارد. امكان حذف آن وجود ندارد."));
        return DeleteOutcome::Failed;
    }
    return DeleteOutcome::Deleted;
}

} // namespace kelvo::management
