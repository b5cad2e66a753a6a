#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

#include "app/ControlClient.h"
#include "platform/host/HostChoice.h"
#include "switches/KeepAwakeTimer.h"

namespace swivlo {

namespace {

const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Shows this help and exits."));
const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                       QStringLiteral("Shows the version and exits."));
const QCommandLineOption hostOption(
    QStringLiteral("host"),
    QStringLiteral("Which host the switches change: macos, linux (this desktop) or simulated "
                   "(a stand-in macOS host). Also SWIVLO_HOST; chosen by the machine when unset."),
    QStringLiteral("host"));

// Carried out by the running Swivlo.
const QCommandLineOption listOption(
    QStringLiteral("list"),
    QStringLiteral("Lists every switch (id, title, state, available or why not) and the scenes."));
const QCommandLineOption jsonOption(QStringLiteral("json"),
                                    QStringLiteral("With --list: the list as JSON, for scripts."));
const QCommandLineOption toggleOption(QStringLiteral("toggle"),
                                      QStringLiteral("Turns a switch on if it is off, and off "
                                                     "if it is on; runs an action."),
                                      QStringLiteral("id"));
const QCommandLineOption onOption(QStringLiteral("on"),
                                  QStringLiteral("Turns a switch on; runs an action."),
                                  QStringLiteral("id"));
const QCommandLineOption offOption(
    QStringLiteral("off"),
    QStringLiteral("Turns a switch off. After --scene, without an id: turns the scene off."),
    QStringLiteral("id"));
const QCommandLineOption forOption(
    QStringLiteral("for"),
    QStringLiteral("With --on keep_awake: keeps awake for this long, then turns it off "
                   "(30s, 90m, 2h; at most 24h). Turning it on or off by hand ends the timer."),
    QStringLiteral("time"));
const QCommandLineOption sceneOption(QStringLiteral("scene"),
                                     QStringLiteral("Turns a scene on, by its name or id."),
                                     QStringLiteral("name-or-id"));
const QCommandLineOption openPanelOption(QStringLiteral("open-panel"),
                                         QStringLiteral("Opens the panel under the tray icon."));
const QCommandLineOption togglePanelOption(
    QStringLiteral("toggle-panel"),
    QStringLiteral("Opens the panel, or closes it when it is open: the command for a shortcut "
                   "made in the desktop's keyboard settings."));
const QCommandLineOption settingsOption(QStringLiteral("settings"),
                                        QStringLiteral("Opens the settings window."));

// An --off with no id after it belongs to --scene; given an empty value here, the parser does
// not take the next option for its id.
QStringList withBareOff(QStringList arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const bool off =
            arguments[i] == QStringLiteral("--off") || arguments[i] == QStringLiteral("-off");
        if (off && (i + 1 == arguments.size() || arguments[i + 1].startsWith(u'-'))) {
            arguments[i] = QStringLiteral("--off=");
        }
    }
    return arguments;
}

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

// The first option that takes a value and was given more than once.
QString repeatedOption(const QCommandLineParser& parser) {
    for (const QCommandLineOption* option :
         {&hostOption, &toggleOption, &onOption, &offOption, &forOption, &sceneOption}) {
        if (parser.values(*option).size() > 1) {
            return option->names().constLast();
        }
    }
    return {};
}

const char homePage[] = "https://github.com/swivlo/swivlo";

}  // namespace

CommandLine::CommandLine(const QStringList& arguments)
    : programName_(arguments.isEmpty() ? QStringLiteral("swivlo")
                                       : QFileInfo(arguments.first()).fileName()) {
    // Long options may take one dash, as the toolkit's own do.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.setApplicationDescription(
        QStringLiteral("Quick system toggles from the tray.\n"
                       "Without options, Swivlo starts in the tray, once per session.\n"
                       "The other options control the Swivlo that is running: ids as --list "
                       "shows them.\n"
                       "Exit codes: 0 done, 1 refused or failed (nothing changed), 2 wrong "
                       "options, 3 Swivlo is not running."));
    parser_.addOption(helpOption);
    parser_.addOption(versionOption);
    parser_.addOption(hostOption);
    for (const QCommandLineOption* option :
         {&listOption, &jsonOption, &toggleOption, &onOption, &offOption, &forOption, &sceneOption,
          &openPanelOption, &togglePanelOption, &settingsOption}) {
        parser_.addOption(*option);
    }
    acceptToolkitOptions(parser_);

    if (!parser_.parse(withBareOff(arguments))) {
        request_ = Request::Invalid;
        error_ = parser_.errorText();
    } else if (const QString repeated = repeatedOption(parser_); !repeated.isEmpty()) {
        // Only the last would count: a script asking for two things must not get one silently.
        request_ = Request::Invalid;
        error_ = QStringLiteral("--%1 given more than once: one at a time.").arg(repeated);
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
    } else {
        readControlOptions();
    }
}

