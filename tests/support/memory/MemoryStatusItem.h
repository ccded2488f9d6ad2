// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusItem.h"

#include <QIcon>

#include <vector>

// A tray icon that only remembers what it was given; a test clicks it with click().
class MemoryStatusItem final : public StatusItem {
public:
    void setImage(const QIcon& image, bool isTemplate) override {
        m_image = image;
        m_isTemplate = isTemplate;
    }
    void setTitle(const QString& title) override { m_title = title; }
    void setToolTip(const QString& toolTip) override { m_toolTip = toolTip; }
    void setAction(std::function<void()> action) override { m_action = std::move(action); }
    void setContextMenu(QMenu* menu) override { m_menu = menu; }
    std::optional<QRect> geometry() const override { return m_geometry; }
    void showMessage(const QString& title, const QString& message) override {
        m_messages.push_back(title + QStringLiteral(": ") + message);
    }
    const std::vector<QString>& messages() const { return m_messages; }
    bool isAvailable() const override { return m_available; }
    int statusBarThickness() const override { return m_thickness; }

    void click() const {
        if (m_action)
            m_action();
    }
    const QIcon& image() const { return m_image; }
    bool isTemplate() const { return m_isTemplate; }
    const QString& title() const { return m_title; }
    const QString& toolTip() const { return m_toolTip; }
    QMenu* contextMenu() const { return m_menu; }
    void setGeometry(std::optional<QRect> geometry) { m_geometry = geometry; }
    void setAvailable(bool available) { m_available = available; }
    void setStatusBarThickness(int thickness) { m_thickness = thickness; }

private:
    std::vector<QString> m_messages;
    QIcon m_image;
    bool m_isTemplate = false;
    QString m_title;
    QString m_toolTip;
    std::function<void()> m_action;
    QMenu* m_menu = nullptr;
    std::optional<QRect> m_geometry;
    bool m_available = true;
    int m_thickness = 22;
};
