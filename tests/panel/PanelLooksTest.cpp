// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "Contrast.h"
#include "JLRedizadoWindow.h"
#include "MemoryAllDesktops.h"
#include "PanelKeys.h"
#include "PanelPalette.h"
#include "RowMark.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPalette>

#include <algorithm>

namespace {
QPalette darkPalette() {
    const QColor window(0x2b, 0x2b, 0x2e), base(0x1f, 0x1f, 0x22), text(0xe8, 0xe8, 0xe8), button(0x3a, 0x3a, 0x3e);
    QPalette p(button, window);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    p.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    return p;
}

// The whole panel as it shows: window, drawn body and controls, a few rows, the second one marked.
class PanelLooksTest : public PanelTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        saved = QApplication::palette();
        if (dark())
            QApplication::setPalette(darkPalette());
        PanelTest::SetUp();
        window.awakeFromNib();
        window.resize(320, 440);
        controller.showWithWindow(window);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        add({"Buy milk", "Call the plumber about the kitchen tap before Friday", "Water the plants"});
        switchTo(1);
        cellAt(2)->checkBox()->click();
        controller.redizadoTableView()->setFocus();
        controller.panelKeys().rowMark().markRow(1);
    }
    void TearDown() override { QApplication::setPalette(saved); }
    bool dark() const { return GetParam(); }

    QImage shot(qreal scale) {
        QImage image((QSizeF(window.size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        window.render(&image);
        if (const QString dir = qEnvironmentVariable("REDIZADO_SHOTS_DIR"); !dir.isEmpty()) {
            QDir().mkpath(dir);
            image.save(
                QStringLiteral("%1/panel-%2-%3x.png")
                    .arg(dir, dark() ? QStringLiteral("dark") : QStringLiteral("light"), QString::number(scale)));
        }
        return image;
    }
    // Where a widget of the panel lies in a shot, in the shot's pixels.
    QRect inShot(QWidget* widget, qreal scale) {
        const QRect r(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        return QRect((QPointF(r.topLeft()) * scale).toPoint(), (QSizeF(r.size()) * scale).toSize());
    }
    // The colour most pixels of the area have, and the one that stands out most from it.
    std::pair<QColor, double> groundAndBestContrast(const QImage& image, QRect area) {
        std::map<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[image.pixel(x, y)];
        const QColor ground(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                return a.second < b.second;
                            })->first);
        double best = 1.0;
        for (const auto& [pixel, n] : counts)
            best = std::max(best, contrast(QColor(pixel), ground));
        return {ground, best};
    }

    QPalette saved;
    MemoryAllDesktops desktops;
    JLRedizadoWindow window{desktops};
};
} // namespace

TEST_P(PanelLooksTest, TitlesStandOutFromTheBodyAndDenseScreensGetFinerTextNotAnEnlargedCopy) {
    for (const qreal scale : {1.5, 2.0}) {
        const QImage image = shot(scale);
        ASSERT_EQ(image.size(), (QSizeF(window.size()) * scale).toSize());
        for (std::int64_t row = 0; row < 3; ++row) {
            const auto [ground, best] = groundAndBestContrast(image, inShot(cellAt(row)->titleLabel(), scale));
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
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += contrast(QColor(image.pixel(x, y)), text) < 1.5;
        return n;
    };
    EXPECT_GT(solid(fine), solid(enlarged) * 2);
}

// Nothing behind the panel shows through the settings pane, any more than through the list.
TEST_P(PanelLooksTest, TheSettingsPaneIsAsSolidAsTheList) {
    for (QWidget* content : {static_cast<QWidget*>(controller.redizadoTableView()), controller.settingsPane()}) {
        if (content == controller.settingsPane())
            controller.settingsButton()->click();
        const QImage image = shot(1.0);
        const QRect area = inShot(content, 1.0);
        int seeThrough = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                seeThrough += qAlpha(image.pixel(x, y)) < 255;
        EXPECT_EQ(seeThrough, 0) << content->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, PanelLooksTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? std::string("Dark") : std::string("Light"); });
