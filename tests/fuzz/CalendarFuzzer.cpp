// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a task's calendar text from the server: read into an item, written back over the server's text, and
// read again. What we write must read back as the task, and a title and UID once written must write again unchanged.
#include "ItemTask.h"
#include "VTodo.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto task = vtodo::read(text);
    if (!task) {
        // An unreadable text is written over by a well-formed task.
        if (!vtodo::read(vtodo::write({"mine", "Title", false, {}, {}}, text)))
            __builtin_trap();
        return 0;
    }
    plist_value::Dictionary item;
    vtodo::applyToItem(*task, item);
    const vtodo::Task mine = vtodo::taskOfItem(item);
    const std::string written = vtodo::write(mine, text);
    const auto back = vtodo::read(written);
    if (!back || back->completed != mine.completed)
        __builtin_trap();
    // libical drops control characters from a UID it writes, so the UID is held only from our first write on.
    const auto again = vtodo::read(vtodo::write(*back, written));
    if (!again || again->title != back->title || again->uid != back->uid)
        __builtin_trap();
    return 0;
}
