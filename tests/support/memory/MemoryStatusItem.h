// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusItem.h"

#include <vector>

// A tray icon that only remembers what the tests look at; a test clicks it with click().
class MemoryStatusItem final : public StatusItem {
public:
    void setImage(const QIcon&, bool isTemplate) override { m_isTemplate = isTemplate; }
    void setTitle(const QString& title) override { m_title = title; }
    void setToolTip(const QString&) override {}
    void setToolTipOffered(bool offered) override { m_toolTipOffered = offered; }
    void setAction(std::function<void()> action) override { m_action = std::move(action); }
    void setContextMenu(QMenu*) override {}
    std::optional<QRect> geometry() const override { return m_geometry; }
    void showMessage(const QString& title, const QString& message) override {
        m_messages.push_back(title + QStringLiteral(": ") + message);
    }
    bool isAvailable() const override { return true; }
    int statusBarThickness() const override { return 22; }

    void click() const {
        if (m_action)
            m_action();
    }
    const std::vector<QString>& messages() const { return m_messages; }
    bool isTemplate() const { return m_isTemplate; }
    bool toolTipOffered() const { return m_toolTipOffered; }
    const QString& title() const { return m_title; }
    void setGeometry(std::optional<QRect> geometry) { m_geometry = geometry; }

private:
    std::vector<QString> m_messages;
    bool m_isTemplate = false;
    bool m_toolTipOffered = true;
    QString m_title;
    std::function<void()> m_action;
    std::optional<QRect> m_geometry;
};
