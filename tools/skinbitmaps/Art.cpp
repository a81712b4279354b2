// SPDX-License-Identifier: GPL-3.0-or-later
#include "Art.h"

#include "Glyphs.h"
#include "Palettes.h"
#include "Shapes.h"
#include "ThemeCatalog.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace {

enum class State { Normal, Hot, Pressed };

// Draws each frame into its own image and lays them side by side.
QImage Strip(QSize size, int frames, const std::function<QImage(int index, QSize frame)>& drawFrame)
{
    const QSize frame(size.width() / frames, size.height());
    QImage strip = Canvas(size, QColor(Magenta));
    QPainter painter(&strip);
    for (int i = 0; i < frames; ++i)
        painter.drawImage(i * frame.width(), 0, drawFrame(i, frame));
    return strip;
}

Face ButtonFace(const Palette& p, State state)
{
    switch (state) {
    case State::Hot: return {p.HotTop, p.HotBottom, p.HotBorder, p.Glossy};
    case State::Pressed: return {p.PressedTop, p.PressedBottom, p.PressedBorder, false};
    case State::Normal: break;
    }
    return {p.ButtonTop, p.ButtonBottom, p.ButtonBorder, p.Glossy};
}

double ButtonRadius(TsuiUIStyle style, QSize frame)
{
    switch (style) {
    case TsuiUIStyle::MacOS: return frame.height() / 2.0;
    case TsuiUIStyle::WinXP: return 3;
    case TsuiUIStyle::BlueGlass: return 6;
    case TsuiUIStyle::Protein: return 3;
    default: return 2;
    }
}

// The colour of row y of a title bar h rows high, before any decoration.
QColor TitleRow(const Palette& p, int y, int h)
{
    if (y == 0)
        return p.TitleEdge;
    if (y == 1)
        return p.TitleHighlight;
    const double t = double(y - 2) / std::max(1, h - 3);
    QColor c = Gradient3(p.TitleTop, p.TitleMiddle, p.TitleBottom, t);
    if (p.Glossy && t < 0.45)
        c = Mix(c, Qt::white, 0.35 - t * 0.6);
    return c;
}

QImage PushButton(TsuiUIStyle style, const Palette& p, QSize size)
{
    return Strip(size, 3, [&](int i, QSize frame) {
        QImage image = Canvas(frame, p.TransparentButtons ? QColor(Magenta) : p.Surface);
        RoundedShape(image, QRect(QPoint(0, 0), frame), ButtonRadius(style, frame), ButtonFace(p, State(i)));
        return image;
    });
}

QImage CheckBox(TsuiUIStyle style, const Palette& p, QSize size, bool radio)
{
    // frames: checked, unchecked, checked disabled, unchecked disabled
    return Strip(size, 4, [&](int i, QSize frame) {
        QImage image = Canvas(frame, p.Surface);
        const int side = std::min({frame.width(), frame.height(), 13});
        const QRect box((frame.width() - side) / 2, (frame.height() - side) / 2, side, side);
        const bool disabled = i >= 2, checked = i % 2 == 0;
        const QColor border = disabled ? QColor(0xA0A0A0) : p.BoxBorder;
        const QColor face = disabled ? QColor(0xF0F0F0) : p.BoxFace;
        const double radius = radio ? side / 2.0 : (style == TsuiUIStyle::DeepBlue ? 0 : 2);
        RoundedShape(image, box, radius, {face, disabled ? face : Mix(face, p.Surface, 0.6), border, false});
        if (checked) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            const QColor mark = disabled ? QColor(0xA0A0A0) : p.CheckMark;
            if (radio) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(mark);
                painter.drawEllipse(QRectF(box).center(), side / 5.0, side / 5.0);
            } else {
                DrawCheckMark(painter, QRectF(box).adjusted(3.5, 4, -3.5, -4), mark, 1.8);
            }
        }
        return image;
    });
}

