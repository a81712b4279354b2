// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form.h"

#include "Align.h"
#include "BuiltInBitmaps.h"
#include "Desktop.h"
#include "Drawing.h"
#include "ErrorReport.h"
#include "ImagePanel.h"
#include "Menu.h"
#include "MenuBar.h"
#include "ParentColor.h"
#include "StyleResolution.h"
#include "ThemeCatalog.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <qdrawutil.h>
#include <QWindow>

namespace {

bool WindowHasOtherForm(const QWidget* window, const QObject* self)
{
    for (const QObject* child : window->children())
        if (child != self && qobject_cast<const TsuiForm*>(child))
            return true;
    return false;
}

} // namespace

TsuiForm::TsuiForm(QWidget* window)
    : QWidget(window), window_(window), skinning_(!WindowHasOtherForm(window, this)),
      skin_(TsuiUIStyle::DeepBlue, [this](const SkinLook& look, LookChange change) { ApplyLook(look, change); })
{
    skin_.OnFileThemeRemoved = [this] { ApplyStyleToChildren(this, TsuiUIStyle::DeepBlue, nullptr); };
    titleBar_ = new TsuiTitleBar(this, true);
    if (!skinning_) {
        titleBar_->hide();
        return;
    }
    titleBar_->OnLayoutChanged = [this] {
        LayoutBars();
        ApplyFormRegion();
    };
    titleBar_->OnMaximiseAsked = [this] { SetMaximised(!maximised_); };
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetMinimumUnlessFixed(window, QSize(125, 50));
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->setMouseTracking(true);
    window->installEventFilter(this);
    qApp->installEventFilter(this);
    // a tooltip shows over any of the program's windows while the program is the active one, not
    // only over the window that has the focus
    const auto showToolTips = [window](Qt::ApplicationState state) {
        window->setAttribute(Qt::WA_AlwaysShowToolTips, state == Qt::ApplicationActive);
    };
    showToolTips(qApp->applicationState());
    connect(qApp, &QGuiApplication::applicationStateChanged, this, showToolTips);
    menuBarColor_ = color_;
    skin_.SetStyle(TsuiUIStyle::DeepBlue);
    titleBar_->SetCaption(window->windowTitle());
    FitToWindow();
}

TsuiForm::~TsuiForm()
{
    if (menu_)
        menu_->OnChange = nullptr;
}

void TsuiForm::ApplyLook(const SkinLook& look, LookChange change)
{
    const TsuiUIStyle style = skin_.Style();
    borderColor_ = look.Color(ThemeItems::FormBorderColor);
    borderWidth_ = look.Int(ThemeItems::FormBorderWidthInt);
    color_ = look.Color(ThemeItems::FormBackgroundColor);
    PublishColor(this, color_);
    // a skin file's colour family gives the menu bar its colour only once the bar exists
    if (menuBar_ || !look.FromFile())
        SetMenuBarColor(look.MenuBarColor(color_));
    titleBar_->SetFileTheme(skin_.FileTheme());
    if (change == LookChange::Style || style == TsuiUIStyle::FromThemeFile)
        titleBar_->SetUIStyle(style);
    if (menu_) {
        menu_->SetFileTheme(skin_.FileTheme());
        menu_->SetUIStyle(style);
    }
    if (autoUpdateSub_)
        ApplyStyleToChildren(this, style, skin_.FileTheme());
    ApplyFormRegion();
    update();
    window_->update();
}

void TsuiForm::SetBorderColor(TColor color)
{
    borderColor_ = color;
    window_->repaint();
}

void TsuiForm::SetBorderWidth(int width)
{
    borderWidth_ = width;
    window_->repaint();
}

void TsuiForm::SetColor(TColor color)
{
    color_ = color;
    PublishColor(this, color_);
    update();
    window_->update();
}

QString TsuiForm::Caption() const
{
    return titleBar_->Caption();
}

void TsuiForm::SetCaption(const QString& caption)
{
    titleBar_->SetCaption(caption);
    window_->setWindowTitle(caption);
}

bool TsuiForm::TitleBarVisible() const
{
    return !titleBar_->isHidden();
}

