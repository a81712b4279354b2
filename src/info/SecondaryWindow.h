#pragma once

#include "TitleBar.h"

#include <QWidget>

#include <initializer_list>

class TsuiForm;

// What the information and about windows share: a window of its own that stays on top, is centred
// on the main window when first shown, is only hidden by its close button and never ends the
// program, and carries the skinned frame of the program's look with the title buttons it lists.
class TSecondaryWindow : public QWidget {
    Q_OBJECT
public:
    enum class Sizing { Resizable, Fixed };

    TsuiForm* suiForm1;

protected:
    // The client size is the size inside the 3-pixel frame.
    TSecondaryWindow(const QWidget* mainWindow, const QString& title, QSize clientSize, Sizing sizing,
                     std::initializer_list<TsuiTitleBarBtnType> buttons);
};
