// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the outlines of the characters a count can show, taken from a font file, as C++ data for the program.
// Usage: make-badge-glyphs FONT_FILE OUTPUT_CPP
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {
// Digits, the "+" of "99+" and the minus of a negative count.
const QString kCharacters = QStringLiteral("0123456789+-");
// The count has always been drawn at condensed width (75 of 100) from the semi-condensed cut (87), which Qt
// narrows by the integer ratio 75 * 100 / 87 = 86 percent.
constexpr double kWidth = 0.86;
constexpr int kPixelSize = 100;

QString number(double value) {
    return QString::number(value, 'g', 17);
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FONT_FILE OUTPUT_CPP\n", argv[0]);
        return 2;
    }
    const QString fontFile = QString::fromLocal8Bit(argv[1]);
    const QRawFont font(fontFile, kPixelSize);
    if (!font.isValid()) {
        std::fprintf(stderr, "%s: cannot load the font %s\n", argv[0], argv[1]);
        return 1;
    }
    const QList<quint32> glyphs = font.glyphIndexesForString(kCharacters);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    if (glyphs.size() != kCharacters.size() || glyphs.contains(0)) {
        std::fprintf(stderr, "%s: %s lacks some of \"%s\"\n", argv[0], argv[1], qPrintable(kCharacters));
        return 1;
    }

    QSaveFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[2], qPrintable(file.errorString()));
        return 1;
    }
    QTextStream out(&file);
    out << "// Made by make-badge-glyphs from " << font.familyName() << ' ' << font.styleName() << "; do not edit.\n"
        << "#include \"BadgeGlyphs.h\"\n\nnamespace {\n";
    const QTransform narrowed = QTransform::fromScale(kWidth, 1);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const QPainterPath path = narrowed.map(font.pathForGlyph(glyphs[i]));
        out << "constexpr BadgeGlyphPoint kGlyph" << i << "[] = {\n";
        for (int e = 0; e < path.elementCount(); ++e) {
            const QPainterPath::Element element = path.elementAt(e);
            out << "    {" << int(element.type) << ", " << number(element.x) << ", " << number(element.y) << "},\n";
        }
        out << "};\n";
    }
    out << "constexpr BadgeGlyph kGlyphs[] = {\n";
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        out << "    {" << int(kCharacters[i].unicode()) << ", " << number(advances[i].x() * kWidth) << ", kGlyph" << i
            << "},\n";
    out << "};\n} // namespace\n\nconst std::span<const BadgeGlyph> badgeGlyphs(kGlyphs);\n";
    out.flush();
    if (out.status() != QTextStream::Ok || !file.commit()) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[2], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
