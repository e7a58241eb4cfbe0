#include "Hauptfenster.h"

#include "app/About.h"
#include "app/Benutzer.h"
#include "app/Optionen.h"
#include "app/TfrmAuftr_de.h"
#include "app/Tfrmsprachen.h"
#include "app/Tfrmuebersetzungen.h"

#include "common/ExceptionDlg.h"
#include "common/Parameter.h"
#include "masterdata/Stammformular.h"

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/sys/UnhandledException.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/SpeedButton.h"

#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <type_traits>

namespace {

using Menues = Hauptfenster;

struct Zeile
{
    const char *name;
    const char *caption;
    const char *hint;
};

struct Menu
{
    const char *name;   // of the menu (or the menu bar)
    std::vector<Zeile> punkte;   // in menu order, separators left out
};

const std::vector<Menu> hauptmenue = {
    {"MainMenu1",
     {{"mnuFormulare", "&Formulare   ", "Formular - Bearbeitung"},
      {"mnuZahlungsauftrag", "&Zahlungsauftrag   ", ""},
      {"mnuStammdaten", "&Stammdaten   ", "Stammdaten Bearbeitung"},
      {"mnuTabellen", "&Tabellen   ", "Tabellen Bearbeitung"},
      {"mnuDienste", "&Dienste   ", "Dienste "},
      {"mnuEnde1", "&Ende   ", ""},
      {"mnuHilfe", "&Hilfe   ", ""}}},
    {"mnuFormulare",
     {{"mnuVersandPapiere", "&Versand - Papiere", ""},
      {"mnuRazazuPapiere", "&Razazu - Papiere", ""},
      {"mnuImportPapiere", "&Import - Papiere", ""}}},
    {"mnuVersandPapiere",
     {{"mnuAuftragsdaten", "&Auftragsdaten", "Rechnung und Auftragsdaten erfassen"},
      {"mnuLogistik", "Lo&gistik-Daten", "Logistik-Daten erfassen"},
      {"mnuCMR", "&CMR - Frachtbrief", "CMR - Frachtbrief erfassen"},
      {"mnuSpeditionsauftrag", "Spe&ditionsauftrag", "Speditions- / Versandauftrag erfassen"},
      {"mnuPackliste", "Pack&liste", "Packliste erfassen"},
      {"mnuPaketkarte", "&Paketkarte", "Paketkarte erfassen"},
      {"mnuPaketdienste", "Paket&dienste", ""},
      {"mnuIMO", "I&MO-Erklärung", "Gefahrgut IMO-Erklärung erfassen"},
      {"mnuShippers", "&Shipper`s Declaration", "Gefahrgut Shipper`s declaration erfassen"},
      {"mnuLieferschein", "&Lieferschein", "Lieferschein erfassen"},
      {"mnuLangzeitlieferantenerklaerung", "Langzeitlieferantenerklärung", "Langzeitlieferantenerklärung erfassen"},
      {"mnuGueterfrachtverkehr", "Güterfrachtverkehr", "Güterfrachtverkehr erfassen"},
      {"mnuTransportauftrag", "&Transportauftrag", ""}}},
    {"mnuPaketdienste",
     {{"mnuDHL", "DHL - Frachtbrief", "DHL - Frachtbrief erfassen"},
      {"mnuDPD", "DPD", "DPD erfassen"},
      {"mnuFedEx", "FedEx", "FedEx erfassen"},
      {"mnuGermanParcel", "German Parcel", "German Parcel erfassen"},
      {"mnuTNTInland", "TNT - Express Inland", "TNT - Inland erfassen"},
      {"mnuTNTWorldWide", "TNT WorldWide", "TNT - Weltweit erfassen"},
      {"mnuUPS", "UPS - Frachtbrief", "UPS - Frachtbrief erfassen"}}},
    {"mnuRazazuPapiere",
     {{"mnuAtlas", "Atlas Ausfuhr", "Ausfuhrmeldung für Atlas erfassen"},
      {"mnuAusfuhrmeldung", "&Ausfuhrmeldung", "Ausfuhrmeldung erfassen"},
      {"mnuIntrastat", "&Intrastat", "Intrastatmeldung erfassen"},
      {"mnuEUR1", "EUR. &1", "EUR 1 erfassen"},
      {"mnuEurMed", "EUR-MED", "EUR-MED erfassen"},
      {"mnuEUR2", "EUR. &2", "EUR 2 erfassen"},
      {"mnuUrsprungszeugnis", "&Ursprungszeugnis", "Ursprungszeugnis erfassen"},
      {"mnuATA", "A.&T.A. Carnet", "A.T.A. - Carnet erfassen"},
      {"mnuVersandmeldung", "&Versandmeldung", "Versandmeldung erfassen"},
      {"mnuATR", "A.T&R.", "A.TR. erfassen"},
      {"mnuEinheitZusatz", "Zusatzblatt Einheitspapier", ""},
      {"mnuT2L", "Einheitspapier T2L", ""},
      {"mnuAbmeldung", "Abmeldung aus der aktiven Veredelung", ""},
      {"mnuT5", "Einheitspapier T5", ""},
      {"mnuGestellungAusfuhr", "Gestellung Ausfuhrsendung", ""}}},
    {"mnuImportPapiere",
     {{"mnuEinfuhrmeldung", "&Einfuhrmeldung", "Einfuhrmeldung erfassen"},
      {"mnuStatAnmeldung", "&Statistische Zollanmeldung", "Statistische Zollanmeldung erfassen"},
      {"mnuDV1", "&DV1", "DV 1 erfassen"},
      {"mnuErgaenzendeAnmeldung", "&Ergänzende - Anmeldung", "Ergänzende Zollanmeldung erfassen"},
      {"mnuSumAnmeldung", "Summarische &Anmeldung", "Summarische Anmeldung"},
      {"mnuRueckwareneigenschaft", "&Rückwareneigenschaft", "Angaben zum Nachweis der Rückwareneigenschaft"},
      {"mnuAnschreibeverfahren", "Anschreibe&verfahren", "Anschreibungsmitteilung beim Anschreibeverfahren"},
      {"mnuBVD", "Begleitendes Verwaltungsdokument", ""}}},
    {"mnuStammdaten",
     {{"mnuArtikel", "&Artikel", "Artikel - Stammdaten"},
      {"mnuKlausel", "&Klausel", "Rechnungsklausel - Stammdaten"},
      {"mnuKunden", "&Kunden", "Kunden - Stammdaten"},
      {"mnuPackstuecke", "&Packstücke", "Packstücke - Stammdaten"},
      {"mnuSpediteure", "&Spediteure", "Spediteure - Stammdaten"},
      {"mnuWarennummer", "Stat. &Warennummer", "Statistische Warennummer - Stammdaten"},
      {"mnuVersandanschrift", "&Versandanschrift", "Versender - Stammdaten"},
      {"mnuZahlungsbedingungen", "&Zahlungsbedingungen", "Zahlungsbedingung - Stammdaten"}}},
    {"mnuTabellen",
     {{"mnuBundeslaender", "&Bundesländer", "Bundesländer - Tabelle"},
      {"mnuEinheitspapiere", "Einheitspapiere", ""},
      {"mnuHaefen", "&Häfen", "Hafen - Tabelle"},
      {"mnuGeschaeftsart", "&Geschäftsart", "Geschäftsarten - Tabelle"},
      {"mnuLaender", "&Länder", "Länder - Tabelle"},
      {"mnuLieferbedingungen", "L&ieferbedingungen", "Lieferbedingung - Tabelle"},
      {"mnuPraeferenzklausel", "&Präferenzklausel", "Präferenzklauseln - Tabelle"},
      {"mnuUnterlagen", "Unterlagen", ""},
      {"mnuUrsprungszeugnisTabelle", "&Ursprungszeugnis", "Ursprungszeugnis - Tabelle"},
      {"mnuVerkehrszweige", "&Verkehrszweige", "Verkehrszweige - Tabelle"},
      {"mnuVerfahren", "&Verfahren", "Verfahren - Tabelle"},
      {"mnuVerfahrenAnmeldung", "Verf./&Anmeldung", "Verfahren / Anmeldung - Tabelle"},
      {"mnuZollstellen", "&Zollstellen", "Zollstellen - Tabelle"}}},
    {"mnuEinheitspapiere",
     {{"mnuEinhVerfahren1", "Verfahren 1. Unterfeld", ""}, {"mnuEinhVerfahren2", "Verfahren 2. Unterfeld", ""}}},
    {"mnuDienste",
     {{"mnuBenutzer", "&Benutzer", "Benutzer - Verwaltung"},
      {"mnuParameter", "&Parameter", "Parameter - Verwaltung"},
      {"mnuReorganisation", "&Reorganisation", "Wiederherstellung von defekten Datenbanken"},
      {"mnuFirmendaten", "&Firmendaten", "Firmendaten erfassung"},
      {"mnuSprachen", "&Sprachen", "Sprachen - Verwaltung"},
      {"mnuUebersetzungen", "&Übersetzungen", "Übersetzungen der Rechnung in 5 Sprachen"},
      {"mnuOptionen", "&Optionen", ""},
      {"mnuOnlineUpdate", "Tabellen Online aktualisieren", ""}}},
    {"mnuEnde1", {{"mnuEnde", "&Ende", "Beendet das Programm"}}},
    {"mnuHilfe",
     {{"mnuHandbuch", "&Handbuch", ""},
      {"mnuInhalt", "&Inhalt", "Ruft die Hilfe auf"},
      {"mnuInfo", "I&nfo", "Info von Kandrel Razazu / Versand"}}},
};

const std::vector<Menu> kontextmenue = {
    {"PopupMenu1",
     {{"pmVersandPapiere", "Versand - Papiere", "Versand-Papiere erfassen"},
      {"pmRazazuPapiere", "Razazu - Papiere", "Razazu - Papiere erfassen"},
      {"pmImportPapiere", "Import - Papiere", "Import - Papiere erfassen"},
      {"pmBeenden", "Beenden", "Programm beenden"},
      {"pmAbbrechen", "Abbrechen", "Schließt dieses Menü"}}},
    {"pmVersandPapiere",
     {{"pmAuftragsdaten", "&Auftragsdaten", "Rechnung und Auftragsdaten erfassen"},
      {"pmLogistik", "Logistik-Daten", "Logistik-Daten erfassen"},
      {"pmCMR", "&CMR - Frachtbrief", "CMR - Frachtbrief erfassen"},
      {"pmSpeditionsauftrag", "&Speditionsauftrag", "Versand-/ Speditionsauftrag erfassen"},
      {"pmPackliste", "Pack&liste", "Packliste erfassen"},
      {"pmPaketkarte", "&Paketkarte", "Packetkarte erfassen"},
      {"pmPaketdienste", "Paket&dienste", "Paketdienste erfassen"},
      {"pmIMO", "I&MO-Erklärung", "Gefahrgut IMO-Erklärung erfassen"},
      {"pmShippers", "&Shipper`s Declaration", "Gefahrgut Shipper`s declaration erfassen"},
      {"pmLieferschein", "&Lieferschein", "Lieferschein erfassen"},
      {"pmTransportauftrag", "Transportauftrag", ""}}},
    {"pmPaketdienste",
     {{"pmDHL", "DHL - Frachtbrief", "DHL - Frachtbrief erfassen"},
      {"pmDPD", "DPD", "Deutscher Paketdienst (DPD) erfassen"},
      {"pmFedEx", "FedEx", "FedEx erfassen"},
      {"pmGermanParcel", "German Parcel", "German Parcel erfassen"},
      {"pmTNTInland", "TNT - Express Inland", "TNT - Inland erfassen"},
      {"pmTNTWorldWide", "TNT WorldWide", "TNT - Weltweit erfassen"},
      {"pmUPS", "UPS - Frachtbrief", "UPS - Frachtbrief erfassen"}}},
    {"pmRazazuPapiere",
     {{"pmAbmeldung", "Abmeldung aus der aktiven Veredelung", ""},
      {"pmATA", "A.&T.A. Carnet", "A.T.A. - Carnet erfassen"},
      {"pmATR", "A.TR.", "A.TR. erfassen"},
      {"pmAusfuhrmeldung", "Ausfuhrmeldung", "Ausfuhrmeldung erfassen"},
      {"pmVersandmeldung", "Versandmeldung", "Versandmeldung erfassen"},
      {"pmEUR1", "EUR. &1", "EUR 1 erfassen"},
      {"pmEUR2", "EUR. &2", "EUR 2 erfassen"},
      {"pmIntrastat", "&Intrastat", "Intrastatmeldung erfassen"},
      {"pmUrsprungszeugnis", "&Ursprungszeugnis", "Ursprungszeugniss erfassen"},
      {"pmEinheitZusatz", "Zusatzblatt Einheitspapier", ""},
      {"pmT5", "Einheitspapier T5", "Einheitspapier T5 erfassen"},
      {"pmGestellungAusfuhr", "Gestellung Ausfuhrsendung", ""}}},
    {"pmImportPapiere",
     {{"pmEinfuhrmeldung", "Einfuhrmeldung", "Einfuhrmeldung erfassen"},
      {"pmDV1", "&DV1", "DV1 erfassen"},
      {"pmZollAnmeldung", "Zoll - A&nmeldung", "Ergänzende Zollanmeldung (0512 / 0514 und 0516) erfassen"},
      {"pmStatAnmeldung", "Stat. Anmeldung", "Stat. Zollanmeldung (0415 und 0416) erfassen"},
      {"pmSumAnmeldung", "Summarische &Anmeldung", "Summarische Anmeldung"},
      {"pmRueckwareneigenschaft", "&Rückwareneigenschaft", "Angaben zum Nachweis der Rückwareneigenschaft"},
      {"pmAnschreibeverfahren", "Anschreibe&verfahren", "Anschreibemitteilung beim Anschreibeverfahren"}}},
};

QList<QAction *> punkteVon(const TfrmMain &main, const QString &name)
{
    QList<QAction *> punkte;
    QList<QAction *> alle;
    if (name == QLatin1String("MainMenu1"))
        alle = main.findChild<QMenuBar *>(name)->actions();
    else if (auto *menu = main.findChild<QMenu *>(name))
        alle = menu->actions();
    for (QAction *action : alle) {
        if (!action->isSeparator())
            punkte << action;
    }
    return punkte;
}

void pruefeMenues(const TfrmMain &main, const std::vector<Menu> &menues)
{
    for (const Menu &menu : menues) {
        SCOPED_TRACE(menu.name);
        const QList<QAction *> punkte = punkteVon(main, QString::fromLatin1(menu.name));
        ASSERT_EQ(punkte.size(), qsizetype(menu.punkte.size()));
        for (qsizetype i = 0; i < punkte.size(); ++i) {
            const Zeile &erwartet = menu.punkte.at(std::size_t(i));
            EXPECT_EQ(punkte.at(i)->objectName(), QString::fromLatin1(erwartet.name));
            EXPECT_EQ(punkte.at(i)->text(), QString::fromUtf8(erwartet.caption)) << erwartet.name;
            EXPECT_EQ(punkte.at(i)->statusTip(), QString::fromUtf8(erwartet.hint)) << erwartet.name;
        }
    }
}

TEST_F(Menues, EveryMainMenuItemStandsInItsPlaceWithCaptionAndHint)
{
    const auto main = starten();
    pruefeMenues(*main, hauptmenue);
}

TEST_F(Menues, EveryContextMenuItemStandsInItsPlaceWithCaptionAndHint)
{
    const auto main = starten();
    pruefeMenues(*main, kontextmenue);
}

struct Knopf
{
    const char *name;
    const char *caption;
    const char *tooltip;
    const char *status;
    bool sichtbar = true;
};

const Knopf knoepfe[] = {
    {"SpeedButton1", "Auftragsdaten", "Auftragsdaten erfassen", "Auftrags-Daten"},
    {"SpeedButton19", "Logistik-Daten", "Logistik-Daten erfassen", "Zentrale Datenerfassung"},
    {"SpeedButton3", "CMR-Frachtbrief", "CMR-Frachtbrief erfassen", "Cmr - FrachtBrief"},
    {"SpeedButton2", "Speditionsauftrag", "Versandauftrag erfassen", "Speditionsauftrag"},
    {"SpeedButton16", "Packliste", "Packliste erfassen", "Packliste"},
    {"SpeedButton9", "Paketkarte", "Paketkarte erfassen", "Paketkarte"},
    {"SpeedButton17", "Paket-Dienste", "Paket-Dienste erfassen", "Paket-Díenste"},
    {"SpeedButton18", "IMO - Erklärung", "IMO - Erklärung erfassen", "IMO - Erklärung"},
    {"SpeedButton23", "Shipper`s ", "Shipper´s Declaration erfassen", "Shipper´s declaration"},
    {"SpeedButton15", "Lieferschein", "Lieferschein erfassen", "Lieferschein"},
    {"SpeedButton29", "Langzeitlieferantenerklärung", "Langzeitlieferantenerklärung erfassen",
     "Langzeitlieferantenerklärung"},
    {"SpeedButton30", "Güterfrachtverkehr", "Güterfrachtverkehr erfassen", "Güterfrachtverkehr"},
    {"SpeedButton24", "Transportauftrag", "Transportauftrag erfassen", "Transportauftrag", false},
    {"LbSpeedButton5", "Atlas Ausfuhr", "Einheitspapier Razazu erfassen", "Ausfuhrmeldung für Atlas erfassen"},
    {"SpeedButton4", "Ausfuhranmeldung", "Einheitspapier Razazu erfassen", "Ausfuhranmelung - (0733 und 0734)"},
    {"SpeedButton5", "Intrastat", "Intrastat erfassen", "Intrastat (Eingang und Versand)"},
    {"SpeedButton6", "EUR. 1", "EUR. 1 erfassen", "EUR 1"},
    {"SpeedButton7", "EUR. 2", "EUR. 2 erfassen", "EUR 2", false},
    {"LbSpeedButton3", "EUR - MED", "EUR-MED erfassen", "EUR - MED"},
    {"SpeedButton8", "Ursprungszeugnis", "Ursprungszeugnis erfassen", "Ursprungszeugnis"},
    {"SpeedButton12", "A.TR.", "A. TR. erfassen", "A. TR."},
    {"SpeedButton13", "A.T.A. Carnet", "A.T.A. Carnet erfassen", "A.T.A. - Carnet"},
    {"SpeedButton20", "Versandanmeldung", "Einheitspapier T1, T2 erfassen",
     "Versandanmeldung T1 / T2 - (0769 und 0770) / (0735 und 0736)"},
    {"SpeedButtonEinheitZusatz", "Zusatzblatt Einheitspapier ", "Zusatzblatt zum Einheitspapier erfassen",
     "Zusatzblatt zum Einheitspapier"},
    {"LbSpeedButton2", "Einheitspapier T2L", "Einheitspapier T2L erfassen", "Einheitspapier T2L"},
    {"SpeedButton21", "Abmeldung aktiven Veredelung", "Abmeldung aus der aktiven Veredelung erfassen",
     "Abmeldung aus der aktiven Veredelung"},
    {"SpeedButton25", "Einheitspapier T5", "Einheitspapier T5 erfassen", "T5"},
    {"LbSpeedButton1", "Gestellung Ausfuhrsendung", "Gestellung Ausfuhrsendung erfassen", ""},
    {"LbSpeedButton4", "Begl. Verwaltungsdokument", "Begleitendes Verwaltungsdokument",
     "Begleitendes Verwaltungsdokument"},
    {"SpeedButton11", "Einfuhranmeldung", "Einheitspapier Import erfassen", "Einfuhranmelung - (0737 und 0738)"},
    {"SpeedButton14", "Zoll - Anmeldung", "Zollanmeldung erfassen", "Ergänzende Zollanmelung - (0514, 0512 / 0516)"},
    {"SpeedButton22", "DV 1", "DV 1 erfassen", "DV. 1 - (0464 und 0465)"},
    {"SpeedButton10", "Stat. Anmeldung", "Statistische Zoll-Anmeldung  erfassen",
     "Zusammenfassende-, Statistische Anmeldung - (0415 / 0416)"},
    {"SpeedButton26", "Sum. Anmeldung", "Summarische Anmeldung erfassen", "Summarische Anmeldung"},
    {"SpeedButton27", "Rückwareneigenschaft", "Angaben zum Nachweis der Rückwareneigenschaft erfassen",
     "Angaben zum Nachweis der Rückwareneigenschaft"},
    {"SpeedButton28", "Anschreibeverfahren", "Anschreibungsmitteilung beim Anschreibeverfahren erfassen",
     "Anschreibungsmitteilung beim anschreibverfahren"},
};

TEST_F(Menues, EverySpeedButtonHasItsCaptionTooltipAndStatusText)
{
    const auto main = starten();
    main->show();
    const auto alle = main->findChildren<ui::SpeedButton *>(QString(), Qt::FindChildrenRecursively);
    int aufDemFenster = 0;
    for (ui::SpeedButton *knopf : alle)
        aufDemFenster += knopf->window() == main.get() ? 1 : 0;
    EXPECT_EQ(aufDemFenster, int(std::size(knoepfe)));
    for (const Knopf &erwartet : knoepfe) {
        SCOPED_TRACE(erwartet.name);
        auto *knopf = main->findChild<ui::SpeedButton *>(QString::fromLatin1(erwartet.name));
        ASSERT_NE(knopf, nullptr);
        EXPECT_EQ(knopf->text(), QString::fromUtf8(erwartet.caption));
        EXPECT_EQ(knopf->toolTip(), QString::fromUtf8(erwartet.tooltip));
        EXPECT_EQ(knopf->statusTip(), QString::fromUtf8(erwartet.status));
        EXPECT_EQ(knopf->isVisible(), erwartet.sichtbar);
        EXPECT_EQ(knopf->height(), 21);
    }
}

// Only what is built is enabled: every other form entry stands disabled, and
// so do the choices that would lead only to such entries.
TEST_F(Menues, WithoutRegistersNothingPretendsToOpen)
{
    // The families and code tables built so far; every other document and
    // master-data entry stands disabled.
    const QStringList gebaut{QStringLiteral("mnuAusfuhrmeldung"), QStringLiteral("pmAusfuhrmeldung"),
                             QStringLiteral("mnuCMR"), QStringLiteral("pmCMR"), QStringLiteral("SpeedButton3"),
                             QStringLiteral("SpeedButton4"), QStringLiteral("mnuBundeslaender"),
                             QStringLiteral("mnuHaefen"), QStringLiteral("mnuGeschaeftsart"),
                             QStringLiteral("mnuLieferbedingungen"), QStringLiteral("mnuUrsprungszeugnisTabelle"),
                             QStringLiteral("mnuVerkehrszweige"), QStringLiteral("mnuVerfahren"),
                             QStringLiteral("mnuVerfahrenAnmeldung"), QStringLiteral("mnuZollstellen"),
                             QStringLiteral("mnuArtikel"), QStringLiteral("mnuPackstuecke"),
                             QStringLiteral("mnuWarennummer"), QStringLiteral("mnuPraeferenzklausel"),
                             QStringLiteral("mnuKunden"), QStringLiteral("mnuSpediteure"),
                             QStringLiteral("mnuVersandanschrift"), QStringLiteral("mnuKlausel"),
                             QStringLiteral("mnuZahlungsbedingungen"), QStringLiteral("mnuLaender"),
                             QStringLiteral("mnuEinhVerfahren1"), QStringLiteral("mnuEinhVerfahren2")};
    const auto main = starten();
    for (const auto &menues : {hauptmenue, kontextmenue}) {
        for (const Menu &menu : menues) {
            for (const Zeile &zeile : menu.punkte) {
                QAction *action = punkt(*main, QString::fromLatin1(zeile.name));
                if (action->menu())
                    continue;
                const bool dokument = QString::fromLatin1(menu.name).contains(QLatin1String("Papiere"))
                    || QString::fromLatin1(menu.name).contains(QLatin1String("Paketdienste"))
                    || menu.name == std::string("mnuStammdaten") || menu.name == std::string("mnuTabellen")
                    || menu.name == std::string("mnuEinheitspapiere");
                if (menu.name == std::string("PopupMenu1") || !action->isVisible())
                    continue;
                EXPECT_EQ(action->isEnabled(), !dokument || gebaut.contains(QString::fromLatin1(zeile.name)))
                    << zeile.name;
            }
        }
    }
    main->PopupMenu1->popup(QPoint(10, 10));
    for (const char *name : {"pmAuftragsdaten", "pmPaketkarte", "pmDHL", "pmEUR2", "pmDV1"})
        EXPECT_FALSE(punkt(*main, QString::fromLatin1(name))->isEnabled()) << name;
    main->PopupMenu1->hide();
    for (ui::SpeedButton *knopf : main->findChildren<ui::SpeedButton *>())
        EXPECT_EQ(knopf->isEnabled(), gebaut.contains(knopf->objectName())) << knopf->objectName().toStdString();
    EXPECT_FALSE(punkt(*main, QStringLiteral("mnuTransportauftrag"))->isVisible());
    EXPECT_FALSE(punkt(*main, QStringLiteral("pmTransportauftrag"))->isVisible());
    EXPECT_FALSE(punkt(*main, QStringLiteral("mnuZahlungsauftrag"))->isVisible());
    EXPECT_TRUE(punkt(*main, QStringLiteral("pmBeenden"))->isEnabled());
    EXPECT_TRUE(punkt(*main, QStringLiteral("pmAbbrechen"))->isEnabled());
}

// The main-menu item, the speed button and the context-menu item of a
// family all open its register, once each, and free it again.
TEST_F(Menues, ARegisteredRegisterOpensFromEachOfItsEntriesAndIsFreed)
{
    struct Fall
    {
        Formular formular;
        const char *menuPunkt;
        const char *knopf;          // a speed button, or the entry of the carrier list
        const char *kontextPunkt;   // nullptr: the family has none
    };
    const Fall faelle[] = {
        {Formular::CMR, "mnuCMR", "SpeedButton3", "pmCMR"},
        {Formular::Ausfuhranmeldung, "mnuAusfuhrmeldung", "SpeedButton4", "pmAusfuhrmeldung"},
        {Formular::EUR2, "mnuEUR2", "SpeedButton7", "pmEUR2"},
        {Formular::Anmeldung0512_0514, "mnuErgaenzendeAnmeldung", "SpeedButton14", "pmZollAnmeldung"},
        {Formular::EurMed, "mnuEurMed", "LbSpeedButton3", nullptr},
        {Formular::Langzeitlieferantenerklaerung, "mnuLangzeitlieferantenerklaerung", "SpeedButton29", nullptr},
        {Formular::BVD, "mnuBVD", "LbSpeedButton4", nullptr},
        {Formular::DHL, "mnuDHL", "pmiDHL", "pmDHL"},
        {Formular::T5, "mnuT5", "SpeedButton25", "pmT5"},
        {Formular::Auftragsdaten, "mnuAuftragsdaten", "SpeedButton1", "pmAuftragsdaten"},
    };
    for (const Fall &fall : faelle)
        anmeldungen.anmelden(fall.formular);
    const auto main = gezeigt();

    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.menuPunkt);
        std::vector<std::function<void()>> wege = {
            [&] { punkt(*main, QString::fromLatin1(fall.menuPunkt))->trigger(); },
            [&] {
                if (auto *knopf = main->findChild<ui::SpeedButton *>(QString::fromLatin1(fall.knopf)))
                    knopf->click();
                else
                    punkt(*main, QString::fromLatin1(fall.knopf))->trigger();
            },
        };
        if (fall.kontextPunkt)
            wege.push_back([&] { punkt(*main, QString::fromLatin1(fall.kontextPunkt))->trigger(); });
        for (const auto &weg : wege) {
            TestRegister::zuruecksetzen();
            weg();
            EXPECT_EQ(TestRegister::erzeugt, 1);
            EXPECT_EQ(TestRegister::gezeigt, 1);
            EXPECT_EQ(TestRegister::lebend, 0);
        }
    }
    // Entries of other families stay disabled and open nothing.
    TestRegister::zuruecksetzen();
    punkt(*main, QStringLiteral("mnuIMO"))->trigger();
    EXPECT_EQ(TestRegister::erzeugt, 0);
}

