#pragma once

#include "SecondaryWindow.h"

// The element information window: one element's data, shells, description and pictures.
class TInformacje : public TSecondaryWindow {
    Q_OBJECT
public:
    static constexpr int BasicWidth = 370;

    explicit TInformacje(const QWidget* mainWindow);

    void FormCreate();
};
