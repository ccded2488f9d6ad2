// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SyncReport.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

// What the settings pane, the tray's tool tip and the command line ask of the sync: the account, turning it on and
// off, one sync now, and a sentence saying how it stands. Every answer comes later, on the main thread.
class SyncControl : public QObject {
    Q_OBJECT

public:
    // Kept in the preferences; the password is only ever in the desktop's keyring.
    struct Account {
        QUrl address; // a server's or a calendar's
        QString user;
        // Plain HTTP to another machine, on the user's explicit say-so after a warning.
        bool allowPlainHttp = false;

        friend bool operator==(const Account&, const Account&) = default;
    };
    using Done = std::function<void(bool ok, const QString& message)>;
    using Synced = std::function<void(const SyncReport& report)>;

    using QObject::QObject;
    ~SyncControl() override = default;

    // Whether a keyring answers: without one the password cannot be kept and sync stays off.
    virtual bool keyringAvailable() const = 0;
    // The account synced with; nothing while sync is off.
    virtual std::optional<Account> account() const = 0;

    // Checks the address (HTTPS, or plain HTTP to a loopback address or with allowPlainHttp), keeps the password in
    // the keyring, finds the calendar with it, then stores the account and syncs. On failure nothing is kept and
    // message says why, for the pane or the terminal.
    virtual void turnOn(const Account& account, const QString& password, Done done) = 0;
    // Forgets the account and its password; the items stay as they are.
    virtual void turnOff(Done done) = 0;
    // One sync as soon as possible (after the one under way, if any). With sync off, answers Refused at once.
    virtual void syncNow(Synced done) = 0;

    // The tray program's hooks: a sync at start and then on a timetable; at most one a minute for a shown panel;
    // one a few seconds after a change made here.
    virtual void startSchedule() = 0;
    virtual void panelShown() = 0;
    virtual void itemsChangedHere() = 0;

    // One line for the pane and the tool tip: "Sync is off", "Synced at 10:42", "Wrong password for …", …
    virtual QString status() const = 0;
    // The last sync's outcome is one the user must act on (a wrong password, a refused address).
    virtual bool needsAttention() const = 0;
    // How the last sync ended, also one the program ran before this start; nothing when none is known.
    virtual std::optional<SyncReport> lastReport() const { return std::nullopt; }

signals:
    void statusChanged();
    // After a sync that changed the items here: the panel shows the list again.
    void itemsChanged();
};
