// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLJotling.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class NotificationCenter;
class UserDefaults;

// The one store of items: the full list, its to-do subset (the same records) and the stored to-do count.
// Every change is written through at once.
class JLJotlingManager final {
public:
    using List = std::vector<std::shared_ptr<JLJotling>>;

    // Posted once the whole list was replaced under whatever shows it (a sync's merge, the file read again, the
    // popover's save): rows read before point at other items now.
    static constexpr const char* listReplacedNotification = "redizadoListReplaced";

    enum class Load {
        now,
        // At the first use of the lists, or at loadList: the tray shows the stored count before the list is read.
        atFirstUse,
    };
    // Loads from defaults (at once, or when first needed); posts on center.
    JLJotlingManager(UserDefaults& defaults, NotificationCenter& center, Load load = Load::now);
    JLJotlingManager(const JLJotlingManager&) = delete;
    JLJotlingManager& operator=(const JLJotlingManager&) = delete;

    // The manager the program installed; stops the program when none was.
    static JLJotlingManager& sharedManager();
    static void setSharedManager(JLJotlingManager* manager);

    // Reads the stored list if that was left for later, and squares the stored count with it. Every use of the
    // lists below does this first.
    void loadList() const;
    bool listLoaded() const { return m_loaded; }

    List& redizado() { return loaded().m_redizado; }
    const List& redizado() const { return loaded().m_redizado; }
    void setRedizado(List list) { loaded().m_redizado = std::move(list); }
    List& todoRedizado() { return loaded().m_todoRedizado; }
    const List& todoRedizado() const { return loaded().m_todoRedizado; }
    void setTodoRedizado(List list) { loaded().m_todoRedizado = std::move(list); }

    // Appends the stored list to both lists (the whole load, the first time).
    void retrieveData();
    // After someone else changed the store: both lists anew from it, and the count stored and announced.
    void reloadData();
    void saveData();
    void updateTodoRedizado();
    void updateToDoCount();

    void addJotlingWithTitle(const std::string& title);
    void removeEntryAtIndex(std::int64_t index, bool fromTodoRedizado);
    void completeEntry(bool completed, std::int64_t index, bool fromTodoRedizado);
    void renameEntry(const std::string& title, std::int64_t index, bool fromTodoRedizado);
    // A whole new full list, as a sync merged it: the to-do list follows, and the list and its count are saved in
    // one write and announced.
    void replaceRedizado(List redizado);
    // Puts a record that was removed back at index of the full list (clamped to the list), as the same item:
    // its own dictionary and creation date. A record already in the list is not added twice.
    void insertJotling(std::shared_ptr<JLJotling> jotling, std::int64_t index);
    // Another list of ours (the popover) saved a change of the user's to the store: both lists anew from it, and
    // the change sent on as one made here. The writer stored the count itself.
    void storedListChangedHere();

    // Called once the change of an item made here (added, removed, checked, renamed, put back) is saved, for the
    // sync to send it on; a sync's own replaceRedizado and a reload are not changes made here.
    void setChangedHereHandler(std::function<void()> handler) { m_changedHere = std::move(handler); }

private:
    JLJotlingManager& loaded() const {
        loadList();
        return *m_self;
    }
    void appendStoredList();
    // The record at a row of the chosen list, or nothing for a row outside it.
    std::shared_ptr<JLJotling> recordAt(std::int64_t index, bool fromTodoRedizado) const;
    void reconcileStoredCount();
    void storeList();
    void storeCount();
    void saveDataAndCount();
    void changedHere() const;

    UserDefaults& m_defaults;
    NotificationCenter& m_center;
    // Loading on first use is not a change of the lists a reader sees: const readers may do it.
    JLJotlingManager* const m_self = this;
    bool m_loaded = false;
    List m_redizado;
    List m_todoRedizado;
    std::function<void()> m_changedHere;
};
