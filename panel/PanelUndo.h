// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QUndoStack>

#include <cstdint>
#include <functional>
#include <memory>

class JLJotling;
class JLJotlingManager;
class JLRedizadoViewController;

// Undo and redo of the removals, checks and renames made in the panel during this run. Each step goes
// through the item manager, so it is stored and counted like the change it takes back.
class PanelUndo final : public QObject {
    Q_OBJECT
public:
    PanelUndo(JLRedizadoViewController& panel, std::function<JLJotlingManager&()> manager, QObject* parent = nullptr);
    ~PanelUndo() override;

signals:
    // After an undo or redo changed this item and the table shows the change.
    void jotlingChanged(std::shared_ptr<JLJotling> jotling);

public:
    void undo() { m_stack.undo(); }
    void redo() { m_stack.redo(); }
    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    const QUndoStack& stack() const { return m_stack; }

    // One step of an undo or redo: change the item through the manager, then bring the table's rows in
    // the current category up to date with the right animation.
    void changeJotling(const std::shared_ptr<JLJotling>& jotling, const std::function<void(JLJotlingManager&)>& change);
    JLJotlingManager& manager() const { return m_manager(); }
    // Tells a screen reader what an undo or redo did.
    void announce(const QString& message);

private:
    std::int64_t rowOf(const std::shared_ptr<JLJotling>& jotling) const;

    JLRedizadoViewController& m_panel;
    std::function<JLJotlingManager&()> m_manager;
    QUndoStack m_stack;
};

// Where an item sits in the manager's full list, found by identity; -1 when it is not there.
std::int64_t indexInFullList(const JLJotlingManager& manager, const std::shared_ptr<JLJotling>& jotling);
