#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The customs offices (S_ZOLLST): upkeep form and list print.
class TfrmZoll : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmZoll(QWidget *parent = nullptr);
};

class TfrmZoll_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmZoll_d(QWidget *parent = nullptr);
};
