// SPDX-License-Identifier: GPL-3.0-or-later
#include "GroupAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
constexpr const char* groupProperty = "redizadoGroup";

QAccessibleInterface* groupFactory(const QString& key, QObject* object) {
    if (key != QLatin1String("QWidget") || !object->property(groupProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping); // the cache owns it
}
} // namespace

void exposeAsGroup(QWidget* container, const QString& name) {
    static const bool installed = [] {
        QAccessible::installFactory(groupFactory);
        return true;
    }();
    (void)installed;
    container->setAccessibleName(name);
    if (container->property(groupProperty).toBool())
        return;
    container->setProperty(groupProperty, true);
    // An interface made before would go on offering the container as a filler.
    if (const QAccessible::Id id = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(container)))
        QAccessible::deleteAccessibleInterface(id);
}
