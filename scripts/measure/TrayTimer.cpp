// tray-timer SECONDS PROGRAM [ARGS...]: starts PROGRAM, waits until a window of its process (by
// _NET_WM_PID) of tray-icon size is viewable (its standard output discarded), then idles until
// SECONDS after that and prints
// "<milliseconds from exec to icon mapped> <resident kB>", and ends the program.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

extern char** environ;

namespace {

long windowPid(Display* display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && count == 1 && format == 32) {
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data) {
        XFree(data);
    }
    return pid;
}

bool hasViewableIcon(Display* display, Window window, Atom pidAtom, long pid) {
    XWindowAttributes attributes;
    if (windowPid(display, window, pidAtom) == pid &&
        XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable &&
        attributes.width > 1 && attributes.width <= 48 && attributes.height > 1 &&
        attributes.height <= 48) {
        return true;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &n)) {
        return false;
    }
    bool found = false;
    for (unsigned int i = 0; i < n && !found; ++i) {
        found = hasViewableIcon(display, children[i], pidAtom, pid);
    }
    if (children) {
        XFree(children);
    }
    return found;
}

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tray-timer SECONDS PROGRAM [ARGS...]\n");
        return 2;
    }
    const double idleSeconds = std::atof(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "tray-timer: no X display\n");
        return 1;
    }
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });  // windows vanish while walked
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    // The program's own output would mix with the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&pid, argv[2], &quiet, nullptr, argv + 2, environ) != 0) {
        std::perror("tray-timer: spawn");
        return 1;
    }
    double mappedMs = -1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
        if (hasViewableIcon(display, DefaultRootWindow(display), pidAtom, pid)) {
            mappedMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    long rss = -1;
    if (mappedMs >= 0) {
        std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
        rss = residentKilobytes(pid);
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    std::printf("%.1f %ld\n", mappedMs, rss);
    return mappedMs >= 0 ? 0 : 1;
}
