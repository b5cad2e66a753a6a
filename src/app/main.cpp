#include <QApplication>
#include <QTimer>
#include <memory>

#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/HostAppearance.h"
#include "cleaner/ScreenCleanerWindow.h"
#include "panel/StatusContent.h"
#include "panel/StatusContentView.h"
#include "platform/LogOutput.h"
#include "platform/desktop/DesktopPlatform.h"
#include "platform/desktop/PanelPopover.h"
#include "platform/desktop/SingleInstanceLock.h"
#include "platform/host/DesktopHost.h"
#include "scenes/SceneManager.h"
#include "settings/LaunchAtLogin.h"
#include "settings/SettingsWindowController.h"
#include "settings/Translations.h"
#include "switches/SystemTools.h"

namespace {

// The panel's buttons open the app's own windows.
swivlo::StatusContent::Openers appWindows() {
    return {[] { swivlo::ScreenCleanerWindow::shared().activate(); },
            [] { swivlo::SettingsWindowController::shared().showSettings(); }};
}

std::unique_ptr<swivlo::PanelController> makePanelContent() {
    return std::make_unique<swivlo::desktop::WidgetPanelController>(
        std::make_unique<swivlo::StatusContentView>(swivlo::SceneManager::shared(), appWindows()));
}

}  // namespace

int main(int argc, char** argv) {
    swivlo::desktop::ignoreBrokenPipes();
    swivlo::desktop::keepInheritedDescriptorsFromChildren();

    if (const auto exitCode = swivlo::handleCommandLine(argc, argv)) {
        return *exitCode;
    }

    // Taken before the display is opened, so a second launch needs no display to say so.
    swivlo::desktop::SingleInstanceLock lock;
    switch (lock.acquire()) {
        case swivlo::desktop::SingleInstanceLock::Outcome::Acquired:
            break;
        case swivlo::desktop::SingleInstanceLock::Outcome::HeldByAnother:
            swivlo::logLine("Swivlo is already running.");
            return 0;
        case swivlo::desktop::SingleInstanceLock::Outcome::Failed:
            swivlo::logLine("❌ Swivlo cannot start: its lock file " + lock.path().toStdString() +
                            " cannot be used: " + lock.failure());
            return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Swivlo"));
    QApplication::setQuitOnLastWindowClosed(false);
    Q_INIT_RESOURCE(images);

    swivlo::desktop::DesktopPlatform platform;
    swivlo::desktop::quitOnTerminationSignals();
    swivlo::installTranslations();
    swivlo::installDesktopHost();
    swivlo::reconcileLaunchAtLogin();
    swivlo::followHostAppearance();

    // The panel is made when it first opens. What it reads is read now, so a stored value it
    // cannot use is reported at start.
    swivlo::StatusContent(swivlo::SceneManager::shared(), {}).visibleRows();

    swivlo::AppDelegate delegate(makePanelContent, appWindows().showSettings);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, [&delegate] {
        delegate.applicationWillTerminate();
        // Keep Awake must not outlive the app that could turn it off.
        swivlo::SystemTools::shared().applicationWillTerminate();
    });
    delegate.applicationDidFinishLaunching();
    // Said once the event loop runs with the tray icon up: from here on a click on it counts.
    QTimer::singleShot(0, &delegate, [] { swivlo::logLine("✅ Swivlo is running"); });
    return QApplication::exec();
}
