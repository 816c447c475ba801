#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"

#include <QMainWindow>

class QToolBar;

namespace kelvo::presentation {

class KelvoReport;

// The design-and-run window: the report display control under a toolbar of
// commands, each an action named by its key (Run, Refresh, Merge, …). The
// commands that work on a result first test that the report has run (the
// first two headings of ResultGrid are not both blank) and otherwise say so.
// The report is always the one the manager shows.
class FormReportBuilder final : public QMainWindow {
    Q_OBJECT
public:
    FormReportBuilder(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                      QWidget* parent = nullptr);
    ~FormReportBuilder() override;

    KelvoReport& KelvoReport1() const { return *m_report; }
    qint32 reportID() const { return m_reportID; }
    // Whether the report has run: the first two headings of ResultGrid are
    // not both blank.
    bool hasRun() const;

private:
    void addCommand(const char* key, const QString& caption, const QString& notRunMessage,
                    std::function<void()> handler);
    // The headings of the result grid on display.
    QStringList shownHeadings() const;

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    KelvoReport* m_report;
    QToolBar* m_toolbar;
};

// The parameterless viewer: the display control and a button that closes
// the window.
class FormViewReport final : public QWidget {
    Q_OBJECT
public:
    FormViewReport(front::Prompter& prompter, front::Windows& windows, QWidget* parent = nullptr);
    KelvoReport& KelvoReport1() const { return *m_report; }

private:
    KelvoReport* m_report;
};

} // namespace kelvo::presentation
