#pragma once

#include <QStringList>

#include <QQueue>
#include <functional>

class QWidget;

namespace kelvo::front {

// How a window opens a modal child window. A window never calls exec() on a
// child itself; it builds the child and hands it to the WindowRunner it was
// given, so a test can run the real child window with a script instead of a
// blocking event loop. Windows take the prompter and the runner as
// constructor arguments and pass them on to the children they open:
//
//     FormGrouping dialog(session, prompter, windows, this);
//     if (windows.runModal(dialog) == QDialog::Accepted) ...
//
// In the program the runner is a ModalLoopRunner and the prompter a
// DialogPrompter over the same runner; in a test they are a
// ScriptedWindowRunner, whose scripts set the child's controls and press its
// buttons, and a ScriptedPrompter:
//
//     ScriptedWindowRunner windows;
//     windows.expect([](QWidget& w) {
//         w.findChild<QPushButton*>("cmdOK")->click();
//     });
//     FormReportQuery editor(session, prompter, windows);
//     editor.findChild<QPushButton*>("cmdEGroupBy")->click();
//     EXPECT_EQ(windows.opened(), QStringList{"FormGrouping"});
//
// The same runner serves the modal/modeless choice of the ModalWindows flag
// through ShowWindow().
class WindowRunner {
public:
    virtual ~WindowRunner() = default;
    // Shows the window modally and returns when it is closed: the dialog's
    // result for a QDialog, 0 for another window.
    virtual int runModal(QWidget& window) = 0;
};

// Runs the window in a modal event loop (QDialog::exec for dialogs).
class ModalLoopRunner final : public WindowRunner {
public:
    int runModal(QWidget& window) override;
};

// Shows window modally through runner when modal is true (returning its
// result), else modelessly (returning 0 at once).
int ShowWindow(QWidget& window, bool modal, WindowRunner& runner);

// For tests: each window handed to runModal is shown, recorded by its
// objectName, and given to the next queued script, which acts on it as a
// user would (set controls, click buttons). A window the script leaves open,
// or that finds no script, is closed as by its title bar.
class ScriptedWindowRunner final : public WindowRunner {
public:
    using Script = std::function<void(QWidget& window)>;

    void expect(Script script) { m_scripts.enqueue(std::move(script)); }
    int runModal(QWidget& window) override;

    // objectName of every window run, in order.
    const QStringList& opened() const { return m_opened; }
    int pendingScripts() const { return int(m_scripts.size()); }
    // Windows that found no script.
    int unexpectedWindows() const { return m_unexpected; }

private:
    QQueue<Script> m_scripts;
    QStringList m_opened;
    int m_unexpected = 0;
};

} // namespace kelvo::front
