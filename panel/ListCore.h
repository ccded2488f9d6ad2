// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JLRedizadoCellOwner.h"
#include "JLTableView.h"
#include "ListItems.h"
#include "NotificationCenter.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class Announcer;
class JLSegmentedControl;
class QCheckBox;
class QLineEdit;
class QPushButton;
class UserDefaults;

// The controls a list works with, from its controller's interface description.
struct ListWidgets {
    JLTableView* table = nullptr;
    QLineEdit* entryField = nullptr;
    JLSegmentedControl* categorySwitcher = nullptr;
    QPushButton* editButton = nullptr;
    QPushButton* settingsButton = nullptr;
    QWidget* settingsPane = nullptr;
    QCheckBox* hideAfterEntryCheckBox = nullptr;
};

// Where the panel's and the popover's rows differ: how tall a title makes a row, how rows come and go.
struct RowStyle {
    double (*rowHeight)(const std::optional<QString>& title, double tableWidth) = nullptr;
    // A new row slides in with this; with None the whole table is read again instead.
    JLTableView::Animation added = JLTableView::Animation::SlideLeft;
    JLTableView::Animation removed = JLTableView::Animation::SlideRight;
    // Rows not yet near sight are taken to be this tall until measured.
    double estimatedRowHeight = 0.0;
};

// The list both controllers show: rows and cells over their items, the category, edit mode, the settings pane
// and the row buttons. The view states live in the controls and are read from them each time.
class ListCore final : public QObject,
                       public JLTableViewDataSource,
                       public JLTableViewDelegate,
                       public JLRedizadoCellOwner {
    Q_OBJECT
public:
    ListCore(ListItems& items, UserDefaults& defaults, const ListWidgets& widgets, RowStyle style,
             QObject* parent = nullptr);
    ~ListCore() override;

signals:
    // An item was added while "hide after entry" is on.
    void hideAfterEntryRequested();

public:
    const ListWidgets& widgets() const { return m_widgets; }
    // Segment 0 shows the to-do list, any other the full list.
    bool inTodoCategory() const;
    bool inEditMode() const;
    std::int64_t rowCount() const;

    // Fills the hide-after-entry check box from the stored setting.
    void awakeFromNib();

    void createNewJotling();
    // A row of the table: the item it shows is changed wherever the list holds it now.
    void toggleEntryCompletionAtIndex(std::int64_t row);
    void removeEntryAtIndex(std::int64_t row);
    void rowButtonClicked(QWidget* sender) override;
    void entryChanged(QWidget* sender) override;
    // Stores a title edit in progress, however it began, while its row still shows the item it belongs to.
    void endTitleEditing();

    void switchCategories();
    void enterEditMode();
    void showSettings();
    // Leaves the settings pane for the list, if it shows.
    void showList();
    // Every showing opens on the list in normal mode.
    void leaveSettingsAndEditMode();
    void toggleHideAfterEntry();

    // The to-do count on the To Do segment, where a person looks for it: shown now, after every change that reaches
    // the table and, with a center, at each count the store posts, which also comes when no row changes.
    void followToDoCount(NotificationCenter& center);
    void showToDoCount();

    // Tells a screen reader of a change made away from the focus.
    void announce(const QString& message);
    // Has the row the keyboard lands on, once LEAVING has gone, say MESSAGE first; false when no row will, and the
    // message is the caller's to announce.
    bool sayBeforeTheNextRow(QWidget* leaving, const QString& message);
    const Announcer& announcer() const { return *m_announcer; }
    // Said after a removal, where it can be taken back.
    void setRemovalHint(const QString& hint) { m_removalHint = hint; }

    std::int64_t numberOfRowsInTableView(JLTableView& tableView) override;
    std::int64_t numberOfRowsAfterChange(JLTableView& tableView, std::int64_t row, int change) override;
    double heightOfRow(JLTableView& tableView, std::int64_t row) override;
    double estimatedRowHeight(JLTableView&) override { return m_style.estimatedRowHeight; }
    QWidget* viewForRow(JLTableView& tableView, std::int64_t row) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool holdsRow(std::int64_t row) const;
    // Where the list holds now the item a row of the table shows; -1 when it has gone.
    std::int64_t itemRow(std::int64_t tableRow) const;
    void orderTabStops();
    void syncSettingsPane();

    ListItems& m_items;
    // The item of each row of the table, as it last read the list: a list replaced under it meanwhile has
    // other items in those rows.
    std::vector<ListItems::ItemKey> m_rowKeys;
    UserDefaults& m_defaults;
    ListWidgets m_widgets;
    RowStyle m_style;
    Announcer* m_announcer = nullptr;
    QString m_removalHint;
    bool m_countFollowed = false;
    NotificationCenter* m_center = nullptr;
    NotificationCenter::ObserverId m_countObserver = 0;
};
