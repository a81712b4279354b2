#include "TOknoA3D.h"

#include "ErrorReport.h"
#include "WindowPlacement.h"

#include <QCloseEvent>

TOknoA3D::TOknoA3D()
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Przestrzenny model atomu (o - opcje)"));
    setMinimumSize(125, 50);
    PlaceOnFirstShow(this, [=, this] { CenterOnScreen(this); });
    resize(422, 297);
}

void TOknoA3D::FormShow()
{
    if (OnShownChanged)
        OnShownChanged(true);
}

void TOknoA3D::FormClose()
{
    if (OnShownChanged)
        OnShownChanged(false);
}

void TOknoA3D::showEvent(QShowEvent* event)
{
    RunHandler([this] { FormShow(); });
    QWidget::showEvent(event);
}

void TOknoA3D::closeEvent(QCloseEvent* event)
{
    RunHandler([this] { FormClose(); });
    QWidget::closeEvent(event);
}
