// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusItem.h"

#include <QTimer>

#include <chrono>
#include <optional>

// The icon as the interface sets it, whose count waits while later starts are answered: drawing the icon at every
// size takes longer than saving an item, and a run of commands needs it drawn once.
class HeldStatusItem final : public StatusItem {
public:
    explicit HeldStatusItem(StatusItem& item);

    // Holds can nest. The last title set while held is shown shortly after the last one ends (at most
    // settleTime later), so titles from commands close together are drawn once.
    void hold() { ++m_holds; }
    void release();
    static constexpr std::chrono::milliseconds settleTime{100};

    void setImage(const QIcon& image, bool isTemplate) override { m_item.setImage(image, isTemplate); }
    void setTitle(const QString& title) override;
    void setToolTip(const QString& toolTip) override { m_item.setToolTip(toolTip); }
    void setToolTipOffered(bool offered) override { m_item.setToolTipOffered(offered); }
    void setAction(std::function<void()> action) override { m_item.setAction(std::move(action)); }
    void setContextMenu(QMenu* menu) override { m_item.setContextMenu(menu); }
    std::optional<QRect> geometry() const override { return m_item.geometry(); }
    void showMessage(const QString& title, const QString& message) override { m_item.showMessage(title, message); }
    bool isAvailable() const override { return m_item.isAvailable(); }
    int statusBarThickness() const override { return m_item.statusBarThickness(); }

private:
    void showHeldTitle();

    StatusItem& m_item;
    int m_holds = 0;
    std::optional<QString> m_heldTitle;
    QTimer m_settle;
};
