// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a store as the tray program does at start (settings first, items once the icon is up), hands freed memory
// back as it does, and prints what the heap then holds: its proportional size and malloc's own count of bytes in use.
// Usage: store-memory PATH
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "NotificationCenter.h"

#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>

namespace {
long heapPssKib() {
    std::ifstream smaps("/proc/self/smaps");
    long total = 0;
    bool inHeap = false;
    for (std::string line; std::getline(smaps, line);) {
        // A mapping's first line starts with its address range; the lines of its figures with a name and a colon.
        const std::size_t space = line.find(' ');
        if (space != std::string::npos && line.find(':') > space)
            inHeap = line.ends_with(" [heap]");
        else if (inHeap && line.rfind("Pss:", 0) == 0)
            total += std::stol(line.substr(4));
    }
    return total;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH\n", argv[0]);
        return 2;
    }
    FileUserDefaults defaults(argv[1]);
    NotificationCenter center;
    JLJotlingManager manager(defaults, center, JLJotlingManager::Load::atFirstUse);
    defaults.readArrays();
    manager.loadList();
    malloc_trim(0);
    const struct mallinfo2 info = mallinfo2();
    std::printf("%zu items: heap PSS %ld KiB, in use %zu KiB, mmapped %zu KiB\n", manager.redizado().size(),
                heapPssKib(), info.uordblks / 1024, info.hblkhd / 1024);
    return 0;
}
