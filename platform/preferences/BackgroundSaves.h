// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class FileUserDefaults;

// While it lives, the store's saves are written by a thread of their own and settled from this thread's event
// loop, so that a long list going to disk does not hold up the panel. Gone, the store waits for what is being
// written and saves on the caller's thread again.
class BackgroundSaves {
public:
    // AFTER_EACH is called on this thread once a save's outcome is applied.
    explicit BackgroundSaves(FileUserDefaults& defaults, std::function<void()> afterEach = {});
    ~BackgroundSaves();
    BackgroundSaves(const BackgroundSaves&) = delete;
    BackgroundSaves& operator=(const BackgroundSaves&) = delete;

private:
    FileUserDefaults& m_defaults;
    std::function<void()> m_afterEach;
    // Where the word that a save ended is delivered; a word still on its way when this is gone is dropped.
    QObject m_events;
};
