// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemorySecretStore.h"
#include "PrivateSessionBus.h"
#include "ScopedEnvironment.h"
#include "SecretServiceStore.h"
#include "WaitUntil.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <list>

namespace {
using Account = SecretStore::Account;
using namespace std::literals;

const Account alice{"https://dav.example.org/", "alice"};

enum class Backend { keyring, memory };

struct Answer {
    bool ok = false;
    std::optional<std::string> password;
    std::string why;
};

// The same cases run against a real keyring on the test's own bus and against the in-memory store, so that the
// tests of the sync built on the in-memory one hold for the real one.
class SecretStoreTest : public PrivateBusTest {
protected:
    // Without a keyring, the test's bus runs none and can start none.
    void startStore(Backend backend, bool keyring = true) {
        if (backend == Backend::memory) {
            auto memory = std::make_unique<MemorySecretStore>();
            memory->setAvailable(keyring);
            store = std::move(memory);
            return;
        }
        PrivateBusTest::SetUp();
        if (!ready())
            return;
        if (!keyring) {
            m_environment.emplace_back("DBUS_SESSION_BUS_ADDRESS", address.toStdString());
            store = std::make_unique<SecretServiceStore>();
            return;
        }
        if (QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon")).isEmpty())
            GTEST_SKIP() << "gnome-keyring is not installed";
        const std::string home = m_folder.path();
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            m_environment.emplace_back(name, home);
        m_environment.emplace_back("DBUS_SESSION_BUS_ADDRESS", address.toStdString());
        m_keyring.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        m_keyring.start(
            QStringLiteral("gnome-keyring-daemon"),
            {QStringLiteral("--foreground"), QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
        ASSERT_TRUE(m_keyring.waitForStarted());
        m_keyring.write("keyring password");
        m_keyring.closeWriteChannel();
        ASSERT_TRUE(waitUntil([this] {
            return ours->interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets")).value();
        }));
        store = std::make_unique<SecretServiceStore>();
    }
    void TearDown() override {
        store.reset();
        if (m_keyring.state() != QProcess::NotRunning) {
            m_keyring.terminate();
            m_keyring.waitForFinished();
        }
        if (ours)
            PrivateBusTest::TearDown();
    }

    // Each answer must come after the call returns, on the main thread.
    template <typename Call> Answer answerTo(Call call) {
        std::optional<Answer> answer;
        bool returned = false;
        const auto heard = [&](Answer a) {
            EXPECT_TRUE(returned) << "answered inside the call";
            EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
            answer = std::move(a);
        };
        call(heard);
        returned = true;
        EXPECT_TRUE(waitUntil([&] { return answer.has_value(); })) << "no answer";
        return answer.value_or(Answer{false, std::nullopt, "no answer"});
    }
    Answer put(const Account& account, const std::string& password) {
        return answerTo([&](auto heard) {
            store->store(account, password, [heard](bool ok, const std::string& why) { heard({ok, {}, why}); });
        });
    }
    Answer get(const Account& account) {
        return answerTo([&](auto heard) {
            store->lookup(account, [heard](std::optional<std::string> password, const std::string& why) {
                heard({!password && why.empty(), std::move(password), why});
            });
        });
    }
    Answer drop(const Account& account) {
        return answerTo([&](auto heard) {
            store->forget(account, [heard](bool ok, const std::string& why) { heard({ok, {}, why}); });
        });
    }
    void expectEveryCallFailsSayingWhy() {
        const Answer stored = put(alice, "new");
        EXPECT_FALSE(stored.ok);
        EXPECT_NE(stored.why, "");
        const Answer found = get(alice);
        EXPECT_EQ(found.password, std::nullopt);
        EXPECT_NE(found.why, "") << "reported as never stored";
        EXPECT_FALSE(drop(alice).ok);
    }

    std::unique_ptr<SecretStore> store;
    QProcess m_keyring;
    std::list<ScopedEnvironment> m_environment;
};

class SecretStoreBackendTest : public SecretStoreTest, public ::testing::WithParamInterface<Backend> {
protected:
    void SetUp() override { startStore(GetParam()); }
};

// Whatever bytes the user's password holds come back as they went in, each replacing the last. A NUL cannot be
// typed, but a pasted password is kept byte for byte rather than cut at it; and one that is not UTF-8 is not turned
// into one.
TEST_P(SecretStoreBackendTest, GivesBackTheLastPasswordKeptByteForByte) {
    ASSERT_TRUE(store->available());
    for (const std::string& password :
         {"correct horse"s, ""s, "before\0after"s, "\xff\xfe latin-1 \xe9"s, "  padded\n"s}) {
        EXPECT_TRUE(put(alice, password).ok);
        EXPECT_EQ(get(alice).password, password);
    }
}

TEST_P(SecretStoreBackendTest, ForgetsThePassword) {
    put(alice, "secret");
    EXPECT_TRUE(drop(alice).ok);
    const Answer after = get(alice);
    EXPECT_EQ(after.password, std::nullopt);
    EXPECT_EQ(after.why, "") << "an account with no password is no failure";
    EXPECT_TRUE(drop(alice).ok) << "forgetting what is not there";
}

// Another user on the same server, or the same user at an address written differently, is another account.
TEST_P(SecretStoreBackendTest, KeepsAccountsApart) {
    const Account otherUser{alice.server, "Alice"}, otherServer{"https://dav.example.org", alice.user};
    put(alice, "alice's");
    put(otherUser, "Alice's");
    put(otherServer, "elsewhere");
    EXPECT_EQ(get(alice).password, "alice's");
    drop(otherServer);
    EXPECT_EQ(get(alice).password, "alice's");
    EXPECT_EQ(get(otherUser).password, "Alice's");
}

TEST_P(SecretStoreBackendTest, NoAnswerOnceTheStoreIsGone) {
    bool answered = false;
    store->lookup(alice, [&](std::optional<std::string>, const std::string&) { answered = true; });
    store->store(alice, "late", [&](bool, const std::string&) { answered = true; });
    store.reset();
    store = GetParam() == Backend::memory ? std::unique_ptr<SecretStore>(std::make_unique<MemorySecretStore>())
                                          : std::make_unique<SecretServiceStore>();
    // By the time a later call is answered, through the same loop and the same bus, so would the earlier ones be;
    // and giving up on them does not fail it.
    EXPECT_EQ(get(alice).why, "");
    EXPECT_FALSE(answered);
}

INSTANTIATE_TEST_SUITE_P(Backends, SecretStoreBackendTest, ::testing::Values(Backend::keyring, Backend::memory),
                         [](const auto& info) { return info.param == Backend::keyring ? "Keyring" : "Memory"; });

class KeyringTest : public SecretStoreTest {
protected:
    void SetUp() override { startStore(Backend::keyring); }
    // What a user's "Lock" in the keyring manager does; with no prompter on the test's bus it stays locked.
    void lockKeyring() {
        QDBusMessage lock = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
            QStringLiteral("org.freedesktop.Secret.Service"), QStringLiteral("Lock"));
        lock << QVariant::fromValue(
            QList<QDBusObjectPath>{QDBusObjectPath("/org/freedesktop/secrets/aliases/default")});
        const QDBusMessage reply = ours->call(lock);
        ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    }
};

TEST_F(KeyringTest, ALockedKeyringIsNotAnEmptyOneAndChangesNothing) {
    put(alice, "secret");
    lockKeyring();
    expectEveryCallFailsSayingWhy();
}

class NoKeyringTest : public SecretStoreTest, public ::testing::WithParamInterface<Backend> {
protected:
    void SetUp() override { startStore(GetParam(), false); }
};

TEST_P(NoKeyringTest, IsUnavailableAndEveryCallFailsSayingWhy) {
    EXPECT_FALSE(store->available());
    expectEveryCallFailsSayingWhy();
}

INSTANTIATE_TEST_SUITE_P(Backends, NoKeyringTest, ::testing::Values(Backend::keyring, Backend::memory),
                         [](const auto& info) { return info.param == Backend::keyring ? "Keyring" : "Memory"; });

} // namespace