QImage TitleButtons(TsuiUIStyle style, const Palette& p, QSize size)
{
    static const TitleGlyph glyphs[] = {TitleGlyph::ControlBox, TitleGlyph::Help, TitleGlyph::Maximize,
                                        TitleGlyph::Restore, TitleGlyph::Minimize, TitleGlyph::Close};
    const bool keyed = BuiltInBool(style, ThemeItems::TitleBarButtonTransparentBool);
    const int titleHeight = ThemeItem(ThemeItems::TitleBarLeftImage)->Sizes[std::size_t(style) - 1].height();
    const int top = BuiltInInt(style, ThemeItems::TitleBarButtonTopInt);
    return Strip(size, 18, [&](int i, QSize frame) {
        const TitleGlyph glyph = glyphs[i / 3];
        const State state = State(i % 3);
        QImage image = Canvas(frame, QColor(Magenta));
        if (!keyed)  // opaque buttons stand on the title bar: take its rows as background
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x)
                    image.setPixel(x, y, TitleRow(p, std::min(top + y, titleHeight - 1), titleHeight).rgb());
        Face face{p.TitleButtonTop, p.TitleButtonBottom, p.TitleButtonBorder, p.Glossy};
        if (glyph == TitleGlyph::Close)
            face = {p.CloseTop, p.CloseBottom, p.TitleButtonBorder, p.Glossy};
        if (p.TrafficLights) {
            static const QRgb lights[][2] = {{0xD8D8D8, 0x8E8E8E}, {0xC9B8F0, 0x7A5CC8}, {0xB8F090, 0x3CA024},
                                             {0xB8F090, 0x3CA024}, {0xFFE48A, 0xE0A010}, {0xFF9A8C, 0xD2281C}};
            face = {QColor(lights[i / 3][0]), QColor(lights[i / 3][1]), QColor(0x6E6E6E), true};
        }
        if (state == State::Hot) {
            face.Top = Mix(face.Top, Qt::white, 0.35);
            face.Bottom = Mix(face.Bottom, Qt::white, 0.25);
        } else if (state == State::Pressed) {
            face.Top = Mix(face.Top, Qt::black, 0.3);
            face.Bottom = Mix(face.Bottom, Qt::black, 0.15);
            face.Gloss = false;
        }
        const QRect shape(0, 0, frame.width(), frame.height());
        RoundedShape(image, shape, p.RoundTitleButtons ? frame.width() / 2.0 : (style == TsuiUIStyle::WinXP ? 3 : 1), face);
        if (!p.TrafficLights || state != State::Normal) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            const double inset = frame.width() * 0.3;
            QRectF box = QRectF(shape).adjusted(inset, inset, -inset, -inset);
            if (state == State::Pressed)
                box.translate(1, 1);
            DrawTitleGlyph(painter, box, glyph, p.TrafficLights ? QColor(0x4A1A10) : p.TitleGlyph);
        }
        return image;
    });
}

