#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace swivlo::linuxhost {
class GioSettings;
}

namespace swivlo::linuxhost::gnome {

// GNOME Shell's extensions as the running shell reports them (org.gnome.Shell.Extensions), and
// as org.gnome.shell's settings say when the shell is not on the bus.
namespace extensions {

// The shell's ExtensionState values.
enum class State {
    unknown = 0,
    enabled = 1,
    disabled = 2,
    error = 3,
    outOfDate = 4,
    initialized = 6,
    uninstalled = 99
};

// What the running shell says about the extension: `unknown` when it does not know it; none
// when the shell is not on the bus or did not answer.
std::optional<State> state(const QString& uuid);
// EnableExtension / DisableExtension: the shell updates its lists as its own tools do,
// including for extensions its session mode enables (Ubuntu's). False when it said no.
bool setEnabled(const QString& uuid, bool enabled);
// Waits (a few seconds at most) until the shell reports the extension running or not.
bool awaitRunning(const QString& uuid, bool running);

// When the shell is not on the bus: the extension is in enabled-extensions, not in
// disabled-extensions, and user extensions are not switched off. None when the schema lacks a
// list.
std::optional<bool> enabledInSettings(const GioSettings& shell, const QString& uuid);
// Whether an extension folder with metadata is where the shell looks for extensions.
bool isInstalled(const QString& uuid);

}  // namespace extensions

}  // namespace swivlo::linuxhost::gnome
