#include "component/ui/ProgramWindows.h"

#include "front/HostContext.h"
#include "front/Messages.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/DialogPrompter.h"
#include "front/ui/HostApplication.h"
#include "front/ui/WindowRunner.h"
#include "design/ui/FormReportQuery.h"
#include "management/HostComponents.h"
#include "management/Messages.h"
#include "management/ui/FormReportMan.h"
#include "management/ui/FormSearch.h"
#include "parameters/ui/FormButtons.h"
#include "parameters/ui/FormDefineParameter.h"
#include "parameters/ui/FormParameterCreator.h"
#include "parameters/ui/FormRelReport.h"
#include "parameters/ui/FormReportForm.h"
#include "presentation/Scheduler.h"
#include "presentation/ui/FormReportBuilder.h"
#include "presentation/ui/KelvoReport.h"

#include <QApplication>
#include <QFileDialog>

namespace kelvo::component {

ProgramWindows::ProgramWindows(front::Prompter& prompter, front::WindowRunner& runner,
                               automation::ComponentRegistry& components, front::DialogPrompter* colouredPrompter)
    : m_prompter(prompter), m_runner(runner), m_components(components), m_colouredPrompter(colouredPrompter)
{
}

management::FormReportMan* ProgramWindows::lastManager() const
{
    return m_lastManager.data();
}

int ProgramWindows::show(QWidget& window, bool modal)
{
    return front::ShowWindow(window, modal, m_runner);
}

std::optional<qint32> ProgramWindows::ChooseReport(front::Session& session)
{
    management::FormSearch search(session, m_prompter);
    m_runner.runModal(search);
    return search.chosenReport();
}

void ProgramWindows::DesignReport(front::Session& session, qint32 reportID, QWidget* manager, bool run)
{
    auto* window = new presentation::FormReportBuilder(session, m_prompter, *this, reportID, manager);
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (run)
        window->KelvoReport1().RunReport(reportID);
    show(*window, session.context.ModalWindows);
}

bool ProgramWindows::EditReportQuery(front::Session& session, qint32 reportID, QWidget* caller)
{
    bool copying = false;
    for (QWidget* w = caller; w; w = w->parentWidget()) {
        if (auto* manager = qobject_cast<management::FormReportMan*>(w)) {
            copying = manager->mode() == management::ManagerMode::InsertFrom;
            break;
        }
    }
    design::FormReportQuery editor(session, m_prompter, *this, reportID, copying, caller);
    show(editor, true);
    return editor.saved();
}

void ProgramWindows::ShowNDefineParameter(front::Session& session, qint32 reportID, QWidget* caller)
{
    parameters::FormDefineParameter dialog(session, m_prompter, *this, caller);
    dialog.ShowNDefineParameter(reportID);
}

bool ProgramWindows::EditReportForm(front::Session& session, qint32 reportID, QWidget* caller)
{
    parameters::FormReportForm dialog(session, m_prompter, *this, caller);
    return dialog.EditReportForm(reportID);
}

bool ProgramWindows::CreateParametersAutomatically(front::Session& session, qint32 reportID, QWidget* caller)
{
    parameters::FormParameterCreator dialog(session, m_prompter, *this, reportID, caller);
    return dialog.CreateParametersAutomatically();
}

void ProgramWindows::EditReportLinks(front::Session& session, qint32 reportID, const QStringList& headings,
                                     QWidget* caller)
{
    parameters::FormRelReport dialog(session, m_prompter, *this, reportID, headings, caller);
    show(dialog, true);
}

void ProgramWindows::EditReportButtons(front::Session& session, qint32 reportID, QWidget* caller)
{
    parameters::FormButtons dialog(session, m_prompter, *this, reportID, caller);
    show(dialog, true);
}

void ProgramWindows::ShowCalledReport(const front::CalledReportRun& run)
{
    presentation::FormViewReport& window = openViewer(run.connectionString, run.userID, run.employeeID, run.positionID);
    window.setWindowTitle(run.title);
    window.KelvoReport1().RunCalledReport(run.reportID, run.fed);
    show(window, false);
}

void ProgramWindows::ShowScheduler(front::Session& session, qint32 reportID)
{
    presentation::ShowScheduler(m_components, m_prompter, session.context, reportID);
}

std::optional<QString> ProgramWindows::ChooseSaveFile(const QString& title, const QString& suggestedName,
                                                      const QString& filter)
{
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggestedName, filter);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

presentation::FormViewReport& ProgramWindows::openViewer(const QString& connectionString, qint16 userID,
                                                          qint16 employeeID, qint16 positionID)
{
    front::EnsureApplication();
    auto* window = new presentation::FormViewReport(m_prompter, *this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    presentation::KelvoReport& control = window->KelvoReport1();
    // The order the viewer is given its settings in.
    control.setOleConnectionString(connectionString);
    control.setPositionID(positionID);
    control.setEmployeeID(employeeID);
    control.setUserID(userID);
    return *window;
}

void ProgramWindows::ShowReport(const front::ParameterlessReportRun& run)
{
    presentation::FormViewReport& window = openViewer(run.connectionString, run.userID, run.employeeID, run.positionID);
    window.setWindowTitle(run.title);
    window.KelvoReport1().RunReport(run.reportID, run.caller, QString());
    show(window, false);
}

void ProgramWindows::ShowReportTemplate(front::Session& session, qint32 reportID)
{
    management::ShowReportTemplate(m_components, session.context, reportID);
}

void ProgramWindows::RunFormGenerator(front::Session& session, qint32 formType, std::optional<qint32> reportID)
{
    management::RunFormGenerator(m_components, m_prompter, session.context, formType, reportID);
}

management::FormReportMan* ProgramWindows::openManager(front::Session& session)
{
    front::EnsureApplication();
    if (m_colouredPrompter)
        m_colouredPrompter->setColours(front::ColoursOf(session.context));
    auto* window = new management::FormReportMan(session, m_prompter, *this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_lastManager = window;
    return window;
}

void ProgramWindows::ShowEmpty(front::Session& session)
{
    openManager(session)->ShowResult();
}

void ProgramWindows::ShowReport(front::Session& session, qint32 id)
{
    management::FormReportMan* window = openManager(session);
    try {
        window->ViewReportInfo(id);
    } catch (...) {
        delete window;
        throw;
    }
    window->ShowResult();
}

} // namespace kelvo::component
