#include "common/Beleghaken.h"

#include "common/Belegformular.h"
#include "platform/ui/Dialogs.h"

void Beleghaken::positionenGeaendert(Belegformular &formular)
{
    formular.regie().regie().positionsanzahlSpeichern();
}

void Beleghaken::druckformularZeigen(TfrmRegie &, int)
{
    ui::showInformation(QStringLiteral("Der Ausdruck dieser Belegart ist noch nicht gebaut."));
}
