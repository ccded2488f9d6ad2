// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ItemCommands.h"

#include <functional>

class SyncControl;
struct Command;
struct SyncReport;

// How a sync command ends, so that a script can tell what to do next.
namespace sync_status {
inline constexpr int failed = 1;
inline constexpr int wrongPassword = 3;
inline constexpr int tryLater = 4;
inline constexpr int refused = 5; // the server or its address was turned down, or sync is off or not available
} // namespace sync_status

// The command line's sync commands over the sync's small interface. Most answers come later, once the server has
// answered.
class SyncCommands final {
public:
    using Answer = std::function<void(const CommandReply& reply)>;

    explicit SyncCommands(SyncControl& sync);

    // answer is called once, now or later on the main thread; it need not outlive this object.
    void run(const Command& command, Answer answer);

    // The reply to a command when there is no sync to ask.
    static CommandReply notAvailable();
    // What a finished sync prints and how it ends.
    static CommandReply replyTo(const SyncReport& report);
    // How a sync that ended so ends the command: what "sync" ended with is what "sync --status" ends with after it.
    static int exitStatusOf(const SyncReport& report);

private:
    SyncControl& m_sync;
};
