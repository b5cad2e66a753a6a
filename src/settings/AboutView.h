#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <memory>

#include "settings/Updater.h"

namespace swivlo {

// "Version 2.3 (45)" from the program's information values; "1.0" and "1" stand in for values
// that are missing or not text.
QString aboutVersionLine();

// The update button: enabled while the updater says a check may start.
class CheckForUpdatesView : public QPushButton {
    Q_OBJECT

public:
    CheckForUpdatesView(Updater& updater, CheckForUpdatesViewModel* viewModel,
                        QWidget* parent = nullptr);
};

// The About tab: icon, name, version, update button, description, links and credit.
class AboutView : public QWidget {
    Q_OBJECT

public:
    explicit AboutView(std::unique_ptr<Updater> updaterController, QWidget* parent = nullptr);
    ~AboutView() override;

    CheckForUpdatesView* updateButton() const { return button_; }

    static inline const char* websiteURL = "https://swivlo.app";
    static inline const char* supportURL = "mailto:support@swivlo.app";

private:
    std::unique_ptr<Updater> updater_;
    CheckForUpdatesView* button_ = nullptr;
};

}  // namespace swivlo
