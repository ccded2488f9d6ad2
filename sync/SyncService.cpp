// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncService.h"
#include "StoredSyncAccount.h"

#include "CalDavClient.h"
#include "LogCategories.h"
#include "LoopbackHost.h"
#include "PreferencesKeys.h"
#include "SyncRun.h"
#include "UserDefaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

namespace {
using Clock = SyncSchedule::Clock;

// The same rule the transport applies, said before anything is kept.
QString addressProblem(const SyncControl::Account& account) {
    const QUrl& address = account.address;
    const QString scheme = address.scheme();
    if (!address.isValid() || address.host().isEmpty() ||
        (scheme != QLatin1StringView("https") && scheme != QLatin1StringView("http")))
        return QCoreApplication::translate("SyncService", "%1 is not a web address").arg(address.toDisplayString());
    // It would be kept in plain text with the address: in the preferences, their backups and the keyring's labels.
    if (!address.password().isEmpty())
        return QCoreApplication::translate("SyncService",
                                           "Leave the password out of the address: type it in the password field");
    if (scheme == QLatin1StringView("http") && !isLoopbackHost(address.host()) && !account.allowPlainHttp)
        //: %1 is the server's host name
        return QCoreApplication::translate("SyncService",
                                           "Plain HTTP would send the password to %1 in clear: use an https:// address")
            .arg(address.host());
    return {};
}

QString whoAt(const SyncControl::Account& account) {
    //: %1 is the user name, %2 the server's host name
    return QCoreApplication::translate("SyncService", "%1 at %2").arg(account.user, account.address.host());
}

SecretStore::Account keyOf(const SyncControl::Account& account) {
    return {account.address.toString().toStdString(), account.user.toStdString()};
}

// The time alone today, as the user's language writes it.
QString timeText(const QDateTime& when) {
    const QLocale locale;
    if (when.date() == QDate::currentDate())
        return locale.toString(when.time(), QLocale::ShortFormat);
    return locale.toString(when, QLocale::ShortFormat);
}

bool changedHere(const SyncSummary& summary) {
    return summary.addedHere + summary.changedHere + summary.removedHere > 0;
}

QString turnOnFailure(const CalDavResult& result, const SyncControl::Account& account) {
    switch (result.outcome) {
    case CalDavOutcome::WrongCredentials:
        //: %1 is the user at the server
        return QCoreApplication::translate("SyncService", "Wrong user name or password for %1").arg(whoAt(account));
    case CalDavOutcome::RetryLater:
        //: %1 is the server's host name, %2 what went wrong
        return QCoreApplication::translate("SyncService", "Cannot reach %1: %2")
            .arg(account.address.host(), result.detail);
    case CalDavOutcome::Malformed:
        //: %1 is the server's host name, %2 what went wrong
        return QCoreApplication::translate("SyncService", "%1 does not answer as a calendar server: %2")
            .arg(account.address.host(), result.detail);
    default:
        //: %1 is the server's host name, %2 what it said
        return QCoreApplication::translate("SyncService", "%1 refused: %2").arg(account.address.host(), result.detail);
    }
}

QString noKeyring() {
    return QCoreApplication::translate("SyncService", "No keyring on this desktop: sync is off");
}

QString syncIsOff() {
    return QCoreApplication::translate("SyncService", "Sync is off");
}
} // namespace

template <typename Callback> auto SyncService::guarded(Callback callback) {
    return [alive = std::weak_ptr<int>(m_alive), callback = std::move(callback)](auto&&... arguments) {
        if (!alive.expired())
            callback(std::forward<decltype(arguments)>(arguments)...);
    };
}

SyncService::SyncService(UserDefaults& defaults, JLJotlingManager& manager, SecretStore& secrets, std::string statePath,
                         QObject* parent)
    : SyncControl(parent), m_defaults(defaults), m_manager(manager), m_secrets(secrets),
      m_stateFile(std::move(statePath)) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (!m_running)
            startRun();
    });
    // The command line asks how the last sync went, the tray program's or its own.
    const SyncState& state = m_stateFile.load();
    const auto dateOf = [](const std::optional<double>& seconds) {
        return seconds ? QDateTime::fromMSecsSinceEpoch(qint64(*seconds * 1000)) : QDateTime();
    };
    m_lastEnded = dateOf(state.lastSyncSince1970);
    // A file from before the last good sync had a key of its own kept it with an Ok.
    m_lastSynced = dateOf(state.lastGoodSyncSince1970);
    if (!m_lastSynced.isValid() && state.lastResult == nameOf(SyncOutcome::Ok).toStdString())
        m_lastSynced = m_lastEnded;
    if (const auto outcome = outcomeNamed(QString::fromStdString(state.lastResult)))
        m_lastReport = SyncReport{*outcome,
                                  {},
                                  QString::fromStdString(state.lastDetail),
                                  state.refusedItems,
                                  QString::fromStdString(state.firstRefusal)};
}

