// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>

#include <memory>
#include <string>

class JLJotling;
class PanelUndo;

// The steps the panel's undo knows, each made just before its change reaches the manager. The change itself
// is already under way then, so a step's first redo does nothing.
std::unique_ptr<QUndoCommand> makeRemovalCommand(PanelUndo& undo, std::shared_ptr<JLJotling> jotling);
std::unique_ptr<QUndoCommand> makeCheckCommand(PanelUndo& undo, std::shared_ptr<JLJotling> jotling, bool completed);
std::unique_ptr<QUndoCommand> makeRenameCommand(PanelUndo& undo, std::shared_ptr<JLJotling> jotling, std::string title);
