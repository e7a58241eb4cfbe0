#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAbstractButton;

namespace ui {
class DataEdit;
}

namespace masterdata {

class Stammformular;

// The names of the five document languages, Sprache1 to Sprache5 of the
// parameter table S_PARAME; empty when the store holds no parameter record.
QStringList Sprachnamen();

// Language buttons that rebind a master's text edits: each button stands for
// one language slot and the fields its edits show.
struct Sprachwahl
{
    QStringList knoepfe;          // the designed captions, one per slot
    QList<QStringList> spalten;   // per slot the field of each edit
};

// Puts the buttons in a row on the card, acting as one group, captioned with
// Sprachnamen() where the store has them. A button first posts what is
// pending in Table1, then binds the edits to its slot's fields. The first
// slot is pressed.
QList<QAbstractButton *> sprachwahlEinrichten(Stammformular &form, const QList<ui::DataEdit *> &edits,
                                              const Sprachwahl &wahl);

} // namespace masterdata
