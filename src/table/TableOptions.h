// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the learner chose in "Widok", kept between sessions in the user's configuration folder:
// whether the table shows the elements 112 to 118 ("Pierwiastki 112–118", on unless turned off).
struct TableOptions {
    bool NewerElements = true;
};

// "widok.conf" in the user's configuration folder, beside the practice window's settings.
QString TableOptionsPath();
// The options stored in the file; what is missing or damaged keeps its default.
TableOptions LoadTableOptions(const QString& path);
// Written whole to a new file that then takes the old one's place. Raises EInOutError.
void SaveTableOptions(const TableOptions& options, const QString& path);
