// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;
class QString;

// A pop-up whose items show symbols: a screen reader hears it by its purpose and hears the chosen item by its
// spoken name (the item's Qt::AccessibleTextRole, else its text). Qt's own pop-up on Linux is named after
// whatever it shows, which for "⌃" says nothing useful.
void namePopUpByPurpose(QComboBox* popUp, const QString& purpose);

// The item's spoken name: its accessible text, or what it shows when it has none.
QString spokenItemText(const QComboBox& popUp, int index);
