#include "management/ui/ReportManagerWindows.h"

#include "front/HostContext.h"
#include "front/ui/AppStyle.h"
#include "front/ui/DialogPrompter.h"
#include "front/ui/HostApplication.h"
#include "front/ui/WindowRunner.h"
#include "management/ui/FormReportMan.h"

namespace kelvo::management {

ReportManagerWindows::ReportManagerWindows(front::Prompter& prompter, front::WindowRunner& windows,
                                           front::DialogPrompter* colouredPrompter)
    : m_prompter(prompter), m_windows(windows), m_colouredPrompter(colouredPrompter)
{
}

FormReportMan* ReportManagerWindows::lastWindow() const { return m_last.data(); }

FormReportMan* ReportManagerWindows::open(front::Session& session)
{
    front::EnsureApplication();
    if (m_colouredPrompter)
        m_colouredPrompter->setColours(front::ColoursOf(session.context));
    auto* window = new FormReportMan(session, m_prompter, m_windows);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_last = window;
    return window;
}

void ReportManagerWindows::ShowEmpty(front::Session& session)
{
    open(session)->ShowResult();
}

void ReportManagerWindows::ShowReport(front::Session& session, qint32 id)
{
    FormReportMan* window = open(session);
    try {
        window->ViewReportInfo(id);
    } catch (...) {
        delete window;
        throw;
    }
    window->ShowResult();
}

void InstallReportWindows()
{
    static front::ModalLoopRunner runner;
    static front::DialogPrompter prompter(runner);
    static ReportManagerWindows windows(prompter, runner, &prompter);
    front::SetProcessReportManagerHost(&windows);
}

namespace {
// Wherever this file is linked (the component library links the widgets
// library whole), the report manager serves the public class from the start.
[[maybe_unused]] const bool g_installedAtLoad = [] {
    InstallReportWindows();
    return true;
}();
} // namespace

} // namespace kelvo::management
