// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLHotKeyManager.h"
#include "FirstRun.h"
#include "JLJotlingManager.h"
#include "MemoryHotKeyService.h"
#include "MemoryUserDefaults.h"
#include "PreferencesKeys.h"

#include <gtest/gtest.h>

#include <vector>

using ::testing::internal::CaptureStderr;
using ::testing::internal::GetCapturedStderr;

namespace {
constexpr std::uint32_t control = 0x1000;

class HotKeyManagerTest : public ::testing::Test {
protected:
    void SetUp() override { runFirstRunProcedure(defaults); }

    void store(const char* key, const char* one, const char* two) {
        defaults.setObject(keys::shortcutKeyCodeKey, key);
        defaults.setObject(keys::shortcutModifierCodeKeyOne, one);
        defaults.setObject(keys::shortcutModifierCodeKeyTwo, two);
    }

    JLHotKeyManager::Action recordingAction() {
        return [this](void* target, const HotKeyEvent& event) {
            targets.push_back(target);
            events.push_back(event);
        };
    }

    MemoryHotKeyService service;
    MemoryUserDefaults defaults;
    JLHotKeyManager manager{service, defaults};
    int owner = 0; // stands in for the status item controller
    std::vector<void*> targets;
    std::vector<HotKeyEvent> events;
};

TEST_F(HotKeyManagerTest, ReleaseOfOurIdPerformsTheActionOnTheTarget) {
    manager.registerHotKeyWithTarget(&owner, recordingAction());
    for (std::uint32_t id : {0u, 2u, 0x68746B31u})
        EXPECT_EQ(manager.hotKeyReleased(id), 0);
    EXPECT_TRUE(events.empty());

    service.release(1);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(targets[0], &owner);
    EXPECT_EQ(events[0].id, 1u);
    EXPECT_EQ(events[0].signature, 0x68746B31u);
}

struct CombinationRow {
    const char* label;
    const char* key;
    const char* one;
    const char* two;
    std::uint16_t code;
    std::uint32_t mask;
};

class Combinations : public HotKeyManagerTest, public ::testing::WithParamInterface<CombinationRow> {};

TEST_P(Combinations, StoredNamesRegisterKeyCodeAndModifiers) {
    const CombinationRow& row = GetParam();
    if (row.key)
        store(row.key, row.one, row.two);
    manager.registerHotKeyWithTarget(&owner, recordingAction());
    ASSERT_EQ(service.registrations().size(), 1u);
    EXPECT_EQ(service.registrations()[0].virtualKeyCode, row.code);
    EXPECT_EQ(service.registrations()[0].modifierMask, row.mask);
    EXPECT_EQ(service.registrations()[0].id, 1u);
}

INSTANTIATE_TEST_SUITE_P(Table, Combinations,
                         ::testing::Values(CombinationRow{"FirstRunValues", nullptr, nullptr, nullptr, 49, control},
                                           CombinationRow{"CommandShift", "Q", "\u2318", "\u21E7", 12, 0x0300},
                                           CombinationRow{"NoneShift", "F1", "None", "\u21E7", 122, 0x0200},
                                           CombinationRow{"NoModifiers", "F13", "None", "None", 105, 0},
                                           CombinationRow{"KeyNoneIsThePositionOfA", "None", "\u2325", "None", 0,
                                                          0x0800},
                                           // The same modifier twice must not turn into another modifier's bit.
                                           CombinationRow{"CommandTwice", "A", "\u2318", "\u2318", 0, 0x0100},
                                           CombinationRow{"ControlTwice", "Z", "\u2303", "\u2303", 6, 0x1000},
                                           CombinationRow{"CircumflexIsNoControl", "Z", "^", "\u2303", 6, 0x1000}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(HotKeyManagerTest, MissingModifierRegistersNothingQuietlyButKeepsTarget) {
    MemoryUserDefaults sparse;
    sparse.setObject(keys::shortcutKeyCodeKey, "Q");
    sparse.setObject(keys::shortcutModifierCodeKeyOne, "\u2318");
    JLHotKeyManager other(service, sparse);

    CaptureStderr();
    other.registerHotKeyWithTarget(&owner, recordingAction());
    EXPECT_EQ(GetCapturedStderr(), "");
    EXPECT_EQ(service.registerCount(), 0);
    EXPECT_EQ(other.target(), &owner);
    EXPECT_TRUE(other.action());
}

TEST_F(HotKeyManagerTest, AnUnknownKeyNameRegistersNothingAModifierThatIsNotTextCountsAsNoneAndBothSayWhy) {
    store("Tab", "\u2303", "None");
    CaptureStderr();
    manager.registerHotKeyWithTarget(&owner, recordingAction());
    const std::string log = GetCapturedStderr();
    EXPECT_EQ(service.registerCount(), 0);
    EXPECT_NE(log.find("redizado.hotkey: "), std::string::npos);
    EXPECT_NE(log.find("\"Tab\""), std::string::npos);

    store("\u23B5", "\u2303", "None");
    defaults.setInteger(keys::shortcutModifierCodeKeyOne, 4096);
    CaptureStderr();
    manager.updateHotKey();
    EXPECT_NE(GetCapturedStderr().find(keys::shortcutModifierCodeKeyOne), std::string::npos);
    ASSERT_EQ(service.registrations().size(), 1u);
    EXPECT_EQ(service.registrations()[0].modifierMask, 0u);
}

TEST_F(HotKeyManagerTest, RefusedRegistrationLogsErrorOnceAndStaysUnregistered) {
    service.refuse(49, control);
    CaptureStderr();
    manager.registerHotKeyWithTarget(&owner, recordingAction());
    EXPECT_EQ(GetCapturedStderr(), "redizado.hotkey: ERROR\n");
    EXPECT_TRUE(service.registrations().empty());
    EXPECT_EQ(*defaults.objectForKey(keys::shortcutKeyCodeKey), plist_value::Value("\u23B5"));

    manager.unregisterHotKey();
    EXPECT_EQ(service.unregisterCount(), 0);
}

TEST_F(HotKeyManagerTest, OneRegistrationAtATimeAndUpdateReadsTheSettingsAgain) {
    manager.registerHotKeyWithTarget(&owner, recordingAction());
    manager.registerHotKeyWithTarget(&owner, recordingAction());
    EXPECT_EQ(service.registrations().size(), 1u);
    store("Q", "\u2318", "\u2325");
    manager.updateHotKey();

    ASSERT_EQ(service.registrations().size(), 1u);
    EXPECT_EQ(service.registrations()[0].virtualKeyCode, 12);
    EXPECT_EQ(service.registrations()[0].modifierMask, 0x0900u);
    service.release(1);
    EXPECT_EQ(targets, std::vector<void*>{&owner});

    // Unregistering twice is harmless: only the first reaches the service, and what to act on is kept.
    const int before = service.unregisterCount();
    manager.unregisterHotKey();
    manager.unregisterHotKey();
    EXPECT_EQ(service.unregisterCount(), before + 1);
    EXPECT_TRUE(service.registrations().empty());
    EXPECT_EQ(manager.target(), &owner);
    EXPECT_TRUE(manager.action());
}

TEST_F(HotKeyManagerTest, WithoutTargetOrActionTheEventIsDropped) {
    manager.updateHotKey(); // registers, though nothing was ever set to act on it
    EXPECT_EQ(service.registrations().size(), 1u);
    service.release(1);
    manager.registerHotKeyWithTarget(&owner, {});
    service.release(1);
    manager.setAction(recordingAction());
    manager.setTarget(nullptr);
    service.release(1);
    EXPECT_TRUE(events.empty());
}

TEST_F(HotKeyManagerTest, ForgetsItsHandlerWhenGone) {
    MemoryHotKeyService ownService;
    auto shortLived = std::make_unique<JLHotKeyManager>(ownService, defaults);
    EXPECT_TRUE(ownService.hasHandler());
    shortLived.reset();
    EXPECT_FALSE(ownService.hasHandler());
}

// The program installs its managers where it is put together; one used before that is a fault, never a stand-in.
TEST(SharedManagersDeathTest, StopTheProgramWhenUsedBeforeOneWasInstalled) {
    EXPECT_DEATH(JLHotKeyManager::sharedManager(), "the hot key manager was used before the program installed one");
    EXPECT_DEATH(JLJotlingManager::sharedManager(), "the item manager was used before the program installed one");
}
} // namespace
