#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace swivlo {

// What the About tab asks of an update framework: whether a check may start now (observable)
// and starting a user-initiated check, whose progress and result the framework shows itself.
class Updater : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    virtual bool canCheckForUpdates() const = 0;
    virtual void checkForUpdates() = 0;
    // Why a check cannot start now, for the user; empty when the updater does not say.
    virtual QString unavailableReason() const { return {}; }

signals:
    void canCheckForUpdatesChanged(bool canCheck);
};

// Makes the updater of a new About page, started at once.
using UpdaterFactory = std::function<std::unique_ptr<Updater>()>;

// The desktop build has no update framework: a check is never possible.
class UnavailableUpdater : public Updater {
    Q_OBJECT

public:
    using Updater::Updater;
    bool canCheckForUpdates() const override { return false; }
    void checkForUpdates() override {}
    QString unavailableReason() const override;
};

}  // namespace swivlo
