#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The federal states (S_INLAND): upkeep form and list print.
class TfrmBundeslnder : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmBundeslnder(QWidget *parent = nullptr);
};

class TfrmBundeslnder_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmBundeslnder_d(QWidget *parent = nullptr);
};
