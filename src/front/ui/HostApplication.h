#pragma once

#include <QWidgetList>

class QApplication;

namespace kelvo::front {

// Right to left and the Persian font for every window of the application.
void PrepareApplication(QApplication& application);

// The application object the windows need. A host that runs none (a host
// written in C, say) gets one made by the component and prepared; a host that
// runs a QCoreApplication without widgets cannot show windows, which raises
// AutomationError 445.
QApplication& EnsureApplication();

// The application's top-level windows that are shown; none without an
// application.
QWidgetList OpenWindows();

} // namespace kelvo::front
