#include "platform/desktop/DesktopEntry.h"

namespace swivlo::desktop {

namespace {

const QByteArray mainGroup = "Desktop Entry";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArray trimmedEnd(QByteArray text) {
    while (!text.isEmpty() && (isBlank(text.back()) || text.back() == '\r')) {
        text.chop(1);
    }
    return text;
}

}  // namespace

DesktopEntry::DesktopEntry(const QByteArray& text) {
    lines_ = text.split('\n');
    endsWithNewline_ = text.endsWith('\n');
    if (endsWithNewline_) {
        lines_.removeLast();
    }
    bool inMain = false;
    for (int i = 0; i < lines_.size(); ++i) {
        const QByteArray trimmed = lines_[i].trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) {
            continue;
        }
        if (trimmed.startsWith('[')) {
            // The first main group counts; a repeated one is an error the session skips.
            inMain = groupStart_ < 0 && trimmed == '[' + mainGroup + ']';
            if (inMain) {
                groupStart_ = i;
                groupEnd_ = i + 1;
            }
            continue;
        }
        if (!inMain) {
            continue;
        }
        const QByteArray& line = lines_[i];
        const int equals = line.indexOf('=');
        if (equals < 0) {
            continue;
        }
        int valueStart = equals + 1;
        while (valueStart < line.size() && isBlank(line[valueStart])) {
            ++valueStart;
        }
        entries_.push_back({i, line.left(equals).trimmed(), valueStart});
        groupEnd_ = i + 1;
    }
}

std::optional<QByteArray> DesktopEntry::value(const QByteArray& key) const {
    std::optional<QByteArray> found;
    for (const Entry& entry : entries_) {
        if (entry.key == key) {
            found = trimmedEnd(lines_[entry.line].mid(entry.valueStart));
        }
    }
    return found;
}

std::optional<bool> DesktopEntry::boolValue(const QByteArray& key) const {
    const auto text = value(key);
    if (text == "true") {
        return true;
    }
    if (text == "false") {
        return false;
    }
    return std::nullopt;
}

void DesktopEntry::setValue(const QByteArray& key, const QByteArray& value) {
    if (!isValid()) {
        return;
    }
    bool replaced = false;
    for (const Entry& entry : entries_) {
        if (entry.key == key) {
            lines_[entry.line] = lines_[entry.line].left(entry.valueStart) + value;
            replaced = true;
        }
    }
    if (!replaced) {
        lines_.insert(groupEnd_, key + '=' + value);
    }
    *this = DesktopEntry(text());
}

QByteArray DesktopEntry::text() const {
    QByteArray out = lines_.join('\n');
    if (endsWithNewline_) {
        out += '\n';
    }
    return out;
}

QByteArray DesktopEntry::unescaped(const QByteArray& raw) {
    QByteArray out;
    for (int i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        const char next = raw[++i];
        switch (next) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                out += next;  // "\\" and anything the format does not define
                break;
        }
    }
    return out;
}

QByteArray DesktopEntry::escaped(const QByteArray& text) {
    QByteArray out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
                break;
        }
    }
    // A leading space would be taken for the space around '='.
    if (out.startsWith(' ')) {
        out.replace(0, 1, "\\s");
    }
    return out;
}

std::optional<ExecProgram> execProgram(const QByteArray& value) {
    int i = 0;
    while (i < value.size() && value[i] == ' ') {
        ++i;
    }
    if (i == value.size()) {
        return std::nullopt;
    }
    ExecProgram result;
    if (value[i] != '"') {
        while (i < value.size() && value[i] != ' ') {
            result.program += value[i++];
        }
        result.end = i;
        return result;
    }
    // Quoted: a backslash takes the next character literally, the closing quote ends it.
    for (++i; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            result.program += value[++i];
        } else if (value[i] == '"') {
            result.end = i + 1;
            return result;
        } else {
            result.program += value[i];
        }
    }
    return std::nullopt;
}

}  // namespace swivlo::desktop
