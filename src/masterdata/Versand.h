#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The shipping addresses (S_VERSAN): upkeep and take-over form, list print.
class TfrmVersand : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmVersand(QWidget *parent = nullptr);
};

class TfrmVersand_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmVersand_d(QWidget *parent = nullptr);
};
