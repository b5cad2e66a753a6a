#pragma once

#include <QStringList>
#include <memory>

#include "platform/hotkey/GlobalHotkey.h"

namespace swivlo {

// KDE binds keys itself, on X11 and Wayland alike: the combination becomes a global shortcut of
// kglobalaccel over D-Bus (shown in KDE's Shortcuts settings), which reports each press back.
class KdeGlobalAccel : public GlobalHotkey {
    Q_OBJECT

public:
    // None when kglobalaccel does not answer on the session bus.
    static std::unique_ptr<KdeGlobalAccel> open();

    std::optional<QString> bind(std::uint64_t flags, std::uint16_t keyCode) override;
    void unbind() override;

private:
    KdeGlobalAccel() = default;
    void setKeys(const QList<int>& keys, QList<int>* answer);

private slots:
    void shortcutPressed(const QString& component, const QString& action, qlonglong timestamp);

private:
    QStringList actionId_;
};

// The combination as Qt numbers it (key and modifiers in one int), as kglobalaccel takes it;
// 0 for a key Qt has no number for.
int qtKeyCombination(std::uint64_t flags, std::uint16_t keyCode);

}  // namespace swivlo
