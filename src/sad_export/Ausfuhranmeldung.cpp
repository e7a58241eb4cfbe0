#include "sad_export/Ausfuhranmeldung.h"

#include "common/TfrmVorabstempler.h"
#include "sad_export/EinheitHaken.h"
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
        .eingabe = {
            .name = QStringLiteral("frmEinheit"),
            .titel = QStringLiteral("Ausfuhranmeldung"),
            .felder = EinheitFelder(),
            .auswahlen = EinheitAuswahlen(),
            .positionsspalten = {Spalte{QStringLiteral("pos"), QStringLiteral("Pos."), 4},
                                 Spalte{QStringLiteral("f33_1"), QStringLiteral("Warennummer")},
                                 Spalte{QStringLiteral("f31_1"), QStringLiteral("Bezeichnung")},
                                 Spalte{QStringLiteral("f31_2"), QStringLiteral("Bezeichnung")},
                                 Spalte{QStringLiteral("f31_3"), QStringLiteral("Bezeichnung")}},
            .positionsknoepfe = {
                {QStringLiteral("sbPosErste"), QStringLiteral("|<"), QStringLiteral("Erste Position")},
                {QStringLiteral("sbPosVorherige"), QStringLiteral("<"), QStringLiteral("Vorherige Position")},
                {QStringLiteral("sbPosNaechste"), QStringLiteral(">"), QStringLiteral("Nächste Position")},
                {QStringLiteral("sbPosLetzte"), QStringLiteral(">|"), QStringLiteral("Letzte Position")},
                {QStringLiteral("sbPosHinzufuegen"), QStringLiteral("+"), QStringLiteral("Position hinzufügen")},
                {QStringLiteral("sbPosLoeschen"), QStringLiteral("-"), QStringLiteral("Aktuelle Position löschen")},
                {QStringLiteral("sbPosBearbeiten"), QStringLiteral("..."), QStringLiteral("aktuelle Position bearbeiten")},
            },
        },
        .position = {.name = QStringLiteral("frmEinAnl"),
                     .titel = QStringLiteral("Packstücke und Warenbezeichnung"),
                     .felder = PositionFelder(),
                     .auswahlen = PositionAuswahlen()},
        .pruefdialog = {.name = QStringLiteral("frmPlausi"),
                        .titel = QStringLiteral("Genehmigungsprüfung Einheitspapier")},
        .pruefung = PruefungEinheitspapier(),
        .positionsPruefung = PruefungPosition(),
        .haken = [] { return std::make_unique<EinheitHaken>(); },
    };
    return art;
}

void VorablistenAEAnlegen(const QString &programmOrdner)
{
    const QString ordner = sys::withTrailingSeparator(programmOrdner);
    VorablistenAnlegen(ordner + VorabUnbedrucktAE, ordner + VorabBedrucktAE);
}
