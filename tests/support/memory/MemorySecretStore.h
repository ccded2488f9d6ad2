// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SecretStore.h"

#include <QMetaObject>
#include <QObject>

#include <map>
#include <utility>

// Passwords in a map, answered on the next turn of the event loop as the keyring answers; a test can take the
// keyring away, and look at what is kept.
class MemorySecretStore final : public SecretStore {
public:
    bool available() const override { return keyring; }
    void store(const Account& account, const std::string& password, Done done) override {
        later([this, key = key(account), password, done = std::move(done)] {
            if (keyring)
                passwords[key] = password;
            done(keyring, why());
        });
    }
    void lookup(const Account& account, Found found) override {
        later([this, key = key(account), found = std::move(found)] {
            const auto kept = passwords.find(key);
            found(keyring && kept != passwords.end() ? std::optional(kept->second) : std::nullopt, why());
        });
    }
    void forget(const Account& account, Done done) override {
        later([this, key = key(account), done = std::move(done)] {
            if (keyring)
                passwords.erase(key);
            done(keyring, why());
        });
    }

    // Without a keyring every call fails, and what was kept stays for when it comes back.
    bool keyring = true;
    std::map<std::pair<std::string, std::string>, std::string> passwords;

private:
    static std::pair<std::string, std::string> key(const Account& account) { return {account.server, account.user}; }
    std::string why() const { return keyring ? std::string() : "no Secret Service runs on the session bus"; }
    // Dropped with the store, like the keyring's answers once the store is gone.
    template <typename Answer> void later(Answer answer) {
        QMetaObject::invokeMethod(&m_context, std::move(answer), Qt::QueuedConnection);
    }

    QObject m_context;
};
