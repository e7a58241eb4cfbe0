#include "Formulare.h"

#include "masterdata/Artikel.h"
#include "masterdata/Eingabeauswahlen.h"
#include "masterdata/Geschft.h"
#include "masterdata/Hafen.h"
#include "masterdata/Klausel.h"
#include "masterdata/Kunden.h"
#include "masterdata/Liefer.h"
#include "masterdata/Lnder.h"
#include "masterdata/Lnderbrd.h"
#include "masterdata/Packst.h"
#include "masterdata/Praef.h"
#include "masterdata/Spedit.h"
#include "masterdata/Urzeug.h"
#include "masterdata/Verf.h"
#include "masterdata/Verfahrenscodes.h"
#include "masterdata/Verfan.h"
#include "masterdata/Versand.h"
#include "masterdata/Verzweig.h"
#include "masterdata/Ware.h"
#include "masterdata/Zahlung.h"
#include "masterdata/Zoll.h"
#include "sad_export/Ausfuhrauswahlen.h"
#include "sad_export/TfrmEinh_Verfahren.h"
#include "sad_export/TfrmRegieAE.h"
#include "transport/TfrmRegieCMR.h"

namespace {

// A form registered before (a test's stand-in) stays.
void anmelden(Formular formular, FormularFabrik fabrik)
{
    if (!FormularAngemeldet(formular))
        FormularAnmelden(formular, std::move(fabrik));
}

} // namespace

// One line per form as soon as it exists, e.g.
//     anmelden(Formular::CMR, RegisterErzeugen<TfrmRegieCMR>);
// Its menu items, speed button and context-menu item are then enabled and
// open it; until then they stand disabled.
void FormulareAnmelden()
{
    anmelden(Formular::Ausfuhranmeldung, RegisterErzeugen<TfrmRegieAE>);
    anmelden(Formular::CMR, RegisterErzeugen<TfrmRegieCMR>);
    // The lookups of the entry forms, by the names their boxes bind to.
    masterdata::eingabeauswahlenAnmelden();
    ausfuhrAuswahlenAnmelden();
    anmelden(Formular::Bundeslaender, erzeugen<TfrmBundeslnder>);
    anmelden(Formular::Zollstellen, erzeugen<TfrmZoll>);
    anmelden(Formular::Haefen, erzeugen<TfrmHafen>);
    anmelden(Formular::Geschaeftsart, erzeugen<TfrmGeschft>);
    anmelden(Formular::Verfahren, erzeugen<TfrmVerf>);
    anmelden(Formular::VerfahrenAnmeldung, erzeugen<TfrmVerfan>);
    anmelden(Formular::Lieferbedingungen, erzeugen<TfrmLieferbedingungen>);
    anmelden(Formular::Verkehrszweige, erzeugen<TfrmVerkehrszweig>);
    anmelden(Formular::UrsprungszeugnisTabelle, erzeugen<TfrmUrzeug>);
    anmelden(Formular::Laender, erzeugen<TfrmLnder>);
    anmelden(Formular::EinhVerfahren1, erzeugen<TfrmEinh_Verfahren1>);
    anmelden(Formular::EinhVerfahren2, erzeugen<TfrmEinh_Verfahren2>);
    anmelden(Formular::Artikel, erzeugen<TfrmArtikel>);
    anmelden(Formular::Packstuecke, erzeugen<TfrmPackst>);
    anmelden(Formular::Warennummer, erzeugen<TfrmWare>);
    anmelden(Formular::Praeferenzklausel, erzeugen<TfrmPraef>);
    anmelden(Formular::Kunden, erzeugen<TfrmKunden>);
    anmelden(Formular::Spediteure, erzeugen<TfrmSpedit>);
    anmelden(Formular::Versandanschrift, erzeugen<TfrmVersand>);
    anmelden(Formular::Klausel, erzeugen<TfrmKlausel>);
    anmelden(Formular::Zahlungsbedingungen, erzeugen<TfrmZahlung>);

    // The country form picks its default box-37 codes from the code tables
    // of the export declaration's family.
    masterdata::setVerfahrenscodeAuswahl(VerfahrenscodeAusTabelle);
}
