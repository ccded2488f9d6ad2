// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SyncControl.h"

#include <memory>

class JLJotlingManager;
class UserDefaults;

// The sync, loaded from a library of its own on first need: a program with sync off carries none of the network,
// calendar and keyring code, nor the libraries they bring, and opens nothing of theirs.
class LoadedSync final : public SyncControl {
    Q_OBJECT

public:
    LoadedSync(UserDefaults& defaults, JLJotlingManager& manager, QObject* parent = nullptr);
    ~LoadedSync() override;

    bool keyringAvailable() const override;
    std::optional<Account> account() const override;
    void turnOn(const Account& account, const QString& password, Done done) override;
    void turnOff(Done done) override;
    void syncNow(Synced done) override;
    void startSchedule() override;
    void panelShown() override;
    void itemsChangedHere() override;
    QString status() const override;
    bool needsAttention() const override;
    std::optional<SyncReport> lastReport() const override;

private:
    // The loaded sync; nothing, with the reason kept for status(), when its library cannot be loaded.
    SyncControl* loaded() const;
    template <typename Call> void later(Call call);

    UserDefaults& m_defaults;
    JLJotlingManager& m_manager;
    bool m_scheduled = false;
    mutable std::unique_ptr<SyncControl> m_sync;
    mutable QString m_whyNotLoaded;
};

// The library's one entry point: a sync service over the program's preferences and items, with the desktop's
// keyring for the password.
using MakeSync = SyncControl* (*)(UserDefaults* defaults, JLJotlingManager* manager);
inline constexpr const char* makeSyncEntry = "redizadoMakeSync";
