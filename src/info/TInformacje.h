#pragma once

#include <QWidget>

class TsuiForm;

// The element information window: one element's data, shells, description and pictures.
class TInformacje : public QWidget {
    Q_OBJECT
public:
    static constexpr int BasicWidth = 370;

    explicit TInformacje(const QWidget* mainWindow);

    void FormCreate();

    TsuiForm* suiForm1;
};
