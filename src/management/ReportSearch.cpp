#include "management/ReportSearch.h"

#include "platform/db/Connection.h"
#include "sql/SqlDialect.h"
#include "text/TextPrimitives.h"

namespace kelvo::management {

namespace {

const char16_t kSqlServerSearch[] =
    u"SELECT tblKelvoReport.ID AS ID, tblKelvoReport.SystemID, ISNULL(tblKelvoReport.Notes, '') AS ReportDesc, "
    u"ISNULL(tblKelvoReport.Title, '') AS ReportTitle, ISNULL(tblKelvoReport.Alias, '') AS ReportAlias, "
    u"ISNULL(tblKelvoSystem.Name, '') AS SystemName,  tblKelvoReport.FormTypeID AS FormTypeID, "
    u"tblKelvoReport.FarsiCreateDate AS FarsiCreateDate, tblUser.FullName AS CreateName FROM tblKelvoReport LEFT "
    u"OUTER JOIN tblKelvoSystem ON tblKelvoReport.SystemID = tblKelvoSystem.ID INNER JOIN tblUser ON tblUser.ID = "
    u"tblKelvoReport.CreatorID WHERE (tblKelvoReport.ID >= - 1)";

const char16_t kOracleSearch[] =
    u"SELECT tblKelvoReport.ID AS ID, tblKelvoReport.SystemID, NVL(tblKelvoReport.Description, '') AS ReportDesc, "
    u"NVL(tblKelvoReport.Title, '') AS ReportTitle, NVL(tblKelvoReport.Alias, '') AS ReportAlias, "
    u"tblKelvoReport.GroupID, NVL(tblKelvoSystem.Name, '') AS SystemName, NVL(tblKelvoReportGroup.Name, '') AS    "
    u"GroupName,  tblKelvoReport.FormTypeID AS FormTypeID, tblKelvoReport.FarsiCreateDate AS FarsiCreateDate, "
    u"tblUser.Alias AS CreateName FROM tblKelvoReport LEFT OUTER JOIN tblKelvoReportGroup ON tblKelvoReport.GroupID "
    u"= tblKelvoReportGroup.ID LEFT OUTER JOIN tblKelvoSystem ON tblKelvoReport.SystemID = tblKelvoSystem.ID INNER "
    u"JOIN tblUser ON tblUser.ID = tblKelvoReport.CreatorID WHERE (tblKelvoReport.ID >= - 1)";

// " and <column> like '%text%'" when the trimmed text is not empty; the
// text is meant literally, and the two forms of ی, ک and the digits match.
QString LikeCondition(const sql::Dialect& dialect, const char* column, const QString& text)
{
    const QString trimmed = text::TrimBlanks(text);
    if (trimmed.isEmpty())
        return {};
    return QStringLiteral(" and ") +
           dialect.containsText(QStringLiteral("tblKelvoReport.") + QLatin1String(column), trimmed);
}

// The condition of a pair of boxes: none when both are ticked, one value when
// only one is, a value no row has when neither is.
QString PairCondition(bool first, bool second, const QString& onlyFirst, const QString& onlySecond,
                      const QString& neither)
{
    if (first && second)
        return {};
    if (first)
        return onlyFirst;
    if (second)
        return onlySecond;
    return neither;
}

} // namespace

QString BuildSearchStatement(const SearchFilters& f, const sql::Dialect& dialect)
{
    QString sql = QString::fromUtf16(dialect.isOracle() ? kOracleSearch : kSqlServerSearch);
    sql += LikeCondition(dialect, "Notes", f.notes);
    sql += LikeCondition(dialect, "Title", f.title);
    sql += LikeCondition(dialect, "Alias", f.alias);
    if (f.systemID)
        sql += QStringLiteral(" and tblKelvoReport.SystemID =") + QString::number(*f.systemID);
    if (f.formTypeID)
        sql += QStringLiteral(" and tblKelvoReport.FormTypeID =") + QString::number(*f.formTypeID);
    const QString from = text::TrimBlanks(f.fromDate);
    if (!from.isEmpty())
        sql += QStringLiteral(" and tblKelvoReport.FarsiCreateDate >= ") + dialect.text(from);
    const QString to = text::TrimBlanks(f.toDate);
    if (!to.isEmpty())
        sql += QStringLiteral(" and tblKelvoReport.FarsiCreateDate <= ") + dialect.text(to);
    // A report without an alias is no temporary list: NULL must not hide it.
    if (!f.tempList)
        sql += QStringLiteral(" and (tblKelvoReport.Alias is null or tblKelvoReport.Alias not like ") +
               dialect.text(QStringLiteral("فهرست موقت")) + u')';
    if (!f.formSearch)
        sql += QStringLiteral(" and not (tblKelvoReport.ID  in (Select ") +
               dialect.isNull(QStringLiteral("ReportID"), QStringLiteral("-1")) +
               QStringLiteral(" from tblKelvoFormType))");
    if (f.creatorID)
        sql += QStringLiteral(" and tblUser.id= ") + QString::number(*f.creatorID);
    sql += PairCondition(f.isPrivate, f.isGeneral, QStringLiteral(" and tblKelvoReport.IsGeneral= 0"),
                         QStringLiteral(" and tblKelvoReport.IsGeneral=1"),
                         QStringLiteral(" and tblKelvoReport.IsGeneral=-1"));
    sql += PairCondition(f.makeTree, f.isNotTree, QStringLiteral(" and tblKelvoReport.MakeTree= 1"),
                         QStringLiteral(" and tblKelvoReport.MakeTree= 0"),
                         QStringLiteral(" and tblKelvoReport.MakeTree= -1"));
    return sql;
}

QList<FoundReport> SearchReports(db::Connection& db, const SearchFilters& filters)
{
    QList<FoundReport> found;
    db::Recordset rs = db.openRecordset(BuildSearchStatement(filters, sql::Dialect::Of(db)), {},
                                        db::CursorType::ForwardOnly);
    const bool hasGroup = rs.hasField(QStringLiteral("GroupName"));
    for (; !rs.eof(); rs.moveNext())
        found.append({rs.value(QStringLiteral("ID")).toInt(), rs.text(QStringLiteral("ReportTitle")),
                      rs.text(QStringLiteral("SystemName")),
                      hasGroup ? rs.text(QStringLiteral("GroupName")) : QString(), rs.text(QStringLiteral("ReportDesc"))});
    return found;
}

} // namespace kelvo::management
