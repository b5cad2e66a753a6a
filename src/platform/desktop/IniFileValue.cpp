#include "platform/desktop/IniFileValue.h"

#include <QString>
#include <QStringDecoder>
#include <QStringList>

namespace swivlo::desktop {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineSpace(char c) {
    return isBlank(c) || c == '\n' || c == '\r';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

int octalDigit(char c) {
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

std::optional<char> simpleEscape(char c) {
    switch (c) {
        case 'a':
            return '\a';
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'v':
            return '\v';
        case '"':
        case '?':
        case '\'':
        case '\\':
            return c;
        default:
            return std::nullopt;
    }
}

struct Line {
    QByteArrayView text;
    qsizetype equals = -1;  // within `text`; -1 when it has none
};

// The next logical line as QSettings splits the file: quotes and backslashes carry a line on
// past a line break, and a ';' outside quotes starts a comment.
std::optional<Line> nextLine(QByteArrayView data, qsizetype& pos) {
    const qsizetype n = data.size();
    bool inQuotes = false;
    qsizetype equals = -1;
    qsizetype start = pos;
    while (start < n && isLineSpace(data[start])) {
        ++start;
    }
    qsizetype i = start;
    while (i < n) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && equals == -1) {
                equals = i - 1;
            }
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < n) {
                const char next = data[i++];
                if (i < n &&
                    ((next == '\n' && data[i] == '\r') || (next == '\r' && data[i] == '\n'))) {
                    ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < n && data[i] != '\n' && data[i] != '\r') {
                    ++i;
                }
                while (i < n && isLineSpace(data[i])) {
                    ++i;
                }
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    if (i == start) {
        return std::nullopt;
    }
    return Line{data.sliced(start, i - start), equals == -1 ? -1 : equals - start};
}

// The text after the '=' of the last line that sets `key` in the top-level group (the lines
// before any section, and the section "General"), where a later line wins as in QSettings.
std::optional<QByteArrayView> rootValue(QByteArrayView data, QByteArrayView key) {
    if (data.startsWith("\xef\xbb\xbf")) {
        data = data.sliced(3);
    }
    bool inRoot = true;
    std::optional<QByteArrayView> found;
    qsizetype pos = 0;
    while (const auto line = nextLine(data, pos)) {
        if (line->text.startsWith('[')) {
            qsizetype close = line->text.indexOf(']');
            if (close < 0) {
                close = line->text.size();
            }
            inRoot =
                line->text.first(close).sliced(1).trimmed().toByteArray().toLower() == "general";
        } else if (inRoot && line->equals >= 0 && line->text.first(line->equals).trimmed() == key) {
            found = line->text.sliced(line->equals + 1);
        }
    }
    return found;
}

// One value unescaped the way QSettings does it, beside the bytes the file holds.
struct Unescaped {
    QString text;      // as QSettings reads it: text between escapes decoded as UTF-8
    QByteArray bytes;  // text between escapes kept as it is; an escape gives its byte
    QStringList list;  // the pieces, when a comma outside quotes made the value a list
    bool isList = false;
};

class Unescaper {
public:
    explicit Unescaper(QByteArrayView s) : s_(s) {}

    Unescaped run() {
        skipBlanks();
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == '\\') {
                if (!escape()) {
                    return finish();  // an escape cut off by the end: nothing is chopped
                }
            } else if (c == '"') {
                ++i_;
                quoted_ = true;
                inQuotes_ = !inQuotes_;
                if (!inQuotes_) {
                    skipBlanks();
                    keepTail();
                }
            } else if (c == ',' && !inQuotes_) {
                if (!quoted_) {
                    chopTrailingBlanks();
                }
                out_.isList = true;
                out_.list.append(out_.text);
                out_.text.clear();
                out_.bytes.clear();
                quoted_ = false;
                ++i_;
                skipBlanks();
                keepTail();
            } else {
                qsizetype j = i_ + 1;
                while (j < s_.size() && s_[j] != '\\' && s_[j] != '"' && s_[j] != ',') {
                    ++j;
                }
                const QByteArrayView raw = s_.sliced(i_, j - i_);
                out_.text += utf8_(raw);
                out_.bytes.append(raw);
                i_ = j;
            }
        }
        if (!quoted_) {
            chopTrailingBlanks();
        }
        return finish();
    }

private:
    // False when the text ends inside the escape.
    bool escape() {
        if (++i_ >= s_.size()) {
            return false;
        }
        const char c = s_[i_++];
        if (const auto simple = simpleEscape(c)) {
            add(static_cast<char16_t>(*simple));
        } else if (c == 'x' || octalDigit(c) >= 0) {
            const bool hex = c == 'x';
            char16_t value = hex ? 0 : static_cast<char16_t>(octalDigit(c));
            if (hex && i_ >= s_.size()) {
                return false;
            }
            const auto digit = [&] { return hex ? hexDigit(s_[i_]) : octalDigit(s_[i_]); };
            if (hex && digit() < 0) {
                keepTail();  // "\x" without digits stands for nothing
                return true;
            }
            for (; i_ < s_.size() && digit() >= 0; ++i_) {
                value = static_cast<char16_t>((value << (hex ? 4 : 3)) + digit());
            }
            add(value);
            if (i_ >= s_.size()) {
                return false;
            }
        } else if (c == '\n' || c == '\r') {
            if (i_ < s_.size() && (s_[i_] == '\n' || s_[i_] == '\r') && s_[i_] != c) {
                ++i_;
            }
        }
        keepTail();
        return true;
    }

