#include "Subcommand.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "schema/demo/Catalogue.h"

#include <QDir>

namespace kelvo::app {

namespace {

bool IsSqlServerProvider(const QString& provider)
{
    for (const char* prefix : {"SQLOLEDB", "SQLNCLI", "MSOLEDBSQL"})
        if (provider.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return true;
    return false;
}

class InitDbCommand final : public Subcommand {
public:
    QString name() const override { return QStringLiteral("init-db"); }
    QString summary() const override
    {
        return QStringLiteral("create an empty repository catalogue with the whole schema");
    }

    int run(const QStringList& arguments) override
    {
        QCommandLineParser parser;
        parser.setApplicationDescription(QStringLiteral(
            "Creates an empty embedded catalogue holding the repository's tables, views and procedures.\n"
            "STR names the catalogue: \"Provider=SQLite;Data Source=<folder>;Initial Catalog=<name>\".\n"
            "A SQL Server repository is installed by running schema/sqlserver/repository.sql on the server."));
        const QCommandLineOption connection(QStringLiteral("connection"),
                                            QStringLiteral("Connection string of the new catalogue."),
                                            QStringLiteral("STR"));
        parser.addOption(connection);
        int exitCode = 0;
        if (!ParseArguments(parser, arguments, QStringLiteral("kelvo-report init-db --connection STR"), exitCode))
            return exitCode;
        if (!parser.isSet(connection) || !parser.positionalArguments().isEmpty()) {
            PrintError(QStringLiteral("kelvo-report init-db: give the catalogue as --connection STR and nothing else."));
            return 2;
        }

        const QString text = parser.value(connection);
        const db::ConnectionString cs(text);
        const QString provider = db::Connection(text).provider().trimmed();
        if (IsSqlServerProvider(provider)) {
            PrintError(QStringLiteral("kelvo-report init-db: a SQL Server catalogue is not created by this program; "
                                      "the host runs schema/sqlserver/repository.sql on its server."));
            return 1;
        }
        if (provider.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) != 0) {
            PrintError(QStringLiteral("kelvo-report init-db: only the embedded provider (Provider=SQLite) can be "
                                      "created this way; the connection string names \"%1\".")
                           .arg(provider));
            return 1;
        }
        const QString folder = cs.value(QStringLiteral("Data Source"));
        const QString catalogue = cs.value(QStringLiteral("Initial Catalog"));
        if (folder.isEmpty() || catalogue.isEmpty()) {
            PrintError(QStringLiteral("kelvo-report init-db: the connection string must name a Data Source "
                                      "folder and an Initial Catalog."));
            return 1;
        }
        if (catalogue.compare(QLatin1String("Master"), Qt::CaseInsensitive) == 0) {
            PrintError(QStringLiteral("kelvo-report init-db: \"Master\" is the built-in catalogue of every folder."));
            return 1;
        }
        try {
            schema::InitRepository(folder, catalogue);
        } catch (const db::DbError& e) {
            PrintError(QStringLiteral("kelvo-report init-db: ") + e.fullText());
            return 1;
        }
        PrintOut(QStringLiteral("Created the repository catalogue \"%1\" in %2\n")
                     .arg(catalogue, QDir(folder).absolutePath()));
        return 0;
    }
};

} // namespace

std::unique_ptr<Subcommand> MakeInitDbCommand()
{
    return std::make_unique<InitDbCommand>();
}

} // namespace kelvo::app
