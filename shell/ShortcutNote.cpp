// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShortcutNote.h"

#include "JLHotKeyManager.h"
#include "JLRedizadoViewController.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

ShortcutNote::ShortcutNote(JLRedizadoViewController& panel, JLHotKeyManager& manager, Compositor compositor,
                           QString program, bool desktopAnswered, QObject* parent)
    : QObject(parent), m_panel(panel), m_manager(manager), m_compositor(compositor), m_program(std::move(program)),
      m_desktopAnswered(desktopAnswered) {
    QWidget* pane = panel.settingsPane();
    m_label = new QLabel(pane);
    m_label->setObjectName(QStringLiteral("shortcutNoteLabel"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_label->setContentsMargins(20, 0, 0, 0);
    m_lineRow = new QWidget(pane);
    auto* row = new QHBoxLayout(m_lineRow);
    row->setContentsMargins(20, 0, 0, 0);
    m_line = new QLineEdit(m_lineRow);
    m_line->setObjectName(QStringLiteral("shortcutBindingLineEdit"));
    m_line->setReadOnly(true);
    m_line->setAccessibleName(tr("Line for the compositor\u2019s configuration"));
    m_copy = new QPushButton(tr("Copy"), m_lineRow);
    m_copy->setObjectName(QStringLiteral("copyBindingLineButton"));
    m_copy->setAutoDefault(false);
    row->addWidget(m_line, 1);
    row->addWidget(m_copy);
    connect(m_copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(m_line->text()); });

    QWidget* shortcutView = panel.shortcutView();
    if (auto* layout = qobject_cast<QBoxLayout*>(shortcutView->parentWidget()->layout())) {
        const int at = layout->indexOf(shortcutView) + 1;
        layout->insertWidget(at, m_label);
        layout->insertWidget(at + 1, m_lineRow);
    }

    // Queued: the panel registers the changed shortcut first, in its own handlers of the same signals.
    connect(panel.shortcutCheckBox(), &QCheckBox::clicked, this, &ShortcutNote::changedByUser);
    for (QComboBox* popUp : {panel.modifierSelector1(), panel.modifierSelector2(), panel.keySelector()})
        connect(popUp, &QComboBox::activated, this, &ShortcutNote::changedByUser);
    manager.service().setBindingChangedHandler([this] {
        m_desktopAnswered = true;
        refresh();
    });
    refresh();
}

ShortcutNote::~ShortcutNote() {
    m_manager.service().setBindingChangedHandler({});
}

void ShortcutNote::changedByUser() {
    m_desktopAnswered = false;
    QTimer::singleShot(0, this, &ShortcutNote::refresh);
}

void ShortcutNote::refresh() {
    const HotKeyService& service = m_manager.service();
    const auto stored = m_manager.storedCombination();
    ShortcutSituation situation;
    situation.route = service.route();
    situation.switchedOn = m_panel.shortcutCheckBox()->isChecked();
    situation.status = m_manager.registrationStatus();
    situation.desktopAnswered = m_desktopAnswered;
    situation.boundTrigger = QString::fromStdString(service.boundTrigger());
    if (stored)
        situation.combination = ShortcutCombination{stored->virtualKeyCode, stored->modifierMask};
    situation.compositor = m_compositor;

    const QString line = situation.route == HotKeyService::Route::none && situation.combination
                             ? compositorBindingLine(m_compositor, *situation.combination, m_program)
                             : QString();
    if (situation.route == HotKeyService::Route::none) {
        // Nothing here can be switched on; the pop-ups only compose the line to copy.
        m_panel.shortcutCheckBox()->setHidden(true);
        m_panel.shortcutView()->setHidden(line.isEmpty());
    }
    const QString advice = shortcutAdvice(situation);
    m_label->setText(advice);
    m_label->setHidden(advice.isEmpty());
    m_line->setText(line);
    m_lineRow->setHidden(line.isEmpty());
}
