#pragma once

#include "SecondaryWindow.h"

// The about window: the program's name, version and author.
class TInfooProgz : public TSecondaryWindow {
    Q_OBJECT
public:
    explicit TInfooProgz(const QWidget* mainWindow);
};
