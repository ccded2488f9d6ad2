// SPDX-License-Identifier: GPL-3.0-or-later
// The tray program as main puts it together, on the offscreen platform. Its start leaves the panel to its first show:
// what the start owes the user happens without it. The process-wide store and item manager make this one test per
// process.
#include "CommandLine.h"
#include "FakeDesktopPortal.h"
#include "FakeSystemTrayHost.h"
#include "FileUserDefaults.h"
#include "FirstRun.h"
#include "JLJotlingManager.h"
#include "JLRedizadoViewController.h"
#include "JLTableView.h"
#include "ListPresenter.h"
#include "MemoryAllDesktops.h"
#include "MemoryHotKeyService.h"
#include "PreferencesKeys.h"
#include "PrivateSessionBus.h"
#include "QtWorkspace.h"
#include "ScopedEnvironment.h"
#include "StoredItems.h"
#include "TempFolder.h"
#include "TrayProgram.h"
#include "WaitUntil.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <future>

using namespace plist_value;
using namespace std::chrono_literals;

namespace {
constexpr int storedItems = 10000;

// A store of many items, one in four checked, whose stored count (3) is wrong.
std::string manyItemsStore(const TempFolder& temp) {
    const std::string path = temp.path() + "/config/redizado/defaults.plist";
    FileUserDefaults seed(path);
    runFirstRunProcedure(seed);
    Array items;
    for (int i = 0; i < storedItems; ++i)
        items.push_back(storedItem("item " + std::to_string(i), i % 4 == 0));
    seed.setObject(keys::allRedizado, Value(std::move(items)));
    seed.setInteger(keys::toDoCountKey, 3);
    EXPECT_TRUE(seed.synchronize());
    return path;
}

// A tray program over the store at path, as main makes it, its shortcut grabbed.
struct Started {
    explicit Started(const TempFolder& temp, const std::string& path,
                     std::unique_ptr<MemoryHotKeyService> keys = std::make_unique<MemoryHotKeyService>(),
                     std::unique_ptr<SystemTrayHost> tray = nullptr)
        : defaults(*new FileUserDefaults(path)), instance(QString::fromStdString(temp.path())), hotKeys(*keys) {
        UserDefaults::setStandardUserDefaults(std::unique_ptr<UserDefaults>(&defaults));
        EXPECT_TRUE(instance.tryLock());
        program.emplace(TrayProgram::Desktop{std::make_unique<QtWorkspace>(), std::make_unique<MemoryAllDesktops>(),
                                             std::move(tray), false, std::move(keys)},
                        defaults, instance);
    }
    FileUserDefaults& defaults;
    SingleInstance instance;
    MemoryHotKeyService& hotKeys;
    std::optional<TrayProgram> program;
};

// A tray of the test's own, running, that takes the icon in.
std::unique_ptr<FakeSystemTrayHost> runningTray() {
    auto tray = std::make_unique<FakeSystemTrayHost>();
    tray->running = true;
    return tray;
}

// Runs the event loop as the program does, letting it wait, until the condition holds.
template <typename Condition> bool runUntil(Condition condition) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    check.start(10);
    QTimer::singleShot(20s, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}
} // namespace

// The icon starts from the stored count; the list is read once the program runs, and puts a wrong count right.
TEST(TrayProgramStartTest, TheListIsReadAfterTheStartAndPutsAWrongStoredCountRight) {
    TempFolder temp;
    Started started(temp, manyItemsStore(temp));
    JLJotlingManager& manager = JLJotlingManager::sharedManager();
    EXPECT_FALSE(manager.listLoaded());
    EXPECT_EQ(started.defaults.integerForKey(keys::toDoCountKey), 3);
    ASSERT_TRUE(runUntil([&] { return manager.listLoaded(); }));
    EXPECT_EQ(started.defaults.integerForKey(keys::toDoCountKey), storedItems * 3 / 4);
}

