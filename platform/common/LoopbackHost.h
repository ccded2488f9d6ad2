// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether a URL's host is this machine itself (localhost, 127.0.0.0/8, ::1), the one place plain HTTP sends
// nothing over a network. Decided from the text alone, so that no network library is needed to tell.
bool isLoopbackHost(const QString& host);
