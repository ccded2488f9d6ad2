// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundSaves.h"
#include "FileUserDefaults.h"
#include "JLJotlingManager.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "MemoryAllDesktops.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "FrameAnchor.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

QApplication& application();

namespace {

// A panel over 10,000 items, shown in its window as the program shows it.
struct Panel {
    explicit Panel(UserDefaults& defaults) : manager(defaults, center), controller(defaults, manager, center) {
        // Stored once as a whole: adding one by one would save 10,000 growing lists.
        JLJotlingManager::List items;
        for (int i = 0; i < 10000; ++i)
            items.push_back(
                std::make_shared<JLJotling>("Item number " + std::to_string(i) + " with a title of about forty"));
        manager.setRedizado(items);
        manager.setTodoRedizado(std::move(items));
        manager.saveData();
        controller.awakeFromNib();
        window.awakeFromNib();
        window.resize(320, 440);
    }
    NotificationCenter center;
    JLJotlingManager manager;
    JLRedizadoViewController controller;
    MemoryAllDesktops desktops;
    JLRedizadoWindow window{desktops};
};

void BM_PanelShow10000Items(benchmark::State& state) {
    application();
    MemoryUserDefaults defaults;
    Panel panel(defaults);
    panel.controller.redizadoTableView()->reloadData();
    FrameAnchor anchor(state);
    for (auto _ : state) {
        anchor.time([&] {
            panel.controller.showWithWindow(panel.window, QPointF(700, 0));
            QApplication::processEvents();
        });
        state.PauseTiming();
        panel.controller.hideWithWindow(panel.window);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PanelShow10000Items)->Unit(benchmark::kMillisecond);

// The first show of a panel that has never shown its rows.
void BM_PanelFirstShow10000Items(benchmark::State& state) {
    application();
    FrameAnchor anchor(state);
    for (auto _ : state) {
        state.PauseTiming();
        MemoryUserDefaults defaults;
        auto panel = std::make_unique<Panel>(defaults);
        state.ResumeTiming();
        anchor.time([&] {
            panel->controller.showWithWindow(panel->window, QPointF(700, 0));
            QApplication::processEvents();
        });
        state.PauseTiming();
        panel.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PanelFirstShow10000Items)->Unit(benchmark::kMillisecond);

void BM_PanelReload10000Items(benchmark::State& state) {
    application();
    MemoryUserDefaults defaults;
    Panel panel(defaults);
    panel.controller.showWithWindow(panel.window, QPointF(700, 0));
    FrameAnchor anchor(state);
    for (auto _ : state) {
        anchor.time([&] {
            panel.controller.redizadoTableView()->reloadData();
            QApplication::processEvents();
        });
    }
}
BENCHMARK(BM_PanelReload10000Items)->Unit(benchmark::kMillisecond);

// From Return in the entry field to the item written through to the preferences file.
// Until the item is on disk, its save written in the background as the program has it.
void BM_ReturnToItemStored10000Items(benchmark::State& state) {
    application();
    QTemporaryDir folder;
    FileUserDefaults defaults(folder.filePath(QStringLiteral("defaults.plist")).toStdString());
    Panel panel(defaults);
    BackgroundSaves saves(defaults);
    panel.controller.showWithWindow(panel.window, QPointF(700, 0));
    QLineEdit* entry = panel.controller.entryField();
    FrameAnchor anchor(state);
    for (auto _ : state) {
        anchor.time([&] {
            entry->setText(QStringLiteral("one more thing to do"));
            QTest::keyClick(entry, Qt::Key_Return);
            defaults.finishSaves();
        });
    }
}
BENCHMARK(BM_ReturnToItemStored10000Items)->Unit(benchmark::kMillisecond);
} // namespace
