#include "management/HostComponents.h"

#include "front/HostContext.h"
#include "front/PublicClasses.h"
#include "platform/automation/ComponentRegistry.h"

namespace kelvo::management {

void ShowReportTemplate(automation::ComponentRegistry& registry, const front::HostContext& c, qint32 reportID)
{
    std::unique_ptr<automation::Dispatch> component = registry.create(kTemplateProgId);
    component->putProperty(QStringLiteral("ConnectionString"), c.CurrentConnectionString);
    component->putProperty(QStringLiteral("OleConnectionString"), c.CurrentConnectionString);
    component->putProperty(QStringLiteral("UserID"), c.CurrentUserID);
    component->putProperty(QStringLiteral("FormID"), kTemplateFormNumber);
    component->callWith(QStringLiteral("Load"), {reportID});
    component->callWith(QStringLiteral("Show"));
}

void RunFormGenerator(automation::ComponentRegistry& registry, front::Prompter& prompter,
                      const front::HostContext& c, qint32 formType, std::optional<qint32> reportID)
{
    std::unique_ptr<automation::Dispatch> generator =
        front::CreateComponentFromFile(registry, c.BasePath, kFormGeneratorFile, prompter);
    if (!generator)
        return;
    generator->putProperty(QStringLiteral("OleConnectionString"), c.CurrentConnectionString);
    generator->putProperty(QStringLiteral("UserID"), c.CurrentUserID);
    generator->putProperty(QStringLiteral("PositionID"), c.CurrentPositionID);
    generator->putProperty(QStringLiteral("EmployeeID"), c.CurrentEmployeeID);
    if (reportID)
        generator->callWith(QStringLiteral("View"),
                            {formType, QString(QStringLiteral("ID=") + QString::number(*reportID)), QString()});
    else
        generator->callWith(QStringLiteral("ClearShow"), {formType, QString()});
}

} // namespace kelvo::management
