// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "InstanceProtocol.h"

#include <chrono>
#include <optional>

// A later start's side of the socket, on plain system calls and Qt's core only: a command handed to the running
// copy costs no more than starting a small program.
namespace instance_client {
// The running copy's folder for its lock and socket: the user's runtime folder.
QString defaultFolder();
QString socketPath(const QString& folder);
QString lockPath(const QString& folder);

struct Outcome {
    std::optional<instance_protocol::Answer> answer;
    // Nothing listened, or the copy closed without an answer (it was going away): the request can go elsewhere.
    // Otherwise, with no answer, the copy took the request and said nothing within the timeout.
    bool noCopy = false;
};
// Sends the request to the copy listening at socketPath and waits for its answer.
Outcome ask(const QString& socketPath, const QStringList& words, const QString& activationToken,
            std::chrono::milliseconds timeout);
} // namespace instance_client
