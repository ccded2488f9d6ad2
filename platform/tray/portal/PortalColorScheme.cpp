// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortalColorScheme.h"

#include "LogCategories.h"
#include "PortalProxies.h"
#include "TrayIconImages.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QVariant>

namespace {
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");

// Most portals wrap the value Read answers in a variant of its own, inside the reply's; some do not.
QVariant unwrapped(QVariant value) {
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}
} // namespace

PortalColorScheme::PortalColorScheme(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_settings(new PortalSettings(bus, this)) {
    // Listening before reading: a change while the read is under way is not missed.
    connect(m_settings, &PortalSettings::SettingChanged, this,
            [this](const QString& settingNamespace, const QString& key, const QDBusVariant& value) {
                if (settingNamespace != appearance || key != colorSchemeKey)
                    return;
                m_toldOfChange = true;
                adopt(value.variant());
            });
    auto* read =
        new QDBusPendingCallWatcher(m_settings->asyncCall(QStringLiteral("Read"), appearance, colorSchemeKey), this);
    connect(read, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        if (m_toldOfChange)
            return;
        const QDBusMessage reply = call->reply();
        if (reply.type() != QDBusMessage::ReplyMessage) {
            qCInfo(lcTray).noquote() << "no colour scheme from the desktop portal, so none is assumed:"
                                     << reply.errorName() << reply.errorMessage();
            return;
        }
        adopt(reply.arguments().value(0));
    });
}

PortalColorScheme::~PortalColorScheme() = default;

void PortalColorScheme::adopt(const QVariant& answer) {
    const QVariant value = unwrapped(answer);
    if (value.metaType() != QMetaType::fromType<uint>()) {
        qCWarning(lcTray).noquote() << "the desktop portal's colour scheme is a" << value.metaType().name()
                                    << "rather than a number; taking it as no preference";
        setScheme(Scheme::noPreference);
        return;
    }
    switch (value.toUInt()) {
    case 0:
        setScheme(Scheme::noPreference);
        return;
    case 1:
        setScheme(Scheme::dark);
        return;
    case 2:
        setScheme(Scheme::light);
        return;
    default:
        qCWarning(lcTray) << "unknown colour scheme" << value.toUInt()
                          << "from the desktop portal; taking it as no preference";
        setScheme(Scheme::noPreference);
    }
}

void PortalColorScheme::setScheme(Scheme scheme) {
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    qCDebug(lcTray) << "desktop colour scheme:" << scheme;
    emit schemeChanged(scheme);
}

BarTone barToneOfScheme(PortalColorScheme::Scheme scheme, const QString& currentDesktop) {
    switch (scheme) {
    case PortalColorScheme::Scheme::dark:
        return BarTone::Dark;
    case PortalColorScheme::Scheme::light:
        return currentDesktop.split(QLatin1Char(':')).contains(QLatin1String("KDE"), Qt::CaseInsensitive)
                   ? BarTone::Light
                   : BarTone::Unknown;
    case PortalColorScheme::Scheme::noPreference:
        break;
    }
    return BarTone::Unknown;
}