SyncService::~SyncService() = default;

void SyncService::startSchedule() {
    m_scheduled = true;
    if (!account())
        return;
    followReachability();
    m_schedule.syncSoon(Clock::now());
    reschedule();
}

void SyncService::panelShown() {
    m_schedule.panelShown(Clock::now());
    reschedule();
}

void SyncService::itemsChangedHere() {
    m_schedule.changedHere(Clock::now());
    reschedule();
}

void SyncService::followReachability() {
    if (m_followingReachability)
        return;
    if (!m_network)
        m_network = desktopNetworkReachability();
    if (!m_network)
        return;
    m_followingReachability = true;
    const auto follow = [this] {
        m_schedule.setOnline(m_network->online(), Clock::now());
        emit statusChanged();
        reschedule();
    };
    connect(m_network.get(), &NetworkReachability::onlineChanged, this, follow);
    follow();
}

bool SyncService::keyringAvailable() const {
    // Asking costs a round trip on the session bus: asked again only when the sync is about to use it.
    if (!m_keyringAvailable)
        m_keyringAvailable = m_secrets.available();
    return *m_keyringAvailable;
}

bool SyncService::keyringAnswers() {
    m_keyringAvailable = m_secrets.available();
    return *m_keyringAvailable;
}

std::optional<SyncControl::Account> SyncService::account() const {
    return storedSyncAccount(m_defaults);
}

void SyncService::storeAccount(const std::optional<Account>& account) {
    storeSyncAccount(m_defaults, account);
}

void SyncService::turnOn(const Account& account, const QString& password, Done done) {
    if (const QString problem = addressProblem(account); !problem.isEmpty())
        return later([done, problem] { done(false, problem); });
    if (!keyringAnswers())
        return later([done] { done(false, noKeyring()); });
    // The account on now, entered again: a mistyped password must not take the working one away.
    const std::optional<Account> current = this->account();
    if (!current || keyOf(*current).server != keyOf(account).server || current->user != account.user)
        return tryAccount(account, password, std::nullopt, std::move(done));
    m_secrets.lookup(keyOf(account),
                     guarded([this, account, password, done](std::optional<std::string> before, const std::string&) {
                         tryAccount(account, password, std::move(before), done);
                     }));
}

void SyncService::tryAccount(const Account& account, const QString& password, std::optional<std::string> before,
                             Done done) {
    const SecretStore::Account key = keyOf(account);
    m_secrets.store(
        key, password.toStdString(), guarded([=, this](bool ok, const std::string& why) {
            if (!ok)
                return done(false,
                            //: %1 is the keyring's reason
                            tr("The keyring would not keep the password: %1").arg(QString::fromStdString(why)));
            auto* probe =
                new CalDavClient(CalDavAccount{account.address, account.user, password, account.allowPlainHttp}, this);
            probe->discover([=, this](const CalDavResult& result, const QUrl&) {
                // Answered from inside the client: it goes once the answer is out.
                probe->deleteLater();
                if (result.ok())
                    return keepAccount(account, done);
                const QString message = turnOnFailure(result, account);
                const auto answer = guarded([done, message](bool, const std::string&) { done(false, message); });
                if (before)
                    m_secrets.store(key, *before, answer);
                else
                    m_secrets.forget(key, answer);
            });
        }));
}

void SyncService::keepAccount(const Account& account, const Done& done) {
    // Another account's password has no more use here.
    if (const std::optional<Account> before = this->account();
        before && (before->address != account.address || before->user != account.user))
        m_secrets.forget(keyOf(*before), [](bool, const std::string&) {});
    abortRun(tr("The sync account changed"));
    ++m_generation;
    storeAccount(account);
    m_schedule.accountChanged();
    m_lastReport.reset();
    m_source = Source::Server;
    m_wrongPasswordLogged = false;
    //: %1 is the user at the server
    done(true, tr("Sync is on with %1").arg(whoAt(account)));
    emit statusChanged();
    if (m_scheduled)
        followReachability();
    syncNow([](const SyncReport&) {});
}

