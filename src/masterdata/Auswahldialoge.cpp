#include "Auswahldialoge.h"

#include "platform/db/Table.h"

namespace {

using masterdata::Auswahldeklaration;
using masterdata::TagZiel;
using masterdata::Tippsuche;

const QString ausfuhr = QStringLiteral("frmEinheit");
const QString einfuhr = QStringLiteral("frmEinheit2");

Auswahldeklaration verzwAuswahl()
{
    return {
        .name = QStringLiteral("frmVerzw_e"),
        .titel = QStringLiteral("Auswahl: VerkehrszweigeTabelle"),
        .tabelle = QStringLiteral("S_VERKZG"),
        .ordnung = QStringLiteral("Bez1"),
        .suchIndex = QStringLiteral("iBez"),
        .spalten = {{QStringLiteral("Vkzweig"), QStringLiteral("Nummer")},
                    {QStringLiteral("Bez1"), QStringLiteral("Bezeichnung")},
                    {QStringLiteral("Bez2"), QStringLiteral("Transportart")}},
        .tagZiele = {
            TagZiel{21, ausfuhr, {{QStringLiteral("F21_1"), QStringLiteral("Bez2")}}},
            TagZiel{25, ausfuhr, {{QStringLiteral("F25"), QStringLiteral("Vkzweig")}}},
            TagZiel{26, ausfuhr, {{QStringLiteral("F26"), QStringLiteral("Vkzweig")}}},
            TagZiel{180, einfuhr, {{QStringLiteral("F18_1"), QStringLiteral("Bez2")}}},
            TagZiel{210, einfuhr, {{QStringLiteral("F21_1"), QStringLiteral("Bez2")}}},
            TagZiel{250, einfuhr, {{QStringLiteral("F25"), QStringLiteral("Vkzweig")}}},
            TagZiel{260, einfuhr, {{QStringLiteral("F26"), QStringLiteral("Vkzweig")}}},
        },
    };
}

Auswahldeklaration zollAuswahl()
{
    return {
        .name = QStringLiteral("frmZoll_e"),
        .titel = QStringLiteral("Auswahl: Zolltabelle"),
        .tabelle = QStringLiteral("S_ZOLLST"),
        .ordnung = QStringLiteral("iOrt"),
        .suchIndex = QStringLiteral("iOrt"),
        .spalten = {{QStringLiteral("Zollst")}, {QStringLiteral("Art")}, {QStringLiteral("Ort")}, {QStringLiteral("TArt")}},
        .tagZiele = {
            TagZiel{29, ausfuhr, {{QStringLiteral("F29"), QStringLiteral("Zollst")}}},
            TagZiel{290, einfuhr, {{QStringLiteral("F29"), QStringLiteral("Zollst")}}},
        },
    };
}

Auswahldeklaration geschAuswahl()
{
    // The two-digit code goes into the two one-character boxes of box 24.
    const QList<masterdata::TagWert> box24 = {{QStringLiteral("F24_1"), QStringLiteral("Geart"), 0, 1},
                                              {QStringLiteral("F24_2"), QStringLiteral("Geart"), 1, 1}};
    return {
        .name = QStringLiteral("frmGesch_e"),
        .titel = QStringLiteral("Auswahl: Geschäftsart-Tabelle"),
        .tabelle = QStringLiteral("S_GESART"),
        .ordnung = QStringLiteral("Bez"),
        .suchIndex = QStringLiteral("iBez"),
        .spalten = {{QStringLiteral("Geart"), QStringLiteral("Art")}, {QStringLiteral("Bez"), QStringLiteral("Bezeichnung")}},
        .tagZiele = {TagZiel{24, ausfuhr, box24}, TagZiel{240, einfuhr, box24}},
    };
}

Auswahldeklaration lieferAuswahl()
{
    return {
        .name = QStringLiteral("frmLiefer_e"),
        .titel = QStringLiteral("Auswahl: Lieferbedingung"),
        .tabelle = QStringLiteral("S_LIEFER"),
        .ordnung = QStringLiteral("Bedeutung"),
        .suchIndex = QStringLiteral("iBedeutung"),
        .spalten = {{QStringLiteral("Lieferb")}, {QStringLiteral("Bedeutung")}},
    };
}

Auswahldeklaration verfanAuswahl()
{
    return {
        .name = QStringLiteral("frmVerfan_e"),
        .titel = QStringLiteral("Auswahl: Verfahren"),
        .tabelle = QStringLiteral("S_VERFAH"),
        .ordnung = QStringLiteral("Bez"),
        .suchIndex = QStringLiteral("iBez"),
        .tasten = Tippsuche::JedeTaste,
        .spalten = {{QStringLiteral("Verfahr")}, {QStringLiteral("Bez")}},
    };
}

Auswahldeklaration lnderbrdAuswahl()
{
    return {
        .name = QStringLiteral("frmLnderbrd_e"),
        .titel = QStringLiteral("Auswahl: Bundesländer"),
        .tabelle = QStringLiteral("S_INLAND"),
        .ordnung = QStringLiteral("Bez"),
        .suchIndex = QStringLiteral("iBez"),
        .tasten = Tippsuche::JedeTaste,
        .spalten = {{QStringLiteral("Ulandi"), QStringLiteral("Nr.")}, {QStringLiteral("Bez"), QStringLiteral("Bezeichnung")}},
    };
}

Auswahldeklaration hafenAuswahl()
{
    return {
        .name = QStringLiteral("frmHafen_e"),
        .titel = QStringLiteral("Auswahl: Hafen - Tabelle"),
        .tabelle = QStringLiteral("S_HAFEN"),
        .ordnung = QStringLiteral("Nummer"),
        .suchIndex = QStringLiteral("iHafen"),
        .tasten = Tippsuche::JedeTaste,
        .spalten = {{QStringLiteral("Nummer")}, {QStringLiteral("Hafen")}},
    };
}

Auswahldeklaration verfAuswahl()
{
    return {
        .name = QStringLiteral("frmVerf_e"),
        .titel = QStringLiteral("Auswahl: VerfahrenAuswahl"),
        .tabelle = QStringLiteral("S_EINH37"),
        .ordnung = QStringLiteral("Bedeutung"),
        .suchIndex = QStringLiteral("iBedeutung"),
        .tasten = Tippsuche::JedeTaste,
        .spalten = {{QStringLiteral("Verfnr1"), QStringLiteral("Nr1")},
                    {QStringLiteral("Verfnr2"), QStringLiteral("Nr2")},
                    {QStringLiteral("Bedeutung")}},
    };
}

} // namespace

