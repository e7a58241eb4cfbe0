#include "Ware_e.h"

namespace {

masterdata::Auswahldeklaration warenAuswahl()
{
    return {.name = QStringLiteral("frmWare_e"),
            .titel = QStringLiteral("Auswahl: Statistische Warennummer"),
            .tabelle = QStringLiteral("S_WARENN"),
            .ordnung = QStringLiteral("ibez"),
            .spalten = {{QStringLiteral("waren"), QStringLiteral("WarenNr.")},
                        {QStringLiteral("bez1"), QStringLiteral("Bezeichnung")},
                        {QStringLiteral("Land"), QStringLiteral("Land")}},
            .suchIndex = QStringLiteral("ibez")};
}

} // namespace

TfrmWare_e::TfrmWare_e(QWidget *parent) : Auswahldialog(warenAuswahl(), parent)
{
}
