// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BackgroundGeometry.h"
#include "JLRedizadoCellOwner.h"
#include "JLTableView.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <QRectF>

#include <functional>
#include <memory>
#include <optional>

class JLJotling;
class JLJotlingManager;
class JLRedizadoViewControllerDelegate;
class JLRedizadoWindow;
class JLSegmentedControl;
class JLTextField;
class PanelKeys;
class PanelUndo;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMessageBox;
class QPushButton;
class UserDefaults;
namespace Ui {
class RedizadoPanel;
}

// The panel's list: which of the item lists shows, the rows, and turning clicks and typing into item changes.
// It holds no item data; every change goes to the item manager, which stores it at once.
class JLRedizadoViewController final : public QObject,
                                       public JLTableViewDataSource,
                                       public JLTableViewDelegate,
                                       public JLRedizadoCellOwner {
    Q_OBJECT
public:
    // Without a manager every use goes to the shared one.
    explicit JLRedizadoViewController(UserDefaults& defaults, JLJotlingManager* manager = nullptr,
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
    // Where the tray icon is (bottom-left coordinates; nothing when the tray does not say). Once given, the panel
    // is kept whole on the icon's screen, above the icon when the tray is at the bottom.
    void setIconFrame(std::function<std::optional<QRectF>()> iconFrame) { m_iconFrame = std::move(iconFrame); }

    QWidget* view() const { return m_view; }
    JLTableView* redizadoTableView() const;
    QLineEdit* entryField() const;
    JLSegmentedControl* categorySwitcher() const;
    QPushButton* editButton() const;
    QPushButton* settingsButton() const;
    // The table scrolls its own rows, so it is its own scroll view.
    JLTableView* tableScrollView() const { return redizadoTableView(); }
    QCheckBox* hideAfterEntryCheckBox() const;
    QCheckBox* launchAtLoginCheckBox() const;
    QCheckBox* showToDoCountCheckBox() const;
    QCheckBox* alternateIconCheckBox() const;
    QCheckBox* shortcutCheckBox() const;
    QWidget* shortcutView() const;
    QPushButton* aboutButton() const;
    QWidget* settingsPane() const;
    // The shortcut view's pop-ups, for the shortcut selector.
    QComboBox* modifierSelector1() const;
    QComboBox* modifierSelector2() const;
    QComboBox* keySelector() const;

    void awakeFromNib();
    void showWithWindow(JLRedizadoWindow& window, QPointF point);
    void showWithWindow(JLRedizadoWindow& window);
    void hideWithWindow(JLRedizadoWindow& window);

    std::shared_ptr<JLJotling> jotlingAtIndex(std::int64_t row);
    void toggleEntryCompletionAtIndex(std::int64_t row);
    void removeEntryAtIndex(std::int64_t row);

    void createNewJotling(QObject* sender);
    void switchCategories(QObject* sender);
    // Stores a title edit in progress, however it began, while its row still shows the item it belongs to.
    void endTitleEditing();
    void enterEditMode(QObject* sender);
    void rowButtonClicked(QWidget* sender) override;
    void entryChanged(QWidget* sender) override;

    void showSettings(QObject* sender);
    // Leaves the settings pane for the list, if it shows.
    void showList();
    void toggleLanuchAtLogin();
    void toggleShowToDoCount();
    void toggleIcon();
    void toggleHideAfterEntry();
    void toggleShortcut();
    void aboutMessage(QObject* sender);
    // How the about message runs and how the site opens; tests answer for the user.
    void setRunModal(std::function<void(QMessageBox&)> runModal) { m_runModal = std::move(runModal); }
    void setOpenUrl(std::function<void(const QUrl&)> openUrl) { m_openUrl = std::move(openUrl); }

    std::int64_t numberOfRowsInTableView(JLTableView& tableView) override;
    double heightOfRow(JLTableView& tableView, std::int64_t row) override;
    QWidget* viewForRow(JLTableView& tableView, std::int64_t row) override;

    static constexpr const char* frameAutosaveName = "RedizadoView";

    // The keyboard side of the panel and the undo of this run's changes.
    PanelKeys& panelKeys() const { return *m_keys; }
    PanelUndo& panelUndo() const { return *m_undo; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    JLJotlingManager& manager() const;
    bool inTodoCategory() const;
    bool inEditMode() const;
    void connectActions();
    void syncSettingsPane();
    void pointArrow(JLRedizadoWindow& window, ArrowEdge edge, double x);
    void fitMarginsToArrow(std::optional<ArrowEdge> edge);

    UserDefaults& m_defaults;
    JLJotlingManager* m_manager;
    JLRedizadoViewControllerDelegate* m_delegate = nullptr;
    std::function<double()> m_statusBarThickness;
    std::function<std::optional<QRectF>()> m_iconFrame;
    std::function<void(QMessageBox&)> m_runModal;
    std::function<void(const QUrl&)> m_openUrl;
    std::unique_ptr<Ui::RedizadoPanel> m_ui;
    QPointer<QWidget> m_view;
    std::unique_ptr<PanelUndo> m_undo;
    std::unique_ptr<PanelKeys> m_keys;
    int m_arrowMargin = 0;
    int m_bodyMargin = 0;
};
