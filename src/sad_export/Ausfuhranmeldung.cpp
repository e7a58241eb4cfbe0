#include "sad_export/Ausfuhranmeldung.h"

#include "common/TfrmVorabstempler.h"
#include "platform/sys/Files.h"

const Belegart &Ausfuhranmeldung()
{
    using Spalte = Belegart::Spalte;
    static const Belegart art{
        .tabellen = {.kopf = QStringLiteral("EINHEIT"),
                     .positionen = QStringLiteral("EINFOLG"),
                     .positionsanzahl = QStringLiteral("AnzPos")},
        .parameter = {.vorschlag = QStringLiteral("VorschlagNr_1_1"),
                      .plausi = QStringLiteral("Plausi_1_1"),
                      .festeFelder = QStringLiteral("Memo_1")},
        .druck = {.seitenarten = {Seitenart{QStringLiteral("AUSFUHRANMELDUNG")},
                                  Seitenart{QStringLiteral("AUSFUHRANMELDUNG - ERGÄNZ")}},
                  .ohneDruckerEditor = true},
        .regie = {
            .titel = QStringLiteral("Regiezentrum: Einheitspapier"),
            .navigationsHinweise = {QStringLiteral("Erste Ausfuhrmeldung"), QStringLiteral("Vorherige Ausfuhrmeldung"),
                                    QStringLiteral("Nächste Ausfuhrmeldung"), QStringLiteral("Letzte Ausfuhrmeldung")},
            .spalten = {Spalte{QStringLiteral("belegnr"), QStringLiteral("BelegNr.")},
                        Spalte{QStringLiteral("datum"), QStringLiteral("Datum")},
                        Spalte{QStringLiteral("AnzPos"), QStringLiteral("Positionen")},
                        Spalte{QStringLiteral("f8_1"), QStringLiteral("Name")},
                        Spalte{QStringLiteral("f1_1"), QStringLiteral("Zug"), 3},
                        Spalte{QStringLiteral("AENR"), QStringLiteral("AE - Nummer")},
                        Spalte{QStringLiteral("NV_AM")},
                        Spalte{QStringLiteral("NV_TicketNr")}},
            .exklusiv = true,
            .masterPosition = true,
            .suchkriterien = {{QStringLiteral("BelegNr."), QStringLiteral("BelegNr"), false, 11},
                              {QStringLiteral("Empfänger"), QStringLiteral("F8_1"), true}},
            .kopieGibtVorschlagZurueck = true,
            .druckTitel = QStringLiteral("Druck Einheitspapier - Belegnummer: "),
        },
    };
    return art;
}

void VorablistenAEAnlegen(const QString &programmOrdner)
{
    const QString ordner = sys::withTrailingSeparator(programmOrdner);
    VorablistenAnlegen(ordner + VorabUnbedrucktAE, ordner + VorabBedrucktAE);
}
