// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the learner chose for printing, kept between sessions in the user's configuration folder:
// the folder a PDF was last saved to and "Druk czarno-biały".
struct PrintOptions {
    QString Folder;          // empty until a PDF is saved
    bool Greyscale = false;  // the table's PDFs for a black-and-white printer
};

// "drukowanie.conf" in the user's configuration folder (never beside the program).
QString PrintOptionsPath();
// The options stored in the file; what is missing or damaged keeps its default.
PrintOptions LoadPrintOptions(const QString& path);
// Written whole to a new file that then takes the old one's place. Raises EInOutError.
void SavePrintOptions(const PrintOptions& options, const QString& path);

// The folder a save dialog opens in: the one last saved to while it is still there, otherwise the
// user's documents folder (XDG's "Dokumenty" or "Documents"), otherwise the home folder.
QString StartFolder(const PrintOptions& options);
