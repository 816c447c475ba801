#include "front/PublicClasses.h"

#include "front/KelvoReportGenCls.h"
#include "front/classMSHFlex.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/ComponentCreation.h"

#include <mutex>

namespace kelvo::front {

void RegisterPublicClasses(automation::ComponentRegistry& registry)
{
    registry.registerComponent(KelvoReportGenCls::ProgId, [] { return std::make_unique<KelvoReportGenCls>(); });
    registry.registerComponent(classMSHFlex::ProgId, [] { return std::make_unique<classMSHFlex>(); });
}

automation::ComponentRegistry& ProcessComponents()
{
    static std::once_flag registered;
    std::call_once(registered, [] { RegisterPublicClasses(automation::ProcessRegistry()); });
    return automation::ProcessRegistry();
}

std::unique_ptr<automation::Dispatch> CreateComponentFromFile(automation::ComponentRegistry& registry,
                                                              const QString& basePath,
                                                              const QString& componentFileName, Prompter& prompter)
{
    try {
        return automation::CreateFromComponentFile(registry, basePath, componentFileName);
    } catch (const automation::AutomationError& e) {
        if (e.number() != automation::ErrCannotCreateObject)
            throw;
        prompter.ShowMessage(kMissingComponentFileTitle, kMissingComponentFileMessage);
        return nullptr;
    }
}

} // namespace kelvo::front
