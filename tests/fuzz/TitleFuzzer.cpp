// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an item title: stored, measured for its row and shown in a row's cell.
#include "JLJotlingManager.h"
#include "JLRedizadoTableViewCell.h"
#include "JLRedizadoViewController.h"
#include "JLTextField.h"
#include "MemoryUserDefaults.h"
#include "NotificationCenter.h"
#include "RowHeight.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {
int argc = 3;
char name[] = "title_fuzzer", platform[] = "-platform", offscreen[] = "offscreen";
char* argv[] = {name, platform, offscreen, nullptr};

// The application comes first: the panel's widgets need it.
struct Panel {
    Panel() {
        controller.awakeFromNib();
        controller.view()->resize(320, 440);
        controller.view()->show();
    }
    QApplication application{argc, argv};
    MemoryUserDefaults defaults;
    NotificationCenter center;
    JLJotlingManager manager{defaults, center};
    JLRedizadoViewController controller{defaults, manager, center};
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Panel panel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString title = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    rowHeightForTitle(title, 300.0);
    // An empty entry adds nothing.
    if (bytes.empty())
        return 0;
    // Through the panel as typed: stored whole, shown as plain text in row 0.
    panel.manager.addJotlingWithTitle(bytes);
    panel.controller.redizadoTableView()->reloadData();
    auto* cell = qobject_cast<JLRedizadoTableViewCell*>(panel.controller.redizadoTableView()->viewAtRow(0, true));
    if (!cell || cell->titleLabel()->stringValue() != title)
        __builtin_trap();
    if (panel.manager.redizado().at(0)->title() != bytes)
        __builtin_trap();
    // Keep the list short so every run measures the same work.
    panel.manager.removeEntryAtIndex(0, false);
    return 0;
}
