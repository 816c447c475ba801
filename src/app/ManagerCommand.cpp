// "kelvo-report manager": plays the host application. It creates the public
// class by its programmatic identifier, assigns the identity and the
// connection string in the order hosts must, calls ClearShow, View or
// LimitedView, and keeps the program running until the manager is closed.
#include "Subcommand.h"

#include "component/ui/ComponentLibrary.h"
#include "front/ui/HostApplication.h"
#include "platform/automation/ComponentRegistry.h"
#include "platform/automation/AutomationError.h"
#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"
#include "schema/demo/Catalogue.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>
#include <cstdint>

namespace kelvo::app {

namespace {

// The demo subcommand's default folder.
QString DefaultDemoFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share/kelvo-report");
    return base + QStringLiteral("/demo");
}

// The demo catalogue's connection string, building the catalogue first when
// it is missing.
QString DemoConnectionString()
{
    const QString folder = DefaultDemoFolder();
    const QString catalogue = QLatin1String(schema::kDemoCatalogue);
    if (!QFileInfo::exists(db::CataloguePath(folder, catalogue))) {
        PrintOut(QStringLiteral("Building the demo catalogue in %1 ...\n").arg(folder));
        return schema::BuildDemoCatalogue(folder).connectionString;
    }
    return schema::EmbeddedConnectionString(folder, catalogue);
}

bool ParseNumber(const QString& text, qint64 low, qint64 high, qint64& value)
{
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok && value >= low && value <= high;
}

// The demo's system administrator: user 1, employee 1, position 1 (all four
// report permissions).
constexpr int kDemoUser = 1;
constexpr int kDemoPosition = 1;
constexpr int kDemoEmployee = 1;

class ManagerCommand final : public Subcommand {
public:
    QString name() const override { return QStringLiteral("manager"); }
    QString summary() const override
    {
        return QStringLiteral("open the report manager as a host would (demo catalogue by default)");
    }

    int run(const QStringList& arguments) override
    {
        QCommandLineParser parser;
        parser.setApplicationDescription(
            QStringLiteral("Opens the report manager through the public class KelvoReportGenCls, as a host "
                           "application does, and runs until the manager is closed. Without --connection the "
                           "demo catalogue in %1 is used (built first when missing).")
                .arg(DefaultDemoFolder()));
        const QCommandLineOption connection(QStringLiteral("connection"),
                                            QStringLiteral("The host's connection string."), QStringLiteral("STR"));
        const QCommandLineOption user(QStringLiteral("user"),
                                      QStringLiteral("UserID (default %1).").arg(kDemoUser), QStringLiteral("N"));
        const QCommandLineOption position(QStringLiteral("position"),
                                          QStringLiteral("PositionID (default %1).").arg(kDemoPosition),
                                          QStringLiteral("N"));
        const QCommandLineOption employee(QStringLiteral("employee"),
                                          QStringLiteral("EmployeeID (default %1).").arg(kDemoEmployee),
                                          QStringLiteral("N"));
        const QCommandLineOption system(QStringLiteral("system"),
                                        QStringLiteral("systemID, the active subsystem (default -1: none)."),
                                        QStringLiteral("N"));
        const QCommandLineOption view(QStringLiteral("view"),
                                      QStringLiteral("Open the manager on a report through View."),
                                      QStringLiteral("REPORT"));
        const QCommandLineOption limited(QStringLiteral("limited"),
                                         QStringLiteral("Open the manager on a report through LimitedView."),
                                         QStringLiteral("REPORT"));
        parser.addOptions({connection, user, position, employee, system, view, limited});
        int exitCode = 0;
        if (!ParseArguments(parser, arguments,
                            QStringLiteral("kelvo-report manager [--connection STR] [--user N --position N "
                                           "--employee N --system N] [--view REPORT | --limited REPORT]"),
                            exitCode))
            return exitCode;
        if (!parser.positionalArguments().isEmpty()) {
            PrintError(QStringLiteral("kelvo-report manager: unexpected argument \"%1\".")
                           .arg(parser.positionalArguments().first()));
            return 2;
        }
        if (parser.isSet(view) && parser.isSet(limited)) {
            PrintError(QStringLiteral("kelvo-report manager: give --view or --limited, not both."));
            return 2;
        }

        struct Identity {
            const QCommandLineOption& option;
            const char* property;
            qint64 value;
        };
        Identity identity[] = {{user, "UserID", kDemoUser},
                               {position, "PositionID", kDemoPosition},
                               {employee, "EmployeeID", kDemoEmployee},
                               {system, "systemID", -1}};
        for (Identity& id : identity)
            if (parser.isSet(id.option) && !ParseNumber(parser.value(id.option), -32768, 32767, id.value)) {
                PrintError(QStringLiteral("kelvo-report manager: --%1 takes a number from -32768 to 32767.")
                               .arg(id.option.names().first()));
                return 2;
            }
        qint64 report = 0;
        const QCommandLineOption* reportOption = parser.isSet(view) ? &view : parser.isSet(limited) ? &limited : nullptr;
        if (reportOption && !ParseNumber(parser.value(*reportOption), INT32_MIN, INT32_MAX, report)) {
            PrintError(QStringLiteral("kelvo-report manager: --%1 takes a report number.")
                           .arg(reportOption->names().first()));
            return 2;
        }

        auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (!app) {
            PrintError(QStringLiteral("kelvo-report manager: the program was started without its windows."));
            return 1;
        }
        front::PrepareApplication(*app);

        try {
            const QString connectionString =
                parser.isSet(connection) ? parser.value(connection) : DemoConnectionString();
            std::unique_ptr<automation::Dispatch> host =
                component::LibraryComponents().create(QStringLiteral("KelvoReportGenerator.KelvoReportGenCls"));
            // The order hosts must keep: connection string, then the identity.
            host->putProperty(QStringLiteral("OleConnectionString"), connectionString);
            for (const Identity& id : identity)
                host->putProperty(QLatin1String(id.property), QVariant::fromValue<qint16>(qint16(id.value)));
            if (reportOption) {
                QVariantList args{qint32(report)};
                host->call(reportOption == &view ? QStringLiteral("View") : QStringLiteral("LimitedView"), args);
            } else {
                host->callWith(QStringLiteral("ClearShow"));
            }
            // A modeless manager is still open: run until it closes.
            const QWidgetList windows = QApplication::topLevelWidgets();
            if (std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }))
                return QApplication::exec();
        } catch (const automation::AutomationError& e) {
            PrintError(QStringLiteral("kelvo-report manager: error %1: %2").arg(e.number()).arg(e.description()));
            return 1;
        } catch (const db::DbError& e) {
            PrintError(QStringLiteral("kelvo-report manager: ") + e.fullText());
            return 1;
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Subcommand> MakeManagerCommand()
{
    return std::make_unique<ManagerCommand>();
}

} // namespace kelvo::app
