#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/Service.h"

namespace swivlo {

// Event types and masks with the host's (macOS) numbering, so masks read as the host's do.
enum class EventType : int {
    LeftMouseDown = 1,
    LeftMouseUp = 2,
    RightMouseDown = 3,
    RightMouseUp = 4,
    MouseMoved = 5,
    LeftMouseDragged = 6,
    RightMouseDragged = 7,
    MouseEntered = 8,
    MouseExited = 9,
    KeyDown = 10,
    KeyUp = 11,
    FlagsChanged = 12,
    ScrollWheel = 22,
    OtherMouseDown = 25,
    OtherMouseUp = 26,
    OtherMouseDragged = 27,
};

using EventMask = std::uint64_t;

constexpr EventMask eventMask(EventType type) {
    return EventMask{1} << static_cast<int>(type);
}

// Modifier bits as the host defines them; the device-independent ones are bits 16 to 31.
namespace ModifierFlag {
inline constexpr std::uint64_t capsLock = 1u << 16;
inline constexpr std::uint64_t shift = 1u << 17;
inline constexpr std::uint64_t control = 1u << 18;
inline constexpr std::uint64_t option = 1u << 19;
inline constexpr std::uint64_t command = 1u << 20;
inline constexpr std::uint64_t numericPad = 1u << 21;
inline constexpr std::uint64_t help = 1u << 22;
inline constexpr std::uint64_t function = 1u << 23;
inline constexpr std::uint64_t deviceIndependentMask = 0xFFFF0000u;
}  // namespace ModifierFlag

struct Event {
    EventType type = EventType::KeyDown;
    std::uint16_t keyCode = 0;
    std::uint64_t modifierFlags = 0;
    std::string charactersIgnoringModifiers;

    bool operator==(const Event&) const = default;
};

using MonitorToken = std::uint64_t;

class EventMonitors {
public:
    using GlobalHandler = std::function<void(const Event&)>;
    // Returns the event to let it through, or nothing to discard it.
    using LocalHandler = std::function<std::optional<Event>(const Event&)>;

    virtual ~EventMonitors() = default;
    // Observes events delivered to other applications; none when the host cannot.
    virtual std::optional<MonitorToken> addGlobalMonitor(EventMask mask, GlobalHandler handler) = 0;
    // Sees events delivered to Swivlo's own windows before they do.
    virtual std::optional<MonitorToken> addLocalMonitor(EventMask mask, LocalHandler handler) = 0;
    virtual void removeMonitor(MonitorToken token) = 0;
};

// The monitors an implementation holds, by token (so in the order they were added), with the
// delivery rules every implementation follows. Handlers may add or remove monitors while they
// run: one removed before its turn is skipped, one added waits for the next event.
using GlobalMonitorMap = std::map<MonitorToken, std::pair<EventMask, EventMonitors::GlobalHandler>>;
using LocalMonitorMap = std::map<MonitorToken, std::pair<EventMask, EventMonitors::LocalHandler>>;

inline void deliverToGlobalMonitors(const GlobalMonitorMap& monitors, const Event& event) {
    const auto snapshot = monitors;
    for (const auto& [token, entry] : snapshot) {
        if ((entry.first & eventMask(event.type)) && monitors.count(token)) {
            entry.second(event);
        }
    }
}

// The event as the local monitors leave it, each seeing what the one before let through;
// nothing once one discards it.
inline std::optional<Event> deliverToLocalMonitors(const LocalMonitorMap& monitors,
                                                   const Event& event) {
    std::optional<Event> current = event;
    const auto snapshot = monitors;
    for (const auto& [token, entry] : snapshot) {
        if (monitors.count(token) && (entry.first & eventMask(current->type))) {
            current = entry.second(*current);
            if (!current) {
                break;
            }
        }
    }
    return current;
}

inline EventMonitors& eventMonitors() {
    return Service<EventMonitors>::get();
}

}  // namespace swivlo
