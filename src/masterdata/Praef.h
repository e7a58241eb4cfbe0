#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The preference clauses (S_PRAEFZ): a code and six lines of text; upkeep
// form with take-over for the order and the import declaration, list print.
class TfrmPraef : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmPraef(QWidget *parent = nullptr);
};

class TfrmPraef_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmPraef_d(QWidget *parent = nullptr);
};
