#include "platform/hotkey/GnomeKeybinding.h"

#include "core/Localized.h"
#include "platform/Events.h"
#include "platform/KeyTranslation.h"
#include "platform/host/linux/GioSettings.h"

namespace swivlo {

using linuxhost::GioSettings;

QString gnomeAccelerator(std::uint64_t flags, std::uint16_t keyCode) {
    const std::string key = keys::keysymNameFor(keyCode);
    // Caps Lock is a lock, not a modifier, to GNOME.
    if (key.empty() || (flags & ModifierFlag::capsLock)) {
        return {};
    }
    QString accelerator;
    const std::pair<std::uint64_t, const char*> names[] = {{ModifierFlag::control, "<Control>"},
                                                           {ModifierFlag::option, "<Alt>"},
                                                           {ModifierFlag::shift, "<Shift>"},
                                                           {ModifierFlag::command, "<Super>"}};
    for (const auto& [flag, name] : names) {
        if (flags & flag) {
            accelerator += QLatin1String(name);
        }
    }
    return accelerator + QString::fromStdString(key);
}

std::unique_ptr<GnomeKeybinding> GnomeKeybinding::open(const QString& program) {
    auto list = GioSettings::open(QLatin1String(listSchema));
    auto entry = GioSettings::open(QLatin1String(entrySchema), QLatin1String(entryPath));
    if (!list || !entry) {
        return nullptr;
    }
    return std::unique_ptr<GnomeKeybinding>(
        new GnomeKeybinding(std::move(list), std::move(entry), program));
}

GnomeKeybinding::GnomeKeybinding(std::unique_ptr<GioSettings> list,
                                 std::unique_ptr<GioSettings> entry, QString program)
    : list_(std::move(list)), entry_(std::move(entry)), program_(std::move(program)) {}

// Swivlo gives the binding back when it quits (unbind); one left by a crash only runs a command
// that says Swivlo is not running.
GnomeKeybinding::~GnomeKeybinding() = default;

std::optional<QString> GnomeKeybinding::bind(std::uint64_t flags, std::uint16_t keyCode) {
    const QString accelerator = gnomeAccelerator(flags, keyCode);
    if (accelerator.isEmpty()) {
        const QString why = localized("GNOME cannot bind this key: choose another shortcut.");
        setProblem(why);
        return why;
    }
    const std::pair<const char*, QString> values[] = {
        {"name", QStringLiteral("Swivlo: open or close the panel")},
        {"command", QStringLiteral("'%1' --toggle-panel").arg(program_)},
        {"binding", accelerator}};
    // Each start binds again: only a change is written (and logged).
    for (const auto& [key, value] : values) {
        if (entry_->string(QLatin1String(key)) != value) {
            entry_->setString(QLatin1String(key), value);
        }
    }
    listEntry(true);
    GioSettings::sync();
    setProblem({});
    return std::nullopt;
}

void GnomeKeybinding::unbind() {
    const QString path = QLatin1String(entryPath);
    if (list_->strings(QStringLiteral("custom-keybindings")).contains(path)) {
        listEntry(false);
        for (const char* key : {"binding", "command", "name"}) {
            entry_->reset(QLatin1String(key));
        }
        GioSettings::sync();
    }
    setProblem({});
}

void GnomeKeybinding::listEntry(bool present) {
    const QString path = QLatin1String(entryPath);
    QStringList paths = list_->strings(QStringLiteral("custom-keybindings"));
    if (paths.contains(path) == present) {
        return;
    }
    if (present) {
        paths.append(path);
    } else {
        paths.removeAll(path);
    }
    list_->setStrings(QStringLiteral("custom-keybindings"), paths);
}

}  // namespace swivlo
