#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The transport modes (S_VERKZG): upkeep form and list print.
class TfrmVerkehrszweig : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmVerkehrszweig(QWidget *parent = nullptr);
};

class TfrmVerkehrszweig_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmVerkehrszweig_d(QWidget *parent = nullptr);
};
