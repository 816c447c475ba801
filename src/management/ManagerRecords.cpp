#include "management/ManagerRecords.h"

#include "management/ReportStatements.h"
#include "platform/db/Connection.h"
#include "sql/SqlDialect.h"

namespace kelvo::management {

namespace {

std::optional<qint32> OptionalId(const QVariant& v)
{
    return v.isNull() ? std::nullopt : std::optional<qint32>(v.toInt());
}

// A stored date: a date value, or text that begins with yyyy-MM-dd (as a
// save writes it) or is yyyy/MM/dd; null when it is neither.
QDate StoredDate(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate();
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().date();
    const QString text = value.toString().trimmed();
    for (const char* format : {"yyyy-MM-dd", "yyyy/MM/dd", "M/d/yyyy"}) {
        const QDate date = QDate::fromString(text.left(10), QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return QDate::fromString(text, Qt::ISODate);
}

// The first field of the first row; empty without a row.
QString FirstText(db::Connection& db, const QString& statement, const QString& field)
{
    db::Recordset rs = db.openRecordset(statement);
    return rs.eof() ? QString() : rs.text(field);
}

} // namespace

std::optional<ReportHeader> LoadReportHeader(db::Connection& db, qint32 reportID)
{
    ReportHeader h;
    {
        db::Recordset rs = db.openRecordset(statements::ReportRow(reportID));
        if (rs.eof())
            return std::nullopt;
        h.id = rs.value(QStringLiteral("ID")).toInt();
        h.notes = rs.text(QStringLiteral("Notes"));
        h.title = rs.text(QStringLiteral("Title"));
        h.alias = rs.text(QStringLiteral("Alias"));
        h.isGeneral = rs.isSet(QStringLiteral("IsGeneral"));
        h.makeSecure = rs.isSet(QStringLiteral("MakeSecure"));
        h.mediaVisible = rs.isSet(QStringLiteral("MediaVisible"));
        h.makeTree = rs.isSet(QStringLiteral("MakeTree"));
        h.showFlatternParameters = rs.isSet(QStringLiteral("ShowFlatternParameters"));
        h.creatorID = OptionalId(rs.value(QStringLiteral("CreatorID")));
        h.createDate = StoredDate(rs.value(QStringLiteral("CreateDate")));
        h.systemID = OptionalId(rs.value(QStringLiteral("SystemID")));
        h.formTypeID = OptionalId(rs.value(QStringLiteral("FormTypeID")));
        h.storedProcedure = rs.text(QStringLiteral("SQLSP"));
        h.farsiStoredProcedure = rs.text(QStringLiteral("FarsiSQLSP"));
        const QVariant makeTree = rs.value(QStringLiteral("MakeTree"));
        h.treeFlag = !makeTree.isNull() && makeTree.toInt() == 1;
    }
    // A report without a creator shows no name (there is no row to read).
    if (h.creatorID)
        h.creatorName = FirstText(db, statements::CreatorName(sql::Dialect::Of(db), *h.creatorID),
                                  statements::kCreatorNameField);
    return h;
}

QString UserFullName(db::Connection& db, qint32 userID)
{
    return FirstText(db, statements::UserFullName(sql::Dialect::Of(db), userID), QStringLiteral("FullName"));
}

std::optional<QString> ReadBasePath(db::Connection& db)
{
    db::Recordset rs = db.openRecordset(statements::BasePathView());
    if (rs.eof())
        return std::nullopt;
    return rs.text(QStringLiteral("BasePath"));
}

std::optional<QString> ReadHelpBasePath(db::Connection& db)
{
    db::Recordset rs = db.openRecordset(statements::HelpBasePath(sql::Dialect::Of(db)));
    if (rs.eof())
        return std::nullopt;
    return rs.text(QStringLiteral("BasePath"));
}

void UpdateDictionaryTables(db::Connection& db)
{
    db.callProcedure(QStringLiteral("spKelvoUpdateTables"));
}

std::optional<qint32> ReportFormType(db::Connection& db)
{
    db::Recordset rs = db.openRecordset(statements::ReportFormType());
    if (rs.eof())
        return std::nullopt;
    return OptionalId(rs.value(QStringLiteral("FormTypeID")));
}

void RefillMaintenanceTables(db::Connection& db)
{
    const sql::Dialect dialect = sql::Dialect::Of(db);
    if (!dialect.isOracle()) {
        db.execute(statements::MaintenanceProcedure());
        return;
    }
    // Each table is emptied and refilled; all four together or none.
    db::Transaction transaction(db);
    for (const QString& statement : statements::RefillMaintenanceTables())
        db.execute(statement);
    transaction.commit();
}

} // namespace kelvo::management
