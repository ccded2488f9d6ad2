// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's own settings, its sync section and its about message.
#include "JLRedizadoViewController.h"

#include "AboutMessage.h"
#include "JLRedizadoViewControllerDelegate.h"
#include "PreferencesKeys.h"
#include "SyncControl.h"
#include "SyncSettings.h"
#include "UserDefaults.h"
#include "ui_RedizadoPanel.h"

#include "JLJotlingManager.h"
#include "JLSegmentedControl.h"
#include "JLTableView.h"
#include "PanelPalette.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>

QCheckBox* JLRedizadoViewController::launchAtLoginCheckBox() const {
    return m_ui->launchAtLoginCheckBox;
}
QCheckBox* JLRedizadoViewController::showToDoCountCheckBox() const {
    return m_ui->showToDoCountCheckBox;
}
QCheckBox* JLRedizadoViewController::alternateIconCheckBox() const {
    return m_ui->alternateIconCheckBox;
}
QCheckBox* JLRedizadoViewController::shortcutCheckBox() const {
    return m_ui->shortcutCheckBox;
}
QWidget* JLRedizadoViewController::shortcutView() const {
    return m_ui->shortcutView;
}
QPushButton* JLRedizadoViewController::aboutButton() const {
    return m_ui->aboutButton;
}
QComboBox* JLRedizadoViewController::modifierSelector1() const {
    return m_ui->modifierSelector1ComboBox;
}
QComboBox* JLRedizadoViewController::modifierSelector2() const {
    return m_ui->modifierSelector2ComboBox;
}
QComboBox* JLRedizadoViewController::keySelector() const {
    return m_ui->keySelectorComboBox;
}

// The four settings the delegate applies and stores; hide after entry is the list's own.
void JLRedizadoViewController::awakeFromNib() {
    const std::pair<QCheckBox*, void (JLRedizadoViewController::*)()> toggles[] = {
        {m_ui->launchAtLoginCheckBox, &JLRedizadoViewController::toggleLanuchAtLogin},
        {m_ui->showToDoCountCheckBox, &JLRedizadoViewController::toggleShowToDoCount},
        {m_ui->alternateIconCheckBox, &JLRedizadoViewController::toggleIcon},
        {m_ui->shortcutCheckBox, &JLRedizadoViewController::toggleShortcut},
    };
    for (const auto& [checkBox, toggle] : toggles)
        connect(checkBox, &QCheckBox::clicked, this, toggle, Qt::UniqueConnection);
    m_ui->launchAtLoginCheckBox->setChecked(m_defaults.boolForKey(keys::launchAtLogin));
    m_ui->showToDoCountCheckBox->setChecked(m_defaults.boolForKey(keys::showToDoCount));
    m_ui->alternateIconCheckBox->setChecked(m_defaults.boolForKey(keys::squareIcon));
    m_list->awakeFromNib();
    keepPanelPaletteReadable(m_view);
    const bool shortcut = m_defaults.boolForKey(keys::shortcutKey);
    m_ui->shortcutCheckBox->setChecked(shortcut);
    m_ui->shortcutView->setHidden(!shortcut);

    m_list->followToDoCount(m_center);
}

void JLRedizadoViewController::toggleLanuchAtLogin() {
    if (m_delegate)
        m_delegate->setLaunchAppAtLogin(m_ui->launchAtLoginCheckBox->isChecked());
}

void JLRedizadoViewController::toggleShowToDoCount() {
    if (m_delegate)
        m_delegate->setShowToDoCount(m_ui->showToDoCountCheckBox->isChecked());
}

void JLRedizadoViewController::toggleIcon() {
    if (m_delegate)
        m_delegate->setIconAlternate(m_ui->alternateIconCheckBox->isChecked());
}

void JLRedizadoViewController::toggleShortcut() {
    const bool on = m_ui->shortcutCheckBox->isChecked();
    if (m_delegate)
        m_delegate->setShortcut(on);
    m_ui->shortcutView->setHidden(!on);
}

void JLRedizadoViewController::setSyncControl(SyncControl* control) {
    disconnect(m_syncControlGone);
    m_sync.reset();
    m_ui->syncSection->setHidden(true);
    if (!control)
        return;
    const SyncWidgets widgets{m_ui->syncSection,      m_ui->noKeyringLabel,       m_ui->syncAddressLineEdit,
                              m_ui->syncUserLineEdit, m_ui->syncPasswordLineEdit, m_ui->syncTurnOnButton,
                              m_ui->syncNowButton,    m_ui->syncStatusLabel};
    // Read at each use: tests set how boxes run after the section is made.
    const auto runModal = [this](QMessageBox& box) { m_runModal ? m_runModal(box) : void(box.exec()); };
    m_sync = std::make_unique<SyncSettings>(widgets, *control, runModal);
    // The section must not outlive the sync it works over.
    m_syncControlGone = connect(control, &QObject::destroyed, this, [this] { setSyncControl(nullptr); });
}

void JLRedizadoViewController::aboutMessage(QObject*) {
    const auto box = makeAboutMessage(m_view);
    const auto runModal = m_runModal ? m_runModal : [](QMessageBox& b) { b.exec(); };
    const auto openUrl = m_openUrl ? m_openUrl : [](const QUrl& url) { QDesktopServices::openUrl(url); };
    // Closing it goes back to where the keyboard was on the panel, if the panel still shows.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    runAboutMessage(*box, runModal, openUrl);
    if (focused && focused->isVisible()) {
        focused->activateWindow();
        focused->setFocus(Qt::OtherFocusReason);
    }
}
