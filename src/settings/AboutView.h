#pragma once

#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <memory>

#include "settings/Acknowledgements.h"
#include "settings/Updater.h"

namespace swivlo {

// "Version 2.3 (45)" from the program's information values; "1.0" and "1" stand in for values
// that are missing or not text.
QString aboutVersionLine();

// What the program is, said for the system it runs on (QSysInfo::kernelType()): a menu bar
// utility on macOS, a tray utility elsewhere.
QString aboutDescription(const QString& kernelType);

// The update button: enabled while the updater says a check may start. While it is disabled
// it says why, when the updater can tell (tooltip and accessible description).
class CheckForUpdatesView : public QPushButton {
    Q_OBJECT

public:
    explicit CheckForUpdatesView(Updater& updater, QWidget* parent = nullptr);

    // Why no check can start now; empty while one can, or when the updater does not say.
    QString disabledReason() const { return disabledReason_; }

signals:
    void disabledReasonChanged(const QString& reason);

private:
    void follow(bool canCheck);

    Updater& updater_;
    QString disabledReason_;
};

// The About tab: icon, name, version, update button, description, links and credit.
class AboutView : public QWidget {
    Q_OBJECT

public:
    explicit AboutView(std::unique_ptr<Updater> updaterController, QWidget* parent = nullptr);
    ~AboutView() override;

    CheckForUpdatesView* updateButton() const { return button_; }
    // Opens (or raises) the licences of what Swivlo ships from others.
    void showAcknowledgements();
    AcknowledgementsDialog* acknowledgements() const { return acknowledgements_; }

    static inline const char* websiteURL = "https://swivlo.app";
    static inline const char* supportURL = "mailto:support@swivlo.app";

private:
    std::unique_ptr<Updater> updater_;
    CheckForUpdatesView* button_ = nullptr;
    QPointer<AcknowledgementsDialog> acknowledgements_;
};

}  // namespace swivlo
