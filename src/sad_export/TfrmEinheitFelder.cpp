#include "sad_export/Ausfuhranmeldung.h"

using namespace Qt::StringLiterals;

// The boxes of the export declaration's entry form in tab order, as the
// paper form numbers them.
QList<Eingabefeld> EinheitFelder()
{
    using E = Eingabefeld;
    const QString ae = QStringLiteral("AE-Nummer (Bei Druck auf weißem Papier, nicht ausfüllen!!)");
    const QString k1 = QStringLiteral("1 Anmeldung");
    const QString k2 = QStringLiteral("2 Versender / Ausführer");
    const QString k3 = QStringLiteral("3 Vordrucke / 5 Positionen");
    const QString k7 = QStringLiteral("7 Bezugsnummer");
    const QString k8 = QStringLiteral("8 Empfänger");
    const QString k9 = QStringLiteral("9 Verantwortlicher für den Zahlungsverkehr");
    const QString k14 = QStringLiteral("14 Anmelder / Vertreter");
    const QString k17 = QStringLiteral("17a / 17 Bestimmungsland");
    const QString k19 = QStringLiteral("19 Container");
    const QString k20 = QStringLiteral("20 Lieferbedingungen");
    const QString k21 = QStringLiteral("21 Kennzeichen und Staatszugehörigkeit des aktiven Beförderungsmittels");
    const QString k22 = QStringLiteral("22 Währung und in Rechnung gestellter Betrag");
    const QString k24 = QStringLiteral("24 Art des Geschäfts");
    const QString k25 = QStringLiteral("25 Verkehrszweig an der Grenze");
    const QString k26 = QStringLiteral("26 Inländischer Verkehrszweig");
    const QString k29 = QStringLiteral("29 Ausgangszollstelle");
    const QString k31 = QStringLiteral("31 Packstücke und Warenbezeichnung");
    const QString k44 = QStringLiteral("44 Besondere Vermerke");
    const QString kb = QStringLiteral("B Angaben für Verbuchungszwecke");
    const QString knv = QStringLiteral("ECS/AES Notfallverfahren (Stempel wird ausgedruckt wenn beide Felder ausgefülltsind.)");
    const QString k49 = QStringLiteral("49 Bezeichnung des Lagers");
    const QString k54 = QStringLiteral("54 Ort und Datum, Unterschrift und Name des Anmelders / Vertreters");
    const QString kd = QStringLiteral("D Prüfung durch die Abgangsstelle");
    const QString k0 = QStringLiteral("Angaben für den Stempel des Zollamtes");
    const QString versteckt = QStringLiteral("verborgen");

    const QString h2 = mitUebernahme(QStringLiteral("2 Versender / Ausführer"));
    const QString h8 = mitUebernahme(QStringLiteral("8 Empfänger"));
    const QString h14 = QStringLiteral("14 Anmelder / Vertreter");
    const QString h21 = mitUebernahme(
        QStringLiteral("21 Kennzeichen und Staatsangehörigkeit des Grenzüberschreitenden aktiven Beförderungsmittel"));
    const QString h24 = mitUebernahme(QStringLiteral("24 Art des Geschäfts"));
    const QString hb = QStringLiteral("B) Angaben für Verbuchungszwecke");
    const QString h54 = QStringLiteral("54 Unterschrift und Name des Anmelders / Vertreters");

    return {
        E{.steuerelement = u"DBEdit71"_s, .feld = u"AENR"_s, .kasten = ae, .platz = {640, 20, 1145, 95}, .hilfe = h2,
          .auswahl = u"sbFeld2"_s},
        E{.steuerelement = u"DBEdit3"_s, .feld = u"F1_1"_s, .kasten = k1, .platz = {1145, 60, 1450, 180},
          .hilfe = mitUebernahme(k1), .auswahl = u"sbFeld1"_s, .blaettern = Blaettern::NachOben},
        E{.steuerelement = u"DBEdit9"_s, .feld = u"f1_2"_s, .kasten = k1, .hilfe = mitUebernahme(k1),
          .auswahl = u"sbFeld1_2"_s, .nebenVorigem = true, .blaettern = Blaettern::NachOben},
        E{.steuerelement = u"DBEdit30"_s, .feld = u"F2_0"_s, .kasten = k2, .platz = {220, 95, 1145, 350}, .hilfe = h2,
          .auswahl = u"sbFeld2"_s},
        E{.steuerelement = u"DBEdit25"_s, .feld = u"F2_1"_s, .kasten = k2, .hilfe = h2, .auswahl = u"sbFeld2"_s},
        E{.steuerelement = u"DBEdit26"_s, .feld = u"F2_2"_s, .kasten = k2, .hilfe = h2, .auswahl = u"sbFeld2"_s},
        E{.steuerelement = u"DBEdit27"_s, .feld = u"F2_3"_s, .kasten = k2, .hilfe = h2, .auswahl = u"sbFeld2"_s},
        E{.steuerelement = u"DBEdit28"_s, .feld = u"F2_4"_s, .kasten = k2, .hilfe = h2, .auswahl = u"sbFeld2"_s},
        E{.steuerelement = u"DBEdit29"_s, .feld = u"F2_5"_s, .kasten = k2, .hilfe = h2, .auswahl = u"sbFeld2"_s},
        E{.steuerelement = u"DBEdit31"_s, .feld = u"F7"_s, .kasten = k7, .platz = {1505, 270, 2040, 350}, .hilfe = k7},
        E{.steuerelement = u"DBEdit4"_s, .feld = u"F8_0"_s, .kasten = k8, .platz = {220, 350, 1145, 605}, .hilfe = h8,
          .auswahl = u"sbFeld8"_s},
        E{.steuerelement = u"DBEdit6"_s, .feld = u"F8_1"_s, .kasten = k8, .hilfe = h8, .auswahl = u"sbFeld8"_s},
        E{.steuerelement = u"DBEdit32"_s, .feld = u"F8_2"_s, .kasten = k8, .hilfe = h8, .auswahl = u"sbFeld8"_s},
        E{.steuerelement = u"DBEdit33"_s, .feld = u"F8_3"_s, .kasten = k8, .hilfe = h8, .auswahl = u"sbFeld8"_s},
        E{.steuerelement = u"DBEdit36"_s, .feld = u"F8_4"_s, .kasten = k8, .hilfe = h8, .auswahl = u"sbFeld8"_s},
        E{.steuerelement = u"DBEdit37"_s, .feld = u"F8_5"_s, .kasten = k8, .hilfe = h8, .auswahl = u"sbFeld8"_s},
        E{.steuerelement = u"DBEdit68"_s, .feld = u"F9_1"_s, .kasten = k9, .platz = {1145, 350, 2040, 520}},
        E{.steuerelement = u"DBEdit69"_s, .feld = u"F9_2"_s, .kasten = k9},
        E{.steuerelement = u"DBEdit70"_s, .feld = u"F9_3"_s, .kasten = k9},
        E{.steuerelement = u"DBEdit35"_s, .feld = u"F14_0"_s, .kasten = k14, .platz = {220, 605, 1145, 775},
          .hilfe = h14},
        E{.steuerelement = u"DBEdit34"_s, .feld = u"F14_1"_s, .kasten = k14, .hilfe = h14},
        E{.steuerelement = u"DBEdit38"_s, .feld = u"F14_2"_s, .kasten = k14, .hilfe = h14},
        E{.steuerelement = u"DBEdit39"_s, .feld = u"F14_3"_s, .kasten = k14, .hilfe = h14},
        E{.steuerelement = u"DBEdit11"_s, .feld = u"F17_1"_s, .kasten = k17, .platz = {1600, 605, 2040, 775},
          .hilfe = mitUebernahme(QStringLiteral("17 Bestimmungsland-Code")), .auswahl = u"sbFeld17"_s},
        E{.steuerelement = u"DBEdit40"_s, .feld = u"F17_2"_s, .kasten = k17,
          .hilfe = QStringLiteral("17 Bestimmungsland - (Übernahmemöglichkeit über Feld 17)"), .nebenVorigem = true,
          .blaettern = Blaettern::ScrollDelta},
        E{.steuerelement = u"DBEdit41"_s, .feld = u"F19"_s, .kasten = k19, .platz = {1035, 775, 1145, 860},
          .hilfe = k19},
        E{.steuerelement = u"DBEdit56"_s, .feld = u"f20_1"_s, .kasten = k20, .platz = {1145, 775, 2040, 860},
          .hilfe = mitUebernahme(k20), .auswahl = u"sbFeld20"_s},
        E{.steuerelement = u"DBEdit42"_s, .feld = u"F20_2"_s, .kasten = k20, .hilfe = k20, .nebenVorigem = true},
        E{.steuerelement = u"DBEdit10"_s, .feld = u"F21_1"_s, .kasten = k21, .platz = {220, 860, 1145, 940},
          .hilfe = h21, .auswahl = u"sbFeld21"_s},
        E{.steuerelement = u"DBEdit44"_s, .feld = u"F21_2"_s, .kasten = k21, .hilfe = h21,
          .auswahl = u"sbFeld21Lkz"_s, .nebenVorigem = true},
        E{.steuerelement = u"DBEdit43"_s, .feld = u"F22_1"_s, .kasten = k22, .platz = {1145, 860, 1600, 940},
          .hilfe = mitUebernahme(k22), .auswahl = u"sbFeld22"_s},
        E{.steuerelement = u"DBEdit45"_s, .feld = u"F22_2"_s, .kasten = k22, .hilfe = k22, .nebenVorigem = true},
        E{.steuerelement = u"DBEdit46"_s, .feld = u"F24_1"_s, .kasten = k24, .platz = {1830, 860, 2040, 940},
          .hilfe = h24, .auswahl = u"sbFeld24"_s},
        E{.steuerelement = u"DBEdit47"_s, .feld = u"F24_2"_s, .kasten = k24, .hilfe = h24, .auswahl = u"sbFeld24"_s,
          .nebenVorigem = true},
        E{.steuerelement = u"DBEdit48"_s, .feld = u"F25"_s, .kasten = k25, .platz = {220, 940, 445, 1030},
          .hilfe = mitUebernahme(QStringLiteral("25 Verkehrszweig an der Grenze")), .auswahl = u"sbFeld25"_s},
        E{.steuerelement = u"DBEdit49"_s, .feld = u"F26"_s, .kasten = k26, .platz = {445, 940, 680, 1030},
          .hilfe = mitUebernahme(k26), .auswahl = u"sbFeld26"_s},
        E{.steuerelement = u"DBEdit13"_s, .feld = u"F29"_s, .kasten = k29, .platz = {220, 1030, 680, 1110},
          .hilfe = mitUebernahme(QStringLiteral("29 Abgangszollstelle")), .auswahl = u"sbFeld29"_s},
        E{.steuerelement = u"DBGrid1"_s, .feld = {}, .kasten = k31, .platz = {220, 1110, 2040, 1480},
          .hilfe = QStringLiteral("31 Packstücke und Warenbezeichnung - (Positionen-erfassung)"),
          .art = Feldart::Positionsliste, .quelle = Datenquelle::Positionen},
        E{.steuerelement = u"DBEdit23"_s, .feld = u"f44_5"_s, .kasten = k44, .platz = {220, 1480, 1370, 1705}},
        E{.steuerelement = u"DBEdit24"_s, .feld = u"f44_6"_s, .kasten = k44},
        E{.steuerelement = u"DBEdit72"_s, .feld = u"F44_7"_s, .kasten = k44},
        E{.steuerelement = u"DBEdit51"_s, .feld = u"fb1"_s, .kasten = kb, .platz = {1130, 1790, 2040, 2140},
          .hilfe = hb},
        E{.steuerelement = u"DBEdit52"_s, .feld = u"fb2"_s, .kasten = kb, .hilfe = hb},
        E{.steuerelement = u"DBEdit53"_s, .feld = u"fb3"_s, .kasten = kb, .hilfe = hb},
        E{.steuerelement = u"DBEdit54"_s, .feld = u"fb4"_s, .kasten = kb, .hilfe = hb},
        E{.steuerelement = u"DBEdit8"_s, .feld = u"NV_AM"_s, .kasten = knv, .platz = {1450, 2140, 2040, 2475},
          .hilfe = hb},
        E{.steuerelement = u"DBEdit12"_s, .feld = u"NV_TicketNr"_s, .kasten = knv, .hilfe = hb, .nebenVorigem = true},
        E{.steuerelement = u"DBEdit18"_s, .feld = u"f49"_s, .kasten = k49, .platz = {1600, 1705, 2040, 1790},
          .hilfe = k49},
        E{.steuerelement = u"DBEdit55"_s, .feld = u"f54_1"_s, .kasten = k54, .platz = {1370, 2560, 2040, 2900},
          .hilfe = QStringLiteral("54 Ort und Datum")},
        E{.steuerelement = u"DBEdit16"_s, .feld = u"f54_2"_s, .kasten = k54, .hilfe = h54},
        E{.steuerelement = u"DBEdit19"_s, .feld = u"f54_3"_s, .kasten = k54, .hilfe = h54},
        E{.steuerelement = u"DBEdit17"_s, .feld = u"f54_4"_s, .kasten = k54, .hilfe = h54},
        E{.steuerelement = u"DBEdit20"_s, .feld = u"F54_5"_s, .kasten = k54, .hilfe = h54},
        E{.steuerelement = u"DBEdit63"_s, .feld = u"FD_1"_s, .kasten = kd, .platz = {220, 2560, 1370, 2900},
          .hilfe = QStringLiteral("54 Ort und Datum")},
        E{.steuerelement = u"DBEdit64"_s, .feld = u"FD_2"_s, .kasten = kd, .hilfe = QStringLiteral("54 Ort und Datum")},
        E{.steuerelement = u"DBEdit65"_s, .feld = u"FD_3"_s, .kasten = kd, .hilfe = QStringLiteral("54 Ort und Datum")},
        E{.steuerelement = u"DBEdit66"_s, .feld = u"FD_4"_s, .kasten = kd, .hilfe = QStringLiteral("54 Ort und Datum")},
        E{.steuerelement = u"DBEdit67"_s, .feld = u"FD_5"_s, .kasten = kd, .hilfe = QStringLiteral("54 Ort und Datum")},
        E{.steuerelement = u"DBEdit61"_s, .feld = u"F0_1"_s, .kasten = k0, .platz = {1450, 20, 2040, 270}, .hilfe = k7},
        E{.steuerelement = u"DBEdit62"_s, .feld = u"F0_2"_s, .kasten = k0, .hilfe = k7, .nebenVorigem = true},
        E{.steuerelement = u"DBEdit57"_s, .feld = u"f3_1"_s, .kasten = k3, .platz = {1145, 180, 1300, 350},
          .nurLesen = true},
        E{.steuerelement = u"DBEdit58"_s, .feld = u"f3_2"_s, .kasten = k3, .nurLesen = true, .nebenVorigem = true},
        E{.steuerelement = u"DBEdit59"_s, .feld = u"F5"_s, .kasten = k3, .nurLesen = true, .nebenVorigem = true},
        // Boxes only transfers fill; the form carries them unseen.
        E{.steuerelement = u"DBEdit1"_s, .feld = u"f11_1"_s, .kasten = versteckt, .verborgen = true},
        E{.steuerelement = u"DBEdit2"_s, .feld = u"f16"_s, .kasten = versteckt, .verborgen = true},
        E{.steuerelement = u"DBEdit5"_s, .feld = u"f44_0"_s, .kasten = versteckt, .verborgen = true},
        E{.steuerelement = u"DBEdit7"_s, .feld = u"f44_1"_s, .kasten = versteckt, .verborgen = true},
        E{.steuerelement = u"DBEdit14"_s, .feld = u"f44_2"_s, .kasten = versteckt, .verborgen = true},
        E{.steuerelement = u"DBEdit15"_s, .feld = u"f44_3"_s, .kasten = versteckt, .verborgen = true},
        E{.steuerelement = u"DBEdit21"_s, .feld = u"f44_4"_s, .kasten = versteckt, .verborgen = true},
        E{.steuerelement = u"DBEdit22"_s, .feld = u"f44_10"_s, .kasten = versteckt, .verborgen = true},
        E{.steuerelement = u"DBCheckBox1"_s, .feld = u"F44_11"_s, .kasten = versteckt,
          .art = Feldart::Kontrollkaestchen, .verborgen = true, .wahr = u"j"_s, .falsch = u"n"_s},
        E{.steuerelement = u"DBMemo1"_s, .feld = u"Memo_1"_s, .kasten = versteckt, .art = Feldart::Memo,
          .quelle = Datenquelle::Parameter, .verborgen = true},
    };
}

