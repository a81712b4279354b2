#include "WindowSet.h"

#include "ErrorReport.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "TInfooProgz.h"
#include "TOknoA3D.h"

TAGlowne* AGlowne = nullptr;
TInformacje* Informacje = nullptr;
TInfooProgz* InfooProgz = nullptr;
TOknoA3D* OknoA3D = nullptr;

void CreateWindows(const DataFolder& folder)
{
    AGlowne = new TAGlowne(folder);
    RunHandler([] { AGlowne->FormCreate(); });
    Informacje = new TInformacje(AGlowne);
    RunHandler([] { Informacje->FormCreate(); });
    InfooProgz = new TInfooProgz(AGlowne);
    OknoA3D = new TOknoA3D();
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
