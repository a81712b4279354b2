// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleBar.h"

#include "Align.h"
#include "BuiltInBitmaps.h"
#include "Desktop.h"
#include "Drawing.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "ThemeCatalog.h"
#include "Text.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

// Frames of the title-button strip, three per glyph: normal, mouse over, pressed.
int FirstFrame(TsuiTitleBarBtnType type, bool maximised)
{
    switch (type) {
    case TsuiTitleBarBtnType::suiControlBox: return 1;
    case TsuiTitleBarBtnType::suiHelp: return 4;
    case TsuiTitleBarBtnType::suiMax: return maximised ? 10 : 7;
    case TsuiTitleBarBtnType::suiMin: return 13;
    case TsuiTitleBarBtnType::suiClose: return 16;
    case TsuiTitleBarBtnType::suiCustom: break;
    }
    return 0;
}

QImage DrawnPicture(const QImage& picture, const QImage& normal, bool transparent)
{
    if (!transparent || normal.isNull())
        return picture;
    return KeyedTransparent(picture, normal.pixel(0, normal.height() - 1));
}

} // namespace

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign align)
{
    if (align == TsuiTitleBarAlign::suiClient) {
        for (const TsuiTitleBarSection* section : owner_->Sections())
            if (section->align_ == TsuiTitleBarAlign::suiClient) {
                ReportError(QStringLiteral("Sorry, only one section's Align property can be \"suiClient\""));
                return;
            }
        Stretch = true;
    }
    align_ = align;
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType type)
{
    if (type == TsuiTitleBarBtnType::suiControlBox)
        for (const TsuiTitleBarButton* button : owner_->Buttons())
            if (button->type_ == TsuiTitleBarBtnType::suiControlBox) {
                ReportError(QStringLiteral("Sorry, only one button's ButtonType property can be \"suiControlBox\""));
                return;
            }
    type_ = type;
}

void TsuiTitleBarButton::LoadPictures(const SkinLook& look, bool maximised)
{
    UIStyle = look.Style();
    const int first = FirstFrame(type_, maximised);
    if (first == 0)
        return;
    PicNormal = look.Bitmap(ThemeItems::TitleBarButtonImage, first, 18);
    PicMouseOn = look.Bitmap(ThemeItems::TitleBarButtonImage, first + 1, 18);
    PicMouseDown = look.Bitmap(ThemeItems::TitleBarButtonImage, first + 2, 18);
    Transparent = look.Bool(ThemeItems::TitleBarButtonTransparentBool);
    Top = look.Int(ThemeItems::TitleBarButtonTopInt);
}

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TsuiTitleBar* bar)
    : TsuiPopupMenu(bar)
{
    MinimizeItem = Add(new TMenuItem(tr("Mi&nimize"), QStringLiteral("Minimize")));
    MaximizeItem = Add(new TMenuItem(tr("Ma&ximize/Restore"), QStringLiteral("MaximizeRestore")));
    Add(new TMenuItem(QStringLiteral("-"), QStringLiteral("Separator")));
    CloseItem = Add(new TMenuItem(tr("&Close"), QStringLiteral("Close")));
    const auto visible = [bar](TsuiTitleBarBtnType type) {
        for (const TsuiTitleBarButton* button : bar->Buttons())
            if (button->ButtonType() == type && button->Visible)
                return true;
        return false;
    };
    OnPopup = [=, this] {
        MinimizeItem->setEnabled(visible(TsuiTitleBarBtnType::suiMin));
        MaximizeItem->setEnabled(visible(TsuiTitleBarBtnType::suiMax));
        CloseItem->setEnabled(visible(TsuiTitleBarBtnType::suiClose));
    };
    MinimizeItem->OnClick = [bar](QObject*) {
        for (TsuiTitleBarButton* button : bar->Buttons())
            if (button->ButtonType() == TsuiTitleBarBtnType::suiMin) {
                bar->ButtonAction(button);
                return;
            }
    };
    MaximizeItem->OnClick = [bar](QObject*) {
        for (TsuiTitleBarButton* button : bar->Buttons())
            if (button->ButtonType() == TsuiTitleBarBtnType::suiMax && button->Visible)
                bar->ButtonAction(button);
    };
    CloseItem->OnClick = [bar](QObject*) { bar->window()->close(); };
}

