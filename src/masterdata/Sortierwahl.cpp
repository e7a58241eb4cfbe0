#include "Sortierwahl.h"
#include "Stammformular.h"

#include "common/Ini.h"
#include "common/RadioGroup.h"

#include "platform/db/Table.h"
#include "platform/ui/Guard.h"

#include <QGridLayout>

namespace masterdata {

int StammSortRead(const Sortierwahl &wahl)
{
    const int eintrag = IniWertLesen(IniDateiName(), IniAbschnitt(), wahl.schluessel, 0).toInt();
    return eintrag >= 0 && eintrag < wahl.ordnungen.size() ? eintrag : 0;
}

void StammSortWrite(const Sortierwahl &wahl, int eintrag)
{
    IniWertSchreiben(IniDateiName(), IniAbschnitt(), wahl.schluessel, eintrag);
}

QString gespeicherteOrdnung(const Sortierwahl &wahl)
{
    return wahl.ordnungen.value(StammSortRead(wahl));
}

RadioGroup *sortierwahlEinrichten(Stammformular &form, const Sortierwahl &wahl)
{
    auto *gruppe = new RadioGroup(QStringLiteral("Sortieren nach:"), form.body());
    gruppe->setObjectName(QStringLiteral("RadioGroup1"));
    for (const QString &eintrag : wahl.eintraege)
        gruppe->addItem(eintrag);
    form.karte()->addWidget(gruppe, form.karte()->rowCount(), 0, 1, form.karte()->columnCount());

    const int gespeichert = StammSortRead(wahl);
    gruppe->setItemIndex(gespeichert);
    StammSortWrite(wahl, gespeichert);
    QObject::connect(gruppe, &RadioGroup::itemClicked, &form, ui::guarded([&form, wahl](int eintrag) {
        StammSortWrite(wahl, eintrag);
        form.Table1->checkBrowseMode();
        ordnungSetzen(*form.Table1, wahl.ordnungen.value(eintrag));
        // Before the form is shown the table is not open yet: it opens in
        // the stored order then.
        if (form.Table1->isOpen())
            form.Table1->first();
    }));
    return gruppe;
}

} // namespace masterdata
