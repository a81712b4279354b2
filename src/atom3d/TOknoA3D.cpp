#include "TOknoA3D.h"

#include "WindowPlacement.h"

TOknoA3D::TOknoA3D()
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Przestrzenny model atomu (o - opcje)"));
    setMinimumSize(125, 50);
    PlaceOnFirstShow(this, [=, this] { CenterOnScreen(this); });
    resize(422, 297);
}
