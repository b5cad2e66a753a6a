#include "app/ControlCommands.h"

#include <QJsonObject>

#include "core/Localized.h"
#include "platform/LogOutput.h"
#include "scenes/SceneManager.h"
#include "switches/KeepAwakeTimer.h"
#include "switches/SystemTools.h"

namespace swivlo {

namespace {

using control::Command;

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

QString titleOf(const Switch& entry) {
    return localized(entry.title);
}

QString onOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

// The one toggle the request is about: the others need not be asked.
bool isOn(const Switch& entry) {
    return systemHost().read({*entry.capability})[*entry.capability];
}

}  // namespace

ControlCommands::ControlCommands(SceneManager& scenes, Openers openers)
    : scenes_(scenes), openers_(std::move(openers)) {}

QByteArray ControlCommands::refuse(const QString& reason) {
    logLine("❌ Command line request refused: " + reason.toStdString());
    return control::failure(QStringLiteral("request refused: %1").arg(reason));
}

QByteArray ControlCommands::handle(const QByteArray& line) {
    QString error;
    const auto request = control::decode(line, error);
    if (!request) {
        return refuse(error);
    }
    switch (request->command) {
        case Command::list:
            return list();
        case Command::toggle:
        case Command::on:
        case Command::off:
        case Command::scene: {
            const QByteArray reply =
                request->command == Command::scene ? setScene(*request) : setSwitch(*request);
            if (openers_.switchesChanged) {
                openers_.switchesChanged();
            }
            return reply;
        }
        case Command::openPanel:
            if (!openers_.openPanel || !openers_.openPanel()) {
                return control::failure(QStringLiteral("there is no tray icon to open it from"));
            }
            return control::success(QStringLiteral("The panel is open."));
        case Command::togglePanel: {
            const auto open = openers_.togglePanel ? openers_.togglePanel() : std::nullopt;
            if (!open) {
                return control::failure(QStringLiteral("there is no tray icon to open it from"));
            }
            return control::success(*open ? QStringLiteral("The panel is open.")
                                          : QStringLiteral("The panel is closed."));
        }
        case Command::settings:
            if (openers_.showSettings) {
                openers_.showSettings();
            }
            return control::success(QStringLiteral("The settings window is open."));
    }
    return refuse(QStringLiteral("unknown command"));
}

QByteArray ControlCommands::list() {
    auto& tools = SystemTools::shared();
    const SwitchStates states = tools.readStates();
    QJsonArray switches;
    for (const Switch& entry : SwitchCatalogue::all()) {
        const Support support = tools.availability(entry);
        QJsonObject item{{"id", text(entry.panelId)},
                         {"title", titleOf(entry)},
                         {"kind", entry.kind == Switch::Kind::toggle ? "toggle" : "action"},
                         {"available", support.available}};
        if (!support.available) {
            item.insert("reason", support.reason);
        }
        if (entry.capability) {
            if (const auto it = states.find(*entry.capability); it != states.end()) {
                item.insert("state", onOff(it->second));
            }
        }
        if (const QString caption = tools.caption(entry); !caption.isEmpty()) {
            item.insert("secondsLeft", qRound(*KeepAwakeTimer::shared().remaining()));
            item.insert("caption", caption);
        }
        switches.append(item);
    }
    return control::success({}, {{"switches", switches}, {"scenes", sceneList()}});
}

QJsonArray ControlCommands::sceneList() const {
    QJsonArray list;
    for (const Scene& scene : scenes_.scenes()) {
        list.append(QJsonObject{{"id", QString::fromStdString(sceneIdString(scene.id))},
                                {"name", QString::fromStdString(scene.name)},
                                {"active", scene.isActive}});
    }
    return list;
}

QByteArray ControlCommands::setSwitch(const control::Request& request) {
    const Switch* entry = SwitchCatalogue::byPanelId(request.target.toStdString());
    if (!entry) {
        return control::failure(
            QStringLiteral("no switch \"%1\" (swivlo --list shows them)").arg(request.target));
    }
    auto& tools = SystemTools::shared();
    if (const Support support = tools.availability(*entry); !support.available) {
        return control::failure(
            QStringLiteral("%1 is not available: %2").arg(titleOf(*entry), support.reason));
    }
    if (entry->kind == Switch::Kind::action) {
        if (request.command == Command::off || request.forSeconds) {
            return control::failure(
                QStringLiteral("%1 is an action: it can only be run").arg(titleOf(*entry)));
        }
        return runAction(*entry);
    }
    if (request.forSeconds && entry->capability != Capability::keepAwake) {
        return control::failure(
            QStringLiteral("%1 cannot be turned on for a time").arg(titleOf(*entry)));
    }
    if (request.forSeconds && *request.forSeconds > KeepAwakeTimer::longestSeconds) {
        return control::failure(QStringLiteral("a time longer than 24 h"));
    }

    bool on = request.command == Command::on;
    if (request.command == Command::toggle) {
        on = !isOn(*entry);
    }
    const Change change = request.forSeconds
                              ? KeepAwakeTimer::shared().keepAwakeFor(*request.forSeconds)
                              : tools.setSwitch(*entry, on);
    if (change == Change::refused) {
        return control::failure(
            QStringLiteral("%1: the system refused the change (Swivlo is not allowed to control "
                           "it; see the permission note in the panel)")
                .arg(titleOf(*entry)));
    }
    if (change == Change::failed) {
        return control::failure(QStringLiteral("%1 did not turn %2: the desktop did not take the "
                                               "change (Swivlo's log says why)")
                                    .arg(titleOf(*entry), onOff(on)));
    }
    // The host's word is not the whole story (a keep-awake program that would not start says
    // done): what counts is the state read back.
    if (isOn(*entry) != on) {
        return control::failure(QStringLiteral("%1 did not turn %2 (Swivlo's log says why)")
                                    .arg(titleOf(*entry), onOff(on)));
    }
    const QString caption = tools.caption(*entry);
    return control::success(
        QStringLiteral("%1 is %2%3.")
            .arg(titleOf(*entry), onOff(on), caption.isEmpty() ? QString() : ", " + caption));
}

QByteArray ControlCommands::runAction(const Switch& entry) {
    if (entry.capability) {
        SystemTools::shared().runAction(entry);
    } else if (openers_.startScreenCleaner) {
        // The one action that is the app's own window rather than the host's.
        openers_.startScreenCleaner();
    }
    return control::success(QStringLiteral("%1: done.").arg(titleOf(entry)));
}

QByteArray ControlCommands::setScene(const control::Request& request) {
    const Scene* found = nullptr;
    if (const auto id = parseSceneId(request.target.toStdString())) {
        found = scenes_.findScene(*id);
    }
    if (!found) {
        int named = 0;
        for (const Scene& scene : scenes_.scenes()) {
            if (QString::fromStdString(scene.name) == request.target && named++ == 0) {
                found = &scene;
            }
        }
        if (named > 1) {
            return control::failure(
                QStringLiteral("%1 scenes are named \"%2\": give the id (swivlo --list shows it)")
                    .arg(named)
                    .arg(request.target));
        }
    }
    if (!found) {
        return control::failure(
            QStringLiteral("no scene \"%1\" (swivlo --list shows them)").arg(request.target));
    }
    // A copy: activating rewrites the stored list.
    const Scene scene = *found;
    const QString name = QString::fromStdString(scene.name);
    if (request.off) {
        if (!scene.isActive) {
            return control::success(
                QStringLiteral("Scene \"%1\" was not on: nothing changed.").arg(name));
        }
        scenes_.deactivateScene(scene);
        return control::success(QStringLiteral("Scene \"%1\" is off.").arg(name));
    }
    scenes_.activateScene(scene);
    return control::success(QStringLiteral("Scene \"%1\" is on.").arg(name));
}

}  // namespace swivlo
