#include "Packst_e.h"

namespace {

masterdata::Auswahldeklaration packstAuswahl()
{
    return {.name = QStringLiteral("frmPackst_e"),
            .titel = QStringLiteral("Auswahl: Packstücke"),
            .tabelle = QStringLiteral("S_PACKST"),
            .ordnung = QStringLiteral("iBez"),
            .suchIndex = QStringLiteral("iBez"),
            .tasten = masterdata::Tippsuche::JedeTaste,
            .spalten = {{QStringLiteral("packart"), QStringLiteral("Packart")},
                        {QStringLiteral("bez"), QStringLiteral("Bezeichnung")},
                        {QStringLiteral("laenge"), QStringLiteral("Länge")},
                        {QStringLiteral("breite"), QStringLiteral("Breite")},
                        {QStringLiteral("hoehe"), QStringLiteral("Höhe")}},
            .groesse = {480, 360}};
}

} // namespace

TfrmPackst_e::TfrmPackst_e(QWidget *parent) : Auswahldialog(packstAuswahl(), parent)
{
}
