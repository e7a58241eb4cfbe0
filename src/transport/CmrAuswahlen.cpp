#include "transport/CmrAuswahlen.h"

#include "common/Eingabeauswahl.h"
#include "masterdata/Spedit.h"
#include "masterdata/Ware_e.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"

namespace transport {

namespace {

// The chosen row's fields by the names the CMR's field table reads.
QHash<QString, QString> cmrZeile(db::Table &tabelle, const QStringList &felder)
{
    QHash<QString, QString> werte;
    for (const QString &feld : felder)
        werte.insert(feld, tabelle.fieldByName(feld).asString());
    return werte;
}

} // namespace

void auswahlenAnmelden()
{
    auswahlRegistrieren(QStringLiteral("AuswahlSpediteur"), [](const Auswahlanfrage &anfrage) -> Auswahlergebnis {
        TfrmSpedit form(anfrage.eltern);
        form.uebernahmeZeigen();
        if (form.showModal() != ui::ModalResult::Ok || form.Table1->isEmpty())
            return std::nullopt;
        return cmrZeile(*form.Table1, {QStringLiteral("Name1"), QStringLiteral("Name2"), QStringLiteral("Name3"),
                                       QStringLiteral("Name4"), QStringLiteral("Name5")});
    });
    auswahlRegistrieren(QStringLiteral("AuswahlWarennummer"), [](const Auswahlanfrage &anfrage) -> Auswahlergebnis {
        TfrmWare_e picker(anfrage.eltern);
        if (picker.showModal() != ui::ModalResult::Ok || picker.Table1->isEmpty())
            return std::nullopt;
        return cmrZeile(*picker.Table1, {QStringLiteral("waren")});
    });
}

} // namespace transport
