// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLTableView.h"

#include "TableAccessible.h"

#include <QPropertyAnimation>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <utility>

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

QWidget* JLTableView::makeViewWithIdentifier(const QString& identifier, QObject* owner,
                                             const std::function<bool(const QWidget*)>& fits) {
    // A fitting cell of the rows shown before, else a spare one, else any shown before, else a new one.
    const auto takeShown = [this, &identifier](const std::function<bool(const QWidget*)>& match) -> QWidget* {
        const auto found = std::find_if(m_reloaded.begin(), m_reloaded.end(), [&](const QWidget* cell) {
            return cell->property(identifierProperty).toString() == identifier && (!match || match(cell));
        });
        if (found == m_reloaded.end())
            return nullptr;
        QWidget* cell = *found;
        m_reloaded.erase(found);
        return cell;
    };
    if (QWidget* cell = takeShown(fits))
        return cell;
    auto& spare = m_spareCells[identifier];
    if (!spare.empty()) {
        QWidget* cell = spare.back();
        spare.pop_back();
        return cell;
    }
    if (QWidget* cell = takeShown({}))
        return cell;
    const auto found = m_templates.find(identifier);
    if (found == m_templates.end())
        return nullptr;
    QWidget* cell = found->second(owner);
    cell->setParent(viewport());
    cell->setProperty(identifierProperty, identifier);
    return cell;
}

void JLTableView::reloadData() {
    // Put away only once the rows are placed: a reload that changes nothing hides and shows nothing.
    for (const auto& [row, cell] : m_cells)
        m_reloaded.push_back(cell);
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
    if (m_unmeasured > 0) {
        // The row and those that can share the sight above it are measured first, so it stays where it is put.
        measureRows(row, row);
        std::int64_t first = row;
        for (int above = 0; first > 0 && above < viewport()->height();) {
            --first;
            measureRows(first, first);
            above += rowTop(first + 1) - rowTop(first);
        }
    }
    const int top = rowTop(row);
    const int bottom = rowTop(row + 1);
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + viewport()->height())
        bar->setValue(std::min(top, bottom - viewport()->height()));
}

void JLTableView::measureRows(std::int64_t first, std::int64_t last) {
    if (m_unmeasured == 0 || numberOfRows() == 0)
        return;
    QScrollBar* bar = verticalScrollBar();
    const std::int64_t anchor = rowAtOffset(bar->value());
    const int onScreen = rowTop(anchor) - bar->value();
    measure(first, last, anchor);
    // The rows in sight moved only if the scroll bar could not follow them.
    if (rowTop(anchor) - bar->value() != onScreen)
        layoutCells(false);
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
    if (!m_scrolling)
        layoutCells(false);
}

void JLTableView::readHeights() {
    // The first row in sight and how far into it the view starts, to find the same place among new heights.
    std::int64_t anchor = -1;
    int anchorOffset = 0;
    if (numberOfRows() > 0) {
        anchor = rowAtOffset(verticalScrollBar()->value());
        anchorOffset = verticalScrollBar()->value() - rowTop(anchor);
    }
    m_loaded = true;
    m_measuredWidth = viewport()->width();
    const std::int64_t count =
        m_dataSource ? std::max<std::int64_t>(0, m_dataSource->numberOfRowsInTableView(*this)) : 0;
    const double estimate = m_delegate ? m_delegate->estimatedRowHeight(*this) : 0.0;
    const auto size = static_cast<std::size_t>(count);
    if (estimate > 0.0) {
        // Only the rows that come into sight are measured, as they come.
        m_heights.assign(size, estimate);
        m_measured.assign(size, false);
        m_unmeasured = count;
        // The row the view starts in is measured at once, so the view starts as far into it as before.
        if (anchor >= 0 && anchor < count && m_delegate) {
            const auto i = static_cast<std::size_t>(anchor);
            m_heights[i] = std::max(0.0, m_delegate->heightOfRow(*this, anchor));
            m_measured[i] = true;
            --m_unmeasured;
        }
    } else {
        m_heights.assign(size, 0.0);
        for (std::int64_t row = 0; row < count; ++row)
            m_heights[static_cast<std::size_t>(row)] =
                m_delegate ? std::max(0.0, m_delegate->heightOfRow(*this, row)) : 0.0;
        m_measured.assign(size, true);
        m_unmeasured = 0;
    }
    m_tops.assign(size + 1, 0);
    verticalScrollBar()->setPageStep(viewport()->height());
    setTopsFrom(0);
    if (estimate > 0.0 && anchor >= 0 && anchor < count)
        setScrollValue(rowTop(anchor) + anchorOffset);
}

