#include "platform/host/linux/kde/KdeSwitches.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include "platform/LogOutput.h"
#include "platform/host/linux/RememberingSwitch.h"
#include "platform/host/linux/kde/KdeSupport.h"
#include "platform/host/linux/kde/PlasmaShell.h"

namespace swivlo::linuxhost::kde {

namespace {

constexpr int toolTimeoutMs = 15000;

// ---- Dark Mode: the colour scheme in kdeglobals ----

KdeColorScheme readColorScheme() {
    QFile file(kdeglobalsPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return kdeColorScheme(QString::fromUtf8(file.readAll()));
}

bool schemeExists(const QString& name) {
    return !QStandardPaths::locate(
                QStandardPaths::GenericDataLocation,
                QStringLiteral("color-schemes/") + name + QStringLiteral(".colors"))
                .isEmpty();
}

const QString applyTool = QStringLiteral("plasma-apply-colorscheme");

// The supported way to change the scheme of a running Plasma session; it says "done" even when
// it did nothing, so kdeglobals tells whether it worked.
bool applyScheme(const QString& name) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(applyTool, {name});
    const bool finished = tool.waitForFinished(toolTimeoutMs);
    if (!finished) {
        tool.kill();
        tool.waitForFinished(1000);
    }
    const QString output = QString::fromUtf8(tool.readAll()).trimmed();
    if (!finished || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0 ||
        readColorScheme().name != name) {
        logLine("❌ " + applyTool.toStdString() + " " + name.toStdString() + " failed" +
                (finished ? ": " + output.toStdString() : std::string(": no answer in time")));
        return false;
    }
    return true;
}

class DarkModeSwitch : public RememberingSwitch {
public:
    using RememberingSwitch::RememberingSwitch;

    Support support() const override {
        KdeFacts facts;
        facts.plasmaShell = plasmaShellRuns();
        facts.colorSchemeTool = !QStandardPaths::findExecutable(applyTool).isEmpty();
        return kdeSupport(Capability::darkMode, facts);
    }

    std::optional<bool> isOn() override {
        const KdeColorScheme scheme = readColorScheme();
        return isDarkScheme(scheme.name, scheme.windowLightness);
    }

protected:
    std::optional<QJsonObject> valuesToKeep() override {
        return QJsonObject{{"scheme", readColorScheme().name}};
    }

    bool apply(bool on, const std::optional<QJsonObject>& kept) override {
        const KdeColorScheme scheme = readColorScheme();
        if (on) {
            return applyScheme(darkScheme(scheme.name, schemeExists));
        }
        if (!kept && !isDarkScheme(scheme.name, scheme.windowLightness)) {
            return true;
        }
        return applyScheme(kept ? (*kept)[QStringLiteral("scheme")].toString()
                                : lightScheme(scheme.name, schemeExists));
    }
};

// ---- Hide Desktop: the Folder View desktops' filter ----

// Folder View hides every file matching the pattern and the types in mode 2.
const QString folderFilter = QStringLiteral(R"(
var folders = desktops().filter(function (d) { return d.type == "org.kde.plasma.folder"; });
function filterOf(d) {
    d.currentConfigGroup = ["General"];
    return {id: d.id, mode: d.readConfig("filterMode", 0) + "",
            pattern: d.readConfig("filterPattern", "*") + "",
            types: d.readConfig("filterMimeTypes", "all/all") + ""};
}
function setFilter(d, f) {
    d.currentConfigGroup = ["General"];
    d.writeConfig("filterMode", parseInt(f.mode || "0"));
    d.writeConfig("filterPattern", f.pattern || "*");
    d.writeConfig("filterMimeTypes", (f.types || "all/all").split(","));
    d.reloadConfig();
}
)");

bool hidesAll(const QJsonObject& filter) {
    const QString types = filter[QStringLiteral("types")].toString();
    return filter[QStringLiteral("mode")].toString() == QStringLiteral("2") &&
           filter[QStringLiteral("pattern")].toString() == QStringLiteral("*") &&
           (types.isEmpty() || types == QStringLiteral("all/all"));
}

std::optional<QJsonArray> folderFilters() {
    const auto filters =
        readJson(folderFilter + QStringLiteral("print(JSON.stringify(folders.map(filterOf)));"));
    if (!filters || !filters->isArray()) {
        return std::nullopt;
    }
    return filters->toArray();
}

class HideDesktopSwitch : public RememberingSwitch {
public:
    using RememberingSwitch::RememberingSwitch;

    Support support() const override {
        KdeFacts facts;
        facts.plasmaShell = plasmaShellRuns();
        facts.folderDesktop =
            facts.plasmaShell && !folderFilters().value_or(QJsonArray()).isEmpty();
        return kdeSupport(Capability::hideDesktop, facts);
    }

    std::optional<bool> isOn() override {
        const auto filters = folderFilters();
        if (!filters || filters->isEmpty()) {
            return std::nullopt;
        }
        for (const QJsonValue& filter : *filters) {
            if (!hidesAll(filter.toObject())) {
                return false;
            }
        }
        return true;
    }

protected:
    std::optional<QJsonObject> valuesToKeep() override {
        const auto filters = folderFilters();
        if (!filters) {
            return std::nullopt;
        }
        return QJsonObject{{"filters", *filters}};
    }

