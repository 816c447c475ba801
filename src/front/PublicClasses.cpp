#include "front/PublicClasses.h"

#include "front/KelvoReportGenCls.h"
#include "front/classMSHFlex.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/ComponentCreation.h"


namespace kelvo::front {

void RegisterPublicClasses(automation::ComponentRegistry& registry, const PublicClassHosts& hosts)
{
    registry.registerComponent(KelvoReportGenCls::ProgId,
                               [hosts] { return std::make_unique<KelvoReportGenCls>(ProcessSession(), hosts); });
    registry.registerComponent(classMSHFlex::ProgId, [] { return std::make_unique<classMSHFlex>(); });
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
        prompter.ShowMessage(kErrorTitle, kMissingComponentFileMessage);
        return nullptr;
    }
}

} // namespace kelvo::front
