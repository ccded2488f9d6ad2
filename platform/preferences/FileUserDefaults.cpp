// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileUserDefaults.h"

#include "ConfigHome.h"
#include "LocalTime.h"
#include "Log.h"
#include "PlistCodec.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace {
constexpr mode_t kFileMode = 0600;
constexpr mode_t kFolderMode = 0700;

void makeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        ::mkdir(path.substr(0, slash).c_str(), kFolderMode);
}

std::string timestamp() {
    return localTimeText("%Y%m%d-%H%M%S");
}

std::string resolvedPath(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const auto target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}
} // namespace

FileUserDefaults::FileUserDefaults(std::string path, FileCalls calls, Unreadable onUnreadable)
    : m_path(std::move(path)), m_filePath(resolvedPath(m_path)), m_writer(std::move(calls)), m_backups(m_filePath),
      m_onUnreadable(onUnreadable) {
    load();
}

std::string FileUserDefaults::defaultPath() {
    return configHome() + "/redizado/defaults.plist";
}

struct FileUserDefaults::DiskState {
    std::optional<Signature> signature;            // nothing: there is no file
    std::optional<plist_value::Dictionary> values; // nothing: it cannot be read
    std::size_t hash = 0;
    std::string why;
    std::string unparsed;
    std::vector<std::string> pendingArrayKeys;
};

