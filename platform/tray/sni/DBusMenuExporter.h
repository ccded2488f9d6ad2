// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SniTypes.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

// A flat QMenu offered to the tray over D-Bus (com.canonical.dbusmenu), so that the tray draws it and a choice
// there triggers the action here.
class DBusMenuExporter final : public QObject {
    Q_OBJECT
public:
    DBusMenuExporter(QDBusConnection bus, QString path, QObject* parent = nullptr);
    ~DBusMenuExporter() override;

    void setMenu(QMenu* menu);
    QString path() const { return m_path; }

    // What the D-Bus face answers.
    uint revision() const { return m_revision; }
    DBusMenuLayout layout(int parentId, const QStringList& propertyNames) const;
    DBusMenuItems groupProperties(const QList<int>& ids, const QStringList& propertyNames) const;
    QVariant property(int id, const QString& name) const;
    bool event(int id, const QString& eventId);
    void aboutToShow();

signals:
    void layoutUpdated(uint revision, int parent);
    void itemsPropertiesUpdated(const DBusMenuItems& updated, const DBusMenuItemKeysList& removed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int idOf(QAction* action);
    QAction* actionOf(int id) const;
    QVariantMap propertiesOf(QAction* action, const QStringList& names) const;
    void layoutChanged();

    QDBusConnection m_bus;
    QString m_path;
    QPointer<QMenu> m_menu;
    QPointer<QObject> m_watched;
    uint m_revision = 1;
    int m_nextId = 1;
    QHash<QAction*, int> m_ids;
};

// "&Quit" as the menu protocol writes mnemonics: "_Quit"; a literal '_' doubled, "&&" a plain '&'.
QString dbusMenuLabel(const QString& text);
