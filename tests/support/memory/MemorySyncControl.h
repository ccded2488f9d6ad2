// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SyncControl.h"

#include <QTimer>

#include <utility>

// The sync as the pane and the command line see it, without a server: the account and the next outcome are the
// test's to set; answers come on the next turn of the event loop, as the real one's do.
class MemorySyncControl final : public SyncControl {
public:
    bool keyring = true;
    std::optional<Account> kept;
    QString lastPassword;
    // What the next turnOn answers, and the next sync.
    bool turnOnSucceeds = true;
    QString turnOnMessage;
    SyncReport nextReport;
    QString statusLine = QStringLiteral("Sync is off");
    bool attention = false;
    std::optional<SyncReport> lastOne;
    int syncs = 0;

    bool keyringAvailable() const override { return keyring; }
    std::optional<Account> account() const override { return kept; }
    void turnOn(const Account& account, const QString& password, Done done) override {
        later([this, account, password, done = std::move(done)] {
            if (turnOnSucceeds) {
                kept = account;
                lastPassword = password;
            }
            done(turnOnSucceeds, turnOnMessage);
            emit statusChanged();
        });
    }
    void turnOff(Done done) override {
        later([this, done = std::move(done)] {
            kept.reset();
            lastPassword.clear();
            done(true, {});
            emit statusChanged();
        });
    }
    void syncNow(Synced done) override {
        later([this, done = std::move(done)] {
            ++syncs;
            done(kept ? nextReport : SyncReport{SyncOutcome::Refused, {}, QStringLiteral("Sync is off")});
        });
    }
    void startSchedule() override {}
    void panelShown() override {}
    void itemsChangedHere() override {}
    QString status() const override { return statusLine; }
    bool needsAttention() const override { return attention; }
    std::optional<SyncReport> lastReport() const override { return lastOne; }

    // As the real one does when a sync changes the items here or the status line changes.
    void announce(bool itemsToo) {
        emit statusChanged();
        if (itemsToo)
            emit itemsChanged();
    }

private:
    template <typename Call> void later(Call call) { QTimer::singleShot(0, this, std::move(call)); }
};