void TsuiForm::SetTitleBarVisible(bool visible)
{
    titleBar_->setVisible(visible);
    LayoutBars();
    ApplyFormRegion();
    window_->update();
}

void TsuiForm::SetTitleBarButtons(std::initializer_list<TsuiTitleBarBtnType> types)
{
    titleBar_->ClearButtons();
    for (TsuiTitleBarBtnType type : types)
        titleBar_->AddButton(type);
}

void TsuiForm::SetMenu(TsuiMainMenu* menu)
{
    if (menu_ != menu) {
        if (menu_) {
            menu_->OnChange = nullptr;
            disconnect(menu_, nullptr, this, nullptr);
        }
        if (menu)
            connect(menu, &QObject::destroyed, this, [this] { SetMenu(nullptr); });
    }
    menu_ = menu;
    if (menu) {
        menu->OnChange = [this] { SetMenuBarFont(); };
        if (!menuBar_) {
            menuBar_ = new TsuiMenuBar(this);
            menuBar_->SetColor(menuBarColor_);
        }
        menuBar_->show();
        menuBar_->SetMenu(menu);
        SetMenuBarFont();
        RebuildMenuBar();
    } else {
        delete menuBar_;
        menuBar_ = nullptr;
    }
    LayoutBars();
    window_->update();
}

void TsuiForm::SetMenuBarColor(TColor color)
{
    menuBarColor_ = color;
    if (menuBar_)
        menuBar_->SetColor(color);
    window_->update();
}

void TsuiForm::SetMenuBarHeight(int height)
{
    menuBarHeight_ = height;
    LayoutBars();
    window_->update();
}

void TsuiForm::RebuildMenuBar()
{
    if (menuBar_)
        menuBar_->Rebuild();
}

void TsuiForm::RefreshMenuBar()
{
    if (menuBar_)
        menuBar_->Refresh();
}

void TsuiForm::SetMenuBarFont()
{
    if (!menuBar_ || !menu_)
        return;
    menuBar_->setFont(menu_->Look().ItemFont());
    menuBar_->Refresh();
}

void TsuiForm::SetFormPanel(QWidget* panel)
{
    if (panel == this) {
        ReportError(QStringLiteral("Sorry, you can't select the Form assign to FormPanel property"));
        return;
    }
    formPanel_ = panel;
    if (!panel)
        return;
    if (auto* image = qobject_cast<TsuiImagePanel*>(panel))
        image->SetCaption(QString());
    SetAlign(panel, TAlign::alClient);
    LayoutBars();
}

int TsuiForm::ClientTop() const
{
    return (TitleBarVisible() ? titleBar_->height() : 0) + (menuBar_ ? menuBarHeight_ : 0);
}

void TsuiForm::FitToWindow()
{
    setGeometry(FrameWidth, FrameWidth, window_->width() - 2 * FrameWidth, window_->height() - 2 * FrameWidth);
    LayoutBars();
}

void TsuiForm::LayoutBars()
{
    if (!skinning_)
        return;
    const int title = TitleBarVisible() ? titleBar_->height() : 0;
    titleBar_->setGeometry(0, 0, width(), title);
    if (menuBar_)
        menuBar_->setGeometry(0, title, width(), menuBarHeight_);
    // the bars are placed above; everything else aligned on the form shares the rest
    const QVariant titleAlign = titleBar_->property("Align");
    titleBar_->setProperty("Align", QVariant());
    ArrangeAlignedChildren(this, QRect(0, ClientTop(), width(), height() - ClientTop()));
    titleBar_->setProperty("Align", titleAlign);
}

void TsuiForm::SetMaximised(bool maximised)
{
    if (maximised == maximised_)
        return;
    if (maximised) {
        normalGeometry_ = window_->geometry();
        QRect area = GetWorkArea();
        area.setBottom(area.bottom() - 1);  // the work area's last row stays uncovered
        maximised_ = true;
        window_->setGeometry(area);
    } else {
        maximised_ = false;
        window_->setGeometry(normalGeometry_);
    }
    titleBar_->SetWindowMaximised(maximised_);
}