void CommandLine::readControlOptions() {
    using control::Command;
    const bool sceneOff = parser_.isSet(offOption) && parser_.value(offOption).isEmpty();
    struct Choice {
        const QCommandLineOption& option;
        Command command;
    };
    const Choice choices[] = {
        {listOption, Command::list},
        {toggleOption, Command::toggle},
        {onOption, Command::on},
        {offOption, Command::off},
        {sceneOption, Command::scene},
        {openPanelOption, Command::openPanel},
        {togglePanelOption, Command::togglePanel},
        {settingsOption, Command::settings},
    };
    int chosen = 0;
    for (const Choice& choice : choices) {
        if (parser_.isSet(choice.option) && !(choice.command == Command::off && sceneOff)) {
            ++chosen;
            control_.command = choice.command;
            if (!choice.option.valueName().isEmpty()) {
                control_.target = parser_.value(choice.option);
            }
        }
    }
    auto invalid = [this](const QString& error) {
        request_ = Request::Invalid;
        error_ = error;
    };
    if (chosen == 0) {
        if (sceneOff) {
            invalid(QStringLiteral("--off needs a switch id, or goes after --scene."));
        } else if (parser_.isSet(jsonOption) || parser_.isSet(forOption)) {
            invalid(QStringLiteral("--%1 goes with another option.")
                        .arg(parser_.isSet(jsonOption) ? "json" : "for"));
        }
        return;
    }
    if (chosen > 1) {
        return invalid(
            QStringLiteral("One command at a time: --list, --toggle, --on, --off, "
                           "--scene, --open-panel, --toggle-panel or --settings."));
    }
    if (sceneOff && control_.command != Command::scene) {
        return invalid(QStringLiteral("--off needs a switch id, or goes after --scene."));
    }
    if (parser_.isSet(jsonOption) && control_.command != Command::list) {
        return invalid(QStringLiteral("--json goes with --list."));
    }
    if (parser_.isSet(forOption)) {
        if (control_.command != Command::on) {
            return invalid(QStringLiteral("--for goes with --on."));
        }
        control_.forSeconds = parseDuration(parser_.value(forOption));
        if (!control_.forSeconds) {
            return invalid(QStringLiteral("'%1' is not a time: a whole number of seconds, "
                                          "minutes or hours up to 24h, as 30s, 90m or 2h.")
                               .arg(parser_.value(forOption)));
        }
    }
    if (control_.target.trimmed().isEmpty() && control_.command != Command::list &&
        control_.command != Command::openPanel && control_.command != Command::togglePanel &&
        control_.command != Command::settings) {
        return invalid(QStringLiteral("An empty id or scene name."));
    }
    control_.off = sceneOff;
    json_ = parser_.isSet(jsonOption);
    request_ = Request::Control;
}

std::optional<double> CommandLine::parseDuration(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,6})([smh])$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const double unit = match.captured(2) == u"h" ? 3600 : match.captured(2) == u"m" ? 60 : 1;
    const double seconds = match.captured(1).toDouble() * unit;
    if (seconds <= 0 || seconds > KeepAwakeTimer::longestSeconds) {
        return std::nullopt;
    }
    return seconds;
}

QString CommandLine::helpText() const {
    // The parser names the program from the application object, which does not exist yet.
    const QString text = parser_.helpText();
    return QStringLiteral("Usage: %1 [options]\n").arg(programName_) +
           text.section(QLatin1Char('\n'), 1) +
           QStringLiteral("\nReport bugs to: <%1/issues>\nSwivlo home page: <%1>\n")
               .arg(QLatin1String(homePage));
}

QString CommandLine::host() const {
    return parser_.value(hostOption);
}

QString CommandLine::versionText() {
    return QStringLiteral(
               "Swivlo %1\n"
               "Copyright (C) 2026 The Swivlo developers\n"
               "License MIT: <https://opensource.org/licenses/MIT>\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(QStringLiteral(SWIVLO_VERSION));
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
            writeText(stdout, commandLine.helpText());
            return 0;
        case CommandLine::Request::Version:
            writeText(stdout, CommandLine::versionText());
            return 0;
        case CommandLine::Request::Control: {
            // For the socket's event handling; it needs no display.
            QCoreApplication application(argc, argv);
            return askRunningSwivlo(commandLine.controlRequest(), commandLine.json(),
                                    commandLine.programName());
        }
        case CommandLine::Request::Invalid:
            writeText(stderr, QStringLiteral("%1: %2 Try '%1 --help'.\n")
                                  .arg(commandLine.programName(), commandLine.errorText()));
            return CommandLine::usageExitCode;
    }
    return std::nullopt;
}

}  // namespace swivlo
