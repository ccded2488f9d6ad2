// SPDX-License-Identifier: GPL-3.0-or-later
#include "SecretServiceStore.h"

#include <libsecret/secret.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QThread>

#include <memory>

namespace {
Q_LOGGING_CATEGORY(lcSecrets, "redizado.secrets", QtWarningMsg)

constexpr const char* serviceName = "org.freedesktop.secrets";
constexpr int busTimeoutMs = 2000;

const SecretSchema* accountSchema() {
    static const SecretSchema schema = [] {
        SecretSchema s{};
        s.name = "org.redizado.Redizado.SyncAccount";
        s.flags = SECRET_SCHEMA_NONE;
        s.attributes[0] = {"server", SECRET_SCHEMA_ATTRIBUTE_STRING};
        s.attributes[1] = {"user", SECRET_SCHEMA_ATTRIBUTE_STRING};
        return s;
    }();
    return &schema;
}

GHashTable* attributes(const SecretStore::Account& account) {
    GHashTable* table = g_hash_table_new_full(g_str_hash, g_str_equal, nullptr, g_free);
    g_hash_table_insert(table, const_cast<char*>("server"), g_strdup(account.server.c_str()));
    g_hash_table_insert(table, const_cast<char*>("user"), g_strdup(account.user.c_str()));
    return table;
}

// libsecret answers from GLib's default main context, which only a GLib-based Qt dispatcher runs, and only on the
// main thread.
bool glibRunsHere() {
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return false;
    const QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(app->thread());
    return dispatcher && dispatcher->inherits("QEventDispatcherGlib");
}
constexpr const char* noGlib = "Qt does not run GLib's main loop here (built without it, or QT_NO_GLIB is set)";

GVariant* askBus(GDBusConnection* bus, const char* method, GVariant* parameters) {
    GError* error = nullptr;
    GVariant* reply =
        g_dbus_connection_call_sync(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                    method, parameters, nullptr, G_DBUS_CALL_FLAGS_NONE, busTimeoutMs, nullptr, &error);
    if (error) {
        qCWarning(lcSecrets) << "The session bus did not answer" << method << ":" << error->message;
        g_error_free(error);
    }
    return reply;
}

// Running now, or started by the bus on the first call.
bool serviceOnBus(GDBusConnection* bus) {
    GVariant* reply = askBus(bus, "NameHasOwner", g_variant_new("(s)", serviceName));
    if (!reply)
        return false;
    gboolean owned = FALSE;
    g_variant_get(reply, "(b)", &owned);
    g_variant_unref(reply);
    if (owned || !(reply = askBus(bus, "ListActivatableNames", nullptr)))
        return owned;
    const gchar** names = nullptr;
    g_variant_get(reply, "(^a&s)", &names);
    const bool activatable = names && g_strv_contains(names, serviceName);
    g_free(names);
    g_variant_unref(reply);
    return activatable;
}

constexpr const char* lockedKeyring = "the keyring is locked and was not unlocked";

// The cases a user can act on, named plainly.
std::string reason(const GError* error) {
    if (g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_SERVICE_UNKNOWN) ||
        g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_NAME_HAS_NO_OWNER))
        return "no Secret Service runs on the session bus";
    if (g_error_matches(error, SECRET_ERROR, SECRET_ERROR_IS_LOCKED))
        return lockedKeyring;
    return error->message;
}
} // namespace

struct SecretServiceStore::Pending {
    enum class Task { store, lookup, forget };
    Pending(Task task, const Account& account, Done done, Found found)
        : task(task), attributes(::attributes(account)), done(std::move(done)), found(std::move(found)) {}
    ~Pending() {
        g_object_unref(cancellable);
        g_hash_table_unref(attributes);
        if (value)
            secret_value_unref(value);
    }
    Pending(const Pending&) = delete;
    Pending& operator=(const Pending&) = delete;

    // Answers a lookup, or takes the items out for a forget when none is locked.
    void searched(SecretService* service, GAsyncResult* result);

    Task task;
    SecretServiceStore* store = nullptr; // null once the store is gone
    GCancellable* cancellable = g_cancellable_new();
    GHashTable* attributes;
    std::string label;
    SecretValue* value = nullptr; // the password on its way in
    Done done;
    Found found;
    bool reconnected = false;
};

SecretServiceStore::SecretServiceStore() = default;

SecretServiceStore::~SecretServiceStore() {
    for (Pending* pending : m_pending) {
        pending->store = nullptr;
        g_cancellable_cancel(pending->cancellable);
    }
}

bool SecretServiceStore::available() const {
    if (!glibRunsHere()) {
        qCWarning(lcSecrets) << noGlib << "so the keyring's answers would never arrive: passwords are not kept";
        return false;
    }
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (!bus) {
        qCWarning(lcSecrets) << "No session bus, so no keyring:" << error->message;
        g_error_free(error);
        return false;
    }
    // GLib would end the whole program when this connection closes; the tray goes on without a keyring.
    g_dbus_connection_set_exit_on_close(bus, FALSE);
    const bool found = serviceOnBus(bus);
    g_object_unref(bus);
    if (!found)
        qCInfo(lcSecrets) << "No Secret Service on the session bus: passwords are not kept";
    return found;
}

void SecretServiceStore::store(const Account& account, const std::string& password, Done done) {
    auto pending = std::make_unique<Pending>(Pending::Task::store, account, std::move(done), nullptr);
    pending->label = "Redizado sync: " + account.user + " at " + account.server;
    // As bytes, so that whatever the password holds, NULs and all, comes back as it went in.
    pending->value = secret_value_new(password.data(), static_cast<gssize>(password.size()), "text/plain");
    begin(std::move(pending));
}

