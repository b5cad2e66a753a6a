#pragma once

#include <string>

#include "platform/Service.h"

namespace swivlo {

// Where the program's plain log lines go. Standard output unless something else is installed
// (tests install a recorder).
class LogOutput {
public:
    virtual ~LogOutput() = default;
    virtual void writeLine(const std::string& line) = 0;
};

// Writes `line` and a line feed to the installed output, or to standard output with one write
// and a flush, so lines from different parts never interleave.
void logLine(const std::string& line);

}  // namespace swivlo
