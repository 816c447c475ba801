#pragma once

#include "front/ReportWindowsHost.h"
#include "front/ui/Windows.h"

#include <QPointer>

namespace kelvo::automation {
class ComponentRegistry;
}
namespace kelvo::front {
class DialogPrompter;
class Prompter;
class WindowRunner;
} // namespace kelvo::front
namespace kelvo::management {
class FormReportMan;
}
namespace kelvo::presentation {
class FormViewReport;
}

namespace kelvo::component {

// The program's windows: every window a window opens is built and run here,
// and the report manager is opened here for the public class. Modal windows
// run through the runner; the host's components come from the registry.
class ProgramWindows final : public front::Windows,
                             public front::ReportManagerHost,
                             public front::ParameterlessViewerHost {
public:
    // colouredPrompter, when given, takes the context's window colours
    // before each manager opens.
    ProgramWindows(front::Prompter& prompter, front::WindowRunner& runner, automation::ComponentRegistry& components,
                   front::DialogPrompter* colouredPrompter = nullptr);

    int show(QWidget& window, bool modal) override;
    std::optional<qint32> ChooseReport(front::Session& session) override;
    void DesignReport(front::Session& session, qint32 reportID, QWidget* manager, bool run) override;
    bool EditReportQuery(front::Session& session, qint32 reportID, QWidget* caller) override;
    void ShowNDefineParameter(front::Session& session, qint32 reportID, QWidget* caller) override;
    bool EditReportForm(front::Session& session, qint32 reportID, QWidget* caller) override;
    bool CreateParametersAutomatically(front::Session& session, qint32 reportID, QWidget* caller) override;
    void EditReportLinks(front::Session& session, qint32 reportID, const QStringList& headings,
                         QWidget* caller) override;
    void EditReportButtons(front::Session& session, qint32 reportID, QWidget* caller) override;
    // FormViewReport on the called report, modeless, deleted when it closes.
    void ShowCalledReport(const front::CalledReportRun& run) override;
    void ShowReportTemplate(front::Session& session, qint32 reportID) override;
    void RunFormGenerator(front::Session& session, qint32 formType, std::optional<qint32> reportID) override;
    void ShowScheduler(front::Session& session, qint32 reportID) override;
    std::optional<QString> ChooseSaveFile(const QString& title, const QString& suggestedName,
                                          const QString& filter) override;
    // FormViewReport on one report, modeless, deleted when it closes.
    void ShowReport(const front::ParameterlessReportRun& run) override;

    // A new FormReportMan each time, deleted when it closes, shown modally
    // when the context asks for modal windows.
    void ShowEmpty(front::Session& session) override;
    void ShowReport(front::Session& session, qint32 id) override;
    // The manager opened last; null once it is closed.
    management::FormReportMan* lastManager() const;

private:
    management::FormReportMan* openManager(front::Session& session);
    // A new viewer, deleted when it closes, on the connection and identity.
    presentation::FormViewReport& openViewer(const QString& connectionString, qint16 userID, qint16 employeeID,
                                             qint16 positionID);

    front::Prompter& m_prompter;
    front::WindowRunner& m_runner;
    automation::ComponentRegistry& m_components;
    front::DialogPrompter* m_colouredPrompter;
    QPointer<management::FormReportMan> m_lastManager;
};

} // namespace kelvo::component
