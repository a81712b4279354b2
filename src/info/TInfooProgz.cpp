#include "TInfooProgz.h"

TInfooProgz::TInfooProgz(const QWidget* mainWindow)
    : TSecondaryWindow(mainWindow, QStringLiteral("Informacje o programie..."), QSize(544, 320), Sizing::Fixed,
                       {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose})
{
}
