// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QLineEdit>

#include <functional>

// The skinned single-line edit: the platform's edit, with a one-pixel border in the style's border
// colour and a one-pixel frame in the edit's own colour inside it.
class TsuiEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit TsuiEdit(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus); }

    QString Text() const { return text(); }
    // The change event comes only when the text differs.
    void SetText(const QString& text);

    // Raised whenever the text changes, by typing or by the program.
    std::function<void(QObject* sender)> OnChange;

protected:
    // Where a derived edit hands the look on to its parts.
    virtual void ApplyLook(const SkinLook& look);

    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    SkinBinding skin_;
    TColor borderColor_ = clBlack;
    TColor color_ = clWindow;
    bool autoSelect_ = true;
};
