// What runShellCommand adds to the cost of the shell itself: runShellCommand("true") against a
// bare posix_spawn + wait of the same /bin/zsh -c true. Prints the ratio of the medians.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <map>

#include "platform/LogOutput.h"
#include "platform/host/PosixProcessRunner.h"
#include "switches/SystemTools.h"

namespace {

// Log lines go where stdout would, minus the terminal: same write and flush per line.
class NullLog : public swivlo::LogOutput {
public:
    NullLog() : file_(std::fopen("/dev/null", "w")) {}
    ~NullLog() override { std::fclose(file_); }
    void writeLine(const std::string& line) override {
        const std::string text = line + '\n';
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fflush(file_);
    }

private:
    std::FILE* file_;
};

void BM_RunShellCommand(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(swivlo::SystemTools::shared().runShellCommand("true"));
    }
}

void BM_BarePosixSpawn(benchmark::State& state) {
    char shell[] = "/bin/zsh";
    char flag[] = "-c";
    char command[] = "true";
    char* argv[] = {shell, flag, command, nullptr};
    char path[] = "PATH=/usr/bin:/bin:/usr/sbin:/sbin";
    char* envp[] = {path, nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        posix_spawn(&pid, shell, nullptr, nullptr, argv, envp);
        int status = 0;
        waitpid(pid, &status, 0);
        benchmark::DoNotOptimize(status);
    }
}

BENCHMARK(BM_RunShellCommand)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_BarePosixSpawn)->Repetitions(15)->ReportAggregatesOnly(true);

// Keeps the medians so the ratio can be printed after the run.
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
    std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
    swivlo::PosixProcessRunner processes;
    NullLog log;
    swivlo::Service<swivlo::ProcessRunner>::install(&processes);
    swivlo::Service<swivlo::LogOutput>::install(&log);

    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.medians["BM_RunShellCommand"];
    const double bare = reporter.medians["BM_BarePosixSpawn"];
    if (ours > 0 && bare > 0) {
        std::printf("median ratio runShellCommand / bare posix_spawn: %.3f\n", ours / bare);
    }
    return 0;
}
