// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncState.h"

#include "AtomicFileWriter.h"
#include "ConfigHome.h"
#include "PlistCodec.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

using namespace plist_value;

namespace {
constexpr mode_t kFileMode = 0600;
constexpr mode_t kFolderMode = 0700;

std::string textAt(const Dictionary& dictionary, std::string_view key) {
    const auto found = dictionary.find(key);
    const std::string* text = found == dictionary.end() ? nullptr : found->second.get<std::string>();
    return text ? *text : std::string();
}

bool boolAt(const Dictionary& dictionary, std::string_view key) {
    const auto found = dictionary.find(key);
    return found != dictionary.end() && found->second.boolValue();
}

Dictionary encode(const std::string& uid, const TaskState& task) {
    return Dictionary{
        {"UID", Value(uid)},          {"Href", Value(task.href)},           {"ETag", Value(task.etag)},
        {"Title", Value(task.title)}, {"Completed", Value(task.completed)}, {"ServerText", Value(task.serverText)}};
}

SyncState decode(const Dictionary& root) {
    SyncState state;
    state.account = textAt(root, "Account");
    state.calendar = textAt(root, "Calendar");
    state.token = textAt(root, "SyncToken");
    state.lastResult = textAt(root, "LastResult");
    if (const auto date = root.find("LastSyncDate"); date != root.end())
        if (const Date* when = date->second.get<Date>(); when && *when)
            state.lastSyncSince1970 = (*when)->secondsSince1970;
    const auto tasks = root.find("Tasks");
    const Array* list = tasks == root.end() ? nullptr : tasks->second.get<Array>();
    for (const Value& element : list ? *list : Array{}) {
        const Dictionary* task = element.get<Dictionary>();
        if (!task || textAt(*task, "UID").empty())
            continue;
        state.tasks.insert_or_assign(textAt(*task, "UID"),
                                     TaskState{textAt(*task, "Href"), textAt(*task, "ETag"), textAt(*task, "Title"),
                                               boolAt(*task, "Completed"), textAt(*task, "ServerText")});
    }
    return state;
}

void makeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        ::mkdir(path.substr(0, slash).c_str(), kFolderMode);
}
} // namespace

std::string SyncState::defaultPath() {
    return configHome() + "/redizado/sync.plist";
}

SyncState SyncState::load(const std::string& path, std::string* whyNot) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (errno != ENOENT && whyNot)
            *whyNot = path + " cannot be opened: " + std::strerror(errno);
        return {};
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    std::string why;
    const auto root = plist_codec::fromBytes(bytes.str(), &why);
    if (!root) {
        if (whyNot)
            *whyNot = path + " cannot be read: " + why;
        return {};
    }
    return decode(*root);
}

bool SyncState::save(const std::string& path, std::string* whyNot) const {
    Array list;
    for (const auto& [uid, task] : tasks)
        list.emplace_back(encode(uid, task));
    Dictionary root{{"Account", Value(account)},
                    {"Calendar", Value(calendar)},
                    {"SyncToken", Value(token)},
                    {"Tasks", Value(std::move(list))},
                    {"LastResult", Value(lastResult)}};
    if (lastSyncSince1970)
        root.insert_or_assign("LastSyncDate", Value(makeDate(*lastSyncSince1970)));
    makeFolders(path);
    return AtomicFileWriter().replace(path, plist_codec::toXml(root).text(), kFileMode, whyNot);
}
