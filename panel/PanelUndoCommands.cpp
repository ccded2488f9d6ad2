// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelUndoCommands.h"

#include "JLJotlingManager.h"
#include "PanelUndo.h"
#include "RowAccessible.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcUndo, "redizado.undo", QtWarningMsg)

// What every step shares: its item, and whether the change it stands for has been made yet.
class ItemCommand : public QUndoCommand {
public:
    ItemCommand(PanelUndo& undo, std::shared_ptr<JLJotling> jotling, const QString& text)
        : QUndoCommand(text), m_undo(undo), m_jotling(std::move(jotling)) {}

    void redo() final {
        if (std::exchange(m_pending, false))
            return;
        if (apply(false))
            //: %1 is what the step did, such as "Milk checked"
            m_undo.announce(QCoreApplication::translate("PanelUndo", "Redone: %1").arg(spoken(false)));
    }
    void undo() final {
        if (apply(true))
            //: %1 is what taking the step back did, such as "Milk is back"
            m_undo.announce(QCoreApplication::translate("PanelUndo", "Undone: %1").arg(spoken(true)));
    }

protected:
    // False when the item had gone and nothing changed.
    virtual bool apply(bool back) = 0;
    // What the item is like after the change, taken back or made again.
    virtual QString spoken(bool back) const = 0;

    QString title() const {
        const auto title = m_jotling->title();
        return spokenTitle(title ? std::optional<QString>(QString::fromStdString(*title)) : std::nullopt);
    }

    // Runs the change on the item where the full list has it now; an item that has gone is left alone.
    bool onListedItem(const std::function<void(JLJotlingManager&, std::int64_t)>& change) {
        bool listed = false;
        m_undo.changeJotling(m_jotling, [this, &change, &listed](JLJotlingManager& manager) {
            const std::int64_t index = indexInFullList(manager, m_jotling);
            if (index < 0) {
                qCInfo(lcUndo) << "the item of" << text() << "is no longer listed; nothing changed";
                return;
            }
            listed = true;
            change(manager, index);
        });
        return listed;
    }

    PanelUndo& m_undo;
    std::shared_ptr<JLJotling> m_jotling;

private:
    bool m_pending = true;
};

class RemovalCommand final : public ItemCommand {
public:
    RemovalCommand(PanelUndo& undo, std::shared_ptr<JLJotling> jotling)
        : ItemCommand(undo, std::move(jotling), QCoreApplication::translate("PanelUndo", "Remove")) {
        notePlace(undo.manager());
    }

protected:
    bool apply(bool back) override {
        if (!back) {
            return onListedItem([this](JLJotlingManager& manager, std::int64_t index) {
                notePlace(manager);
                manager.removeEntryAtIndex(index, false);
            });
        }
        m_undo.changeJotling(m_jotling, [this](JLJotlingManager& manager) {
            // Items added since went in above; the one that followed it marks its place best.
            const auto next = m_next.lock();
            const std::int64_t nextIndex = next ? indexInFullList(manager, next) : -1;
            manager.insertJotling(m_jotling, nextIndex >= 0 ? nextIndex : m_index);
        });
        return true;
    }
    QString spoken(bool back) const override {
        //: %1 is the item's title
        return back ? QCoreApplication::translate("PanelUndo", "%1 is back").arg(title())
                    //: %1 is the item's title
                    : QCoreApplication::translate("PanelUndo", "%1 removed").arg(title());
    }

private:
    void notePlace(const JLJotlingManager& manager) {
        m_index = indexInFullList(manager, m_jotling);
        const auto& all = manager.redizado();
        const auto after = static_cast<std::size_t>(m_index + 1);
        m_next = m_index >= 0 && after < all.size() ? all[after] : nullptr;
    }

    std::int64_t m_index = -1;
    std::weak_ptr<JLJotling> m_next;
};

class CheckCommand final : public ItemCommand {
public:
    CheckCommand(PanelUndo& undo, std::shared_ptr<JLJotling> jotling, bool completed)
        : ItemCommand(undo, std::move(jotling),
                      completed ? QCoreApplication::translate("PanelUndo", "Check")
                                : QCoreApplication::translate("PanelUndo", "Uncheck")),
          m_completed(completed) {}

protected:
    bool apply(bool back) override {
        return onListedItem([this, back](JLJotlingManager& manager, std::int64_t index) {
            manager.completeEntry(back ? !m_completed : m_completed, index, false);
        });
    }
    QString spoken(bool) const override {
        //: %1 is the item's title
        return m_jotling->completed() ? QCoreApplication::translate("PanelUndo", "%1 checked").arg(title())
                                      : QCoreApplication::translate("PanelUndo", "%1 unchecked").arg(title());
    }

private:
    bool m_completed;
};

class RenameCommand final : public ItemCommand {
public:
    RenameCommand(PanelUndo& undo, std::shared_ptr<JLJotling> jotling, std::string title)
        : ItemCommand(undo, jotling, QCoreApplication::translate("PanelUndo", "Rename")),
          m_before(jotling->title().value_or(std::string())), m_after(std::move(title)) {}

protected:
    bool apply(bool back) override {
        return onListedItem([this, back](JLJotlingManager& manager, std::int64_t index) {
            manager.renameEntry(back ? m_before : m_after, index, false);
        });
    }
    QString spoken(bool) const override {
        //: %1 is the item's title after the change; said after "Redone: " or "Undone: "
        return QCoreApplication::translate("PanelUndo", "renamed %1").arg(title());
    }

private:
    std::string m_before;
    std::string m_after;
};
} // namespace

std::unique_ptr<QUndoCommand> makeRemovalCommand(PanelUndo& undo, std::shared_ptr<JLJotling> jotling) {
    return std::make_unique<RemovalCommand>(undo, std::move(jotling));
}

std::unique_ptr<QUndoCommand> makeCheckCommand(PanelUndo& undo, std::shared_ptr<JLJotling> jotling, bool completed) {
    return std::make_unique<CheckCommand>(undo, std::move(jotling), completed);
}

std::unique_ptr<QUndoCommand> makeRenameCommand(PanelUndo& undo, std::shared_ptr<JLJotling> jotling,
                                                std::string title) {
    return std::make_unique<RenameCommand>(undo, std::move(jotling), std::move(title));
}
