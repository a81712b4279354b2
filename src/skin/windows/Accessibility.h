// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets the platform's accessibility layer, when a screen reader asks for it, read the skinned
// controls and windows: the controls' interfaces, the menu bar with every item of every menu (its
// check mark too) whether its drop-down is open or not, the title bar's buttons, the message box as
// an alert, and each window under its title. Costs nothing until a reader asks: Qt loads its
// accessibility only then.
void InstallAccessibility();
