// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLJotlingManager.h"
#include "JLRedizadoTableViewCell.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoViewControllerDelegate.h"
#include "JLSegmentedControl.h"
#include "JLTextField.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PanelDriver.h"
#include "PreferencesKeys.h"
#include "StoredItems.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Records what the panel asked of its delegate.
struct RecordingDelegate final : JLRedizadoViewControllerDelegate {
    std::vector<std::string> calls;
    void hideAfterEntry() override { calls.push_back("hideAfterEntry"); }
    void setLaunchAppAtLogin(bool on) override { calls.push_back(std::string("launchAtLogin ") + (on ? "YES" : "NO")); }
    void setIconAlternate(bool on) override { calls.push_back(std::string("iconAlternate ") + (on ? "YES" : "NO")); }
    void setShowToDoCount(bool on) override { calls.push_back(std::string("showToDoCount ") + (on ? "YES" : "NO")); }
    void setShortcut(bool on) override { calls.push_back(std::string("shortcut ") + (on ? "YES" : "NO")); }
};

// A panel over an in-memory store, shown so that its rows have cells.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        controller.awakeFromNib();
        controller.setDelegate(&delegate);
        controller.view()->resize(320, 440);
        controller.view()->show();
    }

    void add(const QString& title) { typeAndReturn(controller.entryField(), title); }
    void add(std::initializer_list<const char*> titles) {
        for (const char* title : titles)
            add(QString::fromUtf8(title));
    }
    void switchTo(int segment) { switchCategory(controller, segment); }
    JLRedizadoTableViewCell* cellAt(std::int64_t row) { return ::cellAt(controller.redizadoTableView(), row); }
    void rename(std::int64_t row, const QString& title) { ::rename(controller.redizadoTableView(), row, title); }
    std::vector<std::string> titles(bool todo) { return titlesOf(todo ? manager.todoRedizado() : manager.redizado()); }
    std::vector<std::string> shownTitles() { return ::shownTitles(controller.redizadoTableView()); }

    MemoryUserDefaults defaults;
    NotificationCenter center;
    JLJotlingManager manager{defaults, center};
    RecordingDelegate delegate;
    JLRedizadoViewController controller{defaults, manager};
};
