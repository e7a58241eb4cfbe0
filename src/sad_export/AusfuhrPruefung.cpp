#include "sad_export/Ausfuhranmeldung.h"

using namespace Qt::StringLiterals;

// The required boxes of the header, in the order the focus looks for a gap.
Pruefung PruefungEinheitspapier()
{
    const auto felder = [](std::initializer_list<const char *> namen) {
        QStringList liste;
        for (const char *name : namen)
            liste << QString::fromLatin1(name);
        return liste;
    };
    return {.punkte = {
                {u" 1 Anmeldung"_s, einesLeer(felder({"F1_1", "f1_2"}))},
                {u" 2 Versender"_s, alleLeer(felder({"F2_1", "F2_2", "F2_3"}))},
                {u" 8 Empfänger"_s, alleLeer(felder({"F8_1", "F8_2", "F8_3"}))},
                {u"14 Anmelder"_s, alleLeer(felder({"F14_1", "F14_2", "F14_3"}))},
                {u"17a Best.-Land-Code"_s, leer(u"F17_1"_s)},
                {u"17 Bestimmungsland"_s, leer(u"F17_2"_s), {}, true},
                {u"19 Container"_s, leer(u"F19"_s)},
                {u"21 Kennz. Beförd."_s, einesLeer(felder({"F21_1", "F21_2"}))},
                {u"22 Währung"_s, einesLeer(felder({"F22_1", "F22_2"}))},
                {u"24 Art des Geschäfts"_s, einesLeer(felder({"F24_1", "F24_2"}))},
                {u"25 Vkz. Grenze"_s, leer(u"F25"_s)},
                {u"26 Vkz. Inland"_s, leer(u"F26"_s)},
                {u"29 Zollstelle"_s, leer(u"F29"_s)},
                {u"54 Ort, Datum"_s, leer(u"f54_1"_s)},
            }};
}

// The required boxes of an item; box 34 is ticked when both its parts are
// empty but is a gap only without the region.
Pruefung PruefungPosition()
{
    return {.gruppe = u"Positionen"_s,
            .punkte = {
                {u"31 Warenbezeichnung"_s, alleLeer({u"F31_2"_s, u"F31_3"_s, u"F31_4"_s})},
                {u"33 Stat. Warennummer"_s, leer(u"F33_1"_s)},
                {u"34 Ursp.-Land"_s, alleLeer({u"F34_1"_s, u"F34_2"_s}), leer(u"F34_2"_s)},
                {u"37 Verfahren"_s, einesLeer({u"f37_1"_s, u"f37_2"_s})},
                {u"38 Eigenmasse"_s, leer(u"F38"_s)},
                {u"41 Bes. Maßeinheit"_s, leer(u"F41_1"_s)},
                {u"46 Stat. Wert"_s, leer(u"F46"_s)},
            }};
}
