#include "Sortierwahl.h"
#include "Stammformular.h"

#include "common/Ini.h"
#include "common/Programmzustand.h"

#include "platform/db/Table.h"
#include "platform/ui/Guard.h"

#include <QBoxLayout>

namespace masterdata {

int Sortierwahl::gespeichert(const QString &iniSchluessel, const QList<Sortiereintrag> &eintraege)
{
    const int index = IniWertLesen(IniDateiName(), IniAbschnitt(), iniSchluessel, 0).toInt();
    return index >= 0 && index < eintraege.size() ? index : 0;
}

QString Sortierwahl::gespeicherteOrdnung(const QString &iniSchluessel, const QList<Sortiereintrag> &eintraege)
{
    return eintraege.isEmpty() ? QString() : eintraege[gespeichert(iniSchluessel, eintraege)].ordnung;
}

Sortierwahl::Sortierwahl(Stammformular &form, QString iniSchluessel, QList<Sortiereintrag> eintraege,
                         bool anfangSpeichern)
    : RadioGroup(QStringLiteral("Sortieren nach:"), form.body())
    , form_(form)
    , schluessel_(std::move(iniSchluessel))
    , eintraege_(std::move(eintraege))
{
    setObjectName(QStringLiteral("rgSortierung"));
    for (const Sortiereintrag &eintrag : std::as_const(eintraege_))
        addItem(eintrag.text);
    gewaehlt_ = gespeichert(schluessel_, eintraege_);
    setItemIndex(gewaehlt_);
    if (anfangSpeichern)
        IniWertSchreiben(IniDateiName(), IniAbschnitt(), schluessel_, gewaehlt_);
    ui::applyUserFont(this, Erscheinungsbild().masterDataLabels);
    connect(this, &RadioGroup::itemClicked, this, ui::guarded([this](int index) { waehlen(index); }));
    // Below the card, above the buttons.
    if (auto *spalte = qobject_cast<QBoxLayout *>(form.body()->layout()))
        spalte->insertWidget(spalte->count() - 1, this);
}

void Sortierwahl::waehlen(int index)
{
    if (index < 0 || index >= eintraege_.size())
        return;
    db::Table &tabelle = *form_.Table1;
    try {
        tabelle.checkBrowseMode();
    } catch (...) {
        setItemIndex(gewaehlt_);
        throw;
    }
    gewaehlt_ = index;
    setItemIndex(index);
    ordnungSetzen(tabelle, eintraege_[index].ordnung);
    if (tabelle.isOpen()) {
        tabelle.refresh();
        tabelle.first();
    }
    IniWertSchreiben(IniDateiName(), IniAbschnitt(), schluessel_, index);
}

} // namespace masterdata
