// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QUrl;
class QWidget;
class SyncControl;

// The settings pane's sync section, from the panel's interface description.
struct SyncWidgets {
    QWidget* section = nullptr;
    QLabel* noKeyringLabel = nullptr;
    QLineEdit* addressField = nullptr;
    QLineEdit* userField = nullptr;
    QLineEdit* passwordField = nullptr;
    QPushButton* turnOnButton = nullptr; // "Turn Off" while sync is on
    QPushButton* syncNowButton = nullptr;
    QLabel* statusLabel = nullptr; // or why turning on failed, until the next try
};

// The sync section over a SyncControl: the account typed in and turned on or off, one sync now, the status line.
class SyncSettings final : public QObject {
    Q_OBJECT
public:
    using RunModal = std::function<void(QMessageBox&)>;

    // runModal runs the plain-HTTP warning; tests answer for the user.
    SyncSettings(const SyncWidgets& widgets, SyncControl& control, RunModal runModal, QObject* parent = nullptr);
    ~SyncSettings() override;

    const SyncWidgets& widgets() const { return m_widgets; }
    // Waiting for the sync to answer a turn on or off.
    bool isBusy() const { return m_busy; }

    void turnOnOrOff();
    void syncNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void turnOn();
    void turnOff();
    bool mayUsePlainHttpTo(const QUrl& address);
    void finish(bool ok, const QString& message);
    void showState();
    void showStatus();

    SyncWidgets m_widgets;
    SyncControl& m_control;
    RunModal m_runModal;
    bool m_busy = false;
    bool m_syncing = false;
    QString m_refusal;
};

// An address as typed: one without a scheme is taken to be HTTPS.
QUrl syncAddressFromInput(const QString& typed);
