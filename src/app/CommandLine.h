#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/ControlProtocol.h"

namespace swivlo {

// The program's command line, read before anything else starts: answering it opens no window,
// places no tray icon and takes no single-instance lock. Every option is declared here, so a new
// one is an option, a request and its answer in handleCommandLine. The control options are
// carried out by the running Swivlo, over its control socket.
class CommandLine {
public:
    enum class Request { Start, Help, Version, Control, Invalid };

    // Exit codes besides 0: the command failed in the running Swivlo; the command line was
    // wrong; no running Swivlo answered.
    static constexpr int failedExitCode = 1;
    static constexpr int usageExitCode = 2;
    static constexpr int notRunningExitCode = 3;

    // `arguments` starts with the program's name.
    explicit CommandLine(const QStringList& arguments);

    Request request() const { return request_; }
    const QString& programName() const { return programName_; }
    QString helpText() const;
    // The host --host names; empty when not given.
    QString host() const;
    static QString versionText();
    // One line saying what was wrong, for an invalid command line.
    QString errorText() const { return error_; }

    // For a control request: what to ask, and whether the answer goes out as JSON.
    const control::Request& controlRequest() const { return control_; }
    bool json() const { return json_; }

    // "90m", "2h", "30s": the seconds, or none for anything else.
    static std::optional<double> parseDuration(const QString& text);

private:
    void readControlOptions();

    QCommandLineParser parser_;
    QString programName_;
    Request request_ = Request::Start;
    QString error_;
    control::Request control_;
    bool json_ = false;
};

// Answers the process's command line on standard output or standard error: the exit code when
// that is all it asked for, nothing when Swivlo should start.
std::optional<int> handleCommandLine(int argc, char** argv);

}  // namespace swivlo
