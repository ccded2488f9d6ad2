// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLSegmentedControl.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <string_view>
#include <utility>

#include <gtest/gtest.h>

namespace {
// Table rows, not a parameterised suite: the cases must keep stable test names.
TEST(SegmentCount, ShowsAShortCountAndSaysTheWholeOne) {
    for (const auto& [count, shown, spoken] :
         {std::tuple<std::optional<std::int64_t>, const char*, const char*>{std::nullopt, "To Do", "To Do"},
          {1, "To Do (1)", "To Do, 1 item"},
          {9999, "To Do (9999)", "To Do, 9999 items"},
          {1000000, "To Do (9999+)", "To Do, 1000000 items"}}) {
        JLSegmentedControl control;
        control.setFirstLabel(QStringLiteral("To Do"));
        control.setCount(0, 5);
        control.setCount(0, count);
        EXPECT_EQ(control.segmentButton(0)->text(), QString::fromUtf8(shown));
        EXPECT_EQ(control.segmentButton(0)->accessibleName(), QString::fromUtf8(spoken));
    }
}

// Plural forms as a Polish translation has them: one, a few (2 to 4, 22 to 24, ...) and many.
class PolishItems final : public QTranslator {
public:
    PolishItems() { QCoreApplication::installTranslator(this); }
    ~PolishItems() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int n) const override {
        if (std::string_view(source) != "%1, %n item(s)")
            return {};
        const bool few = n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14);
        return QStringLiteral("%1, %n ") + (n == 1 ? QStringLiteral("zadanie")
                                            : few  ? QStringLiteral("zadania")
                                                   : QStringLiteral("zada\u0144"));
    }
};

TEST(SegmentCount, SaysTheCountInTheFormTheLanguageGivesThatNumber) {
    const PolishItems polish;
    JLSegmentedControl control;
    control.setFirstLabel(QStringLiteral("Do zrobienia"));
    for (const auto& [count, spoken] :
         {std::pair{1, "Do zrobienia, 1 zadanie"}, std::pair{3, "Do zrobienia, 3 zadania"},
          std::pair{5, "Do zrobienia, 5 zada\u0144"}, std::pair{22, "Do zrobienia, 22 zadania"}}) {
        control.setCount(0, count);
        EXPECT_EQ(control.segmentButton(0)->accessibleName(), QString::fromUtf8(spoken));
    }
}

// A reader hears one control with two choices: a tab list whose chosen tab is selected, moved along by the arrows,
// which choose as they go, as a click does.
TEST(SegmentTabs, TheSegmentsAreTabsOfOneListAndTheArrowsChooseBetweenThem) {
    JLSegmentedControl control;
    control.setFirstLabel(QStringLiteral("To Do"));
    control.setSecondLabel(QStringLiteral("All"));
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&control);
    ASSERT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(list->child(i)->role(), QAccessible::PageTab);
        EXPECT_EQ(list->child(i)->state().selected, i == 0);
        EXPECT_FALSE(list->child(i)->state().checked) << "a tab, not a check box";
    }
    QSignalSpy clicked(&control, &JLSegmentedControl::segmentClicked);
    control.activateWindow();
    control.segmentButton(0)->setFocus();
    QTest::keyClick(control.segmentButton(0), Qt::Key_Right);
    EXPECT_EQ(control.selectedSegment(), 1);
    EXPECT_TRUE(control.segmentButton(1)->hasFocus());
    EXPECT_TRUE(list->child(1)->state().selected);
    EXPECT_EQ(clicked.count(), 1);
    list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(control.selectedSegment(), 0);
}
// The chosen segment stands out in the text's colour from the start, after a switch, and in a new palette (the
// desktop turned dark).
TEST(SegmentColours, TheChosenSegmentIsDrawnInTheTextsColour) {
    JLSegmentedControl control;
    const auto chosenIs = [&control](int segment) {
        for (int i = 0; i < 2; ++i) {
            const QColor button = control.segmentButton(i)->palette().color(QPalette::Button);
            if ((button == control.palette().color(QPalette::ButtonText)) != (i == segment))
                return false;
        }
        return true;
    };
    EXPECT_TRUE(chosenIs(0));
    control.setSelectedSegment(1);
    EXPECT_TRUE(chosenIs(1));
    QPalette dark = control.palette();
    dark.setColor(QPalette::Button, Qt::black);
    dark.setColor(QPalette::ButtonText, Qt::white);
    control.setPalette(dark);
    EXPECT_TRUE(chosenIs(1));
    EXPECT_EQ(control.segmentButton(1)->palette().color(QPalette::ButtonText), QColor(Qt::black));
}
} // namespace
