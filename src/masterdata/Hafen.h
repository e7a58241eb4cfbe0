#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The ports (S_HAFEN): upkeep form and list print.
class TfrmHafen : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmHafen(QWidget *parent = nullptr);
};

class TfrmHafen_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmHafen_d(QWidget *parent = nullptr);
};