void TsuiForm::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    const TsuiUIStyle style = skin_.Style();
    if (style == TsuiUIStyle::MacOS || style == TsuiUIStyle::Protein) {
        // tiled from the form's corner; the painter keeps to the repainted region
        const QImage pattern = LoadBitmapResource(style == TsuiUIStyle::MacOS ? QStringLiteral("MACOS_FORM_BACKGROUND")
                                                                             : QStringLiteral("PROTEIN_FORM_BACKGROUND"));
        canvas.fillRect(rect(), QBrush(pattern));
    } else {
        canvas.fillRect(rect(), ColorToRGB(color_));
    }
}

void TsuiForm::DrawFormFrame(QPainter& canvas) const
{
    if (!skinning_ || window_->isMinimized())
        return;
    const int W = window_->width(), H = window_->height(), BW = borderWidth_;
    const int T = TitleBarVisible() ? titleBar_->height() : 0;
    const QColor border = ColorToRGB(borderColor_), color = ColorToRGB(color_);
    const auto fill = [&](int x0, int y0, int x1, int y1, const QColor& c) {
        if (x1 > x0 && y1 > y0)
            canvas.fillRect(QRect(x0, y0, x1 - x0, y1 - y0), c);
    };
    fill(0, 0, BW, H, border);
    fill(0, H - BW, W, H, border);
    fill(W - BW, 0, W, H, border);
    if (BW < 4) {
        fill(BW, T, 3, H - BW, color);
        fill(BW, H - 3, W - BW, H - BW, color);
        fill(W - 3, T, W - BW, H - BW, color);
        if (menuBar_) {
            const QColor bar = ColorToRGB(menuBarColor_);
            fill(BW, T + 3, 3, T + 3 + menuBarHeight_, bar);
            fill(W - 3, T + 3, W - BW, T + 3 + menuBarHeight_, bar);
        }
    }
    const QList<TsuiTitleBarSection*>& sections = titleBar_->Sections();
    if (TitleBarVisible() && sections.size() >= 3 && BW < 4) {
        const QImage& left = sections[0]->Picture;
        const QImage& right = sections[1]->Picture;
        const QImage& middle = sections[2]->Picture;
        if (!left.isNull() && !right.isNull() && !middle.isNull()) {
            const int strip = 3 - BW;
            if (strip > 0) {
                canvas.drawImage(BW, 0, left, 0, 0, strip, left.height());
                if (right.width() <= 2)
                    canvas.drawImage(QRect(W - 3, 0, strip, right.height()), right);
                else
                    canvas.drawImage(W - 3, 0, right, right.width() - strip, 0, strip, right.height());
            }
            QImage top(W - 5, 3, QImage::Format_RGB32);
            QPainter rows(&top);
            rows.drawImage(-2, 0, left);
            const int rightX = top.width() + 3 - right.width();
            rows.drawImage(rightX, 0, right);
            if (rightX > left.width() - 2)
                rows.drawImage(QRect(left.width() - 2, 0, rightX - left.width() + 2, 3), middle, QRect(0, 0, middle.width(), 3));
            rows.end();
            canvas.drawImage(2, 0, top);
            if (BW == 1 && RoundCorner() == 11) {
                canvas.setPen(border);
                canvas.drawArc(QRect(0, 0, 22, 22), 90 * 16, 90 * 16);
                canvas.drawArc(QRect(W - 23, 0, 22, 22), 0, 90 * 16);
            }
        }
    }
    if (!TitleBarVisible()) {
        fill(0, 0, W, 1, border);
        fill(BW, 1, W - BW, 3, color);
    }
}

void TsuiForm::ApplyFormRegion()
{
    if (!skinning_)
        return;
    const int radius = TitleBarVisible() ? RoundCorner() : 0;
    const int W = window_->width(), H = window_->height();
    if (radius <= 0) {
        window_->clearMask();
        return;
    }
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, W + 1, H + 1), radius, radius);
    QRegion region(path.toFillPolygon().toPolygon());
    region += QRegion(0, H + 1 - 2 * radius, 2 * radius, 2 * radius);
    region += QRegion(W + 1 - 2 * radius, H + 1 - 2 * radius, 2 * radius, 2 * radius);
    window_->setMask(region);
    window_->update();
}

