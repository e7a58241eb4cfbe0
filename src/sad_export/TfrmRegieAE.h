#pragma once

#include "common/TfrmRegie.h"

namespace db {
class Database;
}

// "Regiezentrum: Einheitspapier", the register of export declarations. It
// holds EINHEIT and EINFOLG against other workstations while it exists;
// its main menu "Liste" exports a date range of declarations.
class TfrmRegieAE : public TfrmRegie
{
    Q_OBJECT
public:
    explicit TfrmRegieAE(QWidget *parent = nullptr);
    TfrmRegieAE(db::Database &datenbank, QWidget *parent = nullptr);
    ~TfrmRegieAE() override;

    QAction *Liste1;

    // Opens the declaration of that number in its entry form without
    // showing the register; a number without a declaration shows nothing.
    static void BelegBearbeitenAE(int belegNr);
};

// The running export-declaration register, through which its entry, item
// and check forms and the transfers reach the declaration.
extern TfrmRegieAE *frmRegieAE;
