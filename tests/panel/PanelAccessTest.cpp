// SPDX-License-Identifier: GPL-3.0-or-later
// The panel as a screen reader and a keyboard-only user meet it.
#include "PanelFixture.h"

#include "AboutMessage.h"
#include "JLShortcutSelector.h"
#include "WaitUntil.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
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
    QComboBox* popUp(int which) {
        return std::array{panel->modifierSelector1(), panel->modifierSelector2(), panel->keySelector()}.at(which);
    }
    QAbstractButton* segment(int which) { return widgets().categorySwitcher->segmentButton(which); }
    // Runs the about message and answers it with one key.
    void answerAboutMessage(Qt::Key key) {
        panel->setRunModal([key](QMessageBox& box) {
            box.show();
            QTest::keyClick(&box, key);
        });
        panel->setOpenUrl([this](const QUrl&) { ++sitesOpened; });
        panel->aboutMessage(nullptr);
    }

    JLShortcutSelector selector{defaults, [] {}};
    int sitesOpened = 0;
};

struct PopUpCase {
    int popUp;
    const char* name;
    const char* chosenSpoken;
    const char* label;
};

class PopUpNames : public PanelAccessTest, public ::testing::WithParamInterface<PopUpCase> {};

TEST_P(PopUpNames, APopUpIsNamedByItsPurposeNotByWhatItShows) {
    EXPECT_EQ(nameOf(popUp(GetParam().popUp)), QString::fromUtf8(GetParam().name));
}

TEST_P(PopUpNames, ThePopUpsChoiceIsSpokenInWords) {
    EXPECT_EQ(accessible(popUp(GetParam().popUp))->text(QAccessible::Value),
              QString::fromUtf8(GetParam().chosenSpoken));
}

TEST_P(PopUpNames, APopUpIsRelatedToItsVisibleLabel) {
    QStringList labels;
    for (const auto& [label, relation] : accessible(popUp(GetParam().popUp))->relations(QAccessible::Label))
        labels << label->text(QAccessible::Name);
    EXPECT_EQ(labels, QStringList{QString::fromUtf8(GetParam().label)});
}

INSTANTIATE_TEST_SUITE_P(Pane, PopUpNames,
                         ::testing::Values(PopUpCase{0, "Modifier", "Control", "Modifier:"},
                                           PopUpCase{1, "Second modifier", "No modifier", "Second modifier:"},
                                           PopUpCase{2, "Key", "Space", "Key:"}));

TEST_F(PanelAccessTest, SymbolItemsAreSpokenInWordsAndShownAsSymbols) {
    const std::pair<QString, QString> items[] = {{QStringLiteral("\u2325"), QStringLiteral("Alt")},
                                                 {QStringLiteral("\u21E7"), QStringLiteral("Shift")},
                                                 {QStringLiteral("\u21A9"), QStringLiteral("Return")}};
    for (const auto& [symbol, word] : items) {
        QComboBox* combo = symbol == QStringLiteral("\u21A9") ? popUp(2) : popUp(0);
        const int index = combo->findText(symbol);
        ASSERT_GE(index, 0) << symbol.toStdString();
        EXPECT_EQ(combo->itemData(index, Qt::AccessibleTextRole).toString(), word);
    }
}

TEST_F(PanelAccessTest, TheToDoSegmentShowsTheCountAndSaysItToo) {
    add({"a", "b", "c"});
    EXPECT_EQ(segment(0)->text(), QStringLiteral("To Do (3)"));
    EXPECT_EQ(nameOf(segment(0)), QStringLiteral("To Do, 3 items"));
}

TEST_F(PanelAccessTest, CheckingAnItemInTheFullListLowersTheShownCount) {
    add({"a", "b"});
    switchTo(1);
    cellAt(0)->checkBox()->click();
    EXPECT_TRUE(waitUntil([this] { return segment(0)->text() == QStringLiteral("To Do (1)"); }))
        << segment(0)->text().toStdString();
}

TEST_F(PanelAccessTest, CtrlCommaOpensTheSettingsOnTheFirstSetting) {
    press(QStringLiteral("<Ctrl+,>"));
    EXPECT_EQ(QApplication::focusWidget(), panel->launchAtLoginCheckBox());
}

TEST_F(PanelAccessTest, CtrlCommaAgainGoesBackToTheEntryField) {
    press(QStringLiteral("<Ctrl+,> <Ctrl+,>"));
    EXPECT_EQ(QApplication::focusWidget(), widgets().entryField);
}

