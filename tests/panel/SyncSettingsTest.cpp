// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "SyncSettings.h"

#include <QMessageBox>

#include <set>

namespace {
// The settings pane of a panel that has a sync, open.
class SyncSettingsTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        panel->setRunModal([this](QMessageBox& box) {
            ++warnings;
            box.show();
            answer(box);
        });
        widgets().settingsButton->click();
        panel->setSyncControl(&sync);
    }
    const SyncWidgets& ui() { return panel->syncSettings()->widgets(); }
    void fill(const QString& address) {
        ui().addressField->setText(address);
        ui().userField->setText(QStringLiteral("alice"));
        ui().passwordField->setText(QStringLiteral("secret"));
    }
    bool settle() {
        return waitUntil([this] { return !panel->syncSettings()->isBusy(); });
    }

    MemorySyncControl sync;
    // How the user answers the plain-HTTP warning: by default as a person who just presses Esc.
    std::function<void(QMessageBox&)> answer = [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); };
    int warnings = 0;
};
} // namespace

// Turned down, it says why and keeps sync off; turned on, it hands the account and the password over and forgets the
// password, and Sync Now then syncs; turned off, it forgets the account.
TEST_F(SyncSettingsTest, TurningOnHandsTheAccountAndPasswordOverSyncNowSyncsAndTurningOffForgetsTheAccount) {
    sync.turnOnSucceeds = false;
    sync.turnOnMessage = QStringLiteral("<b>Wrong password</b> for alice");
    fill(QStringLiteral(" https://dav.example.org/cal/ "));
    EXPECT_FALSE(ui().passwordField->displayText().contains(QStringLiteral("secret")));
    activate();
    ui().turnOnButton->click();
    ASSERT_TRUE(settle());
    EXPECT_FALSE(sync.kept);
    EXPECT_EQ(ui().statusLabel->text(), sync.turnOnMessage);
    EXPECT_TRUE(ui().passwordField->hasFocus()) << "to type the password again";
    EXPECT_EQ(ui().statusLabel->textFormat(), Qt::PlainText);

    sync.turnOnSucceeds = true;
    ui().passwordField->setText(QStringLiteral("secret"));
    QTest::keyClick(ui().passwordField, Qt::Key_Return);
    EXPECT_TRUE(panel->syncSettings()->isBusy());
    ASSERT_TRUE(settle());
    const SyncControl::Account alice{QUrl(QStringLiteral("https://dav.example.org/cal/")), QStringLiteral("alice")};
    EXPECT_EQ(sync.kept, alice);
    EXPECT_EQ(sync.lastPassword, QStringLiteral("secret"));
    EXPECT_TRUE(ui().passwordField->text().isEmpty());
    EXPECT_FALSE(ui().passwordField->isVisibleTo(panel->settingsPane()));
    EXPECT_TRUE(ui().addressField->isReadOnly());
    EXPECT_EQ(ui().addressField->text(), QStringLiteral("https://dav.example.org/cal/")) << "the address kept";
    EXPECT_EQ(ui().turnOnButton->text(), QStringLiteral("Turn Off"));

    // Sync Now syncs once however often it is asked, greyed out until the sync has ended, which the line then says.
    const int syncs = sync.syncs;
    sync.statusLine = QStringLiteral("Synced at 10:00");
    ui().syncNowButton->click();
    EXPECT_FALSE(ui().syncNowButton->isEnabled());
    panel->syncSettings()->syncNow();
    ASSERT_TRUE(waitUntil([&] { return ui().syncNowButton->isEnabled(); }));
    EXPECT_EQ(sync.syncs, syncs + 1);
    EXPECT_EQ(ui().statusLabel->text(), sync.statusLine);

    // Turning off forgets the account and opens the fields again.
    ui().turnOnButton->click();
    ASSERT_TRUE(settle());
    EXPECT_FALSE(sync.kept);
    EXPECT_EQ(ui().turnOnButton->text(), QStringLiteral("Turn On"));
    EXPECT_FALSE(ui().addressField->isReadOnly());
    EXPECT_TRUE(ui().passwordField->isVisibleTo(panel->settingsPane()));
}