// The whole title bar as one picture, left, client and right sections side by side; the client
// section is horizontally uniform so it stretches cleanly.
QImage TitleStrip(TsuiUIStyle style, const Palette& p, int left, int client, int right, int h)
{
    const int w = left + client + right;
    QImage image = Canvas(QSize(w, h), Qt::black);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, TitleRow(p, y, h).rgb());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(0, 2, w, h - 2);
    switch (style) {
    case TsuiUIStyle::DeepBlue: {
        QRadialGradient glow(QPointF(34, h * 0.45), 70);
        glow.setColorAt(0, QColor(120, 150, 230, 110));
        glow.setColorAt(1, QColor(120, 150, 230, 0));
        painter.fillRect(QRect(0, 0, left, h), glow);
        QLinearGradient sheen(w - right, 0, w, 0);
        sheen.setColorAt(0, QColor(255, 255, 255, 0));
        sheen.setColorAt(1, QColor(255, 255, 255, 28));
        painter.fillRect(QRect(w - right, 0, right, h), sheen);
        break;
    }
    case TsuiUIStyle::MacOS: {
        // brushed metal: fine streaks that vary by row only
        for (int y = 2; y < h; ++y) {
            const int streak = int((y * 2654435761u) >> 28) % 5;
            painter.fillRect(QRect(0, y, w, 1), QColor(255, 255, 255, streak * 9));
        }
        break;
    }
    case TsuiUIStyle::Protein: {
        // a double helix with rungs fading in from the left of the wide left picture
        const double x0 = 190, x1 = left - 6;
        for (int strand = 0; strand < 2; ++strand) {
            QPainterPath path;
            for (double x = x0; x <= x1; x += 1) {
                const double y = h / 2.0 + (h * 0.3) * std::sin((x - x0) / 17.0 + strand * M_PI);
                x == x0 ? path.moveTo(x, y) : path.lineTo(x, y);
            }
            QLinearGradient fade(x0, 0, x1, 0);
            fade.setColorAt(0, QColor(90, 200, 220, 0));
            fade.setColorAt(1, QColor(strand ? 120 : 90, strand ? 170 : 210, 255, 170));
            painter.setPen(QPen(QBrush(fade), 1.6));
            painter.drawPath(path);
        }
        for (double x = x0 + 8; x < x1; x += 8.5) {
            const double a = h / 2.0 + (h * 0.3) * std::sin((x - x0) / 17.0);
            const double b = h / 2.0 + (h * 0.3) * std::sin((x - x0) / 17.0 + M_PI);
            const int alpha = int(110 * (x - x0) / (x1 - x0));
            painter.setPen(QPen(QColor(200, 220, 255, alpha), 1));
            painter.drawLine(QPointF(x, a), QPointF(x, b));
        }
        break;
    }
    case TsuiUIStyle::BlueGlass: {
        QRadialGradient gloss(QPointF(60, 4), 110);
        gloss.setColorAt(0, QColor(255, 255, 255, 120));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        painter.fillRect(QRect(0, 0, left, h / 2), gloss);
        break;
    }
    case TsuiUIStyle::WinXP:
    case TsuiUIStyle::FromThemeFile: break;
    }
    painter.end();
    // the rounded top corners of the styles whose window region is rounded; the side edges are the
    // window frame's
    const int radius = BuiltInInt(style, ThemeItems::FormRoundCornerInt);
    if (radius > 0) {
        ClearOutside(image, QRect(0, 0, w, h + radius * 2), radius, p.TitleEdge);
        QImage edged = image;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool out = image.pixel(x, y) == p.TitleEdge.rgb();
                const bool nextToOut = (x > 0 && image.pixel(x - 1, y) == p.TitleEdge.rgb())
                    || (x + 1 < w && image.pixel(x + 1, y) == p.TitleEdge.rgb());
                if (!out && nextToOut && y < radius)
                    edged.setPixel(x, y, p.TitleEdge.rgb());
            }
        image = edged;
    }
    return image;
}

QImage TitleSection(TsuiUIStyle style, const Palette& p, int item)
{
    const auto size = [&](int i) { return ThemeItem(i)->Sizes[std::size_t(style) - 1]; };
    const int left = size(ThemeItems::TitleBarLeftImage).width();
    const int client = size(ThemeItems::TitleBarClientImage).width();
    const int right = size(ThemeItems::TitleBarRightImage).width();
    const QImage strip = TitleStrip(style, p, left, client, right, size(item).height());
    if (item == ThemeItems::TitleBarLeftImage)
        return strip.copy(0, 0, left, strip.height());
    if (item == ThemeItems::TitleBarRightImage)
        return strip.copy(left + client, 0, right, strip.height());
    // the client section repeats one column of the strip's uniform middle
    QImage middle(client, strip.height(), QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < client; ++x)
            middle.setPixel(x, y, TitleRow(p, y, strip.height()).rgb());
    return middle;
}

QImage ProgressBar(TsuiUIStyle style, const Palette& p, QSize size)
{
    QImage image = Canvas(size, p.Surface);
    if (style == TsuiUIStyle::WinXP) {
        FillGradient3(image, QRect(0, 0, size.width() - 1, size.height()), QColor(0x9CEFA0), QColor(0x30C038), QColor(0x1E9A24));
    } else if (style == TsuiUIStyle::MacOS) {
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const bool stripe = (x + y) % size.width() < size.width() / 2;
                const QColor base = Gradient3(p.AccentLight, p.Accent, p.AccentDark, double(y) / (size.height() - 1));
                image.setPixel(x, y, (stripe ? base : Mix(base, Qt::white, 0.35)).rgb());
            }
    } else {
        FillGradient3(image, image.rect(), p.AccentLight, p.Accent, p.AccentDark);
    }
    return image;
}

