#include "front/ui/HostApplication.h"

#include "front/ui/AppStyle.h"
#include "platform/automation/AutomationError.h"

#include <QApplication>
#include <QWidget>

namespace kelvo::front {

QWidgetList OpenWindows()
{
    QWidgetList open;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                open << w;
    return open;
}

void PrepareApplication(QApplication& application)
{
    application.setLayoutDirection(Qt::RightToLeft);
    application.setFont(PersianFont());
}

QApplication& EnsureApplication()
{
    if (!QCoreApplication::instance()) {
        // The arguments must outlive the application object.
        static int argc = 1;
        static char name[] = "kelvoreport";
        static char* argv[] = {name, nullptr};
        auto* application = new QApplication(argc, argv);
        PrepareApplication(*application);
    }
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application)
        throw automation::AutomationError(
            automation::ErrNotSupportedAction,
            QStringLiteral("The report manager is a window: the host runs an application without windows "
                           "(a QCoreApplication), so none can be opened."));
    return *application;
}

} // namespace kelvo::front
