// SPDX-License-Identifier: GPL-3.0-or-later
#include "SecondaryWindow.h"

#include "Form.h"
#include "WindowPlacement.h"

#include <QKeyEvent>

TSecondaryWindow::TSecondaryWindow(const QWidget* mainWindow, const QString& title, QSize clientSize, Sizing sizing,
                                   std::initializer_list<TsuiTitleBarBtnType> buttons)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(title);
    setMinimumSize(130, 50);
    PlaceOnFirstShow(this, [=, this] { CenterOnWindow(this, mainWindow); });
    const QSize size = clientSize + QSize(2 * TsuiForm::FrameWidth, 2 * TsuiForm::FrameWidth);
    if (sizing == Sizing::Fixed)
        setFixedSize(size);
    else
        resize(size);
    // the skinned frame's own look is the program's: DeepBlue, a black border, a light grey surface
    suiForm1 = new TsuiForm(this);
    suiForm1->SetTitleBarButtons(buttons);
}

void TSecondaryWindow::BuildContentsOnce()
{
    if (built_)
        return;
    built_ = true;
    BuildContents();
}

void TSecondaryWindow::setVisible(bool visible)
{
    // before Qt shows the window: children made once it shows would stay hidden
    if (visible)
        BuildContentsOnce();
    QWidget::setVisible(visible);
}

void TSecondaryWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
