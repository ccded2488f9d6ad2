// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "MemorySyncControl.h"
#include "SyncSettings.h"
#include "WaitUntil.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
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
            warningText = box.text() + QLatin1Char('\n') + box.informativeText();
            answer(box);
        });
        widgets().settingsButton->click();
    }
    void attach() { panel->setSyncControl(&sync); }
    const SyncWidgets& ui() { return panel->syncSettings()->widgets(); }
    void fill(const QString& address, const QString& user = QStringLiteral("alice"),
              const QString& password = QStringLiteral("secret")) {
        ui().addressField->setText(address);
        ui().userField->setText(user);
        ui().passwordField->setText(password);
    }
    bool settle() {
        return waitUntil([this] { return !panel->syncSettings()->isBusy(); });
    }
    bool shows(QWidget* widget) { return widget->isVisibleTo(panel->settingsPane()); }

    MemorySyncControl sync;
    // How the user answers the plain-HTTP warning: by default as a person who just presses Esc.
    std::function<void(QMessageBox&)> answer = [](QMessageBox& box) {
        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
    };
    int warnings = 0;
    QString warningText;
};

const SyncControl::Account alice{QUrl(QStringLiteral("https://dav.example.org/cal/")), QStringLiteral("alice")};
} // namespace

TEST_F(SyncSettingsTest, TurningOnHandsTheAccountAndPasswordOverAndForgetsThePassword) {
    attach();
    fill(QStringLiteral(" https://dav.example.org/cal/ "));
    ui().turnOnButton->click();
    EXPECT_TRUE(panel->syncSettings()->isBusy());
    EXPECT_FALSE(ui().turnOnButton->isEnabled());
    EXPECT_TRUE(ui().passwordField->isReadOnly());
    ASSERT_TRUE(settle());
    EXPECT_EQ(sync.kept, alice);
    EXPECT_EQ(sync.lastPassword, QStringLiteral("secret"));
    EXPECT_TRUE(ui().passwordField->text().isEmpty());
    EXPECT_EQ(warnings, 0);
}

TEST_F(SyncSettingsTest, WhileOnTheFieldsShowTheAccountReadOnlyAndTheButtonTurnsOff) {
    sync.kept = alice;
    attach();
    EXPECT_EQ(ui().addressField->text(), QStringLiteral("https://dav.example.org/cal/"));
    EXPECT_EQ(ui().userField->text(), QStringLiteral("alice"));
    EXPECT_TRUE(ui().addressField->isReadOnly());
    EXPECT_TRUE(ui().userField->isReadOnly());
    EXPECT_FALSE(shows(ui().passwordField));
    EXPECT_EQ(ui().turnOnButton->text(), QStringLiteral("Turn Off"));
    EXPECT_TRUE(ui().syncNowButton->isEnabled());
    EXPECT_FALSE(shows(ui().noKeyringLabel));
}

TEST_F(SyncSettingsTest, ReturnInThePasswordFieldTurnsOn) {
    attach();
    fill(QStringLiteral("https://dav.example.org/cal/"));
    QTest::keyClick(ui().passwordField, Qt::Key_Return);
    ASSERT_TRUE(settle());
    EXPECT_EQ(sync.kept, alice);
}

TEST_F(SyncSettingsTest, TheTypedPasswordIsNotShown) {
    attach();
    QTest::keyClicks(ui().passwordField, QStringLiteral("secret"));
    EXPECT_FALSE(ui().passwordField->displayText().contains(QStringLiteral("secret")));
}

TEST_F(SyncSettingsTest, ATurnOnTurnedDownSaysWhyKeepsSyncOffAndForgetsThePassword) {
    sync.turnOnSucceeds = false;
    sync.turnOnMessage = QStringLiteral("Wrong password for alice at dav.example.org");
    attach();
    fill(QStringLiteral("https://dav.example.org/cal/"));
    ui().turnOnButton->click();
    ASSERT_TRUE(settle());
    EXPECT_FALSE(sync.kept);
    EXPECT_EQ(ui().statusLabel->text(), sync.turnOnMessage);
    EXPECT_TRUE(ui().passwordField->text().isEmpty());
    EXPECT_FALSE(ui().addressField->isReadOnly());
    EXPECT_EQ(ui().turnOnButton->text(), QStringLiteral("Turn On"));
}

TEST_F(SyncSettingsTest, TheReasonGivesWayToTheStatusOnceTheNextTurnOnWorks) {
    sync.turnOnSucceeds = false;
    sync.turnOnMessage = QStringLiteral("The server did not answer");
    attach();
    fill(QStringLiteral("https://dav.example.org/cal/"));
    ui().turnOnButton->click();
    ASSERT_TRUE(settle());
    sync.turnOnSucceeds = true;
    ui().passwordField->setText(QStringLiteral("secret"));
    ui().turnOnButton->click();
    sync.statusLine = QStringLiteral("Synced at 10:42");
    ASSERT_TRUE(settle());
    EXPECT_EQ(ui().statusLabel->text(), QStringLiteral("Synced at 10:42"));
}

