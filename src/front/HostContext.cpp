#include "front/HostContext.h"

#include "platform/db/DbError.h"
#include "platform/os/OsVersion.h"

namespace kelvo::front {

namespace {

const QLatin1String kCatalogueKey(";Initial Catalog");
// The catalogue name starts just behind ";Initial Catalog=".
constexpr qsizetype kCatalogueNameOffset = 17;

// Sets a connection's provider from the connection string, then the string.
void SetProviderAndString(db::Connection& connection, const QString& connectionString)
{
    connection.setProvider(db::ProviderOfConnectionString(connectionString));
    connection.setConnectionString(connectionString);
}

// Whether the value that starts at pos ends there: only blanks up to the
// next ";" or the end of the string.
bool valueEndsAt(const QString& s, qsizetype pos)
{
    while (pos < s.size() && s[pos].isSpace())
        ++pos;
    return pos == s.size() || s[pos] == u';';
}

} // namespace

Session& ProcessSession()
{
    static Session session;
    return session;
}

bool IsOracle(const db::Connection& main)
{
    return main.isOracle();
}

QString FarsiLayoutForMajorVersion(int major, const QString& current)
{
    switch (major) {
    case 4:
        return QStringLiteral("00000401");
    case 5:
    case 6:
        return QStringLiteral("00000429");
    default:
        return current;
    }
}

QString MasterConnectionString(const QString& connectionString)
{
    const qsizetype match = connectionString.indexOf(kCatalogueKey, 0, Qt::CaseInsensitive);
    if (match < 0)
        throw db::DbError(QStringLiteral("The connection string names no Initial Catalog, so the Master "
                                         "catalogue of its server cannot be reached: \"%1\"")
                              .arg(connectionString));
    const qsizetype start = match + kCatalogueNameOffset;
    const qsizetype end = connectionString.indexOf(u';', start);
    const QString catalogue = connectionString.mid(start, end < 0 ? -1 : end - start);
    if (catalogue.trimmed().isEmpty())
        throw db::DbError(QStringLiteral("The connection string names an empty Initial Catalog: \"%1\"")
                              .arg(connectionString));

    // Only whole values are replaced: "Password=Acc1" stays as it is when
    // the catalogue is Acc.
    const QString needle = u'=' + catalogue;
    QString result;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = connectionString.indexOf(needle, from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        const qsizetype after = at + needle.size();
        if (!valueEndsAt(connectionString, after)) {
            result += connectionString.mid(from, after - from);
            from = after;
            continue;
        }
        result += connectionString.mid(from, at - from) + QStringLiteral("=Master");
        from = after;
    }
    result += connectionString.mid(from);
    return result;
}

bool ReadModalWindows(db::Connection& main)
{
    db::Recordset rs = main.openRecordset(
        QStringLiteral("Select * from tblKelvoSystemParameters Where ID=123 and Value=1"), {},
        db::CursorType::ForwardOnly);
    const bool modal = !rs.eof();
    rs.close();
    return modal;
}

void LoadContextNames(HostContext& context, db::Connection& main)
{
    // The identifiers are numbers, written as decimal text.
    db::Recordset rs = main.openRecordset(
        QStringLiteral("Select * from tblUser Where ID = ") + QString::number(context.CurrentUserID));
    if (!rs.eof())
        context.CurrentUserName = rs.text(QStringLiteral("FullName"));

    rs = main.openRecordset(
        QStringLiteral("Select * from tblEmployee Where ID = ") + QString::number(context.CurrentEmployeeID));
    if (!rs.eof())
        context.CurrentEmployeeName =
            rs.text(QStringLiteral("FirstName")) + QStringLiteral("  ") + rs.text(QStringLiteral("SureName"));

    rs = main.openRecordset(
        QStringLiteral("Select * from tblPosition Where ID = ") + QString::number(context.CurrentPositionID));
    if (!rs.eof())
        context.CurrentPositionName = rs.text(QStringLiteral("Name"));

    if (rs.isOpen())
        rs.close();
    context.QueryBuilderFlag = true;
}

void StartContext(Session& session, const HostProperties& properties, ContextStart kind)
{
    HostContext& context = session.context;
    const bool full = kind != ContextStart::Limited;

    if (full)
        context.FarsiKeyboardLayout = FarsiLayoutForMajorVersion(os::OsMajorVersion(), context.FarsiKeyboardLayout);

    context.FormLightColorValue = properties.FormLightColor;
    context.FormMidColorValue = properties.FormMidColor;
    context.FormDorkColorValue = properties.FormDorkColor;

    context.CurrentConnectionString = properties.OleConnectionString;

    SetProviderAndString(session.DtEn, context.CurrentConnectionString);

    if (full) {
        // As with an ADO connection, the string's own Provider key applies;
        // a provider left from an earlier limited start must not.
        session.DtEnSec.setProvider(QString());
        session.DtEnSec.setConnectionString(context.CurrentConnectionString);
    } else
        SetProviderAndString(session.DtEnSec, context.CurrentConnectionString);

    if (full) {
        session.DtEnMajor.setProvider(db::ProviderOfConnectionString(context.CurrentConnectionString));
        session.DtEnMajor.setConnectionString(MasterConnectionString(context.CurrentConnectionString));
    }

    if (kind == ContextStart::FullWithMasterProbe) {
        // Fails on a server whose master catalogue lacks SysDatabases.
        db::Recordset probe = session.DtEnMajor.openRecordset(
            QStringLiteral("Select * from SysDatabases Where Name='G0'"));
        probe.close();
    }

    context.CurrentUserID = properties.UserID;
    context.CurrentPositionID = properties.PositionID;
    context.CurrentEmployeeID = properties.EmployeeID;
    context.CurrentReportID = QString::number(properties.ReportID);

    LoadContextNames(context, session.DtEn);

    context.CurrentSystemID = properties.systemID;

    context.ModalWindows = ReadModalWindows(session.DtEn);
}

} // namespace kelvo::front
