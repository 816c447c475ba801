#pragma once

#include <QtGlobal>

#include <functional>

class QWidget;

namespace kelvo::front {
struct Session;
class Prompter;
class WindowRunner;
} // namespace kelvo::front

namespace kelvo::management {

// What the design-and-run window is opened with: the report the manager
// shows (its identifier is also the context's CurrentReportID), and the
// manager window as parent. The window shows itself modally through windows
// when session.context.ModalWindows is true, modelessly otherwise.
struct ReportBuilderRequest {
    front::Session& session;
    front::Prompter& prompter;
    front::WindowRunner& windows;
    QWidget* manager = nullptr;
    qint32 reportID = -1;
};

using ReportBuilderOpener = std::function<void(const ReportBuilderRequest&)>;

// The design-and-run window registers how it is opened; the report manager
// opens it through the registered opener. Null until a window registers.
void SetReportBuilderOpener(ReportBuilderOpener opener);
const ReportBuilderOpener& RegisteredReportBuilderOpener();

// Shown by the report manager when no design-and-run window is registered.
inline const char* const kReportBuilderMissingMessage =
    "پنجره طراحي و اجراي گزارش در اين نسخه از گزارشساز موجود نيست.";

} // namespace kelvo::management
