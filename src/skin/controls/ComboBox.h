// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QComboBox>

#include <functional>
#include <optional>

// The skinned combo box: the platform's editable combo box and drop-down list, painted with a flat
// one-pixel border in the style's border colour, a frame in the box's own colour inside it, and a
// skinned drop-down button with a small black arrow (the WinXP and MacOS buttons are pictures).
class TsuiCustomComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    static constexpr int ButtonWidth = 17;

    explicit TsuiCustomComboBox(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TColor ButtonColor() const { return buttonColor_; }
    void SetButtonColor(TColor color);
    TColor ArrowColor() const { return arrowColor_; }
    void SetArrowColor(TColor color);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int count) { setMaxVisibleItems(count); }
    bool Sorted() const { return sorted_; }
    // A sorted box keeps its items in the order of the current locale's collation.
    void SetSorted(bool sorted);
    void AddItems(const QStringList& items);
    QStringList Items() const;
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index) { setCurrentIndex(index); }

    QString Text() const { return currentText(); }
    void SetText(const QString& text) { setEditText(text); }
    // The text as the user typed it: while the completion's proposal stands selected after the typed
    // letters and has not been accepted (with End or Right, by typing on to its end, by a click in the
    // text or by a pick from the list), only the letters typed; otherwise the whole text.
    QString TypedText() const;

    // Where the drop-down button is painted, in the box's coordinates.
    QRect ButtonRect() const;

    // Every typed character, before the box takes it (it still does); Enter, from either key, as
    // the carriage return.
    std::function<void(QObject* sender, QChar key)> OnKeyPress;
    std::function<void(QObject* sender)> OnChange;

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PaintBox(QPainter& canvas);
    // The letters typed and the text the completion made of them.
    struct Proposal {
        QString Typed;
        QString Completed;
    };
    void NoteProposal(const QKeyEvent& key);

    void ApplyLook(const SkinLook& look);
    void PlaceEditor();

    SkinBinding skin_;
    TColor borderColor_ = clBlack;
    TColor buttonColor_ = 0xE8E8E8;
    TColor arrowColor_ = clBlack;
    TColor color_ = clWindow;
    TsuiUIStyle drawnStyle_ = TsuiUIStyle::DeepBlue;  // the built-in style drawn, or FromThemeFile
    QImage buttonPicture_;                            // the WinXP and MacOS buttons
    int itemHeight_ = 13;
    bool sorted_ = false;
    std::optional<Proposal> proposal_;
};

// The combo box the forms place.
using TsuiComboBox = TsuiCustomComboBox;