TEST_F(SyncSettingsTest, TheStatusLineFollowsTheSyncAndStandsOutWhenTheUserMustActAndNoKeyringKeepsSyncOff) {
    EXPECT_EQ(ui().statusLabel->text(), QStringLiteral("Sync is off"));
    const QFont calm = ui().statusLabel->font();
    sync.statusLine = QStringLiteral("Wrong password for alice");
    sync.attention = true;
    sync.announce(false);
    EXPECT_EQ(ui().statusLabel->text(), sync.statusLine);
    EXPECT_NE(ui().statusLabel->font(), calm);
    EXPECT_FALSE(ui().noKeyringLabel->isVisibleTo(panel->settingsPane()));

    // Without a keyring the fields are disabled and sync stays off.
    sync.keyring = false;
    sync.announce(false);
    EXPECT_TRUE(ui().noKeyringLabel->isVisibleTo(panel->settingsPane()));
    EXPECT_FALSE(ui().addressField->isEnabled());
    EXPECT_FALSE(ui().turnOnButton->isEnabled());
    fill(QStringLiteral("https://dav.example.org/cal/"));
    panel->syncSettings()->turnOnOrOff();
    EXPECT_FALSE(panel->syncSettings()->isBusy());
    // What the section says is reached by Tab, with its fields out of use.
    activate();
    widgets().settingsButton->setFocus();
    std::set<QWidget*> visited;
    for (int i = 0; i < 30; ++i) {
        visited.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_TRUE(visited.contains(ui().statusLabel));
    EXPECT_TRUE(visited.contains(ui().noKeyringLabel));
}

namespace {
struct AddressRow {
    const char* name;
    const char* typed;
    Qt::Key answer;   // to the warning; Qt::Key_unknown clicks "Use Plain HTTP"
    const char* sent; // the address handed over, or null when sync stays off
    bool warned;
};

class PlainHttpTest : public SyncSettingsTest, public ::testing::WithParamInterface<AddressRow> {};
} // namespace

// http:// to another machine is turned on only after the user said yes to a warning; loopback needs none.
TEST_P(PlainHttpTest, OnlyPlainHttpToAnotherMachineIsWarnedAbout) {
    const AddressRow& row = GetParam();
    answer = [&row](QMessageBox& box) {
        if (row.answer != Qt::Key_unknown)
            return QTest::keyClick(&box, row.answer);
        for (QAbstractButton* button : box.buttons())
            if (box.buttonRole(button) == QMessageBox::AcceptRole)
                button->click();
    };
    fill(QString::fromUtf8(row.typed));
    ui().turnOnButton->click();
    ASSERT_TRUE(settle());
    EXPECT_EQ(warnings, row.warned ? 1 : 0);
    ASSERT_EQ(sync.kept.has_value(), row.sent != nullptr);
    if (row.sent) {
        EXPECT_EQ(sync.kept->address, QUrl(QString::fromUtf8(row.sent)));
        EXPECT_EQ(sync.kept->allowPlainHttp, row.warned);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, PlainHttpTest,
    ::testing::Values(
        AddressRow{"EscDeclines", "http://dav.example.org/", Qt::Key_Escape, nullptr, true},
        AddressRow{"ReturnDeclines", "http://dav.example.org/", Qt::Key_Return, nullptr, true},
        AddressRow{"SayingYesAllowsIt", "http://dav.example.org/", Qt::Key_unknown, "http://dav.example.org/", true},
        AddressRow{"LoopbackV4", "http://127.0.0.1:5232/", Qt::Key_Escape, "http://127.0.0.1:5232/", false},
        AddressRow{"Localhost", "http://localhost:5232/", Qt::Key_Escape, "http://localhost:5232/", false},
        AddressRow{"NoSchemeIsHttps", "dav.example.org/dav/", Qt::Key_Escape, "https://dav.example.org/dav/", false}),
    [](const auto& info) { return std::string(info.param.name); });
