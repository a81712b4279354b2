#include "TitleBar.h"

#include "Align.h"
#include "BuiltInBitmaps.h"
#include "Drawing.h"
#include "ErrorReport.h"
#include "Form.h"
#include "ThemeCatalog.h"
#include "Text.h"

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

void TsuiTitleBarButton::LoadPictures(TsuiUIStyle style, const TsuiFileTheme* fileTheme, bool maximised)
{
    UIStyle = style;
    const int first = FirstFrame(type_, maximised);
    if (first == 0)
        return;
    TsuiUIStyle effective;
    const bool fromFile = ResolveStyle(fileTheme, style, effective);
    QImage* pictures[] = {&PicNormal, &PicMouseOn, &PicMouseDown};
    for (int i = 0; i < 3; ++i) {
        if (fromFile)
            fileTheme->GetBitmap(ThemeItems::TitleBarButtonImage, pictures[i], first + i, 18);
        else
            BuiltInBitmap(effective, ThemeItems::TitleBarButtonImage, pictures[i], first + i, 18);
    }
    Transparent = fromFile ? fileTheme->GetBool(ThemeItems::TitleBarButtonTransparentBool)
                           : BuiltInBool(effective, ThemeItems::TitleBarButtonTransparentBool);
    const int top = fromFile ? fileTheme->GetInt(ThemeItems::TitleBarButtonTopInt) : BuiltInInt(effective, ThemeItems::TitleBarButtonTopInt);
    Top = top;
}

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TsuiTitleBar* bar)
    : TsuiPopupMenu(bar)
{
    MinimizeItem = Add(new TMenuItem(QStringLiteral("Mi&nimize"), QStringLiteral("Minimize")));
    MaximizeItem = Add(new TMenuItem(QStringLiteral("Ma&ximize/Restore"), QStringLiteral("MaximizeRestore")));
    Add(new TMenuItem(QStringLiteral("-"), QStringLiteral("Separator")));
    CloseItem = Add(new TMenuItem(QStringLiteral("&Close"), QStringLiteral("Close")));
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

TsuiTitleBar::TsuiTitleBar(QWidget* parent)
    : QWidget(parent), fileTheme_([this] { SetUIStyle(TsuiUIStyle::DeepBlue); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    font_ = QFont(QStringLiteral("Tahoma"));
    font_.setPixelSize(11);
    font_.setBold(true);
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

bool TsuiTitleBar::OnForm() const
{
    return qobject_cast<const TsuiForm*>(parentWidget()) != nullptr;
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
    button->LoadPictures(style_, fileTheme_.Get(), WindowMaximised());
    if (OnForm())
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

void TsuiTitleBar::SetUIStyle(TsuiUIStyle style)
{
    style_ = style;
    ApplyLook(false);
}

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* theme)
{
    fileTheme_.Set(theme);
    ApplyLook(true);
}

void TsuiTitleBar::ApplyLook(bool fromFileTheme)
{
    if (custom_)
        return;
    TsuiUIStyle effective;
    const TsuiFileTheme* theme = fileTheme_.Get();
    const bool fromFile = ResolveStyle(theme, style_, effective);
    const auto bitmap = [&](int item) {
        QImage picture;
        fromFile ? theme->GetBitmap(item, &picture) : BuiltInBitmap(effective, item, &picture);
        return picture;
    };
    const auto integer = [&](int item) { return fromFile ? theme->GetInt(item) : BuiltInInt(effective, item); };

    qDeleteAll(sections_);
    sections_.clear();
    TsuiTitleBarSection* left = AddSection();
    left->Picture = bitmap(ThemeItems::TitleBarLeftImage);
    left->AutoSize = true;
    TsuiTitleBarSection* right = AddSection();
    right->Picture = bitmap(ThemeItems::TitleBarRightImage);
    right->AutoSize = true;
    right->SetAlign(TsuiTitleBarAlign::suiRight);
    TsuiTitleBarSection* middle = AddSection();
    middle->Picture = bitmap(ThemeItems::TitleBarClientImage);
    middle->SetAlign(TsuiTitleBarAlign::suiClient);

    leftBtnXOffset_ = integer(ThemeItems::TitleBarButtonLeftOffsetInt);
    rightBtnXOffset_ = integer(ThemeItems::TitleBarButtonRightOffsetInt);
    frameColor_ = fromFile ? theme->GetColor(ThemeItems::FormBorderColor) : BuiltInColor(effective, ThemeItems::FormBorderColor);
    buttonPictureHeight_ = bitmap(ThemeItems::TitleBarButtonImage).height();
    buttonTop_ = integer(ThemeItems::TitleBarButtonTopInt) - (OnForm() ? 3 : 0);
    if (QWidget* owner = window())
        owner->setMinimumWidth(integer(ThemeItems::FormMinWidthInt));
    roundCorner_ = integer(ThemeItems::FormRoundCornerInt);

    for (TsuiTitleBarButton* button : buttons_) {
        button->LoadPictures(style_, theme, WindowMaximised());
        button->Top = buttonTop_;
    }
    popupMenu_->SetFileTheme(fileTheme_.Get());
    popupMenu_->SetUIStyle(style_);

    if (!fromFileTheme) {
        if (fromFile) {
            const int family = theme->GetInt(ThemeItems::ControlFontColor);
            fontColor_ = family == 0x10000 || family == 0x30000 || family == 0x40000 || family == 0x50000 ? clBlack : clWhite;
        } else {
            fontColor_ = effective == TsuiUIStyle::MacOS ? clBlack : clWhite;
        }
    }
    SetAutoSize(true);
    update();
}

void TsuiTitleBar::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize && !sections_.isEmpty();
    if (autoSize_)
        setFixedHeight(std::max(0, sections_[0]->Picture.height() - (OnForm() ? 3 : 0)));
    if (auto* form = qobject_cast<TsuiForm*>(parentWidget()))
        form->LayoutBars();
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
    if (auto* form = qobject_cast<TsuiForm*>(parentWidget()))
        form->ApplyFormRegion();
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
    const QFontMetrics metrics(font_);
    const int room = limit - CaptionLeft();
    if (metrics.horizontalAdvance(caption_) <= room)
        return caption_;
    QString shortened = caption_;
    while (!shortened.isEmpty() && metrics.horizontalAdvance(shortened + QStringLiteral("...")) > room)
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
    const int dx = OnForm() ? -3 : 0, dy = dx;
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
    const auto* form = qobject_cast<const TsuiForm*>(parentWidget());
    return form ? form->Maximised() : window()->isMaximized();
}

void TsuiTitleBar::UpdateMaxButtonGlyph()
{
    if (custom_)
        return;
    for (TsuiTitleBarButton* button : buttons_)
        if (button->ButtonType() == TsuiTitleBarBtnType::suiMax) {
            const int top = button->Top;
            button->LoadPictures(button->UIStyle, fileTheme_.Get(), WindowMaximised());
            button->Top = top;
        }
    update();
}

void TsuiTitleBar::ButtonAction(TsuiTitleBarButton* button)
{
    QWidget* owner = window();
    auto* form = qobject_cast<TsuiForm*>(parentWidget());
    switch (button->ButtonType()) {
    case TsuiTitleBarBtnType::suiMax:
        if (form)
            form->SetMaximised(!form->Maximised());
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
