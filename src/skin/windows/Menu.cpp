// SPDX-License-Identifier: GPL-3.0-or-later
#include "Menu.h"

#include "BuiltInBitmaps.h"
#include "Desktop.h"
#include "Drawing.h"
#include "ErrorReport.h"
#include "StyleResolution.h"
#include "ThemeCatalog.h"
#include "Text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

// Sizes and draws the items of a skinned menu through its look; frames the menu window.
class MenuStyle : public QProxyStyle {
public:
    explicit MenuStyle(const MenuLook* look) : look_(look) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_MenuPanelWidth: return 2;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuDesktopFrameWidth:
        case PM_SubMenuOverlap: return 0;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size, const QWidget* widget) const override
    {
        if (type == CT_MenuItem)
            if (const TMenuItem* item = ItemOf(option, widget))
                return MeasureMenuItem(*look_, *item);
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        if (element == CE_MenuItem) {
            if (const TMenuItem* item = ItemOf(option, widget)) {
                const bool selected = option->state & State_Selected;
                DrawMenuItem(*look_, *painter, option->rect, *item, selected);
                return;
            }
        }
        if (element == CE_MenuEmptyArea) {
            painter->fillRect(option->rect, ColorToRGB(look_->Color));
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        if (element == PE_FrameMenu || element == PE_PanelMenu) {
            const QRect r = option->rect;
            painter->fillRect(r, ColorToRGB(look_->Color));
            if (look_->FlatMenu) {
                FlatMenuBorder(*painter, r, BuiltInColor(look_->EffectiveStyle, ThemeItems::FormBackgroundColor));
            } else {
                painter->setPen(ColorToRGB(look_->BorderColor));
                painter->drawRect(r.adjusted(0, 0, -1, -1));
            }
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* data) const override
    {
        if (hint == SH_Menu_MouseTracking || hint == SH_Menu_AllowActiveAndDisabled)
            return hint == SH_Menu_MouseTracking;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    // The item an option stands for: by its place once the menu is laid out, by its caption
    // while the menu is still measuring its items.
    static const TMenuItem* ItemOf(const QStyleOption* option, const QWidget* widget)
    {
        const auto* menu = qobject_cast<const QMenu*>(widget);
        if (!menu)
            return nullptr;
        if (const auto* placed = qobject_cast<const TMenuItem*>(menu->actionAt(option->rect.center())); placed && option->rect.isValid())
            return placed;
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item && item->menuItemType == QStyleOptionMenuItem::Separator)
            for (const QAction* action : menu->actions())
                if (action->isSeparator())
                    return qobject_cast<const TMenuItem*>(action);
        const QString caption = item ? item->text.section(QLatin1Char('\t'), 0, 0) : QString();
        for (const QAction* action : menu->actions())
            if (action->text() == caption)
                return qobject_cast<const TMenuItem*>(action);
        return nullptr;
    }

    const MenuLook* look_;
};

QString WithoutAccessMark(QString caption)
{
    caption.replace(QLatin1String("&&"), QLatin1String("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}

// The menu's own bitmap strip, cut to its top rows and stretched over the item.
void MacMenuPiece(QPainter& canvas, const QRect& rect, const char* resource, int rows)
{
    const QImage piece = LoadBitmapResource(QString::fromLatin1(resource));
    if (!piece.isNull())
        canvas.drawImage(rect, piece, QRect(0, 0, piece.width(), std::min(rows, piece.height())));
}

} // namespace

TMenuItem::TMenuItem(const QString& caption, const QString& name, QObject* parent)
    : QAction(caption, parent)
{
    setObjectName(name);
    setSeparator(caption == QLatin1String("-"));
    connect(this, &QAction::triggered, this, [this] {
        if (OnClick)
            RunHandler([this] { OnClick(this); });
    });
}

void TMenuItem::SetCaption(const QString& caption)
{
    setText(caption);
}

void TMenuItem::SetChecked(bool checked)
{
    if (checked_ == checked)
        return;
    checked_ = checked;
    emit changed();
}

void TMenuItem::SetDefault(bool isDefault)
{
    default_ = isDefault;
    emit changed();
}

TMenuItem* TMenuItem::Add(TMenuItem* item)
{
    item->setParent(this);
    items_.append(item);
    return item;
}

void MenuLook::ApplyStyle(TsuiUIStyle style, const TsuiFileTheme* fileTheme)
{
    ApplyStyle(style, SkinLook(fileTheme, style));
}

void MenuLook::ApplyStyle(TsuiUIStyle style, const SkinLook& look)
{
    UIStyle = style;
    const bool mac = style == TsuiUIStyle::MacOS;
    BarWidth = 26;
    MenuItemHeight = mac ? 20 : 21;
    SeparatorHeight = mac ? 12 : 5;
    SeparatorColor = mac ? 0x000000 : 0x848284;
    EffectiveStyle = look.Style();
    BarColor = look.Color(ThemeItems::MenuBarColor);
    Color = look.Color(ThemeItems::MenuBackgroundColor);
    FontColor = look.Color(ThemeItems::MenuFontColor);
    SelectedBorderColor = look.Color(ThemeItems::MenuSelectedBorderColor);
    SelectedColor = look.Color(ThemeItems::MenuSelectedBackgroundColor);
    SelectedFontColor = look.Color(ThemeItems::MenuSelectedFontColor);
}

QFont MenuLook::ItemFont() const
{
    QFont font(FontName);
    font.setPixelSize(FontSize * 96 / 72 + (FontSize * 96 % 72 ? 1 : 0));
    if (UseSystemFont)
        MenuFont(font);
    return font;
}

QSize MeasureMenuItem(const MenuLook& look, const TMenuItem& item)
{
    const QFont font = look.ItemFont();
    const int height = item.IsSeparator() ? look.SeparatorHeight : look.MenuItemHeight;
    const int width = TextWidth(font, WithoutAccessMark(item.Caption())) + TextWidth(font, item.ShortCutText()) + look.BarWidth + 40;
    return QSize(width, height);
}

void DrawMenuItem(const MenuLook& look, QPainter& canvas, const QRect& rect, const TMenuItem& item, bool selected)
{
    const int L = rect.left(), T = rect.top(), R = rect.left() + rect.width(), B = rect.top() + rect.height();
    const bool mac = look.UIStyle == TsuiUIStyle::MacOS;
    const auto plainBackground = [&] {
        if (look.BarWidth > 0)
            canvas.fillRect(QRect(QPoint(L, T), QPoint(L + look.BarWidth - 1, B - 1)), ColorToRGB(look.BarColor));
        canvas.fillRect(QRect(QPoint(L + look.BarWidth, T), QPoint(R - 1, B - 1)), ColorToRGB(look.Color));
    };
    canvas.save();
    if (item.IsSeparator()) {
        if (mac) {
            MacMenuPiece(canvas, rect, "MACOS_MENU_BAR", 12);
        } else {
            plainBackground();
            canvas.setPen(ColorToRGB(look.SeparatorColor));
            if (R - 2 > L + look.BarWidth + 4)
                canvas.drawLine(L + look.BarWidth + 4, T + 2, R - 3, T + 2);
        }
        canvas.restore();
        return;
    }
    const bool enabled = item.isEnabled();
    if (selected && enabled) {
        if (mac) {
            MacMenuPiece(canvas, rect, "MACOS_MENU_SELECT", 20);
        } else {
            canvas.fillRect(rect, ColorToRGB(look.SelectedColor));
            canvas.setPen(ColorToRGB(look.SelectedBorderColor));
            canvas.drawRect(rect.adjusted(0, 0, -1, -1));
        }
    } else if (mac) {
        MacMenuPiece(canvas, rect, "MACOS_MENU_BAR", 20);
    } else {
        plainBackground();
    }

    QFont font = look.ItemFont();
    font.setBold(item.Default());
    canvas.setFont(font);
    canvas.setPen(ColorToRGB(!enabled ? 0x808080 : selected ? look.SelectedFontColor : look.FontColor));
    const QRect textRect(QPoint(L + look.BarWidth + 4, T + 4), QPoint(R - 1, B - 1));
    DrawText(canvas, textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic, item.Caption());
    const QString shortcut = item.ShortCutText();
    if (!shortcut.isEmpty()) {
        const int width = TextWidth(font, shortcut);
        DrawText(canvas, QPoint(R - width - 16, T + 4 + QFontMetrics(font).ascent()), shortcut);
    }
    if (item.Checked()) {
        QImage check = KeyedTransparent(LoadBitmapResource(QStringLiteral("MENU_CHECKED")), 0xFFFFFFFF);
        if (!enabled)
            for (int y = 0; y < check.height(); ++y)
                for (int x = 0; x < check.width(); ++x)
                    if (qAlpha(check.pixel(x, y)))
                        check.setPixel(x, y, 0xFF808080);
        canvas.drawImage(L + 4, T + 3, check);
    }
    canvas.restore();
}

void FlatMenuBorder(QPainter& canvas, const QRect& r, TColor color)
{
    const int L = r.left(), T = r.top(), R = r.left() + r.width(), B = r.top() + r.height();
    canvas.save();
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(Qt::black);
    canvas.drawRect(QRect(QPoint(L, T + 1), QPoint(R - 2, B - 2)));
    canvas.setPen(Qt::white);
    canvas.drawRect(QRect(QPoint(L + 1, T + 2), QPoint(R - 3, B - 3)));
    canvas.setPen(ColorToRGB(color));
    canvas.drawPolyline(QPolygon() << QPoint(L, B - 1) << QPoint(R - 1, B - 1) << QPoint(R - 1, T) << QPoint(R, T) << QPoint(L, T));
    canvas.restore();
}

SkinnedMenuPopup::SkinnedMenuPopup(const MenuLook* look, QWidget* parent)
    : QMenu(parent), look_(look)
{
    auto* style = new MenuStyle(look);
    style->setParent(this);
    setStyle(style);
    // on a screen of more pixels than points, drawn as at 100 % and magnified, as the window under
    // it is: its frame, separators and check marks as thick and as blocky as the letters
    PaintAtOneToOneFromNowOn(this);
}

void SkinnedMenuPopup::SetItems(const QList<TMenuItem*>& items)
{
    // the items belong to their menu, not to this list of them, so they are only taken off
    for (QAction* action : actions())
        removeAction(action);
    for (TMenuItem* item : items) {
        if (!item->Items().isEmpty()) {
            auto* sub = new SkinnedMenuPopup(look_, this);
            sub->SetItems(item->Items());
            item->setMenu(sub);
        }
        addAction(item);
    }
}

void SkinnedMenuPopup::paintEvent(QPaintEvent* event)
{
    setFont(look_->ItemFont());
    QMenu::paintEvent(event);
}

void SkinnedMenuPopup::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove)
        OnMouseMove(event->globalPosition().toPoint());
    QMenu::mouseMoveEvent(event);
}

void SkinnedMenuPopup::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && OnNeighbour
        && !(activeAction() && activeAction()->menu() && event->key() == Qt::Key_Right)) {
        OnNeighbour(event->key() == Qt::Key_Left ? -1 : 1);
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isLetterOrNumber() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // an access key marked with "&" goes the usual way; otherwise the first letter of an item
        // that marks none chooses
        bool marked = false;
        for (QAction* action : actions())
            marked = marked || QKeySequence::mnemonic(action->text()) == QKeySequence(typed[0].toUpper().unicode() | Qt::ALT);
        if (!marked) {
            QList<QAction*> matches;
            for (QAction* action : actions())
                if (action->isEnabled() && !action->isSeparator() && action->isVisible()
                    && QKeySequence::mnemonic(action->text()).isEmpty()
                    && WithoutAccessMark(action->text()).startsWith(typed, Qt::CaseInsensitive))
                    matches.append(action);
            if (!matches.isEmpty()) {
                const qsizetype current = matches.indexOf(activeAction());
                QAction* next = matches[(current + 1) % matches.size()];
                setActiveAction(next);
                if (matches.size() == 1) {
                    if (next->menu())
                        next->menu()->popup(mapToGlobal(actionGeometry(next).topRight()));
                    else
                        next->trigger(), close();
                }
                return;
            }
        }
    }
    QMenu::keyPressEvent(event);
}

