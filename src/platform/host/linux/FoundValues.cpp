#include "platform/host/linux/FoundValues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include "platform/LogOutput.h"

namespace swivlo::linuxhost {

namespace {

constexpr qint64 largestFile = 1 << 20;

}  // namespace

QString FoundValues::defaultPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state)) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/swivlo/found-values.json");
}

FoundValues::FoundValues(QString path) : path_(std::move(path)) {}

QJsonObject FoundValues::load() const {
    const QFileInfo info(path_);
    if (!info.isFile() || info.size() > largestFile) {
        return {};
    }
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool FoundValues::store(const QJsonObject& all) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(all).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        logLine("❌ Could not keep the desktop's values in " + path_.toStdString() + ": " +
                file.errorString().toStdString());
        return false;
    }
    return true;
}

bool FoundValues::remember(const QString& key, const QJsonObject& values) {
    QJsonObject all = load();
    if (all.contains(key)) {
        return true;
    }
    all.insert(key, values);
    return store(all);
}

std::optional<QJsonObject> FoundValues::find(const QString& key) const {
    const QJsonObject all = load();
    if (!all.value(key).isObject()) {
        return std::nullopt;
    }
    return all.value(key).toObject();
}

void FoundValues::forget(const QString& key) {
    QJsonObject all = load();
    if (all.contains(key)) {
        all.remove(key);
        store(all);
    }
}

}  // namespace swivlo::linuxhost
