// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"

#include <QImage>
#include <QWidget>

enum class TsuiDrawStyle { suiNormal, suiStretch, suiTile };

// A panel showing a picture, normal, stretched or tiled, optionally transparent and sized to the
// picture, with an optional caption.
class TsuiCustomPanel : public QWidget {
    Q_OBJECT
public:
    explicit TsuiCustomPanel(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    TsuiDrawStyle DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(TsuiDrawStyle style);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // The picture's contents changed: fit the size when asked, then repaint.
    void PictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitSize();

    QImage picture_;
    TsuiDrawStyle drawStyle_ = TsuiDrawStyle::suiNormal;
    bool transparent_ = false;
    bool autoSize_ = false;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    QString caption_;
    TColor color_ = clBtnFace;
};

class TsuiImagePanel : public TsuiCustomPanel {
    Q_OBJECT
public:
    using TsuiCustomPanel::TsuiCustomPanel;
};
