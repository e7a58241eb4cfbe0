#include "AuswahlCodes.h"

#include "Auswahldialoge.h"
#include "Lnder_e.h"

bool AuswahlLand(const QString &feld, QString &wert, const QString &start)
{
    TfrmLnder_e::WaehleLandFeld(feld, start, wert);
    return !wert.isEmpty();
}

bool AuswahlGeschaeftsart(QString &code)
{
    TfrmGesch_e::WaehleGeschaeftsart(code, code);
    return !code.isEmpty();
}

bool AuswahlBundesland(QString &code)
{
    const QString start = code;
    TfrmLnderbrd_e::WaehleBundesland(start, code);
    return !code.isEmpty();
}

bool AuswahlLieferbedingung(QString &code)
{
    TfrmLiefer_e::WaehleLieferbedingung(code, code);
    return !code.isEmpty();
}

bool AuswahlVerkehrszweig(QString &code, const QString &start)
{
    TfrmVerzw_e::WaehleVerkehrszweig(start, code);
    return !code.isEmpty();
}