void SyncService::turnOff(Done done) {
    const std::optional<Account> current = account();
    ++m_generation;
    abortRun(tr("Sync was turned off"));
    // Off first: a keyring that does not answer must not leave sync half on.
    storeAccount(std::nullopt);
    QFile::remove(QString::fromStdString(m_stateFile.path()));
    m_timer.stop();
    m_schedule.accountChanged();
    m_lastReport.reset();
    m_lastSynced = {};
    m_lastEnded = {};
    m_source = Source::Server;
    emit statusChanged();
    if (!current)
        return later([done] { done(true, syncIsOff()); });
    if (!keyringAnswers())
        return later([done] { done(false, tr("Sync is off; no keyring answered to forget the password")); });
    m_secrets.forget(keyOf(*current), guarded([done](bool ok, const std::string& why) {
                         //: %1 is the keyring's reason
                         done(ok, ok ? syncIsOff()
                                     : tr("Sync is off, but the keyring would not forget the password: %1")
                                           .arg(QString::fromStdString(why)));
                     }));
}

void SyncService::syncNow(Synced done) {
    if (!account())
        return later([done] { done(SyncReport{SyncOutcome::Refused, {}, syncIsOff()}); });
    // During a run: one more after it, which answers every caller that asked meanwhile.
    m_queued.push_back(std::move(done));
    later([this] {
        if (!m_running && !m_queued.empty())
            startRun();
    });
}

void SyncService::startRun() {
    m_timer.stop();
    m_running = true;
    m_answering = std::move(m_queued);
    m_queued.clear();
    m_schedule.syncStarted(Clock::now());
    const std::optional<Account> current = account();
    if (!current)
        return conclude({SyncOutcome::Refused, {}, syncIsOff()}, Source::Server);
    if (!keyringAnswers())
        return conclude({SyncOutcome::Refused, {}, noKeyring()}, Source::NoKeyring);
    emit statusChanged();
    m_secrets.lookup(
        keyOf(*current), guarded([this, current, generation = m_generation](std::optional<std::string> password,
                                                                            const std::string& why) {
            if (generation != m_generation)
                return;
            if (!password && why.empty())
                return conclude({SyncOutcome::WrongCredentials, {}, tr("no password kept")}, Source::NoPassword);
            if (!password)
                return conclude({SyncOutcome::RetryLater, {}, QString::fromStdString(why)}, Source::UnreadableKeyring);
            runWith(*current, QString::fromStdString(*password));
        }));
}

void SyncService::runWith(const Account& account, const QString& password) {
    // The password lives in the run's client, and goes with it.
    auto* run = new SyncRun(CalDavAccount{account.address, account.user, password, account.allowPlainHttp}, m_manager,
                            m_stateFile, this);
    m_run = run;
    connect(run, &SyncRun::finished, this, [this, run](const SyncReport& report) {
        run->deleteLater();
        if (run == m_run)
            conclude(report, Source::Server);
    });
    run->start();
}

void SyncService::abortRun(const QString& why) {
    delete std::exchange(m_run, nullptr);
    if (!std::exchange(m_running, false))
        return;
    const SyncReport report{SyncOutcome::Refused, {}, why};
    for (const Synced& answer : std::exchange(m_answering, {}))
        later([answer, report] { answer(report); });
}

void SyncService::conclude(const SyncReport& report, Source source) {
    m_running = false;
    m_run = nullptr;
    m_lastReport = report;
    m_source = source;
    m_schedule.syncFinished(report.outcome, Clock::now());
    m_lastEnded = QDateTime::currentDateTime();
    if (report.outcome == SyncOutcome::Ok) {
        m_lastSynced = m_lastEnded;
        m_wrongPasswordLogged = false;
    } else if (report.outcome == SyncOutcome::WrongCredentials && !std::exchange(m_wrongPasswordLogged, true)) {
        if (const auto current = account())
            qCWarning(lcSync).noquote() << QStringLiteral("wrong user name or password for %1 at %2; no more "
                                                          "automatic syncs until the account is entered again")
                                               .arg(current->user, current->address.host());
    }
    const auto next = m_schedule.nextSync();
    m_retryAt = next && m_schedule.retrying()
                    ? QDateTime::currentDateTime().addMSecs(
                          std::chrono::duration_cast<std::chrono::milliseconds>(*next - Clock::now()).count())
                    : QDateTime();
    if (changedHere(report.summary))
        emit itemsChanged();
    emit statusChanged();
    for (const Synced& answer : std::exchange(m_answering, {}))
        answer(report);
    if (!m_running && !m_queued.empty())
        startRun();
    else
        reschedule();
}

