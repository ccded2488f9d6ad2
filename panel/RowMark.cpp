// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowMark.h"

#include "JLJotling.h"
#include "JLRedizadoViewController.h"
#include "RowAccessible.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {
// A soft band in the highlight colour with a crisp edge; it is painted under the row's text, so the
// title keeps its contrast.
class MarkView final : public QWidget {
public:
    MarkView() {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(QStringLiteral("rowMark"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor band = palette().color(QPalette::Highlight);
        const QColor edge = band;
        band.setAlphaF(0.18f);
        painter.setBrush(band);
        painter.setPen(QPen(edge, 1.0));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4.0, 4.0);
    }
};
} // namespace

RowMark::RowMark(JLRedizadoViewController& panel, QObject* parent)
    : QObject(parent), m_panel(panel), m_view(new MarkView) {
    // Every change of the rows ends in a new layout of the cells; the mark finds its item again there.
    connect(panel.redizadoTableView(), &JLTableView::cellsLaidOut, this, [this] {
        follow();
        place();
    });
    m_view->setParent(panel.redizadoTableView()->viewport());
    m_view->hide();
    panel.redizadoTableView()->installEventFilter(this);
}

RowMark::~RowMark() {
    delete m_view.data();
}

std::int64_t RowMark::rowCount() const {
    return m_panel.list().rowCount();
}

void RowMark::markRow(std::int64_t row) {
    const std::int64_t count = rowCount();
    m_row = count > 0 ? std::clamp<std::int64_t>(row, 0, count - 1) : -1;
    remember(m_panel.jotlingAtIndex(m_row));
    m_panel.redizadoTableView()->scrollRowToVisible(m_row);
    place();
}

void RowMark::markJotling(const std::shared_ptr<JLJotling>& jotling) {
    const std::int64_t count = rowCount();
    for (std::int64_t row = 0; row < count; ++row) {
        if (m_panel.jotlingAtIndex(row) == jotling) {
            markRow(row);
            return;
        }
    }
}

void RowMark::remember(const std::shared_ptr<JLJotling>& jotling) {
    m_jotling = jotling;
    m_date = jotling ? jotling->dateCreated() : nullptr;
}

bool RowMark::marks(const std::shared_ptr<JLJotling>& jotling) const {
    if (!jotling)
        return false;
    if (jotling == m_jotling.lock())
        return true;
    return m_date && jotling->dateCreated() == m_date;
}

void RowMark::setShown(bool shown) {
    if (shown == m_shown)
        return;
    if (!shown)
        forgetSaidFirst(*m_panel.redizadoTableView(), m_markedCell);
    m_shown = shown;
    place();
}

bool RowMark::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == m_panel.redizadoTableView() && !m_focusArriving) {
        // The table tells of its own focus once it has it, after this; the row it is on is to have the last word.
        m_focusArriving = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_focusArriving = false;
                if (m_shown)
                    tellRowFocused(m_markedCell);
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void RowMark::follow() {
    const bool marking = !m_jotling.expired() || m_date;
    if (!marking && m_row < 0)
        return;
    // Most layouts leave the item where it was; look there first.
    if (marking && marks(m_panel.jotlingAtIndex(m_row))) {
        remember(m_panel.jotlingAtIndex(m_row));
        return;
    }
    const std::int64_t count = rowCount();
    for (std::int64_t row = 0; marking && row < count; ++row) {
        if (marks(m_panel.jotlingAtIndex(row))) {
            m_row = row;
            remember(m_panel.jotlingAtIndex(row));
            return;
        }
    }
    m_row = count > 0 ? std::clamp<std::int64_t>(m_row, 0, count - 1) : -1;
    remember(m_panel.jotlingAtIndex(m_row));
}

void RowMark::place() {
    QWidget* cell = m_shown && m_row >= 0 ? m_panel.redizadoTableView()->viewAtRow(m_row, false) : nullptr;
    if (!cell) {
        m_view->hide();
        // Kept out of the cells while unused, so no reused cell carries it into sight.
        if (QWidget* viewport = m_panel.redizadoTableView()->viewport(); m_view->parentWidget() != viewport)
            m_view->setParent(viewport);
        setRowMarked(m_markedCell, false);
        m_markedCell = nullptr;
        m_announced.reset();
        return;
    }
    // A child of the cell, so it glides with the row while rows slide in or out around it.
    if (m_view->parentWidget() != cell)
        m_view->setParent(cell);
    m_view->setGeometry(cell->rect());
    m_view->lower();
    m_view->show();
    // Cells are reused, so a new item can come into the same cell.
    const auto jotling = m_jotling.lock();
    if (cell != m_markedCell || jotling != m_announced.lock()) {
        setRowMarked(m_markedCell, false);
        m_markedCell = cell;
        m_announced = jotling;
        setRowMarked(cell, true);
        if (!m_focusArriving)
            tellRowFocused(cell);
    }
}
