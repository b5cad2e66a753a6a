#pragma once

#include <QString>
#include <string>

namespace swivlo::desktop {

// One Swivlo per user session: the running one holds an advisory lock on a file in the runtime
// folder. The kernel drops the lock when its holder ends, however it ends, so a lock left by a
// killed Swivlo is simply taken by the next one.
class SingleInstanceLock {
public:
    enum class Outcome {
        Acquired,
        HeldByAnother,  // a live Swivlo holds it
        Failed,         // the lock could not be taken at all; failure() says why
    };

    // $XDG_RUNTIME_DIR/swivlo.lock, or the same name in Qt's private runtime folder when the
    // variable is unset.
    static QString defaultPath();

    explicit SingleInstanceLock(QString path = defaultPath());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    Outcome acquire();
    const QString& path() const { return path_; }
    const std::string& failure() const { return failure_; }

private:
    QString path_;
    int fd_ = -1;
    std::string failure_;
};

}  // namespace swivlo::desktop
