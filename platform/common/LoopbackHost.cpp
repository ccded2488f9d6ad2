// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoopbackHost.h"

#include <QStringList>

namespace {
bool isLoopbackIpv4(QStringView host) {
    const QList<QStringView> parts = host.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (QStringView part : parts) {
        bool number = false;
        const int value = part.toInt(&number);
        if (!number || value < 0 || value > 255 || part.startsWith(QLatin1Char('+')))
            return false;
    }
    return parts.first() == QLatin1String("127");
}
} // namespace

bool isLoopbackHost(const QString& host) {
    // QUrl gives IPv6 hosts without brackets and compressed: "::1", "::ffff:127.0.0.1".
    const QString bare =
        host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')) ? host.mid(1, host.size() - 2) : host;
    static const QLatin1String mapped("::ffff:");
    return bare.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || bare == QLatin1String("::1") ||
           isLoopbackIpv4(bare) ||
           (bare.startsWith(mapped, Qt::CaseInsensitive) && isLoopbackIpv4(QStringView(bare).mid(mapped.size())));
}
