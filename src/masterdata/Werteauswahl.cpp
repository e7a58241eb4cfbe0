#include "Werteauswahl.h"

namespace masterdata {

namespace {

QStringList eintragstexte(const QList<Werteintrag> &eintraege)
{
    QStringList texte;
    for (const Werteintrag &eintrag : eintraege)
        texte << eintrag.text;
    return texte;
}

} // namespace

Werteauswahl::Werteauswahl(const QString &objectName, db::DataSource *quelle, const QString &feld,
                           QList<Werteintrag> eintraege, QWidget *parent)
    : ui::DataComboBox(objectName, quelle, feld, eintragstexte(eintraege), parent), eintraege_(std::move(eintraege))
{
    // The base showed the field by item text; now by the items' own values.
    showField();
}

int Werteauswahl::eintragZu(const QList<Werteintrag> &eintraege, const QString &wert)
{
    if (wert.isEmpty())
        return -1;
    for (int i = 0; i < eintraege.size(); ++i) {
        if (eintraege[i].wert == wert)
            return i;
    }
    for (int i = 0; i < eintraege.size(); ++i) {
        if (eintraege[i].auchGelesen.contains(wert))
            return i;
    }
    return -1;
}

int Werteauswahl::itemForValue(const QString &value) const
{
    return eintragZu(eintraege_, value);
}

QString Werteauswahl::valueOfItem(int index) const
{
    return eintraege_.value(index).wert;
}

} // namespace masterdata
