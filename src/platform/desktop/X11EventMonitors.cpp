#include "platform/desktop/X11EventMonitors.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/KeyTranslation.h"
#include "platform/LogOutput.h"
#include "platform/QtKeyEvents.h"
#include "platform/desktop/X11InputObserver.h"

namespace swivlo::desktop {

namespace {

std::optional<Event> hostEvent(QEvent* event) {
    Event out;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return keys::hostKeyEvent(*static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const bool down = event->type() != QEvent::MouseButtonRelease;
            switch (mouse->button()) {
                case Qt::LeftButton:
                    out.type = down ? EventType::LeftMouseDown : EventType::LeftMouseUp;
                    break;
                case Qt::RightButton:
                    out.type = down ? EventType::RightMouseDown : EventType::RightMouseUp;
                    break;
                default:
                    out.type = down ? EventType::OtherMouseDown : EventType::OtherMouseUp;
                    break;
            }
            out.modifierFlags = keys::modifierFlagsFromQt(mouse->modifiers());
            return out;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const Qt::MouseButtons buttons = mouse->buttons();
            out.type = buttons & Qt::LeftButton    ? EventType::LeftMouseDragged
                       : buttons & Qt::RightButton ? EventType::RightMouseDragged
                       : buttons != Qt::NoButton   ? EventType::OtherMouseDragged
                                                   : EventType::MouseMoved;
            return out;
        }
        case QEvent::Wheel:
            out.type = EventType::ScrollWheel;
            return out;
        default:
            return std::nullopt;
    }
}

}  // namespace

X11EventMonitors::X11EventMonitors() = default;

X11EventMonitors::~X11EventMonitors() = default;

std::optional<MonitorToken> X11EventMonitors::addGlobalMonitor(EventMask mask,
                                                               GlobalHandler handler) {
    if (!observer_) {
        std::string whyNot;
        observer_ = X11InputObserver::open(
            [this](const Event& e) { deliverToGlobalMonitors(global_, e); }, whyNot);
        if (!observer_) {
            if (!unavailableReported_) {
                unavailableReported_ = true;
                logLine("Outside clicks are not seen: " + whyNot);
            }
            return std::nullopt;
        }
    }
    const MonitorToken token = next_++;
    global_[token] = {mask, std::move(handler)};
    updateWantedTypes();
    return token;
}

std::optional<MonitorToken> X11EventMonitors::addLocalMonitor(EventMask mask,
                                                              LocalHandler handler) {
    if (local_.empty()) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    const MonitorToken token = next_++;
    local_[token] = {mask, std::move(handler)};
    return token;
}

void X11EventMonitors::removeMonitor(MonitorToken token) {
    if (global_.erase(token)) {
        updateWantedTypes();
    }
    if (local_.erase(token) && local_.empty()) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

void X11EventMonitors::updateWantedTypes() {
    EventMask wanted = 0;
    for (const auto& [token, entry] : global_) {
        wanted |= entry.first;
    }
    observer_->setWantedTypes(wanted);
}

bool X11EventMonitors::eventFilter(QObject* watched, QEvent* event) {
    // Each input event reaches its window first and its widgets after: look at it once.
    if (!watched->isWindowType()) {
        return false;
    }
    const auto converted = hostEvent(event);
    if (!converted) {
        return false;
    }
    return !deliverToLocalMonitors(local_, *converted).has_value();
}

}  // namespace swivlo::desktop
