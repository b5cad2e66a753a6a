#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;
class QLocalSocket;

namespace swivlo::desktop {

// The running Swivlo's end of its command line: a local socket only its user can open. Each
// connection brings one request line and gets one reply line; a connection that sends more
// than a request may hold, or nothing whole in time, or arrives while too many are open, gets
// a refusal instead. What a request means is the handler's business.
class ControlServer : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype maxRequestBytes = 4096;
    static constexpr double requestTimeoutSeconds = 2;
    static constexpr int maxConnections = 8;

    // What arrived: a request line (without its line feed), or why none will be read.
    struct Received {
        QByteArray line;
        QString refusal;
    };
    // Returns the reply line, without its line feed.
    using Handler = std::function<QByteArray(const Received&)>;

    explicit ControlServer(Handler handler, QObject* parent = nullptr);
    ~ControlServer() override;

    // Listens at `path`, replacing a socket a Swivlo that ended left behind (only the holder of
    // the single-instance lock may call this). False with errorString() when it cannot.
    bool listen(const QString& path);
    QString errorString() const;

private:
    void accept();
    void read(QLocalSocket* socket);
    void answer(QLocalSocket* socket, const Received& received);

    Handler handler_;
    QLocalServer* server_;
    int open_ = 0;
};

// The other end: sends one request line to the server at `path` and waits for its reply line.
// Nothing is sent to a socket another user listens on: anyone who could put one at the path
// could otherwise read the request and fake the answer.
struct ControlExchange {
    enum class Outcome { answered, noServer, noAnswer, otherUser };
    Outcome outcome = Outcome::noServer;
    QByteArray reply;   // without its line feed
    long peerUid = -1;  // for otherUser: whose socket it is
};
ControlExchange askControlServer(const QString& path, const QByteArray& request);

}  // namespace swivlo::desktop