TsuiMainMenu::TsuiMainMenu(QWidget* owner)
    : QObject(owner), skin_(GetFormStyle(owner), [this](const SkinLook& look, LookChange) {
          look_.ApplyStyle(skin_.Style(), look);
          Changed();
      })
{
    look_.UIStyle = skin_.Style();
}

void TsuiMainMenu::Changed()
{
    if (OnChange)
        OnChange();
}

void TsuiMainMenu::SetMenuItemHeight(int height)
{
    if (look_.UIStyle != TsuiUIStyle::MacOS)
        look_.MenuItemHeight = height;
}

void TsuiMainMenu::SetSeparatorHeight(int height)
{
    if (look_.UIStyle != TsuiUIStyle::MacOS)
        look_.SeparatorHeight = height;
}

void TsuiMainMenu::SetUseSystemFont(bool use)
{
    look_.UseSystemFont = use;
    Changed();
}

TMenuItem* TsuiMainMenu::Add(TMenuItem* item)
{
    item->setParent(this);
    items_.append(item);
    return item;
}

TMenuItem* TsuiMainMenu::FindItem(const QString& name) const
{
    std::function<TMenuItem*(const QList<TMenuItem*>&)> find = [&](const QList<TMenuItem*>& items) -> TMenuItem* {
        for (TMenuItem* item : items) {
            if (item->objectName() == name)
                return item;
            if (TMenuItem* inner = find(item->Items()))
                return inner;
        }
        return nullptr;
    };
    return find(items_);
}

