#pragma once

#include "Stammdeklaration.h"

#include "platform/ui/DataControls.h"


namespace masterdata {

// A data-aware combo box over a fixed list whose items store a value of
// their own (a code letter) rather than their text. A stored value of no
// item shows no item and stays as it is until the clerk chooses one.
class Werteauswahl : public ui::DataComboBox
{
    Q_OBJECT
public:
    Werteauswahl(const QString &objectName, db::DataSource *quelle, const QString &feld,
                 QList<Werteintrag> eintraege, QWidget *parent = nullptr);

    // The item a stored value stands for; -1 for none.
    static int eintragZu(const QList<Werteintrag> &eintraege, const QString &wert);

protected:
    int itemForValue(const QString &value) const override;
    QString valueOfItem(int index) const override;

private:
    QList<Werteintrag> eintraege_;
};

} // namespace masterdata
