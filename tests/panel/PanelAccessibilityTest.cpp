// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>

namespace {
class AccessibilityTest : public KeyboardPanelTest {
protected:
    static QAccessibleInterface* of(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }
};
} // namespace

TEST_F(AccessibilityTest, EveryControlHasAName) {
    add(QStringLiteral("a"));
    add(QString());
    add(QStringLiteral(" "));
    int controls = 0;
    for (QWidget* widget : view()->findChildren<QWidget*>()) {
        const bool takesTab = widget->focusPolicy() & Qt::TabFocus;
        const bool acts = qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QLineEdit*>(widget->parentWidget());
        const bool isRow = qobject_cast<JLRedizadoTableViewCell*>(widget);
        if (!takesTab && !acts && !isRow)
            continue;
        ++controls;
        QAccessibleInterface* interface = of(widget);
        ASSERT_NE(interface, nullptr) << widget->metaObject()->className();
        EXPECT_FALSE(interface->text(QAccessible::Name).trimmed().isEmpty())
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    }
    EXPECT_GT(controls, 15);
}

TEST_F(AccessibilityTest, ARowIsACheckableListItemNamedByItsTitle) {
    add({"milk", "   "});
    switchTo(1);
    QAccessibleInterface* row = of(cellAt(1));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->role(), QAccessible::ListItem);
    EXPECT_EQ(row->text(QAccessible::Name), QStringLiteral("milk"));
    EXPECT_TRUE(row->state().checkable);
    EXPECT_FALSE(row->state().checked);
    EXPECT_EQ(of(cellAt(0))->text(QAccessible::Name), QStringLiteral("Untitled item"));

    // Its action is the check box's click: stored and counted like one.
    QAccessibleActionInterface* actions = row->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(manager->redizado().at(1)->completed());
    EXPECT_TRUE(row->state().checked);
    EXPECT_EQ(defaults.integerForKey(keys::toDoCountKey), 1);
    // A check from the keys reads as checked too.
    press(QStringLiteral("<Down> <Space>"));
    EXPECT_TRUE(of(cellAt(0))->state().checked);
}
