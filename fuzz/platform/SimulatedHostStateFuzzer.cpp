// Feeds arbitrary bytes as the simulated host's state file, which users may edit by hand. The
// host must start from it, answer every reading the program sends, and what the state parser
// keeps must survive a save and a reload unchanged. A number is kept only as the integer it
// spells; one that is not exactly an integer in range is skipped, never read as another value.
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "platform/host/HostTexts.h"
#include "platform/host/SimulatedHost.h"

namespace {

using swivlo::fuzz::check;

QTemporaryDir* folder = nullptr;

// The members the parser must keep, read straight off the document.
void checkAgainstDocument(const QByteArray& bytes, const swivlo::SimulatedHostState& state) {
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    const QJsonObject defaults = root.value("defaults").toObject();
    for (auto d = defaults.begin(); d != defaults.end(); ++d) {
        const QJsonObject values = d.value().toObject();
        for (auto k = values.begin(); k != values.end(); ++k) {
            const auto kept = state.value(d.key().toStdString(), k.key().toStdString());
            if (!kept || !k.value().isDouble()) {
                continue;
            }
            const double number = k.value().toDouble();
            check(kept->typeId() == QMetaType::LongLong);
            check(static_cast<double>(kept->toLongLong()) == number);
        }
    }
    const QJsonObject restarts = root.value("restarts").toObject();
    for (const auto& [name, count] : state.restarts) {
        const QJsonValue v = restarts.value(QString::fromStdString(name));
        check(!v.isDouble() || static_cast<double>(count) == v.toDouble());
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    // Unreadable files are reported with a warning each time; that is expected here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto state = swivlo::SimulatedHostState::fromJson(bytes);
    if (state) {
        checkAgainstDocument(bytes, *state);
        const QByteArray saved = state->toJson();
        const auto reloaded = swivlo::SimulatedHostState::fromJson(saved);
        check(reloaded && *reloaded == *state);
        check(reloaded->toJson() == saved);
    }

    // The host reading the same bytes from its file answers every text the program sends.
    const QString path = folder->filePath("simulated-host.json");
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    swivlo::SimulatedHost host(path);
    namespace T = swivlo::HostTexts;
    for (const std::string& read : {T::desktopRead, T::widgetsRead, T::stageManagerRead}) {
        const auto outcome = host.run({"/bin/zsh", {"-c", read}, std::nullopt});
        check(outcome.launched);
    }
    check(host.execute(T::dockReadingScript).kind != swivlo::ScriptOutcome::Kind::NotCreated);
    (void)host.persistentValue("AppleInterfaceStyle");
    if (state) {
        check(host.state() == *state);
    }
    return 0;
}
