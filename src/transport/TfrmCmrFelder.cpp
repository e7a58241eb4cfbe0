#include "transport/Cmr.h"

using namespace Qt::StringLiterals;

namespace {

// Edits `erstes` to `erstes + anzahl - 1` on the fields `muster` 1..anzahl,
// all in one box at its place with one help text and lookup.
QList<Eingabefeld> cmrKasten(int erstes, int anzahl, const QString &muster, const QString &kasten,
                             const Papierplatz &platz, const QString &hilfe, const QString &auswahl = {},
                             Blaettern blaettern = Blaettern::Keins)
{
    QList<Eingabefeld> felder;
    for (int i = 0; i < anzahl; ++i)
        felder << Eingabefeld{.steuerelement = QStringLiteral("DBEdit%1").arg(erstes + i),
                              .feld = muster.arg(i + 1), .kasten = kasten, .platz = platz, .hilfe = hilfe,
                              .auswahl = auswahl, .blaettern = blaettern};
    return felder;
}

} // namespace

// The boxes of the CMR entry form in tab order, each at its ruling rectangle
// on the blank-paper form; the CMR number in the head, under the ellipse.
// The control names are stored in Memo_10 (the fixed fields), so they stay
// as they are.
QList<Eingabefeld> CmrFelder()
{
    using E = Eingabefeld;
    const QString k1 = u"1. Absender (Name, Anschrift, Land)"_s;
    const QString k2 = u"2. Empfänger (Name, Anschrift, Land)"_s;
    const QString k16 = u"16. Frachtführer (Name, Anschrift, Land)"_s;
    const QString k3 = u"3. Auslieferungsort des Gutes  (Ort, Land)"_s;
    const QString k4 = u"4. Ort und Tag des Übernahme des Gutes  (Ort, Land, Datum)"_s;
    const QString h3 = u"3. Auslieferungsort des Gutes - "_s;
    const QString h4 = u"4. Ort und Tag der Übernahme des Gutes - "_s;
    const QString kGefahr = u"UN- Nummer / Bez.  s.Nr.9 / Gefahrzettelmuster-Nr. / Verp.-Gruppe / "
                            u"Tunnelbe- schränkungscode"_s;
    const QString k15 = u"15. Frachtanweisungen  (Frei, Unfrei)"_s;
    const QString k21 = u"21. Ausgefertigt  (in, am)"_s;
    const QString k24 = u"24. Gut empfangen  (am; Unterschrift und Stempel des Empfängers)"_s;
    const QString k27 = u"27.  Amtl. Kennzeichen (Kfz, Anhänger), Nutzlast in kg (Kfz, Anhänger)"_s;
    const QString kGen = u"Benutzte Gen.-Nr."_s;
    const QString h27 = u"27. Amtliches Kennzeichen - "_s;
    const QString h27n = u"27. Nutzlast in Kilogramm - "_s;
    auto genehmigung = [&](int nummer, const QString &feld, const QString &titel) {
        return E{.steuerelement = QStringLiteral("DBCheckBox%1").arg(nummer), .feld = feld, .kasten = kGen,
                 .art = Feldart::Kontrollkaestchen, .nebenVorigem = true, .wahr = u"J"_s, .falsch = u"N"_s,
                 .beschriftung = titel};
    };

    QList<Eingabefeld> felder;
    felder << cmrKasten(1, 5, u"C1_%1"_s, k1, {170, 120, 1090, 370}, mitUebernahme(k1), u"sbKunde1"_s,
                        Blaettern::NachOben);
    felder << E{.steuerelement = u"DBEdit45"_s, .feld = u"Nummer"_s,
                .kasten = u"CMR-Nummer  (nur für Druck auf weißem Papier)"_s, .platz = {1540, 245, 2020, 370},
                .hilfe = u"21. Ausgefertigt in"_s};
    felder << cmrKasten(6, 5, u"C2_%1"_s, k2, {170, 370, 1090, 620}, mitUebernahme(k2), u"sbKunde2"_s);
    felder << cmrKasten(11, 5, u"C16_%1"_s, k16, {1090, 370, 2020, 620}, mitUebernahme(k16), u"sbSpedit16"_s);
    felder << QList<Eingabefeld>{
        E{.steuerelement = u"DBEdit16"_s, .feld = u"C3_1"_s, .kasten = k3, .platz = {170, 620, 1090, 790},
          .hilfe = h3 + u"ORT"_s},
        E{.steuerelement = u"DBEdit17"_s, .feld = u"C3_2"_s, .kasten = k3, .hilfe = h3 + u"LAND"_s},
        E{.steuerelement = u"DBEdit23"_s, .feld = u"C4_1"_s, .kasten = k4, .platz = {170, 790, 1090, 960},
          .hilfe = h4 + u"ORT"_s},
        E{.steuerelement = u"DBEdit24"_s, .feld = u"C4_2"_s, .kasten = k4, .hilfe = h4 + u"LAND"_s},
        E{.steuerelement = u"DBEdit25"_s, .feld = u"C4_3"_s, .kasten = k4, .hilfe = h4 + u"DATUM"_s},
    };
    felder << cmrKasten(18, 5, u"C17_%1"_s, u"17. Nachfolgende Frachtführer"_s, {1090, 620, 2020, 880},
                        u"17. Nachfolgende - (hier besteht eine Übernahmemöglichkeit"_s, u"sbSpedit17"_s);
    felder << cmrKasten(26, 3, u"C5_%1"_s, u"5. Beigefügte Dokumente"_s, {170, 960, 1090, 1110},
                        u"5. Beigefügte Dokumente"_s);
    felder << cmrKasten(29, 5, u"C18_%1"_s, u"18. Vorbehalte und Bemerkungen der Frachtführer"_s,
                        {1090, 880, 2020, 1110},
                        u"18. Vorbehalte und Bemerkungen der Frachtführer"_s);
    felder << E{.steuerelement = u"DBGrid1"_s, .feld = {}, .kasten = u"6. - 12.  Positionen"_s,
                .platz = {170, 1110, 2020, 1610}, .art = Feldart::Positionsliste, .quelle = Datenquelle::Positionen};
    felder << QList<Eingabefeld>{
        E{.steuerelement = u"DBEdit36"_s, .feld = u"CBUC"_s, .kasten = kGefahr, .platz = {170, 1610, 1090, 1730}},
        E{.steuerelement = u"DBEdit34"_s, .feld = u"CKLA"_s, .kasten = kGefahr, .nebenVorigem = true},
        E{.steuerelement = u"DBEdit35"_s, .feld = u"CZIF"_s, .kasten = kGefahr, .nebenVorigem = true},
        E{.steuerelement = u"DBEdit37"_s, .feld = u"CADR"_s, .kasten = kGefahr, .nebenVorigem = true},
        E{.steuerelement = u"DBEdit46"_s, .feld = u"TUCode"_s, .kasten = kGefahr, .nebenVorigem = true},
    };
    const QString k13 = u"13. Anweisungen des Absenders"_s;
    felder << cmrKasten(94, 4, u"C13_%1"_s, k13, {170, 1730, 1090, 1950}, k13);
    const QString k20 = u"20. Besondere Vereinbarungen"_s;
    const QString k22 = u"22. Unterschrift und Stempel des Absenders"_s;
    const QString k23 = u"23. Unterschrift und Stempel des Frachtführers"_s;
    felder << QList<Eingabefeld>{
        E{.steuerelement = u"DBEdit101"_s, .feld = u"C15_1"_s, .kasten = k15, .platz = {170, 1990, 1090, 2120},
          .hilfe = u"15. Frachtzahlungsanweisungen - (Frei)"_s},
        E{.steuerelement = u"DBEdit102"_s, .feld = u"C15_2"_s, .kasten = k15,
          .hilfe = u"15. Frachtzahlungsanweisungen - (Unfrei)"_s},
        E{.steuerelement = u"DBEdit103"_s, .feld = u"C20_1"_s, .kasten = k20, .platz = {1090, 1990, 2020, 2120},
          .hilfe = k20},
        E{.steuerelement = u"DBEdit104"_s, .feld = u"C20_2"_s, .kasten = k20, .hilfe = k20},
        E{.steuerelement = u"DBEdit105"_s, .feld = u"C21_1"_s, .kasten = k21, .platz = {170, 2120, 1440, 2205},
          .hilfe = u"21. Ausgefertigt in"_s},
        E{.steuerelement = u"DBEdit106"_s, .feld = u"C21_2"_s, .kasten = k21, .hilfe = u"21. Ausgefertigt am"_s,
          .nebenVorigem = true},
        E{.steuerelement = u"DBEdit38"_s, .feld = u"C22_1"_s, .kasten = u"22."_s, .platz = {170, 2205, 750, 2370},
          .hilfe = k22},
        E{.steuerelement = u"DBEdit39"_s, .feld = u"C22_2"_s, .kasten = u"22."_s, .hilfe = k22},
        E{.steuerelement = u"DBEdit40"_s, .feld = u"C23_1"_s, .kasten = u"23."_s, .platz = {750, 2205, 1440, 2370},
          .hilfe = k23},
        E{.steuerelement = u"DBEdit41"_s, .feld = u"C23_2"_s, .kasten = u"23."_s, .hilfe = k23},
        E{.steuerelement = u"DBEdit42"_s, .feld = u"C24_1"_s, .kasten = k24, .platz = {1440, 2120, 2020, 2370},
          .hilfe = u"24. Gut empfangen - Datum"_s},
        E{.steuerelement = u"DBEdit43"_s, .feld = u"C24_2"_s, .kasten = k24,
          .hilfe = u"24. Unterschrift und Stempel des Empfängers"_s},
        E{.steuerelement = u"DBEdit44"_s, .feld = u"C24_3"_s, .kasten = k24,
          .hilfe = u"24. Unterschrift und Stempel des Empfängers"_s},
        E{.steuerelement = u"DBEdit108"_s, .feld = u"C27_1"_s, .kasten = k27, .platz = {170, 2710, 880, 2840},
          .hilfe = h27 + u"(KFZ)"_s},
        E{.steuerelement = u"DBEdit109"_s, .feld = u"C27_3"_s, .kasten = k27, .hilfe = h27 + u"(Anhänger)"_s},
        E{.steuerelement = u"DBEdit110"_s, .feld = u"C27_2"_s, .kasten = k27, .hilfe = h27n + u"(KFZ)"_s},
        E{.steuerelement = u"DBEdit111"_s, .feld = u"C27_4"_s, .kasten = k27, .hilfe = h27n + u"(Anhänger)"_s,
          .nebenVorigem = true},
        E{.steuerelement = u"DBEdit112"_s, .feld = u"GENNR"_s, .kasten = kGen, .platz = {170, 2840, 2020, 2900},
          .hilfe = u"Benutze Gen.-Nr."_s},
        genehmigung(1, u"NAT"_s, u"National"_s),
        genehmigung(2, u"BILAT"_s, u"Bilateral"_s),
        genehmigung(3, u"EG"_s, u"EG"_s),
        genehmigung(4, u"CEMT"_s, u"CEMT"_s),
    };
    return felder;
}

