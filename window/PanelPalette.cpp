// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelPalette.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < palette.color(QPalette::WindowText).lightnessF();
}

QColor panelLightFillColor() {
    return QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.95f);
}

QColor panelFillColor(const QPalette& palette) {
    const QColor light = panelLightFillColor();
    if (!isDarkPalette(palette))
        return light;
    QColor dark = palette.color(QPalette::Window);
    dark.setAlphaF(light.alphaF());
    return dark;
}

namespace {
double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& c) {
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// Of black and white, the one that reads best on ground.
QColor textOn(const QColor& ground) {
    return contrastRatio(Qt::black, ground) >= contrastRatio(Qt::white, ground) ? QColor(Qt::black) : QColor(Qt::white);
}
} // namespace

QColor checkBoxWindowColor(const QPalette& palette) {
    // The box's outline is drawn from the window colour, a good deal darker, then a little lighter again.
    const QColor base = palette.color(QPalette::Base);
    const QColor outline = withContrast(palette.color(QPalette::Window).darker(140).lighter(110), base, 3.5);
    return outline.lighter(140).darker(110);
}

void outlineCheckBox(QCheckBox& box, const QPalette& on) {
    const QColor window = checkBoxWindowColor(on);
    if (box.palette().color(QPalette::Window) == window)
        return;
    QPalette own = box.palette();
    own.setColor(QPalette::Window, window);
    box.setPalette(own);
}

namespace {
// Runs a function now and whenever the watched object hears of a palette change; lives as long as owner.
class PaletteFollower final : public QObject {
public:
    PaletteFollower(QObject* owner, QObject* watched, QEvent::Type change, std::function<void()> apply)
        : QObject(owner), m_watched(watched), m_change(change), m_apply(std::move(apply)) {
        m_apply();
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_watched && event->type() == m_change)
            m_apply();
        return QObject::eventFilter(watched, event);
    }

private:
    QObject* m_watched;
    QEvent::Type m_change;
    std::function<void()> m_apply;
};
} // namespace

// A check box with a palette of its own no longer hears of its container's: the container is watched instead.
void keepCheckBoxesOutlined(QWidget* container) {
    new PaletteFollower(container, container, QEvent::PaletteChange, [container] {
        for (QCheckBox* box : container->findChildren<QCheckBox*>())
            outlineCheckBox(*box, container->palette());
    });
}

void keepPanelPaletteReadable(QWidget* view) {
    constexpr const char* keptProperty = "redizadoReadablePalette";
    if (view->property(keptProperty).toBool())
        return;
    view->setProperty(keptProperty, true);
    // The application hears of a new desktop palette; a widget with a palette of its own may not.
    new PaletteFollower(view, qApp, QEvent::ApplicationPaletteChange,
                        [view] { view->setPalette(readablePanelPalette(QApplication::palette(view))); });
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor withContrast(const QColor& colour, const QColor& ground, double ratio) {
    const bool lighten = relativeLuminance(ground) < 0.18;
    QColor result = colour.toHsl();
    for (int step = 0; step < 100 && contrastRatio(result, ground) < ratio; ++step) {
        const float lightness = std::clamp(result.lightnessF() + (lighten ? 0.01f : -0.01f), 0.0f, 1.0f);
        result.setHslF(result.hslHueF(), result.hslSaturationF(), lightness);
    }
    result = result.toRgb();
    return contrastRatio(result, ground) >= ratio ? result : textOn(ground);
}

QPalette readablePanelPalette(const QPalette& desktop) {
    // Only what is made readable is set; the rest goes on following the desktop.
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const QColor base = desktop.color(group, QPalette::Base);
        const QColor window = desktop.color(group, QPalette::Window);
        // Styles draw the focus ring a shade darker than the highlight: some room for that.
        constexpr double ringRoom = 4.5;
        QColor highlight = withContrast(desktop.color(group, QPalette::Highlight), base, ringRoom);
        highlight = withContrast(highlight, window, ringRoom);
        palette.setColor(group, QPalette::Highlight, highlight);
        if (contrastRatio(desktop.color(group, QPalette::HighlightedText), highlight) < 4.5)
            palette.setColor(group, QPalette::HighlightedText, textOn(highlight));
        // Placeholders are often see-through text: judged as they show on the field.
        const QColor placeholder = desktop.color(group, QPalette::PlaceholderText);
        const double a = placeholder.alphaF();
        const QColor shown = QColor::fromRgbF(placeholder.redF() * a + base.redF() * (1 - a),
                                              placeholder.greenF() * a + base.greenF() * (1 - a),
                                              placeholder.blueF() * a + base.blueF() * (1 - a));
        palette.setColor(group, QPalette::PlaceholderText, withContrast(shown, base, 4.5));
    }
    return palette;
}
