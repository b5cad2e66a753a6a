#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "platform/SystemHost.h"

namespace swivlo {

// Keep Awake for a time: turns it on, and off again by itself when the time is up, through the
// same SystemTools change as a switch turned off by hand. Setting Keep Awake by hand (panel,
// scene, command line) cancels the timer. The one holder of that timer, on the main queue's
// clock. Main thread only.
class KeepAwakeTimer : public QObject {
    Q_OBJECT

public:
    // The longest time accepted: past a day, Keep Awake is simply left on.
    static constexpr double longestSeconds = 24 * 60 * 60;

    static KeepAwakeTimer& shared();

    // Turns Keep Awake on for `seconds` (in (0, longestSeconds]). A change the host refused
    // arms no timer.
    Change keepAwakeFor(double seconds);
    // Forgets the timer without touching Keep Awake; SystemTools calls it on every change of
    // Keep Awake.
    void cancel();

    // Seconds left, none while no timer runs.
    std::optional<double> remaining() const;
    // The time left as the panel and the command line show it: "1 h 30 min left".
    static QString remainingText(double seconds);

signals:
    // Started, cancelled or ended, or the time left as shown moved on.
    void changed();
    // The time was up and Keep Awake was turned off.
    void expired();

private:
    KeepAwakeTimer() = default;
    void scheduleTick();

    std::optional<double> deadline_;
    // Blocks on the queue cannot be taken back: each one checks it still belongs to the timer
    // that scheduled it.
    unsigned long generation_ = 0;
};

}  // namespace swivlo
