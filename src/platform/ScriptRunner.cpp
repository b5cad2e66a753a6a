#include "platform/ScriptRunner.h"

#include <algorithm>
#include <cctype>

namespace swivlo {

namespace {

bool isPlainWord(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '_' || c == '.';
    });
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

}  // namespace

std::string describeScriptError(const ScriptErrorInfo& info) {
    std::string out = "{\n";
    for (const auto& [key, value] : info) {
        out += "    " + key + " = ";
        if (const auto* number = std::get_if<std::int64_t>(&value)) {
            out += std::to_string(*number);
        } else {
            const auto& text = std::get<std::string>(value);
            out += isPlainWord(text) ? text : quoted(text);
        }
        out += ";\n";
    }
    return out + "}";
}

}  // namespace swivlo
