// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLPopoverViewController.h"

#include "ControlState.h"
#include "JLRedizadoTableViewCell.h"
#include "JLTextField.h"
#include "Log.h"
#include "PopoverEntry.h"
#include "PreferencesKeys.h"
#include "RowHeight.h"
#include "UserDefaults.h"
#include "ui_PopoverPanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QPalette>
#include <QToolButton>

using namespace plist_value;

namespace {
constexpr const char* editTitle = "Edit";
constexpr const char* doneTitle = "Done";
constexpr const char* welcomeTitle = "Welcome";
// A title as long as a whole file is still one item; the field must not cut it short.
constexpr int entryFieldMaxLength = 16 * 1024 * 1024;
} // namespace

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

    m_ui->setupUi(m_view);
    m_ui->jotlingField->setMaxLength(entryFieldMaxLength);
    m_ui->redizadoTableView->setDataSource(this);
    m_ui->redizadoTableView->registerTemplate(QString::fromLatin1(JLRedizadoTableViewCell::identifier),
                                              &JLRedizadoTableViewCell::makeWithOwner);
    // The settings pane takes the table's place exactly while the table is hidden, however it got hidden.
    m_ui->redizadoTableView->installEventFilter(this);
    m_ui->settingsPane->setHidden(true);
    // As solid as the list it stands in for: the body's slight translucency would let windows behind show.
    m_ui->settingsPane->setBackgroundRole(QPalette::Base);
    m_ui->settingsPane->setAutoFillBackground(true);
    connectActions();
}

JLPopoverViewController::~JLPopoverViewController() {
    for (const auto id : m_observers)
        m_center.removeObserver(id);
    delete m_view.data();
}

void JLPopoverViewController::loadStoredList() {
    m_redizadoArray.clear();
    if (const auto stored = m_defaults.objectForKey(keys::allRedizado)) {
        if (const Array* array = stored->get<Array>()) {
            for (std::size_t index = 0; index < array->size(); ++index) {
                if (const auto* dictionary = (*array)[index].get<Dictionary>())
                    m_redizadoArray.push_back(std::make_shared<const Dictionary>(*dictionary));
                else
                    logLine("store",
                            "item " + std::to_string(index) + " of \"allRedizado\" is not a dictionary; skipped");
            }
        } else {
            logLine("store", "\"allRedizado\" is not a list; no items loaded");
        }
    }
    filterRedizado(m_redizadoArray);
}

