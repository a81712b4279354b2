// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class PropertiesStore;
class QWidget;
class TAGlowne;
class TInformacje;

// What the four printing items of "Plik" do: the table as it shows now, or the card of the element
// the information window shows, to a printer through Qt's printer dialog or to a PDF named in Qt's
// file dialog (in the user's documents folder at first, asking before it replaces a file). A PDF
// that cannot be written is reported in Polish and leaves no file; the work shows a busy cursor.
class Printing {
public:
    Printing(TAGlowne* table, TInformacje* information, PropertiesStore* properties);

    void PrintTable();
    void SaveTablePdf();
    void PrintCard();
    void SaveCardPdf();

    // The PDF's path, or an empty text when the learner cancels: the file dialog unless replaced
    // (the tests answer it themselves).
    std::function<QString(const QString& title, const QString& suggestedName)> AskPath;

private:
    QString DefaultAskPath(const QString& title, const QString& suggestedName) const;
    QString CardName() const;

    TAGlowne* table_;
    TInformacje* information_;
    PropertiesStore* properties_;
};