    bool apply(bool on, const std::optional<QJsonObject>& kept) override {
        const auto filters = folderFilters();
        if (!filters) {
            return false;
        }
        QJsonArray wanted;
        if (on) {
            for (const QJsonValue& filter : *filters) {
                wanted.append(QJsonObject{{"id", filter[QStringLiteral("id")]},
                                          {"mode", "2"},
                                          {"pattern", "*"},
                                          {"types", "all/all"}});
            }
        } else {
            for (const QJsonValue& filter : *filters) {
                QJsonObject restored{{"id", filter[QStringLiteral("id")]}, {"mode", "0"}};
                for (const QJsonValue& before :
                     kept ? (*kept)[QStringLiteral("filters")].toArray() : QJsonArray()) {
                    if (before[QStringLiteral("id")] == filter[QStringLiteral("id")]) {
                        restored = before.toObject();
                    }
                }
                wanted.append(restored);
            }
        }
        const auto now =
            evaluateJson(folderFilter +
                         QStringLiteral("var wanted = %1;"
                                        "folders.forEach(function (d) { wanted.forEach("
                                        "function (f) { if (f.id == d.id) setFilter(d, f); }); });"
                                        "print(JSON.stringify(folders.map(filterOf)));")
                             .arg(literal(wanted)));
        const bool done =
            now && now->isArray() &&
            std::all_of(now->toArray().begin(), now->toArray().end(),
                        [on](const QJsonValue& f) { return hidesAll(f.toObject()) == on; });
        if (!done) {
            logLine("❌ The Folder View desktop kept its filter: " +
                    (now ? literal(*now).toStdString() : std::string("no answer")));
        }
        return done;
    }
};

// ---- Auto Hide Dock: the dock panel's hiding ----

const QString panelList = QStringLiteral(R"(
print(JSON.stringify(panels().map(function (p) {
    return {id: p.id, location: p.location, hiding: p.hiding,
            widgets: p.widgets().map(function (w) { return w.type; })};
})));
)");

struct Panels {
    std::vector<PlasmaPanel> panels;
    QMap<int, QString> hiding;
};

std::optional<Panels> readPanels() {
    const auto list = readJson(panelList);
    if (!list || !list->isArray()) {
        return std::nullopt;
    }
    Panels found;
    for (const QJsonValue& entry : list->toArray()) {
        PlasmaPanel panel{
            entry[QStringLiteral("id")].toInt(), entry[QStringLiteral("location")].toString(), {}};
        for (const QJsonValue& widget : entry[QStringLiteral("widgets")].toArray()) {
            panel.widgets << widget.toString();
        }
        found.hiding.insert(panel.id, entry[QStringLiteral("hiding")].toString());
        found.panels.push_back(panel);
    }
    return found;
}

const QString autoHide = QStringLiteral("autohide");

class AutoHideDockSwitch : public RememberingSwitch {
public:
    using RememberingSwitch::RememberingSwitch;

    Support support() const override {
        KdeFacts facts;
        facts.plasmaShell = plasmaShellRuns();
        facts.panel = facts.plasmaShell && chooseDock(readPanels().value_or(Panels{}).panels);
        return kdeSupport(Capability::autoHideDock, facts);
    }

    std::optional<bool> isOn() override {
        const auto found = readPanels();
        const auto dock = found ? chooseDock(found->panels) : std::nullopt;
        if (!dock) {
            return std::nullopt;
        }
        return found->hiding.value(*dock) == autoHide;
    }

protected:
    std::optional<QJsonObject> valuesToKeep() override {
        const auto panels = readPanels();
        const auto dock = panels ? chooseDock(panels->panels) : std::nullopt;
        if (!dock) {
            return std::nullopt;
        }
        return QJsonObject{{"panel", *dock}, {"hiding", panels->hiding.value(*dock)}};
    }

    bool apply(bool on, const std::optional<QJsonObject>& kept) override {
        const auto panels = readPanels();
        const auto dock = panels ? chooseDock(panels->panels) : std::nullopt;
        if (!dock) {
            return false;
        }
        int panel = *dock;
        QString wanted = autoHide;
        if (!on) {
            panel = kept ? (*kept)[QStringLiteral("panel")].toInt(panel) : panel;
            wanted = kept ? (*kept)[QStringLiteral("hiding")].toString() : QStringLiteral("none");
        }
        const auto now =
            evaluateJson(QStringLiteral("var answer = null; panels().forEach(function (p) {"
                                        " if (p.id == %1) { p.hiding = %2; answer = p.hiding; } });"
                                        "print(JSON.stringify(answer));")
                             .arg(panel)
                             .arg(literal(wanted)));
        if (!now || now->toString() != wanted) {
            logLine("❌ The Plasma panel kept its hiding: " +
                    (now ? literal(*now).toStdString() : std::string("no answer")));
            return false;
        }
        return true;
    }
};

}  // namespace

std::map<Capability, std::unique_ptr<DesktopSwitch>> makeSwitches(FoundValues& found) {
    return makeRememberingSwitches<DarkModeSwitch, HideDesktopSwitch, AutoHideDockSwitch>(
        found, QStringLiteral("kde"));
}

}  // namespace swivlo::linuxhost::kde