TEST_F(PanelAccessTest, CtrlOneAndTwoPutTheFocusOnTheChosenSegment) {
    press(QStringLiteral("<Ctrl+2>"));
    EXPECT_EQ(QApplication::focusWidget(), segment(1));
    press(QStringLiteral("<Ctrl+1>"));
    EXPECT_EQ(QApplication::focusWidget(), segment(0));
}

TEST_F(PanelAccessTest, DownOnASegmentGoesToTheRows) {
    add({"a"});
    press(QStringLiteral("<Ctrl+1> <Down>"));
    EXPECT_EQ(QApplication::focusWidget(), table());
}

class AboutKeys : public PanelAccessTest, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(AboutKeys, ReturnAndEscCloseTheAboutMessageWithoutOpeningTheSite) {
    answerAboutMessage(GetParam());
    EXPECT_EQ(sitesOpened, 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutKeys, ::testing::Values(Qt::Key_Return, Qt::Key_Escape));

TEST_F(PanelAccessTest, ClosingTheAboutMessageGivesTheFocusBackToThePanel) {
    widgets().settingsButton->click();
    panel->aboutButton()->setFocus();
    answerAboutMessage(Qt::Key_Escape);
    EXPECT_TRUE(view()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), panel->aboutButton());
}

TEST_F(PanelAccessTest, InEditModeTheEditButtonIsNotNamedLikeTheCheckBoxes) {
    add({"a"});
    widgets().editButton->click();
    EXPECT_EQ(widgets().editButton->text(), QStringLiteral("Done"));
    EXPECT_EQ(nameOf(widgets().editButton), QStringLiteral("Finish editing"));
    EXPECT_NE(nameOf(widgets().editButton), nameOf(cellAt(0)->checkBox()));
    widgets().editButton->click();
    EXPECT_EQ(nameOf(widgets().editButton), QStringLiteral("Edit"));
}

TEST_F(PanelAccessTest, EachRemoveButtonSaysWhichItemItRemoves) {
    add({"Buy milk", "Call Ann"});
    EXPECT_EQ(nameOf(cellAt(0)->removeButton()), QStringLiteral("Remove \u201CCall Ann\u201D"));
    EXPECT_EQ(nameOf(cellAt(1)->removeButton()), QStringLiteral("Remove \u201CBuy milk\u201D"));
}

TEST_F(PanelAccessTest, InEditModeTabReachesTheRemoveButtons) {
    add({"a"});
    widgets().editButton->click();
    QWidget* remove = cellAt(0)->removeButton();
    for (int i = 0; i < 12 && QApplication::focusWidget() != remove; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), remove);
}

TEST_F(PanelAccessTest, ClickingARowsCheckBoxLeavesTheTypingInTheEntryField) {
    storeItems({storedItem("a")});
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
struct HiddenCase {
    const char* name;
    bool editing;
    bool settings;
    QWidget* (*control)(JLRedizadoViewController&, JLRedizadoTableViewCell&);
};

void PrintTo(const HiddenCase& c, std::ostream* out) {
    *out << c.name;
}

class HiddenControls : public PanelAccessTest, public ::testing::WithParamInterface<HiddenCase> {};

TEST_P(HiddenControls, AreInvisibleToAssistiveTechnology) {
    add({"a"});
    JLRedizadoTableViewCell& cell = *cellAt(0);
    if (GetParam().editing)
        widgets().editButton->click();
    if (GetParam().settings)
        widgets().settingsButton->click();
    EXPECT_TRUE(accessible(GetParam().control(*panel, cell))->state().invisible);
}

INSTANTIATE_TEST_SUITE_P(Panel, HiddenControls,
                         ::testing::Values(HiddenCase{"RemoveButtonOutsideEditMode", false, false,
                                                      [](auto&, auto& c) -> QWidget* { return c.removeButton(); }},
                                           HiddenCase{"CheckBoxInEditMode", true, false,
                                                      [](auto&, auto& c) -> QWidget* { return c.checkBox(); }},
                                           HiddenCase{"SettingsPaneOnTheList", false, false,
                                                      [](auto& p, auto&) -> QWidget* { return p.settingsPane(); }},
                                           HiddenCase{"ListUnderTheSettings", false, true,
                                                      [](auto& p, auto&) -> QWidget* { return p.redizadoTableView(); }},
                                           HiddenCase{"ShortcutPopUpsWithTheShortcutOff", false, true,
                                                      [](auto& p, auto&) -> QWidget* { return p.shortcutView(); }}),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
