#pragma once

#include <QString>
#include <cstdio>

#include "app/ControlProtocol.h"

namespace swivlo {

// Sends one request to the running Swivlo over its control socket and prints the answer: what
// it did on standard output, or one line on standard error. Returns the exit code.
int askRunningSwivlo(const control::Request& request, bool json, const QString& programName);

// Writes the text in one go and flushes.
void writeText(std::FILE* stream, const QString& text);

}  // namespace swivlo
