// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkReachability.h"

#include <QNetworkInformation>

namespace {
class DesktopNetworkReachability final : public NetworkReachability {
public:
    explicit DesktopNetworkReachability(QNetworkInformation& information) : m_information(information) {
        connect(&information, &QNetworkInformation::reachabilityChanged, this, &NetworkReachability::onlineChanged);
    }
    bool online() const override {
        return m_information.reachability() != QNetworkInformation::Reachability::Disconnected;
    }

private:
    QNetworkInformation& m_information;
};
} // namespace

std::unique_ptr<NetworkReachability> desktopNetworkReachability() {
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return nullptr;
    return std::make_unique<DesktopNetworkReachability>(*QNetworkInformation::instance());
}
