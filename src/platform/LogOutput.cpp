#include "platform/LogOutput.h"

#include <cstdio>

namespace swivlo {

void logLine(const std::string& line) {
    if (Service<LogOutput>::installed()) {
        Service<LogOutput>::get().writeLine(line);
        return;
    }
    const std::string text = line + '\n';
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

}  // namespace swivlo
