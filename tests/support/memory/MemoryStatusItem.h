// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusItem.h"

#include <vector>

// A tray icon that only remembers what the tests look at; a test clicks it with click().
class MemoryStatusItem final : public StatusItem {
public:
    void setImage(const QIcon&, bool asTemplate) override { isTemplate = asTemplate; }
    void setTitle(const QString& shown) override { title = shown; }
    void setToolTip(const QString&) override {}
    void setToolTipOffered(bool offered) override { toolTipOffered = offered; }
    void setAction(std::function<void()> action) override { m_action = std::move(action); }
    void setContextMenu(QMenu* set) override { menu = set; }
    std::optional<QRect> geometry() const override { return shownAt; }
    void showMessage(const QString& heading, const QString& message) override {
        messages.push_back(heading + QStringLiteral(": ") + message);
    }
    bool isAvailable() const override { return true; }
    int statusBarThickness() const override { return 22; }

    void click() const {
        if (m_action)
            m_action();
    }

    std::vector<QString> messages;
    bool isTemplate = false;
    bool toolTipOffered = true;
    QString title;
    std::optional<QRect> shownAt;
    QMenu* menu = nullptr;

private:
    std::function<void()> m_action;
};
