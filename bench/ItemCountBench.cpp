// SPDX-License-Identifier: GPL-3.0-or-later
// How the store and the panel grow with the number of items: 1,000, 10,000 and 100,000. A load, a save, Return to
// the item stored, a category switch and the panel made and first shown, each in wall time ("wall_ms") beside one
// frame at 60 Hz ("frames"): at 100,000 items, what takes more than a frame freezes the panel.
#include "BackgroundSaves.h"
#include "FileUserDefaults.h"
#include "InMemoryServices.h"
#include "JLJotlingManager.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "JLSegmentedControl.h"
#include "JLTableView.h"
#include "ListPresenter.h"
#include "MemoryAllDesktops.h"
#include "NotificationCenter.h"
#include "TempFolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "FrameAnchor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>

QApplication& application();

namespace {

JLJotlingManager::List itemsOf(std::int64_t count) {
    JLJotlingManager::List items;
    items.reserve(std::size_t(count));
    for (std::int64_t i = 0; i < count; ++i) {
        items.push_back(
            std::make_shared<JLJotling>("Item number " + std::to_string(i) + " with a title of about forty"));
        if (i % 3 == 0)
            items.back()->setCompleted(true);
    }
    return items;
}

// Stored once as a whole: adding one by one would save ever longer lists.
void store(JLJotlingManager& manager, std::int64_t count) {
    JLJotlingManager::List items = itemsOf(count);
    manager.setRedizado(items);
    std::erase_if(items, [](const auto& item) { return item->completed(); });
    manager.setTodoRedizado(std::move(items));
    manager.saveData();
    manager.reloadData(); // stores the to-do count with the list
}

// A panel over the items of a preferences file, shown in its window as the program shows it, its saves written
// in the background as the program has them.
struct Panel {
    explicit Panel(std::int64_t count) {
        store(manager, count);
        saves.emplace(defaults);
        controller.awakeFromNib();
        window.awakeFromNib();
        window.resize(320, 440);
        controller.showWithWindow(window, QPointF(700, 0));
        QApplication::processEvents();
    }
    TempFolder folder;
    FileUserDefaults defaults{folder.path() + "/defaults.plist"};
    NotificationCenter center;
    JLJotlingManager manager{defaults, center};
    JLRedizadoViewController controller{defaults, manager, center};
    MemoryAllDesktops desktops;
    JLRedizadoWindow window{desktops};
    std::optional<BackgroundSaves> saves;
};

void ItemsStoreLoad(benchmark::State& state) {
    TempFolder folder;
    const std::string path = folder.path() + "/defaults.plist";
    NotificationCenter center;
    {
        FileUserDefaults defaults(path);
        JLJotlingManager manager(defaults, center);
        store(manager, state.range(0));
    }
    FrameAnchor wall(state);
    std::optional<FileUserDefaults> defaults;
    std::optional<JLJotlingManager> manager;
    for (auto _ : state) {
        wall.time([&] {
            defaults.emplace(path);
            manager.emplace(*defaults, center);
            benchmark::DoNotOptimize(manager->redizado().size());
        });
        // Freeing the items is the quit's cost, not the load's. The next load finds the freed heap to reuse, which
        // a first start does not: the start with 100,000 items (tray-startup.sh) is the cold figure.
        state.PauseTiming();
        manager.reset();
        defaults.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ItemsStoreLoad)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One item renamed: the whole list saved through.
void ItemsStoreSave(benchmark::State& state) {
    TempFolder folder;
    FileUserDefaults defaults(folder.path() + "/defaults.plist");
    NotificationCenter center;
    JLJotlingManager manager(defaults, center);
    store(manager, state.range(0));
    FrameAnchor wall(state);
    for (auto _ : state)
        wall.time([&] { manager.renameEntry("renamed", 0, false); });
}
BENCHMARK(ItemsStoreSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Return in the entry field: what the panel waits for ("wall_ms", against a frame) and, beside it, the time until
// the item is written through to the preferences file ("stored_ms").
void ItemsReturnToStored(benchmark::State& state) {
    application();
    Panel panel(state.range(0));
    QLineEdit* entry = panel.controller.entryField();
    FrameAnchor wall(state);
    std::chrono::steady_clock::duration stored{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        wall.time([&] {
            entry->setText(QStringLiteral("one more thing to do"));
            QTest::keyClick(entry, Qt::Key_Return);
        });
        panel.defaults.finishSaves();
        stored += std::chrono::steady_clock::now() - start;
        state.PauseTiming();
        panel.manager.removeEntryAtIndex(0, false);
        panel.defaults.finishSaves();
        // The table follows, as it does after a change made elsewhere.
        panel.controller.redizadoTableView()->reloadData();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["stored_ms"] = std::chrono::duration<double, std::milli>(stored).count() /
                                  double(std::max<std::int64_t>(1, state.iterations()));
}
BENCHMARK(ItemsReturnToStored)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// To Do to All and back, one switch timed at a time, the rows drawn.
void ItemsCategorySwitch(benchmark::State& state) {
    application();
    Panel panel(state.range(0));
    JLSegmentedControl* categories = panel.controller.categorySwitcher();
    FrameAnchor wall(state);
    int segment = 0;
    for (auto _ : state) {
        segment = 1 - segment;
        wall.time([&] {
            categories->setSelectedSegment(segment);
            emit categories->segmentClicked();
            QApplication::processEvents();
        });
        state.PauseTiming();
        panel.defaults.finishSaves();
        state.ResumeTiming();
    }
}
BENCHMARK(ItemsCategorySwitch)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// What the start costs for the items: the panel is made on its first show, not before the icon.
void ItemsPanelMadeAndFirstShown(benchmark::State& state) {
    application();
    FrameAnchor wall(state);
    for (auto _ : state) {
        state.PauseTiming();
        auto services = std::make_unique<InMemoryServices>();
        store(services->manager, state.range(0));
        services->startInterface();
        state.ResumeTiming();
        wall.time([&] {
            services->interface->listPresenter().show();
            QApplication::processEvents();
        });
        state.PauseTiming();
        services->interface->listPresenter().hide();
        services.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ItemsPanelMadeAndFirstShown)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
