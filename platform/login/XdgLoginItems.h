// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtomicFileWriter.h"
#include "LoginItems.h"

// Login items as XDG autostart entries: the *.desktop files of one folder, ours named redizado.desktop.
class XdgLoginItems final : public LoginItems {
public:
    explicit XdgLoginItems(std::string folder = defaultFolder(), FileCalls calls = FileCalls::real());

    // $XDG_CONFIG_HOME/autostart, ~/.config/autostart when the variable is unset or relative.
    static std::string defaultFolder();

    std::vector<Entry> entries() const override;
    bool insertLast(const std::string& appPath) override;
    bool remove(const Entry& entry) override;

private:
    std::optional<std::string> programOf(const std::string& fileName) const;
    std::string freeFileName(const std::string& appPath) const;

    std::string m_folder;
    AtomicFileWriter m_writer;
};
