#pragma once

#include "masterdata/Auswahldialog.h"

// "Auswahl: Ländertabelle": the country picker. Callers read Table1's row on
// modal result 1, or set Tag so that "Übernehmen" writes the country into
// the boxes of an open export (frmEinheit) or import (frmEinheit2) entry form.
class TfrmLnder_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmLnder_e(QWidget *parent = nullptr);

    // Bez of the country whose field (e.g. "LKZ", "Land") equals the key;
    // empty for an empty key or no such country. Shows nothing.
    static void LandBezeichnung(const QString &feld, const QString &schluessel, QString &text);
    // Shows the picker, first on the country whose field equals the start
    // value (where there is one); the chosen country's field, or empty.
    static void WaehleLandFeld(const QString &feld, const QString &start, QString &text);
    // Shows the picker in name order; the chosen country's Bez, or empty.
    static void WaehleLandBezeichnung(QString &text);
};