void TsuiMainMenu::AttachToWindow()
{
    auto* window = qobject_cast<QWidget*>(parent());
    if (!window)
        return;
    for (QObject* child : window->children())
        if (IsSkinnedForm(child)) {
            child->setProperty("Menu", QVariant::fromValue(this));
            return;
        }
}

bool TsuiMainMenu::IsShortCut(const QKeySequence& key)
{
    std::function<bool(const QList<TMenuItem*>&)> offer = [&](const QList<TMenuItem*>& items) {
        for (TMenuItem* item : items) {
            if (!item->shortcut().isEmpty() && item->shortcut() == key && item->isEnabled()) {
                item->trigger();
                return true;
            }
            if (offer(item->Items()))
                return true;
        }
        return false;
    };
    return offer(items_);
}

TsuiPopupMenu::TsuiPopupMenu(QWidget* parent)
    : SkinnedMenuPopup(&look_, parent), skin_(GetFormStyle(parent), [this](const SkinLook& look, LookChange) {
          look_.ApplyStyle(skin_.Style(), look);
          update();
      })
{
    skin_.SetStyle(skin_.Style());
}

TMenuItem* TsuiPopupMenu::Add(TMenuItem* item)
{
    item->setParent(this);
    items_.append(item);
    SetItems(items_);
    return item;
}

void TsuiPopupMenu::Popup(const QPoint& globalPosition)
{
    if (OnPopup)
        OnPopup();
    popup(globalPosition);
}
