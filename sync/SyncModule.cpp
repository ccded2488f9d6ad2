// SPDX-License-Identifier: GPL-3.0-or-later
// The sync's library, loaded by the program when sync is first needed.
#include "LoadedSync.h"
#include "SecretServiceStore.h"
#include "SyncService.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) SyncControl* redizadoMakeSync(UserDefaults* defaults,
                                                                                JLJotlingManager* manager) {
    auto* secrets = new SecretServiceStore;
    auto* sync = new SyncService(*defaults, *manager, *secrets);
    // The keyring outlives the service, whose answers from it it drops.
    QObject::connect(sync, &QObject::destroyed, [secrets] { delete secrets; });
    return sync;
}

static_assert(std::is_same_v<decltype(&redizadoMakeSync), MakeSync>, "the loader calls it through MakeSync");
