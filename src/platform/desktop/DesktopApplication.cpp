#include "platform/desktop/DesktopApplication.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QDesktopServices>
#include <QSocketNotifier>
#include <QUrl>
#include <QWidget>
#include <csignal>
#include <cstdlib>

namespace swivlo::desktop {

void DesktopApplication::activateIgnoringOtherApps() {
    // The window about to be shown asks for the focus itself; bring forward what is already
    // open so the whole application comes to the front.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !(window->windowFlags() & Qt::Tool)) {
            window->raise();
        }
    }
}

void DesktopApplication::terminate() {
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool DesktopApplication::openURL(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

namespace {
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}
}  // namespace

void quitOnTerminationSignals() {
    // Neither end may reach a child; a full socket drops the byte instead of blocking the handler.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(sig, &action, nullptr);
    }
}

void keepInheritedDescriptorsFromChildren() {
    if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) == 0) {
        return;
    }
    // Kernels before 5.11: one by one.
    DIR* dir = ::opendir("/proc/self/fd");
    if (!dir) {
        return;
    }
    const int own = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const int fd = std::atoi(entry->d_name);
        if (fd > 2 && fd != own) {
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    ::closedir(dir);
}

void ignoreBrokenPipes() {
    struct sigaction action = {};
    action.sa_handler = SIG_IGN;
    sigemptyset(&action.sa_mask);
    sigaction(SIGPIPE, &action, nullptr);
}

void preferXwayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

}  // namespace swivlo::desktop
