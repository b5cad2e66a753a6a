#pragma once

// The command line against a running app: the built program run a second time with control
// options, and the app's log as it comes.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "ProgramRun.h"
#include "X11App.h"

namespace swivlo::testing::x11 {

inline ProgramRun swivloCommand(const SwivloProcess& app, const QStringList& arguments) {
    return runProgram(app.program, arguments, app.environment());
}

// The switch's entry in `--list --json`: id, available, reason, state.
inline QJsonObject listedSwitch(const SwivloProcess& app, const QString& id) {
    const ProgramRun list = swivloCommand(app, {"--list", "--json"});
    for (const QJsonValue& entry :
         QJsonDocument::fromJson(list.out.toUtf8())["switches"].toArray()) {
        if (entry["id"] == id) {
            return entry.toObject();
        }
    }
    return {};
}

// Reads what a program writes to its standard output, as it comes.
class Output {
public:
    explicit Output(QProcess& process) : process_(process) {}
    bool shows(const QString& text, int timeoutMs = 10000) {
        return eventually(
            [&] {
                process_.waitForReadyRead(50);
                seen_ += QString::fromUtf8(process_.readAll());
                return seen_.contains(text);
            },
            timeoutMs);
    }
    // After the program was started again.
    void forget() { seen_.clear(); }
    const QString& seen() {
        seen_ += QString::fromUtf8(process_.readAll());
        return seen_;
    }

private:
    QProcess& process_;
    QString seen_;
};

// Starts the app without waiting for a tray icon (a desktop may host none): ready once it
// says so.
inline bool startWithoutTray(SwivloProcess& app, Output& log) {
    app.process.setProcessEnvironment(app.environment());
    app.process.setProcessChannelMode(QProcess::MergedChannels);
    app.process.start(app.program, {});
    return app.process.waitForStarted() && log.shows(QStringLiteral("✅ Swivlo is running"), 20000);
}

}  // namespace swivlo::testing::x11
