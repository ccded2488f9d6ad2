// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ListCore.h"
#include "ListItems.h"
#include "NotificationCenter.h"
#include "PropertyList.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class UserDefaults;
namespace Ui {
class PopoverPanel;
}

// The list as the popover shows it. It keeps its own two lists of item dictionaries over the stored item list,
// reads them again whenever the item manager replaces that list, and keeps the stored to-do count itself. Each
// change is made to the stored list as it is at that moment and written through at once, so that it never puts
// back what a sync or another writer changed since the popover read it.
class JLPopoverViewController final : public QObject, private ListItems {
    Q_OBJECT
public:
    // Entries are never changed in place: a change puts a new dictionary where the old one was.
    using Entry = std::shared_ptr<const plist_value::Dictionary>;
    using Entries = std::vector<Entry>;

    // Loads the stored list, or seeds it on the very first start, and follows the popover's notifications.
    JLPopoverViewController(UserDefaults& defaults, NotificationCenter& center, QObject* parent = nullptr);
    ~JLPopoverViewController() override;

    ListCore& list() const { return *m_list; }
    QWidget* view() const { return m_view; }
    JLTableView* redizadoTableView() const { return m_list->widgets().table; }
    QLineEdit* jotlingField() const { return m_list->widgets().entryField; }

    const Entries& redizadoArray() const { return m_redizadoArray; }
    const Entries& toDoRedizadoArray() const { return m_toDoRedizadoArray; }

    // Called once a change of the user's (added, checked, removed, renamed) is saved.
    void setChangedHandler(std::function<void()> handler) { m_changed = std::move(handler); }

    void awakeFromNib();
    // Reads the stored list afresh, for when another writer may have changed it.
    void retrieveData();
    void popoverWillShow();
    void makeJotlingFieldFirstResponder();
    // The entry field's editing ends (Return, or the focus went elsewhere): its text becomes an item.
    bool textShouldEndEditing(QObject* control);

private:
    // The stored list as it is now.
    Entries storedEntries() const;
    void loadStoredList();
    // The stored list as it is now, with one change made to it; shown and saved.
    void adopt(Entries current);
    void seedFirstStart();
    // Selects the stored category; true when that changed the segment.
    bool restoreCategory();
    void filterRedizado();
    // The list and its count in one write, the count stored before the post: observers read it back.
    void trackToDoCount();
    void saveData();
    void changed();

    const Entries& shownList(bool todo) const { return todo ? m_toDoRedizadoArray : m_redizadoArray; }
    std::int64_t count(bool todo) const override;
    std::optional<QString> titleAt(std::int64_t row, bool todo) const override;
    bool isCheckedAt(std::int64_t row, bool todo) const override;
    ItemKey keyAt(std::int64_t row, bool todo) const override;
    std::int64_t rowOf(const ItemKey& key, bool todo) const override;
    void add(const QString& title) override;
    bool toggle(std::int64_t row, bool todo) override;
    bool remove(std::int64_t row, bool todo) override;
    bool rename(std::int64_t row, bool todo, const QString& title) override;

    UserDefaults& m_defaults;
    NotificationCenter& m_center;
    Entries m_redizadoArray;
    Entries m_toDoRedizadoArray;
    std::vector<NotificationCenter::ObserverId> m_observers;
    std::unique_ptr<Ui::PopoverPanel> m_ui;
    QPointer<QWidget> m_view;
    std::unique_ptr<ListCore> m_list;
    std::function<void()> m_changed;
    // While a change of ours is handed on: the manager's reading it back is no news to us.
    bool m_handingOn = false;
};
