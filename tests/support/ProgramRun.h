#pragma once

// A program run to its end, for tests of the command line with or without a display.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace swivlo::testing::x11 {

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a program to its end; the exit code stays -1 when it did not end normally in time.
inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const QProcessEnvironment& environment, int timeoutMs = 60000) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun result;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit) {
        result.exitCode = process.exitCode();
    }
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

}  // namespace swivlo::testing::x11
