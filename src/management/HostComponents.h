#pragma once

#include <QString>

#include <optional>

namespace kelvo::automation {
class ComponentRegistry;
}
namespace kelvo::front {
struct HostContext;
class Prompter;
} // namespace kelvo::front

// The host's components that the report manager starts by name.
namespace kelvo::management {

// The report-template component the host installs, and what it is given.
inline const QString kTemplateProgId = QStringLiteral("KelvoReportTemplate.clsReportTemplate");
inline constexpr int kTemplateFormNumber = 12533;
// The host's form generator, created from its component file.
inline const QString kFormGeneratorFile = QStringLiteral("KelvoFormGenerator.comFormExe.ocx");

// Creates the report template, gives it the connection string (twice), the
// user and the form number, then loads report reportID and shows it. Throws
// automation::AutomationError or db::DbError when the component fails.
void ShowReportTemplate(automation::ComponentRegistry& registry, const front::HostContext& context,
                        qint32 reportID);

// Creates the form generator from its component file (loading its plugin
// from the base path when needed; the missing-file message when it cannot),
// gives it the connection string and the identity, then opens the form type
// on the report (View) or empty (ClearShow). Throws as above.
void RunFormGenerator(automation::ComponentRegistry& registry, front::Prompter& prompter,
                      const front::HostContext& context, qint32 formType, std::optional<qint32> reportID);

} // namespace kelvo::management
