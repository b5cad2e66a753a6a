#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace swivlo {

// The program's command line, read before anything else starts: answering it opens no window,
// places no tray icon and takes no single-instance lock. Every option is declared here, so a new
// one is an option, a request and its answer in handleCommandLine.
class CommandLine {
public:
    enum class Request { Start, Help, Version, Invalid };

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

private:
    QCommandLineParser parser_;
    QString programName_;
    Request request_ = Request::Start;
    QString error_;
};

// Answers the process's command line on standard output or standard error: the exit code when
// that is all it asked for, nothing when Swivlo should start.
std::optional<int> handleCommandLine(int argc, char** argv);

}  // namespace swivlo
