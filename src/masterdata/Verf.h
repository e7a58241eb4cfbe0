#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The procedure codes of box 37 (S_EINH37): upkeep form and list print.
class TfrmVerf : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmVerf(QWidget *parent = nullptr);
};

class TfrmVerf_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmVerf_d(QWidget *parent = nullptr);
};
