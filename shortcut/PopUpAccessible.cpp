// SPDX-License-Identifier: GPL-3.0-or-later
#include "PopUpAccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {
constexpr const char* byPurposeProperty = "redizadoNamedByPurpose";

class PopUpAccessible final : public QAccessibleWidget {
public:
    explicit PopUpAccessible(QComboBox* popUp) : QAccessibleWidget(popUp, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return spokenItemText(*popUp(), popUp()->currentIndex());
        return QAccessibleWidget::text(t);
    }

    // The list that drops down, only while it is down: Qt 6.8 reports the closed list's current item as focused,
    // so a reader walking the tree would find a second focus in a hidden pop-up.
    int childCount() const override { return isOpen() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && isOpen() ? QAccessible::queryAccessibleInterface(popUp()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return isOpen() && child && child->object() == popUp()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override {
        if (name != showMenuAction() && name != pressAction())
            return;
        if (isOpen())
            popUp()->hidePopup();
        else
            popUp()->showPopup();
    }

private:
    QComboBox* popUp() const { return static_cast<QComboBox*>(widget()); }
    bool isOpen() const { return popUp()->view()->isVisible(); }
};

QAccessibleInterface* popUpFactory(const QString& key, QObject* object) {
    if (key != QLatin1String("QComboBox") || !object->property(byPurposeProperty).toBool())
        return nullptr;
    return new PopUpAccessible(static_cast<QComboBox*>(object)); // the accessibility cache owns it
}
} // namespace

QString spokenItemText(const QComboBox& popUp, int index) {
    if (index < 0 || index >= popUp.count())
        return QString();
    const QString spoken = popUp.itemData(index, Qt::AccessibleTextRole).toString();
    return spoken.isEmpty() ? popUp.itemText(index) : spoken;
}

void namePopUpByPurpose(QComboBox* popUp, const QString& purpose) {
    static const bool installed = [] {
        QAccessible::installFactory(popUpFactory);
        return true;
    }();
    (void)installed;
    if (!popUp)
        return;
    popUp->setAccessibleName(purpose);
    if (popUp->property(byPurposeProperty).toBool())
        return;
    popUp->setProperty(byPurposeProperty, true);
    // An interface made before this one was installed would go on naming the pop-up after its value.
    if (const QAccessible::Id id = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(popUp)))
        QAccessible::deleteAccessibleInterface(id);
}
