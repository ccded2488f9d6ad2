// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoViewController.h"

#include "JLJotlingManager.h"
#include "JLRedizadoBackgroundView.h"
#include "JLRedizadoViewControllerDelegate.h"
#include "JLRedizadoWindow.h"
#include "NotificationCenter.h"
#include "PanelKeys.h"
#include "PanelPlacement.h"
#include "PanelUndo.h"
#include "RowHeight.h"
#include "SavedWindowFrames.h"
#include "ScreenCoordinates.h"
#include "SyncSettings.h"
#include "UserDefaults.h"
#include "ui_RedizadoPanel.h"

#include <QEvent>

JLRedizadoViewController::JLRedizadoViewController(UserDefaults& defaults, JLJotlingManager& manager,
                                                   NotificationCenter& center, QObject* parent)
    : QObject(parent), m_defaults(defaults), m_manager(manager), m_center(center),
      m_statusBarThickness([] { return 22.0; }), m_ui(std::make_unique<Ui::RedizadoPanel>()), m_view(new QWidget) {
    m_ui->setupUi(m_view);
    const QMargins margins = m_ui->panelLayout->contentsMargins();
    m_arrowMargin = std::max(margins.top(), margins.bottom());
    m_bodyMargin = std::min(margins.top(), margins.bottom());
    const ListWidgets widgets{
        m_ui->redizadoTableView, m_ui->entryField,   m_ui->categorySwitcher,      m_ui->editButton,
        m_ui->settingsButton,    m_ui->settingsPane, m_ui->hideAfterEntryCheckBox};
    m_list = std::make_unique<ListCore>(static_cast<ListItems&>(*this), defaults, widgets,
                                        RowStyle{&rowHeightForTitle, JLTableView::Animation::SlideLeft,
                                                 JLTableView::Animation::SlideRight, row_height::oneLine});
    connect(m_list.get(), &ListCore::hideAfterEntryRequested, this, [this] {
        if (m_delegate)
            m_delegate->hideAfterEntry();
    });
    connect(m_ui->aboutButton, &QPushButton::clicked, this, [this] { aboutMessage(m_ui->aboutButton); });
    m_undo = std::make_unique<PanelUndo>(*this, [this]() -> JLJotlingManager& { return this->manager(); });
    m_keys = std::make_unique<PanelKeys>(*this, *m_undo);
    connect(m_keys.get(), &PanelKeys::hideRequested, this, &JLRedizadoViewController::hideRequested);
    m_ui->syncSection->setHidden(true);
    // The settings scroll when the panel is too short for them all; the scroll area fills the pane's colour
    // itself, which its contents would otherwise paint over with the window's.
    m_ui->settingsContents->setAutoFillBackground(false);
    m_replacedObserver = m_center.addObserver(JLJotlingManager::listReplacedNotification, &m_manager,
                                              [this](const auto&) { listReplaced(); });
}

JLRedizadoViewController::~JLRedizadoViewController() {
    m_center.removeObserver(m_replacedObserver);
    // The keys watch the view's widgets and the focus; they go before the widgets do.
    m_sync.reset();
    m_keys.reset();
    m_undo.reset();
    delete m_view.data();
}

JLJotlingManager& JLRedizadoViewController::manager() const {
    return m_manager;
}

std::shared_ptr<JLJotling> JLRedizadoViewController::recordAt(std::int64_t row, bool todo) const {
    const auto& list = todo ? manager().todoRedizado() : manager().redizado();
    if (row < 0 || row >= static_cast<std::int64_t>(list.size()))
        return nullptr;
    return list[static_cast<std::size_t>(row)];
}

std::shared_ptr<JLJotling> JLRedizadoViewController::jotlingAtIndex(std::int64_t row) {
    return recordAt(row, m_list->inTodoCategory());
}

std::int64_t JLRedizadoViewController::count(bool todo) const {
    return static_cast<std::int64_t>(todo ? manager().todoRedizado().size() : manager().redizado().size());
}

std::optional<QString> JLRedizadoViewController::titleAt(std::int64_t row, bool todo) const {
    const auto item = recordAt(row, todo);
    if (!item || !item->title())
        return std::nullopt;
    return QString::fromStdString(*item->title());
}

bool JLRedizadoViewController::isCheckedAt(std::int64_t row, bool todo) const {
    const auto item = recordAt(row, todo);
    return item && item->completed();
}

// Asked for every row at each reload, so it only holds the record: its date is looked at when the row is sought.
ListItems::ItemKey JLRedizadoViewController::keyAt(std::int64_t row, bool todo) const {
    return recordAt(row, todo);
}

// At 100,000 items a reload takes them all: straight from the list, with no call for each row.
std::vector<ListItems::ItemKey> JLRedizadoViewController::keys(bool todo) const {
    const auto& list = todo ? manager().todoRedizado() : manager().redizado();
    return {list.begin(), list.end()};
}

