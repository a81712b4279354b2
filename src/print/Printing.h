// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintOptions.h"

#include <QString>

#include <functional>

class PropertiesStore;
class QPageLayout;
class QPainter;
class QPrinter;
class QRectF;
class TAGlowne;
class TInformacje;

// What the printing items of "Plik" do: the table as it shows now, or the card of the element the
// information window shows, to a printer through Qt's printer dialog (on the paper, margins and
// colour mode chosen there; A4 at first) or to a PDF named in Qt's file dialog (in the user's
// documents folder at first, then where the last one was saved; asking before it replaces a
// file). "Druk czarno-biały" makes the table's PDFs for a black-and-white printer and offers grey
// first in the printer dialog. A page that cannot be made is reported in Polish and a PDF that
// cannot be written leaves no file; the work shows a busy cursor.
class Printing {
public:
    Printing(TAGlowne* table, TInformacje* information, PropertiesStore* properties, QString optionsPath);

    void PrintTable();
    void SaveTablePdf();
    void PrintCard();
    void SaveCardPdf();

    // A page of another window's (the solubility table) to the printer or to a PDF, as the table
    // goes: the layout offered first, the PDF beside the last one saved.
    using PagePainter = std::function<void(QPainter& painter, const QRectF& area)>;
    void PrintPage(const QString& title, const QPageLayout& layout, const PagePainter& paint);
    void SavePagePdf(const QString& dialogTitle, const QString& fileName, const QString& documentTitle, const QPageLayout& layout,
                     const PagePainter& paint);

    bool Greyscale() const { return options_.Greyscale; }
    void SetGreyscale(bool grey);
    QString StartFolder() const { return ::StartFolder(options_); }

    // The PDF's path, or an empty text when the learner cancels: the file dialog, opened on the
    // suggested path, unless replaced (the tests answer it themselves).
    std::function<QString(const QString& title, const QString& suggestedPath)> AskPath;
    // The printer dialog unless replaced: false when the learner cancels.
    std::function<bool(QPrinter& printer, const QString& title)> AskPrinter;

private:
    QString DefaultAskPath(const QString& title, const QString& suggestedPath) const;
    void Remember(const QString& savedPath);
    void SaveOptions();

    TAGlowne* table_;
    TInformacje* information_;
    PropertiesStore* properties_;
    QString optionsPath_;
    PrintOptions options_;
};
