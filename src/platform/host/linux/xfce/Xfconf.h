#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <optional>

namespace swivlo::linuxhost::xfce {

// XFCE's settings store, org.xfce.Xfconf on the session bus, asked in process. Its clients
// (xfsettingsd, xfwm4, the panel, xfdesktop) watch it and restyle live.
class Xfconf {
public:
    // Whether xfconfd answers (it is started by the bus on demand).
    static bool available();
    // The property's value; none when it is not set or xfconfd did not answer.
    static std::optional<QVariant> get(const QString& channel, const QString& property);
    // Every property under `base`, by full name.
    static QMap<QString, QVariant> all(const QString& channel, const QString& base);
    // Values go over the bus with their own type (quint32, qint32, QString).
    static bool set(const QString& channel, const QString& property, const QVariant& value);
    // Removes the user's value, so the component's default applies.
    static bool reset(const QString& channel, const QString& property);
};

}  // namespace swivlo::linuxhost::xfce
