// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QString;
class QWidget;

// A container heard in the role it plays, not as the nameless filler Qt offers for a bare QWidget, which readers
// pass over in silence.
void exposeWithRole(QWidget* container, QAccessible::Role role);

// A plain container a screen reader names as the focus enters it, as it names a group box.
void exposeAsGroup(QWidget* container, const QString& name);