    // A character from an escape; as a byte, what QSettings's Latin-1 reading makes of it.
    void add(char16_t c) {
        out_.text += QChar(c);
        out_.bytes += c <= 0xFF ? static_cast<char>(c) : '?';
    }

    void skipBlanks() {
        while (i_ < s_.size() && isBlank(s_[i_])) {
            ++i_;
        }
    }

    // Blanks before this point are kept; only raw ones after it are chopped at the end.
    void keepTail() {
        keptText_ = out_.text.size();
        keptBytes_ = out_.bytes.size();
    }

    void chopTrailingBlanks() {
        while (out_.text.size() > keptText_ &&
               (out_.text.back() == u' ' || out_.text.back() == u'\t')) {
            out_.text.chop(1);
        }
        while (out_.bytes.size() > keptBytes_ && isBlank(out_.bytes.back())) {
            out_.bytes.chop(1);
        }
    }

    Unescaped finish() {
        if (out_.isList) {
            out_.list.append(out_.text);
        }
        return std::move(out_);
    }

    QByteArrayView s_;
    qsizetype i_ = 0;
    bool inQuotes_ = false;
    bool quoted_ = false;
    qsizetype keptText_ = 0;
    qsizetype keptBytes_ = 0;
    QStringDecoder utf8_{QStringDecoder::Utf8};
    Unescaped out_;
};

// QSettings drops the first '@' of a text that starts with "@@".
QString plainText(QString text) {
    if (text.startsWith(u"@@")) {
        text.remove(0, 1);
    }
    return text;
}

}  // namespace

std::optional<QByteArray> iniFileByteArray(QByteArrayView file, QByteArrayView key,
                                           const QByteArray& qtReading) {
    const auto value = rootValue(file, key);
    if (!value) {
        return std::nullopt;
    }
    const Unescaped u = Unescaper(*value).run();
    const char* const prefix = "@ByteArray(";
    const qsizetype length = qstrlen(prefix);
    if (u.isList || u.text.size() <= length || u.bytes.size() <= length ||
        !u.text.startsWith(QLatin1StringView(prefix)) || !u.text.endsWith(u')') ||
        !u.bytes.startsWith(prefix) || !u.bytes.endsWith(')') ||
        QStringView(u.text).sliced(length).chopped(1).toLatin1() != qtReading) {
        return std::nullopt;
    }
    return u.bytes.sliced(length).chopped(1);
}

std::optional<QByteArray> iniFileText(QByteArrayView file, QByteArrayView key,
                                      const QVariant& qtReading) {
    const auto value = rootValue(file, key);
    if (!value) {
        return std::nullopt;
    }
    const Unescaped u = Unescaper(*value).run();
    bool same = false;
    if (qtReading.typeId() == QMetaType::QString) {
        same = !u.isList && plainText(u.text) == qtReading.toString();
    } else if (qtReading.typeId() == QMetaType::QStringList && u.isList) {
        QStringList pieces;
        for (const QString& piece : u.list) {
            pieces.append(plainText(piece));
        }
        same = pieces == qtReading.toStringList();
    }
    if (!same) {
        return std::nullopt;
    }
    return value->trimmed().toByteArray();
}

}  // namespace swivlo::desktop
