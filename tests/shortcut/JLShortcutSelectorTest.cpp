// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLShortcutSelector.h"
#include "FirstRun.h"
#include "JLHotKeyManager.h"
#include "KeyNameTable.h"
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

TEST(ShortcutSelectorKeyNames, EveryOfferedKeyHasACode) {
    for (const QString& name : JLShortcutSelector::keyNames())
        EXPECT_EQ(keyNameTable().count(name.toStdString()), 1u) << name.toStdString();
}

TEST_F(ShortcutSelectorTest, LoadShowsTheStoredCombination) {
    defaults.setObject(keys::shortcutKeyCodeKey, "Q");
    defaults.setObject(keys::shortcutModifierCodeKeyOne, "\u2318");
    selector.awakeFromNib();
    EXPECT_EQ(key->currentText(), QStringLiteral("Q"));
    EXPECT_EQ(first->currentText(), QStringLiteral("\u2318"));
    EXPECT_EQ(updates, 0);
}

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
