#include "Werteauswahl.h"

#include "platform/db/Field.h"
#include "platform/ui/DataLink.h"
#include "platform/ui/Dialogs.h"

#include <QFocusEvent>
#include <QWheelEvent>

namespace masterdata {

Werteauswahl::Werteauswahl(const QString &objectName, db::DataSource *quelle, const QString &feld,
                           QList<Werteintrag> eintraege, QWidget *parent)
    : QComboBox(parent), eintraege_(std::move(eintraege))
{
    setObjectName(objectName);
    setFocusPolicy(Qt::StrongFocus);
    for (const Werteintrag &eintrag : std::as_const(eintraege_))
        addItem(eintrag.text);
    connect(&link_, &ui::DataLink::dataChanged, this, &Werteauswahl::feldZeigen);
    connect(&link_, &ui::DataLink::editingChanged, this, &Werteauswahl::bearbeitbarkeit);
    connect(this, &QComboBox::activated, this, &Werteauswahl::gewaehlt);
    setDataSource(quelle);
    setDataField(feld);
    feldZeigen();
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

void Werteauswahl::feldZeigen()
{
    zeigt_ = true;
    db::Field *feld = link_.field();
    setCurrentIndex(feld ? eintragZu(eintraege_, feld->asString()) : -1);
    zeigt_ = false;
    bearbeitbarkeit();
}

void Werteauswahl::bearbeitbarkeit()
{
    setEnabled(link_.canModify() || !link_.active());
}

void Werteauswahl::gewaehlt(int index)
{
    if (zeigt_ || index < 0 || index >= eintraege_.size())
        return;
    const QString wert = eintraege_[index].wert;
    if (link_.write([&wert](db::Field &feld) { feld.setAsString(wert); }) == ui::DataLink::WriteResult::Invalid)
        ui::showError(link_.lastError());
}

void Werteauswahl::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    emit entered();
}

void Werteauswahl::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (ui::leavesForGood(event))
        emit exited();
}

void Werteauswahl::wheelEvent(QWheelEvent *event)
{
    // Turning the wheel over the card must not change a value in passing.
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

} // namespace masterdata
