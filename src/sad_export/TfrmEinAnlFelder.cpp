#include "common/Programmzustand.h"
#include "sad_export/Ausfuhranmeldung.h"

using namespace Qt::StringLiterals;

QString Feld44Kasten()
{
    return QStringLiteral("44 Besondere Vermerke / Vorgelegte Unterlagen / Bescheinigungen und Genehmigungen");
}

// The boxes of one item in tab order, each at its ruling rectangle in the
// item part of sheet 1 (form 0733); RET-EXP where its mark is printed.
QList<Eingabefeld> PositionFelder()
{
    using E = Eingabefeld;
    const auto P = Datenquelle::Positionen;
    const QString k31 = QStringLiteral("31 Packstücke und Warenbezeichnung");
    const QString h31 = mitUebernahme(k31);
    const QString h37 = mitUebernahme(QStringLiteral("37 Verfahren"));
    const QString k44 = Feld44Kasten();
    const QString versteckt = QStringLiteral("verborgen");
    QList<Eingabefeld> felder{
        E{.steuerelement = u"DBEdit30"_s, .feld = u"pos"_s, .kasten = QStringLiteral("32 Positionsnr."),
          .platz = {1250, 1110, 1370, 1200}, .quelle = P, .nurLesen = true, .maxZeichen = 2},
        E{.steuerelement = u"DBEdit25"_s, .feld = u"F31_1"_s, .kasten = k31, .platz = {220, 1110, 1250, 1480},
          .hilfe = h31, .auswahl = u"sbPackst"_s, .quelle = P},
    };
    const QStringList beschreibung{u"DBEdit26"_s, u"DBEdit27"_s, u"DBEdit28"_s, u"DBEdit11"_s,
                                   u"DBEdit9"_s,  u"DBEdit10"_s, u"DBEdit29"_s, u"DBEdit13"_s};
    for (int i = 0; i < beschreibung.size(); ++i)
        felder << E{.steuerelement = beschreibung[i], .feld = QStringLiteral("F31_%1").arg(i + 2), .kasten = k31,
                    .hilfe = h31, .auswahl = u"sbWare"_s, .quelle = P};
    felder << QList<Eingabefeld>{
        E{.steuerelement = u"DBEdit6"_s, .feld = u"F33_1"_s, .kasten = QStringLiteral("33 Warennummer"),
          .platz = {1370, 1110, 2040, 1200},
          .hilfe = QStringLiteral("Statistische Warennummer - (Übernahmemöglichkeit über Feld 31)"), .quelle = P},
        E{.steuerelement = u"DBEdit7"_s, .feld = u"F34_2"_s, .kasten = QStringLiteral("34b Ursprungsregion"),
          .platz = {1370, 1200, 1600, 1285},
          .hilfe = QStringLiteral("34 Ursprungs-Bundesland - (hier besteht eine Übernahmemöglichkeit"),
          .auswahl = u"sbBundesland"_s, .quelle = P},
        E{.steuerelement = u"DBEdit1"_s, .feld = u"F35_1"_s, .kasten = QStringLiteral("35 Rohmasse (kg)"),
          .platz = {1600, 1200, 2040, 1285}, .hilfe = QStringLiteral("35 Rohmasse der Ware"), .quelle = P},
        E{.steuerelement = u"DBEdit2"_s, .feld = u"f37_1"_s, .kasten = QStringLiteral("37 Verfahren"),
          .platz = {1370, 1285, 1600, 1370}, .hilfe = h37, .auswahl = u"sbVerfahren2"_s, .quelle = P},
        E{.steuerelement = u"DBEdit3"_s, .feld = u"f37_2"_s, .kasten = QStringLiteral("37 Verfahren"), .hilfe = h37,
          .auswahl = u"sbVerfahren2"_s, .quelle = P, .nebenVorigem = true},
        E{.steuerelement = u"DBEdit4"_s, .feld = u"F38"_s, .kasten = QStringLiteral("38 Eigenmasse (kg)"),
          .platz = {1600, 1285, 1910, 1370}, .hilfe = QStringLiteral("38 Eigenmasse der Ware"), .quelle = P},
        E{.steuerelement = u"DBEdit12"_s, .feld = u"F40"_s,
          .kasten = QStringLiteral("40 Summarische Anmeldung / Vorpapier"), .platz = {1370, 1370, 2040, 1455},
          .hilfe = mitUebernahme(QStringLiteral("40 Summarische Anmeldung / Vorpapier")), .quelle = P},
        E{.steuerelement = u"DBEdit18"_s, .feld = u"F41_1"_s, .kasten = QStringLiteral("41 Besondere Maßeinheit"),
          .platz = {1370, 1455, 1680, 1540}, .hilfe = QStringLiteral("41 Besondere Masseinheit"), .quelle = P},
        E{.steuerelement = u"DBEdit19"_s, .feld = u"F46"_s, .kasten = QStringLiteral("46 Statistischer Wert"),
          .platz = {1680, 1620, 2040, 1705},
          .hilfe = QStringLiteral("46 Statistischer Wert in vollen EUR"), .quelle = P},
        E{.steuerelement = u"DBCheckBox2"_s, .feld = u"RET"_s, .kasten = QStringLiteral("RET-EXP"),
          .platz = {1370, 1540, 1680, 1705},
          .hilfe = QStringLiteral("RET-EXP"), .art = Feldart::Kontrollkaestchen, .quelle = P,
          .beschriftung = QStringLiteral("RET-EXP")},
    };
    int zeile = 1;
    for (const QString &name : {u"DBEdit8"_s, u"DBEdit20"_s, u"DBEdit21"_s, u"DBEdit22"_s, u"DBEdit23"_s})
        felder << E{.steuerelement = name, .feld = QStringLiteral("F44_%1").arg(zeile++), .kasten = k44,
                    .platz = {220, 1480, 1370, 1705}, .hilfe = k44, .quelle = P};
    felder << QList<Eingabefeld>{
        E{.steuerelement = u"DBEdit5"_s, .feld = u"F34_1"_s, .kasten = versteckt, .quelle = P, .verborgen = true},
        E{.steuerelement = u"DBCheckBox1"_s, .feld = u"F44_10"_s, .kasten = versteckt,
          .art = Feldart::Kontrollkaestchen, .quelle = P, .verborgen = true, .wahr = u"i"_s, .falsch = u"n"_s},
        E{.steuerelement = u"DBCheckBox3"_s, .feld = u"F44_11"_s, .kasten = versteckt,
          .art = Feldart::Kontrollkaestchen, .quelle = P, .verborgen = true, .wahr = u"i"_s, .falsch = u"n"_s},
    };
    return felder;
}

