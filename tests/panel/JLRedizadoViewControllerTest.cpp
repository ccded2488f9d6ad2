// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "RowHeight.h"
#include "ScreenCoordinates.h"

#include <QAbstractTextDocumentLayout>
#include <QLayout>
#include <QMessageBox>
#include <QTextBlock>

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
} // namespace

// Only an item actually added hides the panel; one that stays slides in.
TEST_F(PanelTest, HideAfterEntryAsksTheDelegateToHideAfterEachAddedItem) {
    widgets().hideAfterEntryCheckBox->click();
    EXPECT_TRUE(defaults.boolForKey(keys::hideAfterEntry));
    add({"", "bread"});
    EXPECT_EQ(delegate.calls, Strings{"hideAfterEntry"});
    widgets().hideAfterEntryCheckBox->click();
    add(QStringLiteral("stays"));
    EXPECT_GT(cellAt(0)->x(), 0) << "it slides in from the right";
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
    EXPECT_LT(cellAt(0)->titleLabel()->toPlainText().size(), 5000);
    // Outside editing, a drag over a title selects none of its text.
    JLTextField* label = cellAt(1)->titleLabel();
    QTest::mousePress(label->viewport(), Qt::LeftButton, {}, QPoint(2, 5));
    QTest::mouseMove(label->viewport(), QPoint(60, 5));
    QTest::mouseRelease(label->viewport(), Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_FALSE(label->textCursor().hasSelection());
    // Renamed, the huge title is there whole to change, in moments and not minutes; left, it is shown short again.
    activate();
    widgets().editButton->click();
    JLTextField* hugeLabel = cellAt(0)->titleLabel();
    hugeLabel->setFocus();
    EXPECT_EQ(hugeLabel->toPlainText(), huge);
    widgets().entryField->setFocus();
    EXPECT_LT(hugeLabel->toPlainText().size(), 5000);
    EXPECT_EQ(manager->redizado().at(0)->title()->size(), std::size_t(1 << 20));
}

TEST(RowHeight, AMeasuredHeightJustOverALineTakesTheNextHeight) {
    EXPECT_EQ(rowHeightForMeasuredHeight(25.0), 25.0);
    EXPECT_EQ(rowHeightForMeasuredHeight(25.5), 44.0);
    EXPECT_EQ(popoverRowHeightForMeasuredHeight(26.5), 44.0);
    // Exactly two lines of title take a two-line row.
    EXPECT_EQ(rowHeightForMeasuredHeight(row_height::twoLines), row_height::twoLines);
    EXPECT_EQ(popoverRowHeightForMeasuredHeight(popover_row_height::twoLines), popover_row_height::twoLines);
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
    add(QStringLiteral("milk"));
    widgets().editButton->click();
    widgets().settingsButton->click();
    panel->setStatusBarThickness([] { return 22.0; });
    panel->showWithWindow(window, QPointF(500, 7));
    EXPECT_FALSE(list().inEditMode());
    EXPECT_FALSE(cellAt(0)->removeButton()->isEnabled()) << "the rows still in edit mode";
    EXPECT_FALSE(table()->isHidden());
    EXPECT_EQ(panel->view()->size(), window.contentView()->size());
    EXPECT_EQ(windowFrame(window), QRectF(350, mainScreenFrame().height() - 400 - 22, 300, 400));
    EXPECT_EQ(desktops.windows, std::vector<QWidget*>{&window});
}

// The shortcut's pop-ups show with its check box. The pane is a group a reader names as the focus enters it, not a
// nameless filler it passes over.
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
    QAccessibleInterface* pane = accessible(panel->settingsPane());
    EXPECT_EQ(pane->role(), QAccessible::Grouping);
    EXPECT_EQ(pane->text(QAccessible::Name), QStringLiteral("Settings"));

    // The keyboard is back on About once its box closes, wherever the box left it.
    showInWindow();
    activate();
    widgets().settingsButton->click();
    panel->aboutButton()->setFocus();
    QString shown;
    panel->setRunModal([&](QMessageBox& box) {
        shown = box.windowTitle();
        widgets().entryField->setFocus();
    });
    QTest::keyClick(panel->aboutButton(), Qt::Key_Space);
    EXPECT_EQ(shown, QStringLiteral("About Redizado"));
    EXPECT_TRUE(panel->aboutButton()->hasFocus());
}

// The panel in its window, in the font the system has; 1000000 shows as "9999+", the widest label.
TEST_F(PanelTest, EveryCategoryLabelShowsWholeBesideTheOtherButtons) {
    for (const int count : {0, 12, 9999, 1000000}) {
        SCOPED_TRACE(count);
        startPanel(); // each count on a panel just made, as its first label
        showInWindow();
        JLSegmentedControl* switcher = widgets().categorySwitcher;
        switcher->setCount(0, count);
        QApplication::processEvents(); // the posted layout requests, the switcher's and then the panel's
        const QRect inside = view()->rect().marginsRemoved(view()->layout()->contentsMargins());
        int right = inside.left();
        for (const QAbstractButton* button : {switcher->segmentButton(0), switcher->segmentButton(1),
                                              static_cast<QAbstractButton*>(panel->editButton()),
                                              static_cast<QAbstractButton*>(panel->settingsButton())}) {
            const QRect at(button->mapTo(view(), QPoint(0, 0)), button->size());
            EXPECT_GE(at.width(), labelWidth(*button)) << button->text().toStdString();
            EXPECT_GE(at.left(), right) << button->text().toStdString() << " overlaps the control before it";
            right = at.left() + at.width();
        }
        EXPECT_LE(right, inside.left() + inside.width());
        EXPECT_EQ(view()->width(), 320);
    }
}
