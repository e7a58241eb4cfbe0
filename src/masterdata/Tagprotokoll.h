#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace db {
class Table;
}

namespace masterdata {

// One value a selection dialog writes into an entry form: the chosen row's
// field, or a piece of it (von, laenge as QString::mid), into the control.
struct TagWert
{
    QString steuerelement;   // the box: control name or the field it edits ("F21_1")
    QString feld;            // the dialog's field
    int von = 0;
    int laenge = -1;
};

// What "Übernehmen" writes for one Tag: into the open entry form of that
// name (registry of open entry forms), the values in order.
struct TagZiel
{
    int tag;
    QString formular;        // "frmEinheit", "frmEinheit2"
    QList<TagWert> werte;
};

// Writes the values of the Tag's row from the dialog's current record.
// Another Tag (0 included), or a form that is not open, writes nothing.
void tagUebernahme(const QList<TagZiel> &ziele, int tag, db::Table &quelle);

} // namespace masterdata
