// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NetworkReachability.h"

// The desktop's word on the network, as the test gives it: on line until told otherwise.
class MemoryNetworkReachability final : public NetworkReachability {
public:
    bool online() const override { return m_online; }
    void setOnline(bool online) {
        m_online = online;
        emit onlineChanged();
    }

private:
    bool m_online = true;
};
