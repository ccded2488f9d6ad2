// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>

enum class BarTone;
class PortalSettings;
class QVariant;

// The desktop's colour scheme as the XDG desktop portal tells it, followed while the program runs. It is read without
// blocking start-up, so it is noPreference until the portal answers, and stays so where there is no portal or the
// portal does not know the setting.
class PortalColorScheme final : public QObject {
    Q_OBJECT
public:
    enum class Scheme { noPreference, dark, light };
    Q_ENUM(Scheme)

    explicit PortalColorScheme(const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~PortalColorScheme() override;

    Scheme scheme() const { return m_scheme; }

signals:
    void schemeChanged(PortalColorScheme::Scheme scheme);

private:
    void adopt(const QVariant& answer);
    void setScheme(Scheme scheme);

    PortalSettings* m_settings = nullptr;
    Scheme m_scheme = Scheme::noPreference;
    // A change told before the first read's answer is newer than that answer.
    bool m_toldOfChange = false;
};

// What a scheme says of the bar the icon sits on, on the desktop named as XDG_CURRENT_DESKTOP names it. A dark
// scheme darkens every bar we know; a light one says little (GNOME's bar stays dark, waybar's is styled on its own),
// and only Plasma's panel is known to follow it.
BarTone barToneOfScheme(PortalColorScheme::Scheme scheme, const QString& currentDesktop);