Qt::Edges TsuiForm::FrameEdgesAt(QPoint p) const
{
    if (window_->minimumSize() == window_->maximumSize() || maximised_)
        return {};
    Qt::Edges edges;
    const int grip = FrameWidth + 2;
    if (p.x() < grip)
        edges |= Qt::LeftEdge;
    if (p.x() >= window_->width() - grip)
        edges |= Qt::RightEdge;
    if (p.y() < FrameWidth)
        edges |= Qt::TopEdge;
    if (p.y() >= window_->height() - grip)
        edges |= Qt::BottomEdge;
    return edges;
}

bool TsuiForm::HandleKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier);
    if (event->key() == Qt::Key_Space && mods == Qt::AltModifier) {
        titleBar_->PopupMenu()->Popup(QPoint(window_->x(), window_->y() + titleBar_->height()));
        return true;
    }
    if (menuBar_ && mods == Qt::AltModifier && !event->text().isEmpty() && event->text()[0].isLetter())
        return menuBar_->OpenByLetter(event->text()[0]);
    if (menuBar_ && event->key() == Qt::Key_F10 && mods == Qt::NoModifier) {
        menuBar_->FocusFirstButton();
        return true;
    }
    if (menu_ && window_->isActiveWindow() && event->key() != Qt::Key_unknown)
        return menu_->IsShortCut(QKeySequence(event->keyCombination()));
    return false;
}

bool TsuiForm::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        LayoutBars();
    return QWidget::event(event);
}

namespace {

// Qt's tooltip's margin round its text at 100 %: its frame and two pixels.
constexpr int ToolTipMargin = 3;

} // namespace

bool TsuiForm::eventFilter(QObject* watched, QEvent* event)
{
    // Qt's tooltip sets its text in the pixel face, which has no larger glyphs; its frame, a line
    // in the tooltip's text colour, comes out grey when the style draws it for a larger ratio; and
    // where the desktop's dots per inch set the ratio, the style scales its margin down by them,
    // bringing the letters against the frame: the margin is the 100 % one, whatever the ratio
    if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()
        && watched->objectName() == QLatin1String("qtooltip_label")) {
        if (auto* tip = qobject_cast<QLabel*>(watched); tip && tip->margin() != ToolTipMargin) {
            // Qt sizes the tip a little past its hint; that extra is kept
            const QSize extra = tip->size() - tip->sizeHint();
            tip->setMargin(ToolTipMargin);
            tip->resize(tip->sizeHint() + extra);
        }
        PaintAtOneToOneFromNowOn(static_cast<QWidget*>(watched), [](QPainter& canvas, const QWidget& tip) {
            qDrawPlainRect(&canvas, tip.rect(), tip.palette().color(QPalette::ToolTipText));
        });
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window_) {
        bool handled = false;
        RunHandler([&] { handled = HandleKey(static_cast<QKeyEvent*>(event)); });
        return handled;
    }
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        FitToWindow();
        ApplyFormRegion();
        titleBar_->SetWindowMaximised(maximised_);
        break;
    case QEvent::Paint: {
        QPainter canvas(window_);
        DrawFormFrame(canvas);
        return true;
    }
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        titleBar_->SetFormActive(window_->isActiveWindow());
        break;
    case QEvent::WindowTitleChange:
        titleBar_->SetCaption(window_->windowTitle());
        break;
    case QEvent::MouseMove: {
        const Qt::Edges edges = FrameEdgesAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        const bool diagonal = (edges & (Qt::LeftEdge | Qt::RightEdge)) && (edges & (Qt::TopEdge | Qt::BottomEdge));
        const bool falling = edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge);
        if (!edges)
            window_->unsetCursor();
        else if (diagonal)
            window_->setCursor(falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
        else
            window_->setCursor(edges & (Qt::LeftEdge | Qt::RightEdge) ? Qt::SizeHorCursor : Qt::SizeVerCursor);
        break;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::Edges edges = FrameEdgesAt(mouse->position().toPoint());
        if (edges && mouse->button() == Qt::LeftButton && window_->windowHandle())
            window_->windowHandle()->startSystemResize(edges);
        break;
    }
    default:
        break;
    }
    return false;
}
