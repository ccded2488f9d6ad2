// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateKeyring.h"
#include "PrivateSessionBus.h"
#include "ScopedEnvironment.h"
#include "SecretServiceStore.h"
#include "WaitUntil.h"

#include <QDBusMessage>
#include <QDBusObjectPath>

#include <gtest/gtest.h>

#include <optional>
#include <thread>

namespace {
using namespace std::literals;

const SecretStore::Account alice{"https://dav.example.org/", "alice"};

// A keyring of the test's own, on the test's own bus; without one, the bus runs none and can start none.
class SecretStoreTest : public PrivateBusTest {
protected:
    void SetUp() override {
        PrivateBusTest::SetUp();
        if (!ready())
            return;
        if (keyring) {
            if (!PrivateKeyring::installed())
                GTEST_SKIP() << "gnome-keyring is not installed";
            m_keyring.emplace(address, m_folder.path());
            ASSERT_TRUE(m_keyring->start(*ours)) << "the keyring did not come up";
        } else {
            m_environment.emplace("DBUS_SESSION_BUS_ADDRESS", address.toStdString());
        }
        store = std::make_unique<SecretServiceStore>();
    }
    void TearDown() override {
        store.reset();
        m_keyring.reset();
        PrivateBusTest::TearDown();
    }

    // Each answer must come after the call returns, as the sync that asks expects.
    // The password found (or whether the call succeeded), and why not; "no answer" when none came.
    using Answer = std::pair<std::optional<std::string>, std::string>;
    template <typename Call> Answer answerTo(Call call) {
        std::optional<Answer> answer;
        call([&answer](std::optional<std::string> found, const std::string& why) { answer.emplace(found, why); });
        EXPECT_FALSE(answer) << "answered inside the call";
        EXPECT_TRUE(waitUntil([&answer] { return answer.has_value(); })) << "no answer";
        return answer.value_or(Answer{std::nullopt, "no answer"});
    }
    static auto okOrNot(auto heard) {
        return [heard](bool ok, const std::string& why) { heard(ok ? std::optional(""s) : std::nullopt, why); };
    }
    bool put(const std::string& password) {
        return answerTo([&](auto heard) { store->store(alice, password, okOrNot(heard)); }).first.has_value();
    }
    Answer get() {
        return answerTo([&](auto heard) { store->lookup(alice, heard); });
    }
    bool drop() {
        return answerTo([&](auto heard) { store->forget(alice, okOrNot(heard)); }).first.has_value();
    }
    void expectEveryCallFailsSayingWhy() {
        EXPECT_FALSE(put("new"));
        const Answer found = get();
        EXPECT_EQ(found.first, std::nullopt);
        EXPECT_NE(found.second, "") << "reported as never stored";
        EXPECT_FALSE(drop());
    }

    bool keyring = true;
    std::unique_ptr<SecretStore> store;
    std::optional<PrivateKeyring> m_keyring;
    std::optional<ScopedEnvironment> m_environment;
};

// Whatever bytes the user's password holds come back as they went in, each replacing the last. A NUL cannot be
// typed, but a pasted password is kept byte for byte rather than cut at it; and one that is not UTF-8 is not turned
// into one. A locked keyring is not an empty one.
TEST_F(SecretStoreTest, GivesBackTheLastPasswordKeptByteForByteUntilForgottenAndALockedKeyringIsNotAnEmptyOne) {
    ASSERT_TRUE(store->available());
    // Where GLib's loop does not run, the keyring's answers would never come: no keyring there.
    bool offTheMainThread = true;
    std::thread([&] { offTheMainThread = store->available(); }).join();
    EXPECT_FALSE(offTheMainThread);
    for (const std::string& password :
         {"correct horse"s, ""s, "before\0after"s, "\xff\xfe latin-1 \xe9"s, "  padded\n"s}) {
        EXPECT_TRUE(put(password));
        EXPECT_EQ(get().first, password);
    }
    // The same user on another server is another account, with a password of its own.
    const SecretStore::Account elsewhere{"https://tasks.example.net/", alice.user};
    EXPECT_TRUE(answerTo([&](auto heard) { store->store(elsewhere, "other", okOrNot(heard)); }).first);
    EXPECT_EQ(get().first, "  padded\n");
    EXPECT_TRUE(drop());
    EXPECT_EQ(get(), Answer()) << "an account with no password is no failure";
    EXPECT_EQ(answerTo([&](auto heard) { store->lookup(elsewhere, heard); }).first, "other");
    EXPECT_TRUE(drop()) << "forgetting what is not there";

    put("secret");
    // What a user's "Lock" in the keyring manager does; with no prompter on the test's bus it stays locked.
    QDBusMessage lock = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
        QStringLiteral("org.freedesktop.Secret.Service"), QStringLiteral("Lock"));
    lock << QVariant::fromValue(QList<QDBusObjectPath>{QDBusObjectPath("/org/freedesktop/secrets/aliases/default")});
    const QDBusMessage reply = ours->call(lock);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    expectEveryCallFailsSayingWhy();
}

// The sync that asked may go before the keyring answers (turned off, or the program quitting): nothing is told
// after.
TEST_F(SecretStoreTest, AStoreThatIsGoneAnswersNothingMore) {
    ASSERT_TRUE(put("secret"));
    bool late = false;
    store->lookup(alice, [&late](std::optional<std::string>, const std::string&) { late = true; });
    store = std::make_unique<SecretServiceStore>();
    EXPECT_EQ(get().first, "secret") << "asked after the first, so answered after it";
    EXPECT_FALSE(late);
}

// The program outlives its session bus (a bus that closes does not end it); once the bus and the keyring are back,
// the password is kept and found again.
TEST_F(SecretStoreTest, IsFoundAgainAfterTheSessionBusCameBack) {
    ASSERT_TRUE(put("before"));
    m_keyring.reset();
    restartBus();
    m_keyring.emplace(address, m_folder.path());
    ASSERT_TRUE(m_keyring->start(*ours)) << "the keyring did not come back";
    EXPECT_TRUE(put("after"));
    EXPECT_EQ(get().first, "after");
}

class NoKeyringTest : public SecretStoreTest {
protected:
    NoKeyringTest() { keyring = false; }
};

TEST_F(NoKeyringTest, IsUnavailableAndEveryCallFailsSayingWhy) {
    EXPECT_FALSE(store->available());
    expectEveryCallFailsSayingWhy();
}
} // namespace
