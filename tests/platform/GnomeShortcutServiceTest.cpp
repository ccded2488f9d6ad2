// SPDX-License-Identifier: GPL-3.0-or-later
#include "GnomeShortcutService.h"
#include "GnomeCustomKeybindings.h"
#include "TempFolder.h"

#include "FileContents.h"
#include "ScopedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using gnomeKeybindings::CustomKeybinding;
using testing::ElementsAre;

namespace {
const std::string otherPath = "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/";
constexpr std::uint16_t space = 0x31;
constexpr std::uint16_t keyT = 0x11;

// GNOME's real schemas, compiled into a folder of the test's own, over GLib's in-memory settings: set before GIO
// first reads them, and nothing of the user's settings is read or changed.
class GnomeSettingsEnvironment final : public testing::Environment {
public:
    void SetUp() override {
        const fs::path schemas = fs::path(m_folder.path()) / "schemas";
        const fs::path nothing = fs::path(m_folder.path()) / "nothing";
        writeFile(schemas / fs::path(REDIZADO_MEDIA_KEYS_SCHEMA).filename(), readFile(REDIZADO_MEDIA_KEYS_SCHEMA));
        const std::string compile = "glib-compile-schemas --strict '" + schemas.string() + "'";
        ASSERT_EQ(std::system(compile.c_str()), 0) << compile;
        ::setenv("GSETTINGS_BACKEND", "memory", 1);
        ::setenv("GSETTINGS_SCHEMA_DIR", schemas.c_str(), 1);
        ::setenv("XDG_DATA_DIRS", nothing.c_str(), 1);
        ::setenv("XDG_DATA_HOME", nothing.c_str(), 1);
    }

private:
    TempFolder m_folder;
};
[[maybe_unused]] const auto* const environment = testing::AddGlobalTestEnvironment(new GnomeSettingsEnvironment);

class GnomeShortcutServiceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GnomeShortcutService::available());
        // The in-memory settings last as long as the process: each test starts from one other program's shortcut.
        gnomeKeybindings::reset(GnomeShortcutService::settingsPath());
        ASSERT_TRUE(gnomeKeybindings::write(otherPath, other));
        ASSERT_TRUE(gnomeKeybindings::setPaths({otherPath}));
        service.setBindingChangedHandler([this] { ++bindingChanges; });
    }

    static CustomKeybinding ours() { return gnomeKeybindings::read(GnomeShortcutService::settingsPath()).value(); }

    const CustomKeybinding other{"Terminal", "gnome-terminal --window", "<Super>t"};
    GnomeShortcutService service{"/usr/bin/redizado"};
    int bindingChanges = 0;
};

std::tuple<std::string, std::string, std::string> fieldsOf(const CustomKeybinding& binding) {
    return {binding.name, binding.command, binding.binding};
}
} // namespace

TEST_F(GnomeShortcutServiceTest, AddsOneShortcutBesideTheOtherProgramsAndSwitchingOffRemovesOnlyOurs) {
    EXPECT_EQ(service.registerHotKey(0x3F, HotKeyService::control, 1).status, HotKeyService::unsupported);
    const auto first = service.registerHotKey(space, HotKeyService::control, 1);
    const auto all = HotKeyService::control | HotKeyService::option | HotKeyService::shift | HotKeyService::command;
    const auto second = service.registerHotKey(keyT, all, 1);
    ASSERT_EQ(second.status, HotKeyService::ok);
    EXPECT_THAT(gnomeKeybindings::paths().value(), ElementsAre(otherPath, GnomeShortcutService::settingsPath()));
    EXPECT_EQ(fieldsOf(ours()), fieldsOf({"Redizado", "/usr/bin/redizado toggle", "<Super><Control><Alt><Shift>t"}));
    EXPECT_EQ(service.boundTrigger(), "Super+Ctrl+Alt+Shift+T");
    // Started with the shortcut off, the program removes one left by an earlier run, but never the one it holds.
    service.removeLeftover();
    EXPECT_EQ(gnomeKeybindings::paths().value().size(), 2U);

    // An older handle no longer owns the shortcut.
    service.unregisterHotKey(first.handle);
    EXPECT_EQ(gnomeKeybindings::paths().value().size(), 2U);
    service.unregisterHotKey(second.handle);
    EXPECT_THAT(gnomeKeybindings::paths().value(), ElementsAre(otherPath));
    // Nothing of ours is left in the user's settings.
    EXPECT_EQ(fieldsOf(ours()), fieldsOf({}));
    EXPECT_EQ(fieldsOf(gnomeKeybindings::read(otherPath).value()), fieldsOf(other));
    EXPECT_EQ(service.boundTrigger(), "");
    EXPECT_EQ(bindingChanges, 3);
}

// A configuration folder without GNOME's settings database would read an empty list and overwrite the user's.
TEST_F(GnomeShortcutServiceTest, AConfigurationFolderWithoutGnomesSettingsIsNotUsed) {
    TempFolder config;
    ScopedEnvironment environment("XDG_CONFIG_HOME", config.path());
    EXPECT_EQ(GnomeShortcutService::create(), nullptr);
    writeFile(config.path() + "/dconf/user", "");
    EXPECT_NE(GnomeShortcutService::create(), nullptr);
}

// GNOME splits the command the way a POSIX shell does, so a shell running it must start our program with "toggle",
// wherever the program lies.
TEST_F(GnomeShortcutServiceTest, TheCommandRunsThisProgramWithToggleWhateverItsFolderIsCalled) {
    TempFolder folder;
    const fs::path program = fs::path(folder.path()) / "it's \"my\" programs" / "redizado";
    const fs::path heard = fs::path(folder.path()) / "heard";
    writeFile(program, "#!/bin/sh\nprintf '%s|' \"$@\" > '" + heard.string() + "'\n");
    fs::permissions(program, fs::perms::owner_all);

    GnomeShortcutService atPath(program.string());
    ASSERT_EQ(atPath.registerHotKey(space, HotKeyService::control, 1).status, HotKeyService::ok);
    const std::string command = ours().command;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(readFile(heard), "toggle|") << command;
}
