#pragma once

// Waiting for a run of the report display control, for the tests of windows
// that run reports.
#include "presentation/ui/KelvoReport.h"

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

} // namespace kelvo::test
