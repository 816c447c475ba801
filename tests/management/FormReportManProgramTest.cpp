// "kelvo-report manager" run as a separate process, as a person would: its
// options, and failures of the host's calls reported on the command line.
#include "support/TempCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/ProgramRun.h"

namespace {

using Outcome = kelvo::test::ProgramOutcome;
using kelvo::test::ProgramPath;

struct ManagerProgram : ::testing::Test {
    QTemporaryDir home;

    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QFileInfo(ProgramPath()).isExecutable()) << "build kelvo-report first";
    }

    Outcome run(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.remove(QStringLiteral("XDG_DATA_HOME"));
        return kelvo::test::RunProgram(arguments, environment);
    }
};

} // namespace

TEST_F(ManagerProgram, IsListedAndDescribesItsOptions)
{
    const Outcome top = run({"--help"});
    EXPECT_EQ(top.exitCode, 0);
    EXPECT_TRUE(top.out.contains(QStringLiteral("  manager"))) << top.out.toStdString();

    const Outcome own = run({"manager", "--help"});
    EXPECT_EQ(own.exitCode, 0);
    EXPECT_TRUE(own.out.startsWith(QStringLiteral("Usage: kelvo-report manager"))) << own.out.toStdString();
    for (const char* option : {"--connection", "--user", "--position", "--employee", "--system", "--view", "--limited"})
        EXPECT_TRUE(own.out.contains(QLatin1String(option))) << option;
}

TEST_F(ManagerProgram, RefusesWrongArgumentsBeforeTouchingAnyCatalogue)
{
    for (const QStringList& arguments :
         {QStringList{"manager", "--view", "1", "--limited", "2"}, QStringList{"manager", "--user", "abc"},
          QStringList{"manager", "--system", "40000"}, QStringList{"manager", "--view", "x"},
          QStringList{"manager", "extra"}}) {
        const Outcome o = run(arguments);
        EXPECT_EQ(o.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(o.err.isEmpty()) << arguments.join(' ').toStdString();
    }
    // Nothing was built in the default demo folder.
    EXPECT_FALSE(QFileInfo::exists(home.path() + QStringLiteral("/.local/share/kelvo-report/demo")));
}

TEST_F(ManagerProgram, AFailingContextStartIsReportedAndEndsTheProgram)
{
    // A catalogue that does not exist: the host's View fails before any window opens.
    const QString missing =
        QStringLiteral("Provider=SQLite;Data Source=") + home.path() + QStringLiteral(";Initial Catalog=Missing");
    const Outcome view = run({"manager", "--connection", missing, "--view", "1"});
    EXPECT_EQ(view.exitCode, 1) << view.err.toStdString();
    EXPECT_TRUE(view.err.contains(QStringLiteral("kelvo-report manager: "))) << view.err.toStdString();

    // A string without a catalogue cannot serve the full start of ClearShow.
    const Outcome clear = run({"manager", "--connection", "Provider=SQLite;Data Source=" + home.path()});
    EXPECT_EQ(clear.exitCode, 1);
    EXPECT_TRUE(clear.err.contains(QStringLiteral("Initial Catalog"))) << clear.err.toStdString();
}
