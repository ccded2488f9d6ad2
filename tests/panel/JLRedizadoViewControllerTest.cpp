// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "AboutMessage.h"
#include "JLRedizadoBackgroundView.h"
#include "JLRedizadoWindow.h"
#include "MemoryAllDesktops.h"
#include "RowHeight.h"
#include "ScreenCoordinates.h"

#include <QAbstractTextDocumentLayout>
#include <QLayout>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextBlock>

using Strings = std::vector<std::string>;

TEST_F(PanelTest, HideAfterEntryAsksTheDelegateToHideAndWithoutOneThePanelStays) {
    defaults.setBool(keys::hideAfterEntry, true);
    add(QStringLiteral("bread"));
    EXPECT_EQ(delegate.calls, Strings{"hideAfterEntry"});
    controller.setDelegate(nullptr);
    add(QStringLiteral("jam"));
    EXPECT_EQ(titles(true), (Strings{"jam", "bread"}));
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

class SettingsPaneTest : public PanelTest {
protected:
    // Settings stored before the panel starts, as the first run leaves them.
    void SetUp() override {
        defaults.setBool(keys::showToDoCount, true);
        defaults.setBool(keys::hideAfterEntry, true);
        PanelTest::SetUp();
    }
};

TEST_F(SettingsPaneTest, CheckBoxesShowTheStoredSettingsAndClicksHandTheNewStateToTheDelegate) {
    EXPECT_FALSE(controller.launchAtLoginCheckBox()->isChecked());
    EXPECT_TRUE(controller.showToDoCountCheckBox()->isChecked());
    EXPECT_FALSE(controller.alternateIconCheckBox()->isChecked());
    EXPECT_TRUE(controller.hideAfterEntryCheckBox()->isChecked());
    EXPECT_FALSE(controller.shortcutCheckBox()->isChecked());
    EXPECT_TRUE(controller.shortcutView()->isHidden());

    controller.launchAtLoginCheckBox()->click();
    controller.showToDoCountCheckBox()->click();
    controller.alternateIconCheckBox()->click();
    controller.shortcutCheckBox()->click();
    controller.shortcutCheckBox()->click();
    EXPECT_EQ(delegate.calls,
              (Strings{"launchAtLogin YES", "showToDoCount NO", "iconAlternate YES", "shortcut YES", "shortcut NO"}));
    // The delegate stores these; the pane does not.
    EXPECT_FALSE(defaults.objectForKey(keys::launchAtLogin));

    // The shortcut's pop-ups show with the check box, with or without a delegate.
    controller.setDelegate(nullptr);
    controller.shortcutCheckBox()->click();
    EXPECT_FALSE(controller.shortcutView()->isHidden());
    controller.shortcutCheckBox()->click();
    EXPECT_TRUE(controller.shortcutView()->isHidden());
}

TEST_F(SettingsPaneTest, TheAboutMessageNamesTheVersionAndOpensTheSiteOnlyFromItsSecondButton) {
    EXPECT_TRUE(aboutMessageText().startsWith(QStringLiteral("Redizado " REDIZADO_VERSION "\n")));
    std::vector<QUrl> opened;
    controller.setOpenUrl([&opened](const QUrl& url) { opened.push_back(url); });
    int pressed = 0;
    controller.setRunModal([&pressed](QMessageBox& box) {
        ASSERT_EQ(box.buttons().size(), 2);
        // The buttons as added: "Close", then the site.
        QList<QAbstractButton*> buttons = box.buttons();
        std::sort(buttons.begin(), buttons.end(), [&box](auto* a, auto* b) {
            return box.buttonRole(a) == QMessageBox::RejectRole && box.buttonRole(b) != QMessageBox::RejectRole;
        });
        EXPECT_EQ(buttons[0]->text(), QStringLiteral("Close"));
        EXPECT_EQ(buttons[1]->text(), QString::fromLatin1(makerSiteAddress));
        buttons[pressed]->click();
    });
    controller.aboutButton()->click();
    EXPECT_TRUE(opened.empty());
    pressed = 1;
    controller.aboutButton()->click();
    EXPECT_EQ(opened, std::vector{QUrl(QString::fromLatin1(makerSiteAddress))});
}
