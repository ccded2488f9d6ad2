// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLShortcutSelector.h"

#include "KeyNameTable.h"
#include "PopUpAccessible.h"
#include "PreferencesKeys.h"
#include "UserDefaults.h"

#include <QComboBox>
#include <QCoreApplication>

#include <array>
#include <utility>

namespace {
// The stored name of each item rides along as its data, whatever the item shows.
constexpr int storedNameRole = Qt::UserRole;

QString storedName(const QComboBox& selector, int index) {
    const QVariant stored = selector.itemData(index, storedNameRole);
    return stored.isValid() ? stored.toString() : selector.itemText(index);
}

// The settings file's word for no second modifier; unlike a key's name, it is shown in the user's language.
constexpr const char* noModifierName = "None";

// The settings file keeps the names as earlier versions wrote them ("⌃", "⎵"); the pop-ups show them in the words
// of the note under them and of the desktop's own keyboard settings ("Ctrl", "Space").
void showInWords(QComboBox* selector) {
    if (!selector)
        return;
    for (int index = 0; index < selector->count(); ++index) {
        if (selector->itemData(index, storedNameRole).isValid())
            continue;
        const QString stored = selector->itemText(index);
        selector->setItemData(index, stored, storedNameRole);
        selector->setItemText(index, stored == QLatin1String(noModifierName)
                                         ? QCoreApplication::translate("JLShortcutSelector", "None")
                                         : QString::fromStdString(shownNameForStoredName(stored.toStdString())));
    }
}

// Selects the first item stored under exactly that name; with no such item, or nothing stored, the selection stays.
void selectStoredName(QComboBox* selector, const UserDefaults& defaults, const char* key) {
    if (!selector)
        return;
    const auto value = defaults.objectForKey(key);
    const auto* name = value ? value->get<std::string>() : nullptr;
    if (!name)
        return;
    for (int index = 0; index < selector->count(); ++index)
        if (storedName(*selector, index) == QString::fromStdString(*name)) {
            selector->setCurrentIndex(index);
            return;
        }
}

// Each item says in full what it stands for, to the eye as a tool tip and to a screen reader as the item's name
// ("Control" for "Ctrl").
void nameSymbols(QComboBox* selector) {
    static const std::array<std::pair<const char*, const char*>, 15> words{{
        {"\u2303", QT_TRANSLATE_NOOP("JLShortcutSelector", "Control")},
        {"\u2325", QT_TRANSLATE_NOOP("JLShortcutSelector", "Alt")},
        {"\u2318", QT_TRANSLATE_NOOP("JLShortcutSelector", "Super")},
        {"\u21E7", QT_TRANSLATE_NOOP("JLShortcutSelector", "Shift")},
        {"None", QT_TRANSLATE_NOOP("JLShortcutSelector", "No modifier")},
        {"\u21A9", QT_TRANSLATE_NOOP("JLShortcutSelector", "Return")},
        {"\u23B5", QT_TRANSLATE_NOOP("JLShortcutSelector", "Space")},
        {"\u232B", QT_TRANSLATE_NOOP("JLShortcutSelector", "Backspace")},
        {"\u21EA", QT_TRANSLATE_NOOP("JLShortcutSelector", "Caps Lock")},
        {"\u2190", QT_TRANSLATE_NOOP("JLShortcutSelector", "Left")},
        {"\u2192", QT_TRANSLATE_NOOP("JLShortcutSelector", "Right")},
        {"\u2193", QT_TRANSLATE_NOOP("JLShortcutSelector", "Down")},
        {"\u2191", QT_TRANSLATE_NOOP("JLShortcutSelector", "Up")},
        {"esc", QT_TRANSLATE_NOOP("JLShortcutSelector", "Escape")},
        {"tab", QT_TRANSLATE_NOOP("JLShortcutSelector", "Tab")},
    }};
    if (!selector)
        return;
    for (int index = 0; index < selector->count(); ++index)
        for (const auto& [symbol, word] : words)
            if (storedName(*selector, index) == QString::fromUtf8(symbol)) {
                const QString name = QCoreApplication::translate("JLShortcutSelector", word);
                selector->setItemData(index, name, Qt::ToolTipRole);
                selector->setItemData(index, name, Qt::AccessibleTextRole);
            }
}

// A pop-up with nothing selected leaves its setting alone rather than storing an empty name.
void storeSelectedName(const QComboBox* selector, UserDefaults& defaults, const char* key) {
    if (!selector || selector->currentIndex() < 0)
        return;
    defaults.setObject(key, storedName(*selector, selector->currentIndex()).toStdString());
}
} // namespace

