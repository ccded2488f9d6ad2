// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLShortcutSelector.h"
#include "FirstRun.h"
#include "JLHotKeyManager.h"
#include "MemoryUserDefaults.h"
#include "PreferencesKeys.h"

#include <QComboBox>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>

using plist_value::Value;

namespace {
const QStringList modifierTitles{QStringLiteral("\u2303"), QStringLiteral("\u2325"), QStringLiteral("\u2318"),
                                 QStringLiteral("\u21E7"), QStringLiteral("None")};

std::string storedText(const UserDefaults& defaults, const char* key) {
    const auto value = defaults.objectForKey(key);
    const auto* text = value ? value->get<std::string>() : nullptr;
    return text ? *text : std::string("<nothing>");
}

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

    void load() {
        selector.awakeFromNib();
        defaults.resetCounts();
    }

    // Chooses the next (or previous) item the way a user does with the keyboard.
    void chooseNext(QComboBox* combo, Qt::Key direction = Qt::Key_Down) {
        combo->setFocus();
        QTest::keyClick(combo, direction);
    }

    MemoryUserDefaults defaults;
    int updates = 0;
    QWidget pane;
    QComboBox* first = new QComboBox(&pane);
    QComboBox* second = new QComboBox(&pane);
    QComboBox* key = new QComboBox(&pane);
    JLShortcutSelector selector{defaults, [this] { ++updates; }};
};

TEST(ShortcutSelectorKeyNames, EveryOfferedKeyHasACodeAndOnlyFourNamesAreNotOffered) {
    const QStringList names = JLShortcutSelector::keyNames();
    std::set<std::string> notOffered;
    for (const auto& [name, code] : keyNameTable())
        notOffered.insert(name);
    for (const QString& name : names)
        EXPECT_EQ(notOffered.erase(name.toStdString()), 1u) << name.toStdString();
    EXPECT_EQ(notOffered, (std::set<std::string>{"\u23B5", "esc", "fn", "None"}));
}

TEST_F(ShortcutSelectorTest, LoadShowsTheStoredCombination) {
    defaults.setObject(keys::shortcutKeyCodeKey, "Q");
    defaults.setObject(keys::shortcutModifierCodeKeyOne, "\u2318");
    // A title listed twice is found at its first place.
    second->addItem(QStringLiteral("\u2318"));
    defaults.setObject(keys::shortcutModifierCodeKeyTwo, "\u2318");
    load();
    EXPECT_EQ(key->currentText(), QStringLiteral("Q"));
    EXPECT_EQ(first->currentText(), QStringLiteral("\u2318"));
    EXPECT_EQ(second->currentIndex(), 2);
    EXPECT_EQ(updates, 0);
    EXPECT_EQ(defaults.synchronizeCount(), 0);
}

TEST_F(ShortcutSelectorTest, FirstRunValuesFindTheirItemsAfterTheExistingOnes) {
    first->setCurrentIndex(3);
    load();
    EXPECT_EQ(key->count(), 1 + JLShortcutSelector::keyNames().size());
    EXPECT_EQ(key->itemText(1), JLShortcutSelector::keyNames().front());
    EXPECT_EQ(key->currentIndex(), 0);
    EXPECT_EQ(first->currentText(), QStringLiteral("\u2303"));
    EXPECT_EQ(second->currentText(), QStringLiteral("None"));
}

TEST_F(ShortcutSelectorTest, NamesWithoutAnItemKeepTheSelection) {
    key->setCurrentIndex(0);
    second->setCurrentIndex(2);
    defaults.setObject(keys::shortcutKeyCodeKey, "esc");
    defaults.setInteger(keys::shortcutModifierCodeKeyTwo, 7); // hand-edited, not a name
    defaults.setObject(keys::shortcutModifierCodeKeyOne, "^");
    first->setCurrentIndex(1);
    load();
    EXPECT_EQ(key->currentIndex(), 0);
    EXPECT_EQ(first->currentIndex(), 1);
    EXPECT_EQ(second->currentIndex(), 2);
}

TEST_F(ShortcutSelectorTest, AChoiceStoresAllThreeTitlesThenUpdatesOnceEvenWhenConnectedTwice) {
    selector.connectActions();
    defaults.setObject(keys::shortcutKeyCodeKey, "esc");
    load();
    chooseNext(first); // ⌃ → ⌥

    EXPECT_EQ(storedText(defaults, keys::shortcutModifierCodeKeyOne), "\u2325");
    EXPECT_EQ(storedText(defaults, keys::shortcutModifierCodeKeyTwo), "None");
    // The key pop-up could not show "esc": what it shows replaces it.
    EXPECT_EQ(storedText(defaults, keys::shortcutKeyCodeKey), "\u23B5");
    EXPECT_EQ(defaults.setCount(keys::shortcutKeyCodeKey), 1);
    EXPECT_EQ(defaults.synchronizeCount(), 1);
    EXPECT_EQ(updates, 1);

    chooseNext(key);
    chooseNext(second, Qt::Key_Up); // None is the last item
    EXPECT_EQ(updates, 3);
    EXPECT_EQ(storedText(defaults, keys::shortcutKeyCodeKey), "`");
    EXPECT_EQ(storedText(defaults, keys::shortcutModifierCodeKeyTwo), "\u21E7");
}

TEST_F(ShortcutSelectorTest, APopUpWithNothingSelectedLeavesItsSetting) {
    load();
    second->clear();
    selector.shortcutCombinationSelected(first);
    EXPECT_EQ(storedText(defaults, keys::shortcutModifierCodeKeyTwo), "None");
    EXPECT_EQ(defaults.setCount(keys::shortcutModifierCodeKeyTwo), 0);
    EXPECT_EQ(updates, 1);
}
} // namespace
