// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLRedizadoViewController.h"

#include "ControlState.h"
#include "JLJotlingManager.h"
#include "JLRedizadoBackgroundView.h"
#include "JLRedizadoTableViewCell.h"
#include "JLRedizadoViewControllerDelegate.h"
#include "JLRedizadoWindow.h"
#include "JLTextField.h"
#include "PanelKeys.h"
#include "PanelPlacement.h"
#include "PanelUndo.h"
#include "PreferencesKeys.h"
#include "RowHeight.h"
#include "SavedWindowFrames.h"
#include "ScreenCoordinates.h"
#include "UserDefaults.h"
#include "ui_RedizadoPanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QPalette>
#include <QToolButton>

namespace {
constexpr const char* editTitle = "Edit";
constexpr const char* doneTitle = "Done";
// A title as long as a whole file is still one item; the field must not cut it short.
constexpr int entryFieldMaxLength = 16 * 1024 * 1024;

QString fromStored(const std::optional<std::string>& title) {
    return title ? QString::fromStdString(*title) : QString();
}
} // namespace

JLRedizadoViewController::JLRedizadoViewController(UserDefaults& defaults, JLJotlingManager* manager, QObject* parent)
    : QObject(parent), m_defaults(defaults), m_manager(manager), m_statusBarThickness([] { return 22.0; }),
      m_ui(std::make_unique<Ui::RedizadoPanel>()), m_view(new QWidget) {
    m_ui->setupUi(m_view);
    const QMargins margins = m_ui->panelLayout->contentsMargins();
    m_arrowMargin = std::max(margins.top(), margins.bottom());
    m_bodyMargin = std::min(margins.top(), margins.bottom());
    m_ui->entryField->setMaxLength(entryFieldMaxLength);
    m_ui->redizadoTableView->setDataSource(this);
    m_ui->redizadoTableView->setDelegate(this);
    m_ui->redizadoTableView->registerTemplate(QString::fromLatin1(JLRedizadoTableViewCell::identifier),
                                              &JLRedizadoTableViewCell::makeWithOwner);
    // The settings pane takes the table's place exactly while the table is hidden, however it got hidden.
    m_ui->redizadoTableView->installEventFilter(this);
    m_ui->settingsPane->setHidden(true);
    // As solid as the list it stands in for: the body's slight translucency would let windows behind show.
    m_ui->settingsPane->setBackgroundRole(QPalette::Base);
    m_ui->settingsPane->setAutoFillBackground(true);
    connectActions();
    m_undo = std::make_unique<PanelUndo>(*this, [this]() -> JLJotlingManager& { return this->manager(); });
    m_keys = std::make_unique<PanelKeys>(*this, *m_undo);
    connect(m_keys.get(), &PanelKeys::hideRequested, this, &JLRedizadoViewController::hideRequested);
}

JLRedizadoViewController::~JLRedizadoViewController() {
    // The keys watch the view's widgets and the focus; they go before the widgets do.
    m_keys.reset();
    m_undo.reset();
    delete m_view.data();
}

void JLRedizadoViewController::connectActions() {
    connect(m_ui->entryField, &QLineEdit::returnPressed, this, [this] { createNewJotling(m_ui->entryField); });
    connect(m_ui->categorySwitcher, &JLSegmentedControl::segmentClicked, this,
            [this] { switchCategories(m_ui->categorySwitcher); });
    connect(m_ui->editButton, &QPushButton::clicked, this, [this] { enterEditMode(m_ui->editButton); });
    connect(m_ui->settingsButton, &QPushButton::clicked, this, [this] { showSettings(m_ui->settingsButton); });
    connect(m_ui->aboutButton, &QPushButton::clicked, this, [this] { aboutMessage(m_ui->aboutButton); });
}

