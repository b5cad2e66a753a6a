// GLib's headers come first: Qt's `signals` keyword would clash with their field names.
#include <gio/gio.h>

#include "platform/host/linux/GioSettings.h"

#include "platform/LogOutput.h"

namespace swivlo::linuxhost {

namespace {

GSettingsSchema* lookUp(const QString& schemaId) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return source ? g_settings_schema_source_lookup(source, schemaId.toUtf8().constData(), TRUE)
                  : nullptr;
}

// One line per change, as the value now reads: "✅ Set org.gnome.desktop.interface
// color-scheme 'prefer-dark'".
void logChange(GSettings* settings, const char* key) {
    gchar* schema = nullptr;
    g_object_get(settings, "schema-id", &schema, nullptr);
    GVariant* value = g_settings_get_value(settings, key);
    gchar* text = g_variant_print(value, FALSE);
    logLine(std::string("✅ Set ") + schema + " " + key + " " + text);
    g_free(text);
    g_variant_unref(value);
    g_free(schema);
}

}  // namespace

std::unique_ptr<GioSettings> GioSettings::open(const QString& schemaId, const QString& path) {
    GSettingsSchema* schema = lookUp(schemaId);
    if (!schema) {
        return nullptr;
    }
    GSettings* settings =
        g_settings_new_full(schema, nullptr, path.isEmpty() ? nullptr : path.toUtf8().constData());
    g_settings_schema_unref(schema);
    return std::unique_ptr<GioSettings>(new GioSettings(settings));
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

void GioSettings::sync() {
    g_settings_sync();
}

GioSettings::~GioSettings() {
    if (handlerId_ != 0) {
        g_signal_handler_disconnect(settings_, handlerId_);
    }
    g_object_unref(settings_);
}

QString GioSettings::string(const QString& key) const {
    gchar* value = g_settings_get_string(settings_, key.toUtf8().constData());
    const QString text = QString::fromUtf8(value);
    g_free(value);
    return text;
}

void GioSettings::setString(const QString& key, const QString& value) {
    g_settings_set_string(settings_, key.toUtf8().constData(), value.toUtf8().constData());
    logChange(settings_, key.toUtf8().constData());
}

bool GioSettings::boolean(const QString& key) const {
    return g_settings_get_boolean(settings_, key.toUtf8().constData());
}

void GioSettings::setBoolean(const QString& key, bool value) {
    g_settings_set_boolean(settings_, key.toUtf8().constData(), value);
    logChange(settings_, key.toUtf8().constData());
}

QStringList GioSettings::strings(const QString& key) const {
    gchar** values = g_settings_get_strv(settings_, key.toUtf8().constData());
    QStringList list;
    for (gchar** value = values; value && *value; ++value) {
        list << QString::fromUtf8(*value);
    }
    g_strfreev(values);
    return list;
}

QStringList GioSettings::keys() const {
    GSettingsSchema* schema = nullptr;
    g_object_get(settings_, "settings-schema", &schema, nullptr);
    QStringList list;
    if (schema) {
        gchar** names = g_settings_schema_list_keys(schema);
        for (gchar** name = names; name && *name; ++name) {
            list << QString::fromUtf8(*name);
        }
        g_strfreev(names);
        g_settings_schema_unref(schema);
    }
    return list;
}

QStringList GioSettings::textValues(const QString& key) const {
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

void GioSettings::setStrings(const QString& key, const QStringList& value) {
    std::vector<QByteArray> bytes;
    std::vector<const gchar*> pointers;
    for (const QString& entry : value) {
        bytes.push_back(entry.toUtf8());
    }
    for (const QByteArray& entry : bytes) {
        pointers.push_back(entry.constData());
    }
    pointers.push_back(nullptr);
    g_settings_set_strv(settings_, key.toUtf8().constData(), pointers.data());
    logChange(settings_, key.toUtf8().constData());
}

void GioSettings::reset(const QString& key) {
    g_settings_reset(settings_, key.toUtf8().constData());
    logChange(settings_, key.toUtf8().constData());
}

void GioSettings::onChanged(std::function<void(const QString& key)> handler) {
    handler_ = std::move(handler);
    if (handlerId_ == 0) {
        handlerId_ =
            g_signal_connect(settings_, "changed", G_CALLBACK(&GioSettings::changed), this);
    }
}

void GioSettings::changed(GSettings*, const char* key, void* self) {
    auto* settings = static_cast<GioSettings*>(self);
    if (settings->handler_) {
        settings->handler_(QString::fromUtf8(key));
    }
}

}  // namespace swivlo::linuxhost
