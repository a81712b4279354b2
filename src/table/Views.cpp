// SPDX-License-Identifier: GPL-3.0-or-later
// TAGlowne: the three views of the menu "Interakcje", described once and toggled, animated and painted alike.
#include "TAGlowne.h"

#include "CheckBox.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "Form.h"
#include "IntegerText.h"
#include "Label.h"
#include "Menu.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "TrackBar.h"
#include "ViewRules.h"

#include <QTimer>

#include <stdexcept>

namespace {

constexpr QRect ViewPanelPlace(612, 56, 249, 0);
constexpr int AnimationInterval = 200;

TLabel* NewBoldLabel(TsuiPanel* panel, const char* name, const QString& caption, QPoint place)
{
    auto* label = new TLabel(caption, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(SansSerifFont(true));
    label->move(place);
    return label;
}

TsuiTrackBar* NewSlider(TsuiPanel* panel, const char* name, int min, int max, int frequency)
{
    auto* slider = new TsuiTrackBar(panel);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setGeometry(8, 48, 233, 20);
    slider->SetMin(min);
    slider->SetMax(max);
    slider->SetPosition(min);
    slider->SetPageSize(2);
    slider->SetLineSize(1);
    slider->SetFrequency(frequency);
    return slider;
}

TsuiCheckBox* NewAnimationBox(TsuiPanel* panel, const char* name, const QString& caption)
{
    auto* box = new TsuiCheckBox(panel);
    box->setObjectName(QString::fromLatin1(name));
    box->move(8, 80);
    box->SetCaption(caption);
    return box;
}

} // namespace

void TAGlowne::BuildViews()
{
    const auto panelAt = [this](const char* name, int height, const char* caption) {
        TsuiPanel* panel = NewCaptionPanel(suiForm1, QString::fromLatin1(name), ViewPanelPlace.adjusted(0, 0, 0, height),
                                           QString::fromUtf8(caption));
        panel->hide();
        return panel;
    };
    const auto handler = [this](void (TAGlowne::*method)(QObject*)) {
        return [this, method](QObject* sender) { (this->*method)(sender); };
    };

    suiPanel2 = panelAt("suiPanel2", 105, "Liczba atomów");
    Label28 = NewBoldLabel(suiPanel2, "Label28", QStringLiteral("Liczba atomów pierwiastka:"), QPoint(8, 24));
    suiSpinEdit1 = new TsuiSpinEdit(suiPanel2);
    suiSpinEdit1->setObjectName(QStringLiteral("suiSpinEdit1"));
    suiSpinEdit1->setGeometry(168, 24, 73, 19);
    suiSpinEdit1->SetMinValue(0);
    suiSpinEdit1->SetMaxValue(111);
    suiSpinEdit1->SetIncrement(1);
    suiSpinEdit1->OnChange = handler(&TAGlowne::suiSpinEdit1Change);
    suiTrackBar1 = NewSlider(suiPanel2, "suiTrackBar1", 0, 111, 1);
    suiTrackBar1->OnChange = handler(&TAGlowne::suiTrackBar1Change);
    suiCheckBox1 = NewAnimationBox(suiPanel2, "suiCheckBox1", QStringLiteral("Animacja przyrostu liczby atomów"));
    suiCheckBox1->OnClick = handler(&TAGlowne::suiCheckBox1Click);

    suiPanel3 = panelAt("suiPanel3", 100, "Daty odkryć pierwiastków");
    Label29 = NewBoldLabel(suiPanel3, "Label29", QStringLiteral("Data odkrycia:"), QPoint(8, 24));
    Label30 = NewBoldLabel(suiPanel3, "Label30", QString(), QPoint(96, 24));
    suiTrackBar2 = NewSlider(suiPanel3, "suiTrackBar2", 0, DiscoveryLastPosition, 5);
    suiTrackBar2->OnChange = handler(&TAGlowne::suiTrackBar2Change);
    suiCheckBox2 = NewAnimationBox(suiPanel3, "suiCheckBox2", QStringLiteral("Animacja postępu odkryć"));
    suiCheckBox2->OnClick = handler(&TAGlowne::suiCheckBox2Click);

    suiPanel4 = panelAt("suiPanel4", 113, "Zmiana stanów skupienia");
    Label31 = NewBoldLabel(suiPanel4, "Label31", QStringLiteral("Temperatura:"), QPoint(8, 24));
    Label32 = NewBoldLabel(suiPanel4, "Label32", QStringLiteral("-273,15 *C"), QPoint(88, 24));
    suiTrackBar3 = NewSlider(suiPanel4, "suiTrackBar3", LowestTemperature, HighestTemperature, 50);
    suiTrackBar3->OnChange = handler(&TAGlowne::suiTrackBar3Change);
    suiCheckBox3 = NewAnimationBox(suiPanel4, "suiCheckBox3", QStringLiteral("Animacja wzrostu temperatury"));
    suiCheckBox3->OnClick = handler(&TAGlowne::suiCheckBox3Click);
    // what a screen reader calls the controls the labels beside them name
    suiSpinEdit1->setAccessibleName(QStringLiteral("Liczba atomów pierwiastka"));
    suiTrackBar1->setAccessibleName(QStringLiteral("Liczba atomów"));
    suiTrackBar2->setAccessibleName(QStringLiteral("Rok odkrycia"));
    suiTrackBar3->setAccessibleName(QStringLiteral("Temperatura w stopniach Celsjusza"));
    // the discovery slider's position P stands for the year 1600 + P, which a reader says
    suiTrackBar2->SetReaderOffset(1600);

    for (auto [timer, step] : {std::pair(&Timer1, &TAGlowne::Timer1Timer), std::pair(&Timer2, &TAGlowne::Timer2Timer),
                               std::pair(&Timer3, &TAGlowne::Timer3Timer)}) {
        *timer = new QTimer(this);
        (*timer)->setInterval(AnimationInterval);
        connect(*timer, &QTimer::timeout, this, [this, step = step] { RunHandler([this, step] { (this->*step)(nullptr); }); });
    }
    DescribeViews();
}

void TAGlowne::DescribeViews()
{
    const auto showAtomCount = [this](int position) { suiSpinEdit1->SetText(QString::number(position)); };
    const auto showDiscoveries = [this](int position) {
        Label30->SetCaption(DiscoveryLabel(position));
        ShowPaints(DiscoveryPaints(ElementTable_, position));
        TellTileMeaning();
    };
    const auto showStates = [this](int temperature) {
        Label32->SetCaption(TemperatureLabel(temperature));
        // the label's "*C" is read as the degrees it stands for
        Label32->setAccessibleName(QString(Label32->Caption()).replace(QStringLiteral("*C"), QStringLiteral("°C")));
        const std::vector<TilePaint> paints = StatePaints(ElementTable_, temperature);
        ShowPaints(paints);
        ReplaceLegend(StateLegendFor(paints));
        TellTileMeaning();
    };
    views_ = {View{Liczbaatomw2, suiPanel2, suiTrackBar1, suiCheckBox1, Timer1, RulesOf(Colouring::AtomCount).Legend, showAtomCount, true},
              View{Datyodkry1, suiPanel3, suiTrackBar2, suiCheckBox2, Timer2, DiscoveryLegend(), showDiscoveries, true},
              View{Stanyskupienia1, suiPanel4, suiTrackBar3, suiCheckBox3, Timer3, StateLegend(), showStates, false}};
}

void TAGlowne::ToggleView(const View& view)
{
    Podstawowy1->SetChecked(false);
    Rozwi1->SetChecked(true);
    CheckInGroup(view.Item);
    if (view.StopsTableAnimation)
        Zatrzymaj_animacje_tablicy();
    if (!view.Panel->isHidden()) {
        view.Timer->stop();
        view.Panel->hide();
        return;
    }
    for (const View& other : views_)
        if (&other != &view) {
            other.Panel->hide();
            other.Timer->stop();
        }
    Wyczysc_tablice();
    if (view.Panel != suiPanel2)
        Ukryj_legende();
    FillLegend(view.Legend);
    setFixedWidth(ExpandedWidth);
    view.Panel->show();
}

void TAGlowne::SwitchAnimation(const View& view)
{
    view.Animation->Checked() ? view.Timer->start() : view.Timer->stop();
}

void TAGlowne::ShowPaints(const std::vector<TilePaint>& paints)
{
    Wyczysc_tablice();
    for (const TilePaint& paint : paints)
        Koloruj(paint.Column, paint.Row, paint.Color);
}

void TAGlowne::Liczbaatomw2Click(QObject*) { ToggleView(views_[0]); }
void TAGlowne::Datyodkry1Click(QObject*) { ToggleView(views_[1]); }
void TAGlowne::Stanyskupienia1Click(QObject*) { ToggleView(views_[2]); }

void TAGlowne::suiSpinEdit1Change(QObject*)
{
    const auto count = [this] {
        const QString text = suiSpinEdit1->Text();
        const std::optional<std::int32_t> n = IntegerFromText(text);
        if (!n)
            throw std::runtime_error(tr("'%1' is not a valid integer value").arg(text).toStdString());
        return *n;
    };
    // the slider writes its clamped position back, which may run this handler again first
    suiTrackBar1->SetPosition(count());
    ShowPaints(AtomCountPaints(ElementTable_, count()));
}

void TAGlowne::SliderMoved(const View& view)
{
    view.Show(view.Slider->Position());
}

void TAGlowne::suiTrackBar1Change(QObject*) { SliderMoved(views_[0]); }
void TAGlowne::suiTrackBar2Change(QObject*) { SliderMoved(views_[1]); }
void TAGlowne::suiTrackBar3Change(QObject*) { SliderMoved(views_[2]); }

void TAGlowne::suiCheckBox1Click(QObject*) { SwitchAnimation(views_[0]); }
void TAGlowne::suiCheckBox2Click(QObject*) { SwitchAnimation(views_[1]); }
void TAGlowne::suiCheckBox3Click(QObject*) { SwitchAnimation(views_[2]); }

void TAGlowne::Timer1Timer(QObject*)
{
    if (suiTrackBar1->Position() == suiTrackBar1->Max())
        suiTrackBar1->SetPosition(0);
    suiTrackBar1->SetPosition(suiTrackBar1->Position() + 1);
}

void TAGlowne::Timer2Timer(QObject*)
{
    const int position = suiTrackBar2->Position();
    const int step = DiscoveryStep(position);
    if (position == suiTrackBar2->Max())
        suiTrackBar2->SetPosition(0);
    suiTrackBar2->SetPosition(suiTrackBar2->Position() + step);
}

void TAGlowne::Timer3Timer(QObject*)
{
    suiTrackBar3->SetPosition(suiTrackBar3->Position() + 50);
    if (suiTrackBar3->Position() > HighestTemperature - 10)
        suiTrackBar3->SetPosition(LowestTemperature);
}