JLTableView* JLRedizadoViewController::redizadoTableView() const {
    return m_ui->redizadoTableView;
}
QLineEdit* JLRedizadoViewController::entryField() const {
    return m_ui->entryField;
}
JLSegmentedControl* JLRedizadoViewController::categorySwitcher() const {
    return m_ui->categorySwitcher;
}
QPushButton* JLRedizadoViewController::editButton() const {
    return m_ui->editButton;
}
QPushButton* JLRedizadoViewController::settingsButton() const {
    return m_ui->settingsButton;
}
QCheckBox* JLRedizadoViewController::hideAfterEntryCheckBox() const {
    return m_ui->hideAfterEntryCheckBox;
}
QCheckBox* JLRedizadoViewController::launchAtLoginCheckBox() const {
    return m_ui->launchAtLoginCheckBox;
}
QCheckBox* JLRedizadoViewController::showToDoCountCheckBox() const {
    return m_ui->showToDoCountCheckBox;
}
QCheckBox* JLRedizadoViewController::alternateIconCheckBox() const {
    return m_ui->alternateIconCheckBox;
}
QCheckBox* JLRedizadoViewController::shortcutCheckBox() const {
    return m_ui->shortcutCheckBox;
}
QWidget* JLRedizadoViewController::shortcutView() const {
    return m_ui->shortcutView;
}
QPushButton* JLRedizadoViewController::aboutButton() const {
    return m_ui->aboutButton;
}
QWidget* JLRedizadoViewController::settingsPane() const {
    return m_ui->settingsPane;
}
QComboBox* JLRedizadoViewController::modifierSelector1() const {
    return m_ui->modifierSelector1ComboBox;
}
QComboBox* JLRedizadoViewController::modifierSelector2() const {
    return m_ui->modifierSelector2ComboBox;
}
QComboBox* JLRedizadoViewController::keySelector() const {
    return m_ui->keySelectorComboBox;
}

JLJotlingManager& JLRedizadoViewController::manager() const {
    return m_manager ? *m_manager : JLJotlingManager::sharedManager();
}

bool JLRedizadoViewController::inTodoCategory() const {
    return m_ui->categorySwitcher->selectedSegment() == 0;
}

bool JLRedizadoViewController::inEditMode() const {
    return m_ui->editButton->text() != QLatin1String(editTitle);
}

std::shared_ptr<JLJotling> JLRedizadoViewController::jotlingAtIndex(std::int64_t row) {
    const auto& list = inTodoCategory() ? manager().todoRedizado() : manager().redizado();
    if (row < 0 || row >= static_cast<std::int64_t>(list.size()))
        return nullptr;
    return list[static_cast<std::size_t>(row)];
}

std::int64_t JLRedizadoViewController::numberOfRowsInTableView(JLTableView&) {
    const auto& list = inTodoCategory() ? manager().todoRedizado() : manager().redizado();
    return static_cast<std::int64_t>(list.size());
}

double JLRedizadoViewController::heightOfRow(JLTableView&, std::int64_t row) {
    const auto item = jotlingAtIndex(row);
    std::optional<QString> title;
    if (item && item->title())
        title = QString::fromStdString(*item->title());
    return rowHeightForTitle(title, m_ui->redizadoTableView->viewport()->width());
}

QWidget* JLRedizadoViewController::viewForRow(JLTableView&, std::int64_t row) {
    auto* cell = qobject_cast<JLRedizadoTableViewCell*>(m_ui->redizadoTableView->makeViewWithIdentifier(
        QString::fromLatin1(JLRedizadoTableViewCell::identifier), this));
    if (!cell)
        return nullptr;
    const auto item = jotlingAtIndex(row);
    cell->titleLabel()->setStringValue(item ? fromStored(item->title()) : QString());
    setTag(*cell->titleLabel(), row);
    cell->checkBox()->setChecked(item && item->completed());
    const bool editing = inEditMode();
    cell->titleLabel()->setEditable(editing);
    setAlphaValue(*cell->removeButton(), editing ? 1.0 : 0.0);
    cell->removeButton()->setEnabled(editing);
    // Never disabled: in edit mode the check box is only see-through.
    setAlphaValue(*cell->checkBox(), editing ? 0.0 : 1.0);
    return cell;
}

void JLRedizadoViewController::createNewJotling(QObject*) {
    const QString text = m_ui->entryField->text();
    if (text.isEmpty())
        return;
    manager().addJotlingWithTitle(text.toStdString());
    m_ui->redizadoTableView->insertRows(0, JLTableView::Animation::SlideLeft);
    m_ui->entryField->setText(QString());
    if (m_defaults.boolForKey(keys::hideAfterEntry) && m_delegate)
        m_delegate->hideAfterEntry();
}

