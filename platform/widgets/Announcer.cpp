// SPDX-License-Identifier: GPL-3.0-or-later
#include "Announcer.h"

#include "AccessibleFactory.h"

#include <QAccessibleWidget>

namespace {
class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcer*>(widget())->message() : QString();
    }
};
} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    installAccessibleFactory<Announcer, AnnouncerAccessible>();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    setVisible(false);
}

Announcer::~Announcer() = default;

void Announcer::announce(const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    m_message = message;
    QAccessibleAnnouncementEvent announcement(parentWidget(), message);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
#else
    // Hidden and shown again, so that the same message twice is read twice.
    hide();
    m_message = message;
    show();
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
#endif
}

void Announcer::hideEvent(QHideEvent*) {
    // Hidden with its window: stays hidden when the window shows again, until there is something new to say.
    m_message.clear();
    if (!isHidden())
        setVisible(false);
}