TsuiTitleBar::TsuiTitleBar(QWidget* parent, bool onSkinnedForm)
    : QWidget(parent), onForm_(onSkinnedForm),
      skin_(TsuiUIStyle::DeepBlue, [this](const SkinLook& look, LookChange change) { ApplyLook(look, change); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    font_ = TitleFont();
    SetAlign(this, TAlign::alTop);
    for (TsuiTitleBarBtnType type : {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose,
                                     TsuiTitleBarBtnType::suiMax, TsuiTitleBarBtnType::suiMin})
        AddButton(type);
    popupMenu_ = new TsuiTitleBarPopupMenu(this);
}

TsuiTitleBar::~TsuiTitleBar()
{
    qDeleteAll(sections_);
    qDeleteAll(buttons_);
}

TsuiTitleBarSection* TsuiTitleBar::AddSection()
{
    sections_.append(new TsuiTitleBarSection(this));
    return sections_.back();
}

TsuiTitleBarButton* TsuiTitleBar::AddButton(TsuiTitleBarBtnType type)
{
    auto* button = new TsuiTitleBarButton(this);
    button->SetButtonType(type);
    buttons_.append(button);
    button->LoadPictures(skin_.Look(), WindowMaximised());
    if (onForm_)
        button->Top -= 3;
    update();
    return button;
}

void TsuiTitleBar::ClearButtons()
{
    qDeleteAll(buttons_);
    buttons_.clear();
    hovered_ = -1;
    update();
}

void TsuiTitleBar::ApplyLook(const SkinLook& look, LookChange change)
{
    if (custom_)
        return;
    qDeleteAll(sections_);
    sections_.clear();
    TsuiTitleBarSection* left = AddSection();
    left->Picture = look.Bitmap(ThemeItems::TitleBarLeftImage);
    left->AutoSize = true;
    TsuiTitleBarSection* right = AddSection();
    right->Picture = look.Bitmap(ThemeItems::TitleBarRightImage);
    right->AutoSize = true;
    right->SetAlign(TsuiTitleBarAlign::suiRight);
    TsuiTitleBarSection* middle = AddSection();
    middle->Picture = look.Bitmap(ThemeItems::TitleBarClientImage);
    middle->SetAlign(TsuiTitleBarAlign::suiClient);

    leftBtnXOffset_ = look.Int(ThemeItems::TitleBarButtonLeftOffsetInt);
    rightBtnXOffset_ = look.Int(ThemeItems::TitleBarButtonRightOffsetInt);
    frameColor_ = look.Color(ThemeItems::FormBorderColor);
    buttonPictureHeight_ = look.Bitmap(ThemeItems::TitleBarButtonImage).height();
    buttonTop_ = look.Int(ThemeItems::TitleBarButtonTopInt) - (onForm_ ? 3 : 0);
    if (QWidget* owner = window())
        SetMinimumUnlessFixed(owner, QSize(look.Int(ThemeItems::FormMinWidthInt), owner->minimumHeight()));
    roundCorner_ = look.Int(ThemeItems::FormRoundCornerInt);

    for (TsuiTitleBarButton* button : buttons_) {
        button->LoadPictures(look, WindowMaximised());
        button->Top = buttonTop_;
    }
    popupMenu_->SetFileTheme(skin_.FileTheme());
    popupMenu_->SetUIStyle(skin_.Style());
    if (change == LookChange::Style)
        fontColor_ = look.TitleFontColor();
    SetAutoSize(true);
    update();
}

void TsuiTitleBar::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize && !sections_.isEmpty();
    if (autoSize_)
        setFixedHeight(std::max(0, sections_[0]->Picture.height() - (onForm_ ? 3 : 0)));
    if (OnLayoutChanged)
        OnLayoutChanged();
}

void TsuiTitleBar::SetCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void TsuiTitleBar::SetFont(const QFont& font)
{
    font_ = font;
    update();
}

void TsuiTitleBar::SetFontColor(TColor color)
{
    fontColor_ = color;
    update();
}

void TsuiTitleBar::SetFormActive(bool active)
{
    formActive_ = active;
    update();
}

void TsuiTitleBar::SetButtonInterval(int interval)
{
    buttonInterval_ = interval;
    update();
}

void TsuiTitleBar::SetDrawAppIcon(bool draw)
{
    drawAppIcon_ = draw;
    update();
}

void TsuiTitleBar::SetRoundCorner(int radius)
{
    roundCorner_ = radius;
    if (OnLayoutChanged)
        OnLayoutChanged();
}

TsuiTitleBarButton* TsuiTitleBar::ControlBox() const
{
    for (TsuiTitleBarButton* button : buttons_)
        if (button->ButtonType() == TsuiTitleBarBtnType::suiControlBox && button->Visible)
            return button;
    return nullptr;
}

