#include "app/CommandLine.h"

#include <QFileInfo>
#include <cstdio>

#include "platform/host/HostChoice.h"

namespace swivlo {

namespace {

constexpr int usageErrorExitCode = 2;

const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Shows this help and exits."));
const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                       QStringLiteral("Shows the version and exits."));
const QCommandLineOption hostOption(
    QStringLiteral("host"),
    QStringLiteral("Which host the switches change: macos, linux (this desktop) or simulated "
                   "(a stand-in macOS host). Also SWIVLO_HOST; chosen by the machine when unset."),
    QStringLiteral("host"));

// The Qt toolkit reads these itself once the application object exists (-style Fusion,
// -platform xcb, ...); they are accepted here so they keep working.
void acceptToolkitOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
        "display",     "geometry",           "qmljsdebugger"};
    const char* const flags[] = {"reverse", "widgetcount"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

CommandLine::CommandLine(const QStringList& arguments)
    : programName_(arguments.isEmpty() ? QStringLiteral("swivlo")
                                       : QFileInfo(arguments.first()).fileName()) {
    // Long options may take one dash, as the toolkit's own do.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.setApplicationDescription(
        QStringLiteral("Quick system toggles from the tray.\n"
                       "Without options, Swivlo starts in the tray, once per session."));
    parser_.addOption(helpOption);
    parser_.addOption(versionOption);
    parser_.addOption(hostOption);
    acceptToolkitOptions(parser_);

    if (!parser_.parse(arguments)) {
        request_ = Request::Invalid;
        error_ = parser_.errorText();
    } else if (!parser_.positionalArguments().isEmpty()) {
        request_ = Request::Invalid;
        error_ =
            QStringLiteral("Unexpected argument '%1'.").arg(parser_.positionalArguments().first());
    } else if (parser_.isSet(hostOption) && !hostNamed(parser_.value(hostOption))) {
        request_ = Request::Invalid;
        error_ = QStringLiteral("Unknown host '%1': use macos, linux or simulated.")
                     .arg(parser_.value(hostOption));
    } else if (parser_.isSet(helpOption)) {
        request_ = Request::Help;
    } else if (parser_.isSet(versionOption)) {
        request_ = Request::Version;
    }
}

QString CommandLine::helpText() const {
    // The parser names the program from the application object, which does not exist yet.
    const QString text = parser_.helpText();
    return QStringLiteral("Usage: %1 [options]\n").arg(programName_) +
           text.section(QLatin1Char('\n'), 1);
}

QString CommandLine::host() const {
    return parser_.value(hostOption);
}

QString CommandLine::versionText() {
    return QStringLiteral("Swivlo %1\n").arg(QStringLiteral(SWIVLO_VERSION));
}

std::optional<int> handleCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine commandLine(arguments);
    switch (commandLine.request()) {
        case CommandLine::Request::Start:
            // The host choice reads the override from the environment; the option wins.
            if (const QString host = commandLine.host(); !host.isEmpty()) {
                qputenv("SWIVLO_HOST", host.toUtf8());
            }
            return std::nullopt;
        case CommandLine::Request::Help:
            write(stdout, commandLine.helpText());
            return 0;
        case CommandLine::Request::Version:
            write(stdout, CommandLine::versionText());
            return 0;
        case CommandLine::Request::Invalid:
            write(stderr, QStringLiteral("%1: %2 Try '%1 --help'.\n")
                              .arg(commandLine.programName(), commandLine.errorText()));
            return usageErrorExitCode;
    }
    return std::nullopt;
}

}  // namespace swivlo
