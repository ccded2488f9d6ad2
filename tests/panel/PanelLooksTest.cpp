// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "Contrast.h"
#include "JLRedizadoWindow.h"
#include "MemoryAllDesktops.h"

#include <QImage>
#include <QPalette>

#include <algorithm>
#include <map>

namespace {
// The whole panel as it shows: window, drawn body and controls, a few rows, the second one marked.
class PanelLooksTest : public PanelTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        // From a dark window colour Qt derives a black base and white text.
        if (dark())
            QApplication::setPalette(QPalette(QColor(0x3a, 0x3a, 0x3e), QColor(0x2b, 0x2b, 0x2e)));
        PanelTest::SetUp();
        window.awakeFromNib();
        window.resize(320, 440);
        panel->showWithWindow(window);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        add({"Buy milk", "Call the plumber about the kitchen tap before Friday", "Water the plants"});
        switchTo(1);
        cellAt(2)->checkBox()->click();
        table()->setFocus();
        panel->panelKeys().rowMark().markRow(1);
    }
    void TearDown() override { QApplication::setPalette(saved); }
    bool dark() const { return GetParam(); }

    // The panel as a dense screen shows it, twice the pixels each way.
    QImage shot() {
        QImage image(window.size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        image.fill(Qt::transparent);
        window.render(&image);
        return image;
    }
    template <typename Each> void forEachPixel(const QImage& image, QWidget* widget, Each each) {
        const QRect area(widget->mapTo(&window, QPoint(0, 0)) * 2, widget->size() * 2);
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                each(image.pixel(x, y));
    }

    QPalette saved = QApplication::palette();
    MemoryAllDesktops desktops;
    JLRedizadoWindow window{desktops};
};
} // namespace

TEST_P(PanelLooksTest, TitlesStandOutFromTheBodyOnADenseScreen) {
    const QImage image = shot();
    for (std::int64_t row = 0; row < 3; ++row) {
        // The colour most pixels have, and the one that stands out most from it.
        std::map<QRgb, int> counts;
        forEachPixel(image, cellAt(row)->titleLabel(), [&](QRgb pixel) { ++counts[pixel]; });
        const QColor ground(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                return a.second < b.second;
                            })->first);
        double best = 1.0;
        for (const auto& [pixel, n] : counts)
            best = std::max(best, contrast(QColor(pixel), ground));
        EXPECT_GE(best, 7.0) << "row " << row;
        EXPECT_EQ(luminance(ground) < 0.2, dark()) << "row " << row;
    }
}

// Nothing behind the panel shows through the settings pane, any more than through the list.
TEST_P(PanelLooksTest, TheSettingsPaneIsSolid) {
    widgets().settingsButton->click();
    int seeThrough = 0;
    forEachPixel(shot(), widgets().settingsPane, [&](QRgb pixel) { seeThrough += qAlpha(pixel) < 255; });
    EXPECT_EQ(seeThrough, 0);
}

INSTANTIATE_TEST_SUITE_P(Palettes, PanelLooksTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? std::string("Dark") : std::string("Light"); });
