#include "Formulare.h"

#include "platform/ui/StatusBar.h"
#include "platform/ui/WaitCursor.h"

#include <QDialog>
#include <map>
#include <optional>

namespace {

// The registers of the dispatcher (hourglass and hints off), the carriers
// (hints off; DPD and German Parcel with hourglass), EUR-MED (like the
// dispatcher), the plain handlers (T2L, supplier declarations, T5: neither),
// the parcel-card choice (hourglass only), the subsystems' own openers
// (ATLAS, the accompanying document) and the master data (hints off), with
// the procedure tables and document codes as plain openers. Intrastat asks
// for the direction first and sets the hourglass itself (Formulare.h).
const std::vector<FormularArt> formulare = {
    {Formular::Auftragsdaten, "TfrmRegieAuftragsdaten", true, true},
    {Formular::Logistik, "TfrmRegieLogistik", true, true},
    {Formular::Speditionsauftrag, "TfrmregieVersandauftrag", true, true},
    {Formular::Packliste, "TfrmRegiePackliste", true, true},
    {Formular::Lieferschein, "TfrmRegieLieferschein", true, true},
    {Formular::CMR, "TfrmRegieCMR", true, true},
    {Formular::IMO, "TfrmRegieIMO", true, true},
    {Formular::Shippers, "TfrmRegieShippers", true, true},
    {Formular::PaketInland, "TfrmRegiePaketInland", true, false},
    {Formular::PaketAusland, "TfrmRegiePaket", true, false},
    {Formular::DHL, "TfrmRegieDHL", false, true},
    {Formular::DPD, "TfrmRegieDPD", true, true},
    {Formular::FedEx, "TfrmRegieFedEx", false, true},
    {Formular::GermanParcel, "TfrmRegieGermanParcel", true, true},
    {Formular::TNTInland, "TfrmRegieTNTInland", false, true},
    {Formular::TNTWorldWide, "TfrmRegieTNTWorldWide", false, true},
    {Formular::UPS, "TfrmRegieUPS", false, true},
    {Formular::Langzeitlieferantenerklaerung, "TfrmRegieLL", false, false},
    {Formular::Atlas, "TfrmRegieAtlas", false, false},
    {Formular::Ausfuhranmeldung, "TfrmRegieAE", true, true},
    {Formular::Intrastat, "TfrmRegieIntrastat", false, true},
    {Formular::EUR1, "TfrmRegieEUR1", true, true},
    {Formular::EUR2, "TfrmRegieEUR2", true, true},
    {Formular::EurMed, "TfrmRegieEur_Med", true, true},
    {Formular::Ursprungszeugnis, "TfrmRegieUZ", true, true},
    {Formular::ATR, "TfrmRegieATR", true, true},
    {Formular::ATA, "TfrmRegieATA", true, true},
    {Formular::Versandanmeldung, "TfrmRegieT1_T2", true, true},
    {Formular::EinheitZusatz, "TFormRegieEinheitZusatz", true, true},
    {Formular::Abmeldung, "TfrmREGIE_ABMELDUNG", true, true},
    {Formular::T2L, "TfrmRegieT2L", false, false},
    {Formular::T5, "TFormRegieT5", false, false},
    {Formular::GestellungAusfuhr, "TfrmRegieGestAusfuhr", true, true},
    {Formular::Einfuhranmeldung, "TfrmRegieImport", true, true},
    {Formular::Anmeldung0415, "TfrmRegie0415", true, true},
    {Formular::Anmeldung0512_0514, "TfrmRegie0512_0514", true, true},
    {Formular::DV1, "TfrmRegieDV1", true, true},
    {Formular::SumAnmeldung, "TfrmRegieSumAnmeldung", true, true},
    {Formular::Rueckwareneigenschaft, "TfrmRegieNachwRueckwEig", true, true},
    {Formular::Anschreibeverfahren, "TfrmRegieAnschreibMit", true, true},
    {Formular::BVD, "TfrmRegie_BVD", false, false},
    {Formular::Artikel, "TfrmArtikel", false, true},
    {Formular::Klausel, "TfrmKlausel", false, true},
    {Formular::Kunden, "TfrmKunden", false, true},
    {Formular::Packstuecke, "TfrmPackst", false, true},
    {Formular::Spediteure, "TfrmSpedit", false, true},
    {Formular::Warennummer, "TfrmWare", false, true},
    {Formular::Versandanschrift, "TfrmVersand", false, true},
    {Formular::Zahlungsbedingungen, "TfrmZahlung", false, true},
    {Formular::Bundeslaender, "TfrmBundeslnder", false, true},
    {Formular::EinhVerfahren1, "TfrmEinh_Verfahren1", false, false},
    {Formular::EinhVerfahren2, "TfrmEinh_Verfahren2", false, false},
    {Formular::Haefen, "TfrmHafen", false, true},
    {Formular::Geschaeftsart, "TfrmGeschft", false, true},
    {Formular::Laender, "TfrmLnder", false, true},
    {Formular::Lieferbedingungen, "TfrmLieferbedingungen", false, true},
    {Formular::Praeferenzklausel, "TfrmPraef", false, true},
    {Formular::Unterlagen, "ZeigeUnterlagen", false, false},
    {Formular::UrsprungszeugnisTabelle, "TfrmUrzeug", false, true},
    {Formular::Verkehrszweige, "TfrmVerkehrszweig", false, true},
    {Formular::Verfahren, "TfrmVerf", false, true},
    {Formular::VerfahrenAnmeldung, "TfrmVerfan", false, true},
    {Formular::Zollstellen, "TfrmZoll", false, true},
};

std::map<Formular, FormularFabrik> &fabriken()
{
    static std::map<Formular, FormularFabrik> registriert;
    return registriert;
}

} // namespace

const std::vector<FormularArt> &alleFormulare()
{
    return formulare;
}

const FormularArt &formularArt(Formular formular)
{
    const auto index = static_cast<std::size_t>(formular);
    Q_ASSERT(index < formulare.size() && formulare[index].formular == formular);
    return formulare[index];
}

void FormularAnmelden(Formular formular, FormularFabrik fabrik)
{
    if (fabrik)
        fabriken()[formular] = std::move(fabrik);
    else
        fabriken().erase(formular);
}

void FormularAbmelden(Formular formular)
{
    fabriken().erase(formular);
}

bool FormularAngemeldet(Formular formular)
{
    return fabriken().count(formular) > 0;
}

bool FormularOeffnen(Formular formular, QWidget *parent, ui::StatusBar *bar)
{
    const auto gefunden = fabriken().find(formular);
    if (gefunden == fabriken().end())
        return false;
    // A copy: the factory may not outlive a re-registration while it runs.
    const FormularFabrik fabrik = gefunden->second;
    const FormularArt &art = formularArt(formular);

    std::optional<HinweiseAus> hinweise;
    if (art.hinweiseAus)
        hinweise.emplace(bar);
    std::unique_ptr<QDialog> form;
    {
        std::optional<ui::WaitCursor> sanduhr;
        if (art.sanduhr)
            sanduhr.emplace();
        form = fabrik(parent);
    }
    if (form)
        form->exec();
    return true;
}

HinweiseAus::HinweiseAus(ui::StatusBar *bar) : bar_(bar), vorher_(bar && bar->autoHint())
{
    if (bar_)
        bar_->setAutoHint(false);
}

HinweiseAus::~HinweiseAus()
{
    if (bar_)
        bar_->setAutoHint(vorher_);
}
