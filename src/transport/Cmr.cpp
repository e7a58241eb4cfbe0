#include "transport/Cmr.h"

const Belegart &CmrFrachtbrief()
{
    using Spalte = Belegart::Spalte;
    static const Belegart art{
        .tabellen = {.kopf = QStringLiteral("CMR"),
                     .positionen = QStringLiteral("Cmrfolg"),
                     .positionsanzahl = QStringLiteral("Positionen")},
        .parameter = {.vorschlag = QStringLiteral("VorschlagNr_10"),
                      .plausi = QStringLiteral("Plausi_10"),
                      .festeFelder = QStringLiteral("Memo_10")},
        // The print settings row "CMR" is the user's own; the print makes none.
        .druck = {.seitenarten = {Seitenart{QStringLiteral("CMR")}}, .zeilenAnlegen = false},
        .regie = {
            .titel = QStringLiteral("Regiezentrum : CMR-Frachtbrief"),
            .navigationsHinweise = {QStringLiteral("Erster CMR - Frachtbrief"),
                                    QStringLiteral("Vorheriger CMR - Frachtbrief"),
                                    QStringLiteral("Nächster CMR - Frachtbrief"),
                                    QStringLiteral("Letzter CMR - Frachtbrief")},
            .spalten = {Spalte{QStringLiteral("BELEGNR"), QStringLiteral("BelegNr")},
                        Spalte{QStringLiteral("DATUM"), QStringLiteral("Datum")},
                        Spalte{QStringLiteral("Positionen"), QStringLiteral("Positionen")},
                        Spalte{QStringLiteral("C2_1"), QStringLiteral("Empfänger")},
                        Spalte{QStringLiteral("TUCode"), QStringLiteral("TUCode")}},
            .masterAusblenden = Belegart::MasterAusblenden::Filter,
            .statusMaster = QStringLiteral("BelegNr: Master-Formular"),
            .suchkriterien = {{QStringLiteral("BelegNr."), QStringLiteral("BelegNr"), false, 11},
                              {QStringLiteral("Empfänger"), QStringLiteral("C2_1"), true}},
            .druckTitel = QStringLiteral("Druck Cmr - Belegnummer: "),
        },
    };
    return art;
}
