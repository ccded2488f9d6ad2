// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtomicFileWriter.h"
#include "PreferencesBackups.h"
#include "UserDefaults.h"

#include <cstdint>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

// The store kept as one XML property list, written through whole and atomically at each synchronize.
// Someone else may change the file while it is open (a hand edit, a restored backup): that is noticed, by what
// the file holds against what was last read or written, at each save and whenever reloadIfChangedElsewhere asks.
// The tray program reads the file in two steps: the settings at once, the root's arrays (the item list) once one
// of them is asked for, a value is saved or readArrays is called. Until then the file's bytes are kept unparsed, or
// parsed on a thread of their own.
class FileUserDefaults final : public UserDefaults {
public:
    enum class Unreadable {
        setAside,  // an unreadable file is renamed aside and the store starts empty (the tray program)
        leaveAlone // it stays where it is, untouched, and nothing is ever written (a one-off command)
    };

    // Loads the file at path (with Unreadable::leaveAlone all of it, so that a command knows at once whether it
    // can be read). An unreadable or wrongly shaped file is never overwritten.
    explicit FileUserDefaults(std::string path, FileCalls calls = FileCalls::real(),
                              Unreadable onUnreadable = Unreadable::setAside);
    FileUserDefaults(const FileUserDefaults&) = delete;
    FileUserDefaults& operator=(const FileUserDefaults&) = delete;
    // Waits for a save still being written.
    ~FileUserDefaults() override;

    // $XDG_CONFIG_HOME/redizado/defaults.plist, ~/.config when the variable is unset or relative.
    static std::string defaultPath();

    std::optional<plist_value::Value> objectForKey(const std::string& key) const override;
    void setObject(const std::string& key, plist_value::Value value) override;
    bool synchronize() override;

    // Reads what the load left for later. When that part cannot be read, the file is kept aside as at load, and
    // the settings already read stay.
    void readArrays();
    bool arraysPending() const { return !m_pendingArrayKeys.empty(); }
    // Starts parsing what the load left for later on a thread of its own, at a lower priority than the program's
    // own: readArrays then only takes the result. arraysParsed says whether it would have to wait for that thread.
    void parseArraysInBackground();
    bool arraysParsed() const;

    const std::string& path() const { return m_path; }
    // Where an unreadable file was put aside at load, or empty.
    const std::string& setAsidePath() const { return m_setAsidePath; }
    // The last synchronize failed or was held back; the values are in memory only.
    bool saveFailing() const { return m_saveFailing || m_heldBack; }
    // Why the file could not be read at load (with Unreadable::leaveAlone), or empty.
    const std::string& loadError() const { return m_loadError; }

    enum class Reload {
        unchanged,  // the file holds what was last read or written
        reloaded,   // someone else's version is now the store's values
        unreadable, // it cannot be read now (half written?): left alone, asked again at the next change
        missing,    // it is gone: the next save writes it again
        keptOurs,   // changes of ours were not on disk yet: theirs was kept aside and ours saved
    };
    // After the file changed on disk: reads it again, never writing over a file that cannot be read.
    Reload reloadIfChangedElsewhere();
    // Where a version that someone else wrote was kept when ours replaced it, or empty.
    const std::string& keptElsewherePath() const { return m_keptElsewherePath; }

    // What identifies the file's contents cheaply: a save replaces the file, so its inode changes too.
    struct Signature {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        std::int64_t modifiedNs = 0;
        bool operator==(const Signature&) const = default;
    };
    // Told why, each time saving starts to fail (not at every failed save); the words for the user are the
    // handler's, in the user's language.
    void setSaveProblemHandler(std::function<void(const std::string& why)> handler) {
        m_saveProblemHandler = std::move(handler);
    }
    // Saves written by a thread of their own, so that the panel does not wait while a long list goes to disk:
    // synchronize then returns once the save is handed over. finished is called on that thread when a save has
    // ended; the owner then calls saveEnded from its own thread. An empty finished waits for what is being written
    // and goes back to saving on the caller's thread, as a one-off command and the tests want.
    void setSavesInBackground(std::function<void()> finished);
    // Applies how the save handed over went (the save problem handler is told here) and hands over the next, if
    // values changed meanwhile. Does nothing while that save is still being written.
    void saveEnded();
    // Waits until every change made so far is on disk, or its save has failed.
    void finishSaves();
    // A save is being written by its thread.
    bool saving() const { return m_inFlight.has_value(); }

