#include "Main.h"

#include "TfrmMain_Eintraege.h"

#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"

#include <QAction>
#include <QMenuBar>
#include <optional>
#include <tuple>

namespace {

// What an entry does besides opening its form.
enum class PunktArt {
    Oeffnen,        // opens its form
    Paketkarte,     // pops up "Inland" / "Ausland"
    Paketdienste,   // the submenu of the carriers
    Gesperrt,       // disabled, no action
    Versteckt,      // hidden and disabled, no action
};

struct Punkt
{
    const char *name;
    const char *caption;   // trailing blanks are part of it
    const char *hint;      // nullptr: none
    std::optional<Formular> ziel;
    PunktArt art = PunktArt::Oeffnen;
};

struct Paketdienst
{
    const char *name;
    const char *caption;
    const char *hint;
    Formular ziel;
};

const Paketdienst paketdienste[] = {
    {"DHL", "DHL - Frachtbrief", "DHL - Frachtbrief erfassen", Formular::DHL},
    {"DPD", "DPD", "DPD erfassen", Formular::DPD},
    {"FedEx", "FedEx", "FedEx erfassen", Formular::FedEx},
    {"GermanParcel", "German Parcel", "German Parcel erfassen", Formular::GermanParcel},
    {"TNTInland", "TNT - Express Inland", "TNT - Inland erfassen", Formular::TNTInland},
    {"TNTWorldWide", "TNT WorldWide", "TNT - Weltweit erfassen", Formular::TNTWorldWide},
    {"UPS", "UPS - Frachtbrief", "UPS - Frachtbrief erfassen", Formular::UPS},
};

const Punkt versandPapiere[] = {
    {"mnuAuftragsdaten", "&Auftragsdaten", "Rechnung und Auftragsdaten erfassen", Formular::Auftragsdaten},
    {"mnuLogistik", "Lo&gistik-Daten", "Logistik-Daten erfassen", Formular::Logistik},
    {"mnuCMR", "&CMR - Frachtbrief", "CMR - Frachtbrief erfassen", Formular::CMR},
    {"mnuSpeditionsauftrag", "Spe&ditionsauftrag", "Speditions- / Versandauftrag erfassen",
     Formular::Speditionsauftrag},
    {"mnuPackliste", "Pack&liste", "Packliste erfassen", Formular::Packliste},
    {"mnuPaketkarte", "&Paketkarte", "Paketkarte erfassen", std::nullopt, PunktArt::Paketkarte},
    {"mnuPaketdienste", "Paket&dienste", nullptr, std::nullopt, PunktArt::Paketdienste},
    {"mnuIMO", "I&MO-Erklärung", "Gefahrgut IMO-Erklärung erfassen", Formular::IMO},
    {"mnuShippers", "&Shipper`s Declaration", "Gefahrgut Shipper`s declaration erfassen", Formular::Shippers},
    {"mnuLieferschein", "&Lieferschein", "Lieferschein erfassen", Formular::Lieferschein},
    {"mnuLangzeitlieferantenerklaerung", "Langzeitlieferantenerklärung", "Langzeitlieferantenerklärung erfassen",
     Formular::Langzeitlieferantenerklaerung},
    {"mnuGueterfrachtverkehr", "Güterfrachtverkehr", "Güterfrachtverkehr erfassen", std::nullopt, PunktArt::Gesperrt},
    {"mnuTransportauftrag", "&Transportauftrag", nullptr, std::nullopt, PunktArt::Versteckt},
};

const Punkt razazuPapiere[] = {
    {"mnuAtlas", "Atlas Ausfuhr", "Ausfuhrmeldung für Atlas erfassen", Formular::Atlas},
    {"mnuAusfuhrmeldung", "&Ausfuhrmeldung", "Ausfuhrmeldung erfassen", Formular::Ausfuhranmeldung},
    {"mnuIntrastat", "&Intrastat", "Intrastatmeldung erfassen", Formular::Intrastat},
    {"mnuEUR1", "EUR. &1", "EUR 1 erfassen", Formular::EUR1},
    {"mnuEurMed", "EUR-MED", "EUR-MED erfassen", Formular::EurMed},
    {"mnuEUR2", "EUR. &2", "EUR 2 erfassen", Formular::EUR2},
    {"mnuUrsprungszeugnis", "&Ursprungszeugnis", "Ursprungszeugnis erfassen", Formular::Ursprungszeugnis},
    {"mnuATA", "A.&T.A. Carnet", "A.T.A. - Carnet erfassen", Formular::ATA},
    {"mnuVersandmeldung", "&Versandmeldung", "Versandmeldung erfassen", Formular::Versandanmeldung},
    {"mnuATR", "A.T&R.", "A.TR. erfassen", Formular::ATR},
    {"mnuEinheitZusatz", "Zusatzblatt Einheitspapier", nullptr, Formular::EinheitZusatz},
    {"mnuT2L", "Einheitspapier T2L", nullptr, Formular::T2L},
    {"mnuAbmeldung", "Abmeldung aus der aktiven Veredelung", nullptr, Formular::Abmeldung},
    {"mnuT5", "Einheitspapier T5", nullptr, Formular::T5},
    {"mnuGestellungAusfuhr", "Gestellung Ausfuhrsendung", nullptr, Formular::GestellungAusfuhr},
};

const Punkt importPapiere[] = {
    {"mnuEinfuhrmeldung", "&Einfuhrmeldung", "Einfuhrmeldung erfassen", Formular::Einfuhranmeldung},
    {"mnuStatAnmeldung", "&Statistische Zollanmeldung", "Statistische Zollanmeldung erfassen",
     Formular::Anmeldung0415},
    {"mnuDV1", "&DV1", "DV 1 erfassen", Formular::DV1},
    {"mnuErgaenzendeAnmeldung", "&Ergänzende - Anmeldung", "Ergänzende Zollanmeldung erfassen",
     Formular::Anmeldung0512_0514},
    {"mnuSumAnmeldung", "Summarische &Anmeldung", "Summarische Anmeldung", Formular::SumAnmeldung},
    {"mnuRueckwareneigenschaft", "&Rückwareneigenschaft", "Angaben zum Nachweis der Rückwareneigenschaft",
     Formular::Rueckwareneigenschaft},
    {"mnuAnschreibeverfahren", "Anschreibe&verfahren", "Anschreibungsmitteilung beim Anschreibeverfahren",
     Formular::Anschreibeverfahren},
    {"mnuBVD", "Begleitendes Verwaltungsdokument", nullptr, Formular::BVD},
};

const Punkt stammdaten[] = {
    {"mnuArtikel", "&Artikel", "Artikel - Stammdaten", Formular::Artikel},
    {"mnuKlausel", "&Klausel", "Rechnungsklausel - Stammdaten", Formular::Klausel},
    {"mnuKunden", "&Kunden", "Kunden - Stammdaten", Formular::Kunden},
    {"mnuPackstuecke", "&Packstücke", "Packstücke - Stammdaten", Formular::Packstuecke},
    {"mnuSpediteure", "&Spediteure", "Spediteure - Stammdaten", Formular::Spediteure},
    {"mnuWarennummer", "Stat. &Warennummer", "Statistische Warennummer - Stammdaten", Formular::Warennummer},
    {"mnuVersandanschrift", "&Versandanschrift", "Versender - Stammdaten", Formular::Versandanschrift},
    {"mnuZahlungsbedingungen", "&Zahlungsbedingungen", "Zahlungsbedingung - Stammdaten",
     Formular::Zahlungsbedingungen},
};

const Punkt tabellenVorEinheitspapieren[] = {
    {"mnuBundeslaender", "&Bundesländer", "Bundesländer - Tabelle", Formular::Bundeslaender},
};

const Punkt einheitspapiere[] = {
    {"mnuEinhVerfahren1", "Verfahren 1. Unterfeld", nullptr, Formular::EinhVerfahren1},
    {"mnuEinhVerfahren2", "Verfahren 2. Unterfeld", nullptr, Formular::EinhVerfahren2},
};

const Punkt tabellenNachEinheitspapieren[] = {
    {"mnuHaefen", "&Häfen", "Hafen - Tabelle", Formular::Haefen},
    {"mnuGeschaeftsart", "&Geschäftsart", "Geschäftsarten - Tabelle", Formular::Geschaeftsart},
    {"mnuLaender", "&Länder", "Länder - Tabelle", Formular::Laender},
    {"mnuLieferbedingungen", "L&ieferbedingungen", "Lieferbedingung - Tabelle", Formular::Lieferbedingungen},
    {"mnuPraeferenzklausel", "&Präferenzklausel", "Präferenzklauseln - Tabelle", Formular::Praeferenzklausel},
    {"mnuUnterlagen", "Unterlagen", nullptr, Formular::Unterlagen},
    {"mnuUrsprungszeugnisTabelle", "&Ursprungszeugnis", "Ursprungszeugnis - Tabelle",
     Formular::UrsprungszeugnisTabelle},
    {"mnuVerkehrszweige", "&Verkehrszweige", "Verkehrszweige - Tabelle", Formular::Verkehrszweige},
    {"mnuVerfahren", "&Verfahren", "Verfahren - Tabelle", Formular::Verfahren},
    {"mnuVerfahrenAnmeldung", "Verf./&Anmeldung", "Verfahren / Anmeldung - Tabelle", Formular::VerfahrenAnmeldung},
    {"mnuZollstellen", "&Zollstellen", "Zollstellen - Tabelle", Formular::Zollstellen},
};

// The context menu. "vorbild": the button whose enabled state the item takes.
struct KontextPunkt
{
    const char *name;
    const char *caption;
    const char *hint;
    const char *vorbild;
    PunktArt art = PunktArt::Oeffnen;
};

const KontextPunkt kontextVersand[] = {
    {"pmAuftragsdaten", "&Auftragsdaten", "Rechnung und Auftragsdaten erfassen", "SpeedButton1"},
    {"pmLogistik", "Logistik-Daten", "Logistik-Daten erfassen", "SpeedButton19"},
    {"pmCMR", "&CMR - Frachtbrief", "CMR - Frachtbrief erfassen", "SpeedButton3"},
    {"pmSpeditionsauftrag", "&Speditionsauftrag", "Versand-/ Speditionsauftrag erfassen", "SpeedButton2"},
    {"pmPackliste", "Pack&liste", "Packliste erfassen", "SpeedButton16"},
    {"pmPaketkarte", "&Paketkarte", "Packetkarte erfassen", "SpeedButton9", PunktArt::Paketkarte},
    {"pmPaketdienste", "Paket&dienste", "Paketdienste erfassen", nullptr, PunktArt::Paketdienste},
    {"pmIMO", "I&MO-Erklärung", "Gefahrgut IMO-Erklärung erfassen", "SpeedButton18"},
    {"pmShippers", "&Shipper`s Declaration", "Gefahrgut Shipper`s declaration erfassen", "SpeedButton23"},
    {"pmLieferschein", "&Lieferschein", "Lieferschein erfassen", "SpeedButton15"},
    {"pmTransportauftrag", "Transportauftrag", nullptr, nullptr, PunktArt::Versteckt},
};

const KontextPunkt kontextRazazu[] = {
    {"pmAbmeldung", "Abmeldung aus der aktiven Veredelung", nullptr, "SpeedButton21"},
    {"pmATA", "A.&T.A. Carnet", "A.T.A. - Carnet erfassen", "SpeedButton13"},
    {"pmATR", "A.TR.", "A.TR. erfassen", "SpeedButton12"},
    {"pmAusfuhrmeldung", "Ausfuhrmeldung", "Ausfuhrmeldung erfassen", "SpeedButton4"},
    {"pmVersandmeldung", "Versandmeldung", "Versandmeldung erfassen", "SpeedButton20"},
    {"pmEUR1", "EUR. &1", "EUR 1 erfassen", "SpeedButton6"},
    {"pmEUR2", "EUR. &2", "EUR 2 erfassen", "SpeedButton7"},
    {"pmIntrastat", "&Intrastat", "Intrastatmeldung erfassen", "SpeedButton5"},
    {"pmUrsprungszeugnis", "&Ursprungszeugnis", "Ursprungszeugniss erfassen", "SpeedButton8"},
    {"pmEinheitZusatz", "Zusatzblatt Einheitspapier", nullptr, "SpeedButtonEinheitZusatz"},
    {"pmT5", "Einheitspapier T5", "Einheitspapier T5 erfassen", "SpeedButton25"},
    {"pmGestellungAusfuhr", "Gestellung Ausfuhrsendung", nullptr, "LbSpeedButton1"},
};

const KontextPunkt kontextImport[] = {
    {"pmEinfuhrmeldung", "Einfuhrmeldung", "Einfuhrmeldung erfassen", "SpeedButton11"},
    {"pmDV1", "&DV1", "DV1 erfassen", "SpeedButton22"},
    {"pmZollAnmeldung", "Zoll - A&nmeldung", "Ergänzende Zollanmeldung (0512 / 0514 und 0516) erfassen",
     "SpeedButton14"},
    {"pmStatAnmeldung", "Stat. Anmeldung", "Stat. Zollanmeldung (0415 und 0416) erfassen", "SpeedButton10"},
    {"pmSumAnmeldung", "Summarische &Anmeldung", "Summarische Anmeldung", "SpeedButton26"},
    {"pmRueckwareneigenschaft", "&Rückwareneigenschaft", "Angaben zum Nachweis der Rückwareneigenschaft",
     "SpeedButton27"},
    {"pmAnschreibeverfahren", "Anschreibe&verfahren", "Anschreibemitteilung beim Anschreibeverfahren",
     "SpeedButton28"},
};

QString text(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

QString name(const char *vorsatz, const char *rest)
{
    return QString::fromLatin1(vorsatz) + QString::fromLatin1(rest);
}

// Carrier captions in the button's pop-up are padded on the right.
QString aufgefuellt(const char *caption)
{
    return text(caption).leftJustified(28, QLatin1Char(' '));
}

QAction *leererPunkt(QAction *punkt, PunktArt art)
{
    punkt->setEnabled(false);
    if (art == PunktArt::Versteckt)
        punkt->setVisible(false);
    return punkt;
}

} // namespace

void TfrmMain::MenuesAnlegen()
{
    FormulareAnmelden();

    // The pop-ups first: menu items and buttons refer to them.
    pmPaketkarte = new QMenu(this);
    pmPaketkarte->setObjectName(QStringLiteral("pmPaketkarte"));
    for (const auto &[objekt, caption, ziel] : {std::tuple{"pmiInland", "Inland", Formular::PaketInland},
                                                std::tuple{"pmiAusland", "Ausland", Formular::PaketAusland}}) {
        QAction *punkt = ui::addMenuItem(pmPaketkarte, QString::fromLatin1(objekt), QString::fromLatin1(caption));
        eintraege::setFormular(punkt, ziel);
        connect(punkt, &QAction::triggered, this, ui::guarded([this, punkt] { mnuAuftragsdatenClick(punkt); }));
    }
    pmPaketDienste = new QMenu(this);
    pmPaketDienste->setObjectName(QStringLiteral("pmPaketDienste"));
    for (const Paketdienst &dienst : paketdienste) {
        QAction *punkt = ui::addMenuItem(pmPaketDienste, name("pmi", dienst.name), aufgefuellt(dienst.caption));
        eintraege::setFormular(punkt, dienst.ziel);
        connect(punkt, &QAction::triggered, this, ui::guarded([this, punkt] { mnuAuftragsdatenClick(punkt); }));
    }

    QMenuBar *leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));

    const auto punkteAnlegen = [this](QMenu *menu, const auto &punkte) {
        for (const Punkt &p : punkte) {
            if (p.art == PunktArt::Paketdienste) {
                QMenu *dienste = ui::addSubMenu(menu, QString::fromLatin1(p.name), text(p.caption), text(p.hint));
                for (const Paketdienst &dienst : paketdienste) {
                    QAction *punkt = ui::addMenuItem(dienste, name("mnu", dienst.name), text(dienst.caption),
                                                     text(dienst.hint));
                    eintraege::setFormular(punkt, dienst.ziel);
                    connect(punkt, &QAction::triggered, this,
                            ui::guarded([this, punkt] { mnuAuftragsdatenClick(punkt); }));
                }
                continue;
            }
            QAction *punkt = ui::addMenuItem(menu, QString::fromLatin1(p.name), text(p.caption), text(p.hint));
            if (p.art == PunktArt::Gesperrt || p.art == PunktArt::Versteckt) {
                leererPunkt(punkt, p.art);
                continue;
            }
            if (p.art == PunktArt::Paketkarte)
                eintraege::setAuswahl(punkt, pmPaketkarte);
            else
                eintraege::setFormular(punkt, *p.ziel);
            connect(punkt, &QAction::triggered, this, ui::guarded([this, punkt] { mnuAuftragsdatenClick(punkt); }));
        }
    };

    QMenu *formulare = ui::addSubMenu(leiste, QStringLiteral("mnuFormulare"), QStringLiteral("&Formulare   "),
                                      QStringLiteral("Formular - Bearbeitung"));
    punkteAnlegen(ui::addSubMenu(formulare, QStringLiteral("mnuVersandPapiere"), QStringLiteral("&Versand - Papiere")),
                  versandPapiere);
    punkteAnlegen(ui::addSubMenu(formulare, QStringLiteral("mnuRazazuPapiere"), QStringLiteral("&Razazu - Papiere")),
                  razazuPapiere);
    punkteAnlegen(ui::addSubMenu(formulare, QStringLiteral("mnuImportPapiere"), QStringLiteral("&Import - Papiere")),
                  importPapiere);

    mnuZahlungsauftrag = ui::addMenuItem(leiste, QStringLiteral("mnuZahlungsauftrag"),
                                         QStringLiteral("&Zahlungsauftrag   "));
    mnuZahlungsauftrag->setVisible(false);

    punkteAnlegen(ui::addSubMenu(leiste, QStringLiteral("mnuStammdaten"), QStringLiteral("&Stammdaten   "),
                                 QStringLiteral("Stammdaten Bearbeitung")),
                  stammdaten);
    QMenu *tabellen = ui::addSubMenu(leiste, QStringLiteral("mnuTabellen"), QStringLiteral("&Tabellen   "),
                                     QStringLiteral("Tabellen Bearbeitung"));
    punkteAnlegen(tabellen, tabellenVorEinheitspapieren);
    punkteAnlegen(ui::addSubMenu(tabellen, QStringLiteral("mnuEinheitspapiere"), QStringLiteral("Einheitspapiere")),
                  einheitspapiere);
    punkteAnlegen(tabellen, tabellenNachEinheitspapieren);

    QMenu *dienste = ui::addSubMenu(leiste, QStringLiteral("mnuDienste"), QStringLiteral("&Dienste   "),
                                    QStringLiteral("Dienste "));
    QAction *benutzer = ui::addMenuItem(dienste, QStringLiteral("mnuBenutzer"), QStringLiteral("&Benutzer"),
                                        QStringLiteral("Benutzer - Verwaltung"));
    QAction *parameter = ui::addMenuItem(dienste, QStringLiteral("mnuParameter"), QStringLiteral("&Parameter"),
                                         QStringLiteral("Parameter - Verwaltung"));
    dienste->addSeparator();
    QAction *reorganisation = ui::addMenuItem(dienste, QStringLiteral("mnuReorganisation"),
                                              QStringLiteral("&Reorganisation"),
                                              QStringLiteral("Wiederherstellung von defekten Datenbanken"));
    dienste->addSeparator();
    QAction *firmendaten = ui::addMenuItem(dienste, QStringLiteral("mnuFirmendaten"), QStringLiteral("&Firmendaten"),
                                           QStringLiteral("Firmendaten erfassung"));
    QAction *sprachen = ui::addMenuItem(dienste, QStringLiteral("mnuSprachen"), QStringLiteral("&Sprachen"),
                                        QStringLiteral("Sprachen - Verwaltung"));
    QAction *uebersetzungen = ui::addMenuItem(dienste, QStringLiteral("mnuUebersetzungen"),
                                              QStringLiteral("&Übersetzungen"),
                                              QStringLiteral("Übersetzungen der Rechnung in 5 Sprachen"));
    dienste->addSeparator();
    QAction *optionen = ui::addMenuItem(dienste, QStringLiteral("mnuOptionen"), QStringLiteral("&Optionen"));
    dienste->addSeparator();
    QAction *onlineUpdate = ui::addMenuItem(dienste, QStringLiteral("mnuOnlineUpdate"),
                                            QStringLiteral("Tabellen Online aktualisieren"));

    QMenu *ende = ui::addSubMenu(leiste, QStringLiteral("mnuEnde1"), QStringLiteral("&Ende   "));
    QAction *beenden = ui::addMenuItem(ende, QStringLiteral("mnuEnde"), QStringLiteral("&Ende"),
                                       QStringLiteral("Beendet das Programm"));

    QMenu *hilfe = ui::addSubMenu(leiste, QStringLiteral("mnuHilfe"), QStringLiteral("&Hilfe   "));
    QAction *handbuch = ui::addMenuItem(hilfe, QStringLiteral("mnuHandbuch"), QStringLiteral("&Handbuch"));
    QAction *inhalt = ui::addMenuItem(hilfe, QStringLiteral("mnuInhalt"), QStringLiteral("&Inhalt"),
                                      QStringLiteral("Ruft die Hilfe auf"));
    hilfe->addSeparator();
    QAction *info = ui::addMenuItem(hilfe, QStringLiteral("mnuInfo"), QStringLiteral("I&nfo"),
                                    QStringLiteral("Info von Kandrel Razazu / Versand"));

    connect(mnuZahlungsauftrag, &QAction::triggered, this, ui::guarded([this] { mnuZahlungsauftragClick(); }));
    connect(benutzer, &QAction::triggered, this, ui::guarded([this] { mnuBenutzerClick(); }));
    connect(parameter, &QAction::triggered, this, ui::guarded([this] { mnuParameterClick(); }));
    connect(reorganisation, &QAction::triggered, this, ui::guarded([this] { mnuReorganisationClick(); }));
    connect(firmendaten, &QAction::triggered, this, ui::guarded([this] { mnuFirmendatenClick(); }));
    connect(sprachen, &QAction::triggered, this, ui::guarded([this] { mnuSprachenClick(); }));
    connect(uebersetzungen, &QAction::triggered, this, ui::guarded([this] { mnuUebersetzungenClick(); }));
    connect(optionen, &QAction::triggered, this, ui::guarded([this] { mnuOptionenClick(); }));
    connect(onlineUpdate, &QAction::triggered, this, ui::guarded([this] { mnuOnlineUpdateClick(); }));
    connect(beenden, &QAction::triggered, this, ui::guarded([this] { mnuEndeClick(); }));
    connect(handbuch, &QAction::triggered, this, ui::guarded([this] { mnuHandbuchClick(); }));
    connect(inhalt, &QAction::triggered, this, ui::guarded([this] { mnuInhaltClick(); }));
    connect(info, &QAction::triggered, this, ui::guarded([this] { mnuInfoClick(); }));

    KnoepfeAnlegen();
    KontextmenueAnlegen();
    FreigabenAktualisieren();
}

