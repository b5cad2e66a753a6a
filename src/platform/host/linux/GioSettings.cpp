// GLib's headers come first: Qt's `signals` keyword would clash with their field names.
#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

#include "platform/host/linux/GioSettings.h"

#include <QCoreApplication>

#include "platform/LogOutput.h"
#include "platform/host/linux/SessionBus.h"

namespace swivlo::linuxhost {

namespace {

GSettingsSchema* lookUp(const QString& schemaId) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return source ? g_settings_schema_source_lookup(source, schemaId.toUtf8().constData(), TRUE)
                  : nullptr;
}

const char* typeOf(const SettingValue& value) {
    return std::visit(
        [](const auto& v) -> const char* {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>) {
                return "b";
            } else if constexpr (std::is_same_v<T, QString>) {
                return "s";
            } else {
                return "as";
            }
        },
        value);
}

GVariant* toVariant(const SettingValue& value) {
    if (const bool* b = std::get_if<bool>(&value)) {
        return g_variant_new_boolean(*b);
    }
    if (const QString* s = std::get_if<QString>(&value)) {
        return g_variant_new_string(s->toUtf8().constData());
    }
    GVariantBuilder builder;
    g_variant_builder_init(&builder, G_VARIANT_TYPE_STRING_ARRAY);
    for (const QString& entry : std::get<QStringList>(value)) {
        g_variant_builder_add(&builder, "s", entry.toUtf8().constData());
    }
    return g_variant_builder_end(&builder);
}

std::string printed(GVariant* value) {
    gchar* text = g_variant_print(value, FALSE);
    std::string result = text;
    g_free(text);
    return result;
}

}  // namespace

std::unique_ptr<GioSettings> GioSettings::open(const QString& schemaId, const QString& path) {
    GSettingsSchema* schema = lookUp(schemaId);
    if (!schema) {
        return nullptr;
    }
    const QByteArray at = path.toUtf8();
    GSettings* settings =
        g_settings_new_full(schema, nullptr, path.isEmpty() ? nullptr : at.constData());
    return std::unique_ptr<GioSettings>(new GioSettings(settings, schema, schemaId));
}

bool GioSettings::hasKey(const QString& schemaId, const QString& key) {
    GSettingsSchema* schema = lookUp(schemaId);
    if (!schema) {
        return false;
    }
    const bool has = g_settings_schema_has_key(schema, key.toUtf8().constData());
    g_settings_schema_unref(schema);
    return has;
}

QString GioSettings::backendProblem() {
    static const QString memory = [] {
        GSettingsBackend* backend = g_settings_backend_get_default();
        const QString type = QString::fromUtf8(G_OBJECT_TYPE_NAME(backend));
        g_object_unref(backend);
        if (type == QStringLiteral("GMemorySettingsBackend") ||
            type == QStringLiteral("GNullSettingsBackend")) {
            return QStringLiteral("No settings service (GSettings keeps changes in memory)");
        }
        return QString();
    }();
    // dconf is reached over the session bus.
    return memory.isEmpty() ? sessionbus::problem() : memory;
}

void GioSettings::sync() {
    g_settings_sync();
}

GioSettings::~GioSettings() {
    if (handlerId_ != 0) {
        g_signal_handler_disconnect(settings_, handlerId_);
    }
    g_object_unref(settings_);
    g_settings_schema_unref(schema_);
}

bool GioSettings::has(const QString& key, const char* type) const {
    const QByteArray name = key.toUtf8();
    if (!g_settings_schema_has_key(schema_, name.constData())) {
        return false;
    }
    GSettingsSchemaKey* schemaKey = g_settings_schema_get_key(schema_, name.constData());
    const bool same =
        g_variant_type_equal(g_settings_schema_key_get_value_type(schemaKey), G_VARIANT_TYPE(type));
    g_settings_schema_key_unref(schemaKey);
    return same;
}

QStringList GioSettings::keys() const {
    QStringList list;
    gchar** names = g_settings_schema_list_keys(schema_);
    for (gchar** name = names; name && *name; ++name) {
        list << QString::fromUtf8(*name);
    }
    g_strfreev(names);
    return list;
}

QStringList GioSettings::textValues(const QString& key) const {
    if (!g_settings_schema_has_key(schema_, key.toUtf8().constData())) {
        return {};
    }
    GVariant* value = g_settings_get_value(settings_, key.toUtf8().constData());
    QStringList list;
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING)) {
        list << QString::fromUtf8(g_variant_get_string(value, nullptr));
    } else if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING_ARRAY)) {
        const gchar** values = g_variant_get_strv(value, nullptr);
        for (const gchar** entry = values; entry && *entry; ++entry) {
            list << QString::fromUtf8(*entry);
        }
        g_free(values);
    }
    g_variant_unref(value);
    return list;
}

