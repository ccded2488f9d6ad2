// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

// Where the sync account's password is kept: the desktop's keyring, and nowhere else. Every answer comes later,
// through the callback, on the main thread: never inside the call that asked. Once the store is destroyed, no
// callback runs. "why" is a sentence for the log and the settings pane; it never holds the password.
class SecretStore {
public:
    // Taken as given: the caller writes the server's address the same way each time.
    struct Account {
        std::string server; // "https://dav.example.org/"
        std::string user;
    };
    using Done = std::function<void(bool ok, const std::string& why)>;
    // No password and an empty why: nothing is stored for the account. No password and a why: it could not be read.
    using Found = std::function<void(std::optional<std::string> password, const std::string& why)>;

    virtual ~SecretStore() = default;

    // Whether a keyring answers on this desktop, so that offering to remember the password makes sense.
    virtual bool available() const = 0;
    // Keeps the password (any bytes) for the account, in place of the one kept before.
    virtual void store(const Account& account, const std::string& password, Done done) = 0;
    virtual void lookup(const Account& account, Found found) = 0;
    // Takes the account's password out; ok when there was none.
    virtual void forget(const Account& account, Done done) = 0;
};
