// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotificationCenter.h"

#include <algorithm>

NotificationCenter::ObserverId NotificationCenter::addObserver(const std::string& name, const void* object,
                                                               Callback callback) {
    const ObserverId id = m_nextId++;
    m_observers.push_back({id, name, object, std::make_shared<const Callback>(std::move(callback))});
    return id;
}

void NotificationCenter::removeObserver(ObserverId id) {
    std::erase_if(m_observers, [id](const Observer& o) { return o.id == id; });
}

void NotificationCenter::postNotificationName(const std::string& name, const void* object) {
    const Notification notification{name, object};
    // Observers may add or remove observers while they are called: those added now wait for the next post, and
    // one removed now is not called any more, since its owner may be gone.
    std::vector<ObserverId> due;
    for (const auto& o : m_observers) {
        if (o.name == name && (o.object == nullptr || o.object == object))
            due.push_back(o.id);
    }
    for (const ObserverId id : due) {
        const auto o =
            std::find_if(m_observers.begin(), m_observers.end(), [id](const Observer& x) { return x.id == id; });
        if (o == m_observers.end())
            continue;
        const auto callback = o->callback;
        (*callback)(notification);
    }
}
