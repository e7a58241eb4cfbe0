#include "Packst_e.h"

namespace {

masterdata::Auswahldeklaration packstAuswahl()
{
    return {.name = QStringLiteral("frmPackst_e"),
            .titel = QStringLiteral("Auswahl: Packstücke"),
            .tabelle = QStringLiteral("S_PACKST"),
            .ordnung = QStringLiteral("iBez"),
            .spalten = {{QStringLiteral("packart"), QStringLiteral("Packart")},
                        {QStringLiteral("bez"), QStringLiteral("Bezeichnung")},
                        {QStringLiteral("laenge"), QStringLiteral("Länge")},
                        {QStringLiteral("breite"), QStringLiteral("Breite")},
                        {QStringLiteral("hoehe"), QStringLiteral("Höhe")}},
            .suchIndex = QStringLiteral("iBez")};
}

} // namespace

TfrmPackst_e::TfrmPackst_e(QWidget *parent) : Auswahldialog(packstAuswahl(), parent)
{
}
