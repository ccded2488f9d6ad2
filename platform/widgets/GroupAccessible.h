// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

// A plain container a screen reader names as the focus enters it, as it names a group box: Qt offers a bare
// QWidget as a nameless filler, which readers pass over in silence.
void exposeAsGroup(QWidget* container, const QString& name);
