#include "platform/host/PosixProcessRunner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

extern char** environ;

namespace swivlo {

namespace {

// Children whose handles were dropped before they could be reaped; collected on later calls so
// none stays a zombie.
std::vector<pid_t>& unreaped() {
    static std::vector<pid_t> pids;
    return pids;
}

void reapFinished() {
    std::erase_if(unreaped(), [](pid_t pid) {
        int status = 0;
        const pid_t r = waitpid(pid, &status, WNOHANG);
        return r == pid || (r < 0 && errno == ECHILD);
    });
}

std::string launchErrorText(const std::string& executable, int error) {
    return "The file \u201c" + executable + "\u201d could not be started: " + std::strerror(error);
}

// argv/envp views over the request's strings; valid while the request lives.
struct SpawnArguments {
    std::vector<char*> argv;
    std::vector<char*> envp;

    SpawnArguments(const std::string& program, const ProcessRequest& request) {
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const auto& a : request.arguments) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        if (request.environment) {
            for (const auto& e : *request.environment) {
                envp.push_back(const_cast<char*>(e.c_str()));
            }
            envp.push_back(nullptr);
        }
    }
    char** environment() { return envp.empty() ? environ : envp.data(); }
};

// Children start with default signal handling and nothing blocked, whatever Swivlo ignores
// (SIGPIPE) or blocks for itself: an ignored signal would otherwise stay ignored across exec.
class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&attributes_);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    const posix_spawnattr_t* get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

// In a forked child before exec: only async-signal-safe calls.
void resetSignalsInChild() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int sig = 1; sig < NSIG; ++sig) {
        if (sig != SIGKILL && sig != SIGSTOP) {
            sigaction(sig, &action, nullptr);
        }
    }
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
}

// Starts `program` tied to this process: the kernel kills it when Swivlo ends, however it ends
// (a crash, SIGKILL, exit on a lost X connection), so a child never outlives the app. The tie
// belongs to the calling thread, which for Swivlo is the main thread, alive as long as the app.
// Returns the child's pid, or -1 with `error` set to the errno of the failed fork or exec.
pid_t spawnTied(const std::string& program, SpawnArguments& args, int& error) {
    // Closed by a successful exec; carries exec's errno when it fails.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        error = errno;
        return -1;
    }
    // No signal handler of Swivlo's may run in the child between fork and exec.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        close(report[0]);
        resetSignalsInChild();
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // Swivlo may have died before the tie was made: then nobody would end this child.
        if (getppid() != parent) {
            _exit(127);
        }
        execve(program.c_str(), args.argv.data(), args.environment());
        const int failed = errno;
        [[maybe_unused]] const auto written = write(report[1], &failed, sizeof failed);
        _exit(127);
    }
    const int forkError = errno;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    close(report[1]);
    if (pid < 0) {
        close(report[0]);
        error = forkError;
        return -1;
    }
    int execError = 0;
    ssize_t n = 0;
    while ((n = read(report[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (n > 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        error = execError;
        return -1;
    }
    return pid;
}

int decodeStatus(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    if (WIFSIGNALED(status)) {
        return WTERMSIG(status);
    }
    return -1;
}

class PosixChild : public ChildProcess {
public:
    explicit PosixChild(pid_t pid) : pid_(pid) {}
    ~PosixChild() override {
        if (!reaped_ && !tryReap()) {
            unreaped().push_back(pid_);
        }
    }

    bool isRunning() override { return !reaped_ && !tryReap(); }

    void terminate() override {
        if (reaped_) {
            return;
        }
        kill(pid_, SIGTERM);
        // A well-behaved child ends at once; collect it so it does not linger as a zombie, but
        // never hang on one that ignores the signal.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!tryReap() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }

    std::int64_t pid() const override { return pid_; }

private:
    bool tryReap() {
        int status = 0;
        const pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_ || (r < 0 && errno == ECHILD)) {
            reaped_ = true;
        }
        return reaped_;
    }

    pid_t pid_;
    bool reaped_ = false;
};

// A child started with its output on a pipe, collected by finish(). Until then a child that
// fills the pipe waits for it. One dropped without being collected is left to the zombie
// collection.
struct StartedRun {
    ProcessOutcome outcome;
    pid_t pid = 0;
    int fd = -1;

    StartedRun() = default;
    StartedRun(const StartedRun&) = delete;
    StartedRun& operator=(const StartedRun&) = delete;
    ~StartedRun() {
        if (fd >= 0) {
            close(fd);
        }
        if (pid > 0) {
            unreaped().push_back(pid);
        }
    }

    ProcessOutcome finish() {
        if (pid <= 0) {
            return outcome;
        }
        // Read to end of file while the child runs, so it never blocks on a full pipe for long.
        char buffer[65536];
        for (;;) {
            const ssize_t n = read(fd, buffer, sizeof buffer);
            if (n > 0) {
                outcome.output.append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                break;
            }
        }
        close(fd);
        fd = -1;
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        pid = 0;
        outcome.exitStatus = decodeStatus(status);
        return outcome;
    }

    static Pending<ProcessOutcome> pending(std::shared_ptr<StartedRun> run) {
        return Pending<ProcessOutcome>([run = std::move(run)] { return run->finish(); });
    }
};

}  // namespace

std::string PosixProcessRunner::resolve(const std::string& executable) const {
    const auto it = redirects_.find(executable);
    return it == redirects_.end() ? executable : it->second;
}

ProcessOutcome PosixProcessRunner::run(const ProcessRequest& request) {
    return start(request).wait();
}

Pending<ProcessOutcome> PosixProcessRunner::start(const ProcessRequest& request) {
    reapFinished();
    auto run = std::make_shared<StartedRun>();
    const std::string program = resolve(request.executable);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        run->outcome.launchError = launchErrorText(request.executable, errno);
        return StartedRun::pending(run);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);

    SpawnArguments args(program, request);
    const SpawnAttributes attributes;
    const int error = posix_spawn(&run->pid, program.c_str(), &actions, attributes.get(),
                                  args.argv.data(), args.environment());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (error != 0) {
        close(fds[0]);
        run->pid = 0;
        run->outcome.launchError = launchErrorText(request.executable, error);
        return StartedRun::pending(run);
    }
    run->outcome.launched = true;
    run->fd = fds[0];
    return StartedRun::pending(run);
}

std::unique_ptr<ChildProcess> PosixProcessRunner::launch(const ProcessRequest& request,
                                                         std::string& error) {
    reapFinished();
    const std::string program = resolve(request.executable);
    SpawnArguments args(program, request);
    int failure = 0;
    const pid_t pid = spawnTied(program, args, failure);
    if (pid < 0) {
        error = launchErrorText(request.executable, failure);
        return nullptr;
    }
    return std::make_unique<PosixChild>(pid);
}

}  // namespace swivlo
