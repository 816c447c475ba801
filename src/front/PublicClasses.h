#pragma once

#include "front/Messages.h"
#include "front/Prompter.h"
#include "front/ReportWindowsHost.h"
#include "platform/automation/ComponentRegistry.h"

namespace kelvo::front {

// Adds the two public classes, "KelvoReportGenerator.KelvoReportGenCls" and
// "KelvoReportGenerator.classMSHFlex", to a registry. Objects of the first
// work on the process session and open their windows through hosts.
void RegisterPublicClasses(automation::ComponentRegistry& registry, const PublicClassHosts& hosts = {});


// Creates the component of a file of <BasePath>/System, loading its plugin
// when it is not registered yet (see automation::CreateFromComponentFile).
// When that fails with error 429 again, shows the missing-file message
// through the prompter and returns null; other failures are thrown.
std::unique_ptr<automation::Dispatch> CreateComponentFromFile(automation::ComponentRegistry& registry,
                                                              const QString& basePath,
                                                              const QString& componentFileName, Prompter& prompter);

} // namespace kelvo::front
