#pragma once

#include <QLineEdit>
#include <string>

#include "shortcut/ShortcutRecorder.h"

namespace swivlo {

// The one-line field that records the global shortcut: click it, press a combination with
// Control, Option or Command. Escape cancels, Delete or Forward Delete clears. The recording
// logic is ShortcutRecorder's; this widget draws it and feeds it key presses.
class HotkeyTextField : public QLineEdit {
    Q_OBJECT

public:
    explicit HotkeyTextField(QWidget* parent = nullptr);

    ShortcutRecorder::CaptureHandler& onCapture() { return recorder_.onCapture; }
    ShortcutRecorder::ClearHandler& onClear() { return recorder_.onClear; }
    bool isRecording() const { return recorder_.isRecording(); }

    void setDisplayString(const std::string& text);

    // The font's size when the text fits; texts too wide shrink down to the smallest.
    static constexpr int fontPixelSize = 13;
    static constexpr int smallestFontPixelSize = 9;
    // The width the text is laid out in.
    int textWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void configureAppearance();
    void refresh();
    void startRecording();
    // Picks the largest size up to fontPixelSize at which the whole text fits.
    void fitText();
    // Where the text is laid out.
    QRect textRect() const;

    ShortcutRecorder recorder_;
};

// What the settings view hands the field on every redraw: the stored text and the handlers.
struct HotkeyRecorderView {
    std::string displayString;
    ShortcutRecorder::CaptureHandler onCapture;
    ShortcutRecorder::ClearHandler onClear;

    // A new field wired to this value.
    HotkeyTextField* make(QWidget* parent) const;
    // Rewires an existing field and passes it the stored text.
    void update(HotkeyTextField& field) const;
};

}  // namespace swivlo
