#include "front/ui/HostApplication.h"

#include "front/KelvoComponentApi.h"
#include "front/ui/AppStyle.h"
#include "platform/automation/AutomationError.h"

#include <QApplication>
#include <QWidget>

namespace kelvo::front {

namespace {

// Windows of the component that a person can see.
QWidgetList OpenWindows()
{
    QWidgetList open;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                open << w;
    return open;
}

} // namespace

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

// The event loop of the C interface, for hosts that run no Qt loop of their
// own (declared in front/KelvoComponentApi.h).

int kelvo_run_event_loop(void)
{
    if (kelvo::front::OpenWindows().isEmpty())
        return 0;
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec() == 0 ? 0 : -1;
}

void kelvo_process_events(void)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

int kelvo_open_windows(void)
{
    return int(kelvo::front::OpenWindows().size());
}

void kelvo_close_windows(void)
{
    for (QWidget* w : kelvo::front::OpenWindows())
        w->close();
    kelvo_process_events();
}