// Each code table opens from its item of "&Tabellen" as its master form,
// modally, and is freed afterwards.
TEST_F(Menues, TheCodeTablesOpenFromTheTabellenMenu)
{
    const std::pair<const char *, Formular> faelle[] = {
        {"mnuBundeslaender", Formular::Bundeslaender},
        {"mnuZollstellen", Formular::Zollstellen},
        {"mnuHaefen", Formular::Haefen},
        {"mnuGeschaeftsart", Formular::Geschaeftsart},
        {"mnuVerfahren", Formular::Verfahren},
        {"mnuVerfahrenAnmeldung", Formular::VerfahrenAnmeldung},
        {"mnuLieferbedingungen", Formular::Lieferbedingungen},
        {"mnuVerkehrszweige", Formular::Verkehrszweige},
        {"mnuUrsprungszeugnisTabelle", Formular::UrsprungszeugnisTabelle},
    };
    const auto main = gezeigt();
    for (const auto &[name, formular] : faelle) {
        SCOPED_TRACE(name);
        QString klasse;
        QTimer warten;
        QObject::connect(&warten, &QTimer::timeout, [&] {
            if (auto *form = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                klasse = QString::fromLatin1(form->metaObject()->className());
                form->reject();
            }
        });
        warten.start(5);
        punkt(*main, QString::fromLatin1(name))->trigger();
        warten.stop();
        EXPECT_EQ(klasse, QLatin1String(formularArt(formular).klasse));
        EXPECT_TRUE(main->findChildren<masterdata::Stammformular *>().isEmpty());
    }
}

