// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "ControlState.h"
#include "JLRedizadoBackgroundView.h"
#include "JLRedizadoWindow.h"
#include "MemoryAllDesktops.h"
#include "RowHeight.h"
#include "ScreenCoordinates.h"

#include <QAbstractTextDocumentLayout>
#include <QLayout>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>

using Animation = JLTableView::Animation;
using Strings = std::vector<std::string>;

namespace {
std::vector<Animation> animations(const QSignalSpy& spy) {
    std::vector<Animation> result;
    for (const auto& arguments : spy)
        result.push_back(arguments.at(1).value<Animation>());
    return result;
}
} // namespace

TEST_F(PanelTest, ANewItemSlidesInAtTheTopOfEitherCategoryUnchecked) {
    QSignalSpy inserted(controller.redizadoTableView(), &JLTableView::rowInserted);
    add(QStringLiteral("milk"));
    switchTo(1);
    add(QStringLiteral("   "));
    EXPECT_EQ(titles(false), (Strings{"   ", "milk"}));
    EXPECT_EQ(shownTitles(), (Strings{"   ", "milk"}));
    EXPECT_FALSE(cellAt(0)->checkBox()->isChecked());
    EXPECT_EQ(animations(inserted), (std::vector{Animation::SlideLeft, Animation::SlideLeft}));
    EXPECT_EQ(inserted.at(1).at(0).toLongLong(), 0);
    EXPECT_TRUE(controller.entryField()->text().isEmpty());
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 2);
    EXPECT_TRUE(delegate.calls.empty());
}

TEST_F(PanelTest, ReturnOnAnEmptyFieldAddsNothingAndHideAfterEntryAsksOncePerItem) {
    defaults.setBool(keys::hideAfterEntry, true);
    QSignalSpy inserted(controller.redizadoTableView(), &JLTableView::rowInserted);
    add(QString());
    EXPECT_TRUE(manager.redizado().empty());
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_TRUE(delegate.calls.empty());
    add(QStringLiteral("bread"));
    EXPECT_EQ(delegate.calls, Strings{"hideAfterEntry"});
    controller.setDelegate(nullptr);
    add(QStringLiteral("jam"));
    EXPECT_EQ(titles(true), (Strings{"jam", "bread"}));
}

TEST_F(PanelTest, CheckingSlidesTheRowOutOfToDoButKeepsItInAllAndToDoFollows) {
    add({"a", "b"});
    QSignalSpy removed(controller.redizadoTableView(), &JLTableView::rowRemoved);
    cellAt(1)->checkBox()->click();
    EXPECT_EQ(animations(removed), std::vector{Animation::SlideRight});
    EXPECT_EQ(removed.at(0).at(0).toLongLong(), 1);
    EXPECT_EQ(titles(true), Strings{"b"});
    EXPECT_TRUE(manager.redizado().at(1)->completed());
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 1);
    switchTo(1);
    EXPECT_TRUE(cellAt(1)->checkBox()->isChecked());

    removed.clear();
    cellAt(0)->checkBox()->click();
    cellAt(1)->checkBox()->click();
    EXPECT_EQ(removed.count(), 0);
    EXPECT_EQ(shownTitles(), (Strings{"b", "a"}));
    switchTo(0);
    EXPECT_EQ(shownTitles(), Strings{"a"});
}

TEST_F(PanelTest, EditModeShowsTheRemoveButtonAndHidesTheCheckBox) {
    add(QStringLiteral("a"));
    JLRedizadoTableViewCell* cell = cellAt(0);
    EXPECT_FALSE(cell->titleLabel()->isEditable());
    EXPECT_FALSE(cell->removeButton()->isEnabled());
    EXPECT_EQ(alphaValue(*cell->removeButton()), 0.0);
    EXPECT_EQ(alphaValue(*cell->checkBox()), 1.0);

    controller.editButton()->click();
    EXPECT_EQ(controller.editButton()->text(), QStringLiteral("Done"));
    cell = cellAt(0);
    EXPECT_TRUE(cell->titleLabel()->isEditable());
    EXPECT_TRUE(cell->removeButton()->isEnabled());
    EXPECT_EQ(alphaValue(*cell->removeButton()), 1.0);
    EXPECT_EQ(alphaValue(*cell->checkBox()), 0.0);
    EXPECT_TRUE(cell->checkBox()->isEnabled());

    controller.editButton()->click();
    EXPECT_EQ(controller.editButton()->text(), QStringLiteral("Edit"));
    EXPECT_FALSE(cellAt(0)->removeButton()->isEnabled());
}

