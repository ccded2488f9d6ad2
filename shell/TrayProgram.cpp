// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayProgram.h"

#include "AllDesktops.h"
#include "CommandLine.h"
#include "FileUserDefaults.h"
#include "FirstRun.h"
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

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <malloc.h>
#include <utility>

namespace {
// A desktop without a tray or a shortcut service still runs, and says so where the user looks.
TrayProgram::Desktop completed(TrayProgram::Desktop desktop) {
    if (!desktop.systemTray)
        desktop.systemTray = std::make_unique<NoSystemTray>();
    if (!desktop.hotKeys)
        desktop.hotKeys = std::make_unique<NoHotKeyService>();
    return desktop;
}

// The first-run values, a stored count among them, go in before the manager loads and squares that count with
// its items; the status item controller's own first run then finds them done.
UserDefaults& afterFirstRun(UserDefaults& defaults) {
    runFirstRunProcedure(defaults);
    return defaults;
}
} // namespace

TrayProgram::TrayProgram(Desktop desktop, FileUserDefaults& defaults, SingleInstance& instance,
                         MainInterface::Variant variant)
    : m_desktop(completed(std::move(desktop))), m_defaults(defaults),
      m_manager(afterFirstRun(defaults), m_center, JLJotlingManager::Load::atFirstUse),
      m_hotKeyManager(*m_desktop.hotKeys, defaults), m_statusItem(*m_desktop.systemTray) {
    JLJotlingManager::setSharedManager(&m_manager);
    JLHotKeyManager::setSharedManager(&m_hotKeyManager);
    noticeSaveProblems(defaults, m_statusItem);
    // The settings pane is made when first shown; until then what it would show is kept here.
    m_shortcutOn = defaults.boolForKey(keys::shortcutKey);
    m_desktop.hotKeys->setBindingChangedHandler([this] { m_desktopAnswered = true; });
    m_interface = std::make_unique<MainInterface>(
        JLStatusItemController::Services{defaults, m_center, m_heldStatusItem, *m_desktop.workspace, m_loginItems,
                                         m_hotKeyManager, QCoreApplication::applicationFilePath().toStdString(),
                                         m_desktop.pointerReadable},
        *m_desktop.allDesktops, m_manager, variant);
    m_interface->statusItemController().setKeptIconPlace(&m_keptIconPlace);
    m_interface->setPanelMadeHandler([this](JLRedizadoViewController& panel) { panelMade(panel); });

    JLJotlingManager& manager = m_manager;
    startSync();
    // A command's answer waits for its change to be on disk.
    auto savedOrFailing = [&defaults] {
        defaults.finishSaves();
        return defaults.saveFailing();
    };
    m_commands.emplace(*m_interface, ItemCommands(manager, savedOrFailing), m_sync.get());
    instance.listen([this](const SingleInstance::Request& request, SingleInstance::Respond respond) {
        // A later start that the desktop let raise a window hands that right on to us.
        if (!request.activationToken.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", request.activationToken.toUtf8());
        // An item is saved before the answer; the icon's new count follows it. A sync may take minutes: the
        // icon follows it as it goes.
        const bool quick = request.words.value(0) != QLatin1String("sync");
        if (quick)
            m_heldStatusItem.hold();
        m_commands->handle(request.words, [this, quick, respond](const CommandReply& reply) {
            respond(SingleInstance::Reply{reply.exitStatus, reply.output, reply.error, [this, quick] {
                                              if (quick)
                                                  m_heldStatusItem.release();
                                          }});
        });
    });

    m_reloader.emplace(defaults, manager, [this] { showReloaded(); });
    m_watcher =
        std::make_unique<PreferencesWatcher>(QString::fromStdString(defaults.path()), [this] { fileMayHaveChanged(); });
    followColorScheme();
    loadListOnceIconIsUp();
    // Reading the store and starting Qt leave freed memory all over the heap; it goes back to the system once the
    // icon is up (handing it back takes a few milliseconds at 10,000 items), rather than staying counted against
    // the program for as long as it runs.
    QTimer::singleShot(std::chrono::seconds(1), &m_statusItem, [] { malloc_trim(0); });
    // What the start saved is on disk before anything else may read the file.
    m_backgroundSaves.emplace(defaults, [this] {
        if (std::exchange(m_fileChangedWhileSaving, false))
            fileMayHaveChanged();
    });
}

// The icon and its count (the stored one) come first: the store has read only the settings so far, and parses the
// list on a thread once the tray has had time to show the icon. Whatever needs the list before this (the panel, a
// later start's command, a reload, the sync, a save) reads it there and then; a stored count that is wrong is put
// right once it is read.
void TrayProgram::loadListOnceIconIsUp() {
    // The tray maps and draws the icon after the event loop has sent it off. A parse meanwhile would take a core
    // from the tray and the display server on a two-core machine, and the icon would come a few milliseconds later.
    constexpr auto trayShowsIcon = std::chrono::milliseconds(250);
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                             &m_statusItem, [this, once] {
                                 QObject::disconnect(*once);
                                 QTimer::singleShot(trayShowsIcon, &m_statusItem, [this] {
                                     m_defaults.parseArraysInBackground();
                                     loadListOnceParsed();
                                 });
                             });
    // A quit before then still leaves the right count behind.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &m_statusItem,
                     [this] { m_manager.loadList(); });
}

