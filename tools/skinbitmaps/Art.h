// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Draws the built-in bitmap resource of the given name at its catalogue size.
QImage DrawResource(const QString& name, QSize size, int frames);
