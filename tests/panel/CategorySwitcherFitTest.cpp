// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include <QLayout>

namespace {
// The label and what a push button draws around it: its frame on each side and the style's margin.
int labelWidth(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const QStyle* style = button.style();
    return button.fontMetrics().horizontalAdvance(button.text()) +
           style->pixelMetric(QStyle::PM_ButtonMargin, &option, &button) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
}

// The panel in its window, in the font the system has.
class CategorySwitcherFitTest : public PanelTest, public ::testing::WithParamInterface<int> {};

TEST_P(CategorySwitcherFitTest, EveryLabelShowsWholeBesideTheOtherButtons) {
    showInWindow();
    JLSegmentedControl* switcher = widgets().categorySwitcher;
    switcher->setCount(0, GetParam());
    QApplication::processEvents(); // the posted layout requests, the switcher's and then the panel's
    const QRect inside = view()->rect().marginsRemoved(view()->layout()->contentsMargins());
    int right = inside.left();
    for (const QAbstractButton* button :
         {switcher->segmentButton(0), switcher->segmentButton(1), static_cast<QAbstractButton*>(panel->editButton()),
          static_cast<QAbstractButton*>(panel->settingsButton())}) {
        const QRect at(button->mapTo(view(), QPoint(0, 0)), button->size());
        EXPECT_GE(at.width(), labelWidth(*button)) << button->text().toStdString();
        EXPECT_GE(at.left(), right) << button->text().toStdString() << " overlaps the control before it";
        right = at.left() + at.width();
    }
    EXPECT_LE(right, inside.left() + inside.width());
    EXPECT_EQ(view()->width(), 320);
}

// 1000000 shows as "9999+", the widest label.
INSTANTIATE_TEST_SUITE_P(Counts, CategorySwitcherFitTest, ::testing::Values(0, 12, 9999, 1000000));
} // namespace
