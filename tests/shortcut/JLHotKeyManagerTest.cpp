// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLHotKeyManager.h"
#include "FirstRun.h"
#include "MemoryHotKeyService.h"
#include "MemoryUserDefaults.h"
#include "PreferencesKeys.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
class HotKeyManagerTest : public ::testing::Test {
protected:
    void SetUp() override { runFirstRunProcedure(defaults); }

    void store(const char* key, const char* one, const char* two) {
        defaults.setObject(keys::shortcutKeyCodeKey, key);
        defaults.setObject(keys::shortcutModifierCodeKeyOne, one);
        defaults.setObject(keys::shortcutModifierCodeKeyTwo, two);
    }

    // Registers with an action that records the target it is performed on.
    void registerRecording() {
        manager.registerHotKeyWithTarget(&owner,
                                         [this](void* target, const HotKeyEvent&) { targets.push_back(target); });
    }

    MemoryHotKeyService service;
    MemoryUserDefaults defaults;
    JLHotKeyManager manager{service, defaults};
    int owner = 0; // stands in for the status item controller
    std::vector<void*> targets;
};

TEST_F(HotKeyManagerTest, StoredNamesRegisterKeyCodeAndModifiers) {
    const struct {
        const char *key, *one, *two;
        std::uint16_t code;
        std::uint32_t mask;
    } rows[] = {{"Q", "\u2318", "\u21E7", 12, 0x0300},
                {"None", "\u2325", "None", 0, 0x0800}, // the position of A
                // The same modifier twice must not turn into another modifier's bit.
                {"A", "\u2318", "\u2318", 0, 0x0100},
                {"Z", "^", "\u2303", 6, 0x1000}};
    for (const auto& row : rows) {
        store(row.key, row.one, row.two);
        manager.updateHotKey();
        ASSERT_EQ(service.registrations.size(), 1u) << row.key;
        EXPECT_EQ(service.registrations[0].virtualKeyCode, row.code) << row.key;
        EXPECT_EQ(service.registrations[0].modifierMask, row.mask) << row.key;
    }
}

// An unknown key name would grab the position of A; for both kinds of bad name the log line is all the user gets.
TEST_F(HotKeyManagerTest, AnUnknownKeyNameOrAMissingModifierRegistersNothingAndBadNamesAreLogged) {
    store("Tab", "\u2303", "None");
    defaults.setInteger(keys::shortcutModifierCodeKeyTwo, 7); // hand-edited, not a name
    ::testing::internal::CaptureStderr();
    registerRecording();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("\"Tab\""), std::string::npos);
    EXPECT_NE(log.find(keys::shortcutModifierCodeKeyTwo), std::string::npos);
    MemoryUserDefaults sparse;
    sparse.setObject(keys::shortcutKeyCodeKey, "Q");
    sparse.setObject(keys::shortcutModifierCodeKeyOne, "\u2318");
    JLHotKeyManager(service, sparse).updateHotKey();
    EXPECT_TRUE(service.registrations.empty());
}

TEST_F(HotKeyManagerTest, OneRegistrationAtATimeWhoseReleaseActsOnTheTargetAndUpdateReadsTheSettingsAgain) {
    registerRecording();
    registerRecording();
    store("Q", "\u2318", "\u2325");
    manager.updateHotKey();
    ASSERT_EQ(service.registrations.size(), 1u);
    EXPECT_EQ(service.registrations[0].virtualKeyCode, 12);
    service.release(2);
    service.release(1);
    EXPECT_EQ(targets, std::vector<void*>{&owner});
    manager.unregisterHotKey();
    EXPECT_TRUE(service.registrations.empty());
}

TEST_F(HotKeyManagerTest, WithoutTargetOrActionTheEventIsDroppedAndAGoneManagerHearsNothing) {
    manager.updateHotKey(); // registers, though nothing was ever set to act on it
    service.release(1);
    manager.registerHotKeyWithTarget(&owner, {});
    service.release(1);
    MemoryHotKeyService ownService;
    std::make_unique<JLHotKeyManager>(ownService, defaults).reset();
    EXPECT_FALSE(ownService.hasHandler());
}

} // namespace
