// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutMessage.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

// The about box names this version and a year; Return and Esc close it, and only its own button opens the site.
TEST(AboutMessage, NamesTheVersionAndOpensTheSiteOnlyFromItsOwnButton) {
    const auto box = makeAboutMessage(nullptr);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Redizado " REDIZADO_VERSION "\n\n\u00A9 \\d{4} \\D+$"))
                    .match(box->text())
                    .hasMatch())
        << box->text().toStdString();
    QList<QUrl> opened;
    const auto openUrl = [&](const QUrl& url) { opened.append(url); };
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
        runAboutMessage(
            *box,
            [key](QMessageBox& shown) {
                shown.show();
                QTest::keyClick(&shown, key);
                EXPECT_TRUE(shown.isHidden()) << "closed by " << key;
            },
            openUrl);
    EXPECT_TRUE(opened.isEmpty());
    runAboutMessage(
        *box,
        [](QMessageBox& shown) {
            for (QAbstractButton* button : shown.buttons())
                if (button->text() == QLatin1String(makerSiteAddress))
                    button->click();
        },
        openUrl);
    EXPECT_EQ(opened, QList<QUrl>{QUrl(QString::fromLatin1(makerSiteAddress))});
}
