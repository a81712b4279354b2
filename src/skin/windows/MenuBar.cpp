// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuBar.h"

#include "BuiltInBitmaps.h"
#include "Drawing.h"
#include "ThemeCatalog.h"
#include "Text.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace {

constexpr int ButtonPadding = 8;

QString WithoutMarks(QString caption)
{
    caption.replace(QLatin1String("&&"), QLatin1String("\x01"));
    caption.remove(QLatin1Char('&'));
    return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

} // namespace

TsuiMenuBar::TsuiMenuBar(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void TsuiMenuBar::SetMenu(TsuiMainMenu* menu)
{
    menu_ = menu;
}

void TsuiMenuBar::SetColor(TColor color)
{
    color_ = color;
    update();
}

void TsuiMenuBar::Rebuild()
{
    buttons_.clear();
    hot_ = open_ = -1;
    if (menu_)
        for (TMenuItem* item : menu_->Items())
            buttons_.append({item, item->Caption(), item->isEnabled(), QRect()});
    Refresh();
}

void TsuiMenuBar::Refresh()
{
    for (Button& button : buttons_) {
        button.Caption = button.Item->Caption();
        button.Enabled = button.Item->isEnabled();
    }
    if (menu_) {
        const SkinLook look = menu_->BarLook();
        look_ = {look.Is(TsuiUIStyle::MacOS), ColorToRGB(look.Color(ThemeItems::MenuSelectedBorderColor)),
                 ColorToRGB(look.Color(ThemeItems::MenuSelectedBackgroundColor)),
                 ColorToRGB(look.Color(ThemeItems::MenuSelectedFontColor)), ColorToRGB(look.MenuBarFontColor())};
    }
    Layout();
    update();
}

void TsuiMenuBar::Layout()
{
    int x = 0;
    for (Button& button : buttons_) {
        const int width = TextWidth(font(), WithoutMarks(button.Caption)) + 2 * ButtonPadding;
        button.Rect = QRect(x, 0, width, height());
        x += width;
    }
}

int TsuiMenuBar::ButtonAt(QPoint point) const
{
    for (int i = 0; i < buttons_.size(); ++i)
        if (buttons_[i].Rect.contains(point))
            return i;
    return -1;
}

void TsuiMenuBar::DrawButton(QPainter& canvas, const Button& button, bool hot, bool pressed) const
{
    QRect r = button.Rect;
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if ((hot || pressed) && button.Enabled) {
        if (look_.MacBitmaps) {
            canvas.drawImage(r, LoadBitmapResource(QStringLiteral("MACOS_MENU_SELECT")));
            canvas.setPen(look_.SelectedFont);
            DrawText(canvas, QRect(r.left(), r.top(), r.width(), r.height() + 2), flags, button.Caption);
            return;
        }
        if (pressed)
            r.setRight(r.right() - 2);
        canvas.fillRect(r, look_.Selected);
        canvas.setPen(look_.SelectedBorder);
        canvas.drawRect(r.adjusted(0, 0, -1, -1));
        if (pressed)
            r.setLeft(r.left() + 2);
        r.setTop(r.top() + 2);
        canvas.setPen(look_.SelectedFont);
        DrawText(canvas, r, flags, button.Caption);
        return;
    }
    r.setTop(r.top() + 2);
    canvas.setPen(button.Enabled ? look_.Font : QColor(0x80, 0x80, 0x80));
    DrawText(canvas, r, flags, button.Caption);
}

void TsuiMenuBar::resizeEvent(QResizeEvent*)
{
    // the buttons are as high as the bar, whenever its height changes
    Layout();
}

void TsuiMenuBar::paintEvent(QPaintEvent*)
{
    QImage buffer(size(), QImage::Format_RGB32);
    QPainter canvas(&buffer);
    if (look_.MacBitmaps)
        canvas.drawImage(rect(), LoadBitmapResource(QStringLiteral("MACOS_MENU_BAR")));
    else
        canvas.fillRect(rect(), ColorToRGB(color_));
    canvas.setFont(font());
    for (int i = 0; i < buttons_.size(); ++i)
        DrawButton(canvas, buttons_[i], i == hot_, i == open_);
    canvas.end();
    QPainter(this).drawImage(0, 0, buffer);
}

bool TsuiMenuBar::OpenMenu(int index, bool fromKeyboard)
{
    if (index < 0 || index >= buttons_.size() || !buttons_[index].Enabled)
        return false;
    TMenuItem* item = buttons_[index].Item;
    if (dropDown_)
        dropDown_->close();
    if (item->Items().isEmpty()) {
        item->trigger();
        return true;
    }
    auto* dropDown = new SkinnedMenuPopup(&menu_->Look(), this);
    dropDown->setAttribute(Qt::WA_DeleteOnClose);
    dropDown->SetItems(item->Items());
    dropDown->OnNeighbour = [this, index](int direction) {
        const int count = int(buttons_.size());
        QTimer::singleShot(0, this, [this, next = (index + direction + count) % count] { OpenMenu(next, true); });
    };
    // moving over another bar button while a drop-down is open switches to its drop-down
    dropDown->OnMouseMove = [this](QPoint global) {
        const int over = ButtonAt(mapFromGlobal(global));
        if (over >= 0 && over != open_)
            QTimer::singleShot(0, this, [this, over] { OpenMenu(over); });
    };
    connect(dropDown, &QMenu::aboutToHide, this, [this, dropDown] {
        if (dropDown_ == dropDown) {
            open_ = -1;
            if (!hasFocus())
                hot_ = -1;
            update();
        }
    });
    dropDown_ = dropDown;
    open_ = hot_ = index;
    update();
    dropDown->popup(mapToGlobal(buttons_[index].Rect.bottomLeft() + QPoint(0, 1)));
    if (fromKeyboard && !dropDown->actions().isEmpty())
        dropDown->setActiveAction(dropDown->actions().first());
    return true;
}

bool TsuiMenuBar::OpenByLetter(QChar letter)
{
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < buttons_.size(); ++i) {
            const QString caption = buttons_[i].Caption;
            const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
            const bool match = pass == 0 ? !mnemonic.isEmpty() && mnemonic == QKeySequence(letter.toUpper().unicode() | Qt::ALT)
                                         : mnemonic.isEmpty() && WithoutMarks(caption).startsWith(letter, Qt::CaseInsensitive);
            if (match)
                return OpenMenu(i, true);
        }
    return false;
}

