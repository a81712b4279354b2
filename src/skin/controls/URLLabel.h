// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Label.h"

#include <functional>

// A label that looks like a link: underlined, blue, red while the mouse is over it, with the hand
// cursor; a click opens its URL with the desktop's handler for it (when the URL is not blank),
// raising OnOpenFailed when the desktop has none to start, and then raises OnClick. It takes the
// focus by Tab, and Enter or Space opens it as a click does.
class TsuiURLLabel : public TLabel {
    Q_OBJECT
public:
    explicit TsuiURLLabel(QWidget* parent = nullptr);

    QString URL() const { return url_; }
    void SetURL(const QString& url) { url_ = url; }
    TColor FontLinkColor() const { return linkColor_; }
    void SetFontLinkColor(TColor color);
    TColor FontHoverColor() const { return hoverColor_; }
    void SetFontHoverColor(TColor color) { hoverColor_ = color; }

    // Opens the URL and raises OnClick, as a click does.
    void Click();

    std::function<void(QObject* sender)> OnClick;
    std::function<void(const QString& url)> OnOpenFailed;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString url_ = QStringLiteral("https://example.org/");
    TColor linkColor_ = clBlue;
    TColor hoverColor_ = clRed;
};
