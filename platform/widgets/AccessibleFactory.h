// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QString>

// Lets assistive technology read every Widget through Interface; installed once, however often it is asked.
template <typename Widget, typename Interface> void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& key, QObject* object) -> QAccessibleInterface* {
            if (key == QLatin1String(Widget::staticMetaObject.className()))
                if (auto* widget = qobject_cast<Widget*>(object))
                    return new Interface(widget); // the accessibility cache owns it
            return nullptr;
        });
        return true;
    }();
    (void)installed;
}
