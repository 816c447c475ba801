// kelvo-report: the command line around the report generator.
#include "Subcommand.h"

#include <QApplication>
#include <QGuiApplication>

using namespace kelvo::app;

namespace {

QString ProgramHelp(const std::vector<std::unique_ptr<Subcommand>>& commands)
{
    QString text = QStringLiteral("Usage: kelvo-report <command> [options]\n\nCommands:\n");
    for (const auto& command : commands)
        text += QStringLiteral("  %1  %2\n").arg(command->name(), -8).arg(command->summary());
    text += QStringLiteral("\nRun \"kelvo-report <command> --help\" for the options of a command.\n");
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    // The manager shows windows and needs a QApplication; a report written as
    // PDF draws, and needs the GUI's fonts (on a machine without a screen the
    // offscreen platform); the others need none.
    const bool widgets = argc > 1 && qstrcmp(argv[1], "manager") == 0;
    bool draws = false;
    for (int i = 2; i + 1 < argc; ++i)
        if (qstrcmp(argv[1], "run") == 0 && qstrcmp(argv[i], "--format") == 0 && qstricmp(argv[i + 1], "pdf") == 0)
            draws = true;
    if (draws && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app = widgets ? std::make_unique<QApplication>(argc, argv)
                                                  : draws ? std::make_unique<QGuiApplication>(argc, argv)
                                                          : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvo-report"));

    std::vector<std::unique_ptr<Subcommand>> commands;
    commands.push_back(MakeDemoCommand());
    commands.push_back(MakeInitDbCommand());
    commands.push_back(MakeSqlCommand());
    commands.push_back(MakeManagerCommand());
    commands.push_back(MakeRunCommand());

    const QStringList arguments = QCoreApplication::arguments();
    const QString first = arguments.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        PrintOut(ProgramHelp(commands));
        return 0;
    }
    for (const auto& command : commands)
        if (command->name() == first)
            return command->run(arguments);

    if (first.isEmpty())
        PrintError(QStringLiteral("kelvo-report: no command given.\n\n") + ProgramHelp(commands));
    else
        PrintError(QStringLiteral("kelvo-report: unknown command \"%1\".\n\n").arg(first) + ProgramHelp(commands));
    return 2;
}
