// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtWorkspace.h"

#include "LogCategories.h"

#include <QDesktopServices>
#include <QUrl>

bool QtWorkspace::openUrlOnDesktop(const std::string& url) {
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.scheme().isEmpty()) {
        qCWarning(lcWorkspace) << "not opening" << QString::fromStdString(url) << "- it is not a URL";
        return false;
    }
    if (!QDesktopServices::openUrl(parsed)) {
        qCWarning(lcWorkspace) << "no application took" << parsed.toDisplayString();
        return false;
    }
    return true;
}
