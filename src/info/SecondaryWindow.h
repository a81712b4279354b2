// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TitleBar.h"

#include <QWidget>

#include <initializer_list>

class TsuiForm;

// What the information and about windows share: a window of its own that stays on top, is centred
// on the main window when first shown, is only hidden by its close button or Esc and never ends the
// program, and carries the skinned frame of the program's look with the title buttons it lists.
class TSecondaryWindow : public QWidget {
    Q_OBJECT
public:
    enum class Sizing { Resizable, Fixed };

    // Builds the window's controls unless they stand already. Showing the window builds them.
    void BuildContentsOnce();
    void setVisible(bool visible) override;

    TsuiForm* suiForm1;

protected:
    // The client size is the size inside the 3-pixel frame.
    TSecondaryWindow(const QWidget* mainWindow, const QString& title, QSize clientSize, Sizing sizing,
                     std::initializer_list<TsuiTitleBarBtnType> buttons);

    // The controls inside the frame, built when the window is first shown or first filled: a start
    // does not wait for windows it does not show, nor keeps their controls until they are wanted.
    virtual void BuildContents() = 0;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool built_ = false;
};
