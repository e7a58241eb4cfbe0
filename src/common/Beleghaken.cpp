#include "common/Beleghaken.h"

#include "common/Eingabedruck.h"
#include "common/TfrmRegie.h"
#include "platform/ui/Dialogs.h"

void Beleghaken::eingabeformularZeigen(TfrmRegie &, const QString &)
{
    ui::showInformation(QStringLiteral("Das Eingabeformular dieser Belegart ist noch nicht gebaut."));
}

void Beleghaken::druckformularZeigen(TfrmRegie &regie, int belegNr)
{
    belegDrucken(regie.art(), &regie, belegNr);
}
