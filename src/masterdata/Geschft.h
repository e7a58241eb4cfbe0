#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The business types (S_GESART): upkeep form and list print.
class TfrmGeschft : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmGeschft(QWidget *parent = nullptr);
};

class TfrmGeschft_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmGeschft_d(QWidget *parent = nullptr);
};