std::optional<QString> GioSettings::string(const QString& key) const {
    if (!has(key, "s")) {
        return std::nullopt;
    }
    gchar* value = g_settings_get_string(settings_, key.toUtf8().constData());
    const QString text = QString::fromUtf8(value);
    g_free(value);
    return text;
}

std::optional<bool> GioSettings::boolean(const QString& key) const {
    if (!has(key, "b")) {
        return std::nullopt;
    }
    return g_settings_get_boolean(settings_, key.toUtf8().constData()) != FALSE;
}

std::optional<QStringList> GioSettings::strings(const QString& key) const {
    if (!has(key, "as")) {
        return std::nullopt;
    }
    gchar** values = g_settings_get_strv(settings_, key.toUtf8().constData());
    QStringList list;
    for (gchar** value = values; value && *value; ++value) {
        list << QString::fromUtf8(*value);
    }
    g_strfreev(values);
    return list;
}

bool GioSettings::write(const SettingChanges& changes) {
    const std::string schema = schemaId_.toStdString();
    for (const auto& [key, value] : changes) {
        if (!has(key, typeOf(value))) {
            logLine("❌ Could not set " + schema + " " + key.toStdString() +
                    ": the schema has no such key of type " + typeOf(value));
            return false;
        }
    }
    // Delayed: the keys go to the backend in one change set at apply.
    g_settings_delay(settings_);
    bool written = true;
    for (const auto& [key, value] : changes) {
        written =
            g_settings_set_value(settings_, key.toUtf8().constData(), toVariant(value)) && written;
    }
    written ? g_settings_apply(settings_) : g_settings_revert(settings_);
    sync();
    const std::string problem = written ? notTaken(changes) : std::string("a key is not writable");
    if (!problem.empty()) {
        logLine("❌ The desktop's settings did not take " + schema + " " + problem);
        return false;
    }
    for (const auto& [key, value] : changes) {
        GVariant* variant = g_variant_ref_sink(toVariant(value));
        logLine("✅ Set " + schema + " " + key.toStdString() + " " + printed(variant));
        g_variant_unref(variant);
    }
    return true;
}

std::string GioSettings::notTaken(const SettingChanges& changes) const {
    for (const auto& [key, value] : changes) {
        GVariant* wanted = g_variant_ref_sink(toVariant(value));
        GVariant* found = g_settings_get_value(settings_, key.toUtf8().constData());
        std::string problem;
        if (!g_variant_equal(wanted, found)) {
            problem = key.toStdString() + " " + printed(wanted) + " (reads " + printed(found) + ")";
        }
        g_variant_unref(found);
        g_variant_unref(wanted);
        if (!problem.empty()) {
            return problem;
        }
    }
    return {};
}

bool GioSettings::reset(const QStringList& keys) {
    g_settings_delay(settings_);
    for (const QString& key : keys) {
        if (g_settings_schema_has_key(schema_, key.toUtf8().constData())) {
            g_settings_reset(settings_, key.toUtf8().constData());
        }
    }
    g_settings_apply(settings_);
    sync();
    for (const QString& key : keys) {
        const QByteArray name = key.toUtf8();
        if (!g_settings_schema_has_key(schema_, name.constData())) {
            continue;
        }
        GVariant* user = g_settings_get_user_value(settings_, name.constData());
        if (user) {
            g_variant_unref(user);
            logLine("❌ The desktop's settings did not take back " + schemaId_.toStdString() + " " +
                    key.toStdString());
            return false;
        }
        GVariant* value = g_settings_get_value(settings_, name.constData());
        logLine("✅ Set " + schemaId_.toStdString() + " " + key.toStdString() + " " +
                printed(value));
        g_variant_unref(value);
    }
    return true;
}

void GioSettings::onChanged(std::function<void(const QString& key)> handler) {
    handler_ = std::make_shared<std::function<void(const QString&)>>(std::move(handler));
    if (handlerId_ == 0) {
        handlerId_ =
            g_signal_connect(settings_, "changed", G_CALLBACK(&GioSettings::changed), this);
    }
}

void GioSettings::changed(GSettings*, const char* key, void* self) {
    // Later, from the event loop: GIO emits this while a write is applied, and a handler that
    // reads the settings there would wait for that write forever.
    std::weak_ptr<std::function<void(const QString&)>> handler =
        static_cast<GioSettings*>(self)->handler_;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [handler, key = QString::fromUtf8(key)] {
            if (const auto live = handler.lock()) {
                (*live)(key);
            }
        },
        Qt::QueuedConnection);
}

}  // namespace swivlo::linuxhost
