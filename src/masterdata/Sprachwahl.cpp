#include "Sprachwahl.h"
#include "Stammdatenbank.h"
#include "Stammformular.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Guard.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace masterdata {

QStringList Sprachnamen()
{
    try {
        if (!datenbank().tableExists(QStringLiteral("S_PARAME")))
            return {};
        db::Table parameter(datenbank(), QStringLiteral("S_PARAME"));
        parameter.setReadOnly(true);
        parameter.open();
        if (parameter.isEmpty())
            return {};
        QStringList namen;
        for (int sprache = 1; sprache <= 5; ++sprache)
            namen << parameter.fieldByName(QStringLiteral("Sprache%1").arg(sprache)).asString();
        return namen;
    } catch (const db::DatabaseError &) {
        // An older parameter table without the language names: the designed
        // captions stay.
        return {};
    }
}

QList<QAbstractButton *> sprachwahlEinrichten(Stammformular &form, const QList<ui::DataEdit *> &edits,
                                              const Sprachwahl &wahl)
{
    const QStringList namen = Sprachnamen();
    auto *zeile = new QWidget(form.body());
    zeile->setObjectName(QStringLiteral("pnlSprachen"));
    auto *layout = new QHBoxLayout(zeile);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *gruppe = new QButtonGroup(zeile);
    QList<QAbstractButton *> knoepfe;
    for (int slot = 0; slot < wahl.knoepfe.size(); ++slot) {
        auto *knopf = new QPushButton(namen.value(slot).isEmpty() ? wahl.knoepfe[slot] : namen[slot], zeile);
        knopf->setObjectName(QStringLiteral("btnSprache%1").arg(slot + 1));
        knopf->setCheckable(true);
        knopf->setAutoDefault(false);
        gruppe->addButton(knopf, slot);
        layout->addWidget(knopf);
        knoepfe << knopf;
        const QStringList spalten = wahl.spalten.value(slot);
        QObject::connect(knopf, &QAbstractButton::clicked, &form, ui::guarded([&form, edits, spalten] {
            // What was typed under the former language goes to its own columns.
            form.Table1->checkBrowseMode();
            for (int i = 0; i < edits.size() && i < spalten.size(); ++i)
                edits[i]->setDataField(spalten[i]);
        }));
    }
    if (!knoepfe.isEmpty())
        knoepfe.first()->setChecked(true);
    form.karte()->addWidget(zeile, form.karte()->rowCount(), 0, 1, form.karte()->columnCount());
    return knoepfe;
}

} // namespace masterdata
