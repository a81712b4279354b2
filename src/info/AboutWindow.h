// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SecondaryWindow.h"

class TImage;
class TLabel;
class TsuiButton;
class TsuiMemo;
class TsuiURLLabel;

// The about window: the program's name and version, its emblem, a few words from its author, a
// link to the program's page and "OK".
class TInfooProgz : public TSecondaryWindow {
    Q_OBJECT
public:
    explicit TInfooProgz(const QWidget* mainWindow);

    // Where the link leads: the program's own Polish page, installed beside it (the program has no
    // page on the web yet).
    static QString ProgramPage();

    void suiButton1Click(QObject* sender);

    // none until the window is first shown
    TImage* Image1 = nullptr;
    TLabel *Label1 = nullptr, *Label2 = nullptr;
    TsuiURLLabel* suiURLLabel1 = nullptr;
    TsuiButton* suiButton1 = nullptr;
    TsuiMemo* suiMemo1 = nullptr;

protected:
    void BuildContents() override;
    // The emblem is decoded when the window first shows, not at start-up.
    void showEvent(QShowEvent* event) override;
};
