// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NetworkReachability.h"
#include "SecretStore.h"
#include "SyncControl.h"
#include "SyncSchedule.h"
#include "SyncState.h"
#include "SyncStateFile.h"

#include <QDateTime>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class JLJotlingManager;
class SyncRun;
class UserDefaults;

// The sync as the program runs it: the account in the preferences, its password in the keyring (fetched for each
// sync and dropped with it), one sync at a time on the schedule's timetable, and a sentence saying how it stands.
// With sync off nothing touches the network.
class SyncService final : public SyncControl {
    Q_OBJECT

public:
    SyncService(UserDefaults& defaults, JLJotlingManager& manager, SecretStore& secrets,
                std::string statePath = SyncState::defaultPath(), QObject* parent = nullptr);
    ~SyncService() override;

    // Without startSchedule syncs run only when asked.
    void startSchedule() override;
    void panelShown() override;
    // Batched: a sync a few seconds after the last of several changes.
    void itemsChangedHere() override;
    // Whether an automatic sync is on the timetable.
    bool syncPlanned() const { return m_timer.isActive(); }
    // Before startSchedule; tests shorten the waits with it.
    void setTimetable(const SyncSchedule::Timetable& timetable) { m_schedule = SyncSchedule(timetable); }
    // Before startSchedule; tests stand in for the desktop's word with it. Otherwise the desktop's is followed.
    void setNetwork(std::unique_ptr<NetworkReachability> network) { m_network = std::move(network); }

    bool keyringAvailable() const override;
    std::optional<Account> account() const override;
    void turnOn(const Account& account, const QString& password, Done done) override;
    void turnOff(Done done) override;
    void syncNow(Synced done) override;
    QString status() const override;
    bool needsAttention() const override;
    std::optional<SyncReport> lastReport() const override { return m_lastReport; }

private:
    // Where the last outcome came from: the server, or the keyring before anything was sent.
    enum class Source { Server, NoKeyring, NoPassword, UnreadableKeyring };

    bool keyringAnswers();
    void tryAccount(const Account& account, const QString& password, std::optional<std::string> before, Done done);
    void keepAccount(const Account& account, const Done& done);
    void followReachability();
    void startRun();
    void runWith(const Account& account, const QString& password);
    void conclude(const SyncReport& report, Source source);
    void abortRun(const QString& why);
    void reschedule();
    void storeAccount(const std::optional<Account>& account);
    void later(std::function<void()> call);
    // Drops answers that come after the service is gone or the account changed under them.
    template <typename Callback> auto guarded(Callback callback);

    UserDefaults& m_defaults;
    JLJotlingManager& m_manager;
    SecretStore& m_secrets;
    // Kept from one run to the next: read again only when something else replaced it.
    SyncStateFile m_stateFile;
    SyncSchedule m_schedule;
    QTimer m_timer;
    bool m_scheduled = false;
    // Between the keyring's lookup and the run's end.
    bool m_running = false;
    SyncRun* m_run = nullptr;
    std::vector<Synced> m_answering;
    std::vector<Synced> m_queued;
    Source m_source = Source::Server;
    std::unique_ptr<NetworkReachability> m_network;
    bool m_followingReachability = false;
    mutable std::optional<bool> m_keyringAvailable;
    std::optional<SyncReport> m_lastReport;
    // When the last sync ended, and the last one that went well.
    QDateTime m_lastEnded;
    QDateTime m_lastSynced;
    QDateTime m_retryAt;
    bool m_wrongPasswordLogged = false;
    // Bumped when the account changes: answers for the one before are dropped.
    int m_generation = 0;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};
