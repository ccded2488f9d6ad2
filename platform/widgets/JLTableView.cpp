// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLTableView.h"

#include "TableAccessible.h"

#include <QPropertyAnimation>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {
constexpr int animationMs = 150;
constexpr const char* identifierProperty = "redizadoCellIdentifier";

void moveAnimated(QWidget* cell, QPoint from, QPoint to, std::function<void()> done = {}) {
    auto* animation = new QPropertyAnimation(cell, "pos", cell);
    animation->setDuration(animationMs);
    animation->setStartValue(from);
    animation->setEndValue(to);
    if (done)
        QObject::connect(animation, &QPropertyAnimation::finished, cell, std::move(done));
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}
} // namespace

JLTableView::JLTableView(QWidget* parent) : QAbstractScrollArea(parent) {
    // Before anything asks how the table reads, which the first accessible name set on it does.
    installTableAccessibility();
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

JLTableView::~JLTableView() = default;

void JLTableView::registerTemplate(const QString& identifier, CellTemplate cellTemplate) {
    m_templates[identifier] = std::move(cellTemplate);
}

QWidget* JLTableView::makeViewWithIdentifier(const QString& identifier, QObject* owner) {
    auto& spare = m_spareCells[identifier];
    if (!spare.empty()) {
        QWidget* cell = spare.back();
        spare.pop_back();
        return cell;
    }
    const auto found = m_templates.find(identifier);
    if (found == m_templates.end())
        return nullptr;
    QWidget* cell = found->second(owner);
    cell->setParent(viewport());
    cell->setProperty(identifierProperty, identifier);
    return cell;
}

void JLTableView::reloadData() {
    for (const auto& [row, cell] : m_cells)
        recycle(cell);
    m_cells.clear();
    readHeights();
    layoutCells(false);
}

void JLTableView::insertRows(std::int64_t row, Animation animation) {
    std::map<std::int64_t, QWidget*> shifted;
    for (const auto& [r, cell] : m_cells)
        shifted[r >= row ? r + 1 : r] = cell;
    m_cells = std::move(shifted);
    updateHeights(row, +1);
    layoutCells(animation != Animation::None);
    QWidget* cell = viewAtRow(row, false);
    if (cell && (animation == Animation::SlideLeft || animation == Animation::SlideRight)) {
        const QPoint to = cell->pos();
        const int dx = animation == Animation::SlideLeft ? viewport()->width() : -viewport()->width();
        moveAnimated(cell, to + QPoint(dx, 0), to);
    }
    emit rowInserted(row, animation);
}

void JLTableView::removeRows(std::int64_t row, Animation animation) {
    QWidget* removed = nullptr;
    std::map<std::int64_t, QWidget*> shifted;
    for (const auto& [r, cell] : m_cells) {
        if (r == row)
            removed = cell;
        else
            shifted[r > row ? r - 1 : r] = cell;
    }
    m_cells = std::move(shifted);
    if (removed) {
        if (animation == Animation::SlideLeft || animation == Animation::SlideRight) {
            const int dx = animation == Animation::SlideLeft ? -viewport()->width() : viewport()->width();
            moveAnimated(removed, removed->pos(), removed->pos() + QPoint(dx, 0),
                         [this, removed] { recycle(removed); });
        } else {
            recycle(removed);
        }
    }
    updateHeights(row, -1);
    layoutCells(animation != Animation::None);
    emit rowRemoved(row, animation);
}

std::int64_t JLTableView::rowForView(const QWidget* view) const {
    for (const auto& [row, cell] : m_cells)
        if (cell == view || (view && cell->isAncestorOf(view)))
            return row;
    return -1;
}

std::vector<QWidget*> JLTableView::cellsInSight() const {
    std::vector<QWidget*> cells;
    cells.reserve(m_cells.size());
    for (const auto& [row, cell] : m_cells)
        cells.push_back(cell);
    return cells;
}

void JLTableView::scrollRowToVisible(std::int64_t row) {
    if (row < 0 || row >= numberOfRows())
        return;
    QScrollBar* bar = verticalScrollBar();
    const int top = rowTop(row);
    const int bottom = rowTop(row + 1);
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + viewport()->height())
        bar->setValue(std::min(top, bottom - viewport()->height()));
}

