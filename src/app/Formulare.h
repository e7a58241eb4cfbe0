#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QDialog;
class QWidget;

namespace ui {
class StatusBar;
}

// Every form the main window opens from its menus, speed buttons and context
// menu: the document registers and the master-data forms. All of them stand
// in the menus from the start; their entries are enabled once the form's
// factory is registered (FormulareAnmelden.cpp), so nothing pretends to open.
enum class Formular {
    // Versand
    Auftragsdaten,
    Logistik,
    Speditionsauftrag,
    Packliste,
    Lieferschein,
    CMR,
    IMO,
    Shippers,
    PaketInland,
    PaketAusland,
    DHL,
    DPD,
    FedEx,
    GermanParcel,
    TNTInland,
    TNTWorldWide,
    UPS,
    Langzeitlieferantenerklaerung,
    // Razazu
    Atlas,
    Ausfuhranmeldung,
    Intrastat,
    EUR1,
    EUR2,
    EurMed,
    Ursprungszeugnis,
    ATR,
    ATA,
    Versandanmeldung,
    EinheitZusatz,
    Abmeldung,
    T2L,
    T5,
    GestellungAusfuhr,
    // Import
    Einfuhranmeldung,
    Anmeldung0415,
    Anmeldung0512_0514,
    DV1,
    SumAnmeldung,
    Rueckwareneigenschaft,
    Anschreibeverfahren,
    BVD,
    // Stammdaten
    Artikel,
    Klausel,
    Kunden,
    Packstuecke,
    Spediteure,
    Warennummer,
    Versandanschrift,
    Zahlungsbedingungen,
    // Tabellen
    Bundeslaender,
    EinhVerfahren1,
    EinhVerfahren2,
    Haefen,
    Geschaeftsart,
    Laender,
    Lieferbedingungen,
    Praeferenzklausel,
    Unterlagen,
    UrsprungszeugnisTabelle,
    Verkehrszweige,
    Verfahren,
    VerfahrenAnmeldung,
    Zollstellen,
};

// How a form is opened.
struct FormularArt
{
    Formular formular;
    const char *klasse;   // the form class, "TfrmRegieCMR"
    bool sanduhr;         // the hourglass while the form is created
    bool hinweiseAus;     // the main window's automatic hints off while it is open
};

// Every form, in the order of the enumeration.
const std::vector<FormularArt> &alleFormulare();
const FormularArt &formularArt(Formular formular);

// Creates the form, ready to be shown modally; nullptr when there is nothing
// to show. A form that asks the clerk something first (Intrastat: arrivals
// or dispatches) is declared without hourglass, asks, and sets the hourglass
// itself (ui::WaitCursor) while it creates the register; on "Abbruch" it
// returns nullptr.
using FormularFabrik = std::function<std::unique_ptr<QDialog>(QWidget *parent)>;

template<typename Form>
std::unique_ptr<QDialog> erzeugen(QWidget *parent)
{
    return std::make_unique<Form>(parent);
}

void FormularAnmelden(Formular formular, FormularFabrik fabrik);
void FormularAbmelden(Formular formular);
bool FormularAngemeldet(Formular formular);

// Registers every form that exists so far (FormulareAnmelden.cpp).
void FormulareAnmelden();

// Creates the registered form as child of parent, shows it modally and frees
// it, with the hourglass and the hints of bar as the form's kind asks. The
// cursor and the hints come back however the opening ends, also when
// creating the form throws (the exception goes on to the caller). Returns
// false when the form is not registered.
bool FormularOeffnen(Formular formular, QWidget *parent, ui::StatusBar *bar);

// The status bar's automatic hints off while the object lives.
class HinweiseAus
{
public:
    explicit HinweiseAus(ui::StatusBar *bar);
    ~HinweiseAus();
    HinweiseAus(const HinweiseAus &) = delete;
    HinweiseAus &operator=(const HinweiseAus &) = delete;

private:
    ui::StatusBar *bar_;
    bool vorher_;
};
