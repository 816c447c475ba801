#include "front/ui/ModeTable.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace kelvo::front {

void SetControlEnabled(QObject& window, const QString& name, bool enabled)
{
    QObject* control = window.findChild<QAction*>(name);
    if (!control)
        control = window.findChild<QWidget*>(name);
    Q_ASSERT_X(control, "SetControlEnabled", qPrintable(name));
    if (!control)
        return;
    if (auto* box = qobject_cast<QLineEdit*>(control))
        box->setReadOnly(!enabled);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        text->setReadOnly(!enabled);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setEnabled(enabled);
    else if (control->metaObject()->indexOfProperty("Active") >= 0)
        control->setProperty("Active", enabled);
    else
        static_cast<QWidget*>(control)->setEnabled(enabled);
}

} // namespace kelvo::front
