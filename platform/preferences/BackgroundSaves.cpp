// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundSaves.h"

#include "FileUserDefaults.h"

BackgroundSaves::BackgroundSaves(FileUserDefaults& defaults, std::function<void()> afterEach)
    : m_defaults(defaults), m_afterEach(std::move(afterEach)) {
    m_defaults.setSavesInBackground([this] {
        QMetaObject::invokeMethod(
            &m_events,
            [this] {
                m_defaults.saveEnded();
                if (m_afterEach)
                    m_afterEach();
            },
            Qt::QueuedConnection);
    });
}

BackgroundSaves::~BackgroundSaves() {
    m_defaults.setSavesInBackground(nullptr);
}
