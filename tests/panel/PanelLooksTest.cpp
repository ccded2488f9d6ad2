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

    QImage shot(qreal scale) {
        QImage image((QSizeF(window.size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        window.render(&image);
        return image;
    }
    // Where a widget of the panel lies in a shot, in the shot's pixels.
    QRect inShot(QWidget* widget, qreal scale) {
        const QRect r(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        return QRect((QPointF(r.topLeft()) * scale).toPoint(), (QSizeF(r.size()) * scale).toSize());
    }
    template <typename Each> static void forEachPixel(const QImage& image, QRect area, Each each) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                each(image.pixel(x, y));
    }

    QPalette saved = QApplication::palette();
    MemoryAllDesktops desktops;
    JLRedizadoWindow window{desktops};
};
} // namespace

TEST_P(PanelLooksTest, TitlesStandOutFromTheBodyAndDenseScreensGetFinerTextNotAnEnlargedCopy) {
    for (const qreal scale : {1.5, 2.0}) {
        const QImage image = shot(scale);
        for (std::int64_t row = 0; row < 3; ++row) {
            // The colour most pixels have, and the one that stands out most from it.
            std::map<QRgb, int> counts;
            forEachPixel(image, inShot(cellAt(row)->titleLabel(), scale), [&](QRgb pixel) { ++counts[pixel]; });
            const QColor ground(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                    return a.second < b.second;
                                })->first);
            double best = 1.0;
            for (const auto& [pixel, n] : counts)
                best = std::max(best, contrast(QColor(pixel), ground));
            EXPECT_GE(best, 7.0) << "row " << row << " at " << scale;
            EXPECT_EQ(luminance(ground) < 0.2, dark()) << "row " << row << " at " << scale;
        }
    }
    const QRect title1 = inShot(cellAt(0)->titleLabel(), 1.0);
    const QImage enlarged =
        shot(1.0).copy(title1).scaled(title1.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage fine = shot(2.0).copy(inShot(cellAt(0)->titleLabel(), 2.0)).convertToFormat(enlarged.format());
    ASSERT_EQ(fine.size(), enlarged.size());
    // Sharp edges: a fine rendering has more pixels at full text strength than a smoothed enlargement.
    const QColor text = QApplication::palette().color(QPalette::Text);
    const auto solid = [&text](const QImage& image) {
        int n = 0;
        forEachPixel(image, image.rect(), [&](QRgb pixel) { n += contrast(QColor(pixel), text) < 1.5; });
        return n;
    };
    EXPECT_GT(solid(fine), solid(enlarged) * 2);
}

// Nothing behind the panel shows through the settings pane, any more than through the list.
TEST_P(PanelLooksTest, TheSettingsPaneIsAsSolidAsTheList) {
    for (QWidget* content : {static_cast<QWidget*>(table()), widgets().settingsPane}) {
        if (content == widgets().settingsPane)
            widgets().settingsButton->click();
        int seeThrough = 0;
        forEachPixel(shot(1.0), inShot(content, 1.0), [&](QRgb pixel) { seeThrough += qAlpha(pixel) < 255; });
        EXPECT_EQ(seeThrough, 0) << content->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, PanelLooksTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? std::string("Dark") : std::string("Light"); });