QRect TsuiTitleBar::ButtonRect(int index) const
{
    int x = width() + rightBtnXOffset_ + 1;
    for (int i = 0; i < buttons_.size(); ++i) {
        const TsuiTitleBarButton* button = buttons_[i];
        if (!button->Visible || button->ButtonType() == TsuiTitleBarBtnType::suiControlBox)
            continue;
        x -= button->PicNormal.width() + buttonInterval_ + 1;
        if (i == index)
            return QRect(QPoint(x, button->Top), button->PicNormal.size());
    }
    return QRect();
}

QRect TsuiTitleBar::ControlBoxRect() const
{
    const TsuiTitleBarButton* box = ControlBox();
    if (!box || drawAppIcon_)
        return QRect();
    return QRect(QPoint(leftBtnXOffset_, box->Top), box->PicNormal.size());
}

int TsuiTitleBar::CaptionLeft() const
{
    int x0 = leftBtnXOffset_;
    if (const TsuiTitleBarButton* box = ControlBox())
        x0 += drawAppIcon_ ? 21 : box->PicNormal.width() + 5;
    return x0 == 0 ? 6 : x0;
}

QString TsuiTitleBar::ShownCaption() const
{
    int limit = width();
    for (int i = 0; i < buttons_.size(); ++i)
        if (const QRect r = ButtonRect(i); !r.isNull())
            limit = std::min(limit, r.left());
    const int room = limit - CaptionLeft();
    if (TextWidth(font_, caption_) <= room)
        return caption_;
    QString shortened = caption_;
    while (!shortened.isEmpty() && TextWidth(font_, shortened + QStringLiteral("...")) > room)
        shortened.chop(1);
    return shortened + QStringLiteral("...");
}

int TsuiTitleBar::HitButton(QPoint p) const
{
    const auto inside = [&](const QRect& r) {
        return !r.isNull() && p.x() >= r.left() && p.x() <= r.left() + r.width() && p.y() >= r.top() && p.y() <= r.top() + r.height();
    };
    for (int i = 0; i < buttons_.size(); ++i)
        if (inside(ButtonRect(i)))
            return i;
    if (const TsuiTitleBarButton* box = ControlBox(); box && inside(ControlBoxRect()))
        return int(buttons_.indexOf(const_cast<TsuiTitleBarButton*>(box)));
    return -1;
}

void TsuiTitleBar::UpdateHover()
{
    const int hovered = mouse_ ? HitButton(*mouse_) : -1;
    if (hovered != hovered_) {
        hovered_ = hovered;
        update();
    }
}

void TsuiTitleBar::paintEvent(QPaintEvent*)
{
    QImage buffer(size(), QImage::Format_RGB32);
    buffer.fill(ColorToRGB(frameColor_));
    QPainter canvas(&buffer);
    const int dx = onForm_ ? -3 : 0, dy = dx;
    if (sections_.size() >= 3) {
        const QImage& left = sections_[0]->Picture;
        const QImage& right = sections_[1]->Picture;
        const QImage& middle = sections_[2]->Picture;
        const int rightX = width() - right.width() - dx;
        if (!left.isNull())
            canvas.drawImage(dx, dy, left);
        if (!right.isNull())
            canvas.drawImage(rightX, dy, right);
        if (!middle.isNull() && rightX > dx + left.width())
            canvas.drawImage(QRect(dx + left.width(), dy, rightX - dx - left.width(), middle.height()), middle);
    }
    const auto pictureOf = [this](int index, const TsuiTitleBarButton* button) -> const QImage& {
        if (index == hovered_)
            return pressed_ ? button->PicMouseDown : button->PicMouseOn;
        return button->PicNormal;
    };
    for (int i = 0; i < buttons_.size(); ++i) {
        const QRect r = ButtonRect(i);
        if (!r.isNull())
            canvas.drawImage(r.topLeft(), DrawnPicture(pictureOf(i, buttons_[i]), buttons_[i]->PicNormal, buttons_[i]->Transparent));
    }
    if (const TsuiTitleBarButton* box = ControlBox()) {
        if (drawAppIcon_) {
            canvas.drawPixmap(leftBtnXOffset_ + 3, box->Top, QApplication::windowIcon().pixmap(16, 16));
        } else {
            const int index = int(buttons_.indexOf(const_cast<TsuiTitleBarButton*>(box)));
            canvas.drawImage(leftBtnXOffset_, box->Top, DrawnPicture(pictureOf(index, box), box->PicNormal, box->Transparent));
        }
    }
    canvas.setFont(font_);
    canvas.setPen(formActive_ ? ColorToRGB(fontColor_) : ColorToRGB(clInactiveCaptionText));
    const QFontMetrics metrics(font_);
    const int y = buttonTop_ + (buttonPictureHeight_ - metrics.height()) / 2;
    DrawText(canvas, QPoint(CaptionLeft(), y + metrics.ascent()), ShownCaption());
    canvas.end();
    QPainter(this).drawImage(0, 0, buffer);
}

