// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Named notifications, delivered synchronously on the posting thread.
class NotificationCenter {
public:
    struct Notification {
        std::string name;
        const void* object = nullptr;
    };
    using Callback = std::function<void(const Notification&)>;
    using ObserverId = std::uint64_t;

    // object nullptr: from any sender.
    ObserverId addObserver(const std::string& name, const void* object, Callback callback);
    void removeObserver(ObserverId id);
    void postNotificationName(const std::string& name, const void* object);

private:
    struct Observer {
        ObserverId id;
        std::string name;
        const void* object;
        // Shared: an observer that removes itself while it is called keeps running to its end.
        std::shared_ptr<const Callback> callback;
    };
    std::vector<Observer> m_observers;
    ObserverId m_nextId = 1;
};
