// SPDX-License-Identifier: GPL-3.0-or-later
#include "AllDesktops.h"
#include "CommandHere.h"
#include "CommandLine.h"
#include "FileUserDefaults.h"
#include "GnomeShortcutService.h"
#include "HotKeyService.h"
#include "JLJotlingManager.h"
#include "LoadedSync.h"
#include "Log.h"
#include "LogCategories.h"
#include "NotificationCenter.h"
#include "PortalHotKeyService.h"
#include "PreferencesKeys.h"
#include "QtWorkspace.h"
#include "SaveProblemNotice.h"
#include "SingleInstance.h"
#include "SyncCommands.h"
#include "TerminationSignals.h"
#include "Translations.h"
#include "TrayProgram.h"
#include "X11SystemTrayHost.h"
#include "X11Workspace.h"
#include "XcbAllDesktops.h"
#include "XcbHotKeyService.h"

#include <QApplication>
#include <QLoggingCategory>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

namespace {
Q_LOGGING_CATEGORY(lcStart, "redizado.hotkey", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWindow, "redizado.window", QtWarningMsg)

// Where windows cannot ask for every desktop themselves, the compositor places the panel on the current one.
class CurrentDesktopOnly final : public AllDesktops {
public:
    void joinAllDesktops(QWidget&) override {}
};

bool onGnome() {
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP")
        .split(QLatin1Char(':'))
        .contains(QLatin1String("GNOME"), Qt::CaseInsensitive);
}

// GNOME and Plasma place a Wayland window where they like, far from the tray, and Plasma lists it in its task
// manager. Through XWayland the program hangs its panel under the icon (or in the top-right corner where the tray
// gives no place), keeps it out of task lists, and both still give it the focus. sway and the like float a
// Wayland window in the middle, which reads well, so they keep Wayland.
void preferXWaylandWhereThePanelCanBePlaced() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'));
    if (!desktops.contains(QLatin1String("GNOME"), Qt::CaseInsensitive) &&
        !desktops.contains(QLatin1String("KDE"), Qt::CaseInsensitive))
        return;
    qCInfo(lcWindow) << "a GNOME or Plasma Wayland session: the program runs through XWayland, where it can place its "
                        "panel at the icon (QT_QPA_PLATFORM=wayland keeps it on Wayland)";
    qputenv("QT_QPA_PLATFORM", "xcb");
}

TrayProgram::Desktop pickDesktop(bool shortcutOn) {
    TrayProgram::Desktop desktop;
    const bool onX11 = QGuiApplication::platformName() == QLatin1String("xcb");
    // Qt may run on XWayland inside a Wayland session, where an X11 grab hears the keys only while an X11 window
    // has the focus: there the shortcut must come from the desktop as on Wayland.
    const bool waylandSession = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                                qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (onX11) {
        desktop.workspace = std::make_unique<X11Workspace>();
        desktop.allDesktops = std::make_unique<XcbAllDesktops>();
        desktop.systemTray = std::make_unique<X11SystemTrayHost>();
        desktop.pointerReadable = !waylandSession;
        if (!waylandSession) {
            desktop.hotKeys = std::make_unique<XcbHotKeyService>();
            return desktop;
        }
    } else {
        desktop.workspace = std::make_unique<QtWorkspace>();
        desktop.allDesktops = std::make_unique<CurrentDesktopOnly>();
    }
    const char* where = onX11 ? "a Wayland session reached through XWayland" : "not on X11";
    if (auto portal = PortalHotKeyService::create()) {
        qCInfo(lcStart).nospace().noquote() << where << ": the global shortcut comes from the desktop portal";
        desktop.hotKeys = std::move(portal);
    } else if (auto gnome = onGnome() ? GnomeShortcutService::create() : nullptr) {
        qCInfo(lcStart) << "GNOME without a shortcuts portal: the shortcut is a custom shortcut in GNOME's keyboard "
                           "settings";
        // Switched off while the program was not running: GNOME must stop running it on the old keys.
        if (!shortcutOn)
            gnome->removeLeftover();
        desktop.hotKeys = std::move(gnome);
    } else {
        qCInfo(lcStart).nospace().noquote() << where
                                            << " and no desktop portal offers global shortcuts: bind \"redizado "
                                               "toggle\" in the desktop's keyboard settings";
    }
    return desktop;
}
} // namespace

