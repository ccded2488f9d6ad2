// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncMerge.h"

#include "ItemTask.h"
#include "TextValue.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_map>
#include <utility>

using namespace plist_value;
using Record = std::shared_ptr<JLJotling>;

namespace {

struct ServerVersion {
    const ServerTask* sent;
    vtodo::Task task;

    TaskState state() const { return {sent->href, sent->etag, task.title, task.completed, sent->icalendar}; }
};

bool sameAs(const vtodo::Task& task, const TaskState& state) {
    return task.title == state.title && task.completed == state.completed;
}

// Read without editing: the non-const access copies a dictionary the store still shares.
const Dictionary* dictionaryOf(const Record& record) {
    return std::as_const(*record).dictionary();
}

Record recordOf(Dictionary dictionary) {
    return std::make_shared<JLJotling>(Shared<Dictionary>(std::move(dictionary)));
}

// A changed copy: the record the manager holds stays as it is until the merged list takes its place.
Record withTask(const Record& record, const vtodo::Task& task) {
    Dictionary dictionary = *dictionaryOf(record);
    vtodo::applyToItem(task, dictionary);
    return recordOf(std::move(dictionary));
}

class Merger {
public:
    Merger(const std::map<std::string, TaskState>& tasks, const std::map<std::string, SentTask>& sending,
           SyncMerge& out, const std::function<std::string(const std::string&)>& hrefFor)
        : m_tasks(&tasks), m_sending(sending), m_out(out), m_hrefFor(hrefFor) {}

    void readServer(const ServerChanges& server);
    void matchAnew(const JLJotlingManager::List& items);
    void mergeItem(const Record& record);
    void mergeTheRest();
    void placeNewItems();
    // Items agreeing with their tasks: only those the server changed are merged, the others kept with their tasks.
    void mergeAgreed(const JLJotlingManager::List& items, std::map<std::string, TaskState> tasks);
    bool settled() const {
        return m_out.pushes.empty() && m_out.removals.empty() && m_out.malformed == 0 && !m_titleUnsettled;
    }

private:
    void mergeBothChanged(const Record& record, const vtodo::Task& local, const TaskState* base,
                          const ServerVersion& server, bool uidChanged = false);
    void pushNew(const vtodo::Task& task, const std::string& href, const std::string& previous = {}) {
        m_out.pushes.push_back(
            {task.uid, href, vtodo::write(task, previous), std::nullopt, task.title, task.completed});
    }
    void pushOver(const vtodo::Task& task, const TaskState& server) {
        m_out.pushes.push_back(
            {task.uid, server.href, vtodo::write(task, server.serverText), server.etag, task.title, task.completed});
    }
    void keep(const Record& record) { m_out.items.push_back(record); }
    void replace(const Record& record) {
        m_out.items.push_back(record);
        m_out.itemsChanged = true;
    }
    // A title from the server that the next merge would change to the way the server reads it back.
    void noteTitle(const std::string& title) {
        if (!m_titleUnsettled && vtodo::readBack(title) != title)
            m_titleUnsettled = true;
    }
    // asHere: the task with what changed here since, which then goes back over the server's version.
    void addFromServer(const ServerVersion& server, const vtodo::Task* asHere = nullptr) {
        noteTitle(server.task.title);
        Dictionary dictionary;
        vtodo::applyToItem(asHere ? *asHere : server.task, dictionary);
        if (asHere)
            pushOver(*asHere, server.state());
        m_added.push_back(recordOf(std::move(dictionary)));
        m_out.tasks[server.task.uid] = server.state();
        ++m_out.summary.addedHere;
    }

