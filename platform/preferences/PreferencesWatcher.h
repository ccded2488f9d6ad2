// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Tells when a file may have been changed by someone else: written in place, replaced by a rename, removed or
// made again. The file's folder is watched too, since a file replaced by a rename is no longer the one watched.
class PreferencesWatcher final : public QObject {
    Q_OBJECT
public:
    PreferencesWatcher(const QString& path, std::function<void()> changed, QObject* parent = nullptr);
    ~PreferencesWatcher() override;

private:
    void watchFile();

    QString m_path;
    std::function<void()> m_changed;
    QFileSystemWatcher m_watcher;
    // An editor's save is several events in a row; one look after the last of them is enough.
    QTimer m_settle;
};
