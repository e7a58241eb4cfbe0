#include "private/Einheit_dTabellen.h"

namespace {

using Art = Bedingung::Art;

Druckposition kopf(int tor, const char *feld, int x, int y, double hoehe = 0)
{
    return {.tor = tor, .quelle = Quelle::Kopf, .feld = QString::fromLatin1(feld), .x = x, .y = y, .hoehe = hoehe};
}

Druckposition posten(int tor, const char *feld, int x, int y, double hoehe = 0)
{
    return {.tor = tor, .quelle = Quelle::Position, .feld = QString::fromLatin1(feld), .x = x, .y = y, .hoehe = hoehe};
}

Druckposition wenn(Druckposition position, Bedingung bedingung)
{
    position.bedingung = std::move(bedingung);
    return position;
}

Druckposition text(int tor, const QString &text, int x, int y, double hoehe = 0)
{
    return {.tor = tor, .quelle = Quelle::Text, .feld = text, .x = x, .y = y, .hoehe = hoehe};
}

Druckposition grau(int tor, int x, int y)
{
    Druckposition position = text(tor, QStringLiteral("XXX"), x, y, 3);
    position.grau = true;
    return position;
}

Druckposition nummer(int tor, int x, int y)
{
    Druckposition position = posten(tor, "pos", x, y);
    position.format = Format::Ganzzahl;
    position.bedingung = {Art::MehrerePositionen};
    return position;
}

const Bedingung ret{Art::Gleich, Quelle::Position, QStringLiteral("Ret"), QStringLiteral("True")};
const Bedingung kerntechnik{Art::Gleich, Quelle::Kopf, QStringLiteral("F44_11"), QStringLiteral("j")};
const Bedingung keineKerntechnik{Art::Ungleich, Quelle::Kopf, QStringLiteral("F44_11"), QStringLiteral("j")};

constexpr int keinTor = Druckposition::keinTor;

} // namespace

const QList<Druckposition> &ersteSeitePositionen()
{
    static const QList<Druckposition> positionen = [] {
        QList<Druckposition> p{
            kopf(0, "F0_1", 1480, 150, 3.5), kopf(0, "F0_2", 1760, 150, 3.5),
            kopf(1, "f1_1", 1160, 120), kopf(1, "f1_2", 1250, 120),
            kopf(2, "f2_0", 650, 100),
        };
        p << untereinander(2, Quelle::Kopf, QStringLiteral("f2_%1"), 1, 5, 230, 140, 40);
        p << kopf(3, "f3_1", 1160, 220) << wenn(kopf(3, "f3_2", 1225, 220), {Art::MehrerePositionen})
          << kopf(5, "F5", 1165, 310) << kopf(7, "f7", 1520, 310) << kopf(8, "f8_0", 650, 360);
        p << untereinander(8, Quelle::Kopf, QStringLiteral("f8_%1"), 1, 5, 230, 400, 40);
        p << untereinander(9, Quelle::Kopf, QStringLiteral("F9_%1"), 1, 3, 1160, 400, 40);
        p << grau(keinTor, 1330, 565) << kopf(14, "f14_0", 650, 610, 3.9) << kopf(14, "F14_1", 230, 650, 3.9)
          << kopf(14, "f14_2", 230, 690, 3.9) << kopf(14, "f14_3", 230, 730, 3.9)
          << kopf(17, "f17_1", 1855, 650) << kopf(17, "f17_2", 1605, 735)
          << kopf(19, "f19", 1040, 810) << kopf(20, "f20_1", 1150, 810) << kopf(20, "f20_2", 1260, 810)
          << kopf(21, "f21_1", 230, 890) << kopf(21, "f21_2", 1040, 890)
          << kopf(22, "f22_1", 1150, 890) << kopf(22, "f22_2", 1260, 890)
          << kopf(24, "f24_1", 1840, 890) << kopf(24, "f24_2", 1890, 890)
          << kopf(25, "f25", 230, 990) << kopf(26, "f26", 450, 990) << kopf(29, "f29", 230, 1060)
          << posten(31, "f31_1", 805, 1120);
        p << untereinander(31, Quelle::Position, QStringLiteral("f31_%1"), 2, 9, 230, 1160, 40);
        p << nummer(32, 1255, 1150) << posten(33, "f33_1", 1380, 1150) << posten(33, "f33_2", 1580, 1150)
          << grau(34, 1410, 1240) << posten(34, "f34_2", 1525, 1240) << posten(35, "f35_1", 1610, 1240)
          << posten(37, "f37_1", 1380, 1320) << posten(37, "f37_2", 1510, 1320) << posten(38, "f38", 1610, 1320)
          << posten(40, "F40", 1380, 1410)
          << wenn(text(42, QStringLiteral("RET-EXP-30400"), 1380, 1560, 3), ret)
          << kopf(44, "f44_0", 910, 1490, 2.5) << kopf(44, "f44_4", 1160, 1490) << kopf(44, "f44_1", 520, 1530)
          << kopf(44, "f44_2", 780, 1530, 3) << kopf(44, "f44_3", 1160, 1530)
          << wenn(text(44, QStringLiteral("Ich habe keine Kenntnis einer kerntechnischen"), 230, 1610, 3), kerntechnik)
          << wenn(text(44, QStringLiteral("Verwendung im Sinne vom §5d AWV."), 230, 1640, 3), kerntechnik)
          << wenn(text(44, QStringLiteral("x"), 240, 1580),
                  {Art::Gleich, Quelle::Kopf, QStringLiteral("f44_10"), QStringLiteral("j")})
          << wenn(kopf(Tor44_1, "f44_5", 230, 1610, 3), keineKerntechnik)
          << wenn(kopf(Tor44_2, "f44_6", 230, 1640, 3), keineKerntechnik) << kopf(Tor44_3, "F44_7", 230, 1670, 3)
          << posten(41, "f41_1", 1380, 1490) << posten(46, "f46", 1690, 1650) << kopf(49, "f49", 1610, 1750);
        p << untereinander(50, Quelle::Kopf, QStringLiteral("fb%1"), 1, 4, 1420, 1970, 40);
        p << kopf(54, "f54_1", 1400, 2600);
        p << untereinander(54, Quelle::Kopf, QStringLiteral("f54_%1"), 2, 5, 1400, 2680, 40);
        p << kopf(keinTor, "FD_1", 220, 2600) << kopf(keinTor, "FD_2", 460, 2640) << kopf(keinTor, "FD_3", 270, 2680)
          << kopf(keinTor, "FD_4", 290, 2720) << kopf(keinTor, "FD_5", 220, 2760);
        return p;
    }();
    return positionen;
}

