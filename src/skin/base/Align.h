// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

// How a control places itself in its container: not at all, against one edge, or over the rest.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

TAlign AlignOf(const QWidget* control);
// Stores the alignment and asks the container to lay its children out again.
void SetAlign(QWidget* control, TAlign align);

// Places the aligned children of the container inside the area: those against the top, then the
// bottom, the left and the right edge, each in creation order, then those filling what is left.
void ArrangeAlignedChildren(QWidget* container, QRect area);
