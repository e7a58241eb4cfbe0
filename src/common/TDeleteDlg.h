#pragma once

#include "common/NummernDialog.h"

// "Löschen": first ("von") and last ("bis") number of a deletion. OK with a
// number of the master record (above 1999999999) says "Masterformular kann
// nicht gelöscht werden !" and ends with 2.
class TDeleteDlg : public NummernDialog
{
    Q_OBJECT
public:
    explicit TDeleteDlg(QWidget *parent = nullptr);

    int GetVon() const { return zahl(Edit1); }
    int GetBis() const { return zahl(Edit2); }
    void SetVon(int von) { setzeZahl(Edit1, von); }
    void SetBis(int bis) { setzeZahl(Edit2, bis); }

protected:
    int pruefen(qint64 von, qint64 bis) override;
};
