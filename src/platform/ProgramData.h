#pragma once

#include <QStringList>

namespace swivlo {

// The folders holding the program's own read-only data (the symbol picker's bundle, the
// compiled translations), in the order they are tried: "share/swivlo" of the prefix the program
// is installed in, then the program's own folder, where the build puts that data. Both follow
// the executable, so an installed copy needs neither the source nor the build tree, whatever
// its prefix. Empty before the application object exists.
QStringList programDataDirectories();

}  // namespace swivlo
