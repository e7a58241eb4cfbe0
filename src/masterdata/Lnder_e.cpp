#include "Lnder_e.h"
#include "Stammdatenbank.h"
#include "Stammformular.h"

#include "platform/db/Field.h"
#include "platform/db/Table.h"

namespace {

using masterdata::TagZiel;

masterdata::Auswahldeklaration lnderAuswahl()
{
    const QString ausfuhr = QStringLiteral("frmEinheit");
    const QString einfuhr = QStringLiteral("frmEinheit2");
    const QString lkz = QStringLiteral("Lkz");
    return {
        .name = QStringLiteral("frmLnder_e"),
        .titel = QStringLiteral("Auswahl: Ländertabelle"),
        .tabelle = QStringLiteral("S_LANDBZ"),
        .ordnung = QStringLiteral("iBez"),
        .suchIndex = QStringLiteral("iBez"),
        .spalten = {{lkz, QStringLiteral("Alpha-2-Code")},
                    {QStringLiteral("Waehrung")},
                    {QStringLiteral("Land")},
                    {QStringLiteral("Bez"), QStringLiteral("Bezeichnung")},
                    {QStringLiteral("Verfahren1")},
                    {QStringLiteral("Verfahren2")}},
        .tagZiele = {
            TagZiel{1, ausfuhr, {{QStringLiteral("F1_1"), QStringLiteral("Zug")}}},
            TagZiel{17, ausfuhr, {{QStringLiteral("F17_1"), lkz}}},
            TagZiel{1701, ausfuhr, {{QStringLiteral("F17_2"), QStringLiteral("Bez")}}},
            TagZiel{211, ausfuhr, {{QStringLiteral("F21_2"), lkz}}},
            TagZiel{22, ausfuhr, {{QStringLiteral("F22_1"), QStringLiteral("Waehrung")}}},
            TagZiel{40, einfuhr, {{QStringLiteral("F15"), QStringLiteral("Landkbz")}, {QStringLiteral("F15_1"), lkz}}},
            TagZiel{110, einfuhr, {{QStringLiteral("F11_1"), lkz}}},
            TagZiel{160, einfuhr, {{QStringLiteral("F16"), QStringLiteral("Landkbz")}}},
            TagZiel{1810, einfuhr, {{QStringLiteral("F18_2"), lkz}}},
            TagZiel{2110, einfuhr, {{QStringLiteral("F21_2"), lkz}}},
            TagZiel{220, einfuhr, {{QStringLiteral("F22_1"), QStringLiteral("Waehrung")}, {QStringLiteral("F30"), QStringLiteral("Kurs")}}},
            TagZiel{270, einfuhr, {{QStringLiteral("F27_2"), lkz}}},
        },
        .roteZeilen = QStringLiteral("EinzelMit"),
        .groesse = {379, 234},
        .festeGroesse = true,
    };
}

// The table in the order of the field, on the country whose field equals
// the key; false (the cursor unmoved) when there is none.
bool aufLandStellen(db::Table &tabelle, const QString &feld, const QString &schluessel)
{
    masterdata::ordnungSetzen(tabelle, feld);
    return tabelle.findKey({schluessel});
}

} // namespace

TfrmLnder_e::TfrmLnder_e(QWidget *parent) : Auswahldialog(lnderAuswahl(), parent) {}

void TfrmLnder_e::LandBezeichnung(const QString &feld, const QString &schluessel, QString &text)
{
    text.clear();
    if (schluessel.isEmpty())
        return;
    db::Table tabelle(masterdata::datenbank(), QStringLiteral("S_LANDBZ"));
    tabelle.setReadOnly(true);
    masterdata::ordnungSetzen(tabelle, feld);
    tabelle.open();
    if (tabelle.findKey({schluessel}))
        text = tabelle.fieldByName(QStringLiteral("Bez")).asString();
    tabelle.close();
}

void TfrmLnder_e::WaehleLandFeld(const QString &feld, const QString &start, QString &text)
{
    text = masterdata::auswahlErgebnis(std::make_unique<TfrmLnder_e>(), feld, [&](db::Table &tabelle) {
        if (!start.isEmpty())
            aufLandStellen(tabelle, feld, start);
    });
}

void TfrmLnder_e::WaehleLandBezeichnung(QString &text)
{
    text = masterdata::auswahlErgebnis(std::make_unique<TfrmLnder_e>(), QStringLiteral("Bez"));
}
