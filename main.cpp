// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotKeyService.h"
#include "MainInterface.h"
#include "NotificationCenter.h"
#include "SaveProblemNotice.h"
#include "qt/QtWorkspace.h"
#include "qt/TerminationSignals.h"
#include "qt/TrayStatusItem.h"
#include "shortcut/JLHotKeyManager.h"
#include "widgets/x11/XcbAllDesktops.h"
#include "x11/X11Workspace.h"
#include "x11/XcbHotKeyService.h"
#include "xdg/FileUserDefaults.h"
#include "xdg/XdgLoginItems.h"

#include <QApplication>

#include <memory>

namespace {
// Where windows cannot ask for every desktop themselves, the compositor places the panel on the current one.
class CurrentDesktopOnly final : public AllDesktops {
public:
    void joinAllDesktops(QWidget &) override {}
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("redizado"));
    QApplication::setApplicationDisplayName(QStringLiteral("Redizado"));
    QApplication::setApplicationVersion(QStringLiteral(REDIZADO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("redizado"));
    // The panel hides rather than closes; the program lives in the tray until Quit.
    QApplication::setQuitOnLastWindowClosed(false);

    auto fileDefaults = std::make_unique<FileUserDefaults>(FileUserDefaults::defaultPath());
    FileUserDefaults &store = *fileDefaults;
    UserDefaults::setStandardUserDefaults(std::move(fileDefaults));
    const bool onX11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (onX11)
        HotKeyService::setDefaultService(std::make_unique<XcbHotKeyService>());

    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<AllDesktops> allDesktops;
    if (onX11) {
        workspace = std::make_unique<X11Workspace>();
        allDesktops = std::make_unique<XcbAllDesktops>();
    } else {
        workspace = std::make_unique<QtWorkspace>();
        allDesktops = std::make_unique<CurrentDesktopOnly>();
    }
    TrayStatusItem statusItem;
    noticeSaveProblems(store, statusItem);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&store] { saveOnceMoreAtQuit(store); });
    quitOnTerminationSignals();
    XdgLoginItems loginItems;
    MainInterface interface({UserDefaults::standardUserDefaults(), NotificationCenter::defaultCenter(), statusItem,
                             *workspace, loginItems, [] () -> JLHotKeyManager & { return JLHotKeyManager::sharedManager(); },
                             QCoreApplication::applicationFilePath().toStdString()},
                            *allDesktops, nullptr,
                            QCoreApplication::arguments().contains(QStringLiteral("--popover"))
                                ? MainInterface::Variant::Popover
                                : MainInterface::Variant::Panel);
    return app.exec();
}
