#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Textstammformular.h"

#include <optional>

// The invoice clauses (S_REKLAU): ten lines in each of five languages;
// upkeep and take-over form, list print.
class TfrmKlausel : public masterdata::Textstammformular
{
    Q_OBJECT
public:
    explicit TfrmKlausel(QWidget *parent = nullptr);

    // The order form's take-over: the form on the order's language letter;
    // the ten lines shown when the clerk takes a clause.
    static std::optional<QStringList> KlauselUebernehmen(const QString &buchstabe, QWidget *parent = nullptr);
};

class TfrmKlausel_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmKlausel_d(QWidget *parent = nullptr);
};
