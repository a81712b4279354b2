// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Edit.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class TsuiArrowButton;

// An up and a down arrow button, one above the other, overlapping by a pixel. A click and every
// repeat while a button is held raise the button's event.
class TsuiSpinButtons : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinimumWidth = 15;
    static constexpr int RepeatInterval = 400;

    explicit TsuiSpinButtons(QWidget* parent = nullptr);

    // Read from the up button, written to both.
    TsuiUIStyle UIStyle() const;
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const;
    void SetFileTheme(TsuiFileTheme* theme);

    TsuiArrowButton* UpButton() const { return up_; }
    TsuiArrowButton* DownButton() const { return down_; }

    std::function<void(QObject* sender)> OnUpClick;
    std::function<void(QObject* sender)> OnDownClick;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Layout();

    TsuiArrowButton* up_;
    TsuiArrowButton* down_;
};

// An edit for a whole number between MinValue and MaxValue (no range when the two are equal), with
// arrow buttons and arrow keys that step it by Increment. Only digits, "-" and control keys other
// than Enter can be typed; anything else is refused with a beep.
class TsuiSpinEdit : public TsuiEdit {
    Q_OBJECT
public:
    explicit TsuiSpinEdit(QWidget* parent = nullptr);

    // The text as a number; a text that is no whole number reads as MinValue.
    std::int32_t Value() const;
    // Clamped to the range, shown as decimal text.
    void SetValue(std::int32_t value);
    std::int32_t MinValue() const { return minValue_; }
    void SetMinValue(std::int32_t value) { minValue_ = value; }
    std::int32_t MaxValue() const { return maxValue_; }
    void SetMaxValue(std::int32_t value) { maxValue_ = value; }
    std::int32_t Increment() const { return increment_; }
    void SetIncrement(std::int32_t increment) { increment_ = increment; }
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool enabled);

    TsuiSpinButtons* Buttons() const { return buttons_; }

    // A read-only edit only beeps.
    void UpClick();
    void DownClick();

protected:
    void ApplyLook(const SkinLook& look) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::int32_t Clamped(qint64 value) const;
    void Layout();

    TsuiSpinButtons* buttons_;
    std::int32_t minValue_ = 0;
    std::int32_t maxValue_ = 0;
    std::int32_t increment_ = 1;
    bool editorEnabled_ = true;
};
