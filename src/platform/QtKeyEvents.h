#pragma once

#include <optional>

#include "platform/Events.h"

class QKeyEvent;

namespace swivlo::keys {

// A Qt key event in the host's terms: key code, modifier bits (with the key's own Function and
// NumericPad bits) and the characters without modifiers. The shortcut recorder and the local
// event monitor both use it, so a recorded shortcut matches what the trigger later sees.
// Presses and releases of modifier keys alone come out as FlagsChanged.
std::optional<Event> hostKeyEvent(const QKeyEvent& key);

}  // namespace swivlo::keys
