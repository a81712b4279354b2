#include "TAGlowne.h"

#include "ErrorReport.h"
#include "TableFile.h"
#include "WindowPlacement.h"

#include <QCloseEvent>

TAGlowne::TAGlowne(DataFolder folder)
    : folder_(std::move(folder))
{
    setWindowTitle(QStringLiteral("Układ Okresowy Pierwiastków - autor: Morvane"));
    setMinimumSize(130, 50);
    PlaceOnFirstShow(this, [=, this] { CenterOnScreen(this); });
    setFixedSize(863, 527);
}

void TAGlowne::FormCreate()
{
    setFixedWidth(BasicWidth);
    Wczytaj_tablice(ElementTable_, folder_);
}

void TAGlowne::FormClose()
{
    Zapisz_tablice(ElementTable_, folder_);
}

void TAGlowne::closeEvent(QCloseEvent* event)
{
    event->setAccepted(RunHandler([this] { FormClose(); }));
}
