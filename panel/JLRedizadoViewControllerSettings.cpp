// SPDX-License-Identifier: GPL-3.0-or-later
// The settings pane and the about message of the panel's controller.
#include "JLRedizadoViewController.h"

#include "AboutMessage.h"
#include "JLRedizadoViewControllerDelegate.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"
#include "ui_RedizadoPanel.h"

#include <QDesktopServices>
#include <QMessageBox>

void JLRedizadoViewController::awakeFromNib() {
    const std::pair<QCheckBox*, void (JLRedizadoViewController::*)()> toggles[] = {
        {m_ui->launchAtLoginCheckBox, &JLRedizadoViewController::toggleLanuchAtLogin},
        {m_ui->showToDoCountCheckBox, &JLRedizadoViewController::toggleShowToDoCount},
        {m_ui->alternateIconCheckBox, &JLRedizadoViewController::toggleIcon},
        {m_ui->hideAfterEntryCheckBox, &JLRedizadoViewController::toggleHideAfterEntry},
        {m_ui->shortcutCheckBox, &JLRedizadoViewController::toggleShortcut},
    };
    for (const auto& [checkBox, toggle] : toggles)
        connect(checkBox, &QCheckBox::clicked, this, toggle);
    m_ui->launchAtLoginCheckBox->setChecked(m_defaults.boolForKey(keys::launchAtLogin));
    m_ui->showToDoCountCheckBox->setChecked(m_defaults.boolForKey(keys::showToDoCount));
    m_ui->alternateIconCheckBox->setChecked(m_defaults.boolForKey(keys::squareIcon));
    m_ui->hideAfterEntryCheckBox->setChecked(m_defaults.boolForKey(keys::hideAfterEntry));
    const bool shortcut = m_defaults.boolForKey(keys::shortcutKey);
    m_ui->shortcutCheckBox->setChecked(shortcut);
    m_ui->shortcutView->setHidden(!shortcut);
}

void JLRedizadoViewController::showSettings(QObject*) {
    m_ui->redizadoTableView->setHidden(!m_ui->redizadoTableView->isHidden());
    syncSettingsPane();
}

void JLRedizadoViewController::showList() {
    if (!m_ui->redizadoTableView->isHidden())
        return;
    m_ui->settingsButton->setChecked(false);
    m_ui->redizadoTableView->setHidden(false);
    syncSettingsPane();
}

void JLRedizadoViewController::syncSettingsPane() {
    m_ui->settingsPane->setHidden(!m_ui->redizadoTableView->isHidden());
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

void JLRedizadoViewController::toggleHideAfterEntry() {
    m_defaults.setBool(keys::hideAfterEntry, m_ui->hideAfterEntryCheckBox->isChecked());
    m_defaults.synchronize();
}

void JLRedizadoViewController::toggleShortcut() {
    const bool on = m_ui->shortcutCheckBox->isChecked();
    if (m_delegate)
        m_delegate->setShortcut(on);
    m_ui->shortcutView->setHidden(!on);
}

void JLRedizadoViewController::aboutMessage(QObject*) {
    const auto box = makeAboutMessage(m_view);
    const auto runModal = m_runModal ? m_runModal : [](QMessageBox& b) { b.exec(); };
    const auto openUrl = m_openUrl ? m_openUrl : [](const QUrl& url) { QDesktopServices::openUrl(url); };
    runAboutMessage(*box, runModal, openUrl);
}
