// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "AboutMessage.h"

#include <QMessageBox>

using Strings = std::vector<std::string>;

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
