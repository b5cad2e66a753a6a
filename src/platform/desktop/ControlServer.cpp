#include "platform/desktop/ControlServer.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QVariant>

#include "platform/MainQueue.h"

namespace swivlo::desktop {

namespace {
constexpr int connectTimeoutMs = 2000;
// A scene or a restarting Dock may keep the running Swivlo busy for a while.
constexpr int replyTimeoutMs = 30000;
constexpr qsizetype maxReplyBytes = 1 << 20;

// Marks a socket whose request has been answered, so late data and the timeout leave it alone.
constexpr char answeredProperty[] = "swivloAnswered";
}  // namespace

ControlServer::ControlServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this)) {
    // Made in a private folder and moved into place, so no other user ever sees it open.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &ControlServer::accept);
}

ControlServer::~ControlServer() {
    server_->close();
}

bool ControlServer::listen(const QString& path) {
    QLocalServer::removeServer(path);
    return server_->listen(path);
}

QString ControlServer::errorString() const {
    return server_->errorString();
}

void ControlServer::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this] { --open_; });
        ++open_;
        if (open_ > maxConnections) {
            answer(socket, {{}, QStringLiteral("too many connections at once")});
            continue;
        }
        socket->setReadBufferSize(maxRequestBytes + 1);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        mainQueue().asyncAfter(requestTimeoutSeconds, [this, guard = QPointer(socket)] {
            if (guard && !guard->property(answeredProperty).toBool()) {
                answer(guard, {{}, QStringLiteral("no whole request in time")});
            }
        });
        read(socket);
    }
}

void ControlServer::read(QLocalSocket* socket) {
    if (socket->property(answeredProperty).toBool()) {
        socket->readAll();
        return;
    }
    const QByteArray pending = socket->peek(maxRequestBytes + 1);
    const auto end = pending.indexOf('\n');
    if (end < 0) {
        if (pending.size() > maxRequestBytes) {
            answer(socket, {{}, QStringLiteral("longer than %1 bytes").arg(maxRequestBytes)});
        }
        return;
    }
    socket->read(end + 1);
    answer(socket, {pending.left(end), {}});
}

void ControlServer::answer(QLocalSocket* socket, const Received& received) {
    socket->setProperty(answeredProperty, true);
    const QByteArray reply = handler_(received) + '\n';
    socket->write(reply);
    // Closes once the reply is written; the peer's own close ends it sooner.
    socket->disconnectFromServer();
}

ControlExchange askControlServer(const QString& path, const QByteArray& request) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(connectTimeoutMs)) {
        return {};
    }
    // The kernel's word on who listens at the other end, not the file's owner.
    struct ucred peer = {};
    socklen_t size = sizeof peer;
    const bool known = ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET,
                                    SO_PEERCRED, &peer, &size) == 0;
    if (!known || peer.uid != ::geteuid()) {
        return {ControlExchange::Outcome::otherUser, {}, known ? static_cast<long>(peer.uid) : -1};
    }
    socket.write(request + '\n');
    QByteArray received;
    while (!received.contains('\n') && received.size() <= maxReplyBytes) {
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(replyTimeoutMs)) {
            break;
        }
        received += socket.readAll();
    }
    const auto end = received.indexOf('\n');
    if (end < 0) {
        return {ControlExchange::Outcome::noAnswer, {}};
    }
    return {ControlExchange::Outcome::answered, received.left(end)};
}

}  // namespace swivlo::desktop
