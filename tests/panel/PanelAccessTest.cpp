// SPDX-License-Identifier: GPL-3.0-or-later
// The panel as a screen reader and a keyboard-only user meet it, where the reading on the bus does not reach.
#include "PanelFixture.h"

#include "JLShortcutSelector.h"
#include "WaitUntil.h"

#include <QAccessible>
#include <QComboBox>
#include <QMessageBox>

namespace {
QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

class PanelAccessTest : public KeyboardPanelTest {
protected:
    void SetUp() override {
        KeyboardPanelTest::SetUp();
        selector.setModifierSelector1(panel->modifierSelector1());
        selector.setModifierSelector2(panel->modifierSelector2());
        selector.setKeySelector(panel->keySelector());
        selector.awakeFromNib();
    }
    QAbstractButton* segment(int which) { return widgets().categorySwitcher->segmentButton(which); }

    JLShortcutSelector selector{defaults, [] {}};
};

struct PopUpCase {
    int popUp;
    const char* name;
    const char* chosenSpoken;
    const char* label;
    const char* symbol; // an item shown as a symbol, spoken as the word
    const char* word;
};

class PopUps : public PanelAccessTest, public ::testing::WithParamInterface<PopUpCase> {};

TEST_P(PopUps, AreNamedByPurposeRelatedToTheirLabelAndSpeakTheirItemsInWords) {
    const PopUpCase& c = GetParam();
    QComboBox* popUp = std::array{panel->modifierSelector1(), panel->modifierSelector2(), panel->keySelector()}.at(
        static_cast<std::size_t>(c.popUp));
    EXPECT_EQ(nameOf(popUp), QString::fromUtf8(c.name));
    EXPECT_EQ(accessible(popUp)->text(QAccessible::Value), QString::fromUtf8(c.chosenSpoken));
    QStringList labels;
    for (const auto& [label, relation] : accessible(popUp)->relations(QAccessible::Label))
        labels << label->text(QAccessible::Name);
    EXPECT_EQ(labels, QStringList{QString::fromUtf8(c.label)});
    const int index = popUp->findText(QString::fromUtf8(c.symbol));
    ASSERT_GE(index, 0);
    EXPECT_EQ(popUp->itemData(index, Qt::AccessibleTextRole).toString(), QString::fromUtf8(c.word));
}

INSTANTIATE_TEST_SUITE_P(Pane, PopUps,
                         ::testing::Values(PopUpCase{0, "Modifier", "Control", "Modifier:", "\u2325", "Alt"},
                                           PopUpCase{1, "Second modifier", "No modifier", "Second modifier:", "\u21E7",
                                                     "Shift"},
                                           PopUpCase{2, "Key", "Space", "Key:", "\u21A9", "Return"}));

TEST_F(PanelAccessTest, TheToDoSegmentShowsAndSaysTheCountAsItChanges) {
    add({"a", "b", "c"});
    EXPECT_EQ(nameOf(segment(0)), QStringLiteral("To Do, 3 items"));
    switchTo(1);
    cellAt(0)->checkBox()->click();
    EXPECT_TRUE(waitUntil([this] { return segment(0)->text() == QStringLiteral("To Do (2)"); }))
        << segment(0)->text().toStdString();
}

TEST_F(PanelAccessTest, CtrlCommaGoesToTheFirstSettingAndBackToTheEntryField) {
    press(QStringLiteral("<Ctrl+,>"));
    EXPECT_EQ(QApplication::focusWidget(), panel->launchAtLoginCheckBox());
    press(QStringLiteral("<Ctrl+,>"));
    EXPECT_EQ(QApplication::focusWidget(), widgets().entryField);
}

class AboutKeys : public PanelAccessTest, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(AboutKeys, CloseTheAboutMessageWithoutOpeningTheSiteAndGiveTheFocusBack) {
    widgets().settingsButton->click();
    panel->aboutButton()->setFocus();
    int sitesOpened = 0;
    panel->setRunModal([key = GetParam()](QMessageBox& box) {
        box.show();
        QTest::keyClick(&box, key);
    });
    panel->setOpenUrl([&sitesOpened](const QUrl&) { ++sitesOpened; });
    panel->aboutMessage(nullptr);
    EXPECT_EQ(sitesOpened, 0);
    EXPECT_TRUE(view()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), panel->aboutButton());
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutKeys, ::testing::Values(Qt::Key_Return, Qt::Key_Escape));

TEST_F(PanelAccessTest, InEditModeTheEditButtonIsNotNamedLikeTheCheckBoxes) {
    add({"a"});
    widgets().editButton->click();
    EXPECT_EQ(nameOf(widgets().editButton), QStringLiteral("Finish editing"));
    widgets().editButton->click();
    EXPECT_EQ(nameOf(widgets().editButton), QStringLiteral("Edit"));
}

TEST_F(PanelAccessTest, InEditModeTabReachesTheRemoveButtonsWhichSayWhatTheyRemove) {
    add({"Buy milk", "Call Ann"});
    widgets().editButton->click();
    EXPECT_EQ(nameOf(cellAt(1)->removeButton()), QStringLiteral("Remove \u201CBuy milk\u201D"));
    QWidget* remove = cellAt(0)->removeButton();
    for (int i = 0; i < 12 && QApplication::focusWidget() != remove; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), remove);
}

TEST_F(PanelAccessTest, ClickingARowsCheckBoxLeavesTheTypingInTheEntryField) {
    storeItems({storedItem("a")}); // a row in place, not sliding in
    startPanel();
    activate();
    widgets().entryField->setFocus();
    widgets().entryField->setText(QStringLiteral("typed"));
    QWidget* box = cellAt(0)->checkBox();
    QTest::mouseClick(view()->windowHandle(), Qt::LeftButton, {}, box->mapTo(view(), box->rect().center()));
    EXPECT_EQ(stored(), "a*");
    EXPECT_EQ(QApplication::focusWidget(), widgets().entryField);
}

// What the panel does not show, a screen reader does not find either.
TEST_F(PanelAccessTest, HiddenControlsAreInvisibleToAssistiveTechnology) {
    add({"a"});
    const auto invisible = [](QWidget* widget) { return accessible(widget)->state().invisible; };
    EXPECT_TRUE(invisible(cellAt(0)->removeButton()));
    EXPECT_TRUE(invisible(panel->settingsPane()));
    widgets().editButton->click();
    EXPECT_TRUE(invisible(cellAt(0)->checkBox()));
    widgets().editButton->click();
    widgets().settingsButton->click();
    EXPECT_TRUE(invisible(panel->shortcutView()));
}
} // namespace
