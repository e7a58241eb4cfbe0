#pragma once

#include "common/RadioGroup.h"

#include <QList>
#include <QString>

namespace masterdata {

class Stammformular;

// One item of "Sortieren nach:" and the order it gives: an index name or
// a field list, as Stammdeklaration::ordnung.
struct Sortiereintrag
{
    QString text;
    QString ordnung;
};

// The sort choice "Sortieren nach:" of a master's list (customers, goods
// numbers, articles), kept per workstation in "Razazu.ini" under its key.
// Choosing an item orders the list by it, goes to the first record and
// stores the item's index; a record being typed is settled first.
class Sortierwahl : public RadioGroup
{
    Q_OBJECT
public:
    // anfangSpeichern: the item set at creation is stored too, so that a
    // missing or stray key reads as that item afterwards.
    Sortierwahl(Stammformular &form, QString iniSchluessel, QList<Sortiereintrag> eintraege,
                bool anfangSpeichern = false);

    // The stored item: 0 when the key is missing or names no item.
    static int gespeichert(const QString &iniSchluessel, const QList<Sortiereintrag> &eintraege);
    // The order of the stored item, for the form's declaration.
    static QString gespeicherteOrdnung(const QString &iniSchluessel, const QList<Sortiereintrag> &eintraege);

    void waehlen(int index);

private:
    Stammformular &form_;
    QString schluessel_;
    QList<Sortiereintrag> eintraege_;
    int gewaehlt_ = 0;
};

} // namespace masterdata
