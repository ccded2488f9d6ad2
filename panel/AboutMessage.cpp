// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutMessage.h"

#include "PanelKeys.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
constexpr const char* siteButtonName = "siteButton";
}

QString aboutMessageText() {
    return QStringLiteral("Redizado %1\n\n\u00A9 2026 The Redizado developers").arg(QStringLiteral(REDIZADO_VERSION));
}

std::unique_ptr<QMessageBox> makeAboutMessage(QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QObject::tr("About Redizado"));
    box->setTextFormat(Qt::PlainText);
    box->setText(aboutMessageText());
    box->setInformativeText(panelKeyList());
    QPushButton* close = box->addButton(QObject::tr("Close"), QMessageBox::RejectRole);
    box->addButton(QString::fromLatin1(makerSiteAddress), QMessageBox::AcceptRole)->setObjectName(siteButtonName);
    // Return and Esc both just close it; the site opens only when its own button is chosen.
    box->setDefaultButton(close);
    box->setEscapeButton(close);
    return box;
}

void runAboutMessage(QMessageBox& box, const std::function<void(QMessageBox&)>& runModal,
                     const std::function<void(const QUrl&)>& openUrl) {
    runModal(box);
    const QAbstractButton* clicked = box.clickedButton();
    // Found by name: desktops may add accelerator marks to button titles.
    if (clicked && clicked->objectName() == QLatin1String(siteButtonName))
        openUrl(QUrl(QString::fromLatin1(makerSiteAddress)));
}
