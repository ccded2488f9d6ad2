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

TEST_F(PanelTest, HideAfterEntryAsksTheDelegateToHideAndWithoutOneThePanelStays) {
    defaults.setBool(keys::hideAfterEntry, true);
    add(QStringLiteral("bread"));
    EXPECT_EQ(delegate.calls, Strings{"hideAfterEntry"});
    panel->setDelegate(nullptr);
    add(QStringLiteral("jam"));
    EXPECT_EQ(titles(true), (Strings{"jam", "bread"}));
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
}

// Titles one character apart cross every wrap point; a row must be as tall as its label wraps the title, with the
// scroll bar of a long list taking its width and after the panel is made narrower.
TEST_F(PanelTest, EveryRowIsAsTallAsItsTitleWrapsInItsLabel) {
    const QString words = QStringLiteral("milk eggs bread butter cheese apples pears plums figs dates rice beans "
                                         "peas corn oats tea coffee sugar salt pepper");
    for (int length = 20; length < 100; ++length)
        add(words.left(length));
    for (const int width : {320, 260}) {
        panel->view()->resize(width, 440);
        // The scroll area shows its bar on a queued call after the range grew.
        ASSERT_TRUE(QTest::qWaitFor([&] { return table()->verticalScrollBar()->isVisible(); }));
        for (std::int64_t row = 0; row < table()->numberOfRows(); ++row) {
            table()->scrollRowToVisible(row);
            QTextDocument* text = cellAt(row)->titleLabel()->document();
            const double wrapped = text->documentLayout()->blockBoundingRect(text->firstBlock()).height();
            EXPECT_EQ(table()->rowHeight(row), rowHeightForMeasuredHeight(wrapped)) << "row " << row << " at " << width;
        }
    }
}

namespace {
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
} // namespace

TEST_F(PanelWindowTest, ShowingOpensOnTheListInNormalModeUnderThePointBelowTheBar) {
    widgets().editButton->click();
    widgets().settingsButton->click();
    panel->setStatusBarThickness([] { return 22.0; });
    panel->showWithWindow(window, QPointF(500, 7));
    EXPECT_FALSE(list().inEditMode());
    EXPECT_FALSE(widgets().editButton->isChecked());
    EXPECT_FALSE(table()->isHidden());
    EXPECT_EQ(panel->view()->parentWidget(), window.contentView());
    EXPECT_EQ(panel->view()->size(), window.contentView()->size());
    EXPECT_EQ(windowFrame(window), QRectF(350, mainScreenFrame().height() - 400 - 22, 300, 400));
}

// On Wayland the compositor places the window: even with the icon's frame known, nothing points at it.
TEST_F(PanelTest, WhereTheCompositorPlacesThePanelItHasNoArrowAndEvenMargins) {
    MemoryAllDesktops desktops;
    JLRedizadoWindow window(desktops, WindowPlacement::ByCompositor);
    window.resize(320, 440);
    window.awakeFromNib();
    panel->setIconFrame([] { return std::optional<QRectF>(QRectF(490, 880, 22, 22)); });
    panel->showWithWindow(window, QPointF(500, 890));
    auto* background = qobject_cast<JLRedizadoBackgroundView*>(window.contentView());
    ASSERT_NE(background, nullptr);
    EXPECT_FALSE(background->hasArrow());
    const QMargins margins = panel->view()->layout()->contentsMargins();
    EXPECT_EQ(margins.top(), margins.bottom());
    EXPECT_EQ(window.size(), QSize(320, 440));
}

TEST_F(PanelWindowTest, HidingKeepsTheFrameAndModes) {
    panel->showWithWindow(window, QPointF(500, 0));
    widgets().editButton->click();
    panel->hideWithWindow(window);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(list().inEditMode());
    const auto frame = defaults.objectForKey("Window Frame RedizadoView");
    ASSERT_TRUE(frame);
    EXPECT_NE(frame->get<std::string>(), nullptr);
}

TEST_F(PanelTest, SettingsCheckBoxesShowTheStoredSettingsAndHandClicksToTheDelegate) {
    defaults.setBool(keys::showToDoCount, true);
    defaults.setBool(keys::shortcutKey, true);
    defaults.setBool(keys::hideAfterEntry, true);
    startPanel();
    EXPECT_TRUE(widgets().hideAfterEntryCheckBox->isChecked());
    EXPECT_FALSE(panel->launchAtLoginCheckBox()->isChecked());
    EXPECT_TRUE(panel->showToDoCountCheckBox()->isChecked());
    EXPECT_FALSE(panel->alternateIconCheckBox()->isChecked());
    EXPECT_TRUE(panel->shortcutCheckBox()->isChecked());
    EXPECT_FALSE(panel->shortcutView()->isHidden());
    panel->launchAtLoginCheckBox()->click();
    panel->showToDoCountCheckBox()->click();
    panel->alternateIconCheckBox()->click();
    panel->shortcutCheckBox()->click();
    EXPECT_EQ(delegate.calls, (Strings{"launchAtLogin YES", "showToDoCount NO", "iconAlternate YES", "shortcut NO"}));
    // The delegate stores these; the pane does not.
    EXPECT_FALSE(defaults.objectForKey(keys::launchAtLogin));
    // The shortcut's pop-ups show with the check box, with or without a delegate.
    EXPECT_TRUE(panel->shortcutView()->isHidden());
    panel->setDelegate(nullptr);
    panel->shortcutCheckBox()->click();
    EXPECT_FALSE(panel->shortcutView()->isHidden());
}

TEST_F(PanelTest, TheAboutMessageNamesTheVersionAndOpensTheSiteOnlyFromItsSiteButton) {
    EXPECT_TRUE(aboutMessageText().startsWith(QStringLiteral("Redizado " REDIZADO_VERSION "\n")));
    std::vector<QUrl> opened;
    panel->setOpenUrl([&opened](const QUrl& url) { opened.push_back(url); });
    for (const auto role : {QMessageBox::RejectRole, QMessageBox::AcceptRole}) {
        panel->setRunModal([role](QMessageBox& box) {
            ASSERT_EQ(box.buttons().size(), 2);
            for (QAbstractButton* button : box.buttons())
                if (box.buttonRole(button) == role)
                    button->click();
        });
        panel->aboutButton()->click();
        EXPECT_EQ(opened.size(), role == QMessageBox::AcceptRole ? 1u : 0u);
    }
    EXPECT_EQ(opened, std::vector{QUrl(QString::fromLatin1(makerSiteAddress))});
}
