#pragma once

#include "front/HostContext.h"

namespace kelvo::front {

// The report manager window as the public class opens it. The window
// implements this; the public class calls it after the context start. Both
// calls show the window modally when session.context.ModalWindows is true,
// modelessly otherwise.
class ReportManagerHost {
public:
    virtual ~ReportManagerHost() = default;
    // The manager with no report selected.
    virtual void ShowEmpty(Session& session) = 0;
    // The manager on report id in view mode.
    virtual void ShowReport(Session& session, qint32 id) = 0;
};

// What the parameterless viewer is given to run one report directly.
struct ParameterlessReportRun {
    QString connectionString;
    qint16 positionID = 0;
    qint16 employeeID = 0;
    qint16 userID = 0;
    qint32 reportID = 0;
    QString caller;
    QString title; // the window caption
};

// The parameterless viewer window as the public class opens it (modeless).
class ParameterlessViewerHost {
public:
    virtual ~ParameterlessViewerHost() = default;
    virtual void ShowReport(const ParameterlessReportRun& run) = 0;
};

// The windows a public class opens; either may be missing.
struct PublicClassHosts {
    ReportManagerHost* reportManager = nullptr;
    ParameterlessViewerHost* parameterlessViewer = nullptr;
};

} // namespace kelvo::front
