// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a preferences file: read, loaded into the item manager, changed and written again.
#include "FirstRun.h"
#include "JLJotlingManager.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PlistCodec.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto values = plist_codec::fromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!values)
        return 0;
    MemoryUserDefaults defaults;
    for (const auto& [key, value] : *values)
        defaults.setObject(key, value);
    runFirstRunProcedure(defaults);
    NotificationCenter center;
    JLJotlingManager manager(defaults, center);
    manager.renameEntry("renamed", 0, false);
    manager.completeEntry(true, 0, true);
    manager.addJotlingWithTitle("new");
    manager.removeEntryAtIndex(1, false);
    const std::string xml = plist_codec::toXml(defaults.values());
    // What we write must read back.
    if (!plist_codec::fromBytes(xml))
        __builtin_trap();
    return 0;
}