// The lookups: the country picker and the code-table pickers write by Tag
// themselves; the others hand back columns that go into the boxes. The
// country picker starts on the box's code and lists the countries by name.
QList<Auswahlbindung> EinheitAuswahlen()
{
    using A = Auswahlbindung;
    const QStringList kunde{u"Name1"_s, u"Name2"_s, u"Name3"_s, u"Strasse"_s, u"Ort"_s};
    auto adresse = [&kunde](const QStringList &edits) { return zeilenweise(kunde, edits); };
    return {
        A{.knopf = u"sbFeld1"_s, .auswahl = u"AuswahlLand"_s, .nebenSteuerelement = u"DBEdit9"_s, .tag = 1,
          .index = u"LKZ"_s, .listenordnung = u"Bez"_s, .startSteuerelement = u"DBEdit3"_s,
          .titelZusatz = u"  (Feld: 1)"_s},
        A{.knopf = u"sbFeld1_2"_s, .auswahl = u"AuswahlVerfahren"_s, .nebenSteuerelement = u"DBEdit9"_s,
          .zuordnungen = {{u"DBEdit9"_s, {u"Verfahr"_s}}}, .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit30"_s},
        A{.knopf = u"sbFeld2"_s, .auswahl = u"AuswahlKunde"_s, .nebenSteuerelement = u"DBEdit30"_s,
          .zuordnungen = adresse({u"DBEdit25"_s, u"DBEdit26"_s, u"DBEdit27"_s, u"DBEdit28"_s, u"DBEdit29"_s}),
          .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit4"_s},
        A{.knopf = u"sbFeld8"_s, .auswahl = u"AuswahlKunde"_s, .nebenSteuerelement = u"DBEdit4"_s,
          .zuordnungen = adresse({u"DBEdit6"_s, u"DBEdit32"_s, u"DBEdit33"_s, u"DBEdit36"_s, u"DBEdit37"_s}),
          .fokus = FokusDanach::Unveraendert},
        A{.knopf = u"sbFeld17"_s, .auswahl = u"AuswahlLand"_s, .nebenSteuerelement = u"DBEdit11"_s, .tag = 17,
          .index = u"LKZ"_s, .listenordnung = u"Bez"_s, .titelZusatz = u"  (Feld: 17)"_s},
        A{.knopf = u"sbFeld17Bez"_s, .auswahl = u"AuswahlLand"_s, .nebenSteuerelement = u"DBEdit40"_s, .tag = 1701,
          .index = u"Bez"_s, .titelZusatz = u"  (Feld: 17)"_s},
        A{.knopf = u"sbFeld20"_s, .auswahl = u"AuswahlLieferbedingung"_s, .nebenSteuerelement = u"DBEdit56"_s,
          .zuordnungen = {{u"DBEdit56"_s, {u"Lieferb"_s}}}, .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit10"_s},
        A{.knopf = u"sbFeld21"_s, .auswahl = u"AuswahlVerkehrszweig"_s, .nebenSteuerelement = u"DBEdit10"_s,
          .tag = 21, .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit44"_s},
        A{.knopf = u"sbFeld21Lkz"_s, .auswahl = u"AuswahlLand"_s, .nebenSteuerelement = u"DBEdit44"_s, .tag = 211,
          .index = u"LKZ"_s, .listenordnung = u"Bez"_s, .titelZusatz = u"  (Feld: 21)"_s},
        A{.knopf = u"sbFeld22"_s, .auswahl = u"AuswahlLand"_s, .nebenSteuerelement = u"DBEdit43"_s, .tag = 22,
          .index = u"LKZ"_s, .listenordnung = u"Bez"_s, .titelZusatz = u"  (Feld: 22)"_s},
        A{.knopf = u"sbFeld24"_s, .auswahl = u"AuswahlGeschaeftsart"_s, .nebenSteuerelement = u"DBEdit47"_s,
          .tag = 24, .startSteuerelement = u"DBEdit46"_s, .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit48"_s},
        A{.knopf = u"sbFeld25"_s, .auswahl = u"AuswahlVerkehrszweig"_s, .nebenSteuerelement = u"DBEdit48"_s,
          .tag = 25, .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit49"_s},
        A{.knopf = u"sbFeld26"_s, .auswahl = u"AuswahlVerkehrszweig"_s, .nebenSteuerelement = u"DBEdit49"_s,
          .tag = 26, .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit13"_s},
        A{.knopf = u"sbFeld29"_s, .auswahl = u"AuswahlZollstelle"_s, .nebenSteuerelement = u"DBEdit13"_s,
          .tag = 29, .fokus = FokusDanach::Ziel, .fokusZiel = u"DBGrid1"_s},
        A{.knopf = u"sbFeld44"_s, .auswahl = u"InfoFeld44"_s, .nebenSteuerelement = u"DBEdit23"_s,
          .fokus = FokusDanach::Unveraendert, .buchen = false,
          .hinweis = QStringLiteral("Information zu Feld 44 - Keine Übernahme ")},
    };
}
