// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadedSync.h"

#include "LogCategories.h"
#include "StoredSyncAccount.h"

#include <QTimer>

#include <dlfcn.h>
#include <string>

namespace {
constexpr const char* libraryName = "redizado-sync.so";

// Beside the library or program this code is part of: the build folder, or the program's library folder once
// installed.
std::string ownFolder() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&ownFolder), &info) == 0 || !info.dli_fname)
        return ".";
    const std::string self = info.dli_fname;
    const auto slash = self.rfind('/');
    return slash == std::string::npos ? "." : self.substr(0, slash);
}
} // namespace

LoadedSync::LoadedSync(UserDefaults& defaults, JLJotlingManager& manager, QObject* parent)
    : SyncControl(parent), m_defaults(defaults), m_manager(manager) {}

LoadedSync::~LoadedSync() = default;

SyncControl* LoadedSync::loaded() const {
    if (m_sync || !m_whyNotLoaded.isEmpty())
        return m_sync.get();
    const std::string path = ownFolder() + '/' + libraryName;
    // Never unloaded: the sync's objects and callbacks live as long as the program.
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto make = library ? reinterpret_cast<MakeSync>(::dlsym(library, makeSyncEntry)) : nullptr;
    if (!make) {
        const QString why = QString::fromLocal8Bit(::dlerror());
        qCWarning(lcSync).noquote() << "sync is not available:" << why;
        //: %1 is the loader's reason
        m_whyNotLoaded = tr("Sync is not available: %1").arg(why);
        return nullptr;
    }
    m_sync.reset(make(&m_defaults, &m_manager));
    auto* self = const_cast<LoadedSync*>(this);
    connect(m_sync.get(), &SyncControl::statusChanged, self, &SyncControl::statusChanged);
    connect(m_sync.get(), &SyncControl::itemsChanged, self, &SyncControl::itemsChanged);
    if (m_scheduled)
        m_sync->startSchedule();
    return m_sync.get();
}

template <typename Call> void LoadedSync::later(Call call) {
    QTimer::singleShot(0, this, std::move(call));
}

bool LoadedSync::keyringAvailable() const {
    // Without the library the keyring is not what stands in the way: turning on then says what does.
    SyncControl* sync = loaded();
    return !sync || sync->keyringAvailable();
}

std::optional<SyncControl::Account> LoadedSync::account() const {
    return storedSyncAccount(m_defaults);
}

void LoadedSync::turnOn(const Account& account, const QString& password, Done done) {
    if (SyncControl* sync = loaded())
        return sync->turnOn(account, password, std::move(done));
    later([this, done = std::move(done)] { done(false, m_whyNotLoaded); });
}

void LoadedSync::turnOff(Done done) {
    if (SyncControl* sync = loaded())
        return sync->turnOff(std::move(done));
    // Without the library the password cannot be reached: the account goes, and the keyring keeps it.
    storeSyncAccount(m_defaults, std::nullopt);
    later([this, done = std::move(done)] { done(false, m_whyNotLoaded); });
}

void LoadedSync::syncNow(Synced done) {
    SyncControl* sync = account() ? loaded() : nullptr;
    if (sync)
        return sync->syncNow(std::move(done));
    later([this, done = std::move(done)] {
        done({SyncOutcome::Refused, {}, account() ? m_whyNotLoaded : tr("Sync is off")});
    });
}

void LoadedSync::startSchedule() {
    m_scheduled = true;
    // Loaded now only when there is something to sync; the first sync then runs at once.
    if (account())
        loaded();
}

void LoadedSync::panelShown() {
    if (m_sync)
        m_sync->panelShown();
}

void LoadedSync::itemsChangedHere() {
    if (m_sync)
        m_sync->itemsChangedHere();
}

QString LoadedSync::status() const {
    if (m_sync)
        return m_sync->status();
    if (!account())
        return tr("Sync is off");
    const SyncControl* sync = loaded();
    return sync ? sync->status() : m_whyNotLoaded;
}

bool LoadedSync::needsAttention() const {
    if (m_sync)
        return m_sync->needsAttention();
    if (!account())
        return false;
    const SyncControl* sync = loaded();
    return !sync || sync->needsAttention();
}

std::optional<SyncReport> LoadedSync::lastReport() const {
    const SyncControl* sync = m_sync || account() ? loaded() : nullptr;
    return sync ? sync->lastReport() : std::nullopt;
}
