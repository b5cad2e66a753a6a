#pragma once

namespace swivlo {

// Picks the host once, at start (HostChoice: --host, which main puts in SWIVLO_HOST, and
// SWIVLO_HOST override the rule), installs it for the rest of the process and says which in
// one line on standard output: the macOS host over its real programs, the Linux desktop host
// with the capabilities it found, or the simulated macOS host with its state in the user's
// state directory.
void installDesktopHost();

}  // namespace swivlo
