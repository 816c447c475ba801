#include "front/KelvoReportGenCls.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/VariantConversion.h"

namespace kelvo::front {

using automation::AutomationError;
using automation::PropertyBag;
using automation::ToInt16;
using automation::ToInt32;
using automation::ToOleColor;
using automation::ToText;

namespace {

QVariant colourVariant(quint32 colour) { return QVariant::fromValue<qint64>(colour); }

AutomationError notAvailable(const QString& what)
{
    return AutomationError(automation::ErrNotSupportedAction,
                           QStringLiteral("%1 is not available in this build of the report generator.").arg(what));
}

} // namespace

// BackColor, which is not stored, precedes them in the interface only.
const KelvoReportGenCls::ColourField KelvoReportGenCls::kColourFields[11] = {
    {"CellEvenBackColor", &Fields::CellEvenBackColor},
    {"CellOddBackColor", &Fields::CellOddBackColor},
    {"ForeColor", &Fields::ForeColor},
    {"BackColorFixed", &Fields::BackColorFixed},
    {"ForeColorFixed", &Fields::ForeColorFixed},
    {"BackColorSel", &Fields::BackColorSel},
    {"ForeColorSel", &Fields::ForeColorSel},
    {"BackColorBkg", &Fields::BackColorBkg},
    {"FormLightColor", &Fields::FormLightColor},
    {"FormDorkColor", &Fields::FormDorkColor},
    {"FormMidColor", &Fields::FormMidColor},
};

KelvoReportGenCls::KelvoReportGenCls(Session& session, const PublicClassHosts& hosts)
    : m_session(session), m_reportManager(hosts.reportManager), m_parameterlessViewer(hosts.parameterlessViewer)
{
    buildMemberTable();
}

void KelvoReportGenCls::setUserID(qint16 value)
{
    m.UserID = value;
    m_session.context.CurrentUserID = value;
}

void KelvoReportGenCls::setPositionID(qint16 value)
{
    m.PositionID = value;
    m_session.context.CurrentPositionID = value;
}

void KelvoReportGenCls::setEmployeeID(qint16 value)
{
    m.EmployeeID = value;
    m_session.context.CurrentEmployeeID = value;
}

void KelvoReportGenCls::setOleConnectionString(const QString& value)
{
    m.OleConnectionString = value;
    m_session.context.CurrentConnectionString = value;
}

void KelvoReportGenCls::setReportID(const QVariant& value) { m.ReportID = ToInt32(value); }

HostProperties KelvoReportGenCls::hostProperties() const
{
    return m;
}

ReportManagerHost& KelvoReportGenCls::reportManager() const
{
    ReportManagerHost* host = m_reportManager;
    if (!host)
        throw notAvailable(QStringLiteral("The report manager window (FormReportMan)"));
    return *host;
}

QVariant KelvoReportGenCls::ClearShow()
{
    StartContext(m_session, hostProperties(), ContextStart::Full);
    reportManager().ShowEmpty(m_session);
    return QVariant();
}

QVariant KelvoReportGenCls::ViewReports() { return QVariant(); }

QVariant KelvoReportGenCls::View(qint32& ID)
{
    StartContext(m_session, hostProperties(), ContextStart::FullWithMasterProbe);
    reportManager().ShowReport(m_session, ID);
    return QVariant();
}

QVariant KelvoReportGenCls::LimitedView(qint32& ID)
{
    StartContext(m_session, hostProperties(), ContextStart::Limited);
    reportManager().ShowReport(m_session, ID);
    return QVariant();
}

void KelvoReportGenCls::ViewReportWithoutParameters(qint32& InvReportID, QString& CallerStr, QString& InvRepTitle)
{
    ParameterlessViewerHost* viewer = m_parameterlessViewer;
    if (!viewer)
        throw notAvailable(QStringLiteral("The parameterless report viewer (FormViewReport)"));
    ParameterlessReportRun run;
    run.connectionString = m.OleConnectionString;
    run.positionID = m.PositionID;
    run.employeeID = m.EmployeeID;
    run.userID = m.UserID;
    run.reportID = InvReportID;
    run.caller = CallerStr;
    run.title = InvRepTitle;
    viewer->ShowReport(run);
}

void KelvoReportGenCls::InitProperties() { m = Fields{}; }

void KelvoReportGenCls::ReadProperties(const PropertyBag& bag)
{
    const Fields d;
    m.UserID = ToInt16(bag.read(QStringLiteral("UserID"), d.UserID));
    m.PositionID = ToInt16(bag.read(QStringLiteral("PositionID"), d.PositionID));
    m.EmployeeID = ToInt16(bag.read(QStringLiteral("EmployeeID"), d.EmployeeID));
    m.systemID = ToInt16(bag.read(QStringLiteral("SystemID"), d.systemID));
    m.OleConnectionString = ToText(bag.read(QStringLiteral("OleConnectionString"), d.OleConnectionString));
    for (const ColourField& c : kColourFields)
        m.*c.field = ToOleColor(bag.read(QLatin1String(c.name), colourVariant(d.*c.field)));
    // "ReportID" is written but not read: a restored object starts at 0.
}

void KelvoReportGenCls::WriteProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("UserID"), m.UserID);
    bag.write(QStringLiteral("PositionID"), m.PositionID);
    bag.write(QStringLiteral("EmployeeID"), m.EmployeeID);
    bag.write(QStringLiteral("SystemID"), m.systemID);
    bag.write(QStringLiteral("OleConnectionString"), m.OleConnectionString);
    for (const ColourField& c : kColourFields)
        bag.write(QLatin1String(c.name), colourVariant(m.*c.field));
    bag.write(QStringLiteral("ReportID"), m.ReportID);
}