QImage TrackBar(const Palette& p, QSize size)
{
    // three frames: left cap, the stretched middle, right cap; magenta outside the groove
    QImage groove = Canvas(QSize(size.width(), size.height()), QColor(Magenta));
    const QColor inner = Mix(p.Surface, Qt::black, 0.22);
    RoundedShape(groove, groove.rect(), size.height() / 2.0, {Mix(inner, Qt::black, 0.15), Mix(inner, Qt::white, 0.4), Mix(p.Border, p.Surface, 0.35), false});
    return groove;
}

QImage Slider(const Palette& p, QSize size, bool vertical)
{
    // a body with a point: downwards for the horizontal bar, to the right for the vertical one
    const int along = vertical ? size.width() : size.height();
    const int across = vertical ? size.height() : size.width();
    const int half = (across - 1) / 2;
    const int body = along - half - 1;
    const auto inside = [&](int a, int c) {
        if (a < 0 || c < 0 || a >= along || c >= across)
            return false;
        const int from = std::max(0, a - body + 1);
        return c >= from && c <= across - 1 - from;
    };
    QImage image = Canvas(size, vertical ? p.Surface : QColor(Magenta));
    for (int a = 0; a < along; ++a)
        for (int c = 0; c < across; ++c) {
            if (!inside(a, c))
                continue;
            const bool edge = !inside(a - 1, c) || !inside(a + 1, c) || !inside(a, c - 1) || !inside(a, c + 1);
            const double t = double(c) / (across - 1);
            QColor fill = Gradient(p.AccentLight, p.AccentDark, t * 0.8);
            if (p.Glossy && t < 0.5)
                fill = Mix(fill, Qt::white, 0.3);
            const QRgb rgb = (edge ? p.AccentDark : fill).rgb();
            vertical ? image.setPixel(a, c, rgb) : image.setPixel(c, a, rgb);
        }
    return image;
}

QImage ScrollBarButtons(const Palette& p, QSize size)
{
    // frames: up normal, hot, pressed; down normal, hot, pressed
    return Strip(size, 6, [&](int i, QSize frame) {
        QImage image = Canvas(frame, p.Surface);
        RoundedShape(image, QRect(QPoint(0, 0), frame), 2, ButtonFace(p, State(i % 3)));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const double s = std::min(frame.width(), frame.height()) * 0.22;
        QRectF box(frame.width() / 2.0 - s * 1.2, frame.height() / 2.0 - s * 0.7, s * 2.4, s * 1.4);
        if (i % 3 == 2)
            box.translate(1, 1);
        DrawArrow(painter, box, i < 3 ? Direction::Up : Direction::Down, p.AccentDark);
        return image;
    });
}

QImage ScrollThumb(const Palette& p, QSize size)
{
    // frames: start cap, middle, end cap of a horizontal thumb
    const QSize piece(size.width() / 3, size.height());
    QImage thumb = Canvas(QSize(piece.width() * 5, piece.height()), p.Surface);
    RoundedShape(thumb, thumb.rect().adjusted(0, 1, 0, -1), 3, {p.AccentLight, p.Accent, p.AccentDark, p.Glossy});
    QImage strip = Canvas(size, p.Surface);
    QPainter painter(&strip);
    painter.drawImage(0, 0, thumb.copy(0, 0, piece.width(), piece.height()));
    painter.drawImage(piece.width(), 0, thumb.copy(piece.width() * 2, 0, piece.width(), piece.height()));
    painter.drawImage(piece.width() * 2, 0, thumb.copy(piece.width() * 4, 0, piece.width(), piece.height()));
    return strip;
}

QImage ScrollButtons(const Palette& p, QSize size)
{
    // frames: right, right under the mouse, left, left under the mouse
    return Strip(size, 4, [&](int i, QSize frame) {
        QImage image = Canvas(frame, QColor(Magenta));
        RoundedShape(image, QRect(QPoint(0, 0), frame).adjusted(1, 1, -1, -1), 3, ButtonFace(p, i % 2 ? State::Hot : State::Normal));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box(frame.width() / 2.0 - 2.5, frame.height() / 2.0 - 4, 5, 8);
        DrawArrow(painter, box, i < 2 ? Direction::Right : Direction::Left, p.AccentDark);
        return image;
    });
}

