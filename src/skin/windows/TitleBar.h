// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "Menu.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class TsuiTitleBar;

enum class TsuiTitleBarAlign { suiLeft = 0, suiRight = 1, suiClient = 2 };
enum class TsuiTitleBarBtnType { suiMax = 0, suiMin = 1, suiClose = 2, suiHelp = 3, suiControlBox = 4, suiCustom = 5 };

// One title picture. The bar draws its sections by position: the first at the left, the second at
// the right, the third stretched between them; the other settings are kept and checked only.
class TsuiTitleBarSection {
public:
    explicit TsuiTitleBarSection(TsuiTitleBar* owner) : owner_(owner) {}

    bool AutoSize = false;
    int Width = 10;
    bool Stretch = false;
    QImage Picture;

    TsuiTitleBarAlign Align() const { return align_; }
    // Only one section may fill the middle; a second one is refused with an error message.
    void SetAlign(TsuiTitleBarAlign align);

private:
    TsuiTitleBar* owner_;
    TsuiTitleBarAlign align_ = TsuiTitleBarAlign::suiLeft;
};

// One title button with its three pictures.
class TsuiTitleBarButton {
public:
    explicit TsuiTitleBarButton(TsuiTitleBar* owner) : owner_(owner) {}

    TsuiUIStyle UIStyle = TsuiUIStyle::DeepBlue;
    bool Transparent = false;
    int Top = 2;
    bool Visible = true;
    TsuiPopupMenu* ControlBoxMenu = nullptr;
    QImage PicNormal, PicMouseOn, PicMouseDown;

    TsuiTitleBarBtnType ButtonType() const { return type_; }
    // Only one button may be the control box; a second one is refused with an error message.
    void SetButtonType(TsuiTitleBarBtnType type);

    // Reloads the three pictures from the title-button strip of the look.
    void LoadPictures(const SkinLook& look, bool maximised);

private:
    TsuiTitleBar* owner_;
    TsuiTitleBarBtnType type_ = TsuiTitleBarBtnType::suiCustom;
};

// The window menu of a skinned window: minimise, maximise or restore, close.
class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
    Q_OBJECT
public:
    explicit TsuiTitleBarPopupMenu(TsuiTitleBar* bar);

    TMenuItem* MinimizeItem;
    TMenuItem* MaximizeItem;
    TMenuItem* CloseItem;
};

// The title bar of a skinned window: three section pictures, the title buttons and the caption.
// On a skinned form it reaches 3 pixels up and left into the window frame, which its pictures
// cover; the form listens to its events.
class TsuiTitleBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit TsuiTitleBar(QWidget* parent, bool onSkinnedForm = false);
    ~TsuiTitleBar() override;

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }

    bool Custom() const { return custom_; }
    void SetCustom(bool custom) { custom_ = custom; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QFont Font() const { return font_; }
    void SetFont(const QFont& font);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    bool FormActive() const { return formActive_; }
    void SetFormActive(bool active);
    int ButtonInterval() const { return buttonInterval_; }
    void SetButtonInterval(int interval);
    int LeftBtnXOffset() const { return leftBtnXOffset_; }
    int RightBtnXOffset() const { return rightBtnXOffset_; }
    bool DrawAppIcon() const { return drawAppIcon_; }
    void SetDrawAppIcon(bool draw);
    int RoundCorner() const { return roundCorner_; }
    void SetRoundCorner(int radius);
    int ButtonTop() const { return buttonTop_; }
    int ButtonPictureHeight() const { return buttonPictureHeight_; }

    QList<TsuiTitleBarSection*>& Sections() { return sections_; }
    QList<TsuiTitleBarButton*>& Buttons() { return buttons_; }
    TsuiTitleBarSection* AddSection();
    TsuiTitleBarButton* AddButton(TsuiTitleBarBtnType type);
    void ClearButtons();

    TsuiTitleBarPopupMenu* PopupMenu() const { return popupMenu_; }
    void OpenWindowMenu();
    // Where the caption starts and the text it shows within the bar's width.
    int CaptionLeft() const;
    QString ShownCaption() const;
    // The rectangle of a visible button other than the control box, or an empty one.
    QRect ButtonRect(int index) const;
    QRect ControlBoxRect() const;

    // Runs a button's action, as a click on it does.
    void ButtonAction(TsuiTitleBarButton* button);
    // The skinned form tells its maximised state; the maximise button shows the matching glyph.
    void SetWindowMaximised(bool maximised);

    std::function<void(QObject* sender, int index)> OnCustomBtnsClick;
    std::function<void(QObject* sender, int index)> OnHelpBtnClick;
    // The bar's height or round corner changed: the form lays itself out again.
    std::function<void()> OnLayoutChanged;
    // The maximise button asks the form to maximise or restore the window. Without a listener the
    // bar does it to the window itself.
    std::function<void()> OnMaximiseAsked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ApplyLook(const SkinLook& look, LookChange change);
    void UpdateMaxButtonGlyph();
    void UpdateHover();
    int HitButton(QPoint point) const;
    TsuiTitleBarButton* ControlBox() const;
    bool WindowMaximised() const;
    void StartMove(QMouseEvent* event);

    const bool onForm_;
    bool windowMaximised_ = false;  // as the form tells it
    SkinBinding skin_;
    bool custom_ = false;
    bool autoSize_ = false;
    QString caption_;
    QFont font_;
    TColor fontColor_ = clWhite;
    bool formActive_ = true;
    int buttonInterval_ = 0;
    int leftBtnXOffset_ = 0;
    int rightBtnXOffset_ = 0;
    bool drawAppIcon_ = false;
    int roundCorner_ = 0;
    TColor frameColor_ = clBlack;
    int buttonPictureHeight_ = 0;
    int buttonTop_ = 2;
    QList<TsuiTitleBarSection*> sections_;
    QList<TsuiTitleBarButton*> buttons_;
    TsuiTitleBarPopupMenu* popupMenu_;
    int hovered_ = -1;       // index into the buttons, -1 for none
    bool pressed_ = false;
    std::optional<QPoint> mouse_;
    std::optional<QPoint> dragOffset_;  // manual moving where the platform does not move the window
};
