// SPDX-License-Identifier: GPL-3.0-or-later
#include "PasswordInput.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringDecoder>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <termios.h>
#include <unistd.h>

namespace {
// Far past any password; a stream with no newline (a file, /dev/zero) is not read for ever.
constexpr qsizetype longestLine = 64 * 1024;
constexpr std::array<int, 4> endingSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// For the signal handler, which may use nothing else.
int echoedTerminal = -1;
termios echoedSettings{};

void restoreAndEnd(int signal) {
    ::tcsetattr(echoedTerminal, TCSAFLUSH, &echoedSettings);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Typing unseen, as a password prompt should be, for as long as this lives.
class EchoOff final {
public:
    explicit EchoOff(int fd) {
        if (::tcgetattr(fd, &echoedSettings) != 0)
            return;
        echoedTerminal = fd;
        struct sigaction restoring {};
        restoring.sa_handler = restoreAndEnd;
        for (size_t i = 0; i < endingSignals.size(); ++i)
            ::sigaction(endingSignals[i], &restoring, &m_previous[i]);
        termios quiet = echoedSettings;
        // The Enter key still moves to a new line.
        quiet.c_lflag = (quiet.c_lflag & ~tcflag_t(ECHO)) | ECHONL;
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    ~EchoOff() {
        if (echoedTerminal < 0)
            return;
        ::tcsetattr(echoedTerminal, TCSAFLUSH, &echoedSettings);
        for (size_t i = 0; i < endingSignals.size(); ++i)
            ::sigaction(endingSignals[i], &m_previous[i], nullptr);
        echoedTerminal = -1;
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    std::array<struct sigaction, endingSignals.size()> m_previous{};
};

// Byte by byte, so nothing after the line is taken from the input.
PasswordInput readLine(int fd, QByteArray& line) {
    for (;;) {
        char c = 0;
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {
                {},
                //: %1 is the system's reason
                QCoreApplication::translate("PasswordInput", "the password could not be read from standard input: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)))};
        if (n == 0 || c == '\n')
            return {};
        if (line.size() == longestLine)
            return {{},
                    QCoreApplication::translate("PasswordInput",
                                                "the line on standard input is too long to be a password")};
        line.append(c);
    }
}
} // namespace

PasswordInput readPassword(int inputFd, int promptFd, const QString& prompt) {
    QByteArray line;
    std::optional<EchoOff> quiet;
    if (::isatty(inputFd)) {
        quiet.emplace(inputFd);
        const QByteArray text = prompt.toUtf8();
        // Without the prompt the same line is still read.
        [[maybe_unused]] const ssize_t written = ::write(promptFd, text.constData(), size_t(text.size()));
    }
    PasswordInput input = readLine(inputFd, line);
    quiet.reset();
    if (!input.error.isEmpty())
        return input;
    // The newline of a file written on another system too.
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return {{}, QCoreApplication::translate("PasswordInput", "the password read from standard input is empty")};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    input.password = utf8.decode(line);
    if (utf8.hasError())
        return {
            {},
            QCoreApplication::translate("PasswordInput", "the password read from standard input is not valid UTF-8")};
    return input;
}
