// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageDialog.h"

#include "BuiltInBitmaps.h"
#include "Button.h"
#include "Drawing.h"
#include "Fonts.h"
#include "Form.h"
#include "Image.h"
#include "Label.h"
#include "TitleBar.h"
#include "StyleResolution.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include <memory>

namespace {

const QString Separator = QStringLiteral("---------------------------");
constexpr int IconFrames = 4;

} // namespace

TsuiDialog::TsuiDialog(QWidget* owner)
    : QObject(owner),
      owner_(owner),
      skin_(GetFormStyle(owner),
            [this](const SkinLook&, LookChange change) {
                if (change == LookChange::Style && skin_.Style() == TsuiUIStyle::MacOS)
                    captionColor_ = clBlack;
            }),
      font_(QApplication::font()),
      captionFont_(TitleFont())
{
}

TfrmMsg::TfrmMsg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMsg"));
    setFixedSize(DesignedSize);
    suiForm1 = new TsuiForm(this);
    suiForm1->SetTitleBarButtons({TsuiTitleBarBtnType::suiClose});
    suiForm1->SetUIStyle(TsuiUIStyle::WinXP);
    suiForm1->SetUIStyleAutoUpdateSub(true);
    lbl = new TLabel(QString(), suiForm1);
    lbl->setObjectName(QStringLiteral("lbl"));
    lbl->setGeometry(88, 64, 225, lbl->height());
    lbl->SetWordWrap(true);
    Image1 = new TImage(suiForm1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(24, 64, 40, 40);
}

QString TfrmMsg::ClipboardText() const
{
    QStringList captions;
    for (const TsuiButton* button : Buttons)
        captions.append(button->Caption());
    const QString lineEnd = QStringLiteral("\r\n");
    return Separator + lineEnd + suiForm1->Caption() + lineEnd + Separator + lineEnd + lbl->Caption() + lineEnd + Separator
        + lineEnd + captions.join(QStringLiteral("   ")) + lineEnd + Separator;
}

void TfrmMsg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_C && (event->modifiers() & Qt::ControlModifier)) {
        QGuiApplication::clipboard()->setText(ClipboardText());
        return;
    }
    QDialog::keyPressEvent(event);
}

TsuiMessageDialog::TsuiMessageDialog(QWidget* owner)
    : TsuiDialog(owner)
{
}

void TsuiMessageDialog::SetButtonCount(int count)
{
    buttonCount_ = std::clamp(count, 1, 3);
}

TfrmMsg* TsuiMessageDialog::Build() const
{
    auto* window = new TfrmMsg(Owner() ? Owner()->window() : nullptr);
    window->setFont(Font());
    window->lbl->setFont(Font());
    window->lbl->SetCaption(Text());
    const int bottom = std::max(window->Image1->geometry().bottom(), window->lbl->geometry().bottom()) + 1;
    if (IconType() != TsuiIconType::suiNone) {
        window->lbl->move(88, window->lbl->y());
        QImage strip = LoadBitmapResource(QStringLiteral("MSGDLG")), frame;
        SliceStrip(strip, frame, IconFrames, int(IconType()));
        window->Image1->SetPicture(frame);
        window->Image1->resize(frame.size());
    } else {
        window->lbl->move(24, window->lbl->y());
        window->Image1->hide();
        if (ButtonCount() < 3)
            window->setFixedWidth(window->width() - 64);
    }
    const int width = window->width();
    for (int i = 0; i < ButtonCount(); ++i) {
        const int number = ButtonCount() - i;
        auto* button = new TsuiButton(window->suiForm1);
        button->setObjectName(QStringLiteral("Button%1").arg(number));
        button->setGeometry(width - 97 - 93 * i, bottom + 20, 73, 25);
        button->setCursor(ButtonCursor());
        button->SetTabStop(true);
        button->SetCaption(ButtonCaption(number));
        button->SetModalResult(ButtonModalResult(number));
        const bool cancel = ButtonModalResult(number) == mrCancel;
        button->SetCancel(cancel);
        button->SetDefault(!cancel && ButtonModalResult(number) == mrOk);
        button->setFocus();
        window->Buttons.append(button);
    }
    window->setFixedHeight(bottom + 65);
    window->setWindowTitle(Caption());
    window->suiForm1->SetCaption(Caption());
    window->suiForm1->SetFileTheme(FileTheme());
    window->suiForm1->SetUIStyle(UIStyle());
    window->suiForm1->SetFont(CaptionFont());
    window->suiForm1->TitleBar()->SetFontColor(CaptionColor());
    if (Position() == TDialogPosition::poOwnerFormCenter && Owner())
        CenterOnWindow(window, Owner()->window());
    else
        CenterOnScreen(window);
    return window;
}

int TsuiMessageDialog::ShowModal()
{
    const std::unique_ptr<TfrmMsg> window(Build());
    return window->exec();
}
