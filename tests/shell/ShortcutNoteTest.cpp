// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShortcutNote.h"
#include "InMemoryServices.h"
#include "JLRedizadoViewController.h"
#include "PreferencesKeys.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using Route = HotKeyService::Route;

namespace {
constexpr std::uint16_t space = 0x31, t = 0x11, fn = 0x3F;

TEST(ShortcutAdvice, CombinationsReadAsDesktopsShowThem) {
    EXPECT_EQ(readableCombination({space, HotKeyService::control}), QStringLiteral("Ctrl+Space"));
    EXPECT_EQ(readableCombination({t, HotKeyService::command | HotKeyService::shift}), QStringLiteral("Super+Shift+T"));
    EXPECT_EQ(readableCombination({0x1B, HotKeyService::option}), QStringLiteral("Alt+-"));
    EXPECT_EQ(readableCombination({fn, HotKeyService::control}), QString());
}

TEST(ShortcutAdvice, CombinationsBecomeTheCompositorsConfigurationLines) {
    const ShortcutCombination ctrlShiftT{t, HotKeyService::control | HotKeyService::shift};
    EXPECT_EQ(compositorBindingLine(Compositor::sway, ctrlShiftT, QStringLiteral("/usr/bin/redizado")),
              QStringLiteral("bindsym --to-code Ctrl+Shift+t exec /usr/bin/redizado toggle"));
    EXPECT_EQ(compositorBindingLine(Compositor::hyprland, ctrlShiftT, QStringLiteral("/usr/bin/redizado")),
              QStringLiteral("bind = CTRL SHIFT, t, exec, /usr/bin/redizado toggle"));
    // The binding runs through a shell: an odd path is still one word there.
    EXPECT_EQ(
        compositorBindingLine(Compositor::sway, {space, HotKeyService::command}, QStringLiteral("/opt/my apps/it's")),
        QStringLiteral("bindsym --to-code Mod4+space exec '/opt/my apps/it'\\''s' toggle"));
    EXPECT_EQ(compositorBindingLine(Compositor::other, ctrlShiftT, QStringLiteral("/usr/bin/redizado")), QString());
    EXPECT_EQ(compositorBindingLine(Compositor::sway, {fn, 0}, QStringLiteral("/usr/bin/redizado")), QString());
}

TEST(ShortcutAdvice, TheCompositorIsToldByItsEnvironment) {
    QProcessEnvironment environment;
    EXPECT_EQ(runningCompositor(environment), Compositor::other);
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("Hyprland"));
    EXPECT_EQ(runningCompositor(environment), Compositor::hyprland);
    environment.insert(QStringLiteral("SWAYSOCK"), QStringLiteral("/run/user/1000/sway-ipc.sock"));
    EXPECT_EQ(runningCompositor(environment), Compositor::sway);
}

struct AdviceCase {
    const char* name;
    ShortcutSituation situation;
    const char* says;
};

void PrintTo(const AdviceCase& c, std::ostream* out) {
    *out << c.name;
}

class Advice : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(Advice, SaysHowTheShortcutReachesTheProgram) {
    const QString advice = shortcutAdvice(GetParam().situation);
    EXPECT_TRUE(advice.contains(QString::fromUtf8(GetParam().says))) << advice.toStdString();
}

constexpr std::optional<ShortcutCombination> ctrlSpace = ShortcutCombination{space, HotKeyService::control};