namespace {
FileUserDefaults::Signature signatureOf(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

std::optional<FileUserDefaults::Signature> signatureAt(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return signatureOf(st);
}

std::size_t hashOf(std::string_view bytes) {
    return std::hash<std::string_view>{}(bytes);
}
} // namespace

FileUserDefaults::DiskState FileUserDefaults::readDisk(bool arraysLater) const {
    DiskState disk;
    const int fd = ::open(m_filePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        disk.signature = signatureAt(m_filePath);
        disk.why = std::string("it cannot be opened: ") + std::strerror(error);
        return disk;
    }
    // The signature comes from the very file read, so a replacement in between cannot be taken for it.
    struct stat st {};
    if (::fstat(fd, &st) == 0)
        disk.signature = signatureOf(st);
    std::string bytes;
    bytes.reserve(disk.signature ? std::size_t(st.st_size) + 1 : 0);
    char buffer[65536];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
        bytes.append(buffer, n > 0 ? std::size_t(n) : 0);
    const int readError = n < 0 ? errno : 0;
    ::close(fd);
    if (!disk.signature)
        disk.signature = Signature{};
    if (readError) {
        disk.why = std::string("it cannot be read: ") + std::strerror(readError);
        return disk;
    }
    disk.hash = hashOf(bytes);
    if (arraysLater) {
        if (auto split = plist_codec::fromBytesWithoutRootArrays(bytes)) {
            disk.values = std::move(split->values);
            if (!split->arrayKeys.empty()) {
                disk.pendingArrayKeys = std::move(split->arrayKeys);
                disk.unparsed = std::move(bytes);
            }
            return disk;
        }
    }
    disk.values = plist_codec::fromBytes(bytes, &disk.why);
    return disk;
}

void FileUserDefaults::load() {
    DiskState disk = readDisk(m_onUnreadable == Unreadable::setAside);
    if (!disk.signature)
        return;
    if (!disk.values) {
        if (m_onUnreadable == Unreadable::leaveAlone) {
            m_loadError = "preferences file " + m_filePath + " is unreadable (" + disk.why + ")";
            m_mustNotWrite = true;
        } else {
            setAside(disk.why, "started with empty preferences");
        }
        return;
    }
    m_values = std::move(*disk.values);
    m_unparsed = std::move(disk.unparsed);
    m_pendingArrayKeys = std::move(disk.pendingArrayKeys);
    m_knownSignature = disk.signature;
    m_knownHash = disk.hash;
}

std::string FileUserDefaults::freePath(const std::string& suffix) const {
    std::string path = m_filePath + suffix + timestamp();
    for (int n = 2; exists(path); ++n)
        path = m_filePath + suffix + timestamp() + "-" + std::to_string(n);
    return path;
}

bool FileUserDefaults::setAside(const std::string& why, const std::string& whatNow) {
    const std::string aside = freePath(".unreadable-");
    if (std::rename(m_filePath.c_str(), aside.c_str()) == 0) {
        m_setAsidePath = aside;
        logLine("store", "preferences file " + m_filePath + " is unreadable (" + why + "); kept it as " + aside +
                             " and " + whatNow);
        return true;
    }
    m_mustNotWrite = true;
    logLine("store", "preferences file " + m_filePath + " is unreadable (" + why + ") and could not be moved to " +
                         aside + ": " + std::strerror(errno) + "; changes will not be saved");
    return false;
}

FileUserDefaults::ParsedArrays FileUserDefaults::parseWhole(std::string bytes) {
    // The whole file again, exactly as a load reads it: what the split left out, and whether it reads at all.
    ParsedArrays parsed;
    parsed.whole = plist_codec::fromBytes(bytes, &parsed.why);
    parsed.bytes = std::move(bytes);
    return parsed;
}

void FileUserDefaults::parseArraysInBackground() {
    if (m_pendingArrayKeys.empty() || m_arraysBeingParsed.valid())
        return;
    // Shared, so that the bytes are still here when no thread can be had.
    auto bytes = std::make_shared<std::string>(std::exchange(m_unparsed, std::string()));
    try {
        m_arraysBeingParsed = std::async(std::launch::async, [bytes] {
            // Behind the program's own thread, which has the icon to show meanwhile.
            ::setpriority(PRIO_PROCESS, ::gettid(), 10);
            return parseWhole(std::move(*bytes));
        });
    } catch (const std::system_error& error) {
        logLine("store", std::string("no thread to read the item list on (") + error.what() + "); it is read here");
        m_unparsed = std::move(*bytes);
    }
}

bool FileUserDefaults::arraysParsed() const {
    return m_pendingArrayKeys.empty() || !m_arraysBeingParsed.valid() ||
           m_arraysBeingParsed.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void FileUserDefaults::readArrays() {
    if (m_pendingArrayKeys.empty())
        return;
    m_pendingArrayKeys.clear();
    ParsedArrays parsed =
        m_arraysBeingParsed.valid() ? m_arraysBeingParsed.get() : parseWhole(std::exchange(m_unparsed, std::string()));
    if (!parsed.whole) {
        keepUnreadableAside(parsed.bytes, parsed.why);
        return;
    }
    // Settings changed since the load are the newer values.
    for (auto& [key, value] : *parsed.whole) {
        if (!m_values.contains(key.str()))
            m_values.insert_or_assign(key, std::move(value));
    }
}

void FileUserDefaults::keepUnreadableAside(const std::string& bytes, const std::string& why) {
    const std::string whatNow = "went on with the settings read from it, without its items";
    if (signatureAt(m_filePath) == m_knownSignature) {
        // Gone from its place, so the next save writes the file anew.
        if (setAside(why, whatNow))
            m_knownSignature.reset();
        return;
    }
    // Replaced since it was read: the version read is kept from memory.
    const std::string aside = freePath(".unreadable-");
    std::string whyNot;
    if (m_writer.replace(aside, bytes, kFileMode, &whyNot)) {
        m_setAsidePath = aside;
        logLine("store", "preferences file " + m_filePath + " as read at start is unreadable (" + why +
                             "); kept that version as " + aside + " and " + whatNow);
    } else {
        logLine("store", "preferences file " + m_filePath + " as read at start is unreadable (" + why +
                             ") and could not be kept as " + aside + " (" + whyNot + "); " + whatNow);
    }
}

bool FileUserDefaults::isPendingArray(const std::string& key) const {
    return std::find(m_pendingArrayKeys.begin(), m_pendingArrayKeys.end(), key) != m_pendingArrayKeys.end();
}

std::optional<plist_value::Value> FileUserDefaults::objectForKey(const std::string& key) const {
    if (isPendingArray(key))
        m_self->readArrays();
    const auto it = m_values.find(key);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

void FileUserDefaults::setObject(const std::string& key, plist_value::Value value) {
    // A list that cannot be read must be kept aside before anything takes its place.
    if (isPendingArray(key))
        readArrays();
    m_values.insert_or_assign(key, std::move(value));
    m_unsaved = true;
    ++m_changes;
}

bool FileUserDefaults::keepTheirsAside(const DiskState& disk) {
    if (!disk.values) {
        if (!m_heldBack)
            logLine("store", "preferences file " + m_filePath + " cannot be read right now (" + disk.why +
                                 "; is another program writing it?); changes are kept in memory and saved once it "
                                 "can be read");
        m_heldBack = true;
        return false;
    }
    if (m_knownSignature && disk.hash == m_knownHash)
        return true;
    const std::string aside = freePath(".replaced-");
    if (::link(m_filePath.c_str(), aside.c_str()) == 0) {
        m_keptElsewherePath = aside;
        logLine("store", "preferences file " + m_filePath +
                             " was changed by another program at the same time as "
                             "this one; that version is kept as " +
                             aside);
    } else {
        logLine("store", "preferences file " + m_filePath +
                             " was changed by another program and could not be kept "
                             "as " +
                             aside + ": " + std::strerror(errno) + "; " + m_backups.bakPath() + " keeps it");
    }
    return true;
}

bool FileUserDefaults::probeFolder() {
    // A real file made and removed: permission bits say nothing for the superuser or a read-only mount.
    makeFolders(m_filePath);
    std::string probe = m_filePath.substr(0, m_filePath.rfind('/') + 1) + ".redizado-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        m_saveFailing = true;
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

bool FileUserDefaults::synchronize() {
    if (m_inFlight) {
        m_saveAgain = true;
        return true;
    }
    // The file is written whole: the items it holds must be among what is written.
    readArrays();
    if (m_mustNotWrite)
        return false;
    if (signatureAt(m_filePath) != m_knownSignature) {
        const DiskState disk = readDisk();
        if (disk.signature && !keepTheirsAside(disk))
            return false;
    }
    if (m_heldBack)
        logLine("store", "preferences file " + m_filePath + " can be read again; saving the changes kept in memory");
    m_heldBack = false;
    makeFolders(m_filePath);
    if (m_saveFinished && handOverSave())
        return true;
    return applySave(write(m_backups, m_writer, m_filePath, m_values), m_changes);
}

// False when no thread could be had: the caller then saves here, as a one-off command saves.
bool FileUserDefaults::handOverSave() {
    // The values are shared, not copied: a change made meanwhile copies what it changes.
    SaveInFlight& save = m_inFlight.emplace(SaveInFlight{m_values, m_changes, {}, {}});
    std::promise<SaveResult> promise;
    save.result = promise.get_future();
    try {
        // The result is ready before the owner is told, so that saveEnded can tell a stale word from a fresh one.
        save.thread = std::thread([&backups = m_backups, &writer = m_writer, path = m_filePath, &values = save.values,
                                   finished = m_saveFinished, promise = std::move(promise)]() mutable {
            promise.set_value(writeCatching(backups, writer, path, values));
            finished();
        });
    } catch (const std::system_error&) {
        m_inFlight.reset();
        return false;
    }
    return true;
}

// A save that throws (no memory for the text, a backup folder that cannot be listed) is a failed save like any
// other, told as one; it must not end the program from a thread of its own.
FileUserDefaults::SaveResult FileUserDefaults::writeCatching(const PreferencesBackups& backups,
                                                             const AtomicFileWriter& writer, const std::string& path,
                                                             const plist_value::Dictionary& values) {
    try {
        return write(backups, writer, path, values);
    } catch (const std::exception& error) {
        return SaveResult{false, error.what(), std::nullopt, 0};
    }
}

FileUserDefaults::SaveResult FileUserDefaults::write(const PreferencesBackups& backups, const AtomicFileWriter& writer,
                                                     const std::string& path, const plist_value::Dictionary& values) {
    // The old file's copies are part of the save: dropping the last copy of a long list takes frames too.
    backups.keepBeforeReplacing();
    SaveResult result;
    const plist_codec::Xml xml = plist_codec::toXml(values);
    result.saved = writer.replace(path, xml.text(), kFileMode, &result.why);
    if (result.saved) {
        result.signature = signatureAt(path);
        result.hash = hashOf(xml.text());
    }
    return result;
}

bool FileUserDefaults::applySave(const SaveResult& result, std::uint64_t changesSaved) {
    // One line when saving starts to fail and one when it works again, not one per change.
    if (!result.saved && !m_saveFailing) {
        logLine("store", "could not save " + m_path + " (" + result.why +
                             "); changes are kept in memory and saved again at "
                             "the next change");
        if (m_saveProblemHandler)
            m_saveProblemHandler(result.why);
    } else if (result.saved && m_saveFailing)
        logLine("store", "saved " + m_path + " again");
    m_saveFailing = !result.saved;
    if (result.saved) {
        m_unsaved = changesSaved != m_changes;
        m_knownSignature = result.signature;
        m_knownHash = result.hash;
    }
    return result.saved;
}

void FileUserDefaults::settleSave() {
    if (!m_inFlight)
        return;
    const SaveResult result = m_inFlight->result.get();
    m_inFlight->thread.join();
    const std::uint64_t changes = m_inFlight->changes;
    m_inFlight.reset();
    applySave(result, changes);
}

void FileUserDefaults::settleAndSaveAgain() {
    settleSave();
    if (std::exchange(m_saveAgain, false))
        synchronize();
}

void FileUserDefaults::saveEnded() {
    if (m_inFlight && m_inFlight->result.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
        settleAndSaveAgain();
}

void FileUserDefaults::finishSaves() {
    while (m_inFlight)
        settleAndSaveAgain();
}

void FileUserDefaults::setSavesInBackground(std::function<void()> finished) {
    finishSaves();
    m_saveFinished = std::move(finished);
}

FileUserDefaults::~FileUserDefaults() {
    finishSaves();
}

FileUserDefaults::Reload FileUserDefaults::reloadIfChangedElsewhere() {
    // Our own save, still being written, must not be taken for someone else's file.
    settleSave();
    const bool saveWanted = std::exchange(m_saveAgain, false);
    const Reload result = reloadUnlessOurs();
    if (saveWanted && m_unsaved && !m_inFlight)
        synchronize();
    return result;
}

FileUserDefaults::Reload FileUserDefaults::reloadUnlessOurs() {
    const auto signature = signatureAt(m_filePath);
    if (!signature) {
        if (!m_knownSignature)
            return Reload::unchanged;
        logLine("store", "preferences file " + m_filePath + " was removed; it is written again at the next change");
        m_knownSignature.reset();
        return Reload::missing;
    }
    if (signature == m_knownSignature)
        return Reload::unchanged;
    DiskState disk = readDisk();
    if (!disk.values) {
        logLine("store", "preferences file " + m_filePath + " changed but cannot be read (" + disk.why +
                             "); left alone until it changes again");
        return Reload::unreadable;
    }
    // Changes of ours that never reached the disk must not vanish under someone else's version.
    if (m_unsaved) {
        synchronize();
        return Reload::keptOurs;
    }
    if (m_knownSignature && disk.hash == m_knownHash) {
        m_knownSignature = disk.signature;
        return Reload::unchanged;
    }
    m_values = std::move(*disk.values);
    m_pendingArrayKeys.clear();
    m_unparsed.clear();
    m_arraysBeingParsed = {};
    m_knownSignature = disk.signature;
    m_knownHash = disk.hash;
    m_mustNotWrite = false;
    m_loadError.clear();
    logLine("store", "preferences file " + m_filePath + " was changed by another program; reloaded it");
    return Reload::reloaded;
}