bool TsuiTitleBar::WindowMaximised() const
{
    return onForm_ ? windowMaximised_ : window()->isMaximized();
}

void TsuiTitleBar::SetWindowMaximised(bool maximised)
{
    windowMaximised_ = maximised;
    UpdateMaxButtonGlyph();
}

void TsuiTitleBar::UpdateMaxButtonGlyph()
{
    if (custom_)
        return;
    const SkinLook look = skin_.Look();
    for (TsuiTitleBarButton* button : buttons_)
        if (button->ButtonType() == TsuiTitleBarBtnType::suiMax) {
            const int top = button->Top;
            button->LoadPictures(look, WindowMaximised());
            button->Top = top;
        }
    update();
}

void TsuiTitleBar::ButtonAction(TsuiTitleBarButton* button)
{
    QWidget* owner = window();
    switch (button->ButtonType()) {
    case TsuiTitleBarBtnType::suiMax:
        if (OnMaximiseAsked)
            OnMaximiseAsked();
        else if (owner->isMaximized())
            owner->showNormal();
        else {
            QRect area = GetWorkArea();
            area.setBottom(area.bottom() - 1);
            owner->setGeometry(area);
        }
        UpdateMaxButtonGlyph();
        break;
    case TsuiTitleBarBtnType::suiMin:
        owner->showMinimized();
        break;
    case TsuiTitleBarBtnType::suiClose:
        owner->close();
        break;
    case TsuiTitleBarBtnType::suiControlBox:
        if (button->ControlBoxMenu)
            button->ControlBoxMenu->Popup(mapToGlobal(QPoint(0, height())));
        else
            OpenWindowMenu();
        break;
    case TsuiTitleBarBtnType::suiHelp:
    case TsuiTitleBarBtnType::suiCustom:
        break;
    }
}

void TsuiTitleBar::OpenWindowMenu()
{
    popupMenu_->Popup(mapToGlobal(QPoint(0, height())));
}

void TsuiTitleBar::mousePressEvent(QMouseEvent* event)
{
    mouse_ = event->position().toPoint();
    UpdateHover();
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    repaint();
    if (hovered_ < 0 && !WindowMaximised()) {
        pressed_ = false;
        StartMove(event);
    }
}

void TsuiTitleBar::StartMove(QMouseEvent* event)
{
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    dragOffset_ = event->globalPosition().toPoint() - window()->pos();
}

void TsuiTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    mouse_ = event->position().toPoint();
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - *dragOffset_);
        return;
    }
    UpdateHover();
}

void TsuiTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    mouse_ = event->position().toPoint();
    dragOffset_.reset();
    UpdateHover();
    if (event->button() == Qt::LeftButton && pressed_ && hovered_ >= 0) {
        const int index = hovered_;
        TsuiTitleBarButton* button = buttons_[index];
        pressed_ = false;
        RunHandler([&] {
            ButtonAction(button);
            if (button->ButtonType() == TsuiTitleBarBtnType::suiCustom && OnCustomBtnsClick)
                OnCustomBtnsClick(this, index);
            if (button->ButtonType() == TsuiTitleBarBtnType::suiHelp && OnHelpBtnClick)
                OnHelpBtnClick(this, index);
        });
    }
    pressed_ = false;
    update();
}

void TsuiTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    mouse_ = event->position().toPoint();
    UpdateHover();
    if (event->button() != Qt::LeftButton)
        return;
    RunHandler([this] {
        if (hovered_ < 0) {
            for (TsuiTitleBarButton* button : buttons_)
                if (button->ButtonType() == TsuiTitleBarBtnType::suiMax && button->Visible) {
                    ButtonAction(button);
                    return;
                }
        } else if (buttons_[hovered_]->ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
            window()->close();
        }
    });
}

void TsuiTitleBar::leaveEvent(QEvent*)
{
    mouse_.reset();
    UpdateHover();
}
