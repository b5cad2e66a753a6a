// Loading and saving a large scene list, against nlohmann parsing and dumping the same bytes:
// the store's own work (checking members, ids, copying into scenes) should stay a small
// fraction on top of the JSON library.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <nlohmann/json.hpp>

#include "fakes/MemoryPreferencesStore.h"
#include "scenes/SceneCodec.h"
#include "scenes/SceneManager.h"

namespace {

constexpr int kSceneCount = 10'000;

std::vector<swivlo::Scene> sampleScenes() {
    const char* const features[] = {"hideDesktop",  "hideWidgets", "autoHideDock",
                                    "stageManager", "darkMode",    "keepAwake"};
    std::vector<swivlo::Scene> scenes;
    for (int i = 0; i < kSceneCount; ++i) {
        swivlo::Scene scene{QUuid::createUuid(),
                            "Scene \"" + std::to_string(i) + "\" · é",
                            "brain.head.profile",
                            i % 2 ? "purple" : "custom:1E90FF",
                            i == 7,
                            {}};
        for (int f = 0; f < 6; ++f) {
            if ((i + f) % 3 != 0) {
                scene.features[features[f]] = (i + f) % 2 == 0;
            }
        }
        scenes.push_back(std::move(scene));
    }
    return scenes;
}

class StoredScenes : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        swivlo::Service<swivlo::PreferencesStore>::install(&store);
        bytes = *swivlo::encodeScenes(sampleScenes());
        store.setData(swivlo::SceneManager::saveKey, QByteArray::fromStdString(bytes));
    }
    void TearDown(const benchmark::State&) override {
        swivlo::Service<swivlo::PreferencesStore>::install(nullptr);
    }

    swivlo::testing::MemoryPreferencesStore store;
    std::string bytes;
};

BENCHMARK_F(StoredScenes, LoadAndSave)(benchmark::State& state) {
    swivlo::SceneManager manager;
    for (auto _ : state) {
        manager.loadScenes();
        manager.saveScenes();
    }
    if (manager.scenes().size() != kSceneCount) {
        state.SkipWithError("scenes did not load");
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes.size()));
}

BENCHMARK_F(StoredScenes, OrderedJsonParseAndDump)(benchmark::State& state) {
    for (auto _ : state) {
        const auto json = nlohmann::ordered_json::parse(bytes);
        benchmark::DoNotOptimize(json.dump());
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes.size()));
}

BENCHMARK_F(StoredScenes, JsonParseAndDump)(benchmark::State& state) {
    for (auto _ : state) {
        const auto json = nlohmann::json::parse(bytes);
        benchmark::DoNotOptimize(json.dump());
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes.size()));
}

BENCHMARK_F(StoredScenes, DecodeOnly)(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(swivlo::decodeScenes(bytes));
}
BENCHMARK_F(StoredScenes, EncodeOnly)(benchmark::State& state) {
    auto scenes = *swivlo::decodeScenes(bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(swivlo::encodeScenes(scenes));
}
BENCHMARK_F(StoredScenes, ParseOnly)(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(nlohmann::ordered_json::parse(bytes));
}
BENCHMARK_F(StoredScenes, DumpOnly)(benchmark::State& state) {
    auto j = nlohmann::ordered_json::parse(bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(j.dump());
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
