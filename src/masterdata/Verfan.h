#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The declaration procedures (S_VERFAH): upkeep form and list print.
class TfrmVerfan : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmVerfan(QWidget *parent = nullptr);
};

class TfrmVerfan_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmVerfan_d(QWidget *parent = nullptr);
};
