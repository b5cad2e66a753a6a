#pragma once

#include <QRect>

namespace swivlo::tray {

// Which icon Swivlo shows: its own StatusNotifierItem where a watcher with a host is on the
// session bus, else the XEmbed icon (which also shows up once an XEmbed tray appears).
enum class TrayKind { statusNotifierItem, xembed };

struct TrayFacts {
    bool sessionBus = false;
    bool watcher = false;
    bool hostRegistered = false;
};

TrayKind chooseTray(const TrayFacts& facts);

// The anchor for a click at `click` on a screen with `available` free area: a click on a panel
// along an edge (outside the free area) anchors the whole depth of that panel, so the panel
// opens beside the tray's panel and not over it.
QRect anchorForClick(QRect click, QRect screen, QRect available);

// The anchor before any click: the corner of the free area next to the panel that reduces it
// (top, else bottom, right, left), or the top right of the free area when `trayShown` is false
// or no edge is reduced.
QRect restingAnchor(QRect screen, QRect available, bool trayShown);

}  // namespace swivlo::tray
