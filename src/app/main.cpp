#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/ControlCommands.h"
#include "app/HostAppearance.h"
#include "cleaner/ScreenCleanerWindow.h"
#include "core/Localized.h"
#include "panel/StatusContent.h"
#include "panel/StatusContentView.h"
#include "platform/LogOutput.h"
#include "platform/Session.h"
#include "platform/XdgDirectories.h"
#include "platform/desktop/ControlServer.h"
#include "platform/desktop/DesktopPlatform.h"
#include "platform/desktop/DisplayCheck.h"
#include "platform/desktop/PanelPopover.h"
#include "platform/desktop/SingleInstanceLock.h"
#include "platform/host/DesktopHost.h"
#include "platform/hotkey/DesktopHotkey.h"
#include "scenes/SceneManager.h"
#include "settings/LaunchAtLogin.h"
#include "settings/SettingsWindowController.h"
#include "settings/Translations.h"
#include "switches/KeepAwakeTimer.h"
#include "switches/SystemTools.h"

namespace {

// The panel's buttons open the app's own windows.
swivlo::StatusContent::Openers appWindows() {
    return {[] { swivlo::ScreenCleanerWindow::shared().activate(); },
            [] { swivlo::SettingsWindowController::shared().showSettings(); }};
}

// The content of the panel last built: the popover keeps it until the next opening.
QPointer<swivlo::StatusContentView> panelContent;

std::unique_ptr<swivlo::PanelController> makePanelContent() {
    auto view =
        std::make_unique<swivlo::StatusContentView>(swivlo::SceneManager::shared(), appWindows());
    panelContent = view.get();
    return std::make_unique<swivlo::desktop::WidgetPanelController>(std::move(view));
}

// "Keep Awake for" a time, when the host can keep awake.
std::vector<swivlo::StatusMenuItem> keepAwakeMenu() {
    using swivlo::Capability;
    const swivlo::Switch* keepAwake = swivlo::SwitchCatalogue::byCapability(Capability::keepAwake);
    if (!keepAwake || !swivlo::SystemTools::shared().availability(*keepAwake).available) {
        return {};
    }
    auto text = [](const char* key) { return swivlo::localized(key).toStdString(); };
    swivlo::StatusMenuItem timed{text("Keep Awake for"), {}, {}};
    const std::pair<const char*, double> durations[] = {{"30 minutes", 30 * 60},
                                                        {"1 hour", 60 * 60},
                                                        {"2 hours", 2 * 60 * 60},
                                                        {"5 hours", 5 * 60 * 60}};
    for (const auto& [title, seconds] : durations) {
        timed.submenu.push_back(
            {text(title),
             [seconds] { swivlo::KeepAwakeTimer::shared().keepAwakeFor(seconds); },
             {}});
    }
    return {timed};
}

}  // namespace

int main(int argc, char** argv) {
    swivlo::desktop::ignoreBrokenPipes();
    swivlo::desktop::keepInheritedDescriptorsFromChildren();

    if (const auto exitCode = swivlo::handleCommandLine(argc, argv)) {
        return *exitCode;
    }

    if (const auto runtime = swivlo::runtimeDir(); runtime.path.isEmpty()) {
        swivlo::logLine("❌ Swivlo cannot start: " + runtime.problem.toStdString());
        return 1;
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

    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (const auto missing =
            swivlo::desktop::missingDisplay(swivlo::Session::current(), arguments)) {
        swivlo::logLine("❌ Swivlo cannot start: " + *missing);
        return 1;
    }
    swivlo::desktop::preferXwayland();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Swivlo"));
    // The app id desktops match to the launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.swivlo.Swivlo"));
    QApplication::setQuitOnLastWindowClosed(false);
    Q_INIT_RESOURCE(images);

    swivlo::desktop::DesktopPlatform platform;
    swivlo::desktop::quitOnTerminationSignals();
    swivlo::installTranslations();
    swivlo::installDesktopHost();
    // Before the delegate, which gives the shortcut back when it goes.
    const auto hotkey = swivlo::makeGlobalHotkey(swivlo::Session::current());
    swivlo::Service<swivlo::GlobalHotkey>::install(hotkey.get());
    swivlo::reconcileLaunchAtLogin();
    swivlo::followHostAppearance();

    // The panel is made when it first opens. What it reads is read now, so a stored value it
    // cannot use is reported at start.
    swivlo::StatusContent::readStoredValues();

    swivlo::AppDelegate delegate(makePanelContent, appWindows().showSettings, keepAwakeMenu());
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, [&delegate] {
        delegate.applicationWillTerminate();
        // Keep Awake must not outlive the app that could turn it off.
        swivlo::SystemTools::shared().applicationWillTerminate();
    });
    delegate.applicationDidFinishLaunching();

    // The command line reaches this Swivlo through the same actions as the panel and the menu;
    // without a tray the panel opens at the top right of the screen.
    swivlo::ControlCommands commands(swivlo::SceneManager::shared(),
                                     {[&delegate] {
                                          if (!delegate.statusItem()) {
                                              return false;
                                          }
                                          if (!delegate.popover()->isShown()) {
                                              delegate.showPopover();
                                          }
                                          return true;
                                      },
                                      appWindows().showSettings, appWindows().startScreenCleaner,
                                      [&delegate] {
                                          // A closed panel reads the host afresh when it next
                                          // opens.
                                          if (panelContent && delegate.popover()->isShown()) {
                                              panelContent->content().loadSwitchStates();
                                          }
                                      },
                                      [&delegate]() -> std::optional<bool> {
                                          if (!delegate.statusItem()) {
                                              return std::nullopt;
                                          }
                                          delegate.togglePopover();
                                          return delegate.popover()->isShown();
                                      }});
    swivlo::desktop::ControlServer control(
        [&commands](const swivlo::desktop::ControlServer::Received& received) {
            return received.refusal.isEmpty() ? commands.handle(received.line)
                                              : commands.refuse(received.refusal);
        });
    if (!control.listen(swivlo::control::socketPath())) {
        swivlo::logLine("⚠️ The command line cannot reach this Swivlo: " +
                        control.errorString().toStdString());
    }
    // Said once the event loop runs with the tray icon up: from here on a click on it counts.
    QTimer::singleShot(0, &delegate, [] { swivlo::logLine("✅ Swivlo is running"); });
    return QApplication::exec();
}