void TsuiMenuBar::FocusFirstButton()
{
    if (buttons_.isEmpty())
        return;
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::ShortcutFocusReason);
    hot_ = 0;
    update();
}

void TsuiMenuBar::keyPressEvent(QKeyEvent* event)
{
    const int count = int(buttons_.size());
    switch (event->key()) {
    case Qt::Key_Left: hot_ = (std::max(hot_, 0) + count - 1) % count; update(); return;
    case Qt::Key_Right: hot_ = (hot_ + 1) % count; update(); return;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: OpenMenu(hot_, true); return;
    case Qt::Key_Escape:
    case Qt::Key_F10: clearFocus(); return;
    default:
        if (!event->text().isEmpty() && event->text()[0].isLetter() && OpenByLetter(event->text()[0]))
            return;
    }
    QWidget::keyPressEvent(event);
}

void TsuiMenuBar::focusOutEvent(QFocusEvent* event)
{
    setFocusPolicy(Qt::NoFocus);
    if (!dropDown_) {
        hot_ = -1;
        update();
    }
    QWidget::focusOutEvent(event);
}

void TsuiMenuBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OpenMenu(ButtonAt(event->position().toPoint()));
}

void TsuiMenuBar::mouseMoveEvent(QMouseEvent* event)
{
    const int over = ButtonAt(event->position().toPoint());
    if (over != hot_ && open_ < 0) {
        hot_ = over;
        update();
    }
}

void TsuiMenuBar::leaveEvent(QEvent*)
{
    if (open_ < 0 && !hasFocus()) {
        hot_ = -1;
        update();
    }
}
