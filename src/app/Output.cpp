#include "Subcommand.h"

#include <cstdio>

namespace kelvo::app {

bool ParseArguments(QCommandLineParser& parser, const QStringList& arguments, const QString& usage,
                    int& exitCode)
{
    const QCommandLineOption help = parser.addHelpOption();
    // The parser sees the program name and then the subcommand's own arguments.
    const QStringList own = QStringList{arguments.value(0)} + arguments.mid(2);
    const QString helpText = QStringLiteral("Usage: ") + usage + u'\n'
                             + parser.helpText().section(u'\n', 1);
    if (!parser.parse(own)) {
        PrintError(parser.errorText() + QStringLiteral("\n\n") + helpText);
        exitCode = 2;
        return false;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        PrintOut(helpText);
        exitCode = 0;
        return false;
    }
    return true;
}

void PrintOut(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void PrintError(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    if (!text.endsWith(u'\n'))
        std::fputc('\n', stderr);
}

} // namespace kelvo::app
