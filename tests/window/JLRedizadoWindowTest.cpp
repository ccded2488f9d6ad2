// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoWindow.h"
#include "JLRedizadoBackgroundView.h"
#include "MemoryAllDesktops.h"

#include <gtest/gtest.h>

TEST(JLRedizadoWindow, AwakeReplacesTheContentWithABackgroundOnEveryDesktop) {
    MemoryAllDesktops desktops;
    JLRedizadoWindow window(desktops);
    auto* original = new QWidget;
    original->resize(300, 400);
    window.setContentView(original);
    window.awakeFromNib();

    auto* background = qobject_cast<JLRedizadoBackgroundView*>(window.contentView());
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->size(), QSize(300, 400));
    EXPECT_EQ(desktops.windows(), std::vector<QWidget*>{&window});
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
}
