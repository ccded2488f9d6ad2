// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandHere.h"

#include "CommandLine.h"
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "NotificationCenter.h"
#include "SingleInstance.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>

namespace {
// How long a later start waits for a copy that is still starting to answer.
constexpr auto startingCopyPatience = std::chrono::seconds(10);

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

int runHere(const Command& command) {
    return withStoreHere([&command](FileUserDefaults& defaults, JLJotlingManager& manager) {
        return ItemCommands(manager, [&defaults] { return defaults.saveFailing(); }).run(command);
    });
}
} // namespace

int finish(const CommandReply& reply) {
    print(stdout, reply.output);
    if (!reply.error.isEmpty())
        print(stderr, QStringLiteral("redizado: ") + reply.error);
    return reply.exitStatus;
}

int withStoreHere(const std::function<CommandReply(FileUserDefaults&, JLJotlingManager&)>& work) {
    FileUserDefaults defaults(FileUserDefaults::defaultPath(), FileCalls::real(),
                              FileUserDefaults::Unreadable::leaveAlone);
    if (!defaults.loadError().empty())
        return finish({2,
                       {},
                       //: %1 is why the store could not be read
                       QCoreApplication::translate("CommandHere", "%1; nothing was changed")
                               .arg(QString::fromStdString(defaults.loadError())) +
                           QLatin1Char('\n')});
    NotificationCenter center;
    JLJotlingManager manager(defaults, center);
    return finish(work(defaults, manager));
}

std::optional<int> runBeforeTray(const Command& command, SingleInstance& instance) {
    const SingleInstance::Request request{command.toRequest(), qEnvironmentVariable("XDG_ACTIVATION_TOKEN")};
    const auto outcome = instance.sendOrLock(request, startingCopyPatience);
    if (outcome.reply)
        return finish({outcome.reply->exitStatus, outcome.reply->output, outcome.reply->error});
    if (!outcome.locked)
        return finish({1,
                       {},
                       //: %1 is the lock file's path
                       QCoreApplication::translate("CommandHere", "another copy holds %1 but does not answer")
                               .arg(instance.lockPath()) +
                           QLatin1Char('\n')});
    if (!command.onItemsAlone())
        return std::nullopt;
    const int status = runHere(command);
    instance.unlock();
    return status;
}
