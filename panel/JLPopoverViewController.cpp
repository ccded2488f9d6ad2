// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLPopoverViewController.h"

#include "JLJotlingManager.h"
#include "Log.h"
#include "PopoverEntry.h"
#include "PreferencesKeys.h"
#include "RowHeight.h"
#include "UserDefaults.h"
#include "ui_PopoverPanel.h"

using namespace plist_value;

JLPopoverViewController::JLPopoverViewController(UserDefaults& defaults, NotificationCenter& center, QObject* parent)
    : QObject(parent), m_defaults(defaults), m_center(center), m_ui(std::make_unique<Ui::PopoverPanel>()),
      m_view(new QWidget) {
    if (m_defaults.boolForKey(keys::loadKeyPopover))
        loadStoredList();
    else
        seedFirstStart();
    m_observers.push_back(m_center.addObserver(notifications::popoverVisible, nullptr,
                                               [this](const auto&) { makeJotlingFieldFirstResponder(); }));
    m_observers.push_back(m_center.addObserver(notifications::popoverWillBecomeVisible, nullptr,
                                               [this](const auto&) { popoverWillShow(); }));
    m_observers.push_back(
        m_center.addObserver(JLJotlingManager::listReplacedNotification, nullptr, [this](const auto&) {
            if (!m_handingOn)
                retrieveData();
        }));

    m_ui->setupUi(m_view);
    const ListWidgets widgets{
        m_ui->redizadoTableView, m_ui->jotlingField, m_ui->categorySwitcher,      m_ui->editButton,
        m_ui->settingsButton,    m_ui->settingsPane, m_ui->hideAfterEntryCheckBox};
    // A new item reads the whole table again; a removed row leaves a gap that closes.
    m_list = std::make_unique<ListCore>(static_cast<ListItems&>(*this), defaults, widgets,
                                        RowStyle{&popoverRowHeightForTitle, JLTableView::Animation::None,
                                                 JLTableView::Animation::Gap, popover_row_height::oneLine});
    connect(m_ui->jotlingField, &QLineEdit::editingFinished, this,
            [this] { textShouldEndEditing(m_ui->jotlingField); });
    connect(m_list.get(), &ListCore::hideAfterEntryRequested, this, [this] {
        m_ui->jotlingField->setEnabled(false);
        m_center.postNotificationName(notifications::popoverShouldBeDismissed, this);
        m_ui->jotlingField->setEnabled(true);
    });
}

JLPopoverViewController::~JLPopoverViewController() {
    for (const auto id : m_observers)
        m_center.removeObserver(id);
    delete m_view.data();
}

// An entry that did not change stays the same object: rows note undated items by their entry, and a change to
// another item must not make them strangers.
JLPopoverViewController::Entries JLPopoverViewController::storedEntries() const {
    Entries entries;
    if (const auto stored = m_defaults.objectForKey(keys::allRedizado)) {
        if (const Array* array = stored->get<Array>()) {
            for (std::size_t index = 0; index < array->size(); ++index) {
                const auto* dictionary = (*array)[index].get<Dictionary>();
                if (!dictionary) {
                    logLine("store",
                            "item " + std::to_string(index) + " of \"allRedizado\" is not a dictionary; skipped");
                    continue;
                }
                const std::size_t place = entries.size();
                const bool unchanged = place < m_redizadoArray.size() && *m_redizadoArray[place] == *dictionary;
                entries.push_back(unchanged ? m_redizadoArray[place] : std::make_shared<const Dictionary>(*dictionary));
            }
        } else {
            logLine("store", "\"allRedizado\" is not a list; no items loaded");
        }
    }
    return entries;
}

void JLPopoverViewController::loadStoredList() {
    m_redizadoArray = storedEntries();
    filterRedizado();
}

// A list the panel already stored stays, and so does any setting the user already chose: the first start
// writes only what is not there yet.
void JLPopoverViewController::seedFirstStart() {
    if (m_defaults.objectForKey(keys::allRedizado)) {
        loadStoredList();
    } else {
        // Stored in the language of the first start, as any item the user typed.
        const Entry welcome = popover_entry::make(tr("Welcome").toStdString(), false, now());
        m_redizadoArray = {welcome};
        m_toDoRedizadoArray = {welcome};
        m_defaults.setObject(keys::allRedizado, Value(Array{Value(*welcome)}));
    }
    if (!m_defaults.objectForKey(keys::switcherKey))
        m_defaults.setInteger(keys::switcherKey, 0);
    if (!m_defaults.objectForKey(keys::hideAfterEntry))
        m_defaults.setBool(keys::hideAfterEntry, false);
    m_defaults.setBool(keys::loadKeyPopover, true);
    m_defaults.synchronize();
}

void JLPopoverViewController::awakeFromNib() {
    restoreCategory();
    m_list->awakeFromNib();
    m_list->followToDoCount(m_center);
    m_ui->redizadoTableView->reloadData();
}

void JLPopoverViewController::retrieveData() {
    // A title being edited is stored against the rows it was typed in, before they show other items.
    m_list->endTitleEditing();
    loadStoredList();
    restoreCategory();
    m_ui->redizadoTableView->reloadData();
}

// The panel or a reloaded file may have chosen the other category meanwhile. Any stored value but 0 is the all
// category.
bool JLPopoverViewController::restoreCategory() {
    const int stored = m_defaults.integerForKey(keys::switcherKey) != 0 ? 1 : 0;
    if (m_ui->categorySwitcher->selectedSegment() == stored)
        return false;
    m_ui->categorySwitcher->setSelectedSegment(stored);
    return true;
}

void JLPopoverViewController::popoverWillShow() {
    if (restoreCategory())
        m_ui->redizadoTableView->reloadData();
    m_list->leaveSettingsAndEditMode();
}

void JLPopoverViewController::makeJotlingFieldFirstResponder() {
    m_ui->jotlingField->setFocus(Qt::PopupFocusReason);
}

bool JLPopoverViewController::textShouldEndEditing(QObject*) {
    m_list->createNewJotling();
    return true;
}
