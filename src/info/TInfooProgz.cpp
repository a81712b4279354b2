#include "TInfooProgz.h"

#include "Form.h"
#include "WindowPlacement.h"

TInfooProgz::TInfooProgz(const QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Informacje o programie..."));
    setMinimumSize(130, 50);
    PlaceOnFirstShow(this, [=, this] { CenterOnWindow(this, mainWindow); });
    setFixedSize(544 + 2 * TsuiForm::FrameWidth, 320 + 2 * TsuiForm::FrameWidth);
    // the skinned frame's own look is the program's: DeepBlue, a black border, a light grey surface
    suiForm1 = new TsuiForm(this);
    suiForm1->SetTitleBarButtons({TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose});
}
