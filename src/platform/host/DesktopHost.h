#pragma once

#include <string>

namespace swivlo {

enum class DesktopHostKind { Real, Simulated };

// Picks the host once, at start: the real one when /bin/zsh, /usr/bin/defaults and an
// AppleScript runner (/usr/bin/osascript) exist, the simulated macOS host otherwise (its state
// in the user's state directory). Installs the macOS host's switches over its process runner,
// script runner and global domain for the rest of the process, and says which on standard
// output in one line.
DesktopHostKind installDesktopHost();

// The rule alone, for any file-existence check; exposed for tests.
DesktopHostKind chooseDesktopHost(bool (*isExecutable)(const std::string& path));

}  // namespace swivlo
