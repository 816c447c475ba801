#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace kelvo::app {

// One subcommand of the program: "kelvo-report <name> [options]".
class Subcommand {
public:
    virtual ~Subcommand() = default;
    virtual QString name() const = 0;
    virtual QString summary() const = 0; // one line for the program's help
    // arguments start with the program name followed by the subcommand's
    // name; returns the exit code.
    virtual int run(const QStringList& arguments) = 0;
};

std::unique_ptr<Subcommand> MakeDemoCommand();
std::unique_ptr<Subcommand> MakeInitDbCommand();
std::unique_ptr<Subcommand> MakeSqlCommand();
std::unique_ptr<Subcommand> MakeManagerCommand();
std::unique_ptr<Subcommand> MakeRunCommand();

// Parses a subcommand's arguments with parser (which has its options and
// positional arguments but no help option yet). Prints the help on --help
// and a message on a parse error; the caller then returns exitCode.
// usage is the first help line, e.g. "kelvo-report demo [options] [FOLDER]".
bool ParseArguments(QCommandLineParser& parser, const QStringList& arguments, const QString& usage,
                    int& exitCode);

// Output helpers: text goes out as UTF-8.
void PrintOut(const QString& text);
void PrintError(const QString& text);

} // namespace kelvo::app
