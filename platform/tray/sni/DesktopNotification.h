// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QString>

#include <functional>

class QObject;

// Shows a warning through the desktop's notification service; failed runs, within context's life, when no service
// takes it.
void notifyDesktop(const QDBusConnection& bus, const QString& title, const QString& message, QObject* context,
                   std::function<void()> failed = {});
