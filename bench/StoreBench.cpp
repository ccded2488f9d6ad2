// SPDX-License-Identifier: GPL-3.0-or-later
// 10,000 items through the store: a save, an added item and a load, beside the floor a save cannot go below (plain
// data to a libplist tree, to XML, written, fsynced, renamed and the folder fsynced), and the memory the items take.
#include "AtomicFileWriter.h"
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "NotificationCenter.h"
#include "PlistApi.h"
#include "PlistCodec.h"
#include "PreferencesKeys.h"
#include "TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <plist/plist.h>

namespace {

using namespace plist_value;

constexpr int kItems = 10'000;

std::string titleOf(int i) {
    return "Item number " + std::to_string(i) + " to buy soon";
}

Array items() {
    Array list;
    for (int i = 0; i < kItems; ++i)
        list.emplace_back(Dictionary{{keys::jotlingTitle, Value(titleOf(i))},
                                     {keys::jotlingCreatedDate, Value(makeDate(1.7e9 + i))},
                                     {keys::jotlingChecked, Value(i % 3 == 0)}});
    return list;
}

// A file of 10,000 items and its to-do count, as the program leaves it.
std::string writeStore(const TempFolder& folder) {
    const std::string path = folder.path() + "/defaults.plist";
    FileUserDefaults defaults(path);
    defaults.setObject(keys::allRedizado, items());
    defaults.setInteger(keys::toDoCountKey, kItems - (kItems + 2) / 3);
    defaults.synchronize();
    return path;
}

void StoreSave10k(benchmark::State& state) {
    TempFolder folder;
    FileUserDefaults defaults(writeStore(folder));
    NotificationCenter center;
    JLJotlingManager manager(defaults, center);
    for (auto _ : state)
        manager.renameEntry("renamed", 0, false); // one change: the whole list saved through
}
BENCHMARK(StoreSave10k)->Unit(benchmark::kMillisecond);

// The store's part of Return: one item added in front of 10,000 and saved with its count.
void StoreAdd10k(benchmark::State& state) {
    TempFolder folder;
    FileUserDefaults defaults(writeStore(folder));
    NotificationCenter center;
    JLJotlingManager manager(defaults, center);
    for (auto _ : state) {
        manager.addJotlingWithTitle("one more thing");
        state.PauseTiming();
        manager.removeEntryAtIndex(0, false);
        state.ResumeTiming();
    }
}
BENCHMARK(StoreAdd10k)->Unit(benchmark::kMillisecond);

// The floor: plain records straight into a libplist tree, to XML, and the bytes saved durably.
void FloorXmlWriteFsync10k(benchmark::State& state) {
    struct Plain {
        std::string title;
        double date;
        bool checked;
    };
    std::vector<Plain> plain;
    for (int i = 0; i < kItems; ++i)
        plain.push_back({titleOf(i), 1.7e9 + i, i % 3 == 0});
    TempFolder folder;
    const std::string target = folder.path() + "/defaults.plist";
    const AtomicFileWriter writer;
    for (auto _ : state) {
        plist_t root = plist_new_dict();
        plist_t array = plist_new_array();
        for (const Plain& item : plain) {
            plist_t dict = plist_new_dict();
            plist_dict_set_item(dict, keys::jotlingTitle, plist_new_string(item.title.c_str()));
            const double since = item.date - 978307200.0;
            plist_dict_set_item(dict, keys::jotlingCreatedDate, plist_new_date(int32_t(since), 0));
            plist_dict_set_item(dict, keys::jotlingChecked, plist_new_bool(item.checked));
            plist_array_append_item(array, dict);
        }
        plist_dict_set_item(root, keys::allRedizado, array);
        plist_dict_set_item(root, keys::toDoCountKey, plist_new_uint(kItems - (kItems + 2) / 3));
        char* xml = nullptr;
        uint32_t length = 0;
        plist_to_xml(root, &xml, &length);
        plist_free(root);
        std::string why;
        const bool saved = writer.replace(target, std::string_view(xml, length), 0600, &why);
        plist_api::freeText(xml);
        if (!saved) {
            state.SkipWithError(why.c_str());
            return;
        }
    }
}
BENCHMARK(FloorXmlWriteFsync10k)->Unit(benchmark::kMillisecond);

// The file text of 10,000 items, straight from our values and by way of a libplist tree.
void StoreToXml10k(benchmark::State& state) {
    const Dictionary root{{keys::allRedizado, Value(items())}};
    for (auto _ : state)
        benchmark::DoNotOptimize(plist_codec::toXml(root).text().size());
}
BENCHMARK(StoreToXml10k)->Unit(benchmark::kMillisecond);

void StoreToXmlThroughLibplist10k(benchmark::State& state) {
    const Dictionary root{{keys::allRedizado, Value(items())}};
    for (auto _ : state)
        benchmark::DoNotOptimize(plist_codec::toXmlThroughLibplist(root).text().size());
}
BENCHMARK(StoreToXmlThroughLibplist10k)->Unit(benchmark::kMillisecond);

void StoreLoad10k(benchmark::State& state) {
    TempFolder folder;
    const std::string path = writeStore(folder);
    NotificationCenter center;
    for (auto _ : state) {
        FileUserDefaults defaults(path);
        JLJotlingManager manager(defaults, center);
        benchmark::DoNotOptimize(manager.redizado().size());
    }
}
BENCHMARK(StoreLoad10k)->Unit(benchmark::kMillisecond);

// What a start reads before its icon: the settings and the stored count, the list left for later.
void StoreSettingsOnly10k(benchmark::State& state) {
    TempFolder folder;
    const std::string path = writeStore(folder);
    for (auto _ : state) {
        FileUserDefaults defaults(path);
        benchmark::DoNotOptimize(defaults.integerForKey(keys::toDoCountKey));
    }
}
BENCHMARK(StoreSettingsOnly10k)->Unit(benchmark::kMicrosecond);

// What a loaded store and its manager keep on the heap per item, and again once a change was saved.
void StoreMemory10k(benchmark::State& state) {
    TempFolder folder;
    const std::string path = writeStore(folder);
    NotificationCenter center;
    double loaded = 0;
    double afterSave = 0;
    for (auto _ : state) {
        const auto before = mallinfo2().uordblks;
        auto defaults = std::make_unique<FileUserDefaults>(path);
        auto manager = std::make_unique<JLJotlingManager>(*defaults, center);
        loaded = double(mallinfo2().uordblks - before) / kItems;
        manager->renameEntry("renamed", 0, false);
        afterSave = double(mallinfo2().uordblks - before) / kItems;
    }
    state.counters["bytes_per_item"] = loaded;
    state.counters["bytes_per_item_saved"] = afterSave;
}
BENCHMARK(StoreMemory10k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
