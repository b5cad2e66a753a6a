// Swivlo's StatusNotifierItem on a private session bus, against a stand-in watcher and tray host
// that records what the item asks and calls its ContextMenu, as hosts without a menu reader do.
// The exported menu is clicked through in the real GNOME Shell (LinuxGnomeShellTest).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QMenu>
#include <QTest>

#include "app/AppDelegate.h"
#include "fakes/TestPlatform.h"
#include "platform/tray/TrayStatusBar.h"

namespace swivlo {
namespace {

const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");

// The watcher (with its host) and a notification server, on a connection of their own.
class StandIn : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    StandIn() : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name())) {}
    ~StandIn() override {
        leave();
        QDBusConnection::disconnectFromBus(bus.name());
    }
    static QString name() {
        static int n = 0;
        return QStringLiteral("stand-in-%1").arg(++n);
    }
    void come() {
        bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                           QDBusConnection::ExportAllContents);
        bus.registerService(watcherName);
    }
    void leave() {
        bus.unregisterService(watcherName);
        bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    }
    bool hostRegistered() const { return true; }
    QStringList items() const {
        QStringList listed;
        for (const auto& [service, path] : registered) {
            listed.append(service + path);
        }
        return listed;
    }
    int protocolVersion() const { return 0; }

    // Calls the item without blocking the loop that answers it (both live in this process).
    QDBusMessage call(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& args) {
        auto message =
            QDBusMessage::createMethodCall(registered.last().first, path, interface, method);
        message.setArguments(args);
        QDBusPendingCallWatcher pending(bus.asyncCall(message));
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 5000)) {
            return {};
        }
        return pending.reply();
    }

    QDBusConnection bus;
    // Where each item registered lives: its bus name and its object, as watchers take them.
    QList<std::pair<QString, QString>> registered;

public slots:
    void RegisterStatusNotifierItem(const QString& path) {
        registered.append({message().service(), path});
    }
    void RegisterStatusNotifierHost(const QString&) {}
};

// Records desktop notifications.
class Notifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit Notifications(QDBusConnection connection) : bus(std::move(connection)) {
        bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                           QDBusConnection::ExportAllSlots);
        bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    ~Notifications() override {
        bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        bus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    }
    QDBusConnection bus;
    QStringList summaries;

public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString&,
                const QStringList&, const QVariantMap&, int) {
        summaries.append(summary);
        return 1;
    }
};

class TrayBusTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run inside dbus-run-session";
        Service<StatusBar>::install(&tray);
    }
    void TearDown() override { Service<StatusBar>::install(&platform.statusBar); }

    void launch() {
        delegate.applicationDidFinishLaunching();
        popover = platform.popovers.lastPopover;
    }
    bool registeredTimes(int n) {
        return QTest::qWaitFor([&] { return standIn.registered.size() >= n; }, 5000);
    }

    testing::TestPlatform platform;
    tray::TrayStatusBar tray;
    StandIn standIn;
    AppDelegate delegate{[] { return std::make_unique<testing::FixedContent>(200); }};
    testing::FakePopover* popover = nullptr;
};

TEST_F(TrayBusTest, ContextMenuAtAPointPopsUpTheMenu) {
    standIn.come();
    launch();
    ASSERT_TRUE(registeredTimes(1));
    standIn.call(QStringLiteral("/StatusNotifierItem"),
                 QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("ContextMenu"),
                 {600, 20});
    EXPECT_TRUE(QTest::qWaitFor(
        [] {
            const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu && menu->actions().size() == 3 &&
                   menu->actions().first()->text() == QStringLiteral("Show Panel");
        },
        5000));
    if (QApplication::activePopupWidget()) {
        QApplication::activePopupWidget()->close();
    }
}

TEST_F(TrayBusTest, AWatcherThatLeavesAndComesBackGetsTheItemAgain) {
    standIn.come();
    launch();
    ASSERT_TRUE(registeredTimes(1));
    standIn.leave();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !delegate.statusItem()->hasButton(); }, 5000));
    standIn.come();
    ASSERT_TRUE(registeredTimes(2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return delegate.statusItem()->hasButton(); }, 5000));
    const QDBusMessage id =
        standIn.call(standIn.registered.last().second,
                     QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                     {QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Id")});
    EXPECT_EQ(id.type(), QDBusMessage::ReplyMessage) << id.errorMessage().toStdString();
    EXPECT_EQ(QDBusConnection::sessionBus()
                  .interface()
                  ->registeredServiceNames()
                  .value()
                  .filter(QStringLiteral("org.kde.StatusNotifierItem-"))
                  .size(),
              1)
        << "the first item left the bus with its watcher";
}

TEST_F(TrayBusTest, NoTraySaysSoOnceAndATrayThatComesLaterGetsTheItem) {
    Notifications notifications(standIn.bus);
    launch();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !notifications.summaries.isEmpty(); },
                                tray::TrayStatusItem::noTrayGraceMs + 3000));
    EXPECT_EQ(notifications.summaries, QStringList{"Swivlo has no tray icon"});
    delegate.showPopover();
    EXPECT_TRUE(popover->isShown()) << "the panel opens without a tray";

    standIn.come();
    EXPECT_TRUE(registeredTimes(1));
    EXPECT_EQ(notifications.summaries.size(), 1);
}

}  // namespace
}  // namespace swivlo

#include "TrayBusTest.moc"
