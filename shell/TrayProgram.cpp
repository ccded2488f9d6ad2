// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayProgram.h"

#include "AllDesktops.h"
#include "CommandLine.h"
#include "FileUserDefaults.h"
#include "JLHotKeyManager.h"
#include "JLJotlingManager.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "ListPresenter.h"
#include "NotificationCenter.h"
#include "PortalColorScheme.h"
#include "PreferencesKeys.h"
#include "SaveProblemNotice.h"
#include "ShortcutNote.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QTimer>

namespace {
TrayProgram::Desktop withTray(TrayProgram::Desktop desktop) {
    if (!desktop.systemTray)
        desktop.systemTray = std::make_unique<NoSystemTray>();
    return desktop;
}
} // namespace

TrayProgram::TrayProgram(Desktop desktop, FileUserDefaults& defaults, SingleInstance& instance,
                         MainInterface::Variant variant)
    : m_desktop(withTray(std::move(desktop))), m_defaults(defaults), m_statusItem(*m_desktop.systemTray) {
    noticeSaveProblems(defaults, m_statusItem);
    m_interface = std::make_unique<MainInterface>(
        JLStatusItemController::Services{
            defaults, NotificationCenter::defaultCenter(), m_statusItem, *m_desktop.workspace, m_loginItems,
            []() -> JLHotKeyManager& { return JLHotKeyManager::sharedManager(); },
            QCoreApplication::applicationFilePath().toStdString(), m_desktop.pointerReadable},
        *m_desktop.allDesktops, nullptr, variant);
    m_shortcutNote =
        std::make_unique<ShortcutNote>(m_interface->redizadoViewController(), JLHotKeyManager::sharedManager(),
                                       runningCompositor(), QCoreApplication::applicationFilePath());

    JLJotlingManager& manager = JLJotlingManager::sharedManager();
    m_commands.emplace(*m_interface, ItemCommands(manager, [&defaults] { return defaults.saveFailing(); }));
    instance.listen([this](const SingleInstance::Request& request) {
        // A later start that the desktop let raise a window hands that right on to us.
        if (!request.activationToken.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", request.activationToken.toUtf8());
        const CommandReply reply = m_commands->handle(request.words);
        return SingleInstance::Reply{reply.exitStatus, reply.output, reply.error};
    });

    m_reloader.emplace(defaults, manager, [this] { showReloaded(); });
    m_watcher = std::make_unique<PreferencesWatcher>(QString::fromStdString(defaults.path()),
                                                     [this] { m_reloader->fileChanged(); });
    followColorScheme();
}

void TrayProgram::followColorScheme() {
    using Scheme = PortalColorScheme::Scheme;
    m_colorScheme = std::make_unique<PortalColorScheme>();
    QObject::connect(m_colorScheme.get(), &PortalColorScheme::schemeChanged, &m_statusItem, [this](Scheme scheme) {
        // A light scheme says little of the bar: GNOME's stays dark, and waybar's is styled on its own. Plasma's
        // panel is the one known to follow it.
        const bool barFollowsScheme = qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1String("KDE"));
        if (scheme == Scheme::dark)
            m_statusItem.setBarTone(BarTone::Dark);
        else if (scheme == Scheme::light && barFollowsScheme)
            m_statusItem.setBarTone(BarTone::Light);
        else
            m_statusItem.setBarTone(BarTone::Unknown);
    });
}

TrayProgram::~TrayProgram() = default;

void TrayProgram::perform(const Command& command) {
    if (command.verb == Command::Verb::toggle)
        QTimer::singleShot(0, &m_interface->window(), [this] { m_interface->listPresenter().toggle(); });
}

void TrayProgram::showReloaded() {
    m_interface->listPresenter().reload(ListPresenter::StoreChange::Anything);
    // The icon's shape is a setting too; the count followed the manager's notification.
    m_interface->statusItemController().changeIconToAlternate(m_interface->listPresenter().isShown());
    // So is the shortcut: switched by hand in the file, it is registered or let go as from the settings pane.
    QCheckBox* shortcut = m_interface->redizadoViewController().shortcutCheckBox();
    if (shortcut->isChecked() != m_defaults.boolForKey(keys::shortcutKey))
        shortcut->click();
}
