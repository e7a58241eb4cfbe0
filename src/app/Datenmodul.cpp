#include "Datenmodul.h"

#include "masterdata/TfrmData1.h"

#include "platform/ui/Guard.h"

#include <utility>

namespace {

DatenmodulSchritte &schritte()
{
    static DatenmodulSchritte installiert;
    return installiert;
}

} // namespace

DatenmodulSchritte setDatenmodulSchritte(DatenmodulSchritte neu)
{
    DatenmodulSchritte vorher = std::move(schritte());
    schritte() = std::move(neu);
    return vorher;
}

void DatenmodulFreigeben()
{
    if (schritte().freigeben)
        schritte().freigeben();
}

void DatenmodulErzeugen()
{
    if (schritte().erzeugen)
        schritte().erzeugen();
}

void DatenmodulEinrichten()
{
    setDatenmodulSchritte({masterdata::datenmodulFreigeben, masterdata::datenmodulErzeugen});
    // A table the store cannot open is reported; the program runs on
    // without the type-ahead lookups rather than not at all.
    ui::guard([] { DatenmodulErzeugen(); }, QStringLiteral("frmData1"));
}
