#pragma once

#include <QString>

namespace swivlo::linuxhost {

// The session bus as the desktop's settings, its shell and its inhibitors are reached over it.
// Losing it must not end Swivlo: GIO's shared connection would exit the process when the bus
// closes, so watching turns that off and logs the loss instead.
namespace sessionbus {

// Whether a session bus is there to connect to. Connecting without one would make the D-Bus
// library start a bus of its own, which outlives Swivlo.
bool exists();
// Takes GIO's and Qt's connections once; call before anything else uses the bus.
void watch();
// Empty while the bus is there; otherwise why the switches that need it are unavailable.
QString problem();
// Whether `name` has an owner on the bus.
bool hasOwner(const QString& name);
// Its unique name (":1.42"), empty when nobody owns it.
QString ownerOf(const QString& name);

}  // namespace sessionbus

}  // namespace swivlo::linuxhost
