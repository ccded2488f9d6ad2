// SPDX-License-Identifier: GPL-3.0-or-later
#include "PasswordInput.h"
#include "FileContents.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <future>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
struct Input {
    const char* name;
    std::string bytes;
    const char* password; // empty: refused
    const char* error = "";
    std::string left = ""; // what the next reader of the input still finds
};

class PasswordFromFileTest : public ::testing::TestWithParam<Input> {};

TEST_P(PasswordFromFileTest, TakesTheFirstLineOnly) {
    TempFolder temp;
    const std::string path = temp.path() + "/input";
    writeFile(path, GetParam().bytes);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const PasswordInput input = readPassword(fd, -1, QStringLiteral("never shown"));
    EXPECT_EQ(input.password, QString::fromUtf8(GetParam().password));
    EXPECT_TRUE(input.error.contains(QString::fromUtf8(GetParam().error))) << input.error.toStdString();
    EXPECT_EQ(input.error.isEmpty(), !input.password.isEmpty());
    if (input.error.isEmpty()) {
        std::string left(64, '\0');
        left.resize(size_t(std::max<ssize_t>(::read(fd, left.data(), left.size()), 0)));
        EXPECT_EQ(left, GetParam().left);
    }
    ::close(fd);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PasswordFromFileTest,
    ::testing::Values(Input{"OneLine", "s3cret\n", "s3cret"},
                      Input{"SpacesKeptAndTheRestLeft", " pass word \nnext\n", " pass word ", "", "next\n"},
                      Input{"NoNewlineAtTheEnd", "s3cret", "s3cret"}, Input{"AWindowsNewline", "s3cret\r\n", "s3cret"},
                      Input{"Utf8", "p\xc3\xa4ss\n", "p\u00e4ss"}, Input{"EmptyLine", "\nsecond\n", "", "empty"},
                      Input{"NothingAtAll", "", "", "empty"}, Input{"NotUtf8", "p\xe4ss\n", "", "UTF-8"},
                      Input{"NoNewlineForEver", std::string(70 * 1024, 'a'), "", "too long"}),
    [](const auto& info) { return std::string(info.param.name); });

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
    auto reading = std::async(std::launch::async, [terminal] {
        return readPassword(terminal, terminal, QStringLiteral("Password for alice: "));
    });
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
