#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The back-page texts of the certificate of origin (S_URZEUG): list and card
// on two pages, the country chosen by name; upkeep form and list print.
class TfrmUrzeug : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmUrzeug(QWidget *parent = nullptr);
};

class TfrmUrzeug_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmUrzeug_d(QWidget *parent = nullptr);
};
