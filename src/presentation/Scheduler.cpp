#include "presentation/Scheduler.h"

#include "front/HostContext.h"
#include "front/Messages.h"
#include "front/Prompter.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/ComponentCreation.h"

namespace kelvo::presentation {

void ShowScheduler(automation::ComponentRegistry& registry, front::Prompter& prompter, const front::HostContext& c,
                   qint32 reportID)
{
    std::unique_ptr<automation::Dispatch> scheduler;
    try {
        scheduler = automation::CreateWithPluginFallback(registry, kSchedulerProgId,
                                                         automation::PluginPathOf(c.BasePath, kSchedulerFile));
    } catch (const automation::AutomationError& e) {
        if (e.number() != automation::ErrCannotCreateObject)
            throw;
        prompter.ShowMessage(front::kErrorTitle, front::kNotPermittedMessage);
        return;
    }
    scheduler->putProperty(QStringLiteral("DorkColor"), c.FormDorkColorValue);
    scheduler->putProperty(QStringLiteral("LightColor"), c.FormLightColorValue);
    scheduler->putProperty(QStringLiteral("MidColor"), c.FormMidColorValue);
    scheduler->putProperty(QStringLiteral("ReportID"), QString::number(reportID));
    scheduler->putProperty(QStringLiteral("OleConnectionString"), c.CurrentConnectionString);
    scheduler->callWith(QStringLiteral("ClearShow"));
}

} // namespace kelvo::presentation
