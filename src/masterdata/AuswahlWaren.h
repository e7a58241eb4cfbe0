#pragma once

#include <QString>

struct TWarenNrRec;

// One-call lookups into the goods numbers, articles and package kinds for
// the forms of other families. Each shows the master's take-over dialog; on
// cancel the argument becomes empty (the goods record stays untouched) and
// the answer is false, so callers leave their field as it was.

// TfrmWare::WaehleWarenNr: answers what it answers.
bool AuswahlWarenNr(TWarenNrRec &satz);
// TfrmArtikel::WaehleArtikelText: the article's German lines joined by blanks.
bool AuswahlArtikel(QString &text);
// TfrmPackst::WaehlePackart, starting on the code given.
bool AuswahlPackstueck(QString &code);
