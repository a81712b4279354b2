#include "TInfooProgz.h"

#include "WindowPlacement.h"

TInfooProgz::TInfooProgz(const QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Informacje o programie..."));
    setMinimumSize(130, 50);
    PlaceOnFirstShow(this, [=, this] { CenterOnWindow(this, mainWindow); });
    setFixedSize(544, 320);
}
