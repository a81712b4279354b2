#include "TInformacje.h"

#include "WindowPlacement.h"

TInformacje::TInformacje(const QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Informacje o pierwiastku"));
    setMinimumSize(130, 50);
    PlaceOnFirstShow(this, [=, this] { CenterOnWindow(this, mainWindow); });
    resize(461, 323);
}

void TInformacje::FormCreate()
{
    resize(BasicWidth, height());
}