std::int64_t JLRedizadoViewController::rowOf(const ItemKey& key, bool todo) const {
    if (!key)
        return -1;
    // Keys are records of this list; one read again from the store is the same item by its date object.
    const auto* noted = static_cast<const JLJotling*>(key.get());
    const plist_value::Date date = noted->dateCreated();
    const auto& list = todo ? manager().todoRedizado() : manager().redizado();
    const auto at = [&](auto same) {
        const auto found =
            std::find_if(list.begin(), list.end(), [&](const auto& record) { return record && same(*record); });
        return found == list.end() ? -1 : static_cast<std::int64_t>(found - list.begin());
    };
    // The record itself first: a copy sharing its date must not take its place.
    if (const auto row = at([&](const JLJotling& record) { return &record == noted; }); row >= 0 || !date)
        return row;
    return at([&](const JLJotling& record) { return record.dateCreated() == date; });
}

void JLRedizadoViewController::listReplaced() {
    // The edit is stored against the rows it was typed in, before they show other items.
    m_list->endTitleEditing();
    m_ui->redizadoTableView->reloadData();
}

void JLRedizadoViewController::add(const QString& title) {
    manager().addJotlingWithTitle(title.toStdString());
}

bool JLRedizadoViewController::toggle(std::int64_t row, bool todo) {
    const auto item = recordAt(row, todo);
    if (!item)
        return false;
    emit jotlingWillBeChecked(item, !item->completed());
    manager().completeEntry(!item->completed(), row, todo);
    return true;
}

bool JLRedizadoViewController::remove(std::int64_t row, bool todo) {
    if (!recordAt(row, todo))
        return false;
    emit jotlingWillBeRemoved(recordAt(row, todo));
    manager().removeEntryAtIndex(row, todo);
    return true;
}

// An emptied title is stored as it is.
bool JLRedizadoViewController::rename(std::int64_t row, bool todo, const QString& title) {
    emit jotlingWillBeRenamed(recordAt(row, todo), title);
    manager().renameEntry(title.toStdString(), row, todo);
    return true;
}

void JLRedizadoViewController::showWithWindow(JLRedizadoWindow& window, QPointF point) {
    const QSizeF size = windowFrame(window).size();
    const QPointF origin = panelOrigin(point, size, mainScreenFrame().height(), m_statusBarThickness());
    showWithWindow(window, PanelFrame{origin, ArrowEdge::Top, point.x() - origin.x()});
}

void JLRedizadoViewController::showWithWindow(JLRedizadoWindow& window, const PanelFrame& frame) {
    if (window.placement() == WindowPlacement::ByCompositor) {
        // The compositor puts the window where it likes and the background has no arrow.
        fitMarginsToArrow(std::nullopt);
        showWithWindow(window);
        return;
    }
    pointArrow(window, frame.arrowEdge, frame.arrowX);
    setWindowFrame(window, QRectF(frame.origin, windowFrame(window).size()));
    showWithWindow(window);
}

void JLRedizadoViewController::pointArrow(JLRedizadoWindow& window, ArrowEdge edge, double x) {
    if (auto* background = qobject_cast<JLRedizadoBackgroundView*>(window.contentView()))
        background->pointArrowAt(edge, x);
    fitMarginsToArrow(edge);
}

// The arrow's side keeps the wider margin the interface description gives, so the controls stay on the body;
// without an arrow both sides take the narrower one.
void JLRedizadoViewController::fitMarginsToArrow(std::optional<ArrowEdge> edge) {
    const QMargins m = m_ui->panelLayout->contentsMargins();
    m_ui->panelLayout->setContentsMargins(m.left(), edge == ArrowEdge::Top ? m_arrowMargin : m_bodyMargin, m.right(),
                                          edge == ArrowEdge::Bottom ? m_arrowMargin : m_bodyMargin);
}

void JLRedizadoViewController::showWithWindow(JLRedizadoWindow& window) {
    m_list->leaveSettingsAndEditMode();
    if (QWidget* content = window.contentView()) {
        if (m_view->parentWidget() != content) {
            m_view->setParent(content);
            // The content view lays out its one child over its whole area.
            content->installEventFilter(this);
        }
        m_view->setGeometry(content->rect());
        m_view->show();
    }
    window.makeKeyAndOrderFront();
}

void JLRedizadoViewController::hideWithWindow(JLRedizadoWindow& window) {
    saveFrameUsingName(m_defaults, window, QString::fromLatin1(frameAutosaveName));
    window.hide();
}

bool JLRedizadoViewController::eventFilter(QObject* watched, QEvent* event) {
    if (m_view && watched == m_view->parentWidget() && event->type() == QEvent::Resize)
        m_view->setGeometry(m_view->parentWidget()->rect());
    return QObject::eventFilter(watched, event);
}
