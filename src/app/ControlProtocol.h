#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

// What the command line and the running Swivlo say to each other over the control socket: one
// JSON object on one line each way, both carrying the protocol's version.
namespace swivlo::control {

inline constexpr int version = 1;

enum class Command { list, toggle, on, off, scene, openPanel, togglePanel, settings };

struct Request {
    Command command = Command::list;
    // The switch id (toggle, on, off) or the scene's name or id (scene).
    QString target;
    // For a scene: turn it off rather than on.
    bool off = false;
    // For on: how long, in seconds.
    std::optional<double> forSeconds;
};

QByteArray encode(const Request& request);
// The request a line holds, or none with the reason when it holds anything else.
std::optional<Request> decode(const QByteArray& line, QString& error);

// Replies: `fields` go beside "v" and "ok"; a failure's reason in "error", a success's own
// words in "message".
QByteArray success(const QString& message, QJsonObject fields = {});
QByteArray failure(const QString& error);

// The socket, beside the single-instance lock in the runtime folder.
QString socketPath();

}  // namespace swivlo::control
