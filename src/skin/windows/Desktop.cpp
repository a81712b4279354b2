// SPDX-License-Identifier: GPL-3.0-or-later
#include "Desktop.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

QPointer<QWidget>& MainForm()
{
    static QPointer<QWidget> form;
    return form;
}

} // namespace

void SetApplicationMainForm(QWidget* mainForm)
{
    MainForm() = mainForm;
}

QRect GetWorkArea()
{
    if (const QWidget* form = MainForm(); form && form->screen())
        return form->screen()->availableGeometry();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

bool MenuFont(QFont& font, QColor* textColor)
{
    // the application's own face: the one set for the menus Qt draws for us is not the desktop's
    font = QApplication::font();
    if (textColor)
        *textColor = QApplication::palette("QMenu").color(QPalette::WindowText);
    return true;
}
