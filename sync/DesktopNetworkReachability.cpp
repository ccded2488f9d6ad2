// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkReachability.h"

#include <QNetworkInformation>

namespace {
// Qt owns the backend's object and may let it go before us: it is asked for afresh each time.
class DesktopNetworkReachability final : public NetworkReachability {
public:
    DesktopNetworkReachability() {
        connect(QNetworkInformation::instance(), &QNetworkInformation::reachabilityChanged, this,
                &NetworkReachability::onlineChanged);
    }
    bool online() const override {
        const QNetworkInformation* information = QNetworkInformation::instance();
        return !information || information->reachability() != QNetworkInformation::Reachability::Disconnected;
    }
};
} // namespace

std::unique_ptr<NetworkReachability> desktopNetworkReachability() {
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return nullptr;
    return std::make_unique<DesktopNetworkReachability>();
}