void SecretServiceStore::lookup(const Account& account, Found found) {
    begin(std::make_unique<Pending>(Pending::Task::lookup, account, nullptr, std::move(found)));
}

void SecretServiceStore::forget(const Account& account, Done done) {
    begin(std::make_unique<Pending>(Pending::Task::forget, account, std::move(done), nullptr));
}

void SecretServiceStore::begin(std::unique_ptr<Pending> owned) {
    Pending* pending = owned.release();
    pending->store = this;
    m_pending.insert(pending);
    if (glibRunsHere())
        return ask(pending);
    qCWarning(lcSecrets) << noGlib << "so the keyring cannot be asked";
    // Answered on the next turn of the event loop, as every answer is; at once where there is no loop at all.
    if (QCoreApplication::instance())
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [pending] { answer(pending, std::nullopt, noGlib); }, Qt::QueuedConnection);
    else
        answer(pending, std::nullopt, noGlib);
}

// First the connection to the keyring, then the task; each step answers the caller when it fails. Every caller
// shares the connection while it is being made, so cancelling one task there would fail the others: the
// cancellable only goes to the task itself.
void SecretServiceStore::ask(Pending* pending) {
    secret_service_get(
        SECRET_SERVICE_OPEN_SESSION, nullptr,
        [](GObject*, GAsyncResult* result, gpointer data) {
            auto* pending = static_cast<Pending*>(data);
            GError* error = nullptr;
            SecretService* service = secret_service_get_finish(result, &error);
            if (!pending->store) {
                if (service)
                    g_object_unref(service);
                g_clear_error(&error);
                return answer(pending, std::nullopt, {});
            }
            if (!service) {
                answer(pending, std::nullopt, reason(error));
                return g_error_free(error);
            }
            GDBusConnection* bus = g_dbus_proxy_get_connection(G_DBUS_PROXY(service));
            g_dbus_connection_set_exit_on_close(bus, FALSE);
            // libsecret keeps its connection after the session bus went away and came back; start over once.
            if (g_dbus_connection_is_closed(bus) && !pending->reconnected) {
                g_object_unref(service);
                secret_service_disconnect();
                pending->reconnected = true;
                return ask(pending);
            }
            switch (pending->task) {
            case Pending::Task::store:
                secret_service_store(
                    service, accountSchema(), pending->attributes, SECRET_COLLECTION_DEFAULT, pending->label.c_str(),
                    pending->value, pending->cancellable,
                    [](GObject* service, GAsyncResult* result, gpointer data) {
                        GError* error = nullptr;
                        secret_service_store_finish(SECRET_SERVICE(service), result, &error);
                        answer(static_cast<Pending*>(data), std::nullopt, error ? reason(error) : std::string());
                        g_clear_error(&error);
                    },
                    pending);
                break;
            case Pending::Task::lookup:
            case Pending::Task::forget:
                // A locked item is found but not opened: searching first tells a locked keyring from an empty one.
                secret_service_search(
                    service, accountSchema(), pending->attributes,
                    static_cast<SecretSearchFlags>(SECRET_SEARCH_ALL | SECRET_SEARCH_UNLOCK |
                                                   SECRET_SEARCH_LOAD_SECRETS),
                    pending->cancellable,
                    [](GObject* service, GAsyncResult* result, gpointer data) {
                        static_cast<Pending*>(data)->searched(SECRET_SERVICE(service), result);
                    },
                    pending);
                break;
            }
            g_object_unref(service);
        },
        pending);
}
void SecretServiceStore::Pending::searched(SecretService* service, GAsyncResult* result) {
    Pending* pending = this;
    GError* error = nullptr;
    GList* items = secret_service_search_finish(service, result, &error);
    if (error) {
        answer(pending, std::nullopt, reason(error));
        return g_error_free(error);
    }
    std::optional<std::string> password;
    std::string why;
    for (const GList* each = items; each; each = each->next) {
        SecretItem* item = SECRET_ITEM(each->data);
        if (secret_item_get_locked(item)) {
            why = lockedKeyring;
        } else if (SecretValue* value = secret_item_get_secret(item)) {
            gsize length = 0;
            const gchar* bytes = secret_value_get(value, &length);
            password.emplace(bytes, length);
            secret_value_unref(value);
        } else {
            why = "the keyring did not hand over the password";
        }
    }
    g_list_free_full(items, g_object_unref);
    if (pending->task == Pending::Task::lookup || !why.empty())
        return answer(pending, why.empty() ? std::move(password) : std::nullopt, why);
    secret_service_clear(
        service, accountSchema(), pending->attributes, pending->cancellable,
        [](GObject* service, GAsyncResult* result, gpointer data) {
            GError* error = nullptr;
            secret_service_clear_finish(SECRET_SERVICE(service), result, &error); // false alone: nothing to take out
            answer(static_cast<Pending*>(data), std::nullopt, error ? reason(error) : std::string());
            g_clear_error(&error);
        },
        pending);
}

void SecretServiceStore::answer(Pending* pending, std::optional<std::string> password, const std::string& why) {
    std::unique_ptr<Pending> owned(pending);
    if (!pending->store)
        return;
    pending->store->m_pending.erase(pending);
    if (!why.empty())
        qCWarning(lcSecrets) << "The keyring did not do what was asked:" << why.c_str();
    if (pending->done)
        pending->done(why.empty(), why);
    else
        pending->found(std::move(password), why);
}