    // Whether the file's folder takes files. When it does not, saving counts as failing from now on, so the first
    // failed save is not told again.
    bool probeFolder();

private:
    struct DiskState;
    // With arraysLater, a file that can be split keeps its arrays unparsed in the state.
    DiskState readDisk(bool arraysLater = false) const;
    void load();
    bool setAside(const std::string& why, const std::string& whatNow);
    // The arrays left for later could not be read: the file they came from is kept aside.
    void keepUnreadableAside(const std::string& bytes, const std::string& why);
    std::string freePath(const std::string& suffix) const;
    bool isPendingArray(const std::string& key) const;
    // The file was changed by someone else since we last read or wrote it; false when it cannot be read now.
    bool keepTheirsAside(const DiskState& disk);
    struct SaveResult {
        bool saved = false;
        std::string why;
        std::optional<Signature> signature;
        std::size_t hash = 0;
    };
    static SaveResult write(const PreferencesBackups& backups, const AtomicFileWriter& writer, const std::string& path,
                            const plist_value::Dictionary& values);
    Reload reloadUnlessOurs();
    static SaveResult writeCatching(const PreferencesBackups& backups, const AtomicFileWriter& writer,
                                    const std::string& path, const plist_value::Dictionary& values);
    bool applySave(const SaveResult& result, std::uint64_t changesSaved);
    // Waits for the save being written, if any, and applies how it went.
    void settleSave();
    // Then hands over the changes made while it was written, if any.
    void settleAndSaveAgain();
    bool handOverSave();

    std::string m_path;
    // Where saves go: a symlinked file (kept in a dotfiles folder, say) is written at its target, link kept.
    std::string m_filePath;
    std::string m_setAsidePath;
    AtomicFileWriter m_writer;
    PreferencesBackups m_backups;
    plist_value::Dictionary m_values;
    // The file as read at load, while the arrays named here are still to be parsed from it.
    std::string m_unparsed;
    std::vector<std::string> m_pendingArrayKeys;
    struct ParsedArrays {
        std::optional<plist_value::Dictionary> whole;
        std::string why;
        std::string bytes;
    };
    static ParsedArrays parseWhole(std::string bytes);
    std::future<ParsedArrays> m_arraysBeingParsed;
    std::string m_loadError;
    std::string m_keptElsewherePath;
    Unreadable m_onUnreadable;
    // What the file held when we last read or wrote it; nothing while no file of ours is known.
    std::optional<Signature> m_knownSignature;
    std::size_t m_knownHash = 0;
    // Set when an unreadable file could not be moved away (or must be left alone): writing would destroy it.
    bool m_mustNotWrite = false;
    bool m_saveFailing = false;
    // A save was held back because the file could not be read at that moment.
    bool m_heldBack = false;
    // Values were set that are not on disk yet.
    bool m_unsaved = false;
    // Counts setObject calls: a save ends the unsaved state only when nothing was set after it was handed over.
    std::uint64_t m_changes = 0;
    std::function<void()> m_saveFinished;
    // The save being written by its thread; the values it writes stay shared with ours until it is settled here.
    struct SaveInFlight {
        plist_value::Dictionary values;
        std::uint64_t changes = 0;
        std::future<SaveResult> result;
        std::thread thread;
    };
    std::optional<SaveInFlight> m_inFlight;
    // synchronize was asked for while a save was being written.
    bool m_saveAgain = false;
    std::function<void(const std::string&)> m_saveProblemHandler;
    // Reading the arrays on first use is not a change a reader sees: const readers may do it.
    FileUserDefaults* const m_self = this;
};