// The dispatcher's families get the hourglass while the register is
// created, a normal cursor while it is shown, and no automatic hints while
// it is open; the carriers turn the hints off, DPD and German Parcel also
// show the hourglass; the plain handlers (T2L) touch neither, the
// parcel-card entries only the cursor; master-data forms turn the hints
// off, the procedure tables of the single document leave them on.
TEST_F(Menues, CursorAndHintsFollowTheKindOfOpening)
{
    struct Fall
    {
        Formular formular;
        const char *punkt;
        bool sanduhr;
        bool hinweise;
    };
    const Fall faelle[] = {
        {Formular::Packliste, "mnuPackliste", true, false},
        {Formular::EurMed, "mnuEurMed", true, false},
        {Formular::T2L, "mnuT2L", false, true},
        {Formular::DPD, "mnuDPD", true, false},
        {Formular::GermanParcel, "pmGermanParcel", true, false},
        {Formular::FedEx, "mnuFedEx", false, false},
        {Formular::UPS, "pmiUPS", false, false},
        {Formular::PaketInland, "pmiInland", true, true},
        {Formular::BVD, "mnuBVD", false, true},
        {Formular::Artikel, "mnuArtikel", false, false},
        {Formular::Zollstellen, "mnuZollstellen", false, false},
        {Formular::EinhVerfahren1, "mnuEinhVerfahren1", false, true},
        {Formular::Unterlagen, "mnuUnterlagen", false, true},
    };
    // The main window registers the forms that exist; the test's own take
    // their place afterwards.
    const auto main = gezeigt();
    for (const Fall &fall : faelle)
        anmeldungen.anmelden(fall.formular);
    main->FreigabenAktualisieren();

    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.punkt);
        TestRegister::zuruecksetzen();
        punkt(*main, QString::fromLatin1(fall.punkt))->trigger();
        EXPECT_EQ(TestRegister::sanduhrBeimErzeugen, fall.sanduhr);
        EXPECT_FALSE(TestRegister::sanduhrBeimZeigen);
        EXPECT_EQ(TestRegister::hinweiseBeimZeigen, fall.hinweise);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(main->StatusBar1->autoHint());
    }
}

