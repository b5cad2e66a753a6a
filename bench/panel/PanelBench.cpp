// Opening the panel: building its content and reading every switch's state, against the
// simulated host and against the real runners (here the host's programs are missing, so each
// command fails fast), each as a ratio to as many bare /bin/zsh -c true spawns, one after
// another, as the real path starts processes, measured in the same run. The real runner starts
// its readings together. Times are wall-clock: the work is mostly waiting for children.
// The Linux desktop host reads through GSettings and its own state, starting nothing: it is
// set against one spawn. Run it inside the desktop session to measure (or under
// dbus-run-session with XDG_CURRENT_DESKTOP=GNOME, for dconf and the schemas Debian ships).
#include <QApplication>

#include "BenchSupport.h"
#include "fakes/TestPlatform.h"
#include "panel/StatusContentView.h"
#include "platform/host/MacHost.h"
#include "platform/host/OsascriptRunner.h"
#include "platform/host/PosixProcessRunner.h"
#include "platform/host/SimulatedHost.h"
#include "platform/host/SystemGlobalDomain.h"
#include "platform/host/linux/LinuxHost.h"
#include "scenes/SceneManager.h"
#include "switches/SystemTools.h"

namespace {

using namespace swivlo;

// Counts what reaches the real runner, to size the floor. With `together` false a started run
// happens only when collected, as if the readings ran one after another.
class CountingRunner : public ProcessRunner {
public:
    explicit CountingRunner(ProcessRunner& inner) : inner_(inner) {}
    ProcessOutcome run(const ProcessRequest& request) override {
        ++runs;
        return inner_.run(request);
    }
    Pending<ProcessOutcome> start(const ProcessRequest& request) override {
        if (!together) {
            return ProcessRunner::start(request);
        }
        ++runs;
        return inner_.start(request);
    }
    std::unique_ptr<ChildProcess> launch(const ProcessRequest& request,
                                         std::string& error) override {
        ++runs;
        return inner_.launch(request, error);
    }
    int runs = 0;
    bool together = true;

private:
    ProcessRunner& inner_;
};

struct Hosts {
    PosixProcessRunner posix;
    CountingRunner real{posix};
    OsascriptRunner scripts{real};
    SystemGlobalDomain global{real};
    SimulatedHost simulated;
    MacHost mac;

    Hosts() { Service<SystemHost>::install(&mac); }

    void useSimulated() {
        Service<ProcessRunner>::install(&simulated);
        Service<ScriptRunner>::install(&simulated);
        Service<GlobalDomain>::install(&simulated);
    }
    void useReal() {
        Service<ProcessRunner>::install(&real);
        Service<ScriptRunner>::install(&scripts);
        Service<GlobalDomain>::install(&global);
    }
};

Hosts* hosts = nullptr;
SceneManager* scenes = nullptr;
int processesPerOpening = 0;

void openPanel() {
    StatusContentView view(*scenes, StatusContent::Openers{});
    view.content().loadSwitchStates();
    benchmark::DoNotOptimize(view.content().isOn(Capability::hideDesktop));
}

void BM_OpenPanelSimulatedHost(benchmark::State& state) {
    hosts->useSimulated();
    for (auto _ : state) {
        openPanel();
    }
}

void BM_OpenPanelRealRunner(benchmark::State& state) {
    hosts->useReal();
    for (auto _ : state) {
        openPanel();
    }
}

void BM_OpenPanelRealRunnerOneByOne(benchmark::State& state) {
    hosts->useReal();
    hosts->real.together = false;
    for (auto _ : state) {
        openPanel();
    }
    hosts->real.together = true;
}

void BM_OpenPanelLinuxHost(benchmark::State& state) {
    static linuxhost::LinuxHost desktop;
    Service<SystemHost>::install(&desktop);
    for (auto _ : state) {
        openPanel();
    }
    Service<SystemHost>::install(&hosts->mac);
}

// The readings alone, without building the panel's view.
void BM_ReadSwitchesLinuxHost(benchmark::State& state) {
    static linuxhost::LinuxHost desktop;
    Service<SystemHost>::install(&desktop);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SystemTools::shared().readStates());
    }
    Service<SystemHost>::install(&hosts->mac);
}

void BM_OneBareSpawn(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::spawnBareShell());
    }
}

void BM_BareSpawnFloor(benchmark::State& state) {
    for (auto _ : state) {
        for (int i = 0; i < processesPerOpening; ++i) {
            benchmark::DoNotOptimize(bench::spawnBareShell());
        }
    }
}

BENCHMARK(BM_OpenPanelSimulatedHost)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenPanelRealRunner)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenPanelRealRunnerOneByOne)
    ->UseRealTime()
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenPanelLinuxHost)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadSwitchesLinuxHost)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_OneBareSpawn)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareSpawnFloor)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::TestPlatform platform;
    bench::NullLog log;
    Service<LogOutput>::install(&log);
    Hosts allHosts;
    hosts = &allHosts;
    SceneManager sceneManager;
    scenes = &sceneManager;

    allHosts.useReal();
    openPanel();
    processesPerOpening = std::max(allHosts.real.runs, 1);

    benchmark::Initialize(&argc, argv);
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("processes per opening (real runner): %d\n", processesPerOpening);
    std::printf("median ratio simulated host / floor: %.3f\n",
                reporter.ratio("BM_OpenPanelSimulatedHost", "BM_BareSpawnFloor"));
    std::printf("median ratio real runner / floor: %.3f\n",
                reporter.ratio("BM_OpenPanelRealRunner", "BM_BareSpawnFloor"));
    std::printf("median ratio real runner, readings one after another / floor: %.3f\n",
                reporter.ratio("BM_OpenPanelRealRunnerOneByOne", "BM_BareSpawnFloor"));
    std::printf("median ratio Linux desktop host / one spawn: %.3f\n",
                reporter.ratio("BM_OpenPanelLinuxHost", "BM_OneBareSpawn"));
    std::printf("median ratio Linux desktop host, readings alone / one spawn: %.3f\n",
                reporter.ratio("BM_ReadSwitchesLinuxHost", "BM_OneBareSpawn"));
    return 0;
}
