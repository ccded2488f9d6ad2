// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFixture.h"

#include "Contrast.h"
#include "PanelPalette.h"

#include <QImage>
#include <QPalette>

#include <map>

namespace {
using Counts = std::map<QRgb, int>;

// The colour most pixels have.
QColor most(const Counts& counts) {
    return QColor(
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
}

// How far the most outstanding pixel stands out from the colour most pixels have.
double standOut(const Counts& counts) {
    const QColor ground = most(counts);
    double best = 1.0;
    for (const auto& [pixel, n] : counts)
        best = std::max(best, contrast(QColor(pixel), ground));
    return best;
}

// The whole panel as it shows: window, drawn body and controls, a few rows, the second one marked.
class PanelLooksTest : public PanelTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        // The desktop's dark theme as the platform theme hands it over, switched to after the panel was made:
        // dark grey window and base, off-white text, Qt's own blue highlight; the rest Qt derives.
        if (dark()) {
            QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
            palette.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
            for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                palette.setColor(role, QColor(0xee, 0xee, 0xec));
            palette.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
            QApplication::setPalette(palette);
        }
        showInWindow();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        add({"Buy milk", "Call the plumber about the kitchen tap before Friday", "Water the plants"});
        switchTo(1);
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
    QRect area(QWidget* widget, int inset = 0, int outset = 0) {
        return QRect(widget->mapTo(&window, QPoint(-outset, -outset)) * 2,
                     (widget->size() + QSize(outset, outset) * 2) * 2)
            .adjusted(inset, inset, -inset, -inset);
    }
    static Counts counts(const QImage& image, const QRect& area) {
        Counts result;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++result[image.pixel(x, y)];
        return result;
    }

    QPalette saved = QApplication::palette();
};
} // namespace

// Titles 7:1; check box outlines (the settings' too) and the chosen category against the other 3:1; the chosen
// segment's text and the entry field's placeholder 4.5:1, all as drawn.
TEST_P(PanelLooksTest, EverythingStandsOutEnoughOnADenseScreen) {
    QLineEdit* field = widgets().entryField;
    const QImage unfocused = shot(); // the keyboard on the rows: the mark shows
    field->setFocus();
    const QImage image = shot();
    auto* switcher = widgets().categorySwitcher;
    const Counts chosen = counts(image, area(switcher->segmentButton(1), 4));
    const Counts other = counts(image, area(switcher->segmentButton(0), 4));
    const struct {
        std::string what;
        double measured, least;
    } checks[] = {
        {"check box", standOut(counts(image, area(cellAt(0)->checkBox()))), 3.0},
        {"segments", contrast(most(chosen), most(other)), 3.0},
        {"chosen segment's text", standOut(chosen), 4.5},
        {"placeholder", standOut(counts(image, area(field, 8))), 4.5},
        {"title 0", standOut(counts(unfocused, area(cellAt(0)->titleLabel()))), 7.0},
        {"title 1 (marked)", standOut(counts(unfocused, area(cellAt(1)->titleLabel()))), 7.0},
    };
    for (const auto& check : checks)
        EXPECT_GE(check.measured, check.least) << check.what;
    EXPECT_EQ(luminance(most(counts(unfocused, area(cellAt(0)->titleLabel())))) < 0.2, dark());

    // The settings' boxes stand on the same ground as the rows' and are as easy to make out.
    panel->showSettings(nullptr);
    QCheckBox* box = widgets().hideAfterEntryCheckBox;
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    EXPECT_GE(standOut(counts(shot(), QRect(box->mapTo(&window, indicator.topLeft()) * 2, indicator.size() * 2))), 3.0)
        << "a settings check box";
}

// Rows and settings made before a theme switch follow it, both ways: a box outlined for a dark palette hardly shows
// on a light one.
TEST_F(PanelTest, RowsAndSettingsMadeBeforeAThemeSwitchOutlineTheirBoxesForTheNewPalette) {
    add(QStringLiteral("milk"));
    QCheckBox* setting = widgets().hideAfterEntryCheckBox;
    const QPalette light = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35)));
    const QColor onDark = cellAt(0)->checkBox()->palette().color(QPalette::Window);
    QApplication::setPalette(light);
    EXPECT_NE(cellAt(0)->checkBox()->palette().color(QPalette::Window), onDark);
    EXPECT_EQ(setting->palette().color(QPalette::Window), checkBoxWindowColor(widgets().settingsPane->palette()));
}

// A colour made readable keeps its hue (a link stays blue), lighter on a dark ground and darker on a light one.
TEST(ReadableColour, KeepsItsHueAndReachesTheContrastAsked) {
    const QColor blue(40, 90, 200);
    for (const QColor ground : {QColor(30, 30, 30), QColor(250, 250, 250)}) {
        SCOPED_TRACE(ground.name().toStdString());
        const QColor readable = withContrast(blue, ground, 7.0);
        EXPECT_GE(contrastRatio(readable, ground), 7.0);
        EXPECT_NEAR(readable.hslHue(), blue.hslHue(), 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, PanelLooksTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? std::string("Dark") : std::string("Light"); });