// A family that asks first (Intrastat: arrivals or dispatches) and is
// cancelled there shows nothing; cursor and hints come back.
TEST_F(Menues, AnOpeningCancelledBeforeTheRegisterExistsShowsNothing)
{
    int gefragt = 0;
    anmeldungen.anmelden(Formular::Intrastat, [&](QWidget *) -> std::unique_ptr<QDialog> {
        ++gefragt;
        return nullptr;
    });
    const auto main = gezeigt();

    for (const char *name : {"mnuIntrastat", "pmIntrastat"}) {
        SCOPED_TRACE(name);
        punkt(*main, QString::fromLatin1(name))->trigger();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(main->StatusBar1->autoHint());
    }
    main->findChild<ui::SpeedButton *>(QStringLiteral("SpeedButton5"))->click();
    EXPECT_EQ(gefragt, 3);
    EXPECT_EQ(TestRegister::erzeugt, 0);
}

// A register that fails while it is created: the error goes on to the
// error dialog, and the clerk gets his cursor and hints back.
TEST_F(Menues, AFailingRegisterLeavesNoHourglassAndNoHintsOff)
{
    anmeldungen.anmelden(Formular::Lieferschein,
                         [](QWidget *) -> std::unique_ptr<QDialog> { throw std::runtime_error("kaputt"); });
    const auto main = starten();
    EXPECT_THROW(FormularOeffnen(Formular::Lieferschein, main.get(), main->StatusBar1), std::runtime_error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(main->StatusBar1->autoHint());

    // From the menu the error dialog tells the clerk, and the window goes on.
    const sys::ExceptionHandler vorher = sys::setExceptionHandler({});
    FehlerDialogEinrichten();
    QString meldung;
    formulare.whenShown<TExceptionDlg>([&](TExceptionDlg &dialog) {
        meldung = dialog.findChild<QLabel *>(QStringLiteral("lblMeldung"))->text();
        dialog.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    });
    main->show();
    punkt(*main, QStringLiteral("mnuLieferschein"))->trigger();
    sys::setExceptionHandler(vorher);
    EXPECT_EQ(meldung, QStringLiteral("kaputt"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(main->StatusBar1->autoHint());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(Menues, ContextMenuItemsTakeTheEnabledStateOfTheirButtonWhenTheMenuOpens)
{
    anmeldungen.anmelden(Formular::CMR);
    anmeldungen.anmelden(Formular::DPD);
    const auto main = starten();
    main->show();
    auto *knopf = main->findChild<ui::SpeedButton *>(QStringLiteral("SpeedButton3"));
    knopf->setEnabled(false);
    // A right click anywhere on the window opens it.
    QContextMenuEvent klick(QContextMenuEvent::Mouse, QPoint(5, 5), main->centralWidget()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(knopf->parentWidget(), &klick);
    ASSERT_TRUE(main->PopupMenu1->isVisible());
    EXPECT_FALSE(punkt(*main, QStringLiteral("pmCMR"))->isEnabled());
    EXPECT_TRUE(punkt(*main, QStringLiteral("pmDPD"))->isEnabled());
    EXPECT_FALSE(punkt(*main, QStringLiteral("pmDHL"))->isEnabled());
    main->PopupMenu1->hide();

    knopf->setEnabled(true);
    main->PopupMenu1->popup(QPoint(10, 10));
    EXPECT_TRUE(punkt(*main, QStringLiteral("pmCMR"))->isEnabled());
    main->PopupMenu1->hide();
}

// The kinds are looked up by position: the table must follow the enumeration.
TEST(Formulare, EveryFormHasItsKindInTheOrderOfTheEnumeration)
{
    const std::vector<FormularArt> &alle = alleFormulare();
    ASSERT_EQ(alle.size(), std::size_t(Formular::Zollstellen) + 1);
    for (std::size_t i = 0; i < alle.size(); ++i)
        EXPECT_EQ(std::size_t(alle[i].formular), i);
}

TEST_F(Menues, BeendenInTheContextMenuAsksBeforeTheProgramCloses)
{
    const auto main = starten();
    main->show();
    dialoge.answerMessage(QStringLiteral("Möchten Sie das Programm wirklich beenden ?"), ui::ModalResult::No);
    punkt(*main, QStringLiteral("pmBeenden"))->trigger();
    EXPECT_TRUE(main->isVisible());
}

// With the option "XP_Themes" the buttons are drawn with a frame.
TEST_F(Menues, TheThemesOptionFramesTheSpeedButtons)
{
    for (const bool themes : {false, true}) {
        ini().writeBool(QStringLiteral("XP_Themes"), themes);
        const auto main = starten();
        for (ui::SpeedButton *knopf : main->centralWidget()->findChildren<ui::SpeedButton *>())
            EXPECT_EQ(knopf->isFlat(), !themes) << knopf->objectName().toStdString();
    }
}

QStringList eintraegeVon(const QMenu *menu)
{
    QStringList texte;
    for (const QAction *action : menu->actions())
        texte << action->text();
    return texte;
}

TEST_F(Menues, ThePopUpsOfferTheirEntries)
{
    const auto main = starten();
    EXPECT_EQ(eintraegeVon(main->pmPaketkarte), (QStringList{QStringLiteral("Inland"), QStringLiteral("Ausland")}));
    QStringList dienste;
    for (const QString &text : eintraegeVon(main->pmPaketDienste)) {
        EXPECT_TRUE(text.endsWith(QLatin1Char(' '))) << text.toStdString();
        dienste << text.trimmed();
    }
    EXPECT_EQ(dienste, (QStringList{QStringLiteral("DHL - Frachtbrief"), QStringLiteral("DPD"),
                                    QStringLiteral("FedEx"), QStringLiteral("German Parcel"),
                                    QStringLiteral("TNT - Express Inland"), QStringLiteral("TNT WorldWide"),
                                    QStringLiteral("UPS - Frachtbrief")}));
}

// "&Paketkarte" from the main menu, the button or the context menu: the
// choice opens at the mouse pointer, not under the menu, and each of its
// entries opens its own register.
TEST_F(Menues, TheParcelCardChoiceOpensAtTheMousePointer)
{
    anmeldungen.anmelden(Formular::PaketInland);
    const auto main = gezeigt();

    const std::vector<std::pair<const char *, std::function<void()>>> wege = {
        {"mnuPaketkarte", [&] { punkt(*main, QStringLiteral("mnuPaketkarte"))->trigger(); }},
        {"SpeedButton9", [&] { main->findChild<ui::SpeedButton *>(QStringLiteral("SpeedButton9"))->click(); }},
        {"pmPaketkarte", [&] { punkt(*main, QStringLiteral("pmPaketkarte"))->trigger(); }},
    };
    QPoint zeiger(300, 200);
    for (const auto &[name, weg] : wege) {
        SCOPED_TRACE(name);
        zeiger += QPoint(15, 10);
        QCursor::setPos(zeiger);
        const QPoint gesetzt = QCursor::pos();

        weg();

        ASSERT_TRUE(main->pmPaketkarte->isVisible());
        EXPECT_LE((main->pmPaketkarte->pos() - gesetzt).manhattanLength(), 2);
        EXPECT_TRUE(punkt(*main, QStringLiteral("pmiInland"))->isEnabled());
        EXPECT_FALSE(punkt(*main, QStringLiteral("pmiAusland"))->isEnabled());
        main->pmPaketkarte->hide();
    }

    punkt(*main, QStringLiteral("pmiInland"))->trigger();
    EXPECT_EQ(TestRegister::erzeugt, 1);
    EXPECT_EQ(TestRegister::lebend, 0);

    // "Ausland" opens the foreign register, not the domestic one.
    int ausland = 0;
    anmeldungen.anmelden(Formular::PaketAusland, [&](QWidget *parent) -> std::unique_ptr<QDialog> {
        ++ausland;
        return std::make_unique<TestRegister>(parent);
    });
    main->FreigabenAktualisieren();
    TestRegister::zuruecksetzen();
    punkt(*main, QStringLiteral("pmiAusland"))->trigger();
    EXPECT_EQ(ausland, 1);
    EXPECT_EQ(TestRegister::erzeugt, 1);
    EXPECT_EQ(TestRegister::lebend, 0);
}

TEST_F(Menues, TheCarrierButtonTurnsTheHintsOnAndPopsUpTheCarrierList)
{
    anmeldungen.anmelden(Formular::UPS);
    const auto main = starten();
    main->show();
    main->StatusBar1->setAutoHint(false);

    main->findChild<ui::SpeedButton *>(QStringLiteral("SpeedButton17"))->click();

    EXPECT_TRUE(main->StatusBar1->autoHint());
    ASSERT_TRUE(main->pmPaketDienste->isVisible());
    main->pmPaketDienste->hide();
    punkt(*main, QStringLiteral("pmiUPS"))->trigger();
    EXPECT_EQ(TestRegister::erzeugt, 1);
    EXPECT_FALSE(punkt(*main, QStringLiteral("pmiDHL"))->isEnabled());
}

void maus(QWidget *widget, QEvent::Type art)
{
    if (art == QEvent::Enter) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
    }
}

TEST_F(Menues, TheStatusBarShowsWhatTheMouseIsOver)
{
    anmeldungen.anmelden(Formular::T5);
    const auto main = starten();
    main->show();
    auto *knopf = main->findChild<ui::SpeedButton *>(QStringLiteral("SpeedButton20"));

    maus(knopf, QEvent::Enter);
    EXPECT_EQ(main->StatusBar1->panelText(0),
              QStringLiteral("Versandanmeldung T1 / T2 - (0769 und 0770) / (0735 und 0736)"));
    maus(knopf, QEvent::Leave);
    EXPECT_EQ(main->StatusBar1->panelText(0), QString());

    maus(main->Label5, QEvent::Enter);
    EXPECT_EQ(main->StatusBar1->panelText(0),
              QStringLiteral("auf die Internetseite \"%1\" gehen").arg(main->Label5->text()));
    EXPECT_TRUE(main->Label5->font().underline());
    maus(main->Label5, QEvent::Leave);
    EXPECT_EQ(main->StatusBar1->panelText(0), QString());
    EXPECT_FALSE(main->Label5->font().underline());

    maus(main->Label1, QEvent::Enter);
    EXPECT_TRUE(main->StatusBar1->panelText(0).startsWith(QStringLiteral("E-Mail an ")));
    EXPECT_TRUE(main->StatusBar1->panelText(0).contains(QLatin1Char('@')));
    maus(main->Label1, QEvent::Leave);

    main->PopupMenu1->popup(QPoint(10, 10));
    main->PopupMenu1->setActiveAction(punkt(*main, QStringLiteral("pmBeenden")));
    EXPECT_EQ(main->StatusBar1->panelText(0), QStringLiteral("Programm beenden"));
    auto *razazu = main->findChild<QMenu *>(QStringLiteral("pmRazazuPapiere"));
    main->PopupMenu1->setActiveAction(razazu->menuAction());
    razazu->setActiveAction(punkt(*main, QStringLiteral("pmT5")));
    EXPECT_EQ(main->StatusBar1->panelText(0), QStringLiteral("Einheitspapier T5 erfassen"));
    razazu->hide();
    main->PopupMenu1->hide();

    // Menu-bar items show their hints without help.
    auto *dienste = main->findChild<QMenu *>(QStringLiteral("mnuDienste"));
    main->menuBar()->setActiveAction(dienste->menuAction());
    dienste->setActiveAction(punkt(*main, QStringLiteral("mnuReorganisation")));
    EXPECT_EQ(main->StatusBar1->panelText(0), QStringLiteral("Wiederherstellung von defekten Datenbanken"));
    dienste->hide();
}

// "&Sprachen": after OK the five names go into the language table in its
// order; a dialog closed otherwise changes nothing.
TEST_F(Menues, TheLanguageNamesAreCopiedOnlyAfterOk)
{
    const auto main = starten();
    const auto sprachenLesen = [&] {
        db::Table sprachen(main->Database1, QStringLiteral("S_SPRACH"));
        sprachen.open();
        QStringList namen;
        for (sprachen.first(); !sprachen.eof(); sprachen.next())
            namen << sprachen.fieldByName(QStringLiteral("Sprache")).asString();
        return namen;
    };
    const QStringList vorher = sprachenLesen();
    const QStringList neu = {QStringLiteral("Deutsch"), QStringLiteral("Englisch"), QStringLiteral("Französisch"),
                             QStringLiteral("Portugiesisch"), QStringLiteral("Spanisch")};
    // What typing into the five edits does to the parameter record.
    const auto eintippen = [&](Tfrmsprachen &) {
        main->tbParameter->edit();
        for (int i = 0; i < 5; ++i)
            main->tbParameter->fieldByName(QStringLiteral("Sprache%1").arg(i + 1)).setAsString(neu.at(i));
    };

    formulare.whenShown<Tfrmsprachen>([&](Tfrmsprachen &dialog) {
        eintippen(dialog);
        dialog.close();
    });
    punkt(*main, QStringLiteral("mnuSprachen"))->trigger();
    EXPECT_EQ(sprachenLesen(), vorher);
    EXPECT_EQ(main->tbParameter->state(), db::DatasetState::Browse);

    formulare.whenShown<Tfrmsprachen>([&](Tfrmsprachen &dialog) {
        eintippen(dialog);
        dialog.SpeedButton1->click();
    });
    punkt(*main, QStringLiteral("mnuSprachen"))->trigger();
    EXPECT_EQ(sprachenLesen(), neu);
    EXPECT_EQ(main->tbParameter->fieldByName(QStringLiteral("Sprache3")).asString(), QStringLiteral("Französisch"));
}

// The names go to the rows in the order of the language letter, one name
// per row: a short table gets only as many names as it has rows (its last
// row keeps the name of its own language), rows after the fifth keep theirs.
TEST_F(Menues, TheLanguageCopyGivesEachRowTheNameOfItsOwnLanguage)
{
    struct Fall
    {
        QStringList buchstaben;   // the rows of S_SPRACH
        QStringList erwartet;     // their names after the copy
    };
    const QStringList neu = {QStringLiteral("Deutsch"), QStringLiteral("Englisch"), QStringLiteral("Französisch"),
                             QStringLiteral("Portugiesisch"), QStringLiteral("Spanisch")};
    const Fall faelle[] = {
        {{QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f")}, neu.mid(0, 3)},
        {{QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("p"), QStringLiteral("s"),
          QStringLiteral("x")},
         neu + QStringList{QStringLiteral("Sonstige")}},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.buchstaben.join(QLatin1Char(',')).toStdString());
        const auto main = starten();
        {
            db::Table sprachen(main->Database1, QStringLiteral("S_SPRACH"));
            sprachen.open();
            while (!sprachen.isEmpty()) {
                sprachen.first();
                sprachen.remove();
            }
            for (const QString &buchstabe : fall.buchstaben) {
                sprachen.append();
                sprachen.fieldByName(QStringLiteral("Skz")).setAsString(buchstabe);
                sprachen.fieldByName(QStringLiteral("Sprache")).setAsString(QStringLiteral("Sonstige"));
                sprachen.post();
            }
        }
        formulare.whenShown<Tfrmsprachen>([&](Tfrmsprachen &dialog) {
            main->tbParameter->edit();
            for (int i = 0; i < 5; ++i)
                main->tbParameter->fieldByName(QStringLiteral("Sprache%1").arg(i + 1)).setAsString(neu.at(i));
            dialog.SpeedButton1->click();
        });
        punkt(*main, QStringLiteral("mnuSprachen"))->trigger();

        db::Table sprachen(main->Database1, QStringLiteral("S_SPRACH"));
        sprachen.open();
        QStringList namen;
        for (sprachen.first(); !sprachen.eof(); sprachen.next())
            namen << sprachen.fieldByName(QStringLiteral("Sprache")).asString();
        EXPECT_EQ(namen, fall.erwartet);
    }
}

// Each service item and "I&nfo" opens its dialog modally over the main
// window and frees it; only the users form turns the automatic hints off.
TEST_F(Menues, EveryServiceItemOpensItsDialogAndFreesIt)
{
    const auto main = starten();
    main->show();
    struct Fall
    {
        const char *punkt;
        std::function<void(const std::function<void(ui::Form &)> &)> erwarten;
        bool hinweise;
    };
    const auto dialog = [this]<typename Form>(std::type_identity<Form>) {
        return [this](const std::function<void(ui::Form &)> &aktion) {
            formulare.whenShown<Form>([aktion](Form &form) { aktion(form); });
        };
    };
    const Fall faelle[] = {
        {"mnuBenutzer", dialog(std::type_identity<TfrmBenutzer>()), false},
        {"mnuParameter", dialog(std::type_identity<TfrmParameter>()), true},
        {"mnuFirmendaten", dialog(std::type_identity<TfrmAuftr_de>()), true},
        {"mnuSprachen", dialog(std::type_identity<Tfrmsprachen>()), true},
        {"mnuUebersetzungen", dialog(std::type_identity<Tfrmuebersetzungen>()), true},
        {"mnuOptionen", dialog(std::type_identity<TfrmOptionen>()), true},
        {"mnuInfo", dialog(std::type_identity<TAboutBox>()), true},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.punkt);
        QPointer<ui::Form> gezeigt;
        bool modal = false;
        bool hinweise = !fall.hinweise;
        fall.erwarten([&](ui::Form &form) {
            gezeigt = &form;
            modal = form.isModal();
            hinweise = main->StatusBar1->autoHint();
            form.setModalResult(ui::ModalResult::Cancel);
        });
        punkt(*main, QString::fromLatin1(fall.punkt))->trigger();
        EXPECT_TRUE(modal);
        EXPECT_EQ(hinweise, fall.hinweise);
        EXPECT_TRUE(gezeigt.isNull());
        EXPECT_TRUE(main->StatusBar1->autoHint());
        EXPECT_EQ(main->tbParameter->state(), db::DatasetState::Browse);
    }
}

TEST_F(Menues, TheButtonShadowLiesBehindSpeedButtonsOnly)
{
    QWidget form;
    form.resize(200, 100);
    ui::SpeedButton knopf(QStringLiteral("SpeedButton1"), QStringLiteral("OK"), &form);
    knopf.setGeometry(10, 20, 50, 21);
    QLabel label(QStringLiteral("Text"), &form);
    label.setGeometry(100, 20, 50, 21);

    QImage leinwand(200, 100, QImage::Format_RGB32);
    leinwand.fill(Qt::white);
    QPainter painter(&leinwand);
    painter.setBrush(Qt::red);
    TfrmMain::ButtonSchatten(painter, &knopf, Qt::black, 3);
    TfrmMain::ButtonSchatten(painter, &label, Qt::black, 3);
    EXPECT_EQ(painter.brush().color(), QColor(Qt::red));
    painter.end();

    EXPECT_EQ(leinwand.pixelColor(13, 23), QColor(Qt::black));
    EXPECT_EQ(leinwand.pixelColor(62, 43), QColor(Qt::black));
    EXPECT_EQ(leinwand.pixelColor(12, 23), QColor(Qt::white));
    EXPECT_EQ(leinwand.pixelColor(63, 43), QColor(Qt::white));
    EXPECT_EQ(leinwand.pixelColor(13, 44), QColor(Qt::white));
    EXPECT_EQ(leinwand.pixelColor(110, 30), QColor(Qt::white));
}

} // namespace
