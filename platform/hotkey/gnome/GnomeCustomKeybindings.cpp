// SPDX-License-Identifier: GPL-3.0-or-later
#include "GnomeCustomKeybindings.h"

#include <gio/gio.h>

#include <algorithm>
#include <memory>
#include <string_view>

namespace gnomeKeybindings {
namespace {
constexpr const char* listSchema = "org.gnome.settings-daemon.plugins.media-keys";
constexpr const char* entrySchema = "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding";
constexpr const char* listKey = "custom-keybindings";

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using Settings = std::unique_ptr<GSettings, Unref>;

bool installed(const char* id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return false;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, id, TRUE);
    if (!schema)
        return false;
    g_settings_schema_unref(schema);
    return true;
}

Settings listSettings() {
    return available() ? Settings(g_settings_new(listSchema)) : nullptr;
}

// A relocatable schema needs a path ending in a slash; anything else would make GLib abort.
Settings entrySettings(const std::string& path) {
    if (!available() || path.empty() || path.front() != '/' || path.back() != '/')
        return nullptr;
    return Settings(g_settings_new_with_path(entrySchema, path.c_str()));
}

std::string text(GSettings* settings, const char* key) {
    gchar* value = g_settings_get_string(settings, key);
    std::string result(value);
    g_free(value);
    return result;
}

bool plainPath(const std::string& path) {
    return !path.empty() && std::all_of(path.begin(), path.end(), [](unsigned char c) {
        return g_ascii_isalnum(c) || std::string_view("/._-+,:@%").find(static_cast<char>(c)) != std::string_view::npos;
    });
}
} // namespace

bool available() {
    return installed(listSchema) && installed(entrySchema);
}

std::optional<std::vector<std::string>> paths() {
    const Settings settings = listSettings();
    if (!settings)
        return std::nullopt;
    gchar** list = g_settings_get_strv(settings.get(), listKey);
    std::vector<std::string> result;
    for (gchar** item = list; *item; ++item)
        result.emplace_back(*item);
    g_strfreev(list);
    return result;
}

bool setPaths(const std::vector<std::string>& paths) {
    const Settings settings = listSettings();
    if (!settings)
        return false;
    std::vector<const gchar*> list;
    for (const std::string& path : paths)
        list.push_back(path.c_str());
    list.push_back(nullptr);
    return g_settings_set_strv(settings.get(), listKey, list.data());
}

std::optional<CustomKeybinding> read(const std::string& path) {
    const Settings settings = entrySettings(path);
    if (!settings)
        return std::nullopt;
    return CustomKeybinding{text(settings.get(), "name"), text(settings.get(), "command"),
                            text(settings.get(), "binding")};
}

bool write(const std::string& path, const CustomKeybinding& binding) {
    const Settings settings = entrySettings(path);
    if (!settings)
        return false;
    // One change for the daemon to see, not a half-written shortcut.
    g_settings_delay(settings.get());
    const bool written = g_settings_set_string(settings.get(), "name", binding.name.c_str()) &&
                         g_settings_set_string(settings.get(), "command", binding.command.c_str()) &&
                         g_settings_set_string(settings.get(), "binding", binding.binding.c_str());
    if (written)
        g_settings_apply(settings.get());
    else
        g_settings_revert(settings.get());
    return written;
}

void reset(const std::string& path) {
    if (const Settings settings = entrySettings(path)) {
        for (const char* key : {"name", "command", "binding"})
            g_settings_reset(settings.get(), key);
    }
}

void sync() {
    g_settings_sync();
}

std::string commandLine(const std::string& program, const std::string& argument) {
    if (plainPath(program))
        return program + ' ' + argument;
    gchar* quoted = g_shell_quote(program.c_str());
    std::string result = std::string(quoted) + ' ' + argument;
    g_free(quoted);
    return result;
}

} // namespace gnomeKeybindings
