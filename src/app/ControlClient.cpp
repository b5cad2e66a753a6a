#include "app/ControlClient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "app/CommandLine.h"
#include "platform/XdgDirectories.h"
#include "platform/desktop/ControlServer.h"

namespace swivlo {

namespace {

QString padded(const QString& text, qsizetype width) {
    return text.leftJustified(width + 2);
}

// The list as a table: one line per switch, then the scenes.
QString listText(const QJsonObject& reply) {
    const QJsonArray switches = reply.value("switches").toArray();
    const QJsonArray scenes = reply.value("scenes").toArray();
    qsizetype idWidth = 0;
    qsizetype titleWidth = 0;
    for (const QJsonValue& value : switches) {
        idWidth = std::max(idWidth, value["id"].toString().size());
        titleWidth = std::max(titleWidth, value["title"].toString().size());
    }
    QString text;
    for (const QJsonValue& value : switches) {
        QString state = value["kind"].toString() == u"action" ? QStringLiteral("action")
                                                              : value["state"].toString();
        if (!value["available"].toBool()) {
            state = QStringLiteral("unavailable: ") + value["reason"].toString();
        } else if (value["caption"].isString()) {
            state += QStringLiteral(" (%1)").arg(value["caption"].toString());
        }
        text += padded(value["id"].toString(), idWidth) +
                padded(value["title"].toString(), titleWidth) + state + u'\n';
    }
    if (!scenes.isEmpty()) {
        text += QStringLiteral("\nScenes:\n");
        for (const QJsonValue& value : scenes) {
            text +=
                QStringLiteral("%1  %2  %3\n")
                    .arg(value["id"].toString(),
                         value["active"].toBool() ? QStringLiteral("on ") : QStringLiteral("off"),
                         value["name"].toString());
        }
    }
    return text;
}

}  // namespace

void writeText(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

int askRunningSwivlo(const control::Request& request, bool json, const QString& programName) {
    auto fail = [&programName](const QString& error, int code) {
        writeText(stderr, QStringLiteral("%1: %2\n").arg(programName, error));
        return code;
    };
    using Outcome = desktop::ControlExchange::Outcome;
    // No Swivlo can run without a runtime folder either.
    if (const auto runtime = runtimeDir(); runtime.path.isEmpty()) {
        return fail(runtime.problem, CommandLine::notRunningExitCode);
    }
    const auto exchange =
        desktop::askControlServer(control::socketPath(), control::encode(request));
    if (exchange.outcome == Outcome::noServer) {
        return fail(QStringLiteral("Swivlo is not running."), CommandLine::notRunningExitCode);
    }
    if (exchange.outcome == Outcome::otherUser) {
        return fail(QStringLiteral("%1 belongs to another user (uid %2), not to a Swivlo of "
                                   "yours: nothing was sent.")
                        .arg(control::socketPath())
                        .arg(exchange.peerUid),
                    CommandLine::failedExitCode);
    }
    const QJsonDocument document = QJsonDocument::fromJson(exchange.reply);
    const QJsonObject reply = document.object();
    if (exchange.outcome != Outcome::answered || !document.isObject() ||
        reply.value("v") != QJsonValue(control::version)) {
        return fail(QStringLiteral("the running Swivlo gave no answer it could read."),
                    CommandLine::notRunningExitCode);
    }
    if (!reply.value("ok").toBool()) {
        return fail(reply.value("error").toString(), CommandLine::failedExitCode);
    }
    if (request.command == control::Command::list) {
        if (json) {
            QJsonObject list = reply;
            for (const char* key : {"v", "ok", "message"}) {
                list.remove(QLatin1String(key));
            }
            writeText(stdout, QString::fromUtf8(QJsonDocument(list).toJson()));
        } else {
            writeText(stdout, listText(reply));
        }
    } else {
        writeText(stdout, reply.value("message").toString() + u'\n');
    }
    return 0;
}

}  // namespace swivlo
