#include "management/ui/ReportHelp.h"

#include "front/Prompter.h"
#include "management/ManagerRecords.h"
#include "management/Messages.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace kelvo::management {

namespace {
// The help file under the host's base path.
const QString kHelpFile = QStringLiteral("\\Tivran\\Help\\tivran help detail\\ReportHelp.chm");
}

void ShowReportHelp(db::Connection& db, front::Prompter& prompter)
{
    if (const std::optional<QString> basePath = ReadHelpBasePath(db)) {
        const QFileInfo file(QString(*basePath + kHelpFile).replace(u'\\', u'/'));
        if (file.isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
            return;
    }
    prompter.ShowMessage(front::kErrorTitle, kHelpMissingMessage);
}

} // namespace kelvo::management
