#pragma once

#include <QJsonValue>
#include <QString>
#include <optional>

namespace swivlo::linuxhost::kde {

// plasmashell's scripting interface (org.kde.PlasmaShell.evaluateScript), which changes panels
// and desktops live and prints what a script asks it to.
bool plasmaShellRuns();
// What the script printed, or none when the shell refused or is gone.
std::optional<QString> evaluate(const QString& script);
// The one JSON value the script printed.
std::optional<QJsonValue> evaluateJson(const QString& script);
// The same for a script that only reads. Asked again before the event loop turns (a panel
// opening asks each switch whether it is available, then whether it is on), the first answer
// serves: each script is a round trip through plasmashell. Any other script forgets them.
std::optional<QJsonValue> readJson(const QString& script);
// A value written as a script literal.
QString literal(const QJsonValue& value);

}  // namespace swivlo::linuxhost::kde
