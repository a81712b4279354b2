// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "TrackBar.h"
#include "UIStyle.h"

#include <QImage>
#include <QWidget>

#include <functional>

class TsuiImageButton;

// A skinned scroll bar: a track between two arrow buttons, its thumb assembled from three pieces
// of the style and as long as the page size asks, or as LineButton says. Holding an arrow button
// scrolls by SmallChange every 100 ms; a click released sooner scrolls nothing.
class TsuiScrollBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    static constexpr int RepeatInterval = 100;

    explicit TsuiScrollBar(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }

    TsuiProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TsuiProgressBarOrientation orientation);
    int Min() const { return track_->Min(); }
    void SetMin(int min) { track_->SetMin(min); }
    int Max() const { return track_->Max(); }
    void SetMax(int max) { track_->SetMax(max); }
    int Position() const { return track_->Position(); }
    void SetPosition(int position);
    int PageSize() const { return track_->PageSize(); }
    void SetPageSize(int size);
    int LargeChange() const { return track_->PageSize(); }
    void SetLargeChange(int change);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int change);
    int LineButton() const { return lineButton_; }
    // Accepted only when the thumb fits between the buttons.
    void SetLineButton(int length);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // The memo shows and hides the thumb as its own scrolling allows.
    bool SliderVisible() const { return track_->SliderVisible(); }
    void SetSliderVisible(bool visible) { track_->SetSliderVisible(visible); }

    TsuiScrollTrackBar* Track() const { return track_; }
    TsuiImageButton* UpButton() const { return up_; }
    TsuiImageButton* DownButton() const { return down_; }

    std::function<void(QObject* sender)> OnChange;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyLook(const SkinLook& look);
    void Layout();
    void BuildThumb();
    bool Vertical() const { return orientation_ == TsuiProgressBarOrientation::suiVertical; }

    SkinBinding skin_;
    TsuiProgressBarOrientation orientation_ = TsuiProgressBarOrientation::suiHorizontal;
    TsuiScrollTrackBar* track_;
    TsuiImageButton* up_;
    TsuiImageButton* down_;
    QImage thumbStart_, thumbMiddle_, thumbEnd_;
    int smallChange_ = 1;
    int lineButton_ = 0;
    TColor color_ = clBtnFace;
};
