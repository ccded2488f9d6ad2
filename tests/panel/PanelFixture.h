// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Announcer.h"
#include "JLJotlingManager.h"
#include "JLPopoverViewController.h"
#include "JLRedizadoTableViewCell.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoViewControllerDelegate.h"
#include "JLRedizadoWindow.h"
#include "JLSegmentedControl.h"
#include "JLTableView.h"
#include "ListCore.h"
#include "MemoryAllDesktops.h"
#include "MemorySyncControl.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PanelDriver.h"
#include "PanelKeys.h"
#include "RowMark.h"
#include "StoredItems.h"
#include "WaitUntil.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using Strings = std::vector<std::string>;

// Records what the panel asked of its delegate.
struct RecordingDelegate final : JLRedizadoViewControllerDelegate {
    std::vector<std::string> calls;
    void hideAfterEntry() override { calls.push_back("hideAfterEntry"); }
    void setLaunchAppAtLogin(bool on) override { calls.push_back(on ? "launchAtLogin YES" : "launchAtLogin NO"); }
    void setIconAlternate(bool on) override { calls.push_back(on ? "iconAlternate YES" : "iconAlternate NO"); }
    void setShowToDoCount(bool on) override { calls.push_back(on ? "showToDoCount YES" : "showToDoCount NO"); }
    void setShortcut(bool on) override { calls.push_back(on ? "shortcut YES" : "shortcut NO"); }
};

// The panel's or the popover's list over an in-memory store, shown so that its rows have cells.
class ListFixture {
protected:
    // A store either list has seen before, holding these items, newest first.
    void storeItems(plist_value::Array items) {
        defaults.setBool(keys::loadKeyPopover, true);
        defaults.setObject(keys::allRedizado, plist_value::Value(std::move(items)));
    }
    void startPanel() {
        panel.reset();
        manager = std::make_unique<JLJotlingManager>(defaults, center);
        panel = std::make_unique<JLRedizadoViewController>(defaults, *manager, center);
        panel->awakeFromNib();
        panel->setDelegate(&delegate);
        show();
    }
    void startPanel(plist_value::Array items) {
        storeItems(std::move(items));
        startPanel();
    }
    void startPopover(plist_value::Array items) {
        storeItems(std::move(items));
        startPopover();
    }
    void startPopover() {
        popover = std::make_unique<JLPopoverViewController>(defaults, center);
        popover->awakeFromNib();
        show();
    }
    void show() {
        view()->resize(320, 440);
        view()->show();
    }
    // The panel in its window, at the width the program gives it.
    void showInWindow() {
        window.awakeFromNib();
        window.resize(320, 440);
        panel->showWithWindow(window);
    }
    void activate() {
        view()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view()));
    }
    QWidget* view() { return panel ? panel->view() : popover->view(); }
    ListCore& list() { return panel ? panel->list() : popover->list(); }
    const ListWidgets& widgets() { return list().widgets(); }
    JLTableView* table() { return widgets().table; }
    void add(const QString& title) { typeAndReturn(widgets().entryField, title); }
    void add(std::initializer_list<const char*> titles) {
        for (const char* title : titles)
            add(QString::fromUtf8(title));
    }
    // Picks a category on the switcher as a click on its segment does.
    void switchTo(int segment) {
        widgets().categorySwitcher->setSelectedSegment(segment);
        list().switchCategories();
    }
    JLRedizadoTableViewCell* cellAt(std::int64_t row) {
        return qobject_cast<JLRedizadoTableViewCell*>(table()->viewAtRow(row, false));
    }
    void rename(std::int64_t row, const QString& title) { ::rename(cellAt(row)->titleLabel(), title); }
    // The titles the rows show, top first; with marks, a checked box adds '*'.
    Strings shownTitles(bool marks = false) {
        Strings shown;
        for (std::int64_t row = 0; row < table()->numberOfRows(); ++row)
            if (auto* cell = cellAt(row))
                shown.push_back(cell->titleLabel()->stringValue().toStdString() +
                                (marks && cell->checkBox()->isChecked() ? "*" : ""));
        return shown;
    }
    QString said() { return list().announcer().message(); }
    static QAccessibleInterface* accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }
    // As a sync's merge replaces the manager's list: an item from the server on top, and each item titled copied
    // a changed copy of itself (its UID added), the same item by its date.
    void mergeFromServer(const std::string& copied) {
        auto merged = manager->redizado();
        for (auto& record : merged) {
            if (record->title() == copied) {
                plist_value::Dictionary changed = *record->dictionary();
                changed.insert_or_assign("JotlingSyncUID", plist_value::Value("uid"));
                record = std::make_shared<JLJotling>(changed);
            }
        }
        merged.insert(merged.begin(), std::make_shared<JLJotling>("from the server"));
        manager->replaceRedizado(std::move(merged));
    }
    // The stored list, newest first, a checked item marked with '*'.
    std::string stored() const {
        std::string marked;
        for (const auto& item : storedList(defaults)) {
            const plist_value::Dictionary& entry = *item.get<plist_value::Dictionary>();
            marked += (marked.empty() ? "" : " ") + *entry.at(keys::jotlingTitle).get<std::string>() +
                      (entry.at(keys::jotlingChecked).boolValue() ? "*" : "");
        }
        return marked;
    }
    std::int64_t count() const { return defaults.integerForKey(keys::toDoCountKey); }
    Strings titles(bool todo) const { return titlesOf(todo ? manager->todoRedizado() : manager->redizado()); }

    MemoryUserDefaults defaults;
    NotificationCenter center;
    std::unique_ptr<JLJotlingManager> manager;
    RecordingDelegate delegate;
    std::unique_ptr<JLRedizadoViewController> panel;
    std::unique_ptr<JLPopoverViewController> popover;
    MemoryAllDesktops desktops; // the window goes before the panel, as it would in a test's own fixture
    JLRedizadoWindow window{desktops};
};

// Started by the test, as the panel or the popover.
class ListTest : public ListFixture, public ::testing::Test {};

class PanelTest : public ListTest {
protected:
    void SetUp() override { startPanel(); }
};

// A panel that has the keyboard, as when it shows on the desktop.
class KeyboardPanelTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        activate();
        widgets().entryField->setFocus();
    }
    // Types the steps into whatever has the focus at each step: "<Down>" and "<Ctrl+Z>" are keys, any other
    // word is typed as text.
    void press(const QString& steps) {
        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr) << "nothing has the focus before " << step.toStdString();
            if (step.startsWith(QLatin1Char('<')) && step.endsWith(QLatin1Char('>'))) {
                const QKeySequence keys = QKeySequence::fromString(step.mid(1, step.size() - 2));
                QTest::keyClick(focused, keys[0].key(), keys[0].keyboardModifiers());
            } else {
                QTest::keyClicks(focused, step);
            }
        }
    }
    RowMark& mark() { return panel->panelKeys().rowMark(); }
    // Edit mode on and the row's title clicked into, as a user begins a rename with the mouse.
    JLTextField* clickIntoTitle(std::int64_t row) {
        widgets().editButton->click();
        JLTextField* label = cellAt(row)->titleLabel();
        QTest::mouseClick(label->viewport(), Qt::LeftButton);
        EXPECT_TRUE(label->hasFocus());
        return label;
    }
};
