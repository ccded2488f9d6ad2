// SPDX-License-Identifier: GPL-3.0-or-later
#include "SegmentTabs.h"

#include "AccessibleFactory.h"

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

constexpr const char* tabListProperty = "redizadoTabList";

QAccessibleInterface* tabListFactory(const QString& key, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(tabListProperty).toBool() ||
        key != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::PageTabList); // the cache owns it
}
} // namespace

SegmentButton::SegmentButton(QWidget* parent) : LabelFittedButton(parent) {
    installAccessibleFactory<SegmentButton, SegmentAccessible>();
}

SegmentButton::~SegmentButton() = default;

void exposeAsTabList(QWidget* control) {
    static const bool installed = [] {
        QAccessible::installFactory(tabListFactory);
        return true;
    }();
    (void)installed;
    control->setProperty(tabListProperty, true);
}
