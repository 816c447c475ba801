#pragma once

#include "platform/automation/ComponentRegistry.h"

namespace kelvo::automation {

// Components that are files of the host's installation: a component file
// "<Library>.<Class>.ocx" in <BasePath>/System is, on this platform, the
// plugin library "<Library>.<Class>.so" beside it (the file name's stem and
// ".so"). Backslashes of the base path become "/".
QString PluginPathOf(const QString& basePath, const QString& componentFileName);

// The programmatic identifier a component file stands for: the file name
// without its last four characters ("KelvoFormGenerator.comFormExe.ocx" gives
// "KelvoFormGenerator.comFormExe").
QString ProgIdOfComponentFile(const QString& componentFileName);

// Creates progId; when it is not registered (error 429) loads the plugin at
// pluginPath and tries once more. A second 429 is thrown to the caller, its
// description saying why the plugin did not help; other errors pass through.
std::unique_ptr<Dispatch> CreateWithPluginFallback(ComponentRegistry& registry, const QString& progId,
                                                   const QString& pluginPath);

// The same for a component file of <BasePath>/System: identifier and plugin
// both come from the file name.
std::unique_ptr<Dispatch> CreateFromComponentFile(ComponentRegistry& registry, const QString& basePath,
                                                  const QString& componentFileName);

} // namespace kelvo::automation
