#include "AuswahlWaren.h"
#include "Artikel.h"
#include "Packst.h"
#include "Ware.h"

bool AuswahlWarenNr(TWarenNrRec &satz)
{
    return TfrmWare::WaehleWarenNr(satz);
}

bool AuswahlArtikel(QString &text)
{
    TfrmArtikel::WaehleArtikelText(text, text);
    return !text.isEmpty();
}

bool AuswahlPackstueck(QString &code)
{
    code = TfrmPackst::WaehlePackart(code);
    return !code.isEmpty();
}
