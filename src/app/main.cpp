#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/HostAppearance.h"
#include "panel/StatusContent.h"
#include "panel/StatusContentView.h"
#include "platform/LogOutput.h"
#include "platform/desktop/DesktopPlatform.h"
#include "platform/desktop/PanelPopover.h"
#include "platform/host/DesktopHost.h"
#include "scenes/SceneManager.h"
#include "settings/LaunchAtLogin.h"
#include "settings/Translations.h"
#include "switches/SystemTools.h"

namespace {

// One Swivlo per user session: a second launch leaves the first alone.
bool anotherInstanceRuns(QLockFile& lock) {
    lock.setStaleLockTime(0);
    return !lock.tryLock(0);
}

QString lockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return dir + QStringLiteral("/swivlo.lock");
}

std::unique_ptr<swivlo::PanelController> makePanelContent() {
    return std::make_unique<swivlo::desktop::WidgetPanelController>(
        std::make_unique<swivlo::StatusContentView>(swivlo::SceneManager::shared()));
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto exitCode = swivlo::handleCommandLine(argc, argv)) {
        return *exitCode;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Swivlo"));
    QApplication::setQuitOnLastWindowClosed(false);
    Q_INIT_RESOURCE(images);

    QLockFile lock(lockPath());
    if (anotherInstanceRuns(lock)) {
        swivlo::logLine("Swivlo is already running.");
        return 0;
    }

    swivlo::desktop::DesktopPlatform platform;
    swivlo::desktop::quitOnTerminationSignals();
    swivlo::installTranslations();
    swivlo::installDesktopHost();
    swivlo::reconcileLaunchAtLogin();
    swivlo::followHostAppearance();

    swivlo::AppDelegate delegate(makePanelContent,
                                 swivlo::StatusContent::defaultOpeners().showSettings);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, [&delegate] {
        delegate.applicationWillTerminate();
        // Keep Awake must not outlive the app that could turn it off.
        swivlo::SystemTools::shared().applicationWillTerminate();
    });
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
