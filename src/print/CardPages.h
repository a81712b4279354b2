// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QPagedPaintDevice;
class QTextBlock;
class QTextDocument;

// The element's card on paper: laid out on the device's pages inside their margins (whatever paper
// and margins the printer dialog was given), a heading never left alone at the foot of a page,
// every page after the first headed by the element's name, every page numbered.

// A heading: a title of the card's own, or a short paragraph of the description set wholly in bold
// (a value in bold in a table is none).
bool IsHeading(const QTextBlock& block);

// The card laid out for the device's pages, each heading whose text would start on the next page
// moved there with it.
std::unique_ptr<QTextDocument> CardOnPages(const QTextDocument& card, QPagedPaintDevice& device);

// False when the device would not take it.
bool PaintCardOn(QPagedPaintDevice& device, const QTextDocument& card);
