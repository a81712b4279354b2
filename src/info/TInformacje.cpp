#include "TInformacje.h"

#include "Form.h"
#include "WindowPlacement.h"

TInformacje::TInformacje(const QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Informacje o pierwiastku"));
    setMinimumSize(130, 50);
    PlaceOnFirstShow(this, [=, this] { CenterOnWindow(this, mainWindow); });
    resize(461 + 2 * TsuiForm::FrameWidth, 323 + 2 * TsuiForm::FrameWidth);
    // the skinned frame's own look is the program's: DeepBlue, a black border, a light grey surface
    suiForm1 = new TsuiForm(this);
    suiForm1->SetTitleBarButtons({TsuiTitleBarBtnType::suiClose});
}

void TInformacje::FormCreate()
{
    resize(BasicWidth, height());
}
