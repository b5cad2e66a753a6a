#pragma once

// Pieces every benchmark here shares: a log that costs what stdout would without a terminal,
// a reporter that keeps medians for the ratios printed after a run, and the bare shell spawn
// that is the floor of every host command.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/LogOutput.h"

namespace swivlo::bench {

class NullLog : public LogOutput {
public:
    NullLog() : file_(std::fopen("/dev/null", "w")) {}
    ~NullLog() override { std::fclose(file_); }
    NullLog(const NullLog&) = delete;
    NullLog& operator=(const NullLog&) = delete;
    void writeLine(const std::string& line) override {
        const std::string text = line + '\n';
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fflush(file_);
    }

private:
    std::FILE* file_;
};

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median") {
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double ratio(const std::string& a, const std::string& b) const {
        const auto x = medians.find(a);
        const auto y = medians.find(b);
        return x != medians.end() && y != medians.end() && y->second > 0 ? x->second / y->second
                                                                         : 0;
    }
    std::map<std::string, double> medians;
};

// One `/bin/zsh -c true`, spawned and waited for with nothing around it.
inline int spawnBareShell() {
    char shell[] = "/bin/zsh";
    char flag[] = "-c";
    char command[] = "true";
    char* argv[] = {shell, flag, command, nullptr};
    char path[] = "PATH=/usr/bin:/bin:/usr/sbin:/sbin";
    char* envp[] = {path, nullptr};
    pid_t pid = 0;
    posix_spawn(&pid, shell, nullptr, nullptr, argv, envp);
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

}  // namespace swivlo::bench
