// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShortcutNote.h"
#include "ShellFixture.h"
#include "ShortcutAdvice.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Route = HotKeyService::Route;

namespace {
constexpr std::uint16_t space = 0x31, t = 0x11;

TEST(ShortcutAdvice, CombinationsBecomeTheCompositorsConfigurationLines) {
    EXPECT_EQ(compositorBindingLine(Compositor::hyprland, {t, HotKeyService::control | HotKeyService::shift},
                                    QStringLiteral("/usr/bin/redizado")),
              QStringLiteral("bind = CTRL SHIFT, t, exec, /usr/bin/redizado toggle"));
    // The binding runs through a shell: an odd path is still one word there.
    EXPECT_EQ(
        compositorBindingLine(Compositor::sway, {space, HotKeyService::command}, QStringLiteral("/opt/my apps/it's")),
        QStringLiteral("bindsym --to-code Mod4+space exec '/opt/my apps/it'\\''s' toggle"));
}

// Sway and Hyprland are told by their own variables or by the desktop's name, in a list or alone.
TEST(ShortcutAdvice, TheCompositorIsToldByItsVariablesOrItsName) {
    const auto compositorOf = [](const char* name, const char* value) {
        QProcessEnvironment environment;
        environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
        return runningCompositor(environment);
    };
    EXPECT_EQ(compositorOf("SWAYSOCK", "/run/user/1000/sway-ipc.sock"), Compositor::sway);
    EXPECT_EQ(compositorOf("XDG_CURRENT_DESKTOP", "foo:sway"), Compositor::sway);
    EXPECT_EQ(compositorOf("HYPRLAND_INSTANCE_SIGNATURE", "abc"), Compositor::hyprland);
    EXPECT_EQ(compositorOf("XDG_CURRENT_DESKTOP", "Hyprland"), Compositor::hyprland);
    EXPECT_EQ(compositorOf("XDG_CURRENT_DESKTOP", "GNOME"), Compositor::other);
}

// Each route says what works or what the user must do, and never calls a failure working.
TEST(ShortcutAdvice, EachRouteSaysWhatWorksOrWhatToDo) {
    const struct {
        Route route;
        bool switchedOn;
        std::optional<std::int32_t> status;
        const char* says; // a part of it
        Compositor compositor = Compositor::other;
    } cases[] = {
        {Route::none, false, {}, "This desktop lets no program bind keys."},
        {Route::none, false, {}, "Add this line to ~/.config/hypr/hyprland.conf:", Compositor::hyprland},
        {Route::desktopSettings, false, {}, "Switched on, the shortcut is added to GNOME"},
        {Route::grab, false, {}, ""},
        {Route::desktopSettings, true, HotKeyService::ok, "In GNOME\u2019s keyboard shortcuts, Ctrl+Space runs"},
        {Route::desktopSettings, true, HotKeyService::unavailable, "GNOME\u2019s keyboard settings cannot be reached."},
        {Route::grab, true, HotKeyService::ok, "Ctrl+Space shows or hides the panel"},
        {Route::grab, true, HotKeyService::unavailable, "No keys can be bound on this display."},
        {Route::grab, true, HotKeyService::unsupported, "Ctrl+Space cannot be a shortcut here"},
        {Route::grab, true, HotKeyService::taken, "Ctrl+Space is taken"},
        {Route::grab, true, {}, "This combination cannot be a shortcut"},
    };
    for (const auto& c : cases) {
        const ShortcutCombination ctrlSpace{space, HotKeyService::control};
        const QString advice = shortcutAdvice({c.route, c.switchedOn, c.status, false, {}, ctrlSpace, c.compositor});
        EXPECT_TRUE(*c.says ? advice.contains(QString::fromUtf8(c.says)) : advice.isEmpty()) << advice.toStdString();
    }
}

// The note in the settings pane of the whole interface, over a desktop whose answers the test gives.
class ShortcutNoteTest : public ShellTest {
protected:
    void start(Route route, Compositor compositor = Compositor::other) {
        hotKeys.setRoute(route);
        startInterface();
        note = std::make_unique<ShortcutNote>(panel(), hotKeyManager, compositor, QStringLiteral("/usr/bin/redizado"));
    }
    // What the note says once the panel has handled the user's change.
    QString says() {
        QCoreApplication::processEvents();
        return note->label()->isHidden() ? QString() : note->label()->text();
    }

    std::unique_ptr<ShortcutNote> note;
};
} // namespace

TEST_F(ShortcutNoteTest, APortalBindingIsShownAsTheDesktopAnswersIt) {
    start(Route::portal);
    EXPECT_EQ(says(), QString());
    panel().shortcutCheckBox()->click();
    EXPECT_TRUE(says().startsWith(QStringLiteral("Asking the desktop to bind Ctrl+Space")));
    hotKeys.answerBinding("Ctrl+Alt+T");
    EXPECT_TRUE(says().contains(QStringLiteral("bound the shortcut to Ctrl+Alt+T")));
    hotKeys.answerBinding("");
    EXPECT_TRUE(says().contains(QStringLiteral("did not bind")));
    // The whole sentence fits the pane's width, on as many lines as it takes.
    EXPECT_LE(note->label()->minimumSizeHint().width(), panel().settingsPane()->width());
    // A new choice in the pop-ups asks again.
    panel().keySelector()->setCurrentIndex(panel().keySelector()->findText(QStringLiteral("T")));
    emit panel().keySelector()->activated(panel().keySelector()->currentIndex());
    EXPECT_TRUE(says().startsWith(QStringLiteral("Asking the desktop to bind Ctrl+T")));
}

TEST_F(ShortcutNoteTest, WhereNothingBindsKeysTheLineToCopyFollowsThePopUps) {
    start(Route::none, Compositor::sway);
    EXPECT_TRUE(panel().shortcutCheckBox()->isHidden());
    panel().keySelector()->setCurrentIndex(panel().keySelector()->findText(QStringLiteral("T")));
    emit panel().keySelector()->activated(panel().keySelector()->currentIndex());
    QCoreApplication::processEvents();
    EXPECT_EQ(note->bindingLine()->text(), QStringLiteral("bindsym --to-code Ctrl+t exec /usr/bin/redizado toggle"));
    EXPECT_TRUE(note->bindingLine()->isReadOnly()) << "copied, not edited";
    EXPECT_GT(note->copyButton()->x(), note->bindingLine()->geometry().right()) << "beside the line, not over it";
    note->copyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), note->bindingLine()->text());
}
