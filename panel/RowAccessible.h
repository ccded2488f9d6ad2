// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// What a screen reader hears of a row: a list item named by its title, checkable, checked or not, focused
// while the keyboard's mark is on it; its one action checks or unchecks it.
void installRowAccessibility();

// Marks the row's cell as the keyboard's current row (or no longer) and tells assistive technology.
void setRowMarked(QWidget* cell, bool marked);
bool isRowMarked(const QWidget* cell);

// Tells assistive technology that the row's checked state changed.
void announceRowChecked(QWidget* cell);
