// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredSyncAccount.h"

#include "PreferencesKeys.h"
#include "UserDefaults.h"

namespace {
std::string stringFor(const UserDefaults& defaults, const char* key) {
    const auto value = defaults.objectForKey(key);
    const std::string* text = value ? value->get<std::string>() : nullptr;
    return text ? *text : std::string();
}
} // namespace

std::optional<SyncControl::Account> storedSyncAccount(const UserDefaults& defaults) {
    const std::string address = stringFor(defaults, keys::syncServerAddress);
    if (address.empty())
        return std::nullopt;
    return SyncControl::Account{QUrl(QString::fromStdString(address)),
                                QString::fromStdString(stringFor(defaults, keys::syncUserName)),
                                defaults.boolForKey(keys::syncAllowsPlainHTTP)};
}

void storeSyncAccount(UserDefaults& defaults, const std::optional<SyncControl::Account>& account) {
    defaults.setObject(keys::syncServerAddress, account ? account->address.toString().toStdString() : "");
    defaults.setObject(keys::syncUserName, account ? account->user.toStdString() : "");
    defaults.setBool(keys::syncAllowsPlainHTTP, account && account->allowPlainHttp);
    defaults.synchronize();
}
