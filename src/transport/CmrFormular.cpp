#include "transport/TfrmCmr_d.h"

#include "common/Linierung.h"
#include "platform/print/Canvas.h"

namespace {

// A box caption: the number bold 3.5 mm, the title regular 2 mm right where
// the number ends.
void kastenTitel(Linierung &l, int x, int y, const QString &nummer, const QString &titel = {})
{
    l.zeichnung([=](print::Canvas &canvas) {
        canvas.setFont(QStringLiteral("Arial"), 3.5, print::FontStyle::Bold);
        canvas.textOut(x, y, nummer);
        if (titel.isEmpty())
            return;
        const int ende = x + canvas.textWidth(nummer);
        canvas.setFont(QStringLiteral("Arial"), 2);
        canvas.textOut(ende, y, titel);
    });
}

void cmrLinien(Linierung &l)
{
    l.stift(2)
        .rechtecke({{170, 120, 2020, 2900}})
        .senkrechte({{1090, 120, 370}})
        .waagrechte({{370, 170, 1090}});
    l.stift(4).rechtecke({{1090, 370, 2020, 1110}});
    l.stift(2)
        .waagrechte({{880, 1090, 2020},
                     {620, 170, 2020}, {1990, 170, 2020}, {2120, 170, 2020}, {2370, 170, 2020}, {2840, 170, 2020},
                     {790, 170, 1090}, {960, 170, 1090}, {1110, 170, 1090}, {1610, 170, 1090}, {1730, 170, 1090},
                     {1950, 170, 1090}})
        .senkrechte({{1310, 1110, 1950}, {1540, 1110, 1950}, {1770, 1110, 1950}});
    l.stift(1).senkrechte({{360, 1610, 1730}, {470, 1610, 1730}, {690, 1610, 1730}, {830, 1610, 1730}});
    // Box 19.
    l.stift(4).rechtecke({{1090, 1610, 2020, 1950}});
    l.stift(2).waagrechte({{1655, 1090, 2020}, {1740, 1090, 2020}, {1908, 1090, 2020}});
    l.stift(1).waagrechte({{1700, 1310, 2020}, {1782, 1310, 2020}, {1824, 1310, 2020}, {1866, 1310, 2020}});
    // Box 14: seven thin lines 0.5 mm apart.
    l.stift(1).waagrechte({{1955, 430, 690}, {1960, 430, 690}, {1965, 430, 690}, {1970, 430, 690},
                           {1975, 430, 690}, {1980, 430, 690}, {1985, 430, 690},
                           {1955, 760, 2020}, {1960, 760, 2020}, {1965, 760, 2020}, {1970, 760, 2020},
                           {1975, 760, 2020}, {1980, 760, 2020}, {1985, 760, 2020}});
    // Boxes 15 and 20, 21 and 24, 23.
    l.stift(2).senkrechte({{1090, 1990, 2120}});
    l.stift(1).waagrechte({{2033, 1090, 2020}, {2076, 1090, 2020}, {2160, 170, 1440}});
    l.stift(2).waagrechte({{2205, 170, 750}}).senkrechte({{1440, 2120, 2205}});
    l.stift(4).rechtecke({{750, 2205, 1440, 2370}});
    // Box 25.
    l.stift(1).senkrechte({{470, 2420, 2670}, {725, 2420, 2670}});
    // The pallets block.
    l.stift(2).senkrechte({{880, 2370, 2840}, {1460, 2370, 2840}});
    l.stift(1)
        .waagrechte({{2440, 880, 2020}, {2490, 880, 2020}, {2540, 880, 2020}, {2595, 880, 2020}, {2650, 880, 2020},
                     {2700, 880, 2020}})
        .senkrechte({{1120, 2440, 2700}, {1230, 2440, 2700}, {1340, 2440, 2700}, {1680, 2440, 2700},
                     {1790, 2440, 2700}, {1900, 2440, 2700}});
    // Left block below box 25.
    l.stift(2).waagrechte({{2460, 170, 880}, {2670, 170, 880}, {2710, 170, 870}});
    l.stift(1).waagrechte({{2500, 170, 880}, {2542, 170, 880}, {2584, 170, 880}, {2626, 170, 880}});
    // Box 27.
    l.stift(1)
        .senkrechte({{310, 2710, 2840}, {670, 2710, 2840}})
        .waagrechte({{2750, 170, 880}, {2792, 170, 880}});
    // The permit squares.
    l.stift(2).rechtecke({{1135, 2860, 1170, 2895}, {1415, 2860, 1450, 2895}, {1645, 2860, 1680, 2895},
                          {1825, 2860, 1860, 2895}});
}

void cmrBeschriftung(Linierung &l)
{
    kastenTitel(l, 190, 122, QStringLiteral("1 "), QStringLiteral("Absender (Name, Anschrift, Land)"));
    l.schrift(2.5, true).texte({{1160, 150, QStringLiteral("INTERNATIONALER")}, {1160, 180, QStringLiteral("FRACHTBRIEF")}});
    l.schrift(2).texte({{1160, 260, QStringLiteral("Diese Beförderung unterliegt trotz einer")},
                        {1160, 280, QStringLiteral("gegenteiligen Abmachung den Bestim-")},
                        {1160, 300, QStringLiteral("mungen des Übereinkommens über den")},
                        {1160, 320, QStringLiteral("Beförderungsvertrag im internationalen")},
                        {1160, 340, QStringLiteral("Straßengüterverkehr (CMR).")}});
    kastenTitel(l, 190, 372, QStringLiteral("2 "), QStringLiteral("Empfänger (Name, Anschrift, Land)"));
    kastenTitel(l, 1100, 375, QStringLiteral("16 "), QStringLiteral("Frachtführer (Name, Anschrift, Land)"));
    kastenTitel(l, 190, 622, QStringLiteral("3 "), QStringLiteral("Auslieferungsort des Gutes"));
    kastenTitel(l, 1100, 622, QStringLiteral("17 "),
                QStringLiteral("Nachfolgende Frachtführer (Name, Anschrift, Land)"));
    kastenTitel(l, 190, 792, QStringLiteral("4 "), QStringLiteral("Ort und Tag der Übernahme des Gutes"));
    kastenTitel(l, 1100, 882, QStringLiteral("18 "), QStringLiteral("Vorbehalte und Bemerkungen der Frachtführer"));
    kastenTitel(l, 190, 962, QStringLiteral("5 "), QStringLiteral("Beigefügte Dokumente"));
    kastenTitel(l, 190, 1112, QStringLiteral("6 "), QStringLiteral("Kennzeichen und Nummern"));
    kastenTitel(l, 480, 1112, QStringLiteral("7 "), QStringLiteral("Anzahl der Packstücke"));
    kastenTitel(l, 740, 1112, QStringLiteral("8 "), QStringLiteral("Art der Verpackung"));
    kastenTitel(l, 980, 1112, QStringLiteral("9 "), QStringLiteral("Bezeichnung des Gutes*"));
    kastenTitel(l, 1325, 1112, QStringLiteral("10 "), QStringLiteral("Statistiknummer"));
    kastenTitel(l, 1545, 1112, QStringLiteral("11 "), QStringLiteral("Bruttogewicht in kg"));
    kastenTitel(l, 1780, 1112, QStringLiteral("12 "), QStringLiteral("Umfang in m³"));
    l.schrift(2).texte({{190, 675, QStringLiteral("Ort")}, {190, 715, QStringLiteral("Land")},
                        {190, 845, QStringLiteral("Ort")}, {190, 880, QStringLiteral("Land")},
                        {190, 925, QStringLiteral("Datum")},
                        {180, 1612, QStringLiteral("UN-Nummer")},
                        {370, 1612, QStringLiteral("Bez.")}, {370, 1632, QStringLiteral("s.Nr.9")},
                        {480, 1612, QStringLiteral("Gefahrzettelmuster-Nr.")},
                        {700, 1612, QStringLiteral("Verp.-Gruppe")},
                        {840, 1612, QStringLiteral("Tunnelbeschränkungscode")}});
    l.schrift(3.3, true).text(180, 1670, QStringLiteral("UN"));
    kastenTitel(l, 1092, 1612, QStringLiteral("19 "), QStringLiteral("Zu zahlen vom:"));
    l.schrift(2).texte({{1350, 1622, QStringLiteral("Absender")}, {1590, 1622, QStringLiteral("Währung")},
                        {1800, 1622, QStringLiteral("Empfänger")},
                        {1095, 1657, QStringLiteral("Fracht")}, {1095, 1702, QStringLiteral("Ermäßigungen")},
                        {1095, 1742, QStringLiteral("Zwischensumme")}, {1095, 1785, QStringLiteral("Zuschläge")},
                        {1095, 1826, QStringLiteral("Nebengebühren")}, {1095, 1868, QStringLiteral("Sonstiges")},
                        {1095, 1910, QStringLiteral("Zu zahlende Gesamt-")}, {1095, 1928, QStringLiteral("summe")}});
    kastenTitel(l, 190, 1732, QStringLiteral("13 "),
                QStringLiteral("Anweisungen des Absenders (Zoll- und sonstige amtliche Behandlung) Sondervorschriften"));
    kastenTitel(l, 190, 1952, QStringLiteral("14 "), QStringLiteral("Rückerstattung"));
    kastenTitel(l, 190, 1992, QStringLiteral("15 "), QStringLiteral("Frachtzahlungsanweisungen"));
    kastenTitel(l, 1092, 1992, QStringLiteral("20 "), QStringLiteral("Besondere Vereinbarungen"));
    kastenTitel(l, 190, 2122, QStringLiteral("21 "), QStringLiteral("Ausgefertigt in"));
    kastenTitel(l, 1450, 2122, QStringLiteral("24 "), QStringLiteral("Gut empfangen"));
    kastenTitel(l, 190, 2207, QStringLiteral("22"));
    kastenTitel(l, 760, 2207, QStringLiteral("23"));
    l.schrift(2).texte({{190, 2035, QStringLiteral("Frei")}, {180, 2077, QStringLiteral("Unfrei")},
                        {910, 2122, QStringLiteral("am ")}, {1820, 2122, QStringLiteral("Datum")},
                        {1650, 2162, QStringLiteral("am")},
                        {190, 2320, QStringLiteral("Unterschrift und Stempel des Absenders")},
                        {760, 2320, QStringLiteral("Unterschrift und Stempel des Frachtführers")},
                        {1450, 2320, QStringLiteral("Unterschrift und Stempel des Empfängers")}});
    kastenTitel(l, 190, 2372, QStringLiteral("25 "), QStringLiteral("Angaben zur Ermittlung der Entfernung"));
    l.schrift(2).texte({{300, 2420, QStringLiteral("von")}, {600, 2420, QStringLiteral("bis")},
                        {800, 2420, QStringLiteral("km")}});
    l.schrift(2.5, true).texte({{890, 2390, QStringLiteral("Paletten-Absender")},
                                {1470, 2390, QStringLiteral("Paletten-Empfänger")}});
    l.schrift(2.5).texte({{890, 2450, QStringLiteral("Art")}, {1470, 2450, QStringLiteral("Art")},
                          {1125, 2450, QStringLiteral("Anzahl")}, {1685, 2450, QStringLiteral("Anzahl")},
                          {1240, 2442, QStringLiteral("Kein")}, {1800, 2442, QStringLiteral("Kein")},
                          {1240, 2466, QStringLiteral("Tausch")}, {1800, 2466, QStringLiteral("Tausch")},
                          {1350, 2450, QStringLiteral("Tausch")}, {1910, 2450, QStringLiteral("Tausch")},
                          {890, 2510, QStringLiteral("Euro-Palette")}, {1470, 2510, QStringLiteral("Euro-Palette")},
                          {890, 2560, QStringLiteral("Gitterbox-Palette")},
                          {1470, 2560, QStringLiteral("Gitterbox-Palette")},
                          {890, 2610, QStringLiteral("Einfach-Palette")}, {1470, 2610, QStringLiteral("Einfach-Palette")}});
    kastenTitel(l, 190, 2672, QStringLiteral("26 "), QStringLiteral("Vertragspartner des Frachtführers "));
    l.schrift(2).texte({{890, 2712, QStringLiteral("Bestätigung des Empfängers/Datum/Unterschrift")},
                        {1470, 2712, QStringLiteral("Bestätigung des Fahrers/Datum/Unterschrift")}});
    kastenTitel(l, 190, 2712, QStringLiteral("27"));
    l.schrift(2).texte({{390, 2715, QStringLiteral("Amtl. Kennzeichen")}, {710, 2715, QStringLiteral("Nutzlast in kg")},
                        {220, 2760, QStringLiteral("Kfz")}, {190, 2800, QStringLiteral("Anhänger")}});
    l.schrift(3).texte({{195, 2860, QStringLiteral("Benutzte Gen.-Nr.")}, {1185, 2860, QStringLiteral("National")},
                        {1465, 2860, QStringLiteral("Bilateral")}, {1695, 2860, QStringLiteral("EG")},
                        {1875, 2860, QStringLiteral("CEMT")}});
}

} // namespace

// The CMR form on blank paper, drawn under the data of every sheet.
const Linierung &CmrFormular()
{
    static const Linierung formular = [] {
        Linierung l;
        cmrLinien(l);
        cmrBeschriftung(l);
        return l;
    }();
    return formular;
}
