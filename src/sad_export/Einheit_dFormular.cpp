#include "private/Einheit_dTabellen.h"

#include "platform/print/Canvas.h"

#include <array>

namespace {

using Richtung = Linierung::Richtung;

const QColor formularGrau(128, 128, 128);
const QColor formularSilber(192, 192, 192);

// Dashes 1 mm long every 2 mm, dots 0.4 mm every 0.8 mm.
constexpr int strich = 10;
constexpr int strichAbstand = 20;
constexpr int punkt = 4;
constexpr int punktAbstand = 8;

Linierung ersteSeiteLinierung()
{
    Linierung l;
    l.stift(1)
        .rechtecke({{220, 95, 1145, 350}, {220, 350, 1145, 605}, {220, 605, 1145, 775}, {220, 860, 1600, 940},
                    {220, 940, 1145, 1030}, {220, 1030, 1145, 1110}, {1145, 520, 1910, 605}, {1145, 690, 1600, 775},
                    {1370, 1455, 1680, 1540}, {220, 1765, 1130, 2090}})
        .waagrechte({{1110, 1145, 2040}, {775, 1600, 2040}, {1200, 1600, 2040}, {1370, 1600, 2040},
                     {1620, 1680, 2040}, {2475, 60, 2040}, {2560, 60, 2040}, {860, 1145, 2040}, {940, 1145, 2040},
                     {270, 1145, 2040}, {350, 1145, 2040}, {1110, 60, 140}, {1480, 60, 1370}, {1455, 1680, 2040},
                     {1540, 1680, 2040}, {1285, 1600, 2040}, {1200, 1310, 1600}, {1705, 60, 2040}, {2140, 60, 1450},
                     {1790, 1130, 2040}, {2300, 60, 220}, {2390, 220, 1450}, {520, 1500, 2040}, {605, 1500, 2040}})
        .senkrechte({{680, 940, 1110},   {220, 1130, 1480},  {1910, 1200, 1370}, {1370, 1110, 1455},
                     {1600, 1150, 1200}, {1705, 1150, 1200}, {1805, 1130, 1200}, {1930, 1130, 1200},
                     {220, 1500, 1705},  {220, 1720, 2560},  {1210, 230, 270},   {1505, 270, 350},
                     {1620, 670, 690},   {1720, 650, 690},   {1740, 670, 690},   {1850, 670, 690},
                     {1940, 650, 690},   {1960, 670, 690},   {1600, 860, 940},   {1880, 900, 940},
                     {320, 1720, 2090},  {570, 1720, 2090},  {825, 1720, 2090},  {1080, 1720, 2140},
                     {1130, 1705, 2140}, {1600, 1705, 1790}, {520, 2400, 2475},  {830, 2400, 2475},
                     {1140, 2400, 2475}, {1450, 2400, 2475}, {1750, 2400, 2475}, {1370, 2560, 2900},
                     {1400, 1265, 1285}, {1490, 1245, 1285}, {1520, 1265, 1285}, {1490, 1320, 1370},
                     {1680, 1620, 1705}});
    l.stift(5)
        .rechtecke({{140, 97, 220, 1110}, {1145, 60, 1450, 180}, {1370, 1285, 1600, 1370}})
        .waagrechte({{180, 140, 220},   {1030, 140, 290},   {605, 1145, 1250},  {605, 1320, 1425},
                     {690, 1600, 2040}, {860, 930, 1250},   {860, 1980, 2040},  {940, 1035, 1250},
                     {940, 1830, 1930}, {1030, 445, 525},   {1200, 1250, 1310}, {1620, 1680, 1770},
                     {2560, 1370, 1450}})
        .senkrechte({{1145, 520, 605},  {1250, 565, 605},   {1320, 520, 605},   {1425, 560, 605},
                     {1600, 605, 690},  {1830, 605, 690},   {1830, 860, 940},   {930, 820, 860},
                     {1035, 775, 860},  {1035, 900, 940},   {1145, 775, 940},   {1980, 820, 860},
                     {1250, 900, 940},  {1250, 1110, 1200}, {1250, 820, 860},   {1930, 900, 940},
                     {290, 1000, 1030}, {445, 940, 1030},   {520, 1000, 1030},  {1310, 1160, 1200},
                     {1370, 1200, 1280}, {1370, 2520, 2560}, {1600, 1200, 1280}, {1680, 1580, 1620},
                     {1770, 1540, 1620}, {1450, 2475, 2560}});
    l.stift(1).senkrechte({{1450, 30, 270}, {1230, 105, 180}, {1300, 105, 350}, {1500, 520, 605}, {1490, 1320, 1370}});
    l.striche(1450, 2140, 29, Richtung::Waagrecht, strich, strichAbstand)
        .striche(1450, 2390, 29, Richtung::Waagrecht, strich, strichAbstand)
        .striche(1450, 2140, 13, Richtung::Senkrecht, strich, strichAbstand)
        .striche(1145, 1030, 112, Richtung::Waagrecht, punkt, punktAbstand)
        .striche(1370, 1620, 39, Richtung::Waagrecht, punkt, punktAbstand)
        .striche(1370, 1624, 10, Richtung::Senkrecht, punkt, punktAbstand);
    l.schrift(3.7).gesperrt(660, 50, QStringLiteral("Nr"));
    return l;
}

Linierung ersteSeiteKopie(int kopie)
{
    struct Beschriftung
    {
        const char *rand;
        const char *ziffer;
        const char *boxB;
    };
    static const std::array<Beschriftung, 4> kopien{{
        {"Exemplar für das Versendungs-/Ausfuhrland", "1", "Ausfuhranmeldung"},
        {"Exemplar für die Statistik - Versendungs-/Ausfuhrland", "2", "Ausfuhranmeldung"},
        {"Exemplar für den Versender/Ausführer", "3", "Durchschrift der Ausfuhranmeldung"},
        {"Exemplar für den Versender/Ausführer", "3", nullptr},
    }};
    Linierung l;
    if (kopie < 1 || kopie > 4)
        return l;
    const Beschriftung &b = kopien[size_t(kopie - 1)];
    l.gedreht(160, 980, QString::fromUtf8(b.rand), 3.5, 270);
    l.schrift(5, true).texte({{170, 120, QString::fromUtf8(b.ziffer)}, {170, 1040, QString::fromUtf8(b.ziffer)}});
    if (b.boxB) {
        l.text(1170, 1850, QString::fromUtf8(b.boxB))
            .schrift(3, true)
            .texte({{1170, 1930, QStringLiteral("Zollstelle der ergänzenden Anmeldung")},
                    {1170, 1980, QStringLiteral("Bezeichnung:")},
                    {1170, 2030, QStringLiteral("Anschrift:")}});
    } else {
        l.schrift(10, true).texte({{1170, 1850, QStringLiteral("Kopie für")}, {1170, 1980, QStringLiteral("Aussteller")}});
    }
    return l;
}

Linierung ersteSeiteBeschriftung()
{
    Linierung l;
    l.schrift(3, true).text(150, 55, QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"));
    l.schrift(2.5, true).text(1160, 70, QStringLiteral("1   A N M E L D U N G"));
    l.schrift(2.2, true).texte({
        {250, 110, "2"},    {1155, 190, "3"},   {1310, 190, "4"},   {1150, 275, "5"},   {1310, 275, "6"},
        {1520, 275, "7"},   {250, 360, "8"},    {1150, 360, "9"},   {1150, 530, "10"},  {1330, 530, "11"},
        {1920, 530, "13"},  {230, 615, "14"},   {1150, 615, "15"},  {1610, 615, "15"},  {1845, 615, "17"},
        {1150, 700, "16"},  {1605, 700, "17"},  {230, 785, "18"},   {1050, 785, "19"},  {1150, 785, "20"},
        {230, 870, "21"},   {1150, 870, "22"},  {1605, 870, "23"},  {1840, 870, "24"},  {230, 950, "25"},
        {460, 950, "26"},   {700, 950, "27"},   {1150, 950, "28"},  {230, 1040, "29"},  {700, 1040, "30"},
        {70, 1120, "31"},   {1385, 1120, "33"}, {1385, 1210, "34"}, {1610, 1210, "35"}, {1385, 1295, "37"},
        {1610, 1295, "38"}, {1385, 1380, "40"}, {1385, 1460, "41"}, {70, 1490, "44"},   {1690, 1630, "46"},
        {70, 1710, "47"},   {1150, 1710, "48"}, {1605, 1710, "49"}, {250, 2150, "50"},  {70, 2480, "52"},
        {1460, 2480, "53"}, {1380, 2570, "54"}, {1460, 20, "A"},    {1150, 1800, "B"},  {1460, 2150, "C"},
        {70, 2570, "D"},    {70, 2880, "0733"},
    });
    l.schrift(2, true).texte({{1255, 1120, "32"}, {1912, 1295, "39"}, {70, 2310, "51"}});
    l.schrift(2.2).texte({
        {270, 110, "Versender / Ausführer"},
        {600, 110, "Nr."},
        {1175, 190, "Vordrucke"},
        {1330, 190, "Ladeliste"},
        {1170, 275, "Positionen"},
        {1330, 275, "Packst. insge."},
        {1540, 275, "Bezugsnummer"},
        {270, 360, "Empfänger"},
        {600, 360, "Nr."},
        {1170, 360, "Verantwortlicher für den Zahlungsverkehr"},
        {1630, 360, "Nr."},
        {1180, 530, "Erstes Best."},
        {1260, 570, "land"},
        {1360, 530, "Handels-"},
        {1430, 570, "land"},
        {1950, 530, "G.L.P."},
        {270, 615, "Anmelder / Vertreter"},
        {600, 615, "Nr."},
        {1190, 615, "Versendungs-/Ausfuhrland"},
        {1640, 615, "Vers./Ausf.L.Code"},
        {1870, 615, "Bestimm.L.Code"},
        {1190, 700, "Ursprungsland"},
        {1640, 700, "Bestimmungsland"},
        {270, 785, "Kennzeichen und Staatszugehörigkeit des Beförderungsmittels beim Abgang"},
        {1080, 785, "Ctr."},
        {1190, 785, "Lieferbedingung"},
        {270, 870, "Kennz. und Staatszuge. des grenzüber. aktiven Beförderungsmittels"},
        {1180, 870, "Währung u. in Rechn. gestel. Gesamtbetr."},
        {1630, 870, "Umrechnungskurs"},
        {1870, 870, "Art des"},
        {1935, 910, "Geschäfts"},
        {270, 950, "Verkehrszweig an"},
        {310, 980, "der Grenze"},
        {490, 950, "Inländerischer Ver-"},
        {550, 980, "kehrszweig"},
        {730, 950, "Ladeort"},
        {1190, 950, "Finanz- und Bankangaben"},
        {270, 1040, "Ausgangszollstelle"},
        {730, 1040, "Warenort"},
        {100, 1120, "Packstücke"},
        {100, 1150, "und Waren-"},
        {100, 1180, "bezeich-"},
        {100, 1210, "nung"},
        {250, 1120, "Zeichen und Nummern - Container Nr. - Anzahl und Art"},
        {1415, 1120, "Warennummer"},
        {1415, 1210, "Urspr.land.Code"},
        {1640, 1210, "Rohmasse (kg)"},
        {1415, 1295, "VERFAHREN"},
        {1640, 1295, "Eigenmasse (kg)"},
        {1415, 1380, "Summarische Anmeldung/Vorpapier"},
        {1415, 1460, "Besondere Maßeinheit"},
        {100, 1490, "Besondere"},
        {80, 1520, "Vermerke/"},
        {80, 1550, "Vorgelegte"},
        {80, 1580, "Unterlagen/"},
        {80, 1610, "Bescheini-"},
        {80, 1640, "gungen u. Ge-"},
        {80, 1670, "nehmigungen"},
        {250, 1500, "Ausgeführt mit unvollständiger/vereinfachter Ausfuhranmeldung Nr."},
        {1110, 1500, "vom"},
        {250, 1530, "Ausfuhrgenehmigung vom"},
        {745, 1530, "Nr."},
        {1050, 1530, "Gültig bis:"},
        {1665, 1550, "Code B.V."},
        {1720, 1630, "Statistischer Wert"},
        {100, 1710, "Abgaben-"},
        {100, 1740, "berechnung"},
        {240, 1720, "Art"},
        {330, 1720, "Bemessungsgrundlage"},
        {590, 1720, "Satz"},
        {850, 1720, "Betrag"},
        {1090, 1720, "ZA"},
        {590, 2100, "Summe:"},
        {1180, 1710, "Zahlungsaufschub"},
        {1635, 1710, "Bezeichnung des Lagers"},
        {285, 2150, "Hauptverpflichteter"},
        {600, 2150, "Nr."},
        {1150, 2150, "Unterschrift"},
        {100, 2480, "Sicherheit"},
        {80, 2510, "nich gültig für"},
        {1490, 2480, "Bestimmungsstelle (und Land)"},
        {1410, 2570, "Ort und Datum:"},
        {1485, 20, "VERSENDUNGS-/AUSFUHRZOLLSTELLE"},
        {1175, 1800, "ANGABEN FÜR VERBUCHUNGSZWECKE"},
        {1490, 2150, "ABGANGSSTELLE"},
        {100, 2570, "PRÜFUNG DURCH DIE ABGANGSSTELLE"},
        {100, 2610, "Ergebnis:"},
        {100, 2650, "Angebrachte Verschlüsse: Anzahl:"},
        {160, 2690, "Zeichen:"},
        {100, 2730, "Frist (letzter Tag):"},
        {100, 2770, "Unterschift"},
        {250, 2310, "vertreten durch"},
        {250, 2360, "Ort und Datum:"},
        {1370, 2480, "Code"},
        {1140, 2570, "Stempel:"},
        {1410, 2640, "Unterschrift und Name des Anmelders/Vertreters:"},
        {1603, 660, "a"},
        {1725, 660, "b"},
        {1835, 660, "a"},
        {1945, 660, "b"},
        {1382, 1255, "a"},
        {1495, 1255, "b"},
        {130, 2880, "Einheitspapier (Versendung/Ausfuhr) - III B1 - (2007)"},
    });
    l.schrift(2).texte({{1280, 1120, "Positions-"},
                        {1330, 1165, "Nr."},
                        {1936, 1295, "Kontingent"},
                        {100, 2310, "Vorgesehene"},
                        {80, 2340, "Durchgangs-"},
                        {80, 2370, "zollstellen"},
                        {80, 2400, "(und Land)"}});
    l.schrift(3).farbe(formularGrau).kreuze({
        {5, 1310, 140},   {5, 1310, 230},   {7, 1310, 310},   {30, 1150, 430},  {3, 1150, 565},
        {4, 1920, 565},   {15, 1150, 650},  {2, 1750, 650},   {2, 1970, 650},   {2, 1987, 820},
        {15, 1150, 735},  {7, 1605, 900},   {30, 1150, 980},  {30, 1150, 1070}, {14, 690, 1070},
        {4, 1935, 1145},  {5, 1918, 1330},  {3, 1690, 1575},  {17, 1150, 1750}, {30, 245, 1910},
        {9, 245, 2430},   {9, 540, 2430},   {9, 840, 2430},   {9, 1150, 2430},  {9, 1460, 2430},
        {9, 1765, 2430},  {37, 245, 2505},  {2, 1380, 2505},  {19, 1460, 2505}, {3, 1630, 650},
        {19, 230, 810},   {3, 935, 810},    {19, 680, 990},   {3, 1040, 990},
    });
    l.farbe(Qt::black);
    return l;
}

Linierung folgeseiteLinierung()
{
    Linierung l;
    l.stift(1)
        .rechtecke({{220, 90, 1150, 260}})
        .waagrechte({{260, 60, 2050}})
        .senkrechte({{1240, 90, 180}, {1290, 90, 180}, {1230, 220, 260}, {1460, 20, 60}});
    l.stift(4).rechtecke({{1150, 60, 1461, 180}});
    l.stift(10).rechtecke({{1315, 187, 1457, 255}});
    l.stift(1);
    l.schrift(3.7).gesperrt(660, 50, QStringLiteral("Nr"));
    l.schrift(2.7, true).text(220, 55, QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"));
    l.schrift(3.5, true).texte({{1200, 135, "C"}, {1402, 135, "BIS"}});
    l.schrift(2.5, true).text(1160, 65, QStringLiteral("1   A N M E L D U N G"));
    l.schrift(2.2, true).texte({{250, 100, "2"}, {1160, 190, "3"}, {1470, 55, "A"}});
    l.schrift(2.2).texte({{270, 100, "Versender / Ausführer"},
                          {600, 100, "Nr."},
                          {1180, 190, "Vordrucke"},
                          {1490, 55, "VERSENDUNGS-/AUSFUHRZOLLSTELLE"}});
    l.schrift(3).text(1300, 140, QStringLiteral("XXXXX"));
    return l;
}

Linierung folgeseiteKopie(int kopie)
{
    Linierung l;
    if (kopie < 1 || kopie > 4)
        return l;
    const QString ziffer = kopie == 1 ? QStringLiteral("1") : kopie == 2 ? QStringLiteral("2") : QStringLiteral("3");
    l.schrift(5, true).text(1565, 2570, ziffer);
    l.schrift(4, true).text(1370, 200, ziffer);
    l.schrift(3, true);
    switch (kopie) {
    case 1:
        l.texte({{1485, 90, "Ergänzungsblatt"},
                 {1710, 2560, "Exemplar für das"},
                 {1640, 2600, "Versendungs-/Ausfuhrland"}});
        break;
    case 2:
        l.texte({{1485, 90, "Ergänzungsblatt"},
                 {1640, 2560, "Exemplar für die Statistik -"},
                 {1640, 2600, "Versendungs-/Ausfuhrland"}});
        l.schrift(2.2, true).text(1485, 150, QStringLiteral("Anlage zu Muster 4 e AHStat"));
        break;
    default:
        l.texte({{1485, 90, "Durchschrift des"},
                 {1485, 150, "Ergänzungsblatts"},
                 {1680, 2560, "Exemplar für den"},
                 {1640, 2600, "Versender/Ausführer"}});
        break;
    }
    if (kopie == 4) {
        l.farbe(formularSilber);
        for (int i = 1; i <= 20; ++i)
            l.gedreht(500 + i, 1850 + i / 2, QStringLiteral("Kopie für Aussteller"), 12.5, -25);
        l.farbe(Qt::white).gedreht(502, 1852, QStringLiteral("Kopie für Aussteller"), 12.5, -25);
        l.farbe(Qt::black);
    }
    return l;
}

// One of the three item blocks, drawn at d = 0; the sheet shifts it.
Linierung folgeseitePostenblock()
{
    Linierung l;
    l.stift(1)
        .senkrechte({{220, 270, 640}, {220, 650, 850}})
        .waagrechte({{640, 60, 1380}, {340, 1320, 2050}})
        .senkrechte({{1380, 260, 340}, {1608, 300, 340}, {1715, 300, 340}, {1815, 280, 340}, {1940, 280, 340}})
        .waagrechte({{430, 1600, 2050}, {510, 1600, 2050}})
        .senkrechte({{1900, 340, 510}, {1380, 510, 690}})
        .waagrechte({{600, 1380, 2050}})
        .senkrechte({{1690, 600, 690}})
        .waagrechte({{690, 1380, 2050}, {770, 1780, 2050}})
        .senkrechte({{1690, 770, 850}})
        .rechtecke({{1380, 430, 1608, 510}})
        .senkrechte({{1245, 260, 340}})
        .waagrechte({{340, 1245, 1325}})
        .senkrechte({{1325, 300, 340}, {1380, 340, 430}, {1608, 340, 430}, {1690, 730, 770}, {1780, 690, 770}})
        .waagrechte({{770, 1690, 1780}, {850, 60, 2050}})
        .senkrechte({{1400, 410, 430}, {1490, 385, 430}, {1520, 410, 430}, {1490, 470, 510}})
        .striche(1380, 770, 39, Richtung::Waagrecht, punkt, punktAbstand)
        .striche(1380, 774, 10, Richtung::Senkrecht, punkt, punktAbstand);
    l.schrift(2.2, true).texte({{70, 270, "31"},
                                {1253, 270, "32"},
                                {1390, 270, "33"},
                                {1390, 350, "34"},
                                {1618, 350, "35"},
                                {1390, 440, "37"},
                                {1618, 440, "38"},
                                {1905, 440, "39"},
                                {1390, 520, "40"},
                                {1390, 610, "41"},
                                {70, 650, "44"},
                                {1700, 780, "46"}});
    l.schrift(2.2).texte({{230, 270, "Zeichen und Nummern - Container Nr. - Anzahl und Art"},
                          {1280, 270, "Positions-"},
                          {1330, 300, "Nr."},
                          {1420, 270, "Warennummer"},
                          {1420, 350, "Urspr.land.Code"},
                          {1645, 350, "Rohmasse (kg)"},
                          {1420, 440, "VERFAHREN"},
                          {1645, 440, "Eigenmasse (kg)"},
                          {1930, 440, "Kontingent"},
                          {1420, 520, "Summarische Anmeldung/Vorpapier"},
                          {1420, 610, "Besondere Maßeinheit"},
                          {100, 650, "Besondere"},
                          {80, 675, "Vermerke/"},
                          {80, 700, "Vorgelegte"},
                          {80, 725, "Unterlagen/"},
                          {80, 750, "Bescheini-"},
                          {80, 775, "gungen u. Ge-"},
                          {80, 800, "nehmigungen"},
                          {100, 270, "Packstücke"},
                          {100, 295, "und Waren-"},
                          {100, 320, "bezeich-"},
                          {100, 345, "nung"},
                          {1725, 780, "Statistischer Wert"},
                          {1675, 700, "Code B.V."},
                          {1385, 400, "a"},
                          {1495, 400, "b"}});
    l.schrift(3).farbe(formularGrau).texte({{1945, 300, "XXXX"}, {1920, 475, "XXXXX"}, {1710, 735, "XXX"}});
    l.farbe(Qt::black);
    return l;
}

Linierung folgeseiteFuss()
{
    Linierung l;
    l.stift(1)
        .waagrechte({{2080, 220, 2050}, {2420, 220, 2050}, {2510, 220, 2050}, {2460, 220, 2050},
                     {2850, 220, 1545}, {2890, 220, 1545}})
        .senkrechte({{220, 2040, 2460},  {220, 2470, 2890},  {320, 2040, 2420},  {320, 2470, 2850},
                     {570, 2040, 2420},  {570, 2470, 2850},  {830, 2040, 2420},  {830, 2470, 2850},
                     {1240, 2040, 2420}, {1240, 2470, 2850}, {1090, 2040, 2460}, {1090, 2470, 2890},
                     {1500, 2040, 2420}, {1500, 2470, 2890}, {1750, 2040, 2420}, {1990, 2040, 2460},
                     {1545, 2470, 2510}, {1140, 2040, 2890}});
    l.stift(10).rechtecke({{1550, 2515, 1600, 2680}});
    l.stift(1)
        .striche(1620, 2680, 22, Richtung::Waagrecht, strich, strichAbstand)
        .striche(1545, 2680, 13, Richtung::Senkrecht, strich, strichAbstand);
    l.schrift(2.2, true).texte({{70, 2040, "47"}, {1620, 2475, "ZUSAMMENFASSUNG"}, {1560, 2700, "C"}, {70, 2895, "0734"}});
    l.schrift(2.2).texte({
        {100, 2040, "Abgaben-"},
        {100, 2065, "berechnung"},
        {240, 2045, "Art"},
        {330, 2045, "Bemessungsgrundlage"},
        {590, 2045, "Satz"},
        {850, 2045, "Betrag"},
        {1100, 2045, "ZA"},
        {1150, 2045, "Art"},
        {1250, 2045, "Bemessungsgrundlage"},
        {1510, 2045, "Satz"},
        {1760, 2045, "Betrag"},
        {1995, 2045, "ZA"},
        {240, 2475, "Art"},
        {330, 2475, "Bemessungsgrundlage"},
        {590, 2475, "Satz"},
        {850, 2475, "Betrag"},
        {1100, 2475, "ZA"},
        {1150, 2475, "Art"},
        {1250, 2475, "Betrag"},
        {1510, 2475, "ZA"},
        {330, 2430, "Summe erste Position:"},
        {1250, 2430, "Summe zweite Position:"},
        {330, 2860, "Summe dritte Position:"},
        {1150, 2860, "G.S."},
        {1585, 2700, "ABGANSSTELLE"},
        {140, 2895, "Ergänzungsblatt zu den Vordrucken 0733 und 0761 - III B1 - (2007)"},
    });
    l.schrift(3).farbe(formularGrau).kreuze({{32, 230, 2250}, {32, 1160, 2250}, {32, 230, 2680}, {14, 1160, 2680}});
    l.farbe(Qt::black);
    l.vieleck({{1560, 2487}, {1580, 2479}, {1580, 2485}, {1610, 2485}, {1610, 2489}, {1580, 2489}, {1580, 2495}});
    return l;
}

Linierung verschoben(const Linierung &linierung, int dy)
{
    Linierung l;
    l.zeichnung([linierung, dy](print::Canvas &canvas) {
        const QPoint vorher = canvas.offset();
        canvas.setOffset(vorher + QPoint(0, dy));
        linierung.zeichnen(canvas);
        canvas.setOffset(vorher);
    });
    return l;
}

} // namespace

const Linierung &ersteSeiteFormular(int kopie)
{
    static const Linierung grund = ersteSeiteLinierung();
    static const Linierung beschriftung = ersteSeiteBeschriftung();
    static const std::array<Linierung, 5> seiten = [] {
        std::array<Linierung, 5> s;
        for (int j = 0; j < 5; ++j)
            s[size_t(j)].dazu(grund).dazu(ersteSeiteKopie(j)).dazu(beschriftung);
        return s;
    }();
    return seiten[size_t(kopie >= 1 && kopie <= 4 ? kopie : 0)];
}

const Linierung &folgeseiteFormular(int kopie)
{
    static const Linierung grund = folgeseiteLinierung();
    static const Linierung block = folgeseitePostenblock();
    static const Linierung fuss = folgeseiteFuss();
    static const std::array<Linierung, 5> seiten = [] {
        std::array<Linierung, 5> s;
        for (int j = 0; j < 5; ++j) {
            s[size_t(j)].dazu(grund).dazu(folgeseiteKopie(j));
            for (int k = 0; k < 3; ++k)
                s[size_t(j)].dazu(verschoben(block, 590 * k));
            s[size_t(j)].dazu(fuss);
        }
        return s;
    }();
    return seiten[size_t(kopie >= 1 && kopie <= 4 ? kopie : 0)];
}

const Linierung &rueckseiteFormular()
{
    static const Linierung l = [] {
        Linierung r;
        r.stift(1).rechtecke({{80, 90, 1910, 2420}}).waagrechte({{130, 80, 1910}, {1280, 80, 1910}});
        r.schrift(2, true).text(110, 100, QStringLiteral("E"));
        r.schrift(2).text(140, 100, QStringLiteral("PRÜFUNG DURCH DIE VERSENDUNGS-/AUSFUHRZOLLSTELLE"));
        return r;
    }();
    return l;
}

const Linierung &anleitungFormular()
{
    static const Linierung l = [] {
        Linierung a;
        a.schrift(3, true).text(460, 320,
                                QStringLiteral("Anleitung zur Verwendung und zum Ausfüllen des Vordrucks "
                                               "\"Ausfuhranmeldung\""));
        a.schrift(3).texte({{470, 430, "I. Verwendung des Vordrucks"}, {460, 770, "II. Ausfüllen des Vordrucks"}});
        a.texte({
            {490, 510, "Das Exemplar 1 wird im Falle der Ausfuhr von den in § 13 Abs. 6 AWV nach dem Warenverzeichnis für"},
            {490, 545, "die Außenhandelsstatistik bezeichneten Waren von den zuständigen Zolldienststellen erfasst und für"},
            {490, 580, "Zwecke der Ausfuhrüberwachung ausgewertet. Das Exemplar 2 wird von der zuständigen Zollstelle dem"},
            {490, 615, "Statistischen Bundesamt übersandt. Das Exemplar 3 ist der Ausgangszollstelle vorzulegen. Die Eintra-"},
            {490, 650, "gungen in den einzelnen Exemplaren müssen übereinstimmen."},
        });
        a.auszeichnung(490, 850,
                       QStringLiteral("Der Vordruck darf nur Waren umfassen, die von <b>einem </b>Ausführer/Anmelder "
                                      "nach <b>einem </b>Bestimmungs- "));
        a.auszeichnung(490, 885,
                       QStringLiteral("land, an <b>einen </b>Empfänger und für <b>ein </b>Handelsland (Käuferland) "
                                      "gleichzeitig mit demselben Beförderungs-"));
        a.texte({
            {490, 920, "mittel über dieselbe Ausgangszollstelle ausgehen."},
            {490, 1000, "Die einzelnen Bemerkungen zum Ausfüllen des Vordrucks sind in Titel II des Merkblatts zum Einheits-"},
            {490, 1035, "papier (Vordruck 0781, abgedruckt in der Vorschriftensammlung Bundesfinanzverwaltung - VSF Z 3455)"},
            {490, 1070, "enthalten. Die mit ener druchgehenden x-Linie gekennzeichnteten Felder brauchen nicht ausgefüllt zu"},
            {490, 1105, "werden. Bei Sendungen im Wert bis zu 2500 EUR brauchen auch die Felder 11, 20 und 29 nicht ausge-"},
            {490, 1140, "füllt zu werden. Angaben in Feld B über die Zollstelle bei der die ergänzende Anmeldung abgegeben"},
            {490, 1175, "wird, sind nur erforderlich, wenn der Vordruck als unvollständige oder vereinfachte Ausfuhranmeldung im"},
            {490, 1210, "Sinne der Artikel 28 bis 287 der VO (EWG) Nr. 2454/93 vom 02.07.1993 (ABI. EG Nr. L 253 S. 1) -"},
            {490, 1245, "ZollkodexDVO - verwendet wird und diese Zollstelle nicht die Ausfuhrzollstelle ist."},
            {490, 1330, "Wird der Vordruck als unvollständige oder vereinfachte Ausfuhranmeldung im Sinne der Artikel 280 bis"},
            {490, 1365, "282 ZollkodexDVO verwendet, so sind mindestens die Felder Nr. 1(erstes Unterfeld), 2, 14, 17, 31, 33, 38,"},
            {490, 1400, "44 und 54 auszufüllen. In Feld 44 ist der Vermerk \"Vereinfachte Ausfuhr\" anzubringen. Eine unvollstän-"},
            {490, 1435, "dige Anmeldung muß außerdem folgende weitere Angaben enthalten:"},
            {490, 1520, "- bei Waren, für die Ausfuhrabgaben zu entrichten sind oder für die sonstige im Rahmen der Gemein-"},
            {490, 1555, "  sammen Agrarpolitik vorgesehene Maßnahmen gelten, alle Angaben, die die Erhebung der Abgaben oder"},
            {490, 1590, "  Durchführung der Maßnahmen ermöglichen;"},
            {490, 1670, "- alle sonstigen Angaben, die für die Feststellung der Warennämlichkeit und die Anwendung der Vor"},
            {490, 1705, "  schriften für die Ausfuhr sowie die Festlegung der Sicherheit, von der die Ausfuhr der Waren ab-"},
            {490, 1740, "  hängig gemacht werden kann, erforderlich sind."},
            {490, 1810, "Unter bestimmten Voraussetzungen kann die Zollstelle auf das Ausfüllen der Felder 17 und 33 einer un-"},
            {490, 1845, "vollständigen Ausfuhranmeldung verzichten."},
            {490, 1930, "Eine unvollständige Ausfuhranmeldung ist innerhalb von zehn Tagen nach ihrer Annnahme durch eine voll-"},
            {490, 1965, "ständige Ausfuhranmeldung zu ersetzen, bzw. die fehlenden Angaben oder Unterlagen sind nachzureichen."},
            {490, 2000, "Bei einer vereinfachten Anmeldung im Sinne von Artikel 287 ZollkodexDVO richtet sich die Frist für die"},
            {490, 2035, "Vorlage der ergänzenden Ausfuhranmeldung nach der jeweiligen Bewilligung."},
            {490, 2120, "Gehören zu einer Ausfuhranmeldung mehrere Warenpositionen, so sind Ergänzungsblätter (Vordruck"},
            {490, 2155, "0734) zu verwenden. Diese sind im Vordruckkopf mit der Nummer der Ausfuhranmeldung zu versehen."},
            {490, 2230, "Die Hinweise nach § 9 Abs. 2 Bundesdatenschutzgesetz und nach dem Gesetz ber die Statistik für"},
            {490, 2265, "Bundeszwecke sind dem Titel I Abschnitt D des Merkblatts zum Einheitspapier zu entnehmen."},
        });
        return a;
    }();
    return l;
}
