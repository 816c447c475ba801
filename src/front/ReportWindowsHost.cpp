#include "front/ReportWindowsHost.h"

namespace kelvo::front {

namespace {
ReportManagerHost* g_reportManager = nullptr;
ParameterlessViewerHost* g_parameterlessViewer = nullptr;
} // namespace

void SetProcessReportManagerHost(ReportManagerHost* host) { g_reportManager = host; }
ReportManagerHost* ProcessReportManagerHost() { return g_reportManager; }
void SetProcessParameterlessViewerHost(ParameterlessViewerHost* host) { g_parameterlessViewer = host; }
ParameterlessViewerHost* ProcessParameterlessViewerHost() { return g_parameterlessViewer; }

} // namespace kelvo::front