void JLRedizadoViewController::rowButtonClicked(QWidget* sender) {
    JLTableView* table = m_ui->redizadoTableView;
    const std::int64_t row = table->rowForView(sender);
    if (row < 0)
        return;
    if (tag(*sender) == 1) {
        toggleEntryCompletionAtIndex(row);
        return;
    }
    // A title being edited is stored before its row goes.
    endTitleEditing();
    removeEntryAtIndex(row);
}

void JLRedizadoViewController::toggleEntryCompletionAtIndex(std::int64_t row) {
    const auto item = jotlingAtIndex(row);
    if (!item)
        return;
    const bool todo = inTodoCategory();
    emit jotlingWillBeChecked(item, !item->completed());
    manager().completeEntry(!item->completed(), row, todo);
    if (todo)
        m_ui->redizadoTableView->removeRows(row, JLTableView::Animation::SlideRight);
}

void JLRedizadoViewController::removeEntryAtIndex(std::int64_t row) {
    const auto item = jotlingAtIndex(row);
    if (!item)
        return;
    emit jotlingWillBeRemoved(item);
    manager().removeEntryAtIndex(row, inTodoCategory());
    m_ui->redizadoTableView->removeRows(row, JLTableView::Animation::SlideRight);
}

void JLRedizadoViewController::entryChanged(QWidget* sender) {
    auto* label = qobject_cast<JLTextField*>(sender);
    if (!label)
        return;
    // Rows above may have come or gone since the cell was filled: ask the table where it is now.
    const std::int64_t row = m_ui->redizadoTableView->rowForView(label);
    if (row >= 0)
        setTag(*label, row);
    const auto item = jotlingAtIndex(tag(*label));
    if (!item)
        return;
    emit jotlingWillBeRenamed(item, label->stringValue());
    manager().renameEntry(label->stringValue().toStdString(), tag(*label), inTodoCategory());
}

void JLRedizadoViewController::endTitleEditing() {
    QWidget* table = m_ui->redizadoTableView;
    for (QWidget* w = m_view->window()->focusWidget(); w && w != table; w = w->parentWidget()) {
        if (auto* label = qobject_cast<JLTextField*>(w)) {
            label->clearFocus();
            return;
        }
    }
}

void JLRedizadoViewController::enterEditMode(QObject*) {
    m_ui->editButton->setText(QLatin1String(inEditMode() ? editTitle : doneTitle));
    m_ui->redizadoTableView->reloadData();
}

void JLRedizadoViewController::switchCategories(QObject*) {
    // Choosing a category is asking for the list, also from the settings pane.
    showList();
    m_defaults.setInteger(keys::switcherKey, inTodoCategory() ? 0 : 1);
    m_defaults.synchronize();
    m_ui->redizadoTableView->reloadData();
}

void JLRedizadoViewController::showWithWindow(JLRedizadoWindow& window, QPointF point) {
    if (window.placement() == WindowPlacement::ByCompositor) {
        // The compositor puts the window where it likes and the background has no arrow.
        fitMarginsToArrow(std::nullopt);
        showWithWindow(window);
        return;
    }
    const QRectF screen = mainScreenFrame();
    const QRectF frame = windowFrame(window);
    QPointF origin = panelOrigin(point, frame.size(), screen.height(), m_statusBarThickness());
    if (m_iconFrame) {
        const PanelFrame placed =
            panelFrameAtIcon(origin, frame.size(), point, m_iconFrame(), availableFrameOfScreenAt(point));
        origin = placed.origin;
        pointArrow(window, placed.arrowEdge, placed.arrowX);
    }
    setWindowFrame(window, QRectF(origin, frame.size()));
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
    showList();
    if (m_ui->editButton->text() == QLatin1String(doneTitle)) {
        m_ui->editButton->setText(QLatin1String(editTitle));
        m_ui->editButton->setChecked(false);
        m_ui->redizadoTableView->reloadData();
    }
    if (QWidget* content = window.contentView()) {
        if (m_view->parentWidget() != content) {
            m_view->setParent(content);
            m_view->setGeometry(content->rect());
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
    if (watched == m_ui->redizadoTableView && (event->type() == QEvent::Hide || event->type() == QEvent::Show))
        syncSettingsPane();
    else if (m_view && watched == m_view->parentWidget() && event->type() == QEvent::Resize)
        m_view->setGeometry(m_view->parentWidget()->rect());
    return QObject::eventFilter(watched, event);
}
