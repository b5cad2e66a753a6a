#include "platform/hotkey/KdeGlobalAccel.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>

#include "core/Localized.h"
#include "platform/Events.h"
#include "platform/KeyTranslation.h"

namespace swivlo {

namespace {

const QString service = QStringLiteral("org.kde.kglobalaccel");
const QString component = QStringLiteral("swivlo");
const QString action = QStringLiteral("toggle-panel");
// kglobalaccel's flags for setShortcut: the keys are the present ones, not loaded from its file.
constexpr uint setPresent = 2;
constexpr uint noAutoloading = 4;

QDBusMessage call(const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        service, QStringLiteral("/kglobalaccel"), QStringLiteral("org.kde.KGlobalAccel"), method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, 5000);
}

}  // namespace

int qtKeyCombination(std::uint64_t flags, std::uint16_t keyCode) {
    const int key = keys::qtKeyFor(keyCode);
    if (key == 0 || (flags & ModifierFlag::capsLock)) {
        return 0;
    }
    int combination = key;
    const std::pair<std::uint64_t, int> modifiers[] = {{ModifierFlag::control, Qt::CTRL},
                                                       {ModifierFlag::option, Qt::ALT},
                                                       {ModifierFlag::shift, Qt::SHIFT},
                                                       {ModifierFlag::command, Qt::META}};
    for (const auto& [flag, modifier] : modifiers) {
        if (flags & flag) {
            combination |= modifier;
        }
    }
    return combination;
}

std::unique_ptr<KdeGlobalAccel> KdeGlobalAccel::open() {
    qDBusRegisterMetaType<QList<int>>();
    auto accel = std::unique_ptr<KdeGlobalAccel>(new KdeGlobalAccel());
    accel->actionId_ = {component, action, QStringLiteral("Swivlo"),
                        QStringLiteral("Open or close the panel")};
    // The component exists once an action is registered.
    call(QStringLiteral("doRegister"), {accel->actionId_});
    const QDBusReply<QDBusObjectPath> registered =
        call(QStringLiteral("getComponent"), {component});
    if (!registered.isValid()) {
        return nullptr;
    }
    QDBusConnection::sessionBus().connect(service, registered.value().path(),
                                          QStringLiteral("org.kde.kglobalaccel.Component"),
                                          QStringLiteral("globalShortcutPressed"), accel.get(),
                                          SLOT(shortcutPressed(QString, QString, qlonglong)));
    return accel;
}

void KdeGlobalAccel::setKeys(const QList<int>& keys, QList<int>* answer) {
    const QDBusReply<QList<int>> reply =
        call(QStringLiteral("setShortcut"),
             {actionId_, QVariant::fromValue(keys), setPresent | noAutoloading});
    if (answer && reply.isValid()) {
        *answer = reply.value();
    }
}

std::optional<QString> KdeGlobalAccel::bind(std::uint64_t flags, std::uint16_t keyCode) {
    const int combination = qtKeyCombination(flags, keyCode);
    if (combination == 0) {
        return refuse(localized("KDE cannot bind this key: choose another shortcut."));
    }
    call(QStringLiteral("doRegister"), {actionId_});
    QList<int> taken;
    setKeys({combination}, &taken);
    // kglobalaccel answers with the keys it gave the action: without ours, another has them.
    if (!taken.contains(combination)) {
        return refuse(heldElsewhere());
    }
    setProblem({});
    return std::nullopt;
}

void KdeGlobalAccel::unbind() {
    setKeys({}, nullptr);
    setProblem({});
}

void KdeGlobalAccel::shortcutPressed(const QString& pressedComponent, const QString& pressedAction,
                                     qlonglong) {
    if (pressedComponent == component && pressedAction == action) {
        emit pressed();
    }
}

}  // namespace swivlo
