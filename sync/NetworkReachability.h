// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

// Whether the desktop says the machine is on a network. Not knowing counts as on line: then a failing sync's
// back-off is all that waits.
class NetworkReachability : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool online() const = 0;

signals:
    void onlineChanged();
};

// The desktop's word, through Qt's network information (NetworkManager or GLib's monitor); none where neither loads.
std::unique_ptr<NetworkReachability> desktopNetworkReachability();
