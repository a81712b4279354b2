// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Accessibility.h"
#include "Form.h"
#include "MenuBar.h"
#include "TAGlowne.h"
#include "WindowInput.h"
#include "WindowSet.h"

#include <QtTest>

// The program's windows over the shipped data with a reader's view of them in place, the main window
// shown and active, then an item of "Interakcje" chosen as a learner chooses it: Alt+I, the item's
// letter. The windows these items open are made only then; the one opened is the caller's to check.
inline void ChooseFromInteractions(Qt::Key letter)
{
    InstallAccessibility();
    CreateWindows(DataFolder(QStringLiteral(ASSETS_DIR "/")));
    AGlowne->show();
    QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
    QVERIFY(WindowInput::Activate(AGlowne));
    QVERIFY(!Kalkulator && !TabelaRozpuszczalnosci && !WykresWlasciwosci);
    WindowInput::Key(AGlowne, Qt::Key_I, Qt::AltModifier);
    QWidget* dropDown = AGlowne->suiForm1->MenuBar()->OpenDropDown();
    QVERIFY(dropDown && dropDown->isVisible());
    WindowInput::Key(dropDown, letter);
}
