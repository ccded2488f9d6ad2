// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncState.h"

#include "AtomicFileWriter.h"
#include "ConfigHome.h"
#include "PlistCodec.h"
#include "XmlPlistWriter.h"

#include <algorithm>
#include <cerrno>
#include <climits>
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

std::optional<double> dateAt(const Dictionary& dictionary, std::string_view key) {
    const auto found = dictionary.find(key);
    const Date* when = found == dictionary.end() ? nullptr : found->second.get<Date>();
    return when && *when ? std::optional((*when)->secondsSince1970) : std::nullopt;
}

bool boolAt(const Dictionary& dictionary, std::string_view key) {
    const auto found = dictionary.find(key);
    return found != dictionary.end() && found->second.boolValue();
}

SyncState decode(const Dictionary& root) {
    SyncState state;
    state.account = textAt(root, "Account");
    state.calendar = textAt(root, "Calendar");
    state.token = textAt(root, "SyncToken");
    state.lastResult = textAt(root, "LastResult");
    state.lastSyncSince1970 = dateAt(root, "LastSyncDate");
    state.lastDetail = textAt(root, "LastDetail");
    state.lastGoodSyncSince1970 = dateAt(root, "LastGoodSyncDate");
    if (const auto refused = root.find("RefusedItems"); refused != root.end())
        state.refusedItems = int(std::clamp<std::int64_t>(refused->second.integerValue(), 0, INT_MAX));
    state.firstRefusal = textAt(root, "FirstRefusal");
    state.lastFullListingSince1970 = dateAt(root, "LastFullListingDate");
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
    const auto sending = root.find("Sending");
    const Array* sent = sending == root.end() ? nullptr : sending->second.get<Array>();
    for (const Value& element : sent ? *sent : Array{})
        if (const Dictionary* task = element.get<Dictionary>(); task && !textAt(*task, "UID").empty())
            state.sending.insert_or_assign(textAt(*task, "UID"),
                                           SentTask{textAt(*task, "Title"), boolAt(*task, "Completed")});
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
    Array sent;
    for (const auto& [uid, task] : sending)
        sent.emplace_back(
            Dictionary{{"UID", Value(uid)}, {"Title", Value(task.title)}, {"Completed", Value(task.completed)}});
    // The tasks go straight into the text where their empty list stands: built as values first, 10,000 of them
    // cost as much again as writing them.
    Dictionary root{{"Account", Value(account)},          {"Calendar", Value(calendar)},
                    {"SyncToken", Value(token)},          {"Tasks", Value(Array{})},
                    {"Sending", Value(std::move(sent))},  {"LastResult", Value(lastResult)},
                    {"LastDetail", Value(lastDetail)},    {"RefusedItems", Value(refusedItems)},
                    {"FirstRefusal", Value(firstRefusal)}};
    const std::pair<const char*, std::optional<double>> dates[] = {{"LastSyncDate", lastSyncSince1970},
                                                                   {"LastGoodSyncDate", lastGoodSyncSince1970},
                                                                   {"LastFullListingDate", lastFullListingSince1970}};
    for (const auto& [key, when] : dates)
        if (when)
            root.insert_or_assign(key, Value(makeDate(*when)));
    std::string text(plist_codec::toXml(root).text());
    if (!tasks.empty()) {
        // Other values are escaped, so this stands only where the list is.
        constexpr std::string_view emptyTasks = "\t<key>Tasks</key>\n\t<array/>\n";
        const std::size_t at = text.find(emptyTasks);
        std::string list = "\t<array>\n";
        for (const auto& [uid, task] : tasks)
            plist_codec::appendFlatDictionary(list,
                                              {{"Completed", task.completed},
                                               {"ETag", task.etag},
                                               {"Href", task.href},
                                               {"ServerText", task.serverText},
                                               {"Title", task.title},
                                               {"UID", uid}},
                                              2);
        list += "\t</array>\n";
        text.replace(at + emptyTasks.find("\t<array/>"), std::string_view("\t<array/>\n").size(), list);
    }
    makeFolders(path);
    return AtomicFileWriter().replace(path, text, kFileMode, whyNot);
}
