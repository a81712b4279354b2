// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "Fonts.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QAction>
#include <QMenu>

#include <functional>

// One menu command. Its check mark is the item's own state: choosing the item never changes it,
// only the program does. A caption of "-" makes a separator.
class TMenuItem : public QAction {
    Q_OBJECT
public:
    TMenuItem(const QString& caption, const QString& name, QObject* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    bool IsSeparator() const { return text() == QLatin1String("-"); }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    QString ShortCutText() const { return shortcut().toString(QKeySequence::NativeText); }

    // Sub-items, in order; an item with sub-items opens them as a drop-down.
    const QList<TMenuItem*>& Items() const { return items_; }
    TMenuItem* Add(TMenuItem* item);

    std::function<void(QObject* sender)> OnClick;

private:
    bool checked_ = false;
    bool default_ = false;
    QList<TMenuItem*> items_;
};

// The look shared by the main menu and the pop-up menus, and the two owner-draw operations.
struct MenuLook {
    int MenuItemHeight = 21;
    int SeparatorHeight = 21;
    int BarWidth = 0;
    TColor BarColor = clBtnFace;
    TColor Color = 0xFFFFFF;
    TColor SeparatorColor = 0x808080;
    TColor SelectedBorderColor = clHighlight;
    TColor SelectedColor = clHighlight;
    TColor SelectedFontColor = 0xFFFFFF;
    TColor FontColor = 0xFFFFFF;
    TColor BorderColor = 0x000000;
    bool FlatMenu = false;
    QString FontName = SansSerifFamily;
    int FontSize = 8;
    bool UseSystemFont = true;
    TsuiUIStyle UIStyle = TsuiUIStyle::DeepBlue;
    TsuiUIStyle EffectiveStyle = TsuiUIStyle::DeepBlue;

    // Re-reads the style's colours (from the file theme when the style says so).
    void ApplyStyle(TsuiUIStyle style, const TsuiFileTheme* fileTheme);
    void ApplyStyle(TsuiUIStyle style, const SkinLook& look);
    QFont ItemFont() const;
};

QSize MeasureMenuItem(const MenuLook& look, const TMenuItem& item);
void DrawMenuItem(const MenuLook& look, QPainter& canvas, const QRect& rect, const TMenuItem& item, bool selected);
// The frame of a flat menu round a menu window's rectangle (its own coordinates).
void FlatMenuBorder(QPainter& canvas, const QRect& rect, TColor color);

// A drop-down or pop-up list of menu items drawn with a menu look. A letter chooses the item that
// marks it as its access key, or else an item that marks none and begins with it; Left and Right
// ask the menu bar for the neighbouring drop-down.
class SkinnedMenuPopup : public QMenu {
    Q_OBJECT
public:
    SkinnedMenuPopup(const MenuLook* look, QWidget* parent = nullptr);

    // Fills the popup with the items (and their sub-items); clears what was there.
    void SetItems(const QList<TMenuItem*>& items);

    std::function<void(int direction)> OnNeighbour;
    // The mouse moved, over the menu or elsewhere while the menu holds it (screen coordinates).
    std::function<void(QPoint global)> OnMouseMove;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const MenuLook* look_;
};

// The main menu of a window: its top-level items show as the buttons of the window's skinned form's
// menu bar, each opening its drop-down.
class TsuiMainMenu : public QObject {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit TsuiMainMenu(QWidget* owner);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }

    MenuLook& Look() { return look_; }
    const MenuLook& Look() const { return look_; }
    // The look the menu bar's buttons are drawn in: the menu's style or skin file.
    SkinLook BarLook() const { return skin_.Look(); }
    void SetMenuItemHeight(int height);
    void SetSeparatorHeight(int height);
    void SetUseSystemFont(bool use);

    const QList<TMenuItem*>& Items() const { return items_; }
    TMenuItem* Add(TMenuItem* item);
    // The item of any level with the given name, or none.
    TMenuItem* FindItem(const QString& name) const;

    // Gives the menu to the window's first skinned form, which builds its menu bar from it.
    void AttachToWindow();

    // Offers a key to the items' shortcuts; true when one took it.
    bool IsShortCut(const QKeySequence& key);

    // The look or the font changed: the menu bar shows the menu afresh.
    std::function<void()> OnChange;

private:
    void Changed();

    MenuLook look_;
    SkinBinding skin_;
    QList<TMenuItem*> items_;
};

// A pop-up menu drawn with a menu look.
class TsuiPopupMenu : public SkinnedMenuPopup {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit TsuiPopupMenu(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }
    MenuLook& Look() { return look_; }

    const QList<TMenuItem*>& Items() const { return items_; }
    TMenuItem* Add(TMenuItem* item);

    // Runs just before the menu opens.
    std::function<void()> OnPopup;
    void Popup(const QPoint& globalPosition);

private:
    MenuLook look_;
    SkinBinding skin_;
    QList<TMenuItem*> items_;
};
