#include "TInformacje.h"

TInformacje::TInformacje(const QWidget* mainWindow)
    : TSecondaryWindow(mainWindow, QStringLiteral("Informacje o pierwiastku"), QSize(461, 323), Sizing::Resizable,
                       {TsuiTitleBarBtnType::suiClose})
{
}

void TInformacje::FormCreate()
{
    resize(BasicWidth, height());
}
