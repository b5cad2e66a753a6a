// The simulated host's side of the shell commands: a small word splitter, `defaults` and
// `killall`, with the real tools' outputs and exit statuses.
#include <QVariant>
#include <algorithm>
#include <cctype>
#include <limits>
#include <set>

#include "platform/host/SimulatedHost.h"

namespace swivlo {

namespace {

// Splits on blanks, honouring single and double quotes; enough for one simple command.
std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    bool inWord = false;
    char quote = 0;
    for (char c : text) {
        if (quote) {
            if (c == quote) {
                quote = 0;
            } else {
                current += c;
            }
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) {
                out.push_back(current);
                current.clear();
                inWord = false;
            }
        } else {
            current += c;
            inWord = true;
        }
    }
    if (inWord) {
        out.push_back(current);
    }
    return out;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string domainName(const std::string& word) {
    return word == "-g" || word == "-globalDomain" ? SimulatedHostState::globalDomain : word;
}

std::optional<QVariant> typedValue(const std::string& type, const std::string& text) {
    if (type == "-bool" || type == "-boolean") {
        const std::string w = lowered(text);
        if (w == "true" || w == "yes" || w == "1") {
            return QVariant(true);
        }
        if (w == "false" || w == "no" || w == "0") {
            return QVariant(false);
        }
        return std::nullopt;
    }
    if (type == "-int" || type == "-integer") {
        bool ok = false;
        const qlonglong n = QString::fromStdString(text).toLongLong(&ok);
        return ok ? std::optional<QVariant>(QVariant(n)) : std::nullopt;
    }
    if (type == "-string") {
        return QVariant(QString::fromStdString(text));
    }
    return std::nullopt;
}

std::string printed(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool() ? "1" : "0";
    }
    if (value.typeId() == QMetaType::QString) {
        return value.toString().toStdString();
    }
    return std::to_string(value.toLongLong());
}

const std::string usage = "Command line interface to a user's defaults.\n";

}  // namespace

SimulatedHost::ShellResult SimulatedHost::runShellText(const std::string& text) {
    const std::vector<std::string> args = words(text);
    if (args.empty()) {
        return {};
    }
    if (args[0] == "defaults") {
        return runDefaults(args);
    }
    if (args[0] == "killall") {
        return runKillall(args);
    }
    return {127, "zsh:1: command not found: " + args[0] + "\n"};
}

SimulatedHost::ShellResult SimulatedHost::runDefaults(const std::vector<std::string>& args) {
    if (args.size() < 4) {
        return {255, usage};
    }
    const std::string& verb = args[1];
    const std::string domain = domainName(args[2]);
    const std::string& key = args[3];
    if (verb == "read" && args.size() == 4) {
        if (const auto v = state_.value(domain, key)) {
            return {0, printed(*v) + "\n"};
        }
        return {1, "\nThe domain/default pair of (" + args[2] + ", " + key + ") does not exist\n"};
    }
    if (verb == "write" && (args.size() == 5 || args.size() == 6)) {
        const auto value = args.size() == 5
                               ? std::optional<QVariant>(QString::fromStdString(args[4]))
                               : typedValue(args[4], args[5]);
        if (!value) {
            return {1, "defaults: Unexpected argument " + args.back() +
                           "; leaving defaults unchanged.\n"};
        }
        change([&] { state_.setValue(domain, key, *value); });
        return {};
    }
    if (verb == "delete" && args.size() == 4) {
        if (!state_.value(domain, key)) {
            return {1, "\nDomain (" + args[2] + ") not found.\nDefaults have not been changed.\n"};
        }
        change([&] { state_.removeValue(domain, key); });
        return {};
    }
    return {255, usage};
}

SimulatedHost::ShellResult SimulatedHost::runKillall(const std::vector<std::string>& args) {
    static const std::set<std::string> restartable = {"Finder", "WindowManager", "Dock"};
    if (args.size() == 2 && restartable.count(args[1])) {
        events_->add("restart: " + args[1]);
        change([&] {
            // A count edited by hand can sit at the top of the range: it stays there.
            int& count = state_.restarts[args[1]];
            if (count < std::numeric_limits<int>::max()) {
                ++count;
            }
        });
        return {};
    }
    return {1, "No matching processes belonging to you were found\n"};
}

}  // namespace swivlo
