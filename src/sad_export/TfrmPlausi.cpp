#include "sad_export/TfrmPlausi.h"

TfrmPlausi::TfrmPlausi(QWidget *parent)
    : Pruefdialog(QStringLiteral("Genehmigungsprüfung Einheitspapier"),
                  {{QStringLiteral("Nicht ausgefüllte Felder sind markiert!"),
                    {QStringLiteral(" 1 Anmeldung"), QStringLiteral(" 2 Versender"), QStringLiteral(" 8 Empfänger"),
                     QStringLiteral("14 Anmelder"), QStringLiteral("17a Best.-Land-Code"),
                     QStringLiteral("17 Bestimmungsland"), QStringLiteral("19 Container"),
                     QStringLiteral("21 Kennz. Beförd."), QStringLiteral("22 Währung"),
                     QStringLiteral("24 Art des Geschäfts"), QStringLiteral("25 Vkz. Grenze"),
                     QStringLiteral("26 Vkz. Inland"), QStringLiteral("29 Zollstelle"),
                     QStringLiteral("54 Ort, Datum")}},
                   {QStringLiteral("Positionen"),
                    {QStringLiteral("31 Warenbezeichnung"), QStringLiteral("33 Stat. Warennummer"),
                     QStringLiteral("34 Ursp.-Land"), QStringLiteral("37 Verfahren"), QStringLiteral("38 Eigenmasse"),
                     QStringLiteral("41 Bes. Maßeinheit"), QStringLiteral("46 Stat. Wert")}}},
                  parent)
{
    setObjectName(QStringLiteral("frmPlausi"));
}

const Pruefung &PruefungEinheitspapier()
{
    static const Pruefung pruefung{
        .luecken = {einesLeer({QStringLiteral("F1_1"), QStringLiteral("f1_2")}),
                    alleLeer({QStringLiteral("F2_1"), QStringLiteral("F2_2"), QStringLiteral("F2_3")}),
                    alleLeer({QStringLiteral("F8_1"), QStringLiteral("F8_2"), QStringLiteral("F8_3")}),
                    alleLeer({QStringLiteral("F14_1"), QStringLiteral("F14_2"), QStringLiteral("F14_3")}),
                    leer(QStringLiteral("F17_1")), leer(QStringLiteral("F19")),
                    einesLeer({QStringLiteral("F21_1"), QStringLiteral("F21_2")}),
                    einesLeer({QStringLiteral("F22_1"), QStringLiteral("F22_2")}),
                    einesLeer({QStringLiteral("F24_1"), QStringLiteral("F24_2")}),
                    leer(QStringLiteral("F25")), leer(QStringLiteral("F26")), leer(QStringLiteral("F29")),
                    leer(QStringLiteral("f54_1"))},
        .haken = {{QStringLiteral(" 1 Anmeldung"), einesLeer({QStringLiteral("F1_1"), QStringLiteral("f1_2")})},
                  {QStringLiteral(" 2 Versender"),
                   alleLeer({QStringLiteral("F2_1"), QStringLiteral("F2_2"), QStringLiteral("F2_3")})},
                  {QStringLiteral(" 8 Empfänger"),
                   alleLeer({QStringLiteral("F8_1"), QStringLiteral("F8_2"), QStringLiteral("F8_3")})},
                  {QStringLiteral("14 Anmelder"),
                   alleLeer({QStringLiteral("F14_1"), QStringLiteral("F14_2"), QStringLiteral("F14_3")})},
                  {QStringLiteral("17a Best.-Land-Code"), leer(QStringLiteral("F17_1"))},
                  {QStringLiteral("17 Bestimmungsland"), leer(QStringLiteral("F17_2"))},
                  {QStringLiteral("19 Container"), leer(QStringLiteral("F19"))},
                  {QStringLiteral("21 Kennz. Beförd."), einesLeer({QStringLiteral("F21_1"), QStringLiteral("F21_2")})},
                  {QStringLiteral("22 Währung"), einesLeer({QStringLiteral("F22_1"), QStringLiteral("F22_2")})},
                  {QStringLiteral("24 Art des Geschäfts"),
                   einesLeer({QStringLiteral("F24_1"), QStringLiteral("F24_2")})},
                  {QStringLiteral("25 Vkz. Grenze"), leer(QStringLiteral("F25"))},
                  {QStringLiteral("26 Vkz. Inland"), leer(QStringLiteral("F26"))},
                  {QStringLiteral("29 Zollstelle"), leer(QStringLiteral("F29"))},
                  {QStringLiteral("54 Ort, Datum"), leer(QStringLiteral("f54_1"))}},
        .fokusreihenfolge = {leer(QStringLiteral("F1_1")), leer(QStringLiteral("f1_2")),
                             alleLeer({QStringLiteral("F2_1"), QStringLiteral("F2_2"), QStringLiteral("F2_3")}),
                             alleLeer({QStringLiteral("F8_1"), QStringLiteral("F8_2"), QStringLiteral("F8_3")}),
                             alleLeer({QStringLiteral("F14_1"), QStringLiteral("F14_2"), QStringLiteral("F14_3")}),
                             leer(QStringLiteral("F17_1")), leer(QStringLiteral("F19")), leer(QStringLiteral("F21_1")),
                             leer(QStringLiteral("F21_2")), leer(QStringLiteral("F22_1")), leer(QStringLiteral("F22_2")),
                             leer(QStringLiteral("F24_1")), leer(QStringLiteral("F24_2")), leer(QStringLiteral("F25")),
                             leer(QStringLiteral("F26")), leer(QStringLiteral("F29")), leer(QStringLiteral("f54_1"))},
    };
    return pruefung;
}

