// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>

class QComboBox;
class UserDefaults;

// Behind the three shortcut pop-ups of the settings pane: fills the key pop-up, shows the stored combination,
// and stores a new choice at once and has the hot key registered again.
class JLShortcutSelector final : public QObject {
    Q_OBJECT

public:
    JLShortcutSelector(UserDefaults& defaults, std::function<void()> updateHotKey, QObject* parent = nullptr);
    ~JLShortcutSelector() override;

    QComboBox* modifierSelector1() const;
    void setModifierSelector1(QComboBox* selector);
    QComboBox* modifierSelector2() const;
    void setModifierSelector2(QComboBox* selector);
    QComboBox* keySelector() const;
    void setKeySelector(QComboBox* selector);

    // Makes a user's choice in any of the three pop-ups call shortcutCombinationSelected. The loader calls it
    // once the outlets are set; calling it again replaces the earlier connections.
    void connectActions();
    // Appends the key names to the key pop-up and selects the stored names. Call once, after the outlets are set.
    void awakeFromNib();
    // Stores the titles shown in all three pop-ups, whichever changed, then registers the combination again.
    void shortcutCombinationSelected(QObject* sender);

    // The names the key pop-up offers, in the order it shows them.
    static QStringList keyNames();

private:
    UserDefaults& defaults() const { return m_defaults; }

    UserDefaults& m_defaults;
    std::function<void()> m_updateHotKey;
    QPointer<QComboBox> m_modifierSelector1;
    QPointer<QComboBox> m_modifierSelector2;
    QPointer<QComboBox> m_keySelector;
    std::array<QMetaObject::Connection, 3> m_connections;
};