void KelvoReportGenCls::buildMemberTable()
{
    auto int16Property = [this](const char* name, qint16 (KelvoReportGenCls::*get)() const,
                                void (KelvoReportGenCls::*set)(qint16)) {
        m_table.property(
            QLatin1String(name), [this, get] { return QVariant::fromValue<qint16>((this->*get)()); },
            [this, set](const QVariant& v) { (this->*set)(ToInt16(v)); });
    };
    auto viewMethod = [this](const char* name, QVariant (KelvoReportGenCls::*view)(qint32&)) {
        m_table.method(QLatin1String(name), 1, [this, view](QVariantList& args) {
            qint32 id = ToInt32(args[0]);
            const QVariant result = (this->*view)(id);
            args[0] = id;
            return result;
        });
    };

    int16Property("UserID", &KelvoReportGenCls::UserID, &KelvoReportGenCls::setUserID);
    int16Property("PositionID", &KelvoReportGenCls::PositionID, &KelvoReportGenCls::setPositionID);
    int16Property("EmployeeID", &KelvoReportGenCls::EmployeeID, &KelvoReportGenCls::setEmployeeID);
    m_table.method(QStringLiteral("ClearShow"), 0, [this](QVariantList&) { return ClearShow(); });
    m_table.method(QStringLiteral("ViewReports"), 0, [this](QVariantList&) { return ViewReports(); });
    viewMethod("View", &KelvoReportGenCls::View);
    viewMethod("LimitedView", &KelvoReportGenCls::LimitedView);
    int16Property("systemID", &KelvoReportGenCls::systemID, &KelvoReportGenCls::setsystemID);
    m_table.property(
        QStringLiteral("OleConnectionString"), [this] { return QVariant(OleConnectionString()); },
        [this](const QVariant& v) { setOleConnectionString(ToText(v)); });
    m_table.property(
        QStringLiteral("BackColor"), [this] { return colourVariant(BackColor()); },
        [this](const QVariant& v) { setBackColor(ToOleColor(v)); });
    for (const ColourField& c : kColourFields)
        m_table.property(
            QLatin1String(c.name), [this, c] { return colourVariant(m.*c.field); },
            [this, c](const QVariant& v) { m.*c.field = ToOleColor(v); });
    m_table.property(
        QStringLiteral("ReportID"), [this] { return ReportID(); }, [this](const QVariant& v) { setReportID(v); });
    m_table.method(QStringLiteral("ViewReportWithoutParameters"), 3, [this](QVariantList& args) {
        qint32 id = ToInt32(args[0]);
        QString caller = ToText(args[1]);
        QString title = ToText(args[2]);
        ViewReportWithoutParameters(id, caller, title);
        args[0] = id;
        args[1] = caller;
        args[2] = title;
        return QVariant();
    });
}

} // namespace kelvo::front
