#include "platform/tray/TrayPlacement.h"

namespace swivlo::tray {

TrayKind chooseTray(const TrayFacts& facts) {
    // A watcher without a host (kded before plasmashell) shows nothing; the XEmbed icon may.
    return facts.sessionBus && facts.watcher && facts.hostRegistered ? TrayKind::statusNotifierItem
                                                                     : TrayKind::xembed;
}

QRect anchorForClick(QRect click, QRect screen, QRect available) {
    const QPoint c = click.center();
    if (c.y() < available.top()) {
        return {QPoint(click.left(), screen.top()), QPoint(click.right(), available.top() - 1)};
    }
    if (c.y() > available.bottom()) {
        return {QPoint(click.left(), available.bottom() + 1),
                QPoint(click.right(), screen.bottom())};
    }
    if (c.x() < available.left()) {
        return {QPoint(screen.left(), click.top()), QPoint(available.left() - 1, click.bottom())};
    }
    if (c.x() > available.right()) {
        return {QPoint(available.right() + 1, click.top()), QPoint(screen.right(), click.bottom())};
    }
    return click;
}

QRect restingAnchor(QRect screen, QRect available, bool trayShown) {
    if (trayShown) {
        if (available.top() > screen.top()) {
            return anchorForClick({available.right(), screen.top(), 1, 1}, screen, available);
        }
        if (available.bottom() < screen.bottom()) {
            return anchorForClick({available.right(), screen.bottom(), 1, 1}, screen, available);
        }
        if (available.right() < screen.right()) {
            return anchorForClick({screen.right(), available.bottom(), 1, 1}, screen, available);
        }
        if (available.left() > screen.left()) {
            return anchorForClick({screen.left(), available.bottom(), 1, 1}, screen, available);
        }
    }
    return {available.right(), available.top(), 1, 1};
}

}  // namespace swivlo::tray
