// SPDX-License-Identifier: GPL-3.0-or-later
#include "JLTableView.h"

#include <QApplication>
#include <QLabel>

#include <benchmark/benchmark.h>

namespace {
class Rows final : public JLTableViewDataSource, public JLTableViewDelegate {
public:
    std::vector<QString> titles;
    std::int64_t numberOfRowsInTableView(JLTableView&) override { return static_cast<std::int64_t>(titles.size()); }
    double heightOfRow(JLTableView&, std::int64_t) override { return 30; }
    QWidget* viewForRow(JLTableView& table, std::int64_t row) override {
        auto* label = qobject_cast<QLabel*>(table.makeViewWithIdentifier(QStringLiteral("row"), &table));
        label->setText(titles.at(static_cast<std::size_t>(row)));
        return label;
    }
};

} // namespace

QApplication& application() {
    // The benchmark main owns argv; widgets need an application, drawn off screen.
    static int argc = 1;
    static char name[] = "redizado_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own globals may already be gone.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

namespace {

void BM_TableReloadAndShow10000Rows(benchmark::State& state) {
    application();
    Rows rows;
    for (int i = 0; i < 10000; ++i)
        rows.titles.push_back(QStringLiteral("Item number %1 with a title of about forty").arg(i));
    for (auto _ : state) {
        JLTableView table;
        table.resize(300, 400);
        table.setDataSource(&rows);
        table.setDelegate(&rows);
        table.registerTemplate(QStringLiteral("row"), [](QObject*) {
            auto* label = new QLabel;
            label->setTextFormat(Qt::PlainText);
            return label;
        });
        table.reloadData();
        table.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(table.cellCount());
    }
}
BENCHMARK(BM_TableReloadAndShow10000Rows)->Unit(benchmark::kMillisecond);
} // namespace
