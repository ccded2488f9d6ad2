// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class JLTableView;
class QObject;
class QWidget;

// What a screen reader hears of a row: a check box in the table named by its title, checked or not, with its place,
// focused while the keyboard's mark is on it (and not in its title editor); its one action checks or unchecks it.
void installRowAccessibility();

// Marks the row's cell as the keyboard's current row, or no longer. Marking says nothing by itself:
// tellRowFocused does, once the keyboard is there.
void setRowMarked(QWidget* cell, bool marked);
bool isRowMarked(const QWidget* cell);
void tellRowFocused(QWidget* cell);
// Tells of the focus on the row again, with LEADIN said before its place, as long as the keyboard stays on it.
void tellRowFocusedAnew(QWidget* cell, const QString& leadIn);

// Words said before the name of the row the keyboard is on, when the list has settled under it: a row that leaves
// is confirmed in the same breath as the row the keyboard lands on. Forgotten when the keyboard moves.
void sayFirstOnMarkedRow(JLTableView& table, const QString& words);
void forgetSaidFirst(JLTableView& table, QWidget* markedCell);
// The row shows checked without a word: it is about to leave, and what takes its place says so.
void keepCheckedUntold(QWidget* cell);

// Tells assistive technology that the row's checked state changed.
void announceRowChecked(QWidget* cell);

// A title as it is read out: its start only, and a word for an empty one.
QString spokenTitle(const std::optional<QString>& title);

// Keeps assistive technology's picture of the table's rows true: a cell given another item is renamed, and the
// list gains and loses rows as they come into sight and go. Lives as long as the table, owned by owner.
void trackRowsForAccessibility(JLTableView& table, QObject* owner);
// After a cell was filled with a row, before the table lays its cells out.
void rowFilled(QWidget* cell);
// After the row's item was renamed in its cell: the same row, another name.
void rowRetitled(QWidget* cell);
