// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoWindow.h"
#include "JLRedizadoBackgroundView.h"
#include "MemoryAllDesktops.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QPointer>

#include <gtest/gtest.h>

TEST(JLRedizadoWindow, AwakeReplacesTheContentWithABackgroundOnEveryDesktop) {
    MemoryAllDesktops desktops;
    JLRedizadoWindow window(desktops);
    auto* original = new QWidget;
    original->resize(300, 400);
    window.setContentView(original);
    QPointer<QWidget> dropped(original);

    window.awakeFromNib();

    auto* background = qobject_cast<JLRedizadoBackgroundView*>(window.contentView());
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->size(), QSize(300, 400));
    EXPECT_EQ(desktops.windows(), std::vector<QWidget*>{&window});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dropped.isNull());

    // A content view set later is the window's child and casts the shadow too.
    auto* later = new QWidget;
    window.setContentView(later);
    EXPECT_NE(qobject_cast<QGraphicsDropShadowEffect*>(later->graphicsEffect()), nullptr);
    EXPECT_EQ(later->parentWidget(), &window);
}

// A tiling compositor floats only a window whose size cannot change; and it places it, so there is no arrow.
TEST(JLRedizadoWindow, WhereTheCompositorPlacesItTheSizeIsFixedAndTheArrowGone) {
    MemoryAllDesktops desktops;
    JLRedizadoWindow placed(desktops, WindowPlacement::ByCompositor);
    placed.resize(320, 440);
    placed.awakeFromNib();
    EXPECT_EQ(placed.minimumSize(), QSize(320, 440));
    EXPECT_EQ(placed.maximumSize(), QSize(320, 440));
    EXPECT_FALSE(qobject_cast<JLRedizadoBackgroundView*>(placed.contentView())->hasArrow());

    // Where the program places it, under the icon, it keeps its arrow and its size can change.
    JLRedizadoWindow atIcon(desktops);
    atIcon.resize(320, 440);
    atIcon.awakeFromNib();
    EXPECT_NE(atIcon.minimumSize(), atIcon.maximumSize());
    EXPECT_TRUE(qobject_cast<JLRedizadoBackgroundView*>(atIcon.contentView())->hasArrow());
}
