// What runShellCommand adds to the cost of the shell itself: runShellCommand("true") against a
// bare posix_spawn + wait of the same /bin/zsh -c true. Prints the ratio of the medians. Both
// spend their time waiting for a child, not on the CPU: they are timed by the wall clock over a
// fixed number of runs.
#include "BenchSupport.h"
#include "platform/host/MacHost.h"
#include "platform/host/PosixProcessRunner.h"

namespace {

constexpr int kRuns = 200;

void BM_RunShellCommand(benchmark::State& state) {
    swivlo::MacHost mac;
    for (auto _ : state) {
        benchmark::DoNotOptimize(mac.runShellCommand("true"));
    }
}

void BM_BarePosixSpawn(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(swivlo::bench::spawnBareShell());
    }
}

BENCHMARK(BM_RunShellCommand)
    ->Iterations(kRuns)
    ->UseRealTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BarePosixSpawn)
    ->Iterations(kRuns)
    ->UseRealTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    swivlo::PosixProcessRunner processes;
    swivlo::bench::NullLog log;
    swivlo::Service<swivlo::ProcessRunner>::install(&processes);
    swivlo::Service<swivlo::LogOutput>::install(&log);

    benchmark::Initialize(&argc, argv);
    swivlo::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("median ratio runShellCommand / bare posix_spawn: %.3f\n",
                reporter.ratio("BM_RunShellCommand", "BM_BarePosixSpawn"));
    return 0;
}
