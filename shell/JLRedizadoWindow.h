// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class AllDesktops;

// The panel window: frameless and see-through, so only the drawn background shows; above other windows, on every
// desktop and out of task lists.
class JLRedizadoWindow final : public QWidget {
    Q_OBJECT
public:
    explicit JLRedizadoWindow(AllDesktops& allDesktops, QWidget* parent = nullptr);
    ~JLRedizadoWindow() override;

    void awakeFromNib();
    // Shows the window in front with the keyboard focus.
    void makeKeyAndOrderFront();
    void setContentView(QWidget* view);
    QWidget* contentView() const { return m_contentView; }

private:
    AllDesktops& m_allDesktops;
    QWidget* m_contentView = nullptr;
};
