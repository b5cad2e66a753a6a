#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Events.h"

namespace swivlo {

// The state of the shortcut field: idle, showing the stored shortcut (or the placeholder), or
// recording, waiting for a key press that holds Control, Option or Command. It stores nothing
// itself: a captured or cleared shortcut is reported to the owner, who passes the stored text
// back through setDisplayString.
class ShortcutRecorder {
public:
    using CaptureHandler =
        std::function<void(std::int64_t modifierFlags, std::int64_t keyCode, std::string text)>;
    using ClearHandler = std::function<void()>;

    CaptureHandler onCapture;
    ClearHandler onClear;

    bool isRecording() const { return isRecording_; }
    const std::string& lastDisplayString() const { return lastDisplayString_; }

    // What the field shows, and whether in the secondary (placeholder) colour.
    const std::string& shownText() const { return shownText_; }
    bool shownAsPlaceholder() const { return shownAsPlaceholder_; }

    // The owner's stored text; while recording only remembered, so a redraw keeps "Recording...".
    void setDisplayString(const std::string& text);
    // A click on the field. Returns false when it was already recording.
    bool startRecording();
    // A key press. Returns true when the recorder used it (always, while recording).
    bool keyDown(const Event& event);

    static std::string placeholderText();
    static std::string recordingText();

private:
    void show(const std::string& text, bool placeholder);

    bool isRecording_ = false;
    std::string lastDisplayString_;
    std::string shownText_ = placeholderText();
    bool shownAsPlaceholder_ = true;
};

}  // namespace swivlo
