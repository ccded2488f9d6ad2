// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLShortcutSelector.h"
#include "FirstRun.h"
#include "JLHotKeyManager.h"
#include "KeyNameTable.h"
#include "KeysymNames.h"
#include "MemoryUserDefaults.h"
#include "PreferencesKeys.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
const QStringList modifierTitles{QStringLiteral("\u2303"), QStringLiteral("\u2325"), QStringLiteral("\u2318"),
                                 QStringLiteral("\u21E7"), QStringLiteral("None")};

// The pane's three pop-ups as the interface description lays them out: the key pop-up offers the space bar first.
class ShortcutSelectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        runFirstRunProcedure(defaults);
        first->addItems(modifierTitles);
        second->addItems(modifierTitles);
        key->addItem(QStringLiteral("\u23B5"));
        selector.setModifierSelector1(first);
        selector.setModifierSelector2(second);
        selector.setKeySelector(key);
        selector.connectActions();
    }

    // Chooses the next item the way a user does with the keyboard.
    void chooseNext(QComboBox* combo) {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
    }

    MemoryUserDefaults defaults;
    int updates = 0;
    QWidget pane;
    QComboBox* first = new QComboBox(&pane);
    QComboBox* second = new QComboBox(&pane);
    QComboBox* key = new QComboBox(&pane);
    JLShortcutSelector selector{defaults, [this] { ++updates; }};
};

// The pop-ups and the note under them name a combination alike, whichever item is chosen; every key offered has a
// code (at() throws for one that has none).
TEST_F(ShortcutSelectorTest, EveryItemShowsTheWordTheNoteUses) {
    selector.awakeFromNib();
    for (int index = 0; index < key->count(); ++index) {
        const auto code = keyNameTable().at(key->itemData(index).toString().toStdString());
        EXPECT_EQ(key->itemText(index).toStdString(), readableCombination(std::uint16_t(code), 0));
    }
    for (int index = 0; index < first->count(); ++index) {
        const auto mask = modifierMaskForName(first->itemData(index).toString().toStdString());
        if (mask != 0) {
            EXPECT_EQ((first->itemText(index) + QStringLiteral("+A")).toStdString(), readableCombination(0, mask));
        }
    }
}

struct StoredName {
    const char* name;
    const char* key;
    const char* stored;
    const char* shown;
};

class ShortcutSelectorStoredNameTest : public ShortcutSelectorTest, public ::testing::WithParamInterface<StoredName> {};

// A file written by an earlier version shows its choice in words, and choosing that item writes what was there.
TEST_P(ShortcutSelectorStoredNameTest, ReadsBackAndWritesTheSameName) {
    const auto [name, setting, stored, shown] = GetParam();
    defaults.setObject(setting, stored);
    selector.awakeFromNib();
    QComboBox* popUp = std::string_view(setting) == keys::shortcutKeyCodeKey ? key : first;
    EXPECT_EQ(popUp->currentText(), QString::fromUtf8(shown));
    EXPECT_EQ(updates, 0) << "showing the stored choice is no new choice";
    defaults.setObject(setting, "");
    emit popUp->activated(popUp->currentIndex());
    EXPECT_EQ(defaults.objectForKey(setting), plist_value::Value(stored));
}

INSTANTIATE_TEST_SUITE_P(Names, ShortcutSelectorStoredNameTest,
                         ::testing::Values(StoredName{"Control", keys::shortcutModifierCodeKeyOne, "\u2303", "Ctrl"},
                                           StoredName{"Alt", keys::shortcutModifierCodeKeyOne, "\u2325", "Alt"},
                                           StoredName{"Super", keys::shortcutModifierCodeKeyOne, "\u2318", "Super"},
                                           StoredName{"Shift", keys::shortcutModifierCodeKeyOne, "\u21E7", "Shift"},
                                           StoredName{"NoModifier", keys::shortcutModifierCodeKeyOne, "None", "None"},
                                           StoredName{"SpaceBar", keys::shortcutKeyCodeKey, "\u23B5", "Space"},
                                           StoredName{"Return", keys::shortcutKeyCodeKey, "\u21A9", "Return"},
                                           StoredName{"CapsLock", keys::shortcutKeyCodeKey, "\u21EA", "Caps Lock"},
                                           StoredName{"LeftArrow", keys::shortcutKeyCodeKey, "\u2190", "Left"},
                                           StoredName{"Tab", keys::shortcutKeyCodeKey, "tab", "Tab"},
                                           StoredName{"Grave", keys::shortcutKeyCodeKey, "`", "`"},
                                           StoredName{"F12", keys::shortcutKeyCodeKey, "F12", "F12"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShortcutSelectorTest, AChoiceStoresAllThreeTitlesThenUpdatesOnceEvenWhenConnectedTwice) {
    selector.connectActions();
    defaults.setObject(keys::shortcutKeyCodeKey, "esc");
    selector.awakeFromNib();
    defaults.resetCounts();
    chooseNext(first); // Ctrl to Alt
    EXPECT_EQ(defaults.objectForKey(keys::shortcutModifierCodeKeyOne), plist_value::Value("\u2325"));
    // The key pop-up could not show "esc": what it shows replaces it.
    EXPECT_EQ(defaults.objectForKey(keys::shortcutKeyCodeKey), plist_value::Value("\u23B5"));
    EXPECT_EQ(defaults.synchronizeCount(), 1);
    EXPECT_EQ(updates, 1);

    chooseNext(key);
    EXPECT_EQ(defaults.objectForKey(keys::shortcutKeyCodeKey), plist_value::Value("`"));
}

// A reader hears each pop-up by its purpose and its item by name, and finds the list only while it is down.
TEST_F(ShortcutSelectorTest, APopUpIsHeardByPurposeAndOffersItsListOnlyWhileOpen) {
    selector.awakeFromNib();
    pane.show();
    QAccessibleInterface* popUp = QAccessible::queryAccessibleInterface(first);
    ASSERT_NE(popUp, nullptr);
    EXPECT_EQ(popUp->text(QAccessible::Name), QStringLiteral("Modifier"));
    EXPECT_EQ(popUp->text(QAccessible::Value), QStringLiteral("Control"));
    EXPECT_EQ(popUp->childCount(), 0);
    EXPECT_EQ(popUp->child(0), nullptr);

    ASSERT_TRUE(popUp->actionInterface());
    popUp->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(first->view()->isVisible());
    ASSERT_EQ(popUp->childCount(), 1);
    EXPECT_EQ(popUp->child(0)->object(), first->view());
    EXPECT_EQ(popUp->indexOfChild(popUp->child(0)), 0);

    popUp->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(first->view()->isVisible());
    EXPECT_EQ(popUp->childCount(), 0);
}

} // namespace
