// SPDX-License-Identifier: GPL-3.0-or-later
#include "StyleSamples.h"

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Form.h"
#include "Menu.h"
#include "PageControl.h"
#include "Panel.h"
#include "ScrollBar.h"
#include "SkinFileWriter.h"
#include "SpinEdit.h"
#include "ThemeCatalog.h"
#include "ThemeFile.h"
#include "TrackBar.h"

#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace {

void AddMenu(QWidget* window, TsuiUIStyle style, TsuiFileTheme* theme)
{
    auto* menu = new TsuiMainMenu(window);
    menu->SetFileTheme(theme);
    menu->SetUIStyle(style);
    TMenuItem* file = menu->Add(new TMenuItem(QStringLiteral("Plik"), QStringLiteral("Plik1")));
    file->Add(new TMenuItem(QStringLiteral("Otwórz"), QStringLiteral("Otworz1")));
    file->Add(new TMenuItem(QStringLiteral("-"), QStringLiteral("N1")));
    file->Add(new TMenuItem(QStringLiteral("Zamknij"), QStringLiteral("Zamknij1")));
    TMenuItem* view = menu->Add(new TMenuItem(QStringLiteral("Widok"), QStringLiteral("Widok1")));
    view->Add(new TMenuItem(QStringLiteral("Podstawowy"), QStringLiteral("Podstawowy1")))->SetChecked(true);
    view->Add(new TMenuItem(QStringLiteral("Rozwiń"), QStringLiteral("Rozwi1")));
    view->Add(new TMenuItem(QStringLiteral("-"), QStringLiteral("N2")));
    view->Add(new TMenuItem(QStringLiteral("Wizualizacja 3D"), QStringLiteral("Wizualizacja3D1")))->setEnabled(false);
    menu->Add(new TMenuItem(QStringLiteral("Pomoc"), QStringLiteral("Pomoc1")));
    menu->Add(new TMenuItem(QStringLiteral("Nieczynne"), QStringLiteral("Nieczynne1")))->setEnabled(false);
    menu->AttachToWindow();
}

template <typename Control>
Control* Place(TsuiForm* form, TsuiUIStyle style, TsuiFileTheme* theme, QRect geometry)
{
    auto* control = new Control(form);
    control->SetFileTheme(theme);
    control->SetUIStyle(style);
    control->setGeometry(geometry);
    return control;
}

// A skin file drawn from WinXP, declaring a colour family in its ControlFontColor item.
TsuiFileTheme* SkinOfFamily(QWidget* window, std::int32_t family)
{
    static QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/family-%1.skn").arg(family, 0, 16);
    QFile file(path);
    const QByteArray bytes = SkinFileFromStyle(TsuiUIStyle::WinXP, {{ThemeItems::ControlFontColor, family}});
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.close();
    auto* theme = new TsuiFileTheme(window);
    theme->SetThemeFile(path);
    return theme;
}

QWidget* Build(const QString& title, TsuiUIStyle style, std::optional<std::int32_t> family)
{
    auto* window = new QWidget;
    window->setWindowTitle(title);
    TsuiFileTheme* theme = family ? SkinOfFamily(window, *family) : nullptr;
    window->resize(466, 396);
    auto* form = new TsuiForm(window);
    form->SetFileTheme(theme);
    form->SetUIStyle(style);
    form->SetTitleBarButtons({TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiHelp, TsuiTitleBarBtnType::suiClose,
                              TsuiTitleBarBtnType::suiMax, TsuiTitleBarBtnType::suiMin});
    AddMenu(window, style, theme);
    Place<TsuiPanel>(form, style, theme, QRect(200, 90, 240, 120))->SetCaption(QStringLiteral("Legenda kolorów"));
    Place<TsuiButton>(form, style, theme, QRect(16, 150, 80, 25))->SetCaption(QStringLiteral("Przycisk"));
    Place<TsuiButton>(form, style, theme, QRect(104, 150, 80, 25))->SetCaption(QStringLiteral("&Szukaj"));
    auto* disabled = Place<TsuiButton>(form, style, theme, QRect(16, 184, 80, 25));
    disabled->SetCaption(QStringLiteral("Nieczynny"));
    disabled->setEnabled(false);
    auto* checked = Place<TsuiCheckBox>(form, style, theme, QRect(16, 220, 120, 19));
    checked->SetCaption(QStringLiteral("Zaznaczone"));
    checked->SetChecked(true);
    Place<TsuiCheckBox>(form, style, theme, QRect(16, 240, 120, 19))->SetCaption(QStringLiteral("Puste"));
    auto* greyed = Place<TsuiCheckBox>(form, style, theme, QRect(16, 260, 120, 19));
    greyed->SetCaption(QStringLiteral("Nieczynne"));
    greyed->setEnabled(false);
    auto* pages = Place<TsuiPageControl>(form, style, theme, QRect(200, 220, 250, 80));
    for (const char* caption : {"Podstawowe", "Opis", "Rysunek"})
        pages->AddPage(QString::fromUtf8(caption));
    pages->SetActivePage(pages->Pages()[1]);
    auto* track = Place<TsuiTrackBar>(form, style, theme, QRect(16, 300, 170, 20));
    track->SetMax(20);
    track->SetPosition(7);
    Place<TsuiEdit>(form, style, theme, QRect(16, 340, 90, 21))->SetText(QStringLiteral("Żelazo"));
    Place<TsuiSpinEdit>(form, style, theme, QRect(116, 341, 73, 19))->SetValue(26);
    auto* combo = Place<TsuiComboBox>(form, style, theme, QRect(200, 345, 137, 21));
    combo->AddItems({QStringLiteral("Aktyn"), QStringLiteral("Ameryk")});
    combo->SetText(QStringLiteral("Aktyn"));
    auto* scroll = Place<TsuiScrollBar>(form, style, theme, QRect(200, 320, 250, 16));
    scroll->SetPageSize(30);
    scroll->SetPosition(40);
    return window;
}

} // namespace

QList<StyleSample> StyleSamples()
{
    QList<StyleSample> samples;
    for (const TsuiUIStyle style : BuiltInStyles)
        samples.append({StyleName(style), [style] {
                            return Build(StyleName(style) + QStringLiteral(" - okno próbne"), style, std::nullopt);
                        }});
    for (const std::int32_t family : {0xCF4602, 0x10000, 0x20000, 0x30000, 0x40000, 0x50000}) {
        const QString name = QStringLiteral("skin-family-%1").arg(family, 0, 16);
        samples.append({name, [name, family] { return Build(name, TsuiUIStyle::FromThemeFile, family); }});
    }
    return samples;
}
