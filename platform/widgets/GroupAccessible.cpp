// SPDX-License-Identifier: GPL-3.0-or-later
#include "GroupAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
constexpr const char* roleProperty = "redizadoRole";

QAccessibleInterface* roleFactory(const QString& key, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = object->property(roleProperty);
    // Asked once per class from the object's own up; answered for its own only.
    if (!widget || !role.isValid() || key != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt())); // the cache owns it
}
} // namespace

void exposeWithRole(QWidget* container, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    (void)installed;
    if (container->property(roleProperty) == QVariant(int(role)))
        return;
    container->setProperty(roleProperty, int(role));
    // An interface made before would go on offering the container in its old role.
    if (const QAccessible::Id id = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(container)))
        QAccessible::deleteAccessibleInterface(id);
}

void exposeAsGroup(QWidget* container, const QString& name) {
    container->setAccessibleName(name);
    exposeWithRole(container, QAccessible::Grouping);
}