QList<Auswahlbindung> PositionAuswahlen()
{
    using A = Auswahlbindung;
    QList<Zuordnung> ware;
    const QStringList beschreibung{u"DBEdit26"_s, u"DBEdit27"_s, u"DBEdit28"_s, u"DBEdit11"_s,
                                   u"DBEdit9"_s,  u"DBEdit10"_s, u"DBEdit29"_s, u"DBEdit13"_s};
    for (int i = 0; i < beschreibung.size(); ++i)
        ware << Zuordnung{beschreibung[i], {QStringLiteral("bez%1").arg(i + 1)}};
    ware << Zuordnung{u"DBEdit6"_s, {u"waren"_s}} << Zuordnung{u"DBEdit4"_s, {u"Netto"_s}}
         << Zuordnung{u"DBEdit18"_s, {u"Einheit"_s}};
    return {
        A{.knopf = u"sbPackst"_s, .auswahl = u"AuswahlPackstueck"_s, .nebenSteuerelement = u"DBEdit25"_s,
          .zuordnungen = {{u"DBEdit25"_s, {u"Anzahl"_s, u"packart"_s}, u"%1 %2"_s}}},
        A{.knopf = u"sbWare"_s, .auswahl = u"AuswahlWarenNr"_s, .nebenSteuerelement = u"DBEdit26"_s,
          .zuordnungen = ware, .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit26"_s,
          .fokusBleibtWenn = [] { return programmzustand().AEFeld33Focus; }},
        A{.knopf = u"sbBundesland"_s, .auswahl = u"AuswahlBundesland"_s, .nebenSteuerelement = u"DBEdit7"_s,
          .index = u"Ulandi"_s, .zuordnungen = {{u"DBEdit7"_s, {u"Ulandi"_s}}}, .fokus = FokusDanach::Unveraendert},
        A{.knopf = u"sbVerfahren1"_s, .auswahl = u"AuswahlVerfahren1"_s, .nebenSteuerelement = u"DBEdit2"_s,
          .zuordnungen = {{u"DBEdit2"_s, {u"Code"_s}}}, .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit3"_s},
        A{.knopf = u"sbVerfahren2"_s, .auswahl = u"AuswahlVerfahren2"_s, .nebenSteuerelement = u"DBEdit3"_s,
          .zuordnungen = {{u"DBEdit3"_s, {u"Code"_s}}}, .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit4"_s},
        A{.knopf = u"sbFeld40"_s, .auswahl = u"InfoFeld40"_s, .nebenSteuerelement = u"DBEdit12"_s,
          .zuordnungen = {{u"DBEdit12"_s, {u"Kategorie"_s, u"Code"_s}, u"%1-%2-"_s}},
          .fokus = FokusDanach::ZielAmEnde, .fokusZiel = u"DBEdit12"_s},
        A{.knopf = u"sbFeld44"_s, .auswahl = u"InfoFeld44"_s, .nebenSteuerelement = u"DBEdit8"_s,
          .fokus = FokusDanach::Unveraendert, .buchen = false},
    };
}
