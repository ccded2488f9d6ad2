// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreferencesWatcher.h"

#include "LogCategories.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {
constexpr int settleMs = 50;
}

PreferencesWatcher::PreferencesWatcher(const QString& path, std::function<void()> changed, QObject* parent)
    : QObject(parent), m_path(path), m_changed(std::move(changed)) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        watchFile();
        if (m_changed)
            m_changed();
    });
    const QString folder = QFileInfo(m_path).absolutePath();
    QDir().mkpath(folder);
    if (!m_watcher.addPath(folder))
        qCWarning(lcStore) << "cannot watch" << folder << "; changes made to the preferences elsewhere are not seen";
    watchFile();
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
}

PreferencesWatcher::~PreferencesWatcher() = default;

void PreferencesWatcher::watchFile() {
    // A watch stays on the file it was put on; after a rename over it, only a new watch sees writes in place.
    if (m_watcher.files().contains(m_path))
        m_watcher.removePath(m_path);
    if (QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}
