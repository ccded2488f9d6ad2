// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundSaves.h"

#include "FileUserDefaults.h"

BackgroundSaves::BackgroundSaves(FileUserDefaults& defaults) : m_defaults(defaults) {
    m_defaults.setSavesInBackground([this] {
        QMetaObject::invokeMethod(
            &m_events, [this] { m_defaults.saveEnded(); }, Qt::QueuedConnection);
    });
}

BackgroundSaves::~BackgroundSaves() {
    m_defaults.setSavesInBackground(nullptr);
}