INSTANTIATE_TEST_SUITE_P(
    ShortcutAdvice, Advice,
    ::testing::Values(
        AdviceCase{"GrabHeld", {Route::grab, true, HotKeyService::ok, false, {}, ctrlSpace}, "Ctrl+Space shows"},
        AdviceCase{"GrabTaken", {Route::grab, true, HotKeyService::taken, false, {}, ctrlSpace}, "taken by another"},
        AdviceCase{"UnknownKey", {Route::grab, true, HotKeyService::unsupported, false, {}, {}}, "choose another"},
        AdviceCase{"PortalAsked", {Route::portal, true, HotKeyService::ok, false, {}, ctrlSpace}, "Asking the desktop"},
        AdviceCase{"PortalBound",
                   {Route::portal, true, HotKeyService::ok, true, QStringLiteral("Ctrl+Alt+T"), ctrlSpace},
                   "bound the shortcut to Ctrl+Alt+T"},
        AdviceCase{
            "PortalAnsweredWithNothing", {Route::portal, true, HotKeyService::ok, true, {}, ctrlSpace}, "did not bind"},
        AdviceCase{"PortalRefusedTheSession",
                   {Route::portal, true, HotKeyService::unavailable, false, {}, ctrlSpace},
                   "redizado toggle"},
        AdviceCase{"GnomeOff", {Route::desktopSettings, false, {}, false, {}, ctrlSpace}, "GNOME"},
        AdviceCase{"GnomeAdded",
                   {Route::desktopSettings, true, HotKeyService::ok, false, {}, ctrlSpace},
                   "Ctrl+Space runs \u201credizado toggle\u201d"},
        AdviceCase{"GnomeUnreachable",
                   {Route::desktopSettings, true, HotKeyService::unavailable, false, {}, ctrlSpace},
                   "cannot be reached"},
        AdviceCase{"NothingBindsKeys", {Route::none, false, {}, false, {}, ctrlSpace}, "keyboard settings"},
        AdviceCase{"Sway", {Route::none, false, {}, false, {}, ctrlSpace, Compositor::sway}, "~/.config/sway/config"}),
    [](const auto& info) { return std::string(info.param.name); });

// The note in the settings pane of the whole interface, over a desktop whose answers the test gives.
class ShortcutNoteTest : public ::testing::Test {
protected:
    void start(Route route, Compositor compositor = Compositor::other) {
        services.hotKeys.setRoute(route);
        services.startInterface();
        note = std::make_unique<ShortcutNote>(panel(), services.hotKeyManager, compositor,
                                              QStringLiteral("/usr/bin/redizado"));
    }
    JLRedizadoViewController& panel() { return services.interface->redizadoViewController(); }
    // What the note says once the panel has handled the user's change.
    QString says() {
        QCoreApplication::processEvents();
        return note->label()->isHidden() ? QString() : note->label()->text();
    }

    InMemoryServices services;
    std::unique_ptr<ShortcutNote> note;
};
} // namespace

TEST_F(ShortcutNoteTest, APortalBindingIsShownAsTheDesktopAnswersIt) {
    start(Route::portal);
    EXPECT_EQ(says(), QString());
    panel().shortcutCheckBox()->click();
    EXPECT_TRUE(says().startsWith(QStringLiteral("Asking the desktop to bind Ctrl+Space")));
    services.hotKeys.answerBinding("Ctrl+Alt+T");
    EXPECT_TRUE(says().contains(QStringLiteral("bound the shortcut to Ctrl+Alt+T")));
    services.hotKeys.answerBinding("");
    EXPECT_TRUE(says().contains(QStringLiteral("did not bind")));
    // A new choice in the pop-ups asks again.
    panel().keySelector()->setCurrentIndex(panel().keySelector()->findText(QStringLiteral("T")));
    emit panel().keySelector()->activated(panel().keySelector()->currentIndex());
    EXPECT_TRUE(says().startsWith(QStringLiteral("Asking the desktop to bind Ctrl+T")));
    panel().shortcutCheckBox()->click();
    EXPECT_EQ(says(), QString());
}

TEST_F(ShortcutNoteTest, ATakenGrabIsNeverShownAsWorking) {
    services.hotKeys.refuse(space, HotKeyService::control);
    start(Route::grab);
    panel().shortcutCheckBox()->click();
    EXPECT_TRUE(says().contains(QStringLiteral("Ctrl+Space is taken")));
    EXPECT_TRUE(note->bindingLine()->parentWidget()->isHidden());
}

TEST_F(ShortcutNoteTest, WhereNothingBindsKeysTheLineToCopyFollowsThePopUps) {
    start(Route::none, Compositor::sway);
    EXPECT_TRUE(panel().shortcutCheckBox()->isHidden());
    EXPECT_FALSE(panel().shortcutView()->isHidden());
    EXPECT_EQ(note->bindingLine()->text(),
              QStringLiteral("bindsym --to-code Ctrl+space exec /usr/bin/redizado toggle"));
    panel().keySelector()->setCurrentIndex(panel().keySelector()->findText(QStringLiteral("T")));
    emit panel().keySelector()->activated(panel().keySelector()->currentIndex());
    QCoreApplication::processEvents();
    EXPECT_EQ(note->bindingLine()->text(), QStringLiteral("bindsym --to-code Ctrl+t exec /usr/bin/redizado toggle"));
    note->copyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), note->bindingLine()->text());
}