TEST_F(PanelTest, RemovingSlidesRightInBothCategories) {
    add({"a", "b", "c"});
    controller.editButton()->click();
    QSignalSpy removed(controller.redizadoTableView(), &JLTableView::rowRemoved);
    cellAt(1)->removeButton()->click();
    switchTo(1);
    cellAt(1)->removeButton()->click();
    EXPECT_EQ(animations(removed), (std::vector{Animation::SlideRight, Animation::SlideRight}));
    EXPECT_EQ(titles(false), Strings{"c"});
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 1);
}

TEST_F(PanelTest, RenamingAfterARemovalAboveChangesTheRightItemAndAnEmptiedTitleIsStoredEmpty) {
    add({"a", "b", "c", "d"});
    controller.editButton()->click();
    JLTextField* label = cellAt(2)->titleLabel(); // "b"
    cellAt(0)->removeButton()->click();           // "d" goes; "b" is now row 1
    ::rename(label, QStringLiteral("b renamed"));
    EXPECT_EQ(titles(false), (Strings{"c", "b renamed", "a"}));
    rename(0, QString());
    EXPECT_EQ(titles(false), (Strings{"", "b renamed", "a"}));
}

TEST_F(PanelTest, RemovingARowStoresATitleStillBeingEdited) {
    add({"a", "b"});
    controller.view()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(controller.view()));
    controller.editButton()->click();
    JLTextField* label = cellAt(1)->titleLabel(); // "a"
    label->setFocus();
    ASSERT_TRUE(label->hasFocus());
    label->setPlainText(QStringLiteral("a edited"));
    cellAt(0)->removeButton()->click();
    EXPECT_EQ(titles(false), Strings{"a edited"});
}

TEST_F(PanelTest, OddTitlesShowAsPlainTextAndAHugeOneIsKeptWholeButShownShort) {
    add(QStringLiteral("<b>bold</b> &amp; <img src=x>"));
    EXPECT_EQ(cellAt(0)->titleLabel()->toPlainText(), QStringLiteral("<b>bold</b> &amp; <img src=x>"));
    const QString huge(1 << 20, QLatin1Char('x'));
    add(huge);
    EXPECT_EQ(manager.redizado().at(0)->title()->size(), std::size_t(1 << 20));
    EXPECT_EQ(controller.redizadoTableView()->rowHeight(0), 63.0);
    EXPECT_EQ(cellAt(0)->titleLabel()->stringValue(), huge);
    EXPECT_LT(cellAt(0)->titleLabel()->toPlainText().size(), 5000);
}

// Titles one character apart cross every wrap point; a row must be as tall as its label wraps the title, with the
// scroll bar of a long list taking its width and after the panel is made narrower.
TEST_F(PanelTest, EveryRowIsAsTallAsItsTitleWrapsInItsLabel) {
    const QString words = QStringLiteral("milk eggs bread butter cheese apples pears plums figs dates rice beans "
                                         "peas corn oats tea coffee sugar salt pepper");
    for (int length = 20; length < 100; ++length)
        add(words.left(length));
    JLTableView* table = controller.redizadoTableView();
    const auto expectRowsFitTheirLabels = [&] {
        // The scroll area shows its bar on a queued call after the range grew.
        ASSERT_TRUE(QTest::qWaitFor([&] { return table->verticalScrollBar()->isVisible(); }));
        for (std::int64_t row = 0; row < table->numberOfRows(); ++row) {
            table->scrollRowToVisible(row);
            JLTextField* label = cellAt(row)->titleLabel();
            const QTextBlock block = label->document()->firstBlock();
            const double wrapped = label->document()->documentLayout()->blockBoundingRect(block).height();
            EXPECT_EQ(table->rowHeight(row), rowHeightForMeasuredHeight(wrapped))
                << "row " << row << " at width " << table->viewport()->width();
        }
    };
    expectRowsFitTheirLabels();
    controller.view()->resize(260, 440);
    expectRowsFitTheirLabels();
}

