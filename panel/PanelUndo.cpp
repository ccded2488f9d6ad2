// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelUndo.h"

#include "JLJotlingManager.h"
#include "JLRedizadoViewController.h"
#include "PanelUndoCommands.h"

#include <QKeySequence>

#include <algorithm>

namespace {
// Enough for a long day's work; each step holds one item, and titles can be long.
constexpr int undoLimit = 1000;
} // namespace

std::int64_t indexInFullList(const JLJotlingManager& manager, const std::shared_ptr<JLJotling>& jotling) {
    const auto& all = manager.redizado();
    const auto found = std::find(all.begin(), all.end(), jotling);
    return found == all.end() ? -1 : static_cast<std::int64_t>(found - all.begin());
}

PanelUndo::PanelUndo(JLRedizadoViewController& panel, std::function<JLJotlingManager&()> manager, QObject* parent)
    : QObject(parent), m_panel(panel), m_manager(std::move(manager)) {
    m_stack.setUndoLimit(undoLimit);
    panel.list().setRemovalHint(
        tr("%1 brings it back").arg(QKeySequence(Qt::CTRL | Qt::Key_Z).toString(QKeySequence::NativeText)));
    connect(&panel, &JLRedizadoViewController::jotlingWillBeRemoved, this,
            [this](const std::shared_ptr<JLJotling>& jotling) {
                m_stack.push(makeRemovalCommand(*this, jotling).release());
            });
    connect(&panel, &JLRedizadoViewController::jotlingWillBeChecked, this,
            [this](const std::shared_ptr<JLJotling>& jotling, bool completed) {
                m_stack.push(makeCheckCommand(*this, jotling, completed).release());
            });
    connect(&panel, &JLRedizadoViewController::jotlingWillBeRenamed, this,
            [this](const std::shared_ptr<JLJotling>& jotling, const QString& title) {
                std::string after = title.toStdString();
                // Return without a change ends editing too; there is nothing to take back.
                if (jotling->title() == after)
                    return;
                m_stack.push(makeRenameCommand(*this, jotling, std::move(after)).release());
            });
}

PanelUndo::~PanelUndo() = default;

void PanelUndo::announce(const QString& message) {
    m_panel.list().announce(message);
}

std::int64_t PanelUndo::rowOf(const std::shared_ptr<JLJotling>& jotling) const {
    const std::int64_t rows = m_panel.list().rowCount();
    for (std::int64_t row = 0; row < rows; ++row)
        if (m_panel.jotlingAtIndex(row) == jotling)
            return row;
    return -1;
}

void PanelUndo::changeJotling(const std::shared_ptr<JLJotling>& jotling,
                              const std::function<void(JLJotlingManager&)>& change) {
    const std::int64_t before = rowOf(jotling);
    change(manager());
    const std::int64_t after = rowOf(jotling);
    JLTableView* table = m_panel.redizadoTableView();
    // One item changed, so the rows differ by that item at most: it comes back, goes, or is shown anew.
    if (before < 0 && after >= 0)
        table->insertRows(after, JLTableView::Animation::SlideLeft);
    else if (before >= 0 && after < 0)
        table->removeRows(before, JLTableView::Animation::SlideRight);
    else if (before >= 0)
        table->reloadData();
    emit jotlingChanged(jotling);
}
