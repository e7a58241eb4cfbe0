#include "Eingabeauswahlen.h"

#include "Auswahldialoge.h"
#include "Kunden.h"
#include "Lnder_e.h"
#include "Packst.h"
#include "Spedit.h"
#include "Stammformular.h"
#include "TfrmData1.h"
#include "Typuebernahme.h"
#include "Ware.h"
#include "Ware_e.h"

#include "common/Eingabeauswahl.h"
#include "common/TSR_dbGrid.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"

#include <memory>

namespace masterdata {

namespace {

// Every field of the row the table stands on, by the field's name.
QHash<QString, QString> eingabeZeile(db::Table &tabelle)
{
    QHash<QString, QString> werte;
    for (db::Field *feld : tabelle.fields())
        werte.insert(feld->name(), feld->asString());
    return werte;
}

// A picker as an entry form asks for it: its Tag (a picker with Tag targets
// writes into the form itself on "Übernehmen"), the box number in the
// caption, the start row found in one order and the list shown in another;
// the chosen row, or nullopt.
Auswahlergebnis pickerAusfuehren(Auswahldialog &dialog, const Auswahlanfrage &anfrage)
{
    dialog.Tag = anfrage.tag;
    if (!anfrage.titelZusatz.isEmpty())
        dialog.setWindowTitle(dialog.windowTitle() + anfrage.titelZusatz);
    // An empty box starts on the first row of the positioning order.
    if (!anfrage.index.isEmpty()) {
        ordnungSetzen(*dialog.Table1, anfrage.index);
        dialog.Table1->findNearest({anfrage.start});
    }
    if (!anfrage.listenordnung.isEmpty())
        ordnungSetzen(*dialog.Table1, anfrage.listenordnung);
    if (dialog.showModal() != ui::ModalResult::Ok || dialog.Table1->isEmpty())
        return std::nullopt;
    return eingabeZeile(*dialog.Table1);
}

template<typename Dialog>
Auswahlergebnis pickerZeigen(const Auswahlanfrage &anfrage)
{
    Dialog dialog(anfrage.eltern);
    return pickerAusfuehren(dialog, anfrage);
}

// A master form in take-over mode; the chosen row, or nullopt.
Auswahlergebnis uebernahmeZeigen(Stammformular &form)
{
    form.uebernahmeZeigen();
    if (form.showModal() != ui::ModalResult::Ok || form.Table1->isEmpty())
        return std::nullopt;
    return eingabeZeile(*form.Table1);
}

template<typename Form>
Auswahlergebnis stammZeigen(const Auswahlanfrage &anfrage)
{
    Form form(anfrage.eltern);
    return uebernahmeZeigen(form);
}

// The goods-number master without the columns of the further code parts.
Auswahlergebnis warennummerWaehlen(const Auswahlanfrage &anfrage)
{
    TfrmWare form(anfrage.eltern);
    form.oeffnen();
    QList<ui::GridColumn> spalten = form.dbgrBenutzer->columns();
    spalten.removeIf([](const ui::GridColumn &spalte) {
        for (const char *verborgen : {"Waren2", "Waren3", "Waren4", "Waren5"})
            if (spalte.fieldName.compare(QLatin1String(verborgen), Qt::CaseInsensitive) == 0)
                return true;
        return false;
    });
    form.dbgrBenutzer->setColumns(spalten);
    return uebernahmeZeigen(form);
}

Auswahlergebnis packstueckWaehlen(const Auswahlanfrage &anfrage)
{
    const std::optional<Packstueckwahl> wahl = TfrmPackst::Waehlen(anfrage.eltern);
    if (!wahl)
        return std::nullopt;
    return QHash<QString, QString>{{QStringLiteral("Anzahl"), wahl->anzahl},
                                   {QStringLiteral("packart"), wahl->packart},
                                   {QStringLiteral("bez"), wahl->bez}};
}

// The federal states open at a fixed place beside the item form.
Auswahlergebnis bundeslandWaehlen(const Auswahlanfrage &anfrage)
{
    TfrmLnderbrd_e dialog(anfrage.eltern);
    dialog.move(234, 160);
    return pickerAusfuehren(dialog, anfrage);
}

// A typed prefix of a country code: the one country that has it, the
// chooser among several, the no-match message for none.
Auswahlergebnis landKennzeichenAufloesen(const Auswahlanfrage &anfrage)
{
    TfrmData1 *modul = frmData1();
    if (!modul || anfrage.start.isEmpty())
        return std::nullopt;
    Typuebernahme typ(*modul->tbLand, QStringLiteral("LKZ"), Schluesselart::Praefix,
                      QStringLiteral("Es wurde kein Datensatz mit dieser Länderkennzahl gefunden!"));
    if (!typ.aufloesen(anfrage.start, anfrage.eltern))
        return std::nullopt;
    return QHash<QString, QString>{{QStringLiteral("Lkz"), modul->tbLand->fieldByName(QStringLiteral("Lkz")).asString()}};
}

} // namespace

void eingabeauswahlenAnmelden()
{
    auswahlRegistrieren(QStringLiteral("AuswahlLand"), pickerZeigen<TfrmLnder_e>);
    auswahlRegistrieren(QStringLiteral("AuswahlVerkehrszweig"), pickerZeigen<TfrmVerzw_e>);
    auswahlRegistrieren(QStringLiteral("AuswahlGeschaeftsart"), pickerZeigen<TfrmGesch_e>);
    auswahlRegistrieren(QStringLiteral("AuswahlZollstelle"), pickerZeigen<TfrmZoll_e>);
    auswahlRegistrieren(QStringLiteral("AuswahlVerfahren"), pickerZeigen<TfrmVerfan_e>);
    auswahlRegistrieren(QStringLiteral("AuswahlLieferbedingung"), pickerZeigen<TfrmLiefer_e>);
    auswahlRegistrieren(QStringLiteral("AuswahlBundesland"), bundeslandWaehlen);
    auswahlRegistrieren(QStringLiteral("AuswahlKunde"), stammZeigen<TfrmKunden>);
    auswahlRegistrieren(QStringLiteral("AuswahlSpediteur"), stammZeigen<TfrmSpedit>);
    auswahlRegistrieren(QStringLiteral("AuswahlWarennummer"), pickerZeigen<TfrmWare_e>);
    auswahlRegistrieren(QStringLiteral("AuswahlWarenNr"), warennummerWaehlen);
    auswahlRegistrieren(QStringLiteral("AuswahlPackstueck"), packstueckWaehlen);
    auswahlRegistrieren(QStringLiteral("LandKennzeichenAufloesen"), landKennzeichenAufloesen);
}

} // namespace masterdata
