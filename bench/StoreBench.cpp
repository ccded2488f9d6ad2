// SPDX-License-Identifier: GPL-3.0-or-later
// Saving 10,000 items through the store beside its floor: the same XML written and fsynced by hand.
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "NotificationCenter.h"
#include "PlistCodec.h"
#include "PreferencesKeys.h"
#include "TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace plist_value;

constexpr int kItems = 10'000;

Array items() {
    Array list;
    for (int i = 0; i < kItems; ++i)
        list.emplace_back(Dictionary{{keys::jotlingTitle, Value("Item number " + std::to_string(i) + " to buy soon")},
                                     {keys::jotlingCreatedDate, Value(makeDate(1.7e9 + i))},
                                     {keys::jotlingChecked, Value(i % 3 == 0)}});
    return list;
}

void StoreSave10k(benchmark::State& state) {
    TempFolder folder;
    FileUserDefaults defaults(folder.path() + "/defaults.plist");
    defaults.setObject(keys::allRedizado, items());
    defaults.synchronize();
    NotificationCenter center;
    JLJotlingManager manager(defaults, center);
    for (auto _ : state)
        manager.renameEntry("renamed", 0, false); // one change: the whole list saved through
}
BENCHMARK(StoreSave10k)->Unit(benchmark::kMillisecond);

// The floor: libplist straight to XML, then the bytes written, fsynced and renamed into place.
void FloorXmlWriteFsync10k(benchmark::State& state) {
    TempFolder folder;
    const Dictionary root{{keys::allRedizado, Value(items())}};
    const std::string target = folder.path() + "/defaults.plist";
    const std::string temp = target + ".tmp";
    for (auto _ : state) {
        const std::string xml = plist_codec::toXml(root);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        benchmark::DoNotOptimize(::write(fd, xml.data(), xml.size()));
        ::fsync(fd);
        ::close(fd);
        std::rename(temp.c_str(), target.c_str());
    }
}
BENCHMARK(FloorXmlWriteFsync10k)->Unit(benchmark::kMillisecond);

void StoreLoad10k(benchmark::State& state) {
    TempFolder folder;
    const std::string path = folder.path() + "/defaults.plist";
    {
        FileUserDefaults defaults(path);
        defaults.setObject(keys::allRedizado, items());
        defaults.setInteger(keys::toDoCountKey, kItems - (kItems + 2) / 3);
        defaults.synchronize();
    }
    NotificationCenter center;
    for (auto _ : state) {
        FileUserDefaults defaults(path);
        JLJotlingManager manager(defaults, center);
        benchmark::DoNotOptimize(manager.redizado().size());
    }
}
BENCHMARK(StoreLoad10k)->Unit(benchmark::kMillisecond);

} // namespace
