#pragma once

#include <QObject>
#include <QString>

#include "platform/PreferencesStore.h"

namespace swivlo {

// What the settings window has to tell the user about a change that did not take: one message
// at a time, the latest, until the user dismisses it. It follows the preferences store, so a
// store that cannot save shows from the moment the window opens and again at every failure.
class SettingsMessages : public QObject {
    Q_OBJECT

public:
    explicit SettingsMessages(QObject* parent = nullptr);

    const QString& text() const { return text_; }
    void post(const QString& text);
    void dismiss();

signals:
    void changed();

private:
    void preferencesNotSaved();

    QString text_;
};

}  // namespace swivlo
