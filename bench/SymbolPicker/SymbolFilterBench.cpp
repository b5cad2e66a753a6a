// One keystroke in the picker's search field over a 20,000-name catalogue: the grid model's
// filter and reset, against a bare loop doing the same case-insensitive test over the names.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QStringList>

#include "SymbolPicker/SymbolGridModel.h"
#include "SymbolPicker/SymbolGridView.h"

namespace {

using namespace swivlo;

constexpr int kNames = 20000;
const QString kKeystroke = QStringLiteral("Ar");

// Names shaped like the system's: dotted words, some with variants.
SymbolList syntheticCatalogue() {
    static const char* words[] = {"arrow", "circle", "square", "person", "cloud", "bolt",
                                  "star",  "heart",  "house",  "car",    "leaf",  "moon",
                                  "sun",   "bell",   "doc",    "folder", "gear",  "lock"};
    static const char* suffixes[] = {"",       ".fill",       ".circle",       ".circle.fill",
                                     ".slash", ".badge.plus", ".and.arrow.up", ".2"};
    SymbolList list;
    list.reserve(kNames);
    const auto& categories = allSymbolCategories();
    for (int i = 0; list.size() < static_cast<std::size_t>(kNames); ++i) {
        const QString name = QStringLiteral("%1.%2%3.%4")
                                 .arg(QLatin1String(words[i % 18]))
                                 .arg(QLatin1String(words[(i / 18) % 18]))
                                 .arg(QLatin1String(suffixes[(i / 7) % 8]))
                                 .arg(i);
        list.push_back(std::make_shared<const Symbol>(
            name, SymbolCategorySet{categories[i % 30], categories[(i * 7) % 30]}));
    }
    return list;
}

void BM_BareLoop(benchmark::State& state) {
    QStringList names;
    for (const SymbolPtr& s : syntheticCatalogue()) {
        names << s->name();
    }
    for (auto _ : state) {
        int matches = 0;
        for (const QString& name : names) {
            matches += name.contains(kKeystroke, Qt::CaseInsensitive) ? 1 : 0;
        }
        benchmark::DoNotOptimize(matches);
    }
    state.SetItemsProcessed(state.iterations() * kNames);
}
BENCHMARK(BM_BareLoop)->Unit(benchmark::kMicrosecond);

// Types the keystroke again and again; with a view, the grid is laid out again after each one,
// as it is before the next paint.
void typeKeystrokes(benchmark::State& state, SymbolGridModel& model,
                    SymbolGridView* relayout = nullptr) {
    for (auto _ : state) {
        model.setSearchText(kKeystroke);
        if (relayout != nullptr) {
            relayout->doItemsLayout();
        }
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * kNames);
}

void BM_GridModelKeystroke(benchmark::State& state) {
    SymbolGridModel model(syntheticCatalogue(), allSymbolCategories());
    typeKeystrokes(state, model);
}
BENCHMARK(BM_GridModelKeystroke)->Unit(benchmark::kMicrosecond);

// The same with the grid view attached, so the view's reaction to the reset is counted too
// (argument 1: and the view laying the grid out again).
void BM_GridModelKeystrokeWithView(benchmark::State& state) {
    SymbolGridModel model(syntheticCatalogue(), allSymbolCategories());
    SymbolGridView view;
    view.resize(540, 280);
    view.setModel(&model);
    typeKeystrokes(state, model, state.range(0) != 0 ? &view : nullptr);
}
BENCHMARK(BM_GridModelKeystrokeWithView)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A narrower category list adds the category test to every entry.
void BM_GridModelKeystrokeTwoCategories(benchmark::State& state) {
    SymbolGridModel model(syntheticCatalogue(), {SymbolCategory::maps, SymbolCategory::arrows});
    typeKeystrokes(state, model);
}
BENCHMARK(BM_GridModelKeystrokeTwoCategories)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
