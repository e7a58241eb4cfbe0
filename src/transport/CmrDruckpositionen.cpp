#include "transport/TfrmCmr_d.h"

// Where the print writes the note, x and y in 0.1 mm from the sheet's
// top-left as on the paper form. C3_3, C13_5 to C13_7, C21_3, DATUM and
// Positionen are not printed.
const QList<Druckposition> &CmrKopfPositionen()
{
    using P = Druckposition;
    constexpr int ohne = P::keinTor;
    constexpr auto kopf = Quelle::Kopf;
    auto feld = [](const QString &name, int x, int y) { return P{.feld = name, .x = x, .y = y}; };
    static const QList<Druckposition> positionen = [&] {
        QList<Druckposition> p;
        p << untereinander(ohne, kopf, QStringLiteral("C1_%1"), 1, 5, 200, 160, 40);
        p << P{.feld = QStringLiteral("Nummer"), .x = 1610, .y = 150,
               .bedingung = {.art = Bedingung::Art::WeissesPapier}};
        p << untereinander(ohne, kopf, QStringLiteral("C2_%1"), 1, 5, 200, 410, 40);
        p << untereinander(ohne, kopf, QStringLiteral("C16_%1"), 1, 5, 1120, 410, 40);
        p << feld(QStringLiteral("C3_1"), 300, 665) << feld(QStringLiteral("C3_2"), 300, 705);
        p << untereinander(ohne, kopf, QStringLiteral("C17_%1"), 1, 5, 1120, 660, 40);
        p << untereinander(ohne, kopf, QStringLiteral("C4_%1"), 1, 3, 320, 830, 40);
        p << untereinander(ohne, kopf, QStringLiteral("C18_%1"), 1, 5, 1120, 910, 38);
        p << untereinander(ohne, kopf, QStringLiteral("C5_%1"), 1, 3, 200, 986, 38);
        p << feld(QStringLiteral("CBUC"), 230, 1670) << feld(QStringLiteral("CKLA"), 370, 1670)
          << feld(QStringLiteral("CZIF"), 480, 1670) << feld(QStringLiteral("CADR"), 700, 1670)
          << feld(QStringLiteral("TUCode"), 840, 1670);
        p << untereinander(ohne, kopf, QStringLiteral("C13_%1"), 1, 4, 200, 1780, 40);
        p << feld(QStringLiteral("C15_1"), 320, 2030) << feld(QStringLiteral("C15_2"), 320, 2070);
        p << feld(QStringLiteral("C20_1"), 1110, 2030) << feld(QStringLiteral("C20_2"), 1110, 2070);
        p << feld(QStringLiteral("C21_1"), 390, 2115) << feld(QStringLiteral("C21_2"), 990, 2115);
        p << feld(QStringLiteral("C22_1"), 190, 2245) << feld(QStringLiteral("C22_2"), 190, 2285);
        p << feld(QStringLiteral("C23_1"), 760, 2245) << feld(QStringLiteral("C23_2"), 760, 2285);
        p << feld(QStringLiteral("C24_1"), 1700, 2160);
        p << feld(QStringLiteral("C24_2"), 1450, 2245) << feld(QStringLiteral("C24_3"), 1450, 2285);
        p << feld(QStringLiteral("C27_1"), 310, 2750) << feld(QStringLiteral("C27_3"), 310, 2795);
        p << feld(QStringLiteral("C27_2"), 680, 2750) << feld(QStringLiteral("C27_4"), 680, 2795);
        p << feld(QStringLiteral("GENNR"), 440, 2855);
        return p;
    }();
    return positionen;
}

// The permit squares: "X" for each kind of permit that holds "J".
const QList<Druckposition> &CmrGenehmigungPositionen()
{
    auto kreuz = [](const QString &feld, int x) {
        return Druckposition{.quelle = Quelle::Text, .feld = QStringLiteral("X"), .x = x, .y = 2855,
                             .bedingung = {.art = Bedingung::Art::Gleich, .feld = feld, .wert = QStringLiteral("J")}};
    };
    static const QList<Druckposition> positionen{kreuz(QStringLiteral("NAT"), 1140), kreuz(QStringLiteral("BILAT"), 1420),
                                                 kreuz(QStringLiteral("EG"), 1650), kreuz(QStringLiteral("CEMT"), 1830)};
    return positionen;
}

// Boxes 6 to 12 of the first line on a sheet; each further one 4.2 mm lower.
const QList<Druckposition> &CmrZeilenPositionen()
{
    using P = Druckposition;
    constexpr auto zeile = Quelle::Position;
    static const QList<Druckposition> positionen{
        P{.quelle = zeile, .feld = QStringLiteral("C6"), .x = 190, .y = 1145},
        P{.quelle = zeile, .feld = QStringLiteral("C10"), .x = 1325, .y = 1145},
        P{.quelle = zeile, .feld = QStringLiteral("C11"), .x = 1545, .y = 1145},
        P{.quelle = zeile, .feld = QStringLiteral("C12"), .x = 1780, .y = 1145},
    };
    return positionen;
}