// With no copy running, a sync command runs here, over the store and the keyring, holding the lock so that a tray
// program started meanwhile does not write the store at the same time. The request carries the password that the
// command read from its standard input.
extern "C" __attribute__((visibility("default"))) int redizadoSyncHere(int argc, char** argv,
                                                                       const QStringList* request) {
    QCoreApplication::setApplicationName(QStringLiteral("redizado"));
    QCoreApplication app(argc, argv);
    translations::installForUser(app);
    QString whyNot;
    const Command command = Command::fromRequest(*request, &whyNot);
    if (!whyNot.isEmpty())
        return finish({2, {}, whyNot + QLatin1Char('\n')});
    SingleInstance instance;
    if (!instance.tryLock())
        return finish({sync_status::tryLater,
                       {},
                       QCoreApplication::translate("ProgramMain", "a copy of the program is starting; try again") +
                           QLatin1Char('\n')});
    const int status = withStoreHere([&](FileUserDefaults& defaults, JLJotlingManager& manager) {
        LoadedSync sync(defaults, manager);
        SyncCommands commands(sync);
        std::optional<CommandReply> reply;
        commands.run(command, [&](const CommandReply& answer) {
            reply = answer;
            app.quit();
        });
        if (!reply)
            app.exec();
        return reply.value_or(
            CommandReply{sync_status::failed,
                         {},
                         QCoreApplication::translate("ProgramMain", "the sync did not finish") + QLatin1Char('\n')});
    });
    instance.unlock();
    return status;
}

// The whole program, loaded by the command people type (cli/CommandMain.cpp) when it is more than a command for
// the running copy.
extern "C" __attribute__((visibility("default"))) int redizadoProgramMain(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("redizado"));
    QCoreApplication::setApplicationVersion(QStringLiteral(REDIZADO_VERSION));

    // A later start needs no display: it only talks to the running copy or to the store. Its messages and the
    // help are in the user's language.
    std::unique_ptr<SingleInstance> instance;
    Command command;
    {
        QCoreApplication core(argc, argv);
        translations::installForUser(core);
        QString badArgument;
        const QStringList arguments = decodeArguments(argc, argv, &badArgument);
        if (!badArgument.isEmpty())
            return finish({2,
                           {},
                           QCoreApplication::translate("ProgramMain", "%1; nothing was changed").arg(badArgument) +
                               QLatin1Char('\n')});
        const ParsedCommandLine parsed = parseCommandLine(arguments);
        if (!parsed.error.isEmpty())
            return finish({2,
                           {},
                           parsed.error + QLatin1Char('\n') +
                               QCoreApplication::translate("ProgramMain", "Try 'redizado --help'.") +
                               QLatin1Char('\n')});
        command = parsed.command;
        if (command.verbose)
            QLoggingCategory::setFilterRules(QStringLiteral("redizado.*.info=true"));
        // The store's plain lines follow its category, which QT_LOGGING_RULES may have turned on as well.
        setInfoLogged(lcStore().isInfoEnabled());
        if (command.verb == Command::Verb::help)
            return finish({0, parsed.helpText, {}});
        if (command.verb == Command::Verb::version)
            return finish({0, QStringLiteral("redizado %1\n").arg(QStringLiteral(REDIZADO_VERSION)), {}});
        instance = std::make_unique<SingleInstance>();
        if (const auto status = runBeforeTray(command, *instance))
            return *status;
    }

    preferXWaylandWhereThePanelCanBePlaced();
    QApplication app(argc, argv);
    translations::installForUser(app);
    QApplication::setApplicationDisplayName(QStringLiteral("Redizado"));
    QApplication::setDesktopFileName(QStringLiteral("org.redizado.Redizado"));
    // The panel hides rather than closes; the program lives in the tray until Quit.
    QApplication::setQuitOnLastWindowClosed(false);

    auto store = std::make_unique<FileUserDefaults>(FileUserDefaults::defaultPath());
    FileUserDefaults& defaults = *store;
    UserDefaults::setStandardUserDefaults(std::move(store));
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&defaults] { saveOnceMoreAtQuit(defaults); });
    quitOnTerminationSignals();
    TrayProgram program(pickDesktop(defaults.boolForKey(keys::shortcutKey)), defaults, *instance,
                        command.popover ? MainInterface::Variant::Popover : MainInterface::Variant::Panel);
    program.perform(command);
    const int status = app.exec();
    // The last save is on disk before another copy may start and read the file.
    defaults.finishSaves();
    instance->unlock();
    return status;
}
