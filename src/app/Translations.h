// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

class QCoreApplication;

// The texts of Qt's own dialogs and menus, and the toolkit's resource strings (the window menu), in
// the user's language where a translation exists; other languages keep the English originals. The
// translations stay installed for the application's life.
void InstallTranslations(QCoreApplication& application, const QLocale& locale);