JLShortcutSelector::JLShortcutSelector(UserDefaults& defaults, std::function<void()> updateHotKey, QObject* parent)
    : QObject(parent), m_defaults(defaults), m_updateHotKey(std::move(updateHotKey)) {}

JLShortcutSelector::~JLShortcutSelector() = default;

QComboBox* JLShortcutSelector::modifierSelector1() const {
    return m_modifierSelector1;
}

void JLShortcutSelector::setModifierSelector1(QComboBox* selector) {
    m_modifierSelector1 = selector;
    namePopUpByPurpose(selector, tr("Modifier"));
}

QComboBox* JLShortcutSelector::modifierSelector2() const {
    return m_modifierSelector2;
}

void JLShortcutSelector::setModifierSelector2(QComboBox* selector) {
    m_modifierSelector2 = selector;
    namePopUpByPurpose(selector, tr("Second modifier"));
}

QComboBox* JLShortcutSelector::keySelector() const {
    return m_keySelector;
}

void JLShortcutSelector::setKeySelector(QComboBox* selector) {
    m_keySelector = selector;
    namePopUpByPurpose(selector, tr("Key"));
}

QStringList JLShortcutSelector::keyNames() {
    QStringList names{QStringLiteral("`"), QStringLiteral("tab"), QStringLiteral("\u21EA")};
    names << QStringLiteral(".") << QStringLiteral(",") << QStringLiteral("/") << QStringLiteral(";")
          << QStringLiteral("'") << QStringLiteral("[") << QStringLiteral("]") << QStringLiteral("\\")
          << QStringLiteral("-") << QStringLiteral("=");
    names << QStringLiteral("\u21A9") << QStringLiteral("\u232B") << QStringLiteral("\u2190")
          << QStringLiteral("\u2192") << QStringLiteral("\u2193") << QStringLiteral("\u2191");
    for (int digit = 0; digit <= 9; ++digit)
        names << QString::number(digit);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        names << QString(QLatin1Char(letter));
    for (int number = 1; number <= 20; ++number)
        names << QStringLiteral("F%1").arg(number);
    return names;
}

void JLShortcutSelector::connectActions() {
    const std::array<QComboBox*, 3> selectors{m_modifierSelector1, m_modifierSelector2, m_keySelector};
    for (std::size_t i = 0; i < selectors.size(); ++i) {
        disconnect(m_connections[i]);
        QComboBox* selector = selectors[i];
        if (!selector)
            continue;
        // activated, not currentIndexChanged: only a user's choice is stored, never the preselection.
        m_connections[i] =
            connect(selector, &QComboBox::activated, this, [this, selector] { shortcutCombinationSelected(selector); });
    }
}

void JLShortcutSelector::awakeFromNib() {
    if (m_keySelector)
        m_keySelector->addItems(keyNames());
    for (QComboBox* selector : {m_modifierSelector1.data(), m_modifierSelector2.data(), m_keySelector.data()}) {
        showInWords(selector);
        nameSymbols(selector);
    }
    selectStoredName(m_modifierSelector1, defaults(), keys::shortcutModifierCodeKeyOne);
    selectStoredName(m_modifierSelector2, defaults(), keys::shortcutModifierCodeKeyTwo);
    selectStoredName(m_keySelector, defaults(), keys::shortcutKeyCodeKey);
}

void JLShortcutSelector::shortcutCombinationSelected(QObject* /*sender*/) {
    UserDefaults& store = defaults();
    storeSelectedName(m_keySelector, store, keys::shortcutKeyCodeKey);
    storeSelectedName(m_modifierSelector1, store, keys::shortcutModifierCodeKeyOne);
    storeSelectedName(m_modifierSelector2, store, keys::shortcutModifierCodeKeyTwo);
    store.synchronize();
    if (m_updateHotKey)
        m_updateHotKey();
}
