#include "settings/SettingsWindowController.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "core/Localized.h"
#include "platform/Application.h"
#include "scenes/SceneManager.h"
#include "settings/SettingsView.h"

namespace swivlo {

namespace {

// The window tells its controller it is closing, then goes away with everything in it.
class SettingsWindow : public QWidget {
public:
    explicit SettingsWindow(SettingsWindowController& controller) : controller_(controller) {
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        controller_.windowWillClose(this);
        QWidget::closeEvent(event);
    }

private:
    SettingsWindowController& controller_;
};

}  // namespace

SettingsWindowController& SettingsWindowController::shared() {
    static auto* controller = new SettingsWindowController;
    return *controller;
}

SettingsWindowController::SettingsWindowController(SceneManager* manager, QObject* parent)
    : QObject(parent), manager_(manager) {}

SettingsWindowController::~SettingsWindowController() {
    delete window_.data();
}

void SettingsWindowController::showSettings() {
    if (!window_) {
        auto* window = new SettingsWindow(*this);
        window->setWindowTitle(localized("Settings"));
        window->setObjectName(QStringLiteral("SettingsWindow"));
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(new SettingsView(manager_ ? *manager_ : SceneManager::shared(),
                                           updaterFactory, window));
        window->setMinimumSize(contentSize);
        window->resize(contentSize);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), contentSize);
            frame.moveCenter(screen->availableGeometry().center());
            window->move(frame.topLeft());
        }
        window_ = window;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    application().activateIgnoringOtherApps();
}

void SettingsWindowController::windowWillClose(QWidget* window) {
    if (window && window == window_) {
        window_ = nullptr;
    }
}

SettingsView* SettingsWindowController::settingsView() const {
    return window_ ? window_->findChild<SettingsView*>() : nullptr;
}

}  // namespace swivlo