TEST_F(PanelTest, SwitchingCategoriesStoresTheChoiceAtOnce) {
    switchTo(1);
    EXPECT_EQ(defaults.integerForKey(keys::switcherKey), 1);
    const int synchronized = defaults.synchronizeCount();
    switchTo(0);
    EXPECT_EQ(defaults.integerForKey(keys::switcherKey), 0);
    EXPECT_EQ(defaults.synchronizeCount(), synchronized + 1);
}

class PanelWindowTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        window.awakeFromNib();
        window.resize(300, 400);
    }
    MemoryAllDesktops desktops;
    JLRedizadoWindow window{desktops};
};

TEST_F(PanelWindowTest, ShowingOpensOnTheListInNormalModeUnderThePointBelowTheBar) {
    controller.editButton()->click();
    controller.settingsButton()->click();
    ASSERT_TRUE(controller.tableScrollView()->isHidden());
    controller.setStatusBarThickness([] { return 22.0; });
    controller.showWithWindow(window, QPointF(500, 7));
    EXPECT_EQ(controller.editButton()->text(), QStringLiteral("Edit"));
    EXPECT_FALSE(controller.editButton()->isChecked());
    EXPECT_FALSE(controller.settingsButton()->isChecked());
    EXPECT_FALSE(controller.tableScrollView()->isHidden());
    EXPECT_TRUE(controller.settingsPane()->isHidden());
    EXPECT_EQ(controller.view()->parentWidget(), window.contentView());
    EXPECT_EQ(controller.view()->size(), window.contentView()->size());
    EXPECT_EQ(windowFrame(window), QRectF(350, mainScreenFrame().height() - 400 - 22, 300, 400));
    window.resize(301, 400);
    controller.showWithWindow(window, QPointF(500, 7));
    EXPECT_EQ(windowFrame(window).x(), 349);
}

// On Wayland the compositor places the window: even with the icon's frame known, nothing points at it.
TEST_F(PanelTest, WhereTheCompositorPlacesThePanelItHasNoArrowAndEvenMargins) {
    MemoryAllDesktops desktops;
    JLRedizadoWindow window(desktops, WindowPlacement::ByCompositor);
    window.resize(320, 440);
    window.awakeFromNib();
    controller.setIconFrame([] { return std::optional<QRectF>(QRectF(490, 880, 22, 22)); });
    controller.showWithWindow(window, QPointF(500, 890));

    auto* background = qobject_cast<JLRedizadoBackgroundView*>(window.contentView());
    ASSERT_NE(background, nullptr);
    EXPECT_FALSE(background->hasArrow());
    const QMargins margins = controller.view()->layout()->contentsMargins();
    EXPECT_EQ(margins.top(), margins.bottom());
    EXPECT_EQ(window.size(), QSize(320, 440));
    EXPECT_EQ(controller.view()->size(), window.contentView()->size());
}

TEST_F(PanelWindowTest, HidingKeepsTheFrameAndModes) {
    controller.showWithWindow(window, QPointF(500, 0));
    controller.editButton()->click();
    controller.hideWithWindow(window);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(controller.editButton()->text(), QStringLiteral("Done"));
    const auto frame = defaults.objectForKey("Window Frame RedizadoView");
    ASSERT_TRUE(frame);
    EXPECT_NE(frame->get<std::string>(), nullptr);
}
