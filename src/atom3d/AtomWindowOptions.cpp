// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomWindow.h"

#include "Button.h"
#include "CheckBox.h"
#include "Fonts.h"
#include "Label.h"
#include "Panel.h"

#include <QEvent>
#include <QTimer>

namespace {

// While a control of the options panel has the focus, the keys go to that control: a key it does
// not use stops at the panel instead of travelling on to the window's own keys.
class KeysStopHere : public QObject {
public:
    explicit KeysStopHere(QWidget* panel) : QObject(panel) { panel->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    }
};

} // namespace

// The options panel "Opcje sterowania" and what its controls and the keys do.
void TOknoA3D::BuildOptionsPanel()
{
    suiPanel1 = NewCaptionPanel(this, QStringLiteral("suiPanel1"), QRect(0, 0, 233, 185), QStringLiteral("Opcje sterowania"));
    suiPanel1->hide();
    new KeysStopHere(suiPanel1);

    const QFont bold = SansSerifFont(true);
    const auto label = [this](const char* caption, int x, int y, const QFont* font) {
        auto* l = new TLabel(QString::fromUtf8(caption), suiPanel1);
        if (font)
            l->setFont(*font);
        l->move(x, y);
        return l;
    };
    Label1 = label("(a)", 208, 24, &bold);
    Label2 = label("(x)", 208, 48, &bold);
    Label3 = label("(y)", 208, 64, &bold);
    Label4 = label("(s)", 208, 88, &bold);
    Label5 = label("Myszka - swobodna rotacja", 8, 112, nullptr);
    Label6 = label("Klawisze (+ -) - skalowanie", 8, 128, nullptr);
    Label7 = label("Strzałki (góra, dół) - przemieszczanie", 8, 144, nullptr);

    suiButton1 = new TsuiButton(suiPanel1);
    suiButton1->setGeometry(168, 160, 56, 19);
    suiButton1->SetCaption(QStringLiteral("Zamknij"));
    suiButton1->SetAutoSize(false);
    suiButton1->SetFocusedRectMargin(2);
    suiButton1->SetLayout(TButtonLayout::blGlyphLeft);
    suiButton1->SetSpacing(4);
    suiButton1->SetMouseContinuouslyDownInterval(100);
    suiButton1->OnClick = [this](QObject* sender) { suiButton1Click(sender); };

    const auto checkBox = [this](const char* caption, int x, int y, int w) {
        auto* box = new TsuiCheckBox(suiPanel1);
        box->setGeometry(x, y, w, 19);
        box->SetCaption(QString::fromUtf8(caption));
        box->SetAutoSize(true);
        box->SetTransparent(true);
        box->SetTabStop(true);
        box->OnClick = [this](QObject* sender) { suiCheckBox1Click(sender); };
        return box;
    };
    suiCheckBox1 = checkBox("Animacja modelu", 8, 24, 101);
    suiCheckBox2 = checkBox("Obrót według osi X", 24, 48, 112);
    suiCheckBox3 = checkBox("Obrót według osi Y", 24, 64, 112);
    suiCheckBox4 = checkBox("Automatyczne sterowanie obrotem", 8, 88, 183);
}

void TOknoA3D::suiButton1Click(QObject*)
{
    suiPanel1->hide();
    new KeysStopHere(suiPanel1);
}

void TOknoA3D::suiCheckBox1Click(QObject*)
{
    if (suiCheckBox1->Checked())
        Timer2->start();
    else
        Timer2->stop();
}

void TOknoA3D::FormKeyDown(int key, Qt::KeyboardModifiers)
{
    switch (key) {
    case Qt::Key_Down: PrzesuniecieY += 1; break;
    case Qt::Key_Up: PrzesuniecieY -= 1; break;
    case Qt::Key_O: suiPanel1->setVisible(!suiPanel1->isVisible()); break;
    case Qt::Key_A: suiCheckBox1->Toggle(); break;
    case Qt::Key_X: suiCheckBox2->Toggle(); break;
    case Qt::Key_Y: suiCheckBox3->Toggle(); break;
    case Qt::Key_S: suiCheckBox4->Toggle(); break;
    default: break;
    }
}

void TOknoA3D::Timer2Timer()
{
    if (suiCheckBox2->Checked())
        KatX += 1;
    if (suiCheckBox3->Checked())
        KatY += 1;
    if (suiCheckBox4->Checked()) {
        switch (LicznikObrotu) {
        case 1:
            suiCheckBox2->SetChecked(true);
            suiCheckBox3->SetChecked(false);
            break;
        case 30:
            suiCheckBox2->SetChecked(false);
            suiCheckBox3->SetChecked(true);
            break;
        case 60:
            suiCheckBox2->SetChecked(true);
            suiCheckBox3->SetChecked(true);
            break;
        default:
            break;
        }
    }
    if (LicznikObrotu == 90)
        LicznikObrotu = 0;
    ++LicznikObrotu;
}
