#pragma once

#include <QWidget>

class TsuiForm;

// The about window: the program's name, version and author.
class TInfooProgz : public QWidget {
    Q_OBJECT
public:
    explicit TInfooProgz(const QWidget* mainWindow);

    TsuiForm* suiForm1;
};
