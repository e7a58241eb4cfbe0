#include "common/Eingabedruck.h"

#include "common/Belegart.h"
#include "platform/ui/Dialogs.h"

#include <QHash>

namespace {

QHash<QString, Belegdruck> &registrierteBelegdrucke()
{
    static QHash<QString, Belegdruck> drucke;
    return drucke;
}

} // namespace

void belegdruckRegistrieren(const Belegart &art, Belegdruck druck)
{
    if (druck)
        registrierteBelegdrucke().insert(art.tabellen.kopf, std::move(druck));
    else
        registrierteBelegdrucke().remove(art.tabellen.kopf);
}

void belegDrucken(const Belegart &art, QWidget *parent, int belegNr)
{
    const Belegdruck druck = registrierteBelegdrucke().value(art.tabellen.kopf);
    if (!druck) {
        ui::showInformation(QStringLiteral("Der Ausdruck dieser Belegart ist noch nicht gebaut."));
        return;
    }
    druck(parent, belegNr);
}
