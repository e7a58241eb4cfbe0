#pragma once

#include "common/NummernDialog.h"

// "Kopieren": source ("von") and target ("nach") number of a copy. OK with a
// number of the master record (above 1999999999) ends with 2, so the master
// record is never a copy's source or target.
class TCopyDlg : public NummernDialog
{
    Q_OBJECT
public:
    explicit TCopyDlg(QWidget *parent = nullptr);

    int GetVon() const { return zahl(Edit1); }
    int GetNach() const { return zahl(Edit2); }
    void SetVon(int von) { setzeZahl(Edit1, von); }
    void SetNach(int nach) { setzeZahl(Edit2, nach); }

protected:
    int pruefen(qint64 von, qint64 nach) override;
};