QImage Tabs(const Palette& p, QSize size)
{
    // frames: active and inactive tab, each cut by the control into three equal parts
    return Strip(size, 2, [&](int i, QSize frame) {
        QImage image = Canvas(frame, QColor(Magenta));
        const int part = frame.width() / 3;
        const double radius = std::min(part, 4);
        const bool active = i == 0;
        const QColor fill = active ? p.TabActive : p.TabInactive;
        RoundedShape(image, QRect(0, 0, frame.width(), frame.height() + (active ? 8 : 0)), radius,
                     {Mix(fill, Qt::white, 0.6), fill, Mix(p.Border, p.Surface, 0.25), false});
        return image;
    });
}

QImage TabLine(const Palette& p, QSize size)
{
    QImage image = Canvas(size, p.TabActive);
    for (int x = 0; x < size.width(); ++x)
        image.setPixel(x, 0, Mix(p.Border, p.Surface, 0.25).rgb());
    if (size.height() > 2)
        FillGradient(image, QRect(0, 1, size.width(), size.height() - 1), Mix(p.TabActive, Qt::white, 0.5), p.TabActive);
    return image;
}

QImage SideChannelHandle(const Palette& p, QSize size)
{
    QImage image = Canvas(size, p.Surface);
    QImage bar = Canvas(QSize(size.height(), size.width()), p.Surface);
    RoundedShape(bar, bar.rect(), size.width() / 2.0, {p.BarTop, p.BarBottom, p.AccentDark, p.Glossy});
    image = bar.transformed(QTransform().rotate(90));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    for (int k = -2; k <= 2; ++k)
        painter.drawEllipse(QPointF(size.width() / 2.0, size.height() / 2.0 + k * 5), 1.2, 1.2);
    return image;
}

QImage SideChannelBar(const Palette& p, QSize size)
{
    QImage image = Canvas(size, p.BarTop);
    FillGradient(image, image.rect(), p.BarTop, p.BarBottom);
    for (int x = 0; x < size.width(); ++x) {
        image.setPixel(x, 0, Mix(p.BarTop, Qt::white, 0.45).rgb());
        image.setPixel(x, size.height() - 1, Mix(p.BarBottom, Qt::black, 0.35).rgb());
    }
    return image;
}

QImage CheckList(TsuiUIStyle style, const Palette& p, QSize size)
{
    return Strip(size, 4, [&](int i, QSize frame) {
        QImage image = Canvas(frame, QColor(Qt::white));
        const bool disabled = i >= 2, checked = i % 2 == 0;
        const int side = std::min(frame.width(), frame.height());
        const QRect box((frame.width() - side) / 2, (frame.height() - side) / 2, side, side);
        RoundedShape(image, box, style == TsuiUIStyle::DeepBlue ? 0 : 1,
                     {Qt::white, Qt::white, disabled ? QColor(0xA0A0A0) : p.BoxBorder, false});
        if (checked) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            DrawCheckMark(painter, QRectF(box).adjusted(2.5, 3, -2.5, -3), disabled ? QColor(0xA0A0A0) : p.CheckMark, 1.6);
        }
        return image;
    });
}