// A list the panel already stored stays, and so does any setting the user already chose: the first start
// writes only what is not there yet.
void JLPopoverViewController::seedFirstStart() {
    if (m_defaults.objectForKey(keys::allRedizado)) {
        loadStoredList();
    } else {
        const Entry welcome = popover_entry::make(welcomeTitle, false, now());
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

void JLPopoverViewController::connectActions() {
    QLineEdit* field = m_ui->jotlingField;
    connect(field, &QLineEdit::returnPressed, this, [this, field] { createNewJotling(field); });
    connect(field, &QLineEdit::editingFinished, this, [this, field] { textShouldEndEditing(field); });
    connect(m_ui->categorySwitcher, &JLSegmentedControl::segmentClicked, this,
            [this] { switchCategories(m_ui->categorySwitcher); });
    connect(m_ui->editButton, &QPushButton::clicked, this, [this] { enterEditMode(m_ui->editButton); });
    connect(m_ui->settingsButton, &QPushButton::clicked, this, [this] { showSettings(m_ui->settingsButton); });
}

JLTableView* JLPopoverViewController::redizadoTableView() const {
    return m_ui->redizadoTableView;
}
QLineEdit* JLPopoverViewController::jotlingField() const {
    return m_ui->jotlingField;
}
JLSegmentedControl* JLPopoverViewController::categorySwitcher() const {
    return m_ui->categorySwitcher;
}
QPushButton* JLPopoverViewController::editButton() const {
    return m_ui->editButton;
}
QPushButton* JLPopoverViewController::settingsButton() const {
    return m_ui->settingsButton;
}
QCheckBox* JLPopoverViewController::hideAfterEntryCheckBox() const {
    return m_ui->hideAfterEntryCheckBox;
}
QWidget* JLPopoverViewController::settingsPane() const {
    return m_ui->settingsPane;
}

void JLPopoverViewController::awakeFromNib() {
    restoreCategory();
    m_ui->redizadoTableView->setDelegate(this);
    connect(m_ui->hideAfterEntryCheckBox, &QCheckBox::clicked, this, &JLPopoverViewController::toggleHideAfterEntry,
            Qt::UniqueConnection);
    m_ui->hideAfterEntryCheckBox->setChecked(m_defaults.boolForKey(keys::hideAfterEntry));
    m_ui->redizadoTableView->reloadData();
}

void JLPopoverViewController::retrieveData() {
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
    showList();
    if (m_ui->editButton->text() == QLatin1String(doneTitle)) {
        m_ui->editButton->setText(QLatin1String(editTitle));
        m_ui->editButton->setChecked(false);
        m_ui->redizadoTableView->reloadData();
    }
}

void JLPopoverViewController::makeJotlingFieldFirstResponder() {
    m_ui->jotlingField->setFocus(Qt::PopupFocusReason);
}

// The one answer to "which category": the rows counted, the rows shown and the row a click acts on all follow
// the segment on screen.
bool JLPopoverViewController::showsFullList() const {
    return m_ui->categorySwitcher->selectedSegment() != 0;
}

bool JLPopoverViewController::inEditMode() const {
    return m_ui->editButton->text() != QLatin1String(editTitle);
}

JLPopoverViewController::Entry JLPopoverViewController::currentDictionaryAtIndex(std::int64_t row) const {
    const Entries& list = showsFullList() ? m_redizadoArray : m_toDoRedizadoArray;
    if (row < 0 || row >= static_cast<std::int64_t>(list.size()))
        return nullptr;
    return list[static_cast<std::size_t>(row)];
}

std::int64_t JLPopoverViewController::numberOfRowsInTableView(JLTableView&) {
    return static_cast<std::int64_t>(showsFullList() ? m_redizadoArray.size() : m_toDoRedizadoArray.size());
}

double JLPopoverViewController::heightOfRow(JLTableView&, std::int64_t row) {
    const Entry entry = currentDictionaryAtIndex(row);
    return popoverRowHeightForTitle(entry ? popover_entry::title(*entry) : std::nullopt,
                                    m_ui->redizadoTableView->viewport()->width());
}

QWidget* JLPopoverViewController::viewForRow(JLTableView&, std::int64_t row) {
    auto* cell = qobject_cast<JLRedizadoTableViewCell*>(m_ui->redizadoTableView->makeViewWithIdentifier(
        QString::fromLatin1(JLRedizadoTableViewCell::identifier), this));
    if (!cell)
        return nullptr;
    const Entry entry = currentDictionaryAtIndex(row);
    cell->titleLabel()->setStringValue(entry ? popover_entry::title(*entry).value_or(QString()) : QString());
    setTag(*cell->titleLabel(), row);
    cell->checkBox()->setChecked(entry && popover_entry::isChecked(*entry));
    const bool editing = inEditMode();
    cell->titleLabel()->setEditable(editing);
    setAlphaValue(*cell->removeButton(), editing ? 1.0 : 0.0);
    cell->removeButton()->setEnabled(editing);
    setAlphaValue(*cell->checkBox(), editing ? 0.0 : 1.0);
    return cell;
}

void JLPopoverViewController::switchCategories(QObject*) {
    // Choosing a category is asking for the list, also from the settings pane.
    showList();
    m_defaults.setInteger(keys::switcherKey, showsFullList() ? 1 : 0);
    m_defaults.synchronize();
    m_ui->redizadoTableView->reloadData();
}

void JLPopoverViewController::enterEditMode(QObject*) {
    m_ui->editButton->setText(QLatin1String(inEditMode() ? editTitle : doneTitle));
    m_ui->redizadoTableView->reloadData();
}

void JLPopoverViewController::showSettings(QObject*) {
    m_ui->redizadoTableView->setHidden(!m_ui->redizadoTableView->isHidden());
    syncSettingsPane();
}

void JLPopoverViewController::showList() {
    if (!m_ui->redizadoTableView->isHidden())
        return;
    m_ui->settingsButton->setChecked(false);
    m_ui->redizadoTableView->setHidden(false);
    syncSettingsPane();
}

void JLPopoverViewController::syncSettingsPane() {
    m_ui->settingsPane->setHidden(!m_ui->redizadoTableView->isHidden());
}

void JLPopoverViewController::toggleHideAfterEntry() {
    m_defaults.setBool(keys::hideAfterEntry, m_ui->hideAfterEntryCheckBox->isChecked());
    m_defaults.synchronize();
}

bool JLPopoverViewController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->redizadoTableView && (event->type() == QEvent::Hide || event->type() == QEvent::Show))
        syncSettingsPane();
    return QObject::eventFilter(watched, event);
}
