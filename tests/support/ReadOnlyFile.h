#pragma once

// A file no process of this user can write, root included: root ignores permission bits but not
// the immutable flag. Writable again when this goes, so its folder can be removed.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>

namespace swivlo::testing {

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path) : path_(QFile::encodeName(path)) {
        ok_ = geteuid() == 0 ? setImmutable(true) : ::chmod(path_.constData(), 0444) == 0;
    }
    ~ReadOnlyFile() {
        if (ok_ && geteuid() == 0) {
            setImmutable(false);
        } else if (ok_) {
            ::chmod(path_.constData(), 0644);
        }
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // False when the file system cannot make it read-only for root.
    bool ok() const { return ok_; }

private:
    bool setImmutable(bool on) const {
        const int fd = ::open(path_.constData(), O_RDONLY | O_CLOEXEC);
        int flags = 0;
        bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0) {
            ::close(fd);
        }
        return done;
    }

    QByteArray path_;
    bool ok_ = false;
};

}  // namespace swivlo::testing
