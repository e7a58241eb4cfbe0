#include "transport/Cmr.h"

using namespace Qt::StringLiterals;

// Boxes 6 to 12 side by side, as their columns on the paper form.
QList<Eingabefeld> CmrPositionFelder()
{
    using E = Eingabefeld;
    const auto P = Datenquelle::Positionen;
    return {
        E{.steuerelement = u"DBEdit1"_s, .feld = u"C6"_s,
          .kasten = u"6. Kennz. u. Nr.   7. Anz. Packst.   8. Art der Verp.   9. Bez. des Gutes"_s,
          .platz = {170, 1110, 1310, 1610}, .hilfe = u"6. Kennzeichen und Nummer"_s, .quelle = P},
        E{.steuerelement = u"DBEdit2"_s, .feld = u"C10"_s, .kasten = u"10. Stat.-Nr."_s,
          .platz = {1310, 1110, 1540, 1610},
          .hilfe = mitUebernahme(u"10. Statistische Warennummer"_s), .auswahl = u"sbWare"_s, .quelle = P},
        E{.steuerelement = u"DBEdit3"_s, .feld = u"C11"_s, .kasten = u"11. Brutto (kg)"_s,
          .platz = {1540, 1110, 1770, 1610}, .hilfe = u"11. Gewicht in Kilogramm - (Brutto)"_s, .quelle = P},
        E{.steuerelement = u"DBEdit4"_s, .feld = u"C12"_s, .kasten = u"12. Umfang m³"_s,
          .platz = {1770, 1110, 2020, 1610}, .hilfe = u"12. Umfang in m³"_s, .quelle = P},
    };
}

// The small goods-number picker gives the eight-digit number alone.
QList<Auswahlbindung> CmrPositionAuswahlen()
{
    return {Auswahlbindung{.knopf = u"sbWare"_s, .auswahl = u"AuswahlWarennummer"_s,
                           .nebenSteuerelement = u"DBEdit2"_s, .zuordnungen = {{u"DBEdit2"_s, {u"waren"_s}}}}};
}