TfrmVerzw_e::TfrmVerzw_e(QWidget *parent) : Auswahldialog(verzwAuswahl(), parent) {}
TfrmZoll_e::TfrmZoll_e(QWidget *parent) : Auswahldialog(zollAuswahl(), parent) {}
TfrmGesch_e::TfrmGesch_e(QWidget *parent) : Auswahldialog(geschAuswahl(), parent) {}
TfrmLiefer_e::TfrmLiefer_e(QWidget *parent) : Auswahldialog(lieferAuswahl(), parent) {}
TfrmVerfan_e::TfrmVerfan_e(QWidget *parent) : Auswahldialog(verfanAuswahl(), parent) {}
TfrmLnderbrd_e::TfrmLnderbrd_e(QWidget *parent) : Auswahldialog(lnderbrdAuswahl(), parent) {}
TfrmHafen_e::TfrmHafen_e(QWidget *parent) : Auswahldialog(hafenAuswahl(), parent) {}
TfrmVerf_e::TfrmVerf_e(QWidget *parent) : Auswahldialog(verfAuswahl(), parent) {}

void TfrmVerzw_e::WaehleVerkehrszweig(const QString &, QString &code)
{
    code = masterdata::auswahlErgebnis(std::make_unique<TfrmVerzw_e>(), QStringLiteral("Vkzweig"));
}

void TfrmGesch_e::WaehleGeschaeftsart(const QString &, QString &code)
{
    code = masterdata::auswahlErgebnis(std::make_unique<TfrmGesch_e>(), QStringLiteral("Geart"));
}

void TfrmLiefer_e::WaehleLieferbedingung(const QString &, QString &code)
{
    code = masterdata::auswahlErgebnis(std::make_unique<TfrmLiefer_e>(), QStringLiteral("Lieferb"));
}

void TfrmLnderbrd_e::WaehleBundesland(const QString &startCode, QString &code)
{
    code = masterdata::auswahlErgebnis(std::make_unique<TfrmLnderbrd_e>(), QStringLiteral("Ulandi"),
                                       [&](db::Table &tabelle) {
                                           if (!startCode.isEmpty())
                                               tabelle.locate(QStringLiteral("Ulandi"), {startCode}, {.caseInsensitive = true});
                                       });
}
