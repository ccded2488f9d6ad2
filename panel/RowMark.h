// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyList.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>

class JLJotling;
class JLRedizadoViewController;
class QWidget;

// The current row of the keyboard: it marks an item, not a row number, so it stays on that item while rows
// slide in and out above it and across category switches. When its item leaves the list, the item that takes
// its row is marked.
class RowMark final : public QObject {
    Q_OBJECT
public:
    explicit RowMark(JLRedizadoViewController& panel, QObject* parent = nullptr);
    ~RowMark() override;

    std::int64_t markedRow() const { return m_row; }
    std::shared_ptr<JLJotling> markedJotling() const { return m_jotling.lock(); }
    // Marks the row, kept inside the list, and scrolls it into sight.
    void markRow(std::int64_t row);
    // Marks the item when the current category shows it.
    void markJotling(const std::shared_ptr<JLJotling>& jotling);
    // The mark is drawn only while the keyboard is on the rows.
    void setShown(bool shown);
    bool isShown() const { return m_shown; }
    // The drawn mark: it lies under the marked row's controls and moves with its row.
    QWidget* markView() const { return m_view; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    void place();
    void remember(const std::shared_ptr<JLJotling>& jotling);
    // The marked item, or its copy a sync put in its place (the same creation date object).
    bool marks(const std::shared_ptr<JLJotling>& jotling) const;
    std::int64_t rowCount() const;

    JLRedizadoViewController& m_panel;
    std::weak_ptr<JLJotling> m_jotling;
    plist_value::Date m_date;
    std::int64_t m_row = -1;
    bool m_shown = false;
    QPointer<QWidget> m_view;
    QPointer<QWidget> m_markedCell;
    std::weak_ptr<JLJotling> m_announced;
    // Between the table's taking the focus and its telling so.
    bool m_focusArriving = false;
};
