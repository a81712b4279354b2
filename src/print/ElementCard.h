// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QTextDocument;
class TInformacje;

// The card of the element the information window shows, as one document for paper: its name and
// symbol, the basic data, the figures of "Więcej informacji" where shown, the isotope picture and
// the drawing where it has them, and the description with its headings, bold, sub- and
// superscripts. Printed, it runs on over as many pages as it needs, each numbered.
std::unique_ptr<QTextDocument> ElementCard(const TInformacje& window);
