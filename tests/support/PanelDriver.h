// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLRedizadoTableViewCell.h"
#include "JLSegmentedControl.h"
#include "JLTableView.h"
#include "JLTextField.h"
#include "ListCore.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"

#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

// The steps a person takes on the panel or the popover, for tests of either.

inline void typeAndReturn(QLineEdit* field, const QString& title) {
    field->setText(title);
    QTest::keyClick(field, Qt::Key_Return);
}

// Picks a category on the switcher as a click on its segment does.
inline void switchCategory(ListCore& list, int segment) {
    list.widgets().categorySwitcher->setSelectedSegment(segment);
    list.switchCategories();
}

inline JLRedizadoTableViewCell* cellAt(JLTableView* table, std::int64_t row) {
    return qobject_cast<JLRedizadoTableViewCell*>(table->viewAtRow(row, false));
}

// Edits a title in place and presses Return; the label may be held across rows moving.
inline void rename(JLTextField* label, const QString& title) {
    label->setFocus();
    label->setPlainText(title);
    QTest::keyClick(label, Qt::Key_Return);
}

// The titles the rows show, top first.
inline std::vector<std::string> shownTitles(JLTableView* table) {
    std::vector<std::string> result;
    for (std::int64_t row = 0; row < table->numberOfRows(); ++row)
        if (auto* cell = cellAt(table, row))
            result.push_back(cell->titleLabel()->stringValue().toStdString());
    return result;
}

// The stored list, newest first, a checked item marked with '*'.
inline std::string storedWithMarks(const UserDefaults& defaults) {
    using namespace plist_value;
    std::string result;
    const auto list = defaults.objectForKey(keys::allRedizado);
    for (const Value& item : list && list->get<Array>() ? *list->get<Array>() : Array{}) {
        const Dictionary& entry = *item.get<Dictionary>();
        result += (result.empty() ? "" : " ") + *entry.at(keys::jotlingTitle).get<std::string>() +
                  (entry.at(keys::jotlingChecked).boolValue() ? "*" : "");
    }
    return result;
}
