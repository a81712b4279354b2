// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QCursor>
#include <QDialog>
#include <QFont>
#include <QList>
#include <QPointer>

#include <array>

class TImage;
class TLabel;
class TsuiButton;
class TsuiForm;

enum class TsuiIconType { suiNone, suiWarning, suiStop, suiInformation, suiHelp };

// Where a dialog's window opens: centred on the screen, or on the window that owns the dialog.
enum class TDialogPosition { poScreenCenter, poOwnerFormCenter };

constexpr int mrOk = 1;
constexpr int mrCancel = 2;

// The settings every skinned dialog shares. Its owner is the widget it is created with; the style
// starts as the owner's form's.
class TsuiDialog : public QObject {
    Q_OBJECT
public:
    explicit TsuiDialog(QWidget* owner);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    TDialogPosition Position() const { return position_; }
    void SetPosition(TDialogPosition position) { position_ = position; }
    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    // MacOS writes its titles in black.
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    // When the file theme goes away, the dialog forgets it and takes DeepBlue.
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font) { font_ = font; }
    const QFont& CaptionFont() const { return captionFont_; }
    void SetCaptionFont(const QFont& font) { captionFont_ = font; }
    TColor CaptionColor() const { return captionColor_; }
    const QCursor& ButtonCursor() const { return buttonCursor_; }
    void SetButtonCursor(const QCursor& cursor) { buttonCursor_ = cursor; }

protected:
    QWidget* Owner() const { return owner_; }

private:
    QWidget* owner_;
    QString caption_ = QStringLiteral("suiDialog");
    TDialogPosition position_ = TDialogPosition::poScreenCenter;
    SkinBinding skin_;
    QFont font_;
    QFont captionFont_;
    TColor captionColor_ = clWhite;
    QCursor buttonCursor_ = Qt::PointingHandCursor;
};

// The window of a message dialog: a skinned form with the icon, the text and the buttons. Ctrl+C
// copies the whole message.
class TfrmMsg : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize DesignedSize{336, 130};

    explicit TfrmMsg(QWidget* parent = nullptr);

    TsuiForm* suiForm1;
    TLabel* lbl;
    TImage* Image1;
    // The buttons in the order they were made: the rightmost first.
    QList<TsuiButton*> Buttons;

    // The text Ctrl+C puts on the clipboard: the caption, the message and the buttons' captions
    // between lines of 27 hyphens, lines ending in CR LF.
    QString ClipboardText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A skinned modal message box with an optional icon and one to three buttons; ShowModal returns the
// modal result of the button pressed.
class TsuiMessageDialog : public TsuiDialog {
    Q_OBJECT
public:
    explicit TsuiMessageDialog(QWidget* owner);

    int ButtonCount() const { return buttonCount_; }
    // Kept to 1 ... 3.
    void SetButtonCount(int count);
    // Buttons are numbered 1 to 3 from the left.
    QString ButtonCaption(int button) const { return captions_[std::size_t(button - 1)]; }
    void SetButtonCaption(int button, const QString& caption) { captions_[std::size_t(button - 1)] = caption; }
    int ButtonModalResult(int button) const { return results_[std::size_t(button - 1)]; }
    void SetButtonModalResult(int button, int result) { results_[std::size_t(button - 1)] = result; }
    TsuiIconType IconType() const { return icon_; }
    void SetIconType(TsuiIconType icon) { icon_ = icon; }
    QString Text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }

    // Builds the window, shows it modally, frees it and returns the result.
    int ShowModal();
    // The window as ShowModal shows it, laid out but not shown.
    TfrmMsg* Build() const;

private:
    int buttonCount_ = 1;
    std::array<QString, 3> captions_{QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Cancel")};
    std::array<int, 3> results_{mrOk, mrCancel, mrCancel};
    TsuiIconType icon_ = TsuiIconType::suiNone;
    QString text_ = QStringLiteral("Hello world!");
};
