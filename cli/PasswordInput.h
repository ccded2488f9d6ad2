// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A password, or why none was read.
struct PasswordInput {
    QString password;
    QString error; // empty when the password is good
};

// One line of input without its newline; an empty one is refused. When input is a terminal, prompt goes to
// promptFd and what is typed is not echoed, the terminal being put back as it was even on Ctrl-C.
PasswordInput readPassword(int inputFd, int promptFd, const QString& prompt);
