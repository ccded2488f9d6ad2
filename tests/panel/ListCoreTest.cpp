// SPDX-License-Identifier: GPL-3.0-or-later
// What the panel and the popover do alike, checked once, on the panel, through the list they share.
#include "PanelFixture.h"

#include <QTranslator>

#include <string_view>

namespace {
// The edit button's two titles as a translation gives them, installed while it lives.
class TranslatedEditTitles final : public QTranslator {
public:
    TranslatedEditTitles() { QCoreApplication::installTranslator(this); }
    ~TranslatedEditTitles() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        const std::string_view text(source);
        return text == "Edit" ? QStringLiteral("Bearbeiten") : text == "Done" ? QStringLiteral("Fertig") : QString();
    }
};
} // namespace

TEST_F(PanelTest, CheckingSavesListAndCountOnceBeforeTellingObserversAndASwitchIsStoredAtOnce) {
    startPanel({storedItem("c"), storedItem("b"), storedItem("a")});
    // Observers of the count find it stored with the list, in the one save of the change.
    std::string storedAtPost;
    center.addObserver(notifications::toDoCountChanged, nullptr,
                       [&](const auto&) { storedAtPost = stored() + " " + std::to_string(count()); });
    const int saves = defaults.synchronizeCount;
    cellAt(1)->checkBox()->click();
    EXPECT_EQ(storedAtPost, "c b* a 2");
    EXPECT_EQ(defaults.synchronizeCount, saves + 1);
    switchTo(1);
    EXPECT_EQ(defaults.integerForKey(keys::switcherKey), 1);
    EXPECT_EQ(defaults.synchronizeCount, saves + 2) << "a category chosen is stored at once";
}

// Edit mode follows the button whatever its title is in the user's language.
TEST_F(PanelTest, RemovingInEitherCategoryTakesTheRowAwayAndSavesListAndCountOnce) {
    const TranslatedEditTitles titles;
    for (int segment : {0, 1}) {
        SCOPED_TRACE(segment);
        startPanel({storedItem("c"), storedItem("b"), storedItem("a", true)});
        switchTo(segment);
        widgets().editButton->click();
        EXPECT_EQ(widgets().editButton->text(), QStringLiteral("Fertig"));
        EXPECT_TRUE(cellAt(0)->titleLabel()->isEditable());
        // Remove shows in place of the check box, and Done brings the check box back.
        EXPECT_TRUE(cellAt(0)->checkBox()->isHidden());
        EXPECT_FALSE(cellAt(0)->removeButton()->isHidden());
        defaults.synchronizeCount = 0;
        cellAt(1)->removeButton()->click();
        EXPECT_EQ(stored(), "c a*");
        EXPECT_EQ(count(), 1);
        EXPECT_EQ(defaults.synchronizeCount, 1);
        EXPECT_EQ(shownTitles(), (segment == 0 ? Strings{"c"} : Strings{"c", "a"}));
        widgets().editButton->click();
        EXPECT_EQ(widgets().editButton->text(), QStringLiteral("Bearbeiten"));
        EXPECT_FALSE(cellAt(0)->checkBox()->isHidden());
        EXPECT_TRUE(cellAt(0)->removeButton()->isHidden());
    }
}

// A title being typed is stored as its row's removal begins; the label, its row now another, still renames its own
// item, and so it does after a sync replaced the list, its item with it.
TEST_F(PanelTest, ARemovalAboveOrASyncStoresATitleBeingEditedAndLeavesTheLabelOnItsItem) {
    startPanel({storedItem("d"), storedItem("c", true), storedItem("b"), storedItem("a")});
    activate();
    widgets().editButton->click();
    JLTextField* label = cellAt(2)->titleLabel(); // "a"
    label->setFocus();
    label->setPlainText(QStringLiteral("a edited"));
    cellAt(0)->removeButton()->click(); // "d" goes; "a" is now row 1
    EXPECT_EQ(stored(), "c* b a edited");
    ::rename(label, QStringLiteral("a2"));
    EXPECT_EQ(stored(), "c* b a2");
    EXPECT_EQ(shownTitles(), (Strings{"b", "a2"}));
    label->setFocus();
    label->setPlainText(QStringLiteral("a3"));
    mergeFromServer("a2"); // its item now a copy, found by its date
    label->clearFocus();
    EXPECT_EQ(stored(), "from the server c* b a3");
}