// A later start's command holds the icon's count until it is answered, so that the count drawn is the one after it.
// A sync command, which may take minutes, holds nothing: afterwards the icon still follows what the panel does.
TEST(TrayProgramStartTest, ALaterStartHandsOnItsTokenAndAfterASyncCommandTheIconStillFollowsTheList) {
    TempFolder temp;
    auto tray = runningTray();
    FakeSystemTrayHost& host = *tray;
    Started started(temp, temp.path() + "/config/redizado/defaults.plist", std::make_unique<MemoryHotKeyService>(),
                    std::move(tray));
    const auto ask = [folder = QString::fromStdString(temp.path())](const QString& word, const QString& token) {
        auto later = std::async(std::launch::async, [&] {
            return SingleInstance(folder).sendToRunning({{word}, token}, 20s);
        });
        EXPECT_TRUE(waitUntil([&] { return later.wait_for(0s) == std::future_status::ready; }, 20000));
        return later.get().has_value();
    };
    // A later start that the desktop let raise a window hands that right on; one given none takes nothing away.
    const ScopedEnvironment launcherToken("XDG_ACTIVATION_TOKEN", "from the launcher");
    ASSERT_TRUE(ask(QStringLiteral("sync"), {}));
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "from the launcher");
    ASSERT_TRUE(ask(QStringLiteral("count"), QStringLiteral("from the desktop")));
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "from the desktop");
    for (const char* title : {"from the panel", "and another"})
        JLJotlingManager::sharedManager().addJotlingWithTitle(title);
    const QString count = QStringLiteral("%1 to do").arg(started.defaults.integerForKey(keys::toDoCountKey));
    ASSERT_FALSE(host.docked.empty());
    EXPECT_TRUE(runUntil([&] { return host.docked.back()->toolTip().endsWith(count); }))
        << host.docked.back()->toolTip().toStdString();
}

// The icon's shape is a setting too: switched in the file by another copy or a restored backup, the icon follows.
TEST(TrayProgramStartTest, AnIconShapeSwitchedInTheFileIsShown) {
    TempFolder temp;
    auto tray = runningTray();
    FakeSystemTrayHost& host = *tray;
    const std::string path = temp.path() + "/config/redizado/defaults.plist";
    Started started(temp, path, std::make_unique<MemoryHotKeyService>(), std::move(tray));
    ASSERT_TRUE(runUntil([&] { return JLJotlingManager::sharedManager().listLoaded(); }));
    ASSERT_FALSE(host.docked.empty());
    const QImage before = host.docked.back()->grab().toImage();
    {
        FileUserDefaults other(path);
        other.setBool(keys::squareIcon, !other.boolForKey(keys::squareIcon));
        ASSERT_TRUE(other.synchronize());
    }
    EXPECT_TRUE(runUntil([&] { return host.docked.back()->grab().toImage() != before; }));
}

class TrayProgramOnABusTest : public PrivateBusTest {
protected:
    FakeDesktopPortal portal;
};

// Where the tray does not say how dark it is, the desktop's dark scheme, told by its portal, is a dark bar: the icon
// is drawn light, without the dark rim a bar of unknown colour needs.
TEST_F(TrayProgramOnABusTest, TheDesktopsDarkSchemeDrawsTheIconForADarkBar) {
    portal.colorScheme = uint(1);
    startPortal(portal);
    const ScopedEnvironment bus("DBUS_SESSION_BUS_ADDRESS", address.toStdString());
    TempFolder temp;
    auto tray = runningTray();
    FakeSystemTrayHost& host = *tray;
    Started started(temp, temp.path() + "/config/redizado/defaults.plist", std::make_unique<MemoryHotKeyService>(),
                    std::move(tray));
    const auto darkPixels = [&host] {
        const QImage shown = host.docked.back()->grab().toImage();
        int n = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                n += c.alpha() >= 128 && std::max({c.red(), c.green(), c.blue()}) < 96;
            }
        return n;
    };
    EXPECT_TRUE(runUntil([&] { return !host.docked.empty() && darkPixels() == 0; }));
}

