// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "Menu.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "TitleBar.h"
#include "UIStyle.h"

#include <QPointer>
#include <QWidget>

class TsuiMenuBar;

// Turns a frameless top-level window into a skinned one: the 3-pixel frame round the window, the
// title bar, the menu bar and the form area inside them, on which the window's controls stand.
class TsuiForm : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("SkinRole", "Form")
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(TsuiMainMenu* Menu READ Menu WRITE SetMenu)
public:
    static constexpr int FrameWidth = 3;

    // Skins the window (which must not be shown yet). A window that already carries a skinned form
    // gets a plain panel instead.
    explicit TsuiForm(QWidget* window);
    ~TsuiForm() override;

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }
    bool UIStyleAutoUpdateSub() const { return autoUpdateSub_; }
    void SetUIStyleAutoUpdateSub(bool update) { autoUpdateSub_ = update; }

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    QString Caption() const;
    void SetCaption(const QString& caption);
    bool TitleBarVisible() const;
    void SetTitleBarVisible(bool visible);
    bool TitleBarCustom() const { return titleBar_->Custom(); }
    void SetTitleBarCustom(bool custom) { titleBar_->SetCustom(custom); }
    bool TitleBarDrawAppIcon() const { return titleBar_->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool draw) { titleBar_->SetDrawAppIcon(draw); }
    QFont Font() const { return titleBar_->Font(); }
    void SetFont(const QFont& font) { titleBar_->SetFont(font); }
    int RoundCorner() const { return titleBar_->RoundCorner(); }
    void SetRoundCorner(int radius) { titleBar_->SetRoundCorner(radius); }
    QString Version() const { return QStringLiteral("5.7"); }

    // The title buttons, replaced as a whole: the program's windows list their own.
    void SetTitleBarButtons(std::initializer_list<TsuiTitleBarBtnType> types);
    TsuiTitleBar* TitleBar() const { return titleBar_; }

    // The menu shown in the menu bar; the bar is built when a menu is set and goes with it.
    TsuiMainMenu* Menu() const { return menu_; }
    void SetMenu(TsuiMainMenu* menu);
    TsuiMenuBar* MenuBar() const { return menuBar_; }
    TColor MenuBarColor() const { return menuBarColor_; }
    void SetMenuBarColor(TColor color);
    int MenuBarHeight() const { return menuBarHeight_; }
    void SetMenuBarHeight(int height);
    void RebuildMenuBar();
    void RefreshMenuBar();
    void SetMenuBarFont();

    QWidget* FormPanel() const { return formPanel_; }
    void SetFormPanel(QWidget* panel);

    bool Maximised() const { return maximised_; }
    void SetMaximised(bool maximised);

    // Where the window's own controls begin: below the title and menu bars.
    int ClientTop() const;

    void DrawFormFrame(QPainter& canvas) const;
    void ApplyFormRegion();
    void LayoutBars();

    std::function<void(QObject* sender, int index)>& OnTitleBarCustomBtnsClick() { return titleBar_->OnCustomBtnsClick; }
    std::function<void(QObject* sender, int index)>& OnTitleBarHelpBtnClick() { return titleBar_->OnHelpBtnClick; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ApplyLook(const SkinLook& look, LookChange change);
    void FitToWindow();
    bool HandleKey(QKeyEvent* event);
    Qt::Edges FrameEdgesAt(QPoint point) const;

    QWidget* window_;
    bool skinning_;  // false for a second form on a window, which is only a panel
    SkinBinding skin_;
    bool autoUpdateSub_ = false;
    TColor borderColor_ = clBlack;
    int borderWidth_ = 1;
    TColor color_ = 0xE8E8E8;
    TsuiTitleBar* titleBar_;
    QPointer<TsuiMainMenu> menu_;
    TsuiMenuBar* menuBar_ = nullptr;
    TColor menuBarColor_ = 0xE8E8E8;
    int menuBarHeight_ = 22;
    QPointer<QWidget> formPanel_;
    bool maximised_ = false;
    QRect normalGeometry_;
};