void TrayProgram::loadListOnceParsed() {
    // Meanwhile the main thread answers the tray, which waits for the icon to be mapped.
    if (!m_defaults.arraysParsed()) {
        QTimer::singleShot(std::chrono::milliseconds(2), &m_statusItem, [this] { loadListOnceParsed(); });
        return;
    }
    // Even with no item list to load: an unreadable one is reported now.
    m_defaults.readArrays();
    m_manager.loadList();
}

void TrayProgram::fileMayHaveChanged() {
    // Most often it is our own save, still being written: the file is looked at once it has ended, without the panel
    // waiting for it.
    if (m_defaults.saving()) {
        m_fileChangedWhileSaving = true;
        return;
    }
    m_reloader->fileChanged();
}

void TrayProgram::panelMade(JLRedizadoViewController& panel) {
    panel.setSyncControl(m_sync.get());
    m_shortcutNote = std::make_unique<ShortcutNote>(panel, m_hotKeyManager, runningCompositor(),
                                                    QCoreApplication::applicationFilePath(), m_desktopAnswered);
}

void TrayProgram::followColorScheme() {
    m_colorScheme = std::make_unique<PortalColorScheme>();
    QObject::connect(m_colorScheme.get(), &PortalColorScheme::schemeChanged, &m_statusItem,
                     [this](PortalColorScheme::Scheme scheme) {
                         m_statusItem.setBarTone(barToneOfScheme(scheme, qEnvironmentVariable("XDG_CURRENT_DESKTOP")));
                     });
}

void TrayProgram::startSync() {
    m_sync = std::make_unique<LoadedSync>(m_defaults, m_manager);
    // Only what the user changes here: the sync's own saves must not ask for another sync.
    m_manager.setChangedHereHandler([this] { m_sync->itemsChangedHere(); });
    m_center.addObserver(notifications::popoverWillBecomeVisible, nullptr,
                         [this](const NotificationCenter::Notification&) { m_sync->panelShown(); });
    QObject::connect(m_sync.get(), &SyncControl::itemsChanged, m_sync.get(),
                     [this] { m_interface->listPresenter().reload(ListPresenter::StoreChange::Anything); });
    // The tool tip says what the user must put right, and only that.
    QObject::connect(m_sync.get(), &SyncControl::statusChanged, m_sync.get(), [this] {
        //: %1 is how the last sync went, such as "The server did not answer"
        m_heldStatusItem.setToolTip(
            m_sync->needsAttention() ? QCoreApplication::translate("TrayProgram", "Redizado: %1").arg(m_sync->status())
                                     : QStringLiteral("Redizado"));
    });
    m_sync->startSchedule();
}

TrayProgram::~TrayProgram() {
    // A save still being written is told while the status item that tells a failure is still there.
    m_backgroundSaves.reset();
    m_manager.setChangedHereHandler(nullptr);
    JLJotlingManager::setSharedManager(nullptr);
    JLHotKeyManager::setSharedManager(nullptr);
}

void TrayProgram::perform(const Command& command) {
    if (command.verb == Command::Verb::toggle)
        QTimer::singleShot(0, &m_interface->window(), [this] { m_interface->listPresenter().toggle(); });
}

void TrayProgram::showReloaded() {
    m_interface->listPresenter().reload(ListPresenter::StoreChange::Anything);
    // The icon's shape is a setting too; the count followed the manager's notification.
    m_interface->statusItemController().changeIconToAlternate(m_interface->listPresenter().isShown());
    // So is the shortcut: switched by hand in the file, it is registered or let go as from the settings pane.
    const bool stored = m_defaults.boolForKey(keys::shortcutKey);
    if (JLRedizadoViewController* panel = m_interface->madeRedizadoViewController()) {
        QCheckBox* shortcut = panel->shortcutCheckBox();
        if (shortcut->isChecked() != stored)
            shortcut->click();
    } else if (m_shortcutOn != stored) {
        m_interface->statusItemController().setShortcut(stored);
    }
    m_shortcutOn = stored;
}