// A later start's command that comes before the list was read reads it first: no stored item is lost.
TEST(TrayProgramStartTest, AnItemAddedBeforeTheListIsReadKeepsEveryStoredItem) {
    TempFolder temp;
    Started started(temp, manyItemsStore(temp));
    ASSERT_FALSE(JLJotlingManager::sharedManager().listLoaded());
    auto later = std::async(std::launch::async, [folder = QString::fromStdString(temp.path())] {
        return SingleInstance(folder).sendToRunning({{QStringLiteral("add"), QStringLiteral("new")}, {}}, 20s);
    });
    ASSERT_TRUE(waitUntil([&] { return later.wait_for(0s) == std::future_status::ready; }, 20000));
    const auto reply = later.get();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->exitStatus, 0);
    // On disk by the time the command is answered.
    const auto stored = storedTitles(FileUserDefaults(started.defaults.path()));
    ASSERT_EQ(stored.size(), std::size_t(storedItems + 1));
    EXPECT_EQ(std::vector(stored.begin(), stored.begin() + 2), (std::vector<std::string>{"new", "item 0"}));
    EXPECT_EQ(started.defaults.integerForKey(keys::toDoCountKey), storedItems * 3 / 4 + 1);
}

TEST(TrayProgramStartTest, TheShortcutSwitchedInTheFileIsFollowedBeforeThePanelIsMadeWhichThenShowsItAndAfter) {
    TempFolder temp;
    const std::string path = temp.path() + "/config/redizado/defaults.plist";
    Started started(temp, path);
    MemoryHotKeyService& service = started.hotKeys;
    TrayProgram& program = *started.program;
    program.perform(Command{}); // a plain start: the icon alone, the panel left to its first show
    ASSERT_EQ(program.interface().madeRedizadoViewController(), nullptr);
    EXPECT_TRUE(service.registrations.empty());

    // Someone else writes the file, as a second copy of the program or a restored backup would.
    {
        FileUserDefaults other(path);
        other.setObject(keys::allRedizado, Array{storedItem("written elsewhere")});
        other.setBool(keys::shortcutKey, true);
        ASSERT_TRUE(other.synchronize());
    }
    EXPECT_TRUE(waitUntil([&] { return service.registrations.size() == 1; }));
    EXPECT_EQ(started.defaults.integerForKey(keys::toDoCountKey), 1);
    EXPECT_EQ(program.interface().madeRedizadoViewController(), nullptr);
    // The desktop's portal answers that it bound nothing.
    service.setRoute(HotKeyService::Route::portal);
    service.answerBinding("");

    // Made now, the panel shows what the file says, and the shortcut's note in its settings pane tells the answer.
    JLRedizadoViewController& panel = program.interface().redizadoViewController();
    EXPECT_TRUE(panel.shortcutCheckBox()->isChecked());
    Command toggle;
    toggle.verb = Command::Verb::toggle;
    program.perform(toggle);
    ASSERT_TRUE(waitUntil([&] { return program.interface().listPresenter().isShown(); }));
    EXPECT_EQ(panel.redizadoTableView()->numberOfRows(), 1);
    const auto* note = panel.settingsPane()->findChild<QLabel*>(QStringLiteral("shortcutNoteLabel"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("The desktop did not bind the shortcut.")))
        << note->text().toStdString();

    // Switched off in the file with the panel made, it is let go as from the settings pane. Written once our own
    // saves have ended, so that it is not taken for a change made meanwhile.
    ASSERT_TRUE(runUntil([&] { return !started.defaults.saving(); }));
    {
        FileUserDefaults other(path);
        other.setBool(keys::shortcutKey, false);
        ASSERT_TRUE(other.synchronize());
    }
    EXPECT_TRUE(waitUntil([&] { return service.registrations.empty(); }));
    EXPECT_FALSE(panel.shortcutCheckBox()->isChecked());
}

// Where no file can be made, the user hears of it as the program starts, not only in the store's log: here, with
// neither a tray nor a notification service, the tray's own line says it.
TEST(TrayProgramStartTest, AStoreThatCannotBeWrittenIsToldAtStart) {
    TempFolder temp;
    testing::internal::CaptureStderr();
    Started started(temp, "/proc/self/fdinfo/redizado/defaults.plist");
    QCoreApplication::processEvents();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("redizado.tray: Redizado cannot save"), std::string::npos);
}