    // The caller's, until a lost answer changes one: then a copy.
    const std::map<std::string, TaskState>* m_tasks;
    std::map<std::string, TaskState> m_ownTasks;
    const std::map<std::string, SentTask>& m_sending;
    SyncMerge& m_out;
    const std::function<std::string(const std::string&)>& m_hrefFor;
    std::map<std::string, ServerVersion> m_server;
    std::set<std::string> m_removedThere;
    std::set<std::string> m_unreadable;
    std::set<std::string> m_seen;
    // Items met anew that are a server task under another UID (or none): the task's UID, by item.
    std::unordered_map<const JLJotling*, std::string> m_adopted;
    JLJotlingManager::List m_added;
    bool m_titleUnsettled = false;
};

void Merger::readServer(const ServerChanges& server) {
    // Made when a task is known by its path alone: a removal, or a task that cannot be read.
    std::map<std::string, std::string> uidOfHref;
    const auto uidAt = [&](const std::string& href) -> const std::string* {
        if (uidOfHref.empty())
            for (const auto& [uid, task] : *m_tasks)
                uidOfHref[task.href] = uid;
        const auto known = uidOfHref.find(href);
        return known == uidOfHref.end() ? nullptr : &known->second;
    };
    std::set<std::string> listed;
    std::set<std::string> listedUids;
    for (const ServerTask& sent : server.changed) {
        listed.insert(sent.href);
        auto task = vtodo::read(sent.icalendar);
        if (!task) {
            ++m_out.malformed;
            if (const std::string* known = uidAt(sent.href))
                m_unreadable.insert(*known);
            continue;
        }
        listedUids.insert(task->uid);
        // Our own write whose answer was lost: what we sent is what both sides now agree on, not a change made there.
        if (const auto sending = m_sending.find(task->uid); sending != m_sending.end() && !sent.etag.empty() &&
                                                            sending->second.title == task->title &&
                                                            sending->second.completed == task->completed) {
            if (m_tasks != &m_ownTasks) {
                m_ownTasks = *m_tasks;
                m_tasks = &m_ownTasks;
            }
            m_ownTasks.insert_or_assign(task->uid,
                                        TaskState{sent.href, sent.etag, task->title, task->completed, sent.icalendar});
            continue;
        }
        // Our own write coming back, or a listing of what we know already. A task found at another path is taken
        // as the server's version, so that the next write goes where it now is.
        const auto known = m_tasks->find(task->uid);
        if (known != m_tasks->end() && !sent.etag.empty() && known->second.etag == sent.etag &&
            known->second.href == sent.href)
            continue;
        const std::string uid = task->uid;
        m_server.insert_or_assign(uid, ServerVersion{&sent, std::move(*task)});
    }
    for (const std::string& href : server.removed)
        if (const std::string* known = uidAt(href))
            m_removedThere.insert(*known);
    if (server.wasFullListing)
        for (const auto& [uid, task] : *m_tasks)
            if (!listed.contains(task.href) && !listedUids.contains(uid))
                m_removedThere.insert(uid);
}

// Meeting a calendar anew, an item whose UID the server does not know may still be one of its tasks: the same title
// created in the same second (the item came from there under a UID this device lost, or went there from a copy of
// this list). Without this every such item would be doubled, here and there.
void Merger::matchAnew(const JLJotlingManager::List& items) {
    std::set<std::string> uidsHere;
    for (const Record& record : items)
        if (const Dictionary* dictionary = dictionaryOf(record))
            uidsHere.insert(vtodo::taskOfItem(*dictionary).uid);
    std::multimap<std::pair<std::string, long long>, std::string> unmatched;
    for (const auto& [uid, server] : m_server)
        if (!m_tasks->contains(uid) && !uidsHere.contains(uid) && server.task.createdSince1970)
            unmatched.emplace(std::pair(server.task.title, std::llround(*server.task.createdSince1970)), uid);
    if (unmatched.empty())
        return;
    for (const Record& record : items) {
        const Dictionary* dictionary = dictionaryOf(record);
        if (!dictionary)
            continue;
        vtodo::Task local = vtodo::taskOfItem(*dictionary);
        local.title = vtodo::readBack(local.title);
        if (!local.createdSince1970 || m_tasks->contains(local.uid) || m_server.contains(local.uid))
            continue;
        // CREATED holds whole seconds; the item's date may have been cut or rounded to them.
        for (const double seconds : {std::floor(*local.createdSince1970), std::round(*local.createdSince1970)}) {
            const auto found = unmatched.find({local.title, std::llround(seconds)});
            if (found == unmatched.end())
                continue;
            m_adopted.emplace(record.get(), found->second);
            unmatched.erase(found);
            break;
        }
    }
}

void Merger::mergeItem(const Record& original) {
    const Dictionary* dictionary = dictionaryOf(original);
    if (!dictionary) {
        keep(original);
        return;
    }
    vtodo::Task local = vtodo::taskOfItem(*dictionary);
    const auto adopted = m_adopted.find(original.get());
    // The title as the server will read it back, here too: otherwise this list keeps a title no other device has, and
    // every later sync takes the difference for a rename.
    Record record = original;
    if (std::string readBack = vtodo::readBack(local.title); readBack != local.title) {
        m_out.notes.push_back("a title held line breaks or characters a task cannot hold (control characters, bytes "
                              "that are not UTF-8); it now reads as the server keeps it");
        local.title = std::move(readBack);
        record = withTask(original, local);
        m_out.itemsChanged = true;
    }
    if (adopted != m_adopted.end()) {
        local.uid = adopted->second;
        m_seen.insert(local.uid);
        return mergeBothChanged(record, local, nullptr, m_server.at(local.uid), true);
    }
    // A second item with the same UID (a copied file, a hand edit) is a task of its own.
    if (local.uid.empty() || m_seen.contains(local.uid)) {
        local.uid = vtodo::newUid();
        replace(withTask(record, local));
        pushNew(local, m_hrefFor(local.uid));
        m_seen.insert(local.uid);
        return;
    }
    m_seen.insert(local.uid);
    const auto stateFound = m_tasks->find(local.uid);
    const TaskState* base = stateFound == m_tasks->end() ? nullptr : &stateFound->second;
    if (m_unreadable.contains(local.uid)) {
        keep(record);
        if (base)
            m_out.tasks[local.uid] = *base;
        return;
    }
    if (const auto server = m_server.find(local.uid); server != m_server.end()) {
        mergeBothChanged(record, local, base, server->second);
    } else if (!base) {
        keep(record);
        pushNew(local, m_hrefFor(local.uid));
    } else if (m_removedThere.contains(local.uid)) {
        if (sameAs(local, *base)) {
            m_out.itemsChanged = true;
            ++m_out.summary.removedHere;
        } else {
            // Changed here since: the task comes back, with what other clients had set on it.
            keep(record);
            pushNew(local, base->href, base->serverText);
        }
    } else {
        keep(record);
        m_out.tasks[local.uid] = *base;
        if (!sameAs(local, *base))
            pushOver(local, *base);
    }
}

void Merger::mergeBothChanged(const Record& record, const vtodo::Task& local, const TaskState* base,
                              const ServerVersion& server, bool uidChanged) {
    const vtodo::Task& theirs = server.task;
    // Met anew, done on either side is done: a completion is not undone by a side that only never saw it.
    const bool completed = base ? (local.completed == base->completed ? theirs.completed : local.completed)
                                : local.completed || theirs.completed;
    if (base && local.title != base->title && theirs.title != base->title && local.title != theirs.title) {
        // Only the titles clash: a check mark changed on one side goes to both, as it would have had the renames come
        // one after the other. Else a check whose write was lost before the other rename would be undone there.
        vtodo::Task ours = local;
        ours.uid = vtodo::newUid();
        ours.completed = completed;
        replace(withTask(record, ours));
        pushNew(ours, m_hrefFor(ours.uid));
        m_seen.insert(ours.uid);
        if (completed == theirs.completed)
            return addFromServer(server);
        vtodo::Task theirsChecked = theirs;
        theirsChecked.completed = completed;
        return addFromServer(server, &theirsChecked);
    }
    vtodo::Task merged = local;
    if (!base && local.title != theirs.title)
        m_out.notes.push_back("\"" + local.title + "\" here took the title the server holds, \"" + theirs.title +
                              "\": with no earlier sync to compare, which was renamed last cannot be told");
    if (!base || local.title == base->title) {
        merged.title = theirs.title;
        noteTitle(merged.title);
    }
    merged.completed = completed;
    if (merged.title != local.title || merged.completed != local.completed) {
        replace(withTask(record, merged));
        ++m_out.summary.changedHere;
    } else if (uidChanged) {
        replace(withTask(record, merged));
    } else {
        keep(record);
    }
    const TaskState now = server.state();
    m_out.tasks[local.uid] = now;
    if (!sameAs(merged, now))
        pushOver(merged, now);
}

void Merger::mergeTheRest() {
    for (const auto& [uid, server] : m_server)
        if (!m_seen.contains(uid))
            addFromServer(server);
    for (const auto& [uid, base] : *m_tasks) {
        if (m_seen.contains(uid) || m_server.contains(uid))
            continue;
        if (m_unreadable.contains(uid)) {
            m_out.tasks[uid] = base;
        } else if (!m_removedThere.contains(uid)) {
            m_out.removals.push_back({uid, base.href, base.etag, base.title});
            m_out.tasks[uid] = base;
        }
    }
}

void Merger::mergeAgreed(const JLJotlingManager::List& items, std::map<std::string, TaskState> tasks) {
    std::set<std::string> touched;
    for (const auto& [uid, server] : m_server)
        touched.insert(uid);
    touched.insert(m_removedThere.begin(), m_removedThere.end());
    touched.insert(m_unreadable.begin(), m_unreadable.end());
    // The touched tasks as they were, to merge against; the rest go through untouched.
    m_ownTasks.clear();
    for (const std::string& uid : touched)
        if (auto found = tasks.find(uid); found != tasks.end())
            m_ownTasks.insert(tasks.extract(found));
    m_tasks = &m_ownTasks;
    m_out.tasks = std::move(tasks);
    m_out.items.reserve(items.size());
    for (const Record& record : items) {
        const Dictionary* dictionary = dictionaryOf(record);
        const auto uid = dictionary ? dictionary->find(vtodo::jotlingSyncUID) : Dictionary::const_iterator{};
        const std::string* text = dictionary && uid != dictionary->end() ? uid->second.get<std::string>() : nullptr;
        if (text && touched.contains(*text))
            mergeItem(record);
        else
            keep(record);
    }
}

// Newest first: a task from the server goes before the first item created before it, after those of its own age.
// The new tasks, newest first, are merged into the list in one pass: each goes no later than an older one.
void Merger::placeNewItems() {
    if (m_added.empty())
        return;
    auto createdOf = [](const Record& record) {
        const Date date = record->dateCreated();
        return date ? date->secondsSince1970 : 0.0;
    };
    std::vector<std::pair<double, Record>> added;
    added.reserve(m_added.size());
    for (const Record& record : m_added)
        added.emplace_back(createdOf(record), record);
    std::stable_sort(added.begin(), added.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    JLJotlingManager::List items;
    items.reserve(m_out.items.size() + added.size());
    auto next = added.begin();
    for (Record& record : m_out.items) {
        if (const Date date = record->dateCreated())
            for (; next != added.end() && date->secondsSince1970 < next->first; ++next)
                items.push_back(std::move(next->second));
        items.push_back(std::move(record));
    }
    for (; next != added.end(); ++next)
        items.push_back(std::move(next->second));
    m_out.items = std::move(items);
    m_out.itemsChanged = true;
}

} // namespace

SyncMerge mergeChanges(const JLJotlingManager::List& items, const std::map<std::string, TaskState>& tasks,
                       const ServerChanges& server, const std::function<std::string(const std::string& uid)>& hrefFor,
                       const std::map<std::string, SentTask>& sending) {
    SyncMerge out;
    Merger merger(tasks, sending, out, hrefFor);
    merger.readServer(server);
    merger.matchAnew(items);
    out.items.reserve(items.size());
    for (const Record& record : items)
        merger.mergeItem(record);
    merger.mergeTheRest();
    merger.placeNewItems();
    out.settled = merger.settled();
    return out;
}

SyncMerge mergeChangesAgreed(const JLJotlingManager::List& items, std::map<std::string, TaskState> tasks,
                             const ServerChanges& server,
                             const std::function<std::string(const std::string& uid)>& hrefFor) {
    SyncMerge out;
    const std::map<std::string, SentTask> nothingSent;
    Merger merger(tasks, nothingSent, out, hrefFor);
    merger.readServer(server);
    merger.mergeAgreed(items, std::move(tasks));
    merger.mergeTheRest();
    merger.placeNewItems();
    out.settled = merger.settled();
    return out;
}
