#include "Tagprotokoll.h"

#include "common/Eingabeformulare.h"

#include "platform/db/Field.h"
#include "platform/db/Table.h"

namespace masterdata {

void tagUebernahme(const QList<TagZiel> &ziele, int tag, db::Table &quelle)
{
    for (const TagZiel &ziel : ziele) {
        if (ziel.tag != tag)
            continue;
        QWidget *formular = offenesEingabeformular(ziel.formular);
        if (!formular)
            return;
        for (const TagWert &wert : ziel.werte)
            eingabeSchreiben(formular, wert.steuerelement, quelle.fieldByName(wert.feld).asString().mid(wert.von, wert.laenge));
        return;
    }
}

} // namespace masterdata
