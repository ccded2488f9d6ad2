// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlState.h"

#include <QGraphicsOpacityEffect>
#include <QSizePolicy>
#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* tagProperty = "redizadoTag";
}

std::int64_t tag(const QWidget& control) {
    return control.property(tagProperty).toLongLong();
}

void setTag(QWidget& control, std::int64_t tag) {
    control.setProperty(tagProperty, QVariant::fromValue<qlonglong>(tag));
}

double alphaValue(const QWidget& control) {
    const auto* effect = qobject_cast<const QGraphicsOpacityEffect*>(control.graphicsEffect());
    return effect ? effect->opacity() : 1.0;
}

void setAlphaValue(QWidget& control, double alpha) {
    if (!control.sizePolicy().retainSizeWhenHidden()) {
        QSizePolicy policy = control.sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control.setSizePolicy(policy);
    }
    control.setHidden(alpha <= 0.0);
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(control.graphicsEffect());
    // An opaque control paints without an effect: cheaper, and crisp text.
    if (alpha >= 1.0) {
        if (effect)
            control.setGraphicsEffect(nullptr);
        return;
    }
    if (!effect) {
        effect = new QGraphicsOpacityEffect(&control);
        control.setGraphicsEffect(effect);
    }
    effect->setOpacity(alpha);
}
