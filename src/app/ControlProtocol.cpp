#include "app/ControlProtocol.h"

#include <QJsonDocument>
#include <array>
#include <cmath>
#include <utility>

#include "platform/XdgDirectories.h"

namespace swivlo::control {

namespace {

constexpr std::array<std::pair<Command, const char*>, 8> commandNames = {{
    {Command::list, "list"},
    {Command::toggle, "toggle"},
    {Command::on, "on"},
    {Command::off, "off"},
    {Command::scene, "scene"},
    {Command::openPanel, "open-panel"},
    {Command::togglePanel, "toggle-panel"},
    {Command::settings, "settings"},
}};

bool takesTarget(Command command) {
    return command == Command::toggle || command == Command::on || command == Command::off ||
           command == Command::scene;
}

QByteArray line(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}  // namespace

QByteArray encode(const Request& request) {
    QJsonObject object{{"v", version}};
    for (const auto& [command, name] : commandNames) {
        if (command == request.command) {
            object.insert("command", QString::fromLatin1(name));
        }
    }
    if (takesTarget(request.command)) {
        object.insert("target", request.target);
    }
    if (request.off) {
        object.insert("off", true);
    }
    if (request.forSeconds) {
        object.insert("for", *request.forSeconds);
    }
    return line(object);
}

std::optional<Request> decode(const QByteArray& text, QString& error) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (!document.isObject()) {
        error = QStringLiteral("not a JSON object");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    if (object.value("v") != QJsonValue(version)) {
        error = QStringLiteral("not protocol version %1").arg(version);
        return std::nullopt;
    }
    Request request;
    const QString name = object.value("command").toString();
    bool known = false;
    for (const auto& [command, commandName] : commandNames) {
        if (name == QLatin1String(commandName)) {
            request.command = command;
            known = true;
        }
    }
    if (!known) {
        error = QStringLiteral("unknown command");
        return std::nullopt;
    }
    // Only the members this command takes, each of its type.
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString& key = it.key();
        const bool fits = key == "v" || key == "command" ||
                          (key == "target" && takesTarget(request.command) && it->isString()) ||
                          (key == "off" && request.command == Command::scene && it->isBool()) ||
                          (key == "for" && request.command == Command::on && it->isDouble());
        if (!fits) {
            error = QStringLiteral("unexpected member \"%1\"").arg(key);
            return std::nullopt;
        }
    }
    request.target = object.value("target").toString();
    if (takesTarget(request.command) && request.target.isEmpty()) {
        error = QStringLiteral("no target");
        return std::nullopt;
    }
    request.off = object.value("off").toBool();
    if (object.contains("for")) {
        const double seconds = object.value("for").toDouble();
        if (!std::isfinite(seconds) || seconds <= 0) {
            error = QStringLiteral("not a duration");
            return std::nullopt;
        }
        request.forSeconds = seconds;
    }
    return request;
}

QByteArray success(const QString& message, QJsonObject fields) {
    fields.insert("v", version);
    fields.insert("ok", true);
    fields.insert("message", message);
    return line(fields);
}

QByteArray failure(const QString& error) {
    return line(QJsonObject{{"v", version}, {"ok", false}, {"error", error}});
}

QString socketPath() {
    return xdgRuntimeDir() + QStringLiteral("/swivlo.socket");
}

}  // namespace swivlo::control