void TfrmMain::KontextmenueAnlegen()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));

    const auto punkteAnlegen = [this](QMenu *menu, const auto &punkte) {
        for (const KontextPunkt &p : punkte) {
            if (p.art == PunktArt::Paketdienste) {
                QMenu *dienste = ui::addSubMenu(menu, QString::fromLatin1(p.name), text(p.caption), text(p.hint));
                const QList<QAction *> liste = pmPaketDienste->actions();
                for (std::size_t i = 0; i < std::size(paketdienste); ++i) {
                    const Paketdienst &dienst = paketdienste[i];
                    const char *hint = dienst.ziel == Formular::DPD ? "Deutscher Paketdienst (DPD) erfassen"
                                                                    : dienst.hint;
                    QAction *punkt = ui::addMenuItem(dienste, name("pm", dienst.name), text(dienst.caption),
                                                     text(hint));
                    eintraege::setFormular(punkt, dienst.ziel);
                    eintraege::setVorbild(punkt, liste.at(qsizetype(i)));
                    connect(punkt, &QAction::triggered, this,
                            ui::guarded([this, punkt] { mnuAuftragsdatenClick(punkt); }));
                }
                continue;
            }
            QAction *punkt = ui::addMenuItem(menu, QString::fromLatin1(p.name), text(p.caption), text(p.hint));
            if (p.art == PunktArt::Versteckt) {
                leererPunkt(punkt, p.art);
                continue;
            }
            QObject *knopf = findChild<QObject *>(QString::fromLatin1(p.vorbild));
            Q_ASSERT(knopf);
            eintraege::setVorbild(punkt, knopf);
            if (p.art == PunktArt::Paketkarte)
                eintraege::setAuswahl(punkt, pmPaketkarte);
            else if (const auto ziel = eintraege::formular(knopf))
                eintraege::setFormular(punkt, *ziel);
            connect(punkt, &QAction::triggered, this, ui::guarded([this, punkt] { mnuAuftragsdatenClick(punkt); }));
        }
    };

    punkteAnlegen(ui::addSubMenu(PopupMenu1, QStringLiteral("pmVersandPapiere"), QStringLiteral("Versand - Papiere"),
                                 QStringLiteral("Versand-Papiere erfassen")),
                  kontextVersand);
    punkteAnlegen(ui::addSubMenu(PopupMenu1, QStringLiteral("pmRazazuPapiere"), QStringLiteral("Razazu - Papiere"),
                                 QStringLiteral("Razazu - Papiere erfassen")),
                  kontextRazazu);
    punkteAnlegen(ui::addSubMenu(PopupMenu1, QStringLiteral("pmImportPapiere"), QStringLiteral("Import - Papiere"),
                                 QStringLiteral("Import - Papiere erfassen")),
                  kontextImport);
    QAction *beenden = ui::addMenuItem(PopupMenu1, QStringLiteral("pmBeenden"), QStringLiteral("Beenden"),
                                       QStringLiteral("Programm beenden"));
    PopupMenu1->addSeparator();
    ui::addMenuItem(PopupMenu1, QStringLiteral("pmAbbrechen"), QStringLiteral("Abbrechen"),
                    QStringLiteral("Schließt dieses Menü"));
    connect(beenden, &QAction::triggered, this, ui::guarded([this] { mnuEndeClick(); }));

    for (QMenu *menu : {PopupMenu1, pmPaketkarte, pmPaketDienste})
        menu->installEventFilter(this);
    for (QMenu *untermenue : PopupMenu1->findChildren<QMenu *>())
        untermenue->installEventFilter(this);
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { KontextmenueFreigeben(); });
    ui::setContextMenu(centralWidget(), PopupMenu1);
}

void TfrmMain::KontextmenueFreigeben()
{
    for (QAction *punkt : PopupMenu1->findChildren<QAction *>()) {
        QObject *knopf = eintraege::vorbild(punkt);
        if (auto *widget = qobject_cast<QWidget *>(knopf))
            punkt->setEnabled(widget->isEnabled());
        else if (auto *action = qobject_cast<QAction *>(knopf))
            punkt->setEnabled(action->isEnabled());
    }
}
