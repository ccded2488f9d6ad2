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

// A file written by an earlier version shows its choice in words, and choosing that item writes what was there.
TEST_F(ShortcutSelectorTest, AStoredNameIsShownInWordsAndChoosingItWritesTheSameName) {
    const char* const modifier = keys::shortcutModifierCodeKeyOne;
    const char* const keyCode = keys::shortcutKeyCodeKey;
    const struct {
        const char *setting, *stored, *shown;
    } names[] = {{modifier, "\u2303", "Ctrl"},  {modifier, "\u2325", "Alt"},
                 {modifier, "\u2318", "Super"}, {modifier, "\u21E7", "Shift"},
                 {modifier, "None", "None"},    {keyCode, "\u23B5", "Space"},
                 {keyCode, "\u21A9", "Return"}, {keyCode, "\u21EA", "Caps Lock"},
                 {keyCode, "\u2190", "Left"},   {keyCode, "tab", "Tab"},
                 {keyCode, "`", "`"},           {keyCode, "F20", "F20"}};
    for (const auto& [setting, stored, shown] : names) {
        SCOPED_TRACE(shown);
        defaults.setObject(setting, stored);
        selector.awakeFromNib();
        QComboBox* popUp = setting == keyCode ? key : first;
        EXPECT_EQ(popUp->currentText(), QString::fromUtf8(shown));
        EXPECT_EQ(updates, 0) << "showing the stored choice is no new choice";
        defaults.setObject(setting, "");
        emit popUp->activated(popUp->currentIndex());
        EXPECT_EQ(defaults.objectForKey(setting), plist_value::Value(stored));
        updates = 0;
    }
}

TEST_F(ShortcutSelectorTest, AChoiceStoresAllThreeTitlesThenUpdatesOnceEvenWhenConnectedTwice) {
    selector.connectActions();
    defaults.setObject(keys::shortcutKeyCodeKey, "esc");
    selector.awakeFromNib();
    defaults.synchronizeCount = 0;
    chooseNext(first); // Ctrl to Alt
    EXPECT_EQ(defaults.objectForKey(keys::shortcutModifierCodeKeyOne), plist_value::Value("\u2325"));
    // The key pop-up could not show "esc": what it shows replaces it.
    EXPECT_EQ(defaults.objectForKey(keys::shortcutKeyCodeKey), plist_value::Value("\u23B5"));
    EXPECT_EQ(defaults.synchronizeCount, 1);
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
