#include "Ware_e.h"

namespace {

masterdata::Auswahldeklaration warenAuswahl()
{
    return {.name = QStringLiteral("frmWare_e"),
            .titel = QStringLiteral("Auswahl: Statistische Warennummer"),
            .tabelle = QStringLiteral("S_WARENN"),
            .ordnung = QStringLiteral("ibez"),
            .suchIndex = QStringLiteral("ibez"),
            .tasten = masterdata::Tippsuche::JedeTaste,
            .spalten = {{QStringLiteral("waren"), QStringLiteral("WarenNr.")},
                        {QStringLiteral("bez1"), QStringLiteral("Bezeichnung")},
                        {QStringLiteral("Land"), QStringLiteral("Land")}},
            .groesse = {480, 360}};
}

} // namespace

TfrmWare_e::TfrmWare_e(QWidget *parent) : Auswahldialog(warenAuswahl(), parent)
{
}
