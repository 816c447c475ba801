#pragma once

#include "front/Messages.h"

#include <QString>

#include <functional>

class QAction;
class QToolButton;

namespace kelvo::front {

class Prompter;

// Runs a window's command handlers. A failed database call or component
// call is reported through the prompter as the command's failure, a full
// list of the query being designed as such, and the window stays as it was;
// nothing else is caught. No window writes its own
// try/catch.
class CommandRunner {
public:
    explicit CommandRunner(Prompter& prompter) : m_prompter(prompter) {}

    void run(const std::function<void()>& handler, const QString& failedMessage = kFailedMessage) const;
    // Runs handler through run() each time the action is triggered.
    void connect(QAction& action, std::function<void()> handler, const QString& failedMessage = kFailedMessage) const;

private:
    Prompter& m_prompter;
};

// A command of a window: an action named after the original control
// (cmdNew), with the button's caption and tool tip, shown by the button. A
// toolbar that adds the same action shows the same command, so the two can
// never differ in caption or enabled state.
QAction& ShowCommand(QToolButton& button);

} // namespace kelvo::front
