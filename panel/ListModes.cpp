// SPDX-License-Identifier: GPL-3.0-or-later
// The list's view states: category, edit mode and the settings pane.
#include "ListCore.h"

#include "JLSegmentedControl.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>

namespace {
constexpr const char* editTitle = QT_TRANSLATE_NOOP("ListModes", "Edit");
constexpr const char* doneTitle = QT_TRANSLATE_NOOP("ListModes", "Done");
// Kept on the button rather than read from its title, which a translation may make anything.
constexpr const char* editingProperty = "redizadoEditing";

// "Done" is also every row's check box; a screen reader hears what the button does.
void showEditTitle(QPushButton& button, bool editing) {
    button.setProperty(editingProperty, editing);
    button.setText(QCoreApplication::translate("ListModes", editing ? doneTitle : editTitle));
    button.setAccessibleName(editing ? QCoreApplication::translate("ListModes", "Finish editing") : QString());
}
} // namespace

bool ListCore::inEditMode() const {
    return m_widgets.editButton->property(editingProperty).toBool();
}

void ListCore::awakeFromNib() {
    // Tab and the keys reach the rows; a click on a row leaves the focus in the entry field, whose typing it
    // would otherwise end.
    m_widgets.table->setFocusPolicy(Qt::TabFocus);
    m_widgets.hideAfterEntryCheckBox->setChecked(m_defaults.boolForKey(keys::hideAfterEntry));
}

void ListCore::switchCategories() {
    // Choosing a category is asking for the list, also from the settings pane.
    showList();
    m_defaults.setInteger(keys::switcherKey, inTodoCategory() ? 0 : 1);
    m_defaults.synchronize();
    m_widgets.table->reloadData();
}

void ListCore::enterEditMode() {
    showEditTitle(*m_widgets.editButton, !inEditMode());
    m_widgets.table->reloadData();
}

void ListCore::showSettings() {
    m_widgets.table->setHidden(!m_widgets.table->isHidden());
    syncSettingsPane();
}

void ListCore::showList() {
    if (!m_widgets.table->isHidden())
        return;
    m_widgets.settingsButton->setChecked(false);
    m_widgets.table->setHidden(false);
    syncSettingsPane();
}

void ListCore::leaveSettingsAndEditMode() {
    showList();
    if (inEditMode()) {
        showEditTitle(*m_widgets.editButton, false);
        m_widgets.editButton->setChecked(false);
        m_widgets.table->reloadData();
    }
}

void ListCore::syncSettingsPane() {
    m_widgets.settingsPane->setHidden(!m_widgets.table->isHidden());
}

void ListCore::toggleHideAfterEntry() {
    m_defaults.setBool(keys::hideAfterEntry, m_widgets.hideAfterEntryCheckBox->isChecked());
    m_defaults.synchronize();
}

bool ListCore::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_widgets.table && (event->type() == QEvent::Hide || event->type() == QEvent::Show))
        syncSettingsPane();
    return QObject::eventFilter(watched, event);
}
