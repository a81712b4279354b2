// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// The small pictures drawn on buttons: title-button glyphs, arrows and check marks, scaled to the
// box they are given.

enum class TitleGlyph { ControlBox, Help, Maximize, Restore, Minimize, Close };
enum class Direction { Up, Down, Left, Right };

void DrawTitleGlyph(QPainter& painter, QRectF box, TitleGlyph glyph, QColor color);
void DrawArrow(QPainter& painter, QRectF box, Direction direction, QColor color);
void DrawCheckMark(QPainter& painter, QRectF box, QColor color, double width);
