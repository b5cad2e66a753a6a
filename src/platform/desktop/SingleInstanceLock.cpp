#include "platform/desktop/SingleInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "platform/XdgDirectories.h"

namespace swivlo::desktop {

QString SingleInstanceLock::defaultPath() {
    return xdgRuntimeDir() + QStringLiteral("/swivlo.lock");
}

SingleInstanceLock::SingleInstanceLock(QString path) : path_(std::move(path)) {}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

SingleInstanceLock::Outcome SingleInstanceLock::acquire() {
    const QByteArray name = QFile::encodeName(path_);
    // Never through a link, never blocking on something that is not a file.
    const int fd =
        ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) {
        failure_ = std::strerror(errno);
        return Outcome::Failed;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        failure_ = "not a regular file";
        return Outcome::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            return Outcome::HeldByAnother;
        }
        failure_ = std::strerror(error);
        return Outcome::Failed;
    }
    // For whoever looks: which process holds it.
    const std::string pid = std::to_string(::getpid()) + '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const auto written = ::write(fd, pid.data(), pid.size());
    }
    fd_ = fd;
    return Outcome::Acquired;
}

}  // namespace swivlo::desktop
