// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// The user's list of programs started at login.
class LoginItems {
public:
    struct Entry {
        std::string id;                     // opaque, stable while the entry exists
        std::optional<std::string> program; // the program it starts; nothing when that cannot be worked out
    };

    virtual ~LoginItems() = default;

    // The entries as they are now, in the list's order.
    virtual std::vector<Entry> entries() const = 0;
    // Adds an entry that starts the program at the absolute path appPath, after the others; false when nothing was
    // added.
    virtual bool insertLast(const std::string& appPath) = 0;
    // Takes the entry out of the list; false when it is still there.
    virtual bool remove(const Entry& entry) = 0;
};
