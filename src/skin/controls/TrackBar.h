// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "ParentColor.h"
#include "RangeModel.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QTimer;
class TsuiImagePanel;

enum class TsuiProgressBarOrientation { suiHorizontal, suiVertical };

// The skinned slider: a bar drawn from the style's bar bitmap, a slider dragged or paged along it,
// optional tick marks, and a Position between Min and Max (the range model's rules) that raises
// OnChange whenever it changes.
class TsuiTrackBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit TsuiTrackBar(QWidget* parent = nullptr);
    ~TsuiTrackBar() override;

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }

    TsuiProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TsuiProgressBarOrientation orientation);
    int Min() const { return model_.Min(); }
    void SetMin(int min) { model_.SetMin(min); }
    int Max() const { return model_.Max(); }
    void SetMax(int max) { model_.SetMax(max); }
    int Position() const { return model_.Position(); }
    void SetPosition(int position) { model_.SetPosition(position); }
    int PageSize() const { return model_.PageSize(); }
    void SetPageSize(int size) { model_.SetPageSize(size); }
    int LineSize() const { return model_.LineSize(); }
    void SetLineSize(int size) { model_.SetLineSize(size); }
    int LastPosition() const { return model_.LastPosition(); }
    // What a screen reader is told: the position with this added, and the range likewise (a slider
    // of years from 1600 on tells the year).
    int ReaderOffset() const { return readerOffset_; }
    void SetReaderOffset(int offset) { readerOffset_ = offset; }
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    bool ShowTick() const { return showTick_; }
    void SetShowTick(bool show);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TColor Color() const { return color_.Of(this); }
    // A colour of its own: the bar no longer takes its parent's.
    void SetColor(TColor color);
    bool ParentColor() const { return color_.ParentColor(); }
    void SetParentColor(bool parentColor);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus); }

    const QImage& BarImage() const { return barImage_; }
    // A bar picture lasts until the look is read again, which the setting itself does.
    void SetBarImage(const QImage& image);
    QImage SliderImage() const;
    // A slider picture lasts until the look is read again.
    void SetSliderImage(const QImage& image);

    bool Dragging() const { return dragging_; }
    bool Repeating() const { return repeatTimer_ != nullptr; }
    TsuiImagePanel* Slider() const { return slider_; }

    // Where the slider stands for the position, and the position under a point of the bar.
    QPoint SliderOrigin() const;
    int ValueAtPoint(QPoint point) const;
    // The positions that carry a tick, in order.
    QList<int> TickPositions() const;

    std::function<void(QObject* sender)> OnChange;
    std::function<void(QObject* sender, Qt::MouseButton button, QPoint point)> OnMouseDown;
    std::function<void(QObject* sender, Qt::MouseButton button, QPoint point)> OnMouseUp;

protected:
    // A scroll bar's track reads no look of its own and keeps its slider opaque.
    TsuiTrackBar(QWidget* parent, bool ownLook);
    void RefreshLook();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void LoadLook(const SkinLook& look);
    void PrepareBar();
    void FitThickness();
    void PageToward(QPoint point, int step);
    void StopRepeating();
    bool Horizontal() const { return orientation_ == TsuiProgressBarOrientation::suiHorizontal; }

    const bool ownLook_;
    SkinBinding skin_;
    int readerOffset_ = 0;
    RangeModel model_;
    TsuiProgressBarOrientation orientation_ = TsuiProgressBarOrientation::suiHorizontal;
    int frequency_ = 1;
    bool showTick_ = true;
    bool transparent_ = false;
    ControlColor color_{clBtnFace};
    QImage barImage_;
    QImage preparedBar_;  // the bar drawn at the control's length, once per look or size
    TsuiImagePanel* slider_;
    bool dragging_ = false;
    QTimer* repeatTimer_ = nullptr;
};

// The track of a scroll bar: its owner gives it its pictures; it can hide its slider.
class TsuiScrollTrackBar : public TsuiTrackBar {
    Q_OBJECT
public:
    explicit TsuiScrollTrackBar(QWidget* parent = nullptr);

    bool SliderVisible() const;
    void SetSliderVisible(bool visible);
    void SliderAutoSize();
};
