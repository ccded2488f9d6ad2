// SPDX-License-Identifier: GPL-3.0-or-later
#include "DBusMenuExporter.h"

#include <QAction>
#include <QActionEvent>
#include <QActionGroup>
#include <QDBusAbstractAdaptor>
#include <QMenu>

namespace {
class DBusMenuAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    explicit DBusMenuAdaptor(DBusMenuExporter* menu) : QDBusAbstractAdaptor(menu), m_menu(menu) {
        connect(menu, &DBusMenuExporter::layoutUpdated, this, &DBusMenuAdaptor::LayoutUpdated);
        connect(menu, &DBusMenuExporter::itemsPropertiesUpdated, this, &DBusMenuAdaptor::ItemsPropertiesUpdated);
    }
    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int, const QStringList& propertyNames, DBusMenuLayout& layout) {
        layout = m_menu->layout(parentId, propertyNames);
        return m_menu->revision();
    }
    DBusMenuItems GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames) {
        return m_menu->groupProperties(ids, propertyNames);
    }
    QDBusVariant GetProperty(int id, const QString& name) { return QDBusVariant(m_menu->property(id, name)); }
    void Event(int id, const QString& eventId, const QDBusVariant&, uint) { m_menu->event(id, eventId); }
    QList<int> EventGroup(const DBusMenuEvents& events) {
        QList<int> errors;
        for (const DBusMenuEvent& event : events)
            if (!m_menu->event(event.id, event.eventId))
                errors << event.id;
        return errors;
    }
    // Entries change through the change signals, so no host needs to fetch again before showing.
    bool AboutToShow(int) {
        m_menu->aboutToShow();
        return false;
    }
    QList<int> AboutToShowGroup(const QList<int>&, QList<int>& idErrors) {
        m_menu->aboutToShow();
        idErrors.clear();
        return {};
    }

signals:
    void LayoutUpdated(uint revision, int parent);
    void ItemsPropertiesUpdated(const DBusMenuItems& updatedProps, const DBusMenuItemKeysList& removedProps);
    void ItemActivationRequested(int id, uint timestamp);

private:
    DBusMenuExporter* m_menu;
};
} // namespace

QString dbusMenuLabel(const QString& text) {
    QString label;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'&' && i + 1 < text.size()) {
            ++i;
            label += text.at(i) == u'&' ? QStringLiteral("&") : QStringLiteral("_") + text.at(i);
        } else if (c == u'_') {
            label += QStringLiteral("__");
        } else {
            label += c;
        }
    }
    return label;
}

DBusMenuExporter::DBusMenuExporter(QDBusConnection bus, QString path, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)), m_path(std::move(path)) {
    registerSniTypes();
    new DBusMenuAdaptor(this);
    m_bus.registerObject(m_path, this, QDBusConnection::ExportAdaptors);
}

DBusMenuExporter::~DBusMenuExporter() {
    m_bus.unregisterObject(m_path);
}

void DBusMenuExporter::setMenu(QMenu* menu) {
    if (m_menu)
        m_menu->removeEventFilter(this);
    m_menu = menu;
    m_watched = menu;
    m_ids.clear();
    if (m_menu)
        m_menu->installEventFilter(this);
    layoutChanged();
}

int DBusMenuExporter::idOf(QAction* action) {
    auto found = m_ids.find(action);
    if (found == m_ids.end())
        found = m_ids.insert(action, m_nextId++);
    return found.value();
}

QAction* DBusMenuExporter::actionOf(int id) const {
    return m_ids.key(id, nullptr);
}

DBusMenuLayout DBusMenuExporter::layout(int parentId, const QStringList& propertyNames) const {
    DBusMenuLayout root{parentId, {}, {}};
    if (parentId != 0) {
        if (QAction* action = actionOf(parentId))
            root.properties = propertiesOf(action, propertyNames);
        return root;
    }
    root.properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    if (!m_menu)
        return root;
    auto* self = const_cast<DBusMenuExporter*>(this);
    for (QAction* action : m_menu->actions())
        root.children.push_back({self->idOf(action), propertiesOf(action, propertyNames), {}});
    return root;
}

DBusMenuItems DBusMenuExporter::groupProperties(const QList<int>& ids, const QStringList& propertyNames) const {
    DBusMenuItems items;
    for (const int id : ids)
        if (QAction* action = actionOf(id))
            items.append({id, propertiesOf(action, propertyNames)});
    return items;
}

QVariant DBusMenuExporter::property(int id, const QString& name) const {
    QAction* action = actionOf(id);
    return action ? propertiesOf(action, {name}).value(name) : QVariant();
}

bool DBusMenuExporter::event(int id, const QString& eventId) {
    // The root menu's "opened" and "closed" need nothing from us.
    if (id == 0)
        return true;
    QAction* action = actionOf(id);
    if (!action)
        return false;
    // After the reply: the action may quit or open a modal window.
    if (eventId == QLatin1String("clicked"))
        QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    return true;
}

void DBusMenuExporter::aboutToShow() {
    if (m_menu)
        emit m_menu->aboutToShow();
}

QVariantMap DBusMenuExporter::propertiesOf(QAction* action, const QStringList& names) const {
    QVariantMap all;
    if (action->isSeparator()) {
        all.insert(QStringLiteral("type"), QStringLiteral("separator"));
    } else {
        all.insert(QStringLiteral("label"), dbusMenuLabel(action->text()));
        if (action->isCheckable()) {
            const bool radio = action->actionGroup() && action->actionGroup()->isExclusive();
            all.insert(QStringLiteral("toggle-type"), radio ? QStringLiteral("radio") : QStringLiteral("checkmark"));
            all.insert(QStringLiteral("toggle-state"), action->isChecked() ? 1 : 0);
        }
    }
    all.insert(QStringLiteral("enabled"), action->isEnabled());
    all.insert(QStringLiteral("visible"), action->isVisible());
    if (names.isEmpty())
        return all;
    QVariantMap asked;
    for (const QString& name : names)
        if (all.contains(name))
            asked.insert(name, all.value(name));
    return asked;
}

void DBusMenuExporter::layoutChanged() {
    ++m_revision;
    emit layoutUpdated(m_revision, 0);
}

bool DBusMenuExporter::eventFilter(QObject* watched, QEvent* event) {
    // Compared as a plain object: a menu being destroyed is no QMenu any more when its actions go.
    if (watched == m_watched) {
        if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionRemoved) {
            if (event->type() == QEvent::ActionRemoved)
                m_ids.remove(static_cast<QActionEvent*>(event)->action());
            layoutChanged();
        } else if (event->type() == QEvent::ActionChanged) {
            QAction* action = static_cast<QActionEvent*>(event)->action();
            emit itemsPropertiesUpdated({{idOf(action), propertiesOf(action, {})}}, {});
        }
    }
    return QObject::eventFilter(watched, event);
}

#include "DBusMenuExporter.moc"