const QList<Druckposition> &folgeseiteKopf()
{
    static const QList<Druckposition> positionen{
        {.quelle = Quelle::Wert, .feld = QStringLiteral("Nummer"), .x = 830, .y = 50},
        kopf(keinTor, "f1_1", 1160, 100),
        kopf(keinTor, "f1_2", 1245, 100),
        kopf(keinTor, "f2_0", 650, 100),
        kopf(keinTor, "f2_1", 230, 140),
        kopf(keinTor, "f2_2", 230, 180),
        kopf(keinTor, "f2_3", 230, 220),
        {.quelle = Quelle::Wert, .feld = QStringLiteral("Blatt"), .x = 1160, .y = 220},
        kopf(keinTor, "f3_2", 1245, 220),
    };
    return positionen;
}

const QList<Druckposition> &folgeseitePosition()
{
    static const QList<Druckposition> positionen = [] {
        QList<Druckposition> p{posten(keinTor, "f31_1", 800, 280)};
        p << untereinander(keinTor, Quelle::Position, QStringLiteral("f31_%1"), 2, 9, 230, 320, 40);
        Druckposition pos = posten(keinTor, "pos", 1255, 295);
        pos.format = Format::Ganzzahl;
        p << pos << posten(keinTor, "f33_1", 1385, 295) << posten(keinTor, "f33_2", 1580, 295)
          << grau(keinTor, 1410, 380) << posten(keinTor, "f34_2", 1530, 380) << posten(keinTor, "f35_1", 1610, 380)
          << posten(keinTor, "f35_2", 1900, 380) << posten(keinTor, "f37_1", 1395, 465)
          << posten(keinTor, "f37_2", 1510, 465) << posten(keinTor, "f38", 1620, 465)
          << posten(keinTor, "F40", 1395, 550) << posten(keinTor, "f41_1", 1385, 640);
        p << untereinander(keinTor, Quelle::Wert, QStringLiteral("44_%1"), 1, 5, 230, 670, 35);
        p << wenn(text(keinTor, QStringLiteral("RET-EXP - 30400"), 1390, 720, 3), ret)
          << posten(keinTor, "f46", 1700, 805);
        return p;
    }();
    return positionen;
}
