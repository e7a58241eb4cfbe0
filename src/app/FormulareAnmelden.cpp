#include "Formulare.h"

#include "masterdata/Geschft.h"
#include "masterdata/Hafen.h"
#include "masterdata/Liefer.h"
#include "masterdata/Lnderbrd.h"
#include "masterdata/Urzeug.h"
#include "masterdata/Verf.h"
#include "masterdata/Verfan.h"
#include "masterdata/Verzweig.h"
#include "masterdata/Zoll.h"

// One line per form as soon as it exists, e.g.
//     FormularAnmelden(Formular::CMR, erzeugen<TfrmRegieCMR>);
// Its menu items, speed button and context-menu item are then enabled and
// open it; until then they stand disabled.
void FormulareAnmelden()
{
    FormularAnmelden(Formular::Bundeslaender, erzeugen<TfrmBundeslnder>);
    FormularAnmelden(Formular::Zollstellen, erzeugen<TfrmZoll>);
    FormularAnmelden(Formular::Haefen, erzeugen<TfrmHafen>);
    FormularAnmelden(Formular::Geschaeftsart, erzeugen<TfrmGeschft>);
    FormularAnmelden(Formular::Verfahren, erzeugen<TfrmVerf>);
    FormularAnmelden(Formular::VerfahrenAnmeldung, erzeugen<TfrmVerfan>);
    FormularAnmelden(Formular::Lieferbedingungen, erzeugen<TfrmLieferbedingungen>);
    FormularAnmelden(Formular::Verkehrszweige, erzeugen<TfrmVerkehrszweig>);
    FormularAnmelden(Formular::UrsprungszeugnisTabelle, erzeugen<TfrmUrzeug>);
}
