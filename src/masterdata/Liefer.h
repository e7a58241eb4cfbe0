#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The delivery terms (S_LIEFER), listed by meaning: upkeep form and list print.
class TfrmLieferbedingungen : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmLieferbedingungen(QWidget *parent = nullptr);
};

class TfrmLieferbedingungen_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmLieferbedingungen_d(QWidget *parent = nullptr);
};
