// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>

// The outlines of the characters a count can show, made from a font file when the program is built, so that
// drawing a count reads none of the system's fonts at run time. Units are pixels of a 100-pixel font, y up from the
// baseline negative, as QPainterPath::addText gives them.
struct BadgeGlyphPoint {
    std::uint8_t type; // a QPainterPath::ElementType
    double x;
    double y;
};

struct BadgeGlyph {
    char16_t character;
    double advance;
    std::span<const BadgeGlyphPoint> outline;
};

extern const std::span<const BadgeGlyph> badgeGlyphs;

// The text laid out from those outlines; nothing when it holds a character they do not cover.
std::optional<QPainterPath> badgeGlyphOutline(QStringView text);
