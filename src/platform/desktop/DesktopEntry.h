#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

namespace swivlo::desktop {

// The main group of a desktop entry file, read as the Desktop Entry format defines it: a
// "[Desktop Entry]" header, "Key = Value" lines with the spaces around '=' ignored, comments and
// blank lines, other groups left alone. Edits change the lines of their key only, so everything
// else the user wrote stays byte for byte.
class DesktopEntry {
public:
    explicit DesktopEntry(const QByteArray& text);

    // The file has a "[Desktop Entry]" group, without which the session ignores it.
    bool isValid() const { return groupStart_ >= 0; }
    // The raw (still escaped) value of `key` in the main group; the last one when repeated.
    std::optional<QByteArray> value(const QByteArray& key) const;
    // A boolean key as the format writes it: exactly "true" or "false".
    std::optional<bool> boolValue(const QByteArray& key) const;
    // Replaces the value of every `key` line of the main group, keeping its spacing, or adds a
    // line at the group's end.
    void setValue(const QByteArray& key, const QByteArray& value);
    QByteArray text() const;

    // A value's string escapes (\s, \n, \t, \r, \\) undone, and put back.
    static QByteArray unescaped(const QByteArray& raw);
    static QByteArray escaped(const QByteArray& text);

private:
    struct Entry {
        int line;
        QByteArray key;
        int valueStart;  // offset of the value in the line
    };
    QList<QByteArray> lines_;
    bool endsWithNewline_ = true;
    int groupStart_ = -1;  // the header's line
    int groupEnd_ = -1;    // the line after the group's last line
    QList<Entry> entries_;
};

// The program an unescaped Exec value starts (its first argument, its quotes undone), and where
// that argument ends in the value. None when the value is empty or its quoting is broken.
struct ExecProgram {
    QByteArray program;
    int end = 0;
};
std::optional<ExecProgram> execProgram(const QByteArray& value);

}  // namespace swivlo::desktop
