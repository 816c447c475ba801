#include "front/HostContext.h"

#include "platform/db/DbError.h"
#include "platform/os/OsVersion.h"

namespace kelvo::front {

namespace {

const QLatin1String kCatalogueKey(";Initial Catalog");

// Sets a connection's provider from the connection string, then the string.
void SetProviderAndString(db::Connection& connection, const QString& connectionString)
{
    connection.setProvider(db::ProviderOfConnectionString(connectionString));
    connection.setConnectionString(connectionString);
}

} // namespace

Session& ProcessSession()
{
    static Session session;
    return session;
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
    const db::ConnectionString parsed(connectionString);
    parsed.checkSound();
    if (connectionString.indexOf(kCatalogueKey, 0, Qt::CaseInsensitive) < 0)
        throw db::DbError(QStringLiteral("The connection string names no Initial Catalog, so the Master "
                                         "catalogue of its server cannot be reached: \"%1\"")
                              .arg(db::MaskPasswords(connectionString)));
    const QString catalogue = parsed.value(QStringLiteral("Initial Catalog"));
    if (catalogue.isEmpty())
        throw db::DbError(QStringLiteral("The connection string names an empty Initial Catalog: \"%1\"")
                              .arg(db::MaskPasswords(connectionString)));
    // Only the catalogue keys' values change: "User ID=kelvo" stays as it is
    // when the catalogue is Kelvo.
    return parsed.withValueReplaced({QStringLiteral("Initial Catalog"), QStringLiteral("Database")}, catalogue,
                                    QStringLiteral("Master"));
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