TEST_F(SyncSettingsTest, TurnOnWaitsForAddressUserAndPassword) {
    attach();
    const std::pair<QString, std::array<const char*, 3>> rows[] = {
        {QStringLiteral("no address"), {"", "alice", "secret"}},
        {QStringLiteral("blank user"), {"https://dav.example.org/", "  ", "secret"}},
        {QStringLiteral("no password"), {"https://dav.example.org/", "alice", ""}},
    };
    for (const auto& [what, row] : rows) {
        fill(QString::fromUtf8(row[0]), QString::fromUtf8(row[1]), QString::fromUtf8(row[2]));
        EXPECT_FALSE(ui().turnOnButton->isEnabled()) << what.toStdString();
        QTest::keyClick(ui().passwordField, Qt::Key_Return);
        EXPECT_FALSE(panel->syncSettings()->isBusy()) << what.toStdString();
    }
}

TEST_F(SyncSettingsTest, WithoutAKeyringTheFieldsAreDisabledAndTheSectionSaysSyncStaysOff) {
    sync.keyring = false;
    attach();
    EXPECT_TRUE(shows(ui().noKeyringLabel));
    for (QWidget* control : std::initializer_list<QWidget*>{ui().addressField, ui().userField, ui().passwordField,
                                                            ui().turnOnButton, ui().syncNowButton})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    fill(QStringLiteral("https://dav.example.org/cal/"));
    QTest::keyClick(ui().passwordField, Qt::Key_Return);
    EXPECT_FALSE(panel->syncSettings()->isBusy());
}

TEST_F(SyncSettingsTest, TurningOffForgetsTheAccountAndOpensTheFieldsAgain) {
    sync.kept = alice;
    attach();
    ui().turnOnButton->click();
    ASSERT_TRUE(settle());
    EXPECT_FALSE(sync.kept);
    EXPECT_EQ(ui().turnOnButton->text(), QStringLiteral("Turn On"));
    EXPECT_FALSE(ui().addressField->isReadOnly());
    EXPECT_TRUE(shows(ui().passwordField));
    EXPECT_FALSE(ui().syncNowButton->isEnabled());
}

TEST_F(SyncSettingsTest, TheStatusLineFollowsTheSyncAndStandsOutWhenTheUserMustAct) {
    attach();
    EXPECT_EQ(ui().statusLabel->text(), QStringLiteral("Sync is off"));
    sync.statusLine = QStringLiteral("Synced at 10:42");
    sync.announce(false);
    EXPECT_EQ(ui().statusLabel->text(), QStringLiteral("Synced at 10:42"));
    const QFont calm = ui().statusLabel->font();
    sync.statusLine = QStringLiteral("Wrong password for alice");
    sync.attention = true;
    sync.announce(false);
    EXPECT_EQ(ui().statusLabel->text(), QStringLiteral("Wrong password for alice"));
    EXPECT_NE(ui().statusLabel->font(), calm);
}

TEST_F(SyncSettingsTest, WordsFromTheServerShowAsPlainText) {
    sync.turnOnSucceeds = false;
    sync.turnOnMessage = QStringLiteral("<b>Forbidden</b>");
    sync.statusLine = QStringLiteral("<img src=x>");
    attach();
    fill(QStringLiteral("https://dav.example.org/cal/"));
    ui().turnOnButton->click();
    ASSERT_TRUE(settle());
    EXPECT_EQ(ui().statusLabel->text(), sync.turnOnMessage);
    EXPECT_EQ(ui().statusLabel->textFormat(), Qt::PlainText);
}

TEST_F(SyncSettingsTest, SyncNowAsksForOneSyncAndWaitsForIt) {
    sync.kept = alice;
    attach();
    ui().syncNowButton->click();
    ui().syncNowButton->click();
    EXPECT_FALSE(ui().syncNowButton->isEnabled());
    ASSERT_TRUE(waitUntil([this] { return ui().syncNowButton->isEnabled(); }));
    EXPECT_EQ(sync.syncs, 1);
}

TEST_F(SyncSettingsTest, WithoutASyncTheSectionIsHidden) {
    QWidget* section = panel->view()->findChild<QWidget*>(QStringLiteral("syncSection"));
    ASSERT_NE(section, nullptr);
    EXPECT_FALSE(section->isVisibleTo(panel->settingsPane()));
    attach();
    EXPECT_TRUE(section->isVisibleTo(panel->settingsPane()));
    panel->setSyncControl(nullptr);
    EXPECT_FALSE(section->isVisibleTo(panel->settingsPane()));
    EXPECT_EQ(panel->syncSettings(), nullptr);
}

