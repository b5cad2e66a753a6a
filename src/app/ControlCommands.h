#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QString>
#include <functional>
#include <optional>

#include "app/ControlProtocol.h"

namespace swivlo {

class SceneManager;
struct Switch;

// Carries out the command line's requests in the running Swivlo, through the same owners as
// the panel: SystemTools for switches (the same host commands and log lines), the timed Keep
// Awake, the scene store, and the shell's own windows. Every answer is one reply line.
class ControlCommands {
public:
    struct Openers {
        // False when there is no tray icon to open the panel from.
        std::function<bool()> openPanel;
        std::function<void()> showSettings;
        std::function<void()> startScreenCleaner;
        // After a switch or scene command: an open panel shows what it changed.
        std::function<void()> switchesChanged;
        // Opens the panel, or closes it when open; true when it is open afterwards. Nothing
        // when there is no tray icon to open it from.
        std::function<std::optional<bool>()> togglePanel;
    };

    ControlCommands(SceneManager& scenes, Openers openers);

    // A request line as it came from the socket.
    QByteArray handle(const QByteArray& line);
    // A connection the socket gave up on before a whole request came; logged.
    QByteArray refuse(const QString& reason);

private:
    QByteArray list();
    QByteArray setSwitch(const control::Request& request);
    QByteArray runAction(const Switch& entry);
    QByteArray setScene(const control::Request& request);
    QJsonArray sceneList() const;

    SceneManager& scenes_;
    Openers openers_;
};

}  // namespace swivlo