// Customers give name lines, street and town (no postcode, no country) and
// move on only when one was taken; forwarders their five name lines, moving
// on either way.
QList<Auswahlbindung> CmrAuswahlen()
{
    using A = Auswahlbindung;
    const QStringList kunde{u"Name1"_s, u"Name2"_s, u"Name3"_s, u"Strasse"_s, u"Ort"_s};
    const QStringList spediteur{u"Name1"_s, u"Name2"_s, u"Name3"_s, u"Name4"_s, u"Name5"_s};
    auto edits = [](int erstes) {
        QStringList namen;
        for (int i = 0; i < 5; ++i)
            namen << QStringLiteral("DBEdit%1").arg(erstes + i);
        return namen;
    };
    return {
        A{.knopf = u"sbKunde1"_s, .auswahl = u"AuswahlKunde"_s, .nebenSteuerelement = u"DBEdit1"_s,
          .zuordnungen = zeilenweise(kunde, edits(1)), .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit6"_s,
          .fokusNurNachWahl = true},
        A{.knopf = u"sbKunde2"_s, .auswahl = u"AuswahlKunde"_s, .nebenSteuerelement = u"DBEdit6"_s,
          .zuordnungen = zeilenweise(kunde, edits(6)), .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit11"_s,
          .fokusNurNachWahl = true},
        A{.knopf = u"sbSpedit16"_s, .auswahl = u"AuswahlSpediteur"_s, .nebenSteuerelement = u"DBEdit11"_s,
          .zuordnungen = zeilenweise(spediteur, edits(11)), .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit16"_s},
        A{.knopf = u"sbSpedit17"_s, .auswahl = u"AuswahlSpediteur"_s, .nebenSteuerelement = u"DBEdit18"_s,
          .zuordnungen = zeilenweise(spediteur, edits(18)), .fokus = FokusDanach::Ziel, .fokusZiel = u"DBEdit23"_s},
    };
}

// Sender and consignee: each missing when its first two lines are empty.
Pruefung CmrPruefung()
{
    return {.punkte = {{u"1 Ausführer / Exporteur"_s, alleLeer({u"C1_1"_s, u"C1_2"_s})},
                       {u"2 Angaben"_s, alleLeer({u"C2_1"_s, u"C2_2"_s})}}};
}
