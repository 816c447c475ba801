#pragma once

#include <QString>

namespace kelvo::automation {
class ComponentRegistry;
}
namespace kelvo::front {
struct HostContext;
class Prompter;
} // namespace kelvo::front

namespace kelvo::presentation {

// The host's scheduling component and its file under <BasePath>/System.
inline const QString kSchedulerProgId = QStringLiteral("KelvoMGRSchedul.LmoMGRSchedul");
inline const QString kSchedulerFile = QStringLiteral("KelvoMGRSchedul.ocx");

// Creates the scheduler (loading its plugin from the base path when it is not
// registered; when that fails too, the not-permitted message is shown and
// nothing else happens), gives it the window colours, the report's
// identifier as text and the connection string, and calls ClearShow. Throws
// automation::AutomationError for other failures of the component.
void ShowScheduler(automation::ComponentRegistry& registry, front::Prompter& prompter,
                   const front::HostContext& context, qint32 reportID);

} // namespace kelvo::presentation
