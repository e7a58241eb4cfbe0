#pragma once

#include "common/Pruefdialog.h"

// "Genehmigungsprüfung CMR": sender (box 1) and consignee (box 2) ticked
// when missing.
class TfrmCmr_Plausi : public Pruefdialog
{
    Q_OBJECT
public:
    explicit TfrmCmr_Plausi(QWidget *parent = nullptr);
};
