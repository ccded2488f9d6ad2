// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowAccessible.h"

#include "JLRedizadoTableViewCell.h"
#include "JLTextField.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QVariant>

namespace {
constexpr const char* markedProperty = "redizadoMarked";

class RowAccessible final : public QAccessibleWidget {
public:
    explicit RowAccessible(JLRedizadoTableViewCell* cell) : QAccessibleWidget(cell, QAccessible::ListItem) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        // Reading out a whole file pasted as a title helps nobody; the row shows no more than this either.
        const QString title = cell()->titleLabel()->stringValue().left(JLTextField::shownPrefixLength);
        return title.trimmed().isEmpty() ? QObject::tr("Untitled item") : title;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = cell()->checkBox()->isChecked();
        state.focusable = true;
        state.focused = isRowMarked(cell());
        return state;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction())
            cell()->checkBox()->click();
    }

private:
    JLRedizadoTableViewCell* cell() const { return static_cast<JLRedizadoTableViewCell*>(widget()); }
};

QAccessibleInterface* rowFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("JLRedizadoTableViewCell"))
        if (auto* cell = qobject_cast<JLRedizadoTableViewCell*>(object))
            return new RowAccessible(cell); // the accessibility cache owns it
    return nullptr;
}
} // namespace

void installRowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(rowFactory);
        return true;
    }();
    (void)installed;
}

void setRowMarked(QWidget* cell, bool marked) {
    if (!cell)
        return;
    cell->setProperty(markedProperty, marked);
    if (!marked)
        return;
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

bool isRowMarked(const QWidget* cell) {
    return cell && cell->property(markedProperty).toBool();
}

void announceRowChecked(QWidget* cell) {
    if (!cell)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}
