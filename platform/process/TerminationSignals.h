// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) end the event loop the normal way, so
// what runs at quit still runs. Call once, after the application object exists.
void quitOnTerminationSignals();
