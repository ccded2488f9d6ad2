// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a preferences file of N items and their to-do count, as the program leaves it, for the start benchmark.
// Usage: make-store PATH N
#include "FileUserDefaults.h"
#include "FirstRun.h"
#include "PreferencesKeys.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PATH N\n", argv[0]);
        return 2;
    }
    using namespace plist_value;
    const int count = std::atoi(argv[2]);
    Array items;
    for (int i = 0; i < count; ++i)
        items.emplace_back(Dictionary{{keys::jotlingTitle, Value("Item number " + std::to_string(i) + " to buy soon")},
                                      {keys::jotlingCreatedDate, Value(makeDate(1.7e9 + i))},
                                      {keys::jotlingChecked, Value(i % 3 == 0)}});
    FileUserDefaults defaults(argv[1]);
    // A store the program has started on before, so that a start writes nothing of its own.
    runFirstRunProcedure(defaults);
    defaults.setObject(keys::allRedizado, items);
    // Every third item is done, as above.
    defaults.setInteger(keys::toDoCountKey, count - (count + 2) / 3);
    defaults.synchronize();
    return defaults.saveFailing() ? 1 : 0;
}
