#include "WindowSet.h"

#include "Desktop.h"
#include "ErrorReport.h"
#include "Menu.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "AboutWindow.h"
#include "AtomWindow.h"

TAGlowne* AGlowne = nullptr;
TInformacje* Informacje = nullptr;
TInfooProgz* InfooProgz = nullptr;
TOknoA3D* OknoA3D = nullptr;

void CreateWindows(const DataFolder& folder)
{
    AGlowne = new TAGlowne(folder);
    RunHandler([] { AGlowne->FormCreate(); });
    Informacje = new TInformacje(AGlowne, folder);
    RunHandler([] { Informacje->FormCreate(); });
    InfooProgz = new TInfooProgz(AGlowne);
    OknoA3D = new TOknoA3D(folder);

    SetApplicationMainForm(AGlowne);
    AGlowne->SetCompanionWindows({[](const TElementRecord& record) { Informacje->Wypelnij(record); },
                                  [](const QString& symbol) { Informacje->Wpisz_powloki(symbol); }},
                                 InfooProgz, OknoA3D);
    Informacje->SetAtomWindow(OknoA3D, [](const QString& symbol) { OknoA3D->pierwiastek(symbol); });
    OknoA3D->OnShownChanged = [](bool shown) { AGlowne->Wizualizacja3D1->SetChecked(shown); };
}

void DestroyWindows()
{
    delete OknoA3D;
    delete InfooProgz;
    delete Informacje;
    delete AGlowne;
    OknoA3D = nullptr;
    InfooProgz = nullptr;
    Informacje = nullptr;
    AGlowne = nullptr;
}