void SyncService::reschedule() {
    const auto next = m_schedule.nextSync();
    if (!m_scheduled || m_running || !next || !account()) {
        m_timer.stop();
        return;
    }
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(*next - Clock::now());
    m_timer.start(std::max(wait, std::chrono::milliseconds(0)));
}

void SyncService::later(std::function<void()> call) {
    QTimer::singleShot(0, this, std::move(call));
}

QString SyncService::status() const {
    const std::optional<Account> current = account();
    if (!current)
        return keyringAvailable() ? syncIsOff() : noKeyring();
    if (m_running)
        return tr("Syncing…");
    const QString host = current->address.host();
    const QString retry =
        //: Follows a status; %1 is a time
        m_retryAt.isValid() ? tr("; trying again at %1").arg(timeText(m_retryAt)) : QString();
    switch (m_source) {
    case Source::NoKeyring:
        return noKeyring();
    case Source::NoPassword:
        //: %1 is the user at the server
        return tr("No password kept for %1: enter the account again").arg(whoAt(*current));
    case Source::UnreadableKeyring:
        //: %1 is the user at the server; %2 is empty or "; trying again at" a time
        return tr("The keyring did not give the password for %1%2").arg(whoAt(*current), retry);
    case Source::Server:
        break;
    }
    if (!m_schedule.online())
        //: %1 is the server's host name
        return tr("Off line: syncing with %1 when back on line").arg(host);
    if (!m_lastReport)
        return m_lastSynced.isValid() ? tr("Synced at %1").arg(timeText(m_lastSynced))
                                      : tr("Sync is on with %1").arg(whoAt(*current));
    //: Follows a status; %1 is the first item turned down and the server's words about it
    const QString refused = m_lastReport->refusedItems == 0 ? QString()
                                                            : tr("; the server turned down %n item(s), first %1",
                                                                 nullptr, m_lastReport->refusedItems)
                                                                  .arg(m_lastReport->firstRefusal);
    if (m_lastReport->outcome == SyncOutcome::Ok)
        //: %1 is a time; %2 is empty or "; the server turned down" some items
        return tr("Synced at %1%2").arg(timeText(m_lastEnded), refused);
    //: Follows a failure; %1 is a time
    const QString retrying = m_retryAt.isValid() ? tr(" (will retry at %1)").arg(timeText(m_retryAt)) : QString();
    QString why;
    switch (m_lastReport->outcome) {
    case SyncOutcome::WrongCredentials:
        why = tr("wrong user name or password for %1").arg(whoAt(*current));
        break;
    case SyncOutcome::RetryLater:
        //: %1 is the server's host name; %2 is " (will retry)" or " (will retry at" a time ")"
        why = tr("cannot reach %1%2").arg(host, retrying.isEmpty() ? tr(" (will retry)") : retrying);
        break;
    case SyncOutcome::Malformed:
        //: %1 is the server's host name; %2 is empty or " (will retry at" a time ")"
        why = tr("some tasks on %1 could not be read%2").arg(host, retrying);
        break;
    case SyncOutcome::Ok:
    case SyncOutcome::Refused:
        if (m_lastReport->detail.isEmpty()) {
            //: %1 is the server's host name
            why = tr("%1 refused the sync").arg(host);
        } else {
            //: %1 is the server's host name, %2 what it said
            why = tr("%1 refused the sync: %2").arg(host, m_lastReport->detail);
        }
        break;
    }
    const QString when = m_lastEnded.isValid() ? QStringLiteral(" %1").arg(timeText(m_lastEnded)) : QString();
    const QString lastGood = m_lastSynced.isValid() ? tr("Last good sync %1.").arg(timeText(m_lastSynced))
                                                    : tr("No sync has gone well yet.");
    //: %1 is empty or a space and the time; %2 is why; %3 is empty or "; the server turned down" some items; %4 says
    //: when the last good sync was
    return tr("Last sync%1 failed: %2%3. %4").arg(when, why, refused, lastGood);
}

bool SyncService::needsAttention() const {
    if (!account() || m_running)
        return false;
    if (m_source == Source::NoKeyring || m_source == Source::NoPassword)
        return true;
    return m_lastReport &&
           (m_lastReport->outcome == SyncOutcome::WrongCredentials || m_lastReport->outcome == SyncOutcome::Refused);
}