const Pruefung &PruefungPosition()
{
    const QStringList beschreibung{QStringLiteral("F31_2"), QStringLiteral("F31_3"), QStringLiteral("F31_4")};
    static const Pruefung pruefung{
        .luecken = {alleLeer(beschreibung), leer(QStringLiteral("F34_2")),
                    einesLeer({QStringLiteral("f37_1"), QStringLiteral("f37_2")}), leer(QStringLiteral("F38")),
                    leer(QStringLiteral("F33_1")), leer(QStringLiteral("F41_1")), leer(QStringLiteral("F46"))},
        .haken = {{QStringLiteral("31 Warenbezeichnung"), alleLeer(beschreibung)},
                  {QStringLiteral("33 Stat. Warennummer"), leer(QStringLiteral("F33_1"))},
                  {QStringLiteral("34 Ursp.-Land"), alleLeer({QStringLiteral("F34_1"), QStringLiteral("F34_2")})},
                  {QStringLiteral("37 Verfahren"), einesLeer({QStringLiteral("f37_1"), QStringLiteral("f37_2")})},
                  {QStringLiteral("38 Eigenmasse"), leer(QStringLiteral("F38"))},
                  {QStringLiteral("41 Bes. Maßeinheit"), leer(QStringLiteral("F41_1"))},
                  {QStringLiteral("46 Stat. Wert"), leer(QStringLiteral("F46"))}},
        .fokusreihenfolge = {alleLeer(beschreibung), leer(QStringLiteral("F33_1")), leer(QStringLiteral("F34_2")),
                             leer(QStringLiteral("f37_1")), leer(QStringLiteral("f37_2")), leer(QStringLiteral("F38")),
                             leer(QStringLiteral("F41_1")), leer(QStringLiteral("F46"))},
    };
    return pruefung;
}

int PlausiZeigen(const QStringList &angekreuzt, bool position, QWidget *parent)
{
    TfrmPlausi dialog(parent);
    dialog.ankreuzen(angekreuzt);
    dialog.setGruppeSichtbar(1, position);
    return dialog.showModal();
}
