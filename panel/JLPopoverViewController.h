// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLRedizadoCellOwner.h"
#include "JLTableView.h"
#include "NotificationCenter.h"
#include "PropertyList.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <vector>

class JLSegmentedControl;
class QCheckBox;
class QLineEdit;
class QPushButton;
class UserDefaults;
namespace Ui {
class PopoverPanel;
}

// The list as the popover shows it. It keeps its own two lists of item dictionaries over the stored item list,
// writes every change through at once and keeps the stored to-do count itself.
class JLPopoverViewController final : public QObject,
                                      public JLTableViewDataSource,
                                      public JLTableViewDelegate,
                                      public JLRedizadoCellOwner {
    Q_OBJECT
public:
    // Entries are never changed in place: a change puts a new dictionary where the old one was.
    using Entry = std::shared_ptr<const plist_value::Dictionary>;
    using Entries = std::vector<Entry>;

    // Loads the stored list, or seeds it on the very first start, and follows the popover's notifications.
    JLPopoverViewController(UserDefaults& defaults, NotificationCenter& center, QObject* parent = nullptr);
    ~JLPopoverViewController() override;

    QWidget* view() const { return m_view; }
    JLTableView* redizadoTableView() const;
    QLineEdit* jotlingField() const;
    JLSegmentedControl* categorySwitcher() const;
    QPushButton* editButton() const;
    QPushButton* settingsButton() const;
    // The table scrolls its own rows, so it is its own scroll view.
    JLTableView* tableScrollView() const { return redizadoTableView(); }
    QCheckBox* hideAfterEntryCheckBox() const;
    QWidget* settingsPane() const;

    const Entries& redizadoArray() const { return m_redizadoArray; }
    const Entries& toDoRedizadoArray() const { return m_toDoRedizadoArray; }

    void awakeFromNib();
    // Reads the stored list afresh, for when another writer may have changed it.
    void retrieveData();
    void popoverWillShow();
    void makeJotlingFieldFirstResponder();

    void createNewJotling(QObject* sender);
    // The entry field's editing ends (Return, or the focus went elsewhere): its text becomes an item.
    bool textShouldEndEditing(QObject* control);
    void newJotling();
    void rowButtonClicked(QWidget* sender) override;
    void entryChanged(QWidget* sender) override;
    void toggleCheckOfEntryAtIndex(std::int64_t row);
    const Entries& checkEntryInAllRedizado(std::int64_t row, bool check);
    void removeEntryAtIndex(std::int64_t row);

    void switchCategories(QObject* sender);
    void enterEditMode(QObject* sender);
    void showSettings(QObject* sender);
    void toggleHideAfterEntry();

    const Entries& filterRedizado(const Entries& list);
    // The entry a row shows; nothing for a row outside the list.
    Entry currentDictionaryAtIndex(std::int64_t row) const;
    void trackToDoCount();
    void saveData();

    std::int64_t numberOfRowsInTableView(JLTableView& tableView) override;
    double heightOfRow(JLTableView& tableView, std::int64_t row) override;
    QWidget* viewForRow(JLTableView& tableView, std::int64_t row) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadStoredList();
    void seedFirstStart();
    bool showsFullList() const;
    // Selects the stored category; true when that changed the segment.
    bool restoreCategory();
    bool inEditMode() const;
    void connectActions();
    void syncSettingsPane();
    // Leaves the settings pane for the list, if it shows.
    void showList();

    UserDefaults& m_defaults;
    NotificationCenter& m_center;
    Entries m_redizadoArray;
    Entries m_toDoRedizadoArray;
    std::vector<NotificationCenter::ObserverId> m_observers;
    std::unique_ptr<Ui::PopoverPanel> m_ui;
    QPointer<QWidget> m_view;
};
