#pragma once

// Waiting for a run of the report display control and finding the viewers
// it opens, for the tests of windows that run reports.
#include "presentation/ui/FormReportBuilder.h"
#include "presentation/ui/KelvoReport.h"

#include <QApplication>

#include <QEventLoop>
#include <QTimer>

namespace kelvo::test {

// Returns when the control's run has ended (ten seconds at most).
inline void WaitForRun(presentation::KelvoReport& control)
{
    if (!control.isRunning())
        return;
    QEventLoop loop;
    QObject::connect(&control, &presentation::KelvoReport::runEnded, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the report and waits until its run has ended.
inline void RunToEnd(presentation::KelvoReport& control, qint32 reportID)
{
    control.RunReport(reportID);
    WaitForRun(control);
}

// The viewer window shown with this caption; null when none is.
inline presentation::FormViewReport* ShownViewer(const QString& title)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("FormViewReport") && w->isVisible() && w->windowTitle() == title)
            return static_cast<presentation::FormViewReport*>(w);
    return nullptr;
}

} // namespace kelvo::test
