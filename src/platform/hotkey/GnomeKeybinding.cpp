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

QString normalAccelerator(const QString& accelerator) {
    static const std::pair<const char*, const char*> names[] = {
        {"primary", "<Control>"}, {"control", "<Control>"}, {"ctrl", "<Control>"},
        {"alt", "<Alt>"},         {"mod1", "<Alt>"},        {"shift", "<Shift>"},
        {"super", "<Super>"},     {"mod4", "<Super>"}};
    QStringList modifiers;
    QString rest = accelerator.trimmed();
    while (rest.startsWith(u'<') && rest.contains(u'>')) {
        const QString name = rest.mid(1, rest.indexOf(u'>') - 1).toLower();
        rest = rest.mid(rest.indexOf(u'>') + 1);
        for (const auto& [spelling, normal] : names) {
            if (name == QLatin1String(spelling) && !modifiers.contains(QLatin1String(normal))) {
                modifiers << QLatin1String(normal);
            }
        }
    }
    if (rest.isEmpty()) {
        return {};
    }
    modifiers.sort();
    // Letters are one key whatever their case.
    return modifiers.join(QString()) + (rest.size() == 1 ? rest.toLower() : rest);
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
        return refuse(localized("GNOME cannot bind this key: choose another shortcut."));
    }
    if (const QString holder = holderOf(accelerator); !holder.isEmpty()) {
        unbind();
        return refuse(heldElsewhere() + QStringLiteral(" (GNOME: %1)").arg(holder));
    }
    const std::pair<const char*, QString> values[] = {
        {"name", QStringLiteral("Swivlo: open or close the panel")},
        {"command", QStringLiteral("'%1' --toggle-panel").arg(program_)},
        {"binding", accelerator}};
    // Each start binds again: only a change is written (and logged).
    linuxhost::SettingChanges changes;
    for (const auto& [key, value] : values) {
        if (entry_->string(QLatin1String(key)) != value) {
            changes.emplace_back(QLatin1String(key), value);
        }
    }
    if (!changes.empty() && !entry_->write(changes)) {
        return refuse(localized("GNOME's settings did not take the shortcut."));
    }
    listEntry(true);
    setProblem({});
    return std::nullopt;
}

void GnomeKeybinding::unbind() {
    const QString path = QLatin1String(entryPath);
    if (list_->strings(QStringLiteral("custom-keybindings"))
            .value_or(QStringList())
            .contains(path)) {
        listEntry(false);
        entry_->reset(
            {QStringLiteral("binding"), QStringLiteral("command"), QStringLiteral("name")});
    }
    setProblem({});
}

QString GnomeKeybinding::holderOf(const QString& accelerator) const {
    const QString wanted = normalAccelerator(accelerator);
    const char* const schemas[] = {"org.gnome.desktop.wm.keybindings",
                                   "org.gnome.shell.keybindings", "org.gnome.mutter.keybindings",
                                   "org.gnome.mutter.wayland.keybindings", listSchema};
    for (const char* id : schemas) {
        const auto schema = GioSettings::open(QLatin1String(id));
        for (const QString& key : schema ? schema->keys() : QStringList()) {
            for (const QString& value : schema->textValues(key)) {
                if (normalAccelerator(value) == wanted) {
                    return key;
                }
            }
        }
    }
    // The other custom keybindings, each at its own path.
    for (const QString& path :
         list_->strings(QStringLiteral("custom-keybindings")).value_or(QStringList())) {
        if (path == QLatin1String(entryPath)) {
            continue;
        }
        const auto other = GioSettings::open(QLatin1String(entrySchema), path);
        if (other && normalAccelerator(
                         other->string(QStringLiteral("binding")).value_or(QString())) == wanted) {
            return other->string(QStringLiteral("name")).value_or(QString());
        }
    }
    return {};
}

void GnomeKeybinding::listEntry(bool present) {
    const QString path = QLatin1String(entryPath);
    QStringList paths =
        list_->strings(QStringLiteral("custom-keybindings")).value_or(QStringList());
    if (paths.contains(path) == present) {
        return;
    }
    if (present) {
        paths.append(path);
    } else {
        paths.removeAll(path);
    }
    list_->write({{QStringLiteral("custom-keybindings"), paths}});
}

}  // namespace swivlo