QImage StyleImage(TsuiUIStyle style, const QString& suffix, QSize size)
{
    const Palette p = PaletteOf(style);
    if (suffix == QLatin1String("BUTTON")) return PushButton(style, p, size);
    if (suffix == QLatin1String("CHECKBOX")) return CheckBox(style, p, size, false);
    if (suffix == QLatin1String("RADIOBUTTON")) return CheckBox(style, p, size, true);
    if (suffix == QLatin1String("TITLEBTN")) return TitleButtons(style, p, size);
    if (suffix == QLatin1String("TITLE_LEFT")) return TitleSection(style, p, ThemeItems::TitleBarLeftImage);
    if (suffix == QLatin1String("TITLE_CLIENT")) return TitleSection(style, p, ThemeItems::TitleBarClientImage);
    if (suffix == QLatin1String("TITLE_RIGHT")) return TitleSection(style, p, ThemeItems::TitleBarRightImage);
    if (suffix == QLatin1String("PROGRESSBAR")) return ProgressBar(style, p, size);
    if (suffix == QLatin1String("TRACKBAR_BAR")) return TrackBar(p, size);
    if (suffix == QLatin1String("TRACKBAR_SLIDER")) return Slider(p, size, false);
    if (suffix == QLatin1String("TRACKBAR_SLIDER_V")) return Slider(p, size, true);
    if (suffix == QLatin1String("SCROLLBAR_BUTTON")) return ScrollBarButtons(p, size);
    if (suffix == QLatin1String("SCROLLBAR_TRACK")) return ScrollThumb(p, size);
    if (suffix == QLatin1String("CHECKLIST")) return CheckList(style, p, size);
    if (suffix == QLatin1String("SCROLLBUTTON")) return ScrollButtons(p, size);
    if (suffix == QLatin1String("TAB")) return Tabs(p, size);
    if (suffix == QLatin1String("TAB_LINE")) return TabLine(p, size);
    if (suffix == QLatin1String("SIDECHENNEL_HANDLE")) return SideChannelHandle(p, size);
    if (suffix == QLatin1String("SIDECHENNEL_BAR")) return SideChannelBar(p, size);
    return QImage();
}

QImage MessageIcons(QSize size)
{
    // warning, stop, information, help on the message dialog's surface
    const QColor surface = ColorToRGB(BuiltInColor(TsuiUIStyle::WinXP, ThemeItems::FormBackgroundColor));
    return Strip(size, 4, [&](int i, QSize frame) {
        QImage image = Canvas(frame, surface);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(QPointF(0, 0), QSizeF(frame)).adjusted(3, 3, -3, -3);
        QLinearGradient shade(r.topLeft(), r.bottomLeft());
        if (i == 0) {
            QPainterPath triangle;
            triangle.moveTo(r.center().x(), r.top());
            triangle.lineTo(r.right(), r.bottom());
            triangle.lineTo(r.left(), r.bottom());
            triangle.closeSubpath();
            shade.setColorAt(0, QColor(0xFFE873));
            shade.setColorAt(1, QColor(0xF0B400));
            painter.setPen(QPen(QColor(0x9A6A00), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(shade);
            painter.drawPath(triangle);
            painter.setPen(QPen(Qt::black, 3.6, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(r.center().x(), r.top() + 12), QPointF(r.center().x(), r.bottom() - 11));
            painter.drawPoint(QPointF(r.center().x(), r.bottom() - 5));
            return image;
        }
        static const QRgb tops[] = {0, 0xFF7A6A, 0x6AA8FF, 0x7CD6FF};
        static const QRgb bottoms[] = {0, 0xC41E0E, 0x1450C8, 0x1C7AC8};
        shade.setColorAt(0, QColor(tops[i]));
        shade.setColorAt(1, QColor(bottoms[i]));
        painter.setPen(QPen(QColor(bottoms[i]).darker(140), 1.5));
        painter.setBrush(shade);
        painter.drawEllipse(r);
        const QRectF glyph = r.adjusted(r.width() * 0.3, r.height() * 0.26, -r.width() * 0.3, -r.height() * 0.26);
        if (i == 1) {
            DrawTitleGlyph(painter, glyph.adjusted(1, 1, -1, -1), TitleGlyph::Close, Qt::white);
        } else if (i == 2) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawEllipse(QPointF(r.center().x(), glyph.top() + 1.5), 2.4, 2.4);
            painter.drawRoundedRect(QRectF(r.center().x() - 2.2, glyph.top() + 6, 4.4, glyph.height() - 6), 1, 1);
        } else {
            DrawTitleGlyph(painter, glyph, TitleGlyph::Help, Qt::white);
        }
        return image;
    });
}

QImage PanelButton(QSize size)
{
    // frames: unfolded, unfolded under the mouse, folded, folded under the mouse
    return Strip(size, 4, [&](int i, QSize frame) {
        QImage image = Canvas(frame, QColor(0x8A90A0));
        const bool hot = i % 2 == 1;
        RoundedShape(image, QRect(QPoint(0, 0), frame), 2,
                     {hot ? QColor(0xFFFFFF) : QColor(0xF2F2F2), hot ? QColor(0xC8D4F8) : QColor(0xC8CCD6), QColor(0x30384C), false});
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x1E245E), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const double cx = frame.width() / 2.0, cy = frame.height() / 2.0;
        const double d = i < 2 ? -1 : 1;  // up to fold, down to unfold
        for (double offset : {-1.8, 1.8})
            painter.drawPolyline(QPolygonF() << QPointF(cx - 3, cy + offset - d * 1.5) << QPointF(cx, cy + offset + d * 1.5)
                                             << QPointF(cx + 3, cy + offset - d * 1.5));
        return image;
    });
}

QImage MenuChecked(QSize size)
{
    QImage image = Canvas(size, Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    for (int k = 0; k < 2; ++k) {
        painter.drawLine(4, 7 + k, 6, 9 + k);
        painter.drawLine(6, 9 + k, 11, 4 + k);
    }
    return image;
}

QImage ComboButton(TsuiUIStyle style, QSize size)
{
    const Palette p = PaletteOf(style);
    QImage image = Canvas(size, Qt::white);
    const Face face = style == TsuiUIStyle::MacOS ? Face{p.HotTop, p.HotBottom, p.HotBorder, true}
                                                  : Face{QColor(0xC6D8FC), QColor(0xAFC6F6), QColor(0x8EAEEA), false};
    RoundedShape(image, image.rect(), style == TsuiUIStyle::MacOS ? 4 : 2, face);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawArrow(painter, QRectF(size.width() / 2.0 - 3.5, size.height() / 2.0 - 1.5, 7, 4),
              Direction::Down, style == TsuiUIStyle::MacOS ? Qt::white : QColor(0x4D6185));
    return image;
}

QImage FormPattern(TsuiUIStyle style, QSize size)
{
    QImage image = Canvas(size, QColor(0xFBFBFB));
    if (style == TsuiUIStyle::MacOS) {
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, (y % 4 < 2 ? QColor(0xEBEBEB) : QColor(0xE2E2E2)).rgb());
    } else {
        image.setPixel(0, 0, QColor(0xEDEEF3).rgb());
        image.setPixel(4, 4, QColor(0xEDEEF3).rgb());
    }
    return image;
}

QImage MacMenuStrip(QSize size, bool selected)
{
    QImage image = Canvas(size, Qt::white);
    if (selected)
        FillGradient(image, image.rect(), QColor(0x6C9CE8), QColor(0x2863C8));
    else
        FillGradient(image, image.rect(), QColor(0xFFFFFF), QColor(0xDCDCDC));
    return image;
}

} // namespace

