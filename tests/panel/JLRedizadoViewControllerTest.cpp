// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "RowHeight.h"
#include "ScreenCoordinates.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>

// Only an item actually added hides the panel.
TEST_F(PanelTest, HideAfterEntryAsksTheDelegateToHideAfterEachAddedItem) {
    widgets().hideAfterEntryCheckBox->click();
    EXPECT_TRUE(defaults.boolForKey(keys::hideAfterEntry));
    add({"", "bread"});
    EXPECT_EQ(delegate.calls, Strings{"hideAfterEntry"});
    widgets().hideAfterEntryCheckBox->click();
    add(QStringLiteral("stays"));
    EXPECT_EQ(delegate.calls, Strings{"hideAfterEntry"});
    EXPECT_EQ(titles(true), (Strings{"stays", "bread"}));
}

TEST_F(PanelTest, OddTitlesShowAsPlainTextAndAHugeOneIsKeptWholeButShownShort) {
    add(QStringLiteral("<b>bold</b> &amp; <img src=x>"));
    EXPECT_EQ(cellAt(0)->titleLabel()->toPlainText(), QStringLiteral("<b>bold</b> &amp; <img src=x>"));
    const QString huge(1 << 20, QLatin1Char('x'));
    add(huge);
    EXPECT_EQ(manager->redizado().at(0)->title()->size(), std::size_t(1 << 20));
    EXPECT_EQ(table()->rowHeight(0), 63.0);
    EXPECT_EQ(cellAt(0)->titleLabel()->stringValue(), huge);
    EXPECT_LT(cellAt(0)->titleLabel()->toPlainText().size(), 5000);
    // Outside editing, a drag over a title selects none of its text.
    JLTextField* label = cellAt(1)->titleLabel();
    QTest::mousePress(label->viewport(), Qt::LeftButton, {}, QPoint(2, 5));
    QTest::mouseMove(label->viewport(), QPoint(60, 5));
    QTest::mouseRelease(label->viewport(), Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_FALSE(label->textCursor().hasSelection());
}

// Titles one character apart cross every wrap point; a row must be as tall as its label wraps the title, with the
// scroll bar of a long list taking its width and after the panel is made narrower.
TEST_F(PanelTest, EveryRowIsAsTallAsItsTitleWrapsInItsLabel) {
    const QString words = QStringLiteral("milk eggs bread butter cheese apples pears plums figs dates rice beans "
                                         "peas corn oats tea coffee sugar salt pepper");
    for (int length = 20; length < 100; ++length)
        add(words.left(length));
    panel->view()->resize(260, 440);
    // The scroll area shows its bar on a queued call after the range grew.
    ASSERT_TRUE(QTest::qWaitFor([&] { return table()->verticalScrollBar()->isVisible(); }));
    for (std::int64_t row = 0; row < table()->numberOfRows(); ++row) {
        table()->scrollRowToVisible(row);
        QTextDocument* text = cellAt(row)->titleLabel()->document();
        const double wrapped = text->documentLayout()->blockBoundingRect(text->firstBlock()).height();
        EXPECT_EQ(table()->rowHeight(row), rowHeightForMeasuredHeight(wrapped)) << "row " << row;
    }
}

TEST_F(PanelTest, ShowingOpensOnTheListInNormalModeUnderThePointBelowTheBarOnEveryDesktop) {
    window.awakeFromNib();
    window.resize(300, 400);
    widgets().editButton->click();
    widgets().settingsButton->click();
    panel->setStatusBarThickness([] { return 22.0; });
    panel->showWithWindow(window, QPointF(500, 7));
    EXPECT_FALSE(list().inEditMode());
    EXPECT_FALSE(table()->isHidden());
    EXPECT_EQ(panel->view()->size(), window.contentView()->size());
    EXPECT_EQ(windowFrame(window), QRectF(350, mainScreenFrame().height() - 400 - 22, 300, 400));
    EXPECT_EQ(desktops.windows(), std::vector<QWidget*>{&window});
}

// The shortcut's pop-ups show with its check box.
TEST_F(PanelTest, SettingsCheckBoxesShowTheStoredSettingsAndHandClicksToTheDelegate) {
    defaults.setBool(keys::showToDoCount, true);
    defaults.setBool(keys::shortcutKey, true);
    defaults.setBool(keys::hideAfterEntry, true);
    startPanel();
    EXPECT_TRUE(widgets().hideAfterEntryCheckBox->isChecked());
    EXPECT_TRUE(panel->showToDoCountCheckBox()->isChecked());
    EXPECT_TRUE(panel->shortcutCheckBox()->isChecked());
    EXPECT_FALSE(panel->shortcutView()->isHidden());
    panel->launchAtLoginCheckBox()->click();
    panel->showToDoCountCheckBox()->click();
    panel->alternateIconCheckBox()->click();
    panel->shortcutCheckBox()->click();
    EXPECT_EQ(delegate.calls, (Strings{"launchAtLogin YES", "showToDoCount NO", "iconAlternate YES", "shortcut NO"}));
    EXPECT_TRUE(panel->shortcutView()->isHidden());
}

// A sync replaces the list under the panel: the rows show it, and a click goes to the item its row shows.
TEST_F(PanelTest, AClickAfterASyncMergeChangesTheItemItsRowShows) {
    add({"c", "b", "a"});
    mergeFromServer("b");
    EXPECT_EQ(shownTitles(), (Strings{"from the server", "a", "b", "c"}));
    const Strings shown = shownTitles();
    const auto rowOfB = std::find(shown.begin(), shown.end(), "b") - shown.begin();
    cellAt(rowOfB)->checkBox()->click();
    EXPECT_EQ(stored(), "from the server a b* c");
}

// A title being typed when a sync replaces the list, its item with it, is stored on its own item, not on what took
// its row.
TEST_F(PanelTest, ATitleBeingEditedWhenASyncReplacesTheListGoesToItsOwnItem) {
    add({"c", "b", "a"});
    activate();
    panel->editButton()->click();
    JLTextField* label = cellAt(1)->titleLabel(); // "b"
    label->setFocus();
    label->setPlainText(QStringLiteral("b2"));
    mergeFromServer("b"); // its item now a copy, found by its date
    label->clearFocus();
    EXPECT_EQ(stored(), "from the server a b2 c");
}
