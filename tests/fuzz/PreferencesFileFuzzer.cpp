// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a preferences file: read (whole, and settings first), loaded into the item manager, changed and
// written again.
#include "FirstRun.h"
#include "JLJotlingManager.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "PlistCodec.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto values = plist_codec::fromBytes(bytes);
    if (!values)
        return 0;
    // The settings read at start, before the lists, are what the whole read gives.
    if (const auto split = plist_codec::fromBytesWithoutRootArrays(bytes)) {
        for (const auto& [key, value] : *values) {
            const auto early = split->values.find(key.str());
            const bool left =
                std::find(split->arrayKeys.begin(), split->arrayKeys.end(), key.str()) != split->arrayKeys.end();
            if (left ? !value.get<plist_value::Array>() : early == split->values.end() || !(early->second == value))
                __builtin_trap();
        }
        if (split->values.size() + split->arrayKeys.size() != values->size())
            __builtin_trap();
    }
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
    const std::string xml = plist_codec::toXml(defaults.values);
    // What we write must read back.
    if (!plist_codec::fromBytes(xml))
        __builtin_trap();
    return 0;
}
