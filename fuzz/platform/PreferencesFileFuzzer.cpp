// Feeds arbitrary bytes as the preferences file, which users may edit by hand: values of the
// wrong type, huge numbers, non-UTF-8 bytes, a file cut off anywhere. Every typed read must give
// a value or its default without a sanitizer report, the panel must still list each item once,
// a shortcut must display, and writing one key must keep what the other keys held.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <set>

#include "FuzzSupport.h"
#include "core/PreferencesKeys.h"
#include "platform/LogOutput.h"
#include "platform/desktop/SettingsPreferencesStore.h"
#include "shortcut/ShortcutDisplay.h"
#include "switches/PanelItems.h"

namespace {

using swivlo::fuzz::check;
using swivlo::fuzz::DiscardedLog;

namespace K = swivlo::PreferencesKey;

QTemporaryDir* folder = nullptr;

struct Reading {
    bool launchAtLogin, autoClosePanel, hotkeyEnabled;
    std::string hidden, order, display;
    std::int64_t flags, keyCode;
    bool operator==(const Reading&) const = default;
};

Reading readAll() {
    namespace P = swivlo::Preferences;
    return {P::launchAtLogin(),       P::autoClosePanel(),  P::hotkeyEnabled(),
            P::hiddenSwitchIDs(),     P::panelItemsOrder(), P::hotkeyKeyDisplayString(),
            P::hotkeyModifierFlags(), P::hotkeyKeyCode()};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    static DiscardedLog log;
    swivlo::Service<swivlo::LogOutput>::install(&log);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = folder->filePath("Swivlo.conf");
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    swivlo::desktop::SettingsPreferencesStore store(path);
    swivlo::Service<swivlo::PreferencesStore>::install(&store);

    const Reading first = readAll();
    check(readAll() == first);
    const auto items = swivlo::PanelItems::orderedItems(first.order);
    check(items.size() == swivlo::SwitchCatalogue::all().size());
    std::set<const swivlo::Switch*> distinct(items.begin(), items.end());
    check(distinct.size() == items.size());
    // The trigger accepts only 16-bit key codes and non-negative flags; those must display.
    if (first.keyCode >= 0 && first.keyCode <= std::numeric_limits<std::uint16_t>::max() &&
        first.flags >= 0) {
        const std::string shown = swivlo::keys::shortcutDisplayString(
            static_cast<std::uint64_t>(first.flags), static_cast<std::uint16_t>(first.keyCode), "");
        check(!shown.empty());
    }

    // Writing the panel order (what the General tab does) keeps every other key as it was.
    std::vector<std::optional<QVariant>> before;
    for (const std::string* key : K::all) {
        before.push_back(store.object(*key));
    }
    store.setString(K::panelItemsOrder,
                    swivlo::PanelItems::joinIds(swivlo::PanelItems::splitIds(first.order)));
    for (std::size_t i = 0; i < std::size(K::all); ++i) {
        if (*K::all[i] != K::panelItemsOrder) {
            check(store.object(*K::all[i]) == before[i]);
        }
    }
    Reading expected = first;
    expected.order = swivlo::PanelItems::joinIds(swivlo::PanelItems::splitIds(first.order));
    check(readAll() == expected);
    swivlo::Service<swivlo::PreferencesStore>::install(nullptr);
    return 0;
}
