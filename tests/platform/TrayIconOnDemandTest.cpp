// SPDX-License-Identifier: GPL-3.0-or-later
// The tray's images are decoded and drawn size by size as they are asked for; what is asked gets what a plain
// icon of the same files would give.
#include "TrayIconImages.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace {
const QString image = QStringLiteral("redizadoStatusItemIconRound");

TEST(TrayIconOnDemand, EachSizeIsTheImageDrawnAtThatSize) {
    const QIcon loaded = loadTrayImage(image);
    QIcon reference;
    for (const int edge : kTrayIconSizes)
        reference.addFile(QStringLiteral(":/%1-%2").arg(image).arg(edge), QSize(edge, edge));
    EXPECT_EQ(loaded.availableSizes(), reference.availableSizes());
    for (const int edge : {16, 22, 48, 96})
        EXPECT_EQ(loaded.pixmap(QSize(edge, edge), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                  reference.pixmap(QSize(edge, edge), 1.0).toImage().convertToFormat(QImage::Format_ARGB32))
            << edge;
}

// Between sizes the next one up is scaled down, and nothing is scaled up; the count is drawn on the size asked for.
TEST(TrayIconOnDemand, EachAskedSizeIsTheNextOneUpScaledDownWithTheCountDrawnOnIt) {
    const QIcon plain = trayIconImages(loadTrayImage(image), true, QString());
    const QIcon counted = trayIconImages(loadTrayImage(image), true, QStringLiteral("7"));
    const struct {
        QSize asked;
        QSize given;
    } cases[] = {{{20, 20}, {20, 20}}, {{23, 23}, {23, 23}}, {{200, 200}, {96, 96}}, {{30, 22}, {22, 22}}};
    for (const auto& [asked, given] : cases) {
        SCOPED_TRACE(std::to_string(asked.width()) + "x" + std::to_string(asked.height()));
        for (const QIcon& icon : {loadTrayImage(image), counted}) {
            EXPECT_EQ(icon.pixmap(asked, 1.0).size(), given);
            EXPECT_EQ(icon.actualSize(asked), given);
        }
        EXPECT_NE(plain.pixmap(asked, 1.0).toImage(), counted.pixmap(asked, 1.0).toImage());
    }
}
} // namespace
