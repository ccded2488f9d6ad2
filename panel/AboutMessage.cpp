// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutMessage.h"

#include "PanelKeys.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
constexpr const char* siteButtonName = "siteButton";
// Outside the text, so that a new year does not make every translation of it stale.
constexpr int copyrightYear = 2026;
} // namespace

QString aboutMessageText() {
    //: %1 is the version, such as 1.2.0; %2 is the year of the copyright
    return QCoreApplication::translate("AboutMessage", "Redizado %1\n\n\u00A9 %2 The Redizado developers")
        .arg(QStringLiteral(REDIZADO_VERSION), QString::number(copyrightYear));
}

std::unique_ptr<QMessageBox> makeAboutMessage(QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QCoreApplication::translate("AboutMessage", "About Redizado"));
    box->setTextFormat(Qt::PlainText);
    box->setText(aboutMessageText());
    box->setInformativeText(panelKeyList());
    QPushButton* close = box->addButton(QCoreApplication::translate("AboutMessage", "Close"), QMessageBox::RejectRole);
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
