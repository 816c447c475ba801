#include "Subcommand.h"

#include "platform/db/DbError.h"
#include "schema/demo/Catalogue.h"

#include <QDir>
#include <QStandardPaths>

namespace kelvo::app {

namespace {

QString DefaultDemoFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share/kelvo-report");
    return base + QStringLiteral("/demo");
}

class DemoCommand final : public Subcommand {
public:
    QString name() const override { return QStringLiteral("demo"); }
    QString summary() const override
    {
        return QStringLiteral("create or refresh the demo catalogue and print its connection string");
    }

    int run(const QStringList& arguments) override
    {
        QCommandLineParser parser;
        parser.setApplicationDescription(
            QStringLiteral("Builds the demo catalogue anew in FOLDER (default: %1), then prints its "
                           "connection string on a line of its own, followed by a summary of its rows.")
                .arg(DefaultDemoFolder()));
        const QCommandLineOption large(QStringLiteral("large"),
                                       QStringLiteral("Add the benchmark data (5,000 dictionary tables, "
                                                      "a fact table of 1,000,000 rows)."));
        parser.addOption(large);
        parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("Folder of the catalogue."),
                                     QStringLiteral("[FOLDER]"));
        int exitCode = 0;
        if (!ParseArguments(parser, arguments, QStringLiteral("kelvo-report demo [--large] [FOLDER]"), exitCode))
            return exitCode;
        if (parser.positionalArguments().size() > 1) {
            PrintError(QStringLiteral("kelvo-report demo: give at most one folder."));
            return 2;
        }
        const QString folder = parser.positionalArguments().isEmpty()
                                   ? DefaultDemoFolder()
                                   : QDir(parser.positionalArguments().first()).absolutePath();
        schema::DemoOptions options;
        options.large = parser.isSet(large);
        try {
            const schema::DemoSummary summary = schema::BuildDemoCatalogue(folder, options);
            PrintOut(summary.connectionString + u'\n');
            PrintOut(summary.text() + u'\n');
        } catch (const db::DbError& e) {
            PrintError(QStringLiteral("kelvo-report demo: ") + e.fullText());
            return 1;
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Subcommand> MakeDemoCommand()
{
    return std::make_unique<DemoCommand>();
}

} // namespace kelvo::app