QWidget* JLTableView::viewAtRow(std::int64_t row, bool makeIfNecessary) {
    if (const auto found = m_cells.find(row); found != m_cells.end())
        return found->second;
    if (!makeIfNecessary || !m_delegate || row < 0 || row >= numberOfRows())
        return nullptr;
    QWidget* cell = m_delegate->viewForRow(*this, row);
    if (!cell)
        return nullptr;
    cell->setParent(viewport());
    // A reused cell may still be gliding to where its old row was.
    for (auto* animation : cell->findChildren<QPropertyAnimation*>(Qt::FindDirectChildrenOnly))
        animation->stop();
    cell->setGeometry(0, rowTop(row) - verticalScrollBar()->value(), viewport()->width(),
                      static_cast<int>(std::lround(rowHeight(row))));
    cell->show();
    m_cells[row] = cell;
    return cell;
}

void JLTableView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    // A new width (the panel resized, the scroll bar come or gone) may wrap titles to other line counts.
    if (m_loaded && viewport()->width() != m_measuredWidth)
        readHeights();
    layoutCells(false);
}

void JLTableView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (!m_loaded)
        reloadData();
}

void JLTableView::scrollContentsBy(int, int) {
    layoutCells(false);
}

void JLTableView::readHeights() {
    m_loaded = true;
    m_measuredWidth = viewport()->width();
    const std::int64_t count =
        m_dataSource ? std::max<std::int64_t>(0, m_dataSource->numberOfRowsInTableView(*this)) : 0;
    m_heights.assign(static_cast<std::size_t>(count), 0.0);
    m_tops.assign(static_cast<std::size_t>(count) + 1, 0);
    for (std::int64_t row = 0; row < count; ++row) {
        const auto i = static_cast<std::size_t>(row);
        m_heights[i] = m_delegate ? std::max(0.0, m_delegate->heightOfRow(*this, row)) : 0.0;
        m_tops[i + 1] = m_tops[i] + static_cast<int>(std::lround(m_heights[i]));
    }
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, m_tops.back() - viewport()->height()));
}

void JLTableView::updateHeights(std::int64_t row, int change) {
    // Rows that stay keep their heights, so only the new row is measured; anything unexpected measures all again.
    const std::int64_t count = m_dataSource ? m_dataSource->numberOfRowsInTableView(*this) : 0;
    const auto at = static_cast<std::size_t>(row);
    const bool fits =
        row >= 0 && count == numberOfRows() + change && (change > 0 ? row <= numberOfRows() : row < numberOfRows());
    if (!fits || !m_delegate) {
        readHeights();
        return;
    }
    if (change > 0)
        m_heights.insert(m_heights.begin() + static_cast<std::ptrdiff_t>(at),
                         std::max(0.0, m_delegate->heightOfRow(*this, row)));
    else
        m_heights.erase(m_heights.begin() + static_cast<std::ptrdiff_t>(at));
    m_tops.resize(m_heights.size() + 1);
    for (std::size_t i = at; i < m_heights.size(); ++i)
        m_tops[i + 1] = m_tops[i] + static_cast<int>(std::lround(m_heights[i]));
    verticalScrollBar()->setRange(0, std::max(0, m_tops.back() - viewport()->height()));
}

int JLTableView::rowTop(std::int64_t row) const {
    return m_tops.at(static_cast<std::size_t>(row));
}

void JLTableView::layoutCells(bool animate) {
    const int top = verticalScrollBar()->value();
    const int bottom = top + viewport()->height();
    const auto first = std::upper_bound(m_tops.begin(), m_tops.end(), top) - m_tops.begin() - 1;
    const std::int64_t firstVisible = std::max<std::int64_t>(0, first);
    for (auto it = m_cells.begin(); it != m_cells.end();) {
        const bool inSight = it->first < numberOfRows() && rowTop(it->first) < bottom && rowTop(it->first + 1) > top;
        if (inSight) {
            ++it;
            continue;
        }
        recycle(it->second);
        it = m_cells.erase(it);
    }
    for (std::int64_t row = firstVisible; row < numberOfRows() && rowTop(row) < bottom; ++row) {
        const bool isNew = !m_cells.contains(row);
        QWidget* cell = viewAtRow(row, true);
        if (!cell || isNew)
            continue;
        const QRect target(0, rowTop(row) - top, viewport()->width(), static_cast<int>(std::lround(rowHeight(row))));
        const QPoint from = cell->pos();
        cell->setGeometry(target);
        if (animate && from != target.topLeft())
            moveAnimated(cell, from, target.topLeft());
    }
    emit cellsLaidOut();
}

void JLTableView::recycle(QWidget* cell) {
    cell->hide();
    m_spareCells[cell->property(identifierProperty).toString()].push_back(cell);
}
