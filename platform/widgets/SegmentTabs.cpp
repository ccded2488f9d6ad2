// SPDX-License-Identifier: GPL-3.0-or-later
#include "SegmentTabs.h"

#include "AccessibleFactory.h"
#include "GroupAccessible.h"

#include <QAccessibleWidget>

namespace {
class SegmentAccessible final : public QAccessibleWidget {
public:
    explicit SegmentAccessible(SegmentButton* button) : QAccessibleWidget(button, QAccessible::PageTab) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction())
            button()->click();
    }

private:
    SegmentButton* button() const { return static_cast<SegmentButton*>(widget()); }
};

} // namespace

SegmentButton::SegmentButton(QWidget* parent) : LabelFittedButton(parent) {
    installAccessibleFactory<SegmentButton, SegmentAccessible>();
}

SegmentButton::~SegmentButton() = default;

void exposeAsTabList(QWidget* control) {
    exposeWithRole(control, QAccessible::PageTabList);
}