TEST_F(SyncSettingsTest, ASyncThatGoesAwayTakesTheSectionWithIt) {
    auto shortLived = std::make_unique<MemorySyncControl>();
    panel->setSyncControl(shortLived.get());
    fill(QStringLiteral("https://dav.example.org/cal/"));
    shortLived.reset();
    EXPECT_EQ(panel->syncSettings(), nullptr);
}

// A turn on still under way when the section goes must not answer into it.
TEST_F(SyncSettingsTest, AnAnswerAfterTheSectionWentIsDropped) {
    attach();
    fill(QStringLiteral("https://dav.example.org/cal/"));
    ui().turnOnButton->click();
    panel->setSyncControl(nullptr);
    ASSERT_TRUE(waitUntil([this] { return sync.kept.has_value(); }));
}

TEST_F(SyncSettingsTest, TabGoesThroughTheFieldsToTheButtons) {
    attach();
    fill(QStringLiteral("https://dav.example.org/cal/"));
    activate();
    ui().addressField->setFocus();
    const std::vector<QWidget*> order{ui().userField, ui().passwordField, ui().turnOnButton, panel->aboutButton()};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(SyncSettingsTest, EveryControlHasItsOwnAccessibleName) {
    sync.kept = alice;
    attach();
    std::set<QString> names;
    for (QWidget* control : std::initializer_list<QWidget*>{ui().addressField, ui().userField, ui().passwordField,
                                                            ui().turnOnButton, ui().syncNowButton, ui().statusLabel}) {
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << control->objectName().toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 6u);
}

namespace {
enum class Answer { None, Esc, Return, UsePlainHttp };

struct AddressRow {
    const char* name;
    const char* typed;
    Answer answer;
    bool warned, on, plainHttpAllowed;
    const char* sent = nullptr; // the address handed over, when on
};

// Named in test listings by its name, not by its bytes (pointers that change from run to run).
void PrintTo(const AddressRow& row, std::ostream* out) {
    *out << row.name;
}

class PlainHttpTest : public SyncSettingsTest, public ::testing::WithParamInterface<AddressRow> {};
} // namespace

// http:// to another machine is turned on only after the user said yes to a plain warning; loopback needs none.
TEST_P(PlainHttpTest, OnlyPlainHttpToAnotherMachineIsWarnedAbout) {
    const AddressRow& row = GetParam();
    answer = [&row](QMessageBox& box) {
        box.show();
        if (row.answer == Answer::UsePlainHttp) {
            for (QAbstractButton* button : box.buttons())
                if (box.buttonRole(button) == QMessageBox::AcceptRole)
                    button->click();
        } else {
            QTest::keyClick(&box, row.answer == Answer::Return ? Qt::Key_Return : Qt::Key_Escape);
        }
    };
    attach();
    fill(QString::fromUtf8(row.typed));
    ui().turnOnButton->click();
    ASSERT_TRUE(settle());
    EXPECT_EQ(warnings, row.warned ? 1 : 0);
    ASSERT_EQ(sync.kept.has_value(), row.on);
    if (row.on) {
        EXPECT_EQ(sync.kept->allowPlainHttp, row.plainHttpAllowed);
        EXPECT_EQ(sync.kept->address, QUrl(QString::fromUtf8(row.sent)));
    }
    if (row.warned) {
        EXPECT_TRUE(warningText.contains(QStringLiteral("unencrypted"))) << warningText.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, PlainHttpTest,
    ::testing::Values(
        AddressRow{"EscDeclines", "http://dav.example.org/", Answer::Esc, true, false, false},
        AddressRow{"ReturnDeclines", "http://dav.example.org/", Answer::Return, true, false, false},
        AddressRow{"SayingYesAllowsIt", "http://dav.example.org/", Answer::UsePlainHttp, true, true, true,
                   "http://dav.example.org/"},
        AddressRow{"LanAddressIsWarnedAbout", "http://192.168.1.5:5232/", Answer::Esc, true, false, false},
        AddressRow{"LoopbackV4", "http://127.0.0.1:5232/", Answer::None, false, true, false, "http://127.0.0.1:5232/"},
        AddressRow{"LoopbackV6", "http://[::1]:5232/", Answer::None, false, true, false, "http://[::1]:5232/"},
        AddressRow{"Localhost", "http://localhost:5232/", Answer::None, false, true, false, "http://localhost:5232/"},
        AddressRow{"Https", "https://dav.example.org/", Answer::None, false, true, false, "https://dav.example.org/"},
        AddressRow{"NoSchemeIsHttps", "dav.example.org/dav/", Answer::None, false, true, false,
                   "https://dav.example.org/dav/"}),
    [](const auto& info) { return std::string(info.param.name); });
