// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Menu.h"

#include <QPointer>
#include <QWidget>

// The menu bar of a skinned form: one flat button per top-level item of a main menu, each opening
// its drop-down, drawn in the menu's look. Alt with a button's letter, or F10, reaches it from the
// keyboard.
class TsuiMenuBar : public QWidget {
    Q_OBJECT
public:
    explicit TsuiMenuBar(QWidget* parent);

    void SetMenu(TsuiMainMenu* menu);
    // The bar's background where the look has no bitmap of its own.
    void SetColor(TColor color);

    // Recreates the buttons from the menu's top-level items.
    void Rebuild();
    // Copies the captions and enabled states of the items to the buttons, and reads the look again.
    void Refresh();

    int ButtonCount() const { return int(buttons_.size()); }
    QRect ButtonRect(int index) const { return buttons_[index].Rect; }
    QString ButtonCaption(int index) const { return buttons_[index].Caption; }
    TMenuItem* ButtonItem(int index) const { return buttons_[index].Item; }
    int OpenButton() const { return open_; }
    SkinnedMenuPopup* OpenDropDown() const { return dropDown_; }

    // Opens the drop-down of a button (closing any other); false when the button has none. From
    // the keyboard the first item is highlighted at once.
    bool OpenMenu(int index, bool fromKeyboard = false);
    // Alt with a letter: the button whose access key it is, or else one that marks none and begins
    // with it.
    bool OpenByLetter(QChar letter);
    void FocusFirstButton();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Button {
        TMenuItem* Item;
        QString Caption;
        bool Enabled;
        QRect Rect;
    };
    // The menu's look as the buttons use it.
    struct Look {
        bool MacBitmaps = false;
        QColor SelectedBorder, Selected, SelectedFont, Font;
    };
    int ButtonAt(QPoint point) const;
    void DrawButton(QPainter& canvas, const Button& button, bool hot, bool pressed) const;
    void Layout();

    QPointer<TsuiMainMenu> menu_;
    TColor color_ = clBtnFace;
    Look look_;
    QList<Button> buttons_;
    int hot_ = -1;
    int open_ = -1;
    QPointer<SkinnedMenuPopup> dropDown_;
};
