#pragma once

#include "common/TfrmRegie.h"

namespace db {
class Database;
}

// "Regiezentrum : CMR-Frachtbrief", the register of CMR consignment notes.
class TfrmRegieCMR : public TfrmRegie
{
    Q_OBJECT
public:
    explicit TfrmRegieCMR(QWidget *parent = nullptr);
    TfrmRegieCMR(db::Database &datenbank, QWidget *parent = nullptr);
    ~TfrmRegieCMR() override;

    // Opens the note of that number in its entry form without showing the
    // register; a number without a note shows nothing.
    static void BelegBearbeitenCMR(int belegNr);
};

// The running CMR register, through which its entry, position and check
// forms and the transfers reach the note.
extern TfrmRegieCMR *frmRegieCMR;
