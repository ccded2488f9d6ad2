// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

inline constexpr const char* makerSiteAddress = "https://redizado.org";

// "Redizado <version>", an empty line, then the year and the makers.
QString aboutMessageText();

// The about box, with the panel's keys below the text: "Close" first, then a button titled with the site's address.
// Close is the default and the Esc button.
std::unique_ptr<QMessageBox> makeAboutMessage(QWidget* parent);

// Runs the box until a button is pressed and opens the site when it was the second.
void runAboutMessage(QMessageBox& box, const std::function<void(QMessageBox&)>& runModal,
                     const std::function<void(const QUrl&)>& openUrl);
