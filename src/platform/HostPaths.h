#pragma once

#include <string>

namespace swivlo::HostPaths {

// The host's programs Swivlo runs, where the host keeps them; the simulated host answers to
// the same paths.
inline const std::string shell = "/bin/zsh";
inline const std::string defaults = "/usr/bin/defaults";
inline const std::string caffeinate = "/usr/bin/caffeinate";
inline const std::string osascript = "/usr/bin/osascript";

}  // namespace swivlo::HostPaths
