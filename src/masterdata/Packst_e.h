#pragma once

#include "masterdata/Auswahldialog.h"

// "Auswahl: Packstücke": the small package-kind picker in description order.
// Callers read packart, bez, laenge, breite and hoehe of Table1 on modal
// result 1.
class TfrmPackst_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmPackst_e(QWidget *parent = nullptr);
};
