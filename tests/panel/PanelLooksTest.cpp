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
        // The desktop's dark theme as the platform theme hands it over: dark grey window and base, off-white text,
        // Qt's own blue highlight; the rest Qt derives.
        if (dark()) {
            QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
            palette.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
            for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                palette.setColor(role, QColor(0xee, 0xee, 0xec));
            palette.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
            QApplication::setPalette(palette);
        }
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
    template <typename Each> void forEachPixel(const QImage& image, QWidget* widget, Each each, int inset = 0) {
        const QRect area =
            QRect(widget->mapTo(&window, QPoint(0, 0)) * 2, widget->size() * 2).adjusted(inset, inset, -inset, -inset);
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                each(image.pixel(x, y));
    }

    // The colour most pixels of the widget have.
    QColor ground(const QImage& image, QWidget* widget, int inset = 0) {
        std::map<QRgb, int> counts;
        forEachPixel(
            image, widget, [&](QRgb pixel) { ++counts[pixel]; }, inset);
        return QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                          return a.second < b.second;
                      })->first);
    }
    // How far the widget's most outstanding pixel stands out from its ground.
    double standOut(const QImage& image, QWidget* widget, int inset = 0) {
        const QColor base = ground(image, widget, inset);
        double best = 1.0;
        forEachPixel(
            image, widget, [&](QRgb pixel) { best = std::max(best, contrast(QColor(pixel), base)); }, inset);
        return best;
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

// Check box outlines, the chosen category against the other and the focus ring 3:1; text and the entry field's
// placeholder 4.5:1, all as drawn.
TEST_P(PanelLooksTest, ControlsAndTextStandOutEnough) {
    QLineEdit* field = widgets().entryField;
    const QImage unfocused = shot();
    field->setFocus();
    const QImage focused = shot();
    // The ring: what the focus changed around the field, against what was there before.
    std::map<QRgb, int> ring, under;
    const QRect around(field->mapTo(&window, QPoint(-2, -2)) * 2, (field->size() + QSize(4, 4)) * 2);
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (focused.pixel(x, y) != unfocused.pixel(x, y)) {
                ++ring[focused.pixel(x, y)];
                ++under[unfocused.pixel(x, y)];
            }
    const auto most = [](const std::map<QRgb, int>& counts) {
        return QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                          return a.second < b.second;
                      })->first);
    };
    ASSERT_FALSE(ring.empty());
    const double focusRing = contrast(most(ring), most(under));
    const double checkBox = standOut(focused, cellAt(0)->checkBox());
    auto* switcher = widgets().categorySwitcher;
    const double segments =
        contrast(ground(focused, switcher->segmentButton(0), 4), ground(focused, switcher->segmentButton(1), 4));
    const double chosenText = standOut(focused, switcher->segmentButton(1), 4);
    const double otherText = standOut(focused, switcher->segmentButton(0), 4);
    const double placeholder = standOut(focused, field, 8);
    RecordProperty("contrasts", QStringLiteral("ring %1 box %2 segments %3 chosen text %4 other text %5 placeholder %6")
                                    .arg(focusRing, 0, 'f', 2)
                                    .arg(checkBox, 0, 'f', 2)
                                    .arg(segments, 0, 'f', 2)
                                    .arg(chosenText, 0, 'f', 2)
                                    .arg(otherText, 0, 'f', 2)
                                    .arg(placeholder, 0, 'f', 2)
                                    .toStdString());
    EXPECT_GE(focusRing, 3.0);
    EXPECT_GE(checkBox, 3.0);
    EXPECT_GE(segments, 3.0);
    EXPECT_GE(chosenText, 4.5);
    EXPECT_GE(otherText, 4.5);
    EXPECT_GE(placeholder, 4.5);
}

// A desktop switching to its dark theme while the program runs gets the panel in its colours.
TEST_F(PanelTest, ThePanelFollowsTheDesktopsPaletteWhenItChanges) {
    const QPalette saved = QApplication::palette();
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    QApplication::setPalette(dark);
    const QColor base = widgets().entryField->palette().color(QPalette::Base);
    QApplication::setPalette(saved);
    EXPECT_EQ(base, QColor(0x2d, 0x2d, 0x2d));
}

INSTANTIATE_TEST_SUITE_P(Palettes, PanelLooksTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? std::string("Dark") : std::string("Light"); });