QImage DrawResource(const QString& name, QSize size, int frames)
{
    Q_UNUSED(frames);
    if (name == QLatin1String("MSGDLG")) return MessageIcons(size);
    if (name == QLatin1String("PANEL_BUTTON")) return PanelButton(size);
    if (name == QLatin1String("MENU_CHECKED")) return MenuChecked(size);
    if (name == QLatin1String("MACOS_MENU_BAR")) return MacMenuStrip(size, false);
    if (name == QLatin1String("MACOS_MENU_SELECT")) return MacMenuStrip(size, true);
    if (name == QLatin1String("MACOS_COMBOBOX_BUTTON")) return ComboButton(TsuiUIStyle::MacOS, size);
    if (name == QLatin1String("WINXP_COMBOBOX_BUTTON")) return ComboButton(TsuiUIStyle::WinXP, size);
    if (name == QLatin1String("MACOS_FORM_BACKGROUND")) return FormPattern(TsuiUIStyle::MacOS, size);
    if (name == QLatin1String("PROTEIN_FORM_BACKGROUND")) return FormPattern(TsuiUIStyle::Protein, size);
    if (name == QLatin1String("MORE_SCROLLBUTTON")) return ScrollButtons(PaletteOf(TsuiUIStyle::DeepBlue), size);
    for (const TsuiUIStyle style : BuiltInStyles)
        if (name.startsWith(StylePrefix(style)))
            return StyleImage(style, name.mid(StylePrefix(style).size()), size);
    return QImage();
}
