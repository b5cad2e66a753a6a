#include "platform/desktop/SwayIpc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QtEndian>

namespace swivlo::desktop {

namespace {

// i3's IPC framing, which sway speaks: "i3-ipc", the payload's length and the message type as
// 32-bit integers in the host's byte order, then the payload.
const QByteArray magic = QByteArrayLiteral("i3-ipc");
constexpr int headerSize = 14;
constexpr quint32 runCommand = 0;
constexpr quint32 getWorkspaces = 1;
constexpr int timeoutMs = 1000;

// sway's answer to one message; empty when there is none.
QJsonDocument request(quint32 type, const QByteArray& payload) {
    QLocalSocket socket;
    socket.connectToServer(qEnvironmentVariable("SWAYSOCK"));
    if (!socket.waitForConnected(timeoutMs)) {
        return {};
    }
    QByteArray message = magic;
    const quint32 fields[] = {quint32(payload.size()), type};
    message.append(reinterpret_cast<const char*>(fields), sizeof fields);
    socket.write(message + payload);
    QByteArray reply;
    qsizetype expected = -1;
    while (expected < 0 || reply.size() < expected) {
        if (!socket.waitForReadyRead(timeoutMs)) {
            return {};
        }
        reply += socket.readAll();
        if (expected < 0 && reply.size() >= headerSize) {
            if (!reply.startsWith(magic)) {
                return {};
            }
            expected = headerSize + qFromUnaligned<quint32>(reply.constData() + magic.size());
        }
    }
    return QJsonDocument::fromJson(reply.mid(headerSize));
}

}  // namespace

bool SwayIpc::available() {
    return !qEnvironmentVariableIsEmpty("SWAYSOCK");
}

std::optional<QRect> SwayIpc::workArea() {
    for (const QJsonValue& workspace : request(getWorkspaces, {}).array()) {
        if (workspace[QStringLiteral("focused")].toBool()) {
            const QJsonObject rect = workspace[QStringLiteral("rect")].toObject();
            return QRect(rect[QStringLiteral("x")].toInt(), rect[QStringLiteral("y")].toInt(),
                         rect[QStringLiteral("width")].toInt(),
                         rect[QStringLiteral("height")].toInt());
        }
    }
    return std::nullopt;
}

bool SwayIpc::moveWindow(unsigned long x11Window, QPoint topLeft) {
    const QString command = QStringLiteral("[id=%1] floating enable, move absolute position %2 %3")
                                .arg(x11Window)
                                .arg(topLeft.x())
                                .arg(topLeft.y());
    // One {"success": ...} for each of the two commands.
    const QJsonArray results = request(runCommand, command.toUtf8()).array();
    for (const QJsonValue& result : results) {
        if (!result[QStringLiteral("success")].toBool()) {
            return false;
        }
    }
    return !results.isEmpty();
}

}  // namespace swivlo::desktop