void JLTableView::updateHeights(std::int64_t row, int change) {
    // Rows that stay keep their heights, so only the new row is measured; anything unexpected measures all again.
    const std::int64_t count = m_dataSource ? m_dataSource->numberOfRowsAfterChange(*this, row, change) : 0;
    const auto at = static_cast<std::size_t>(row);
    const bool fits =
        row >= 0 && count == numberOfRows() + change && (change > 0 ? row <= numberOfRows() : row < numberOfRows());
    if (!fits || !m_delegate) {
        readHeights();
        return;
    }
    const auto offset = static_cast<std::ptrdiff_t>(at);
    if (change > 0) {
        m_heights.insert(m_heights.begin() + offset, std::max(0.0, m_delegate->heightOfRow(*this, row)));
        m_measured.insert(m_measured.begin() + offset, true);
    } else {
        if (!m_measured[at])
            --m_unmeasured;
        m_heights.erase(m_heights.begin() + offset);
        m_measured.erase(m_measured.begin() + offset);
    }
    m_tops.resize(m_heights.size() + 1);
    setTopsFrom(row);
}

void JLTableView::measureRowsInSight() {
    // Each pass measures the rows that came into sight, one after the other, as each one's height decides
    // whether the next is in sight too.
    QScrollBar* bar = verticalScrollBar();
    while (m_unmeasured > 0 && numberOfRows() > 0) {
        const int top = bar->value();
        const int bottom = top + viewport()->height();
        const std::int64_t first = rowAtOffset(top);
        // Rows already in sight stay put while rows coming in above them are measured.
        std::int64_t anchor = first;
        for (std::int64_t row = first; row < numberOfRows() && rowTop(row) < bottom; ++row) {
            if (m_measured[static_cast<std::size_t>(row)]) {
                anchor = row;
                break;
            }
        }
        const int anchorOffset = rowTop(anchor) - top;
        // Rows below the first one measured move with it.
        bool changed = false;
        std::int64_t row = first;
        for (; row < numberOfRows() && rowTop(row) < bottom; ++row) {
            const auto i = static_cast<std::size_t>(row);
            if (!m_measured[i] && m_delegate) {
                m_heights[i] = std::max(0.0, m_delegate->heightOfRow(*this, row));
                m_measured[i] = true;
                --m_unmeasured;
                changed = true;
            }
            if (changed)
                m_tops[i + 1] = m_tops[i] + static_cast<int>(std::lround(m_heights[i]));
        }
        if (!changed)
            return;
        setTopsFrom(row);
        setScrollValue(rowTop(anchor) - anchorOffset);
    }
}

void JLTableView::measure(std::int64_t first, std::int64_t last, std::int64_t anchor) {
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, numberOfRows() - 1);
    if (!m_delegate)
        return;
    const int anchorOffset = anchor >= 0 ? rowTop(anchor) - verticalScrollBar()->value() : 0;
    std::int64_t changed = -1;
    for (std::int64_t row = first; row <= last; ++row) {
        const auto i = static_cast<std::size_t>(row);
        if (m_measured[i])
            continue;
        m_heights[i] = std::max(0.0, m_delegate->heightOfRow(*this, row));
        m_measured[i] = true;
        --m_unmeasured;
        if (changed < 0)
            changed = row;
    }
    if (changed < 0)
        return;
    setTopsFrom(changed);
    if (anchor >= 0)
        setScrollValue(rowTop(anchor) - anchorOffset);
}

void JLTableView::setTopsFrom(std::int64_t row) {
    for (auto i = static_cast<std::size_t>(row); i < m_heights.size(); ++i)
        m_tops[i + 1] = m_tops[i] + static_cast<int>(std::lround(m_heights[i]));
    const bool scrolling = std::exchange(m_scrolling, true);
    verticalScrollBar()->setRange(0, std::max(0, m_tops.back() - viewport()->height()));
    m_scrolling = scrolling;
}

std::int64_t JLTableView::rowAtOffset(int y) const {
    const auto after = std::upper_bound(m_tops.begin(), m_tops.end() - 1, y) - m_tops.begin();
    return std::clamp<std::int64_t>(after - 1, 0, numberOfRows() - 1);
}

void JLTableView::setScrollValue(int value) {
    const bool scrolling = std::exchange(m_scrolling, true);
    verticalScrollBar()->setValue(value);
    m_scrolling = scrolling;
}

int JLTableView::rowTop(std::int64_t row) const {
    return m_tops.at(static_cast<std::size_t>(row));
}

void JLTableView::layoutCells(bool animate) {
    measureRowsInSight();
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
    for (QWidget* cell : std::exchange(m_reloaded, {}))
        recycle(cell);
    emit cellsLaidOut();
}

void JLTableView::recycle(QWidget* cell) {
    cell->hide();
    m_spareCells[cell->property(identifierProperty).toString()].push_back(cell);
}
