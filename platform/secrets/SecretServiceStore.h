// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SecretStore.h"

#include <memory>
#include <set>

// The password in the desktop's keyring through the freedesktop Secret Service (libsecret), as an item of our own
// schema with the server's address and the user name as attributes. libsecret answers through GLib's main context,
// which Qt's event loop runs on Linux; where Qt was built or started without it (QT_NO_GLIB), nothing would ever
// answer, so the store says it is unavailable instead.
class SecretServiceStore final : public SecretStore {
public:
    SecretServiceStore();
    // Cancels what is still under way; its callbacks do not run.
    ~SecretServiceStore() override;
    SecretServiceStore(const SecretServiceStore&) = delete;
    SecretServiceStore& operator=(const SecretServiceStore&) = delete;

    bool available() const override;
    void store(const Account& account, const std::string& password, Done done) override;
    void lookup(const Account& account, Found found) override;
    void forget(const Account& account, Done done) override;

private:
    struct Pending;
    void begin(std::unique_ptr<Pending> pending);
    static void ask(Pending* pending);
    static void answer(Pending* pending, std::optional<std::string> password, const std::string& why);

    std::set<Pending*> m_pending;
};
