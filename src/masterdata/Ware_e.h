#pragma once

#include "masterdata/Auswahldialog.h"

// "Auswahl: Statistische Warennummer": the small goods-number picker in
// description order. Callers read waren, Waren2 to Waren5 and bez1 to bez8
// of Table1 on modal result 1.
class TfrmWare_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmWare_e(QWidget *parent = nullptr);
};
