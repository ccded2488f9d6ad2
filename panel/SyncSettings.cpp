// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncSettings.h"

#include "LoopbackHost.h"
#include "SyncControl.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {
// The same rule the calendar client applies: these never leave the machine.
void setRowVisible(QWidget* field, bool visible) {
    if (auto* form = field->parentWidget()->findChild<QFormLayout*>())
        form->setRowVisible(field, visible);
}

// Each change of a field's text shows the state again.
void setTextIfOther(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}
} // namespace

QUrl syncAddressFromInput(const QString& typed) {
    const QString text = typed.trimmed();
    return QUrl(text.contains(QLatin1StringView("://")) ? text : QStringLiteral("https://") + text);
}

SyncSettings::SyncSettings(const SyncWidgets& widgets, SyncControl& control, RunModal runModal, QObject* parent)
    : QObject(parent), m_widgets(widgets), m_control(control), m_runModal(std::move(runModal)) {
    connect(m_widgets.turnOnButton, &QPushButton::clicked, this, &SyncSettings::turnOnOrOff);
    connect(m_widgets.syncNowButton, &QPushButton::clicked, this, &SyncSettings::syncNow);
    connect(m_widgets.passwordField, &QLineEdit::returnPressed, this, [this] {
        if (!m_control.account())
            turnOn();
    });
    for (QLineEdit* field : {m_widgets.addressField, m_widgets.userField, m_widgets.passwordField})
        connect(field, &QLineEdit::textChanged, this, &SyncSettings::showState);
    connect(&control, &SyncControl::statusChanged, this, [this] {
        showState();
        showStatus();
    });
    // The state of the sync is one Tab stop, and the reason it cannot be turned on another, so that the keyboard
    // reaches what the section says even while its fields are out of use.
    m_widgets.statusLabel->setFocusPolicy(Qt::TabFocus);
    m_widgets.noKeyringLabel->setFocusPolicy(Qt::TabFocus);
    m_widgets.section->show();
    m_widgets.section->installEventFilter(this);
    showState();
    showStatus();
}

bool SyncSettings::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_widgets.section && event->type() == QEvent::Show)
        showState();
    return QObject::eventFilter(watched, event);
}

SyncSettings::~SyncSettings() = default;

void SyncSettings::turnOnOrOff() {
    if (m_control.account())
        turnOff();
    else
        turnOn();
}

void SyncSettings::turnOn() {
    const QUrl address = syncAddressFromInput(m_widgets.addressField->text());
    const QString user = m_widgets.userField->text().trimmed();
    const QString password = m_widgets.passwordField->text();
    if (m_busy || !m_control.keyringAvailable() || address.host().isEmpty() || user.isEmpty() || password.isEmpty())
        return;
    SyncControl::Account account{address, user, false};
    if (address.scheme() == QLatin1StringView("http") && !isLoopbackHost(address.host())) {
        if (!mayUsePlainHttpTo(address))
            return;
        account.allowPlainHttp = true;
    }
    m_refusal.clear();
    m_busy = true;
    showState();
    m_widgets.statusLabel->setText(tr("Checking the account with the server…"));
    m_control.turnOn(account, password, [self = QPointer(this)](bool ok, const QString& message) {
        if (self)
            self->finish(ok, message);
    });
}

void SyncSettings::turnOff() {
    if (m_busy)
        return;
    m_busy = true;
    showState();
    m_control.turnOff([self = QPointer(this)](bool ok, const QString& message) {
        if (self)
            self->finish(ok, message);
    });
}

// The user's plain say-so before the password and the items go out unencrypted.
bool SyncSettings::mayUsePlainHttpTo(const QUrl& address) {
    QMessageBox box(QMessageBox::Warning, tr("Sync without encryption?"), {}, QMessageBox::NoButton, m_widgets.section);
    box.setTextFormat(Qt::PlainText);
    box.setText(tr("The address %1 starts with http://, not https://.").arg(address.toDisplayString()));
    box.setInformativeText(tr("Your password and your items would travel unencrypted to %1: anyone on the way could "
                              "read them. Sync over plain HTTP anyway?")
                               .arg(address.host()));
    QPushButton* plain = box.addButton(tr("Use Plain HTTP"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    m_runModal(box);
    return box.clickedButton() == plain;
}

void SyncSettings::finish(bool ok, const QString& message) {
    m_busy = false;
    // The password is in the keyring now, or was turned down: either way the field has no more use for it.
    m_widgets.passwordField->clear();
    m_refusal = ok ? QString() : message;
    showState();
    showStatus();
    if (!ok)
        m_widgets.passwordField->setFocus(Qt::OtherFocusReason);
}

void SyncSettings::syncNow() {
    if (m_syncing || !m_control.account())
        return;
    m_syncing = true;
    showState();
    m_control.syncNow([self = QPointer(this)](const SyncReport&) {
        if (!self)
            return;
        self->m_syncing = false;
        self->showState();
        self->showStatus();
    });
}

// Everything but the status line follows from the account, the keyring and what is under way.
void SyncSettings::showState() {
    const auto account = m_control.account();
    // Whether there is a keyring is the sync's to say, and asking loads it with its network library: with sync
    // off, not before anyone looks at this section.
    const bool keyring = account || m_widgets.section->isVisible() ? m_control.keyringAvailable() : true;
    if (account) {
        setTextIfOther(m_widgets.addressField, account->address.toDisplayString());
        setTextIfOther(m_widgets.userField, account->user);
    }
    for (QLineEdit* field : {m_widgets.addressField, m_widgets.userField, m_widgets.passwordField}) {
        field->setEnabled(keyring || account);
        field->setReadOnly(account || m_busy);
    }
    setRowVisible(m_widgets.passwordField, !account);
    m_widgets.noKeyringLabel->setVisible(!keyring);
    m_widgets.turnOnButton->setText(account ? tr("Turn Off") : tr("Turn On"));
    const bool filled = !m_widgets.addressField->text().trimmed().isEmpty() &&
                        !m_widgets.userField->text().trimmed().isEmpty() && !m_widgets.passwordField->text().isEmpty();
    m_widgets.turnOnButton->setEnabled(!m_busy && (account || (keyring && filled)));
    m_widgets.syncNowButton->setEnabled(account && !m_busy && !m_syncing);
}

void SyncSettings::showStatus() {
    if (m_busy)
        return;
    // Why the account was turned down says more than "Sync is off", until the next try.
    const bool refused = !m_refusal.isEmpty() && !m_control.account();
    m_widgets.statusLabel->setText(refused ? m_refusal : m_control.status());
    // What the user must act on, a wrong password most often, is not to be read past.
    QFont font = m_widgets.statusLabel->font();
    font.setBold(refused || m_control.needsAttention());
    m_widgets.statusLabel->setFont(font);
}
