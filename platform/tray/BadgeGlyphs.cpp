// SPDX-License-Identifier: GPL-3.0-or-later
#include "BadgeGlyphs.h"

#include <algorithm>

namespace {
const BadgeGlyph* glyphFor(QChar character) {
    const auto found = std::find_if(badgeGlyphs.begin(), badgeGlyphs.end(),
                                    [character](const BadgeGlyph& glyph) { return glyph.character == character; });
    return found == badgeGlyphs.end() ? nullptr : &*found;
}

void addOutline(QPainterPath& path, std::span<const BadgeGlyphPoint> outline, double left) {
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const BadgeGlyphPoint& point = outline[i];
        switch (point.type) {
        case QPainterPath::MoveToElement:
            path.moveTo(left + point.x, point.y);
            break;
        case QPainterPath::LineToElement:
            path.lineTo(left + point.x, point.y);
            break;
        case QPainterPath::CurveToElement:
            // The generator writes each curve as its first control point and the two data points after it.
            if (i + 2 < outline.size()) {
                path.cubicTo(left + point.x, point.y, left + outline[i + 1].x, outline[i + 1].y,
                             left + outline[i + 2].x, outline[i + 2].y);
                i += 2;
            }
            break;
        default:
            break;
        }
    }
}
} // namespace

std::optional<QPainterPath> badgeGlyphOutline(QStringView text) {
    QPainterPath path;
    double left = 0;
    for (const QChar character : text) {
        const BadgeGlyph* glyph = glyphFor(character);
        if (!glyph)
            return std::nullopt;
        addOutline(path, glyph->outline, left);
        left += glyph->advance;
    }
    return path;
}
