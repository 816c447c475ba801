#pragma once

#include "front/ReportWindowsHost.h"

#include <QPointer>

namespace kelvo::front {
class DialogPrompter;
class Prompter;
class WindowRunner;
} // namespace kelvo::front

namespace kelvo::management {

class FormReportMan;

// Opens the report manager for the public class: a new FormReportMan each
// time, deleted when it closes, shown modally through the runner when the
// context's ModalWindows is true and modelessly otherwise.
class ReportManagerWindows final : public front::ReportManagerHost {
public:
    // colouredPrompter, when given, takes the context's window colours
    // before each window opens.
    ReportManagerWindows(front::Prompter& prompter, front::WindowRunner& windows,
                         front::DialogPrompter* colouredPrompter = nullptr);

    void ShowEmpty(front::Session& session) override;
    void ShowReport(front::Session& session, qint32 id) override;

    // The window opened last; null once it is closed.
    FormReportMan* lastWindow() const;

private:
    FormReportMan* open(front::Session& session);

    front::Prompter& m_prompter;
    front::WindowRunner& m_windows;
    front::DialogPrompter* m_colouredPrompter;
    QPointer<FormReportMan> m_last;
};

// Makes the report manager the process's (SetProcessReportManagerHost), with
// the program's dialogs and modal loops. It runs by itself when the program
// or the component library that holds this file starts; a host may call it
// again (it does nothing more). Opening a window needs a QApplication.
void InstallReportWindows();

} // namespace kelvo::management
