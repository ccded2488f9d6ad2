// SPDX-License-Identifier: GPL-3.0-or-later
// The panel is made on its first show, not at the start: that first show, making included, over 10,000 items.
#include "InMemoryServices.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "ListPresenter.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

QApplication& application();

namespace {
void BM_PanelMadeAndFirstShown10000Items(benchmark::State& state) {
    application();
    double spentMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto services = std::make_unique<InMemoryServices>();
        JLJotlingManager::List items;
        for (int i = 0; i < 10000; ++i)
            items.push_back(
                std::make_shared<JLJotling>("Item number " + std::to_string(i) + " with a title of about forty"));
        services->manager.setRedizado(items);
        services->manager.setTodoRedizado(std::move(items));
        services->manager.saveData();
        services->startInterface();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        services->interface->listPresenter().show();
        QApplication::processEvents();
        spentMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        services->interface->listPresenter().hide();
        services.reset();
        state.ResumeTiming();
    }
    // The budget of a first show.
    state.counters["wall_ms"] = spentMs / double(state.iterations());
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_PanelMadeAndFirstShown10000Items)->Unit(benchmark::kMillisecond);
} // namespace
