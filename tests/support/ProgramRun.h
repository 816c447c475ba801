#pragma once

// Runs the kelvo-report program as a separate process, as a person would
// from a shell.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace kelvo::test {

struct ProgramOutcome {
    int exitCode = -1; // -1 when it did not end normally within two minutes
    QString out;
    QString err;
};

inline QString ProgramPath()
{
    // Test programs are built in <build>/tests, the program in <build>/src/app.
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../src/app/kelvo-report"));
}

inline ProgramOutcome RunProgram(const QStringList& arguments,
                                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(ProgramPath(), arguments);
    ProgramOutcome outcome;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return outcome;
    }
    outcome.exitCode = process.exitCode();
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

} // namespace kelvo::test
