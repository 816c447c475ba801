#pragma once

#include "front/HostContext.h"
#include "front/ReportWindowsHost.h"
#include "platform/automation/MemberTable.h"
#include "platform/automation/PropertyBag.h"

namespace kelvo::front {

// The public class a host creates to open the report manager or show one
// report. It holds the host's identity, connection string and colours;
// assigning an identifier or the connection string updates the session's
// host context at once, the rest is taken by the next context start.
// Methods and properties are also reached by name through Dispatch, in the
// interface's slot order.
class KelvoReportGenCls final : public automation::TableDispatch {
public:
    static inline const QString ProgId = QStringLiteral("KelvoReportGenerator.KelvoReportGenCls");

    // The object opens its windows through the hosts it is given (none: the
    // methods fail with error 445).
    explicit KelvoReportGenCls(Session& session = ProcessSession(), const PublicClassHosts& hosts = {});

    qint16 UserID() const { return m.UserID; }
    void setUserID(qint16 value);
    qint16 PositionID() const { return m.PositionID; }
    void setPositionID(qint16 value);
    qint16 EmployeeID() const { return m.EmployeeID; }
    void setEmployeeID(qint16 value);
    qint16 systemID() const { return m.systemID; }
    void setsystemID(qint16 value) { m.systemID = value; }
    const QString& OleConnectionString() const { return m.OleConnectionString; }
    void setOleConnectionString(const QString& value);
    // A 32-bit integer exposed as a variant; an assigned variant is
    // converted (AutomationError 6 or 13 when it cannot be).
    QVariant ReportID() const { return m.ReportID; }
    void setReportID(const QVariant& value);

    // Not stored: reads 0 whatever was assigned.
    quint32 BackColor() const { return 0; }
    void setBackColor(quint32) {}
    // Grid colours: stored and persisted, read by nothing else.
    quint32 CellEvenBackColor() const { return m.CellEvenBackColor; }
    void setCellEvenBackColor(quint32 value) { m.CellEvenBackColor = value; }
    quint32 CellOddBackColor() const { return m.CellOddBackColor; }
    void setCellOddBackColor(quint32 value) { m.CellOddBackColor = value; }
    quint32 ForeColor() const { return m.ForeColor; }
    void setForeColor(quint32 value) { m.ForeColor = value; }
    quint32 BackColorFixed() const { return m.BackColorFixed; }
    void setBackColorFixed(quint32 value) { m.BackColorFixed = value; }
    quint32 ForeColorFixed() const { return m.ForeColorFixed; }
    void setForeColorFixed(quint32 value) { m.ForeColorFixed = value; }
    quint32 BackColorSel() const { return m.BackColorSel; }
    void setBackColorSel(quint32 value) { m.BackColorSel = value; }
    quint32 ForeColorSel() const { return m.ForeColorSel; }
    void setForeColorSel(quint32 value) { m.ForeColorSel = value; }
    quint32 BackColorBkg() const { return m.BackColorBkg; }
    void setBackColorBkg(quint32 value) { m.BackColorBkg = value; }
    // Window colours, taken into the host context by the context start.
    quint32 FormLightColor() const { return m.FormLightColor; }
    void setFormLightColor(quint32 value) { m.FormLightColor = value; }
    quint32 FormDorkColor() const { return m.FormDorkColor; }
    void setFormDorkColor(quint32 value) { m.FormDorkColor = value; }
    quint32 FormMidColor() const { return m.FormMidColor; }
    void setFormMidColor(quint32 value) { m.FormMidColor = value; }

    // Full context start, then the report manager with no report selected.
    QVariant ClearShow();
    // Does nothing.
    QVariant ViewReports();
    // Full context start and the master-catalogue probe, then the report
    // manager on report ID in view mode. A failing probe stops the call
    // before any window opens.
    QVariant View(qint32& ID);
    // Limited context start (no keyboard detection, no master connection),
    // then the report manager on report ID in view mode.
    QVariant LimitedView(qint32& ID);
    // Runs report InvReportID in the parameterless viewer without a context
    // start, with this object's connection string and identifiers.
    void ViewReportWithoutParameters(qint32& InvReportID, QString& CallerStr, QString& InvRepTitle);

    // Property-bag persistence. Reading fills the properties only; nothing
    // reaches the host context until a method runs the context start.
    void InitProperties();
    void ReadProperties(const automation::PropertyBag& bag);
    void WriteProperties(automation::PropertyBag& bag) const;

    // The windows the methods open.
    void setReportManagerHost(ReportManagerHost* host) { m_reportManager = host; }
    void setParameterlessViewerHost(ParameterlessViewerHost* host) { m_parameterlessViewer = host; }

    // What the context start reads from this object.
    HostProperties hostProperties() const;

private:
    // What the context start reads, and the stored grid colours.
    struct Fields : HostProperties {
        quint32 CellEvenBackColor = 0xFFFFFF;
        quint32 CellOddBackColor = 0xEBF7FE;
        quint32 ForeColor = 0xFFFFFF;
        quint32 BackColorFixed = 0x616150;
        quint32 ForeColorFixed = 0x6161;
        quint32 BackColorSel = 0xC0FFFF;
        quint32 ForeColorSel = 0;
        quint32 BackColorBkg = 0xEBF7FE;
    };

    // The stored colours, in interface and property-bag order.
    struct ColourField {
        const char* name;
        quint32 Fields::*field;
    };
    static const ColourField kColourFields[11];

    void buildMemberTable();
    ReportManagerHost& reportManager() const;

    Session& m_session;
    Fields m;
    ReportManagerHost* m_reportManager = nullptr;
    ParameterlessViewerHost* m_parameterlessViewer = nullptr;
};

} // namespace kelvo::front
