// SPDX-License-Identifier: GPL-3.0-or-later
#include "PasswordInput.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <future>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
// What a script pipes in: the first line, without its newline; an empty line or bytes that are not UTF-8 are no
// password.
TEST(PasswordFromPipeTest, TakesTheFirstLineOnly) {
    const std::pair<std::string, const char*> rows[] = {
        {"s3cret", "s3cret"}, {" pass word \r\nnext\n", " pass word "}, {"\nsecond\n", ""}, {"p\xe4ss\n", ""}};
    for (const auto& [bytes, password] : rows) {
        int ends[2];
        ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
        ASSERT_EQ(::write(ends[1], bytes.data(), bytes.size()), ssize_t(bytes.size()));
        ::close(ends[1]);
        const PasswordInput input = readPassword(ends[0], -1, QStringLiteral("never shown"));
        ::close(ends[0]);
        EXPECT_EQ(input.password, QString::fromUtf8(password));
        EXPECT_EQ(input.error.isEmpty(), !input.password.isEmpty()) << input.error.toStdString();
    }
}

// Bytes the terminal sent back to the screen, waiting up to a few seconds for the first.
std::string screenOutput(int master, int patienceMs) {
    std::string shown;
    pollfd entry{master, POLLIN, 0};
    while (::poll(&entry, 1, shown.empty() ? patienceMs : 0) > 0) {
        char buffer[256];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        shown.append(buffer, size_t(n));
    }
    return shown;
}

TEST(PasswordFromTerminalTest, PromptsAndKeepsWhatIsTypedOffTheScreen) {
    int master = -1;
    int terminal = -1;
    ASSERT_EQ(::openpty(&master, &terminal, nullptr, nullptr, nullptr), 0);
    // Read as the command reads it: the terminal is standard input, given back however the test ends.
    struct StandardInput {
        int saved = ::dup(0);
        ~StandardInput() {
            ::dup2(saved, 0);
            ::close(saved);
        }
    } restored;
    ASSERT_EQ(::dup2(terminal, 0), 0);
    auto reading = std::async(std::launch::async,
                              [terminal] { return readPassword(0, terminal, QStringLiteral("Password for alice: ")); });
    // The prompt comes once echo is off: typing then is what the user's typing would be.
    EXPECT_EQ(screenOutput(master, 5000), "Password for alice: ");
    ASSERT_EQ(::write(master, "typed\n", 6), 6);
    const PasswordInput input = reading.get();

    EXPECT_EQ(input.password, QStringLiteral("typed"));
    EXPECT_EQ(screenOutput(master, 0).find("typed"), std::string::npos);
    termios after{};
    ASSERT_EQ(::tcgetattr(terminal, &after), 0);
    EXPECT_TRUE(after.c_lflag & ECHO);
    ::close(master);
    ::close(terminal);
}
} // namespace
