// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BackgroundGeometry.h"
#include "ListCore.h"
#include "ListItems.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class JLJotling;
class JLJotlingManager;
class JLRedizadoViewControllerDelegate;
class JLRedizadoWindow;
class NotificationCenter;
struct PanelFrame;
class PanelKeys;
class PanelUndo;
class QComboBox;
class QMessageBox;
class SyncControl;
class SyncSettings;
namespace Ui {
class RedizadoPanel;
}

// The panel's list over the item manager, which stores every change at once; the panel's own settings, keys,
// undo, placement and about message.
class JLRedizadoViewController final : public QObject, private ListItems {
    Q_OBJECT
public:
    // The center is the one the manager posts on: the To Do segment's count follows each count it posts.
    JLRedizadoViewController(UserDefaults& defaults, JLJotlingManager& manager, NotificationCenter& center,
                             QObject* parent = nullptr);
    ~JLRedizadoViewController() override;

signals:
    // Esc: the panel is to hide and hand the focus back, as when it loses the focus.
    void hideRequested();
    // Just before a user's change of an item goes to the item manager, with the item as it still is.
    void jotlingWillBeRemoved(std::shared_ptr<JLJotling> jotling);
    void jotlingWillBeChecked(std::shared_ptr<JLJotling> jotling, bool completed);
    void jotlingWillBeRenamed(std::shared_ptr<JLJotling> jotling, const QString& title);

public:
    JLRedizadoViewControllerDelegate* delegate() const { return m_delegate; }
    void setDelegate(JLRedizadoViewControllerDelegate* delegate) { m_delegate = delegate; }
    // The tray's thickness, which the panel hangs below.
    void setStatusBarThickness(std::function<double()> thickness) { m_statusBarThickness = std::move(thickness); }

    ListCore& list() const { return *m_list; }
    QWidget* view() const { return m_view; }
    JLTableView* redizadoTableView() const { return m_list->widgets().table; }
    QLineEdit* entryField() const { return m_list->widgets().entryField; }
    JLSegmentedControl* categorySwitcher() const { return m_list->widgets().categorySwitcher; }
    QPushButton* editButton() const { return m_list->widgets().editButton; }
    QPushButton* settingsButton() const { return m_list->widgets().settingsButton; }
    // The table scrolls its own rows, so it is its own scroll view.
    JLTableView* tableScrollView() const { return redizadoTableView(); }
    QWidget* settingsPane() const { return m_list->widgets().settingsPane; }
    QCheckBox* hideAfterEntryCheckBox() const { return m_list->widgets().hideAfterEntryCheckBox; }
    QCheckBox* launchAtLoginCheckBox() const;
    QCheckBox* showToDoCountCheckBox() const;
    QCheckBox* alternateIconCheckBox() const;
    QCheckBox* shortcutCheckBox() const;
    QWidget* shortcutView() const;
    QPushButton* aboutButton() const;
    // The shortcut view's pop-ups, for the shortcut selector.
    QComboBox* modifierSelector1() const;
    QComboBox* modifierSelector2() const;
    QComboBox* keySelector() const;

    void awakeFromNib();
    void showWithWindow(JLRedizadoWindow& window, QPointF point);
    // At a frame worked out for the window's size, its arrow where the frame says.
    void showWithWindow(JLRedizadoWindow& window, const PanelFrame& frame);
    void showWithWindow(JLRedizadoWindow& window);
    void hideWithWindow(JLRedizadoWindow& window);

    // The item a row of the current category shows; nothing outside the list.
    std::shared_ptr<JLJotling> jotlingAtIndex(std::int64_t row);
    void toggleEntryCompletionAtIndex(std::int64_t row) { m_list->toggleEntryCompletionAtIndex(row); }
    void removeEntryAtIndex(std::int64_t row) { m_list->removeEntryAtIndex(row); }

    void showSettings(QObject*) { m_list->showSettings(); }
    void toggleLanuchAtLogin();
    void toggleShowToDoCount();
    void toggleIcon();
    void toggleShortcut();
    void aboutMessage(QObject* sender);
    // How the about message runs and how the site opens; tests answer for the user.
    void setRunModal(std::function<void(QMessageBox&)> runModal) { m_runModal = std::move(runModal); }
    void setOpenUrl(std::function<void(const QUrl&)> openUrl) { m_openUrl = std::move(openUrl); }
    // The sync section of the settings pane works over this one; with nothing, the section is hidden.
    void setSyncControl(SyncControl* control);
    SyncSettings* syncSettings() const { return m_sync.get(); }

    static constexpr const char* frameAutosaveName = "RedizadoView";

    // The keyboard side of the panel and the undo of this run's changes.
    PanelKeys& panelKeys() const { return *m_keys; }
    PanelUndo& panelUndo() const { return *m_undo; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    JLJotlingManager& manager() const;
    void pointArrow(JLRedizadoWindow& window, ArrowEdge edge, double x);
    void fitMarginsToArrow(std::optional<ArrowEdge> edge);

    // The items are the manager's.
    std::int64_t count(bool todo) const override;
    std::optional<QString> titleAt(std::int64_t row, bool todo) const override;
    bool isCheckedAt(std::int64_t row, bool todo) const override;
    ItemKey keyAt(std::int64_t row, bool todo) const override;
    std::vector<ItemKey> keys(bool todo) const override;
    std::int64_t rowOf(const ItemKey& key, bool todo) const override;
    void add(const QString& title) override;
    bool toggle(std::int64_t row, bool todo) override;
    bool remove(std::int64_t row, bool todo) override;
    bool rename(std::int64_t row, bool todo, const QString& title) override;
    std::shared_ptr<JLJotling> recordAt(std::int64_t row, bool todo) const;
    // A sync or a reload replaced the manager's list: the rows show it, an edit under way goes to its own item.
    void listReplaced();

    UserDefaults& m_defaults;
    JLJotlingManager& m_manager;
    NotificationCenter& m_center;
    JLRedizadoViewControllerDelegate* m_delegate = nullptr;
    std::function<double()> m_statusBarThickness;
    std::function<void(QMessageBox&)> m_runModal;
    std::function<void(const QUrl&)> m_openUrl;
    std::unique_ptr<Ui::RedizadoPanel> m_ui;
    QPointer<QWidget> m_view;
    std::unique_ptr<ListCore> m_list;
    std::unique_ptr<PanelUndo> m_undo;
    std::unique_ptr<PanelKeys> m_keys;
    std::unique_ptr<SyncSettings> m_sync;
    QMetaObject::Connection m_syncControlGone;
    NotificationCenter::ObserverId m_replacedObserver = 0;
    int m_arrowMargin = 0;
    int m_bodyMargin = 0;
};
