#include "transport/Cmr.h"

#include "transport/CmrHaken.h"

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
        .eingabe = {
            .name = QStringLiteral("frmCmr"),
            .titel = QStringLiteral("CMR-Frachtbrief"),
            .felder = CmrFelder(),
            .auswahlen = CmrAuswahlen(),
            .positionsspalten = {Spalte{QStringLiteral("Pos"), QStringLiteral("Pos."), 4},
                                 Spalte{QStringLiteral("C6"), QStringLiteral("Bezeichnung")},
                                 Spalte{QStringLiteral("C10"), QStringLiteral("Stat.-Nr.")},
                                 Spalte{QStringLiteral("C11"), QStringLiteral("Brutto(kg)")},
                                 Spalte{QStringLiteral("C12"), QStringLiteral("Umfang m³")}},
            .positionsknoepfe = {{QStringLiteral("nbFirst"), QStringLiteral("|<"), QStringLiteral("Erster Datensatz")},
                                 {QStringLiteral("nbPrior"), QStringLiteral("<"), QStringLiteral("Vorheriger Datensatz")},
                                 {QStringLiteral("nbNext"), QStringLiteral(">"), QStringLiteral("Nächster Datensatz")},
                                 {QStringLiteral("nbLast"), QStringLiteral(">|"), QStringLiteral("Letzter Datensatz")},
                                 {QStringLiteral("nbInsert"), QStringLiteral("+"), QStringLiteral("Datensatz einfügen")},
                                 {QStringLiteral("nbDelete"), QStringLiteral("-"), QStringLiteral("Datensatz löschen")},
                                 {QStringLiteral("nbEdit"), QStringLiteral("..."), QStringLiteral("Datensatz bearbeiten")}},
        },
        .position = {.name = QStringLiteral("frmCmrFolg"),
                     .titel = QStringLiteral("CMR - Frachtbrief Positionen"),
                     .felder = CmrPositionFelder(),
                     .auswahlen = CmrPositionAuswahlen()},
        .pruefdialog = {.name = QStringLiteral("frmCmr_Plausi"), .titel = QStringLiteral("Genehmigungsprüfung CMR")},
        .pruefung = CmrPruefung(),
        .haken = [] { return std::make_unique<CmrHaken>(); },
    };
    return art;
}
