#include "Subcommand.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "presentation/Messages.h"
#include "presentation/ReportDefinition.h"
#include "presentation/ReportExport.h"
#include "presentation/ui/PdfSink.h"


#include <cstdio>
#include <unistd.h>

namespace kelvo::app {

namespace {

class RunCommand final : public Subcommand {
public:
    QString name() const override { return QStringLiteral("run"); }
    QString summary() const override { return QStringLiteral("run a report without a window and write its rows"); }

    int run(const QStringList& arguments) override
    {
        QCommandLineParser parser;
        parser.setApplicationDescription(QStringLiteral(
            "Runs stored report REPORT on the connection STR through the same layers as the viewer and writes "
            "its rows to FILE. The rows are piped from the database into the file batch by batch, so memory "
            "does not grow with their number.\n\n"
            "Parameters are given as --param NAME=VALUE, NAME being the parameter's name or number; a "
            "multi-valued parameter takes its values separated by commas. Every shown parameter needs a "
            "value; a hidden one left out is NULL. The environment values of the query take the identity "
            "of --user, --employee and --position (default 1 each) and the current date and time.\n\n"
            "Formats: csv (UTF-8 with a byte-order mark) and xlsx (an Excel workbook with typed cells on a "
            "right-to-left sheet), pdf (A4 pages right to left, the title, the run date and page numbers, the "
            "headings on every page). The file appears whole or not at all.\n"
            "A progress line goes to standard error when it is a terminal. Exit codes: 0 done, 1 the report "
            "or the database failed, 2 a wrong argument."));
        const QCommandLineOption connection(QStringLiteral("connection"), QStringLiteral("Connection string."),
                                            QStringLiteral("STR"));
        const QCommandLineOption report(QStringLiteral("report"), QStringLiteral("Report number."),
                                        QStringLiteral("N"));
        const QCommandLineOption param(QStringLiteral("param"), QStringLiteral("A parameter's value (repeatable)."),
                                       QStringLiteral("NAME=VALUE"));
        const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("User identifier."), QStringLiteral("N"),
                                      QStringLiteral("1"));
        const QCommandLineOption employee(QStringLiteral("employee"), QStringLiteral("Employee identifier."),
                                          QStringLiteral("N"), QStringLiteral("1"));
        const QCommandLineOption position(QStringLiteral("position"), QStringLiteral("Position identifier."),
                                          QStringLiteral("N"), QStringLiteral("1"));
        const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("Output format: csv, xlsx or pdf."),
                                        QStringLiteral("FORMAT"), QStringLiteral("csv"));
        const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("The file to write."),
                                        QStringLiteral("FILE"));
        for (const auto* option : {&connection, &report, &param, &user, &employee, &position, &format, &output})
            parser.addOption(*option);
        int exitCode = 0;
        if (!ParseArguments(parser, arguments,
                            QStringLiteral("kelvo-report run --connection STR --report N [--param NAME=VALUE]... "
                                           "[--user N --employee N --position N] --format csv|xlsx|pdf --output FILE"),
                            exitCode))
            return exitCode;

        const auto fail = [](const QString& message, int code) {
            PrintError(QStringLiteral("kelvo-report run: ") + message);
            return code;
        };
        if (!parser.isSet(connection) || !parser.isSet(report) || !parser.isSet(output))
            return fail(QStringLiteral("give --connection, --report and --output."), 2);
        const std::optional<presentation::ExportFormat> chosenFormat = presentation::ExportFormatNamed(parser.value(format));
        if (!chosenFormat)
            return fail(QStringLiteral("unknown format \"%1\" (csv, xlsx, pdf).").arg(parser.value(format)), 2);
        bool ok = false;
        const qint32 reportID = parser.value(report).toInt(&ok);
        if (!ok)
            return fail(QStringLiteral("--report takes a report number."), 2);
        presentation::RunEnvironment environment;
        struct Identity {
            const QCommandLineOption& option;
            qint16& field;
        } identities[] = {{user, environment.userID}, {employee, environment.employeeID},
                          {position, environment.positionID}};
        for (Identity& id : identities) {
            const int value = parser.value(id.option).toInt(&ok);
            if (!ok || value < -32768 || value > 32767)
                return fail(QStringLiteral("--%1 takes a number from -32768 to 32767.").arg(id.option.names().first()), 2);
            id.field = qint16(value);
        }

        try {
            db::Connection db(parser.value(connection));
            const std::optional<presentation::ReportDefinition> definition =
                presentation::LoadReportDefinition(db, reportID);
            if (!definition)
                return fail(presentation::kNoReportMessage.arg(reportID), 1);
            const presentation::ParameterValues values =
                presentation::ParameterValuesFromTexts(*definition, parser.values(param));
            const presentation::RunStatement statement =
                presentation::BuildRunStatement(*definition, values, environment);

            const QString file = parser.value(output);
            const bool terminal = isatty(fileno(stderr));
            const qint64 rows = presentation::ExportRows(
                db, statement, presentation::SinkFactoryFor(*chosenFormat, definition->title), file, [terminal](qint64 n) {
                    if (terminal)
                        std::fprintf(stderr, "\r%lld rows", static_cast<long long>(n));
                });
            if (terminal)
                std::fprintf(stderr, "\r%lld rows written to %s\n", static_cast<long long>(rows), qPrintable(file));
        } catch (const presentation::RunError& e) {
            return fail(e.message(), 2);
        } catch (const db::DbError& e) {
            return fail(e.fullText(), 1);
        } catch (const std::runtime_error& e) {
            return fail(QString::fromUtf8(e.what()), 1);
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Subcommand> MakeRunCommand()
{
    return std::make_unique<RunCommand>();
}

} // namespace kelvo::app
