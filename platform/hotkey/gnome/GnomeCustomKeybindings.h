// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// GNOME's custom keyboard shortcuts, as its settings daemon runs them: a list of settings paths, and at each path a
// name, a command line and a key binding. Everything here fails softly where the schemas are not installed.
namespace gnomeKeybindings {

struct CustomKeybinding {
    std::string name;
    std::string command;
    std::string binding; // a GTK accelerator: "<Control>space"
};

// Whether this system's GNOME settings know custom shortcuts. GLib aborts on an unknown schema, so everything
// below checks this first.
bool available();

// Nothing when unavailable.
std::optional<std::vector<std::string>> paths();
// False when unavailable or not writable (locked down by the administrator).
bool setPaths(const std::vector<std::string>& paths);
std::optional<CustomKeybinding> read(const std::string& path);
bool write(const std::string& path, const CustomKeybinding& binding);
// Back to the schema's defaults, which is how a removed shortcut's keys are left.
void reset(const std::string& path);
// Waits until the writes have reached the settings store, so the settings daemon sees them.
void sync();

// A command line running program with one argument, quoted for GNOME's command parser where the path needs it.
std::string commandLine(const std::string& program, const std::string& argument);

} // namespace gnomeKeybindings
