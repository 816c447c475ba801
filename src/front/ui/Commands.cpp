#include "front/ui/Commands.h"

#include "front/Prompter.h"
#include "platform/automation/AutomationError.h"
#include "platform/db/DbError.h"
#include "query/StoreFullError.h"

#include <QAction>
#include <QToolButton>

namespace kelvo::front {

void CommandRunner::run(const std::function<void()>& handler, const QString& failedMessage) const
{
    try {
        handler();
    } catch (const db::DbError& e) {
        m_prompter.DisplayError(e, failedMessage);
    } catch (const automation::AutomationError& e) {
        m_prompter.DisplayError(e, failedMessage);
    } catch (const query::StoreFullError& e) {
        // The list was left as it was; the user is told why nothing was added.
        m_prompter.ShowMessage(kErrorTitle, kListFullMessage.arg(e.capacity()));
    }
}

void CommandRunner::connect(QAction& action, std::function<void()> handler, const QString& failedMessage) const
{
    QObject::connect(&action, &QAction::triggered, &action,
                     [this, handler = std::move(handler), failedMessage] { run(handler, failedMessage); });
}

QAction& ShowCommand(QToolButton& button)
{
    auto* action = new QAction(button.text(), button.window());
    action->setObjectName(button.objectName());
    action->setToolTip(button.toolTip());
    button.setDefaultAction(action);
    button.setToolButtonStyle(Qt::ToolButtonTextOnly);
    button.window()->addAction(action);
    return *action;
}

} // namespace kelvo::front
