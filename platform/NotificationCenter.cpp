// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotificationCenter.h"

#include <algorithm>

NotificationCenter::ObserverId NotificationCenter::addObserver(const std::string& name, const void* object,
                                                               Callback callback) {
    const ObserverId id = m_nextId++;
    m_observers.push_back({id, name, object, std::move(callback)});
    return id;
}

void NotificationCenter::removeObserver(ObserverId id) {
    std::erase_if(m_observers, [id](const Observer& o) { return o.id == id; });
}

void NotificationCenter::postNotificationName(const std::string& name, const void* object) {
    const Notification notification{name, object};
    // A copy: an observer may add or remove observers while it is called.
    const auto observers = m_observers;
    for (const auto& o : observers) {
        if (o.name == name && (o.object == nullptr || o.object == object))
            o.callback(notification);
    }
}

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}
